#include "TExerciseScreen.h"

#include "ExerciseDocument.h"
#include "ExerciseMedia.h"
#include "MediaButtonSetup.h"

#include "app/Screens.h"
#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/ContentPaths.h"
#include "course/CourseModel.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdBelka.h"
#include "controls/TEdKlawiaturka.h"
#include "controls/TEdProgress.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

namespace {

TZestaw KeyboardSetOf(int courseLanguage)
{
    switch (courseLanguage) {
    case 2: return zNiemiecki;
    case 3: return zWloski;
    case 4: return zHiszpanski;
    case 5: return zFrancuski;
    default: return zInny;
    }
}

} // namespace

TExerciseScreen::TExerciseScreen(const QString& name, const Traits& traits, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
    , traits_(traits)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setFixedSize(1024, 768);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(SkinFont(QStringLiteral("Tahoma"), 8));
    CreateStandardComponents();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TExerciseScreen::~TExerciseScreen() = default;

void TExerciseScreen::CreateStandardComponents()
{
    belka_ = new TEdBelka(this);
    belka_->setObjectName(QStringLiteral("Belka"));

    paczkaPart_ = new TAALabel(this);
    paczkaPart_->setObjectName(QStringLiteral("PaczkaPart"));
    paczkaPart_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 12, true));
    paczkaPart_->setFontColor(QColor::fromRgb(0x02, 0xAD, 0xE4));
    paczkaPart_->setCaption(QString());
    paczkaPart_->setAutoSize(true);

    polecenie_ = new TAALabel(this);
    polecenie_->setObjectName(QStringLiteral("Polecenie"));
    polecenie_->setFont(SkinFontPx(QStringLiteral("Georgia"), traits_.InstructionPixels));
    polecenie_->setFontColor(QColor::fromRgb(0xE3, 0x39, 0x6B));
    polecenie_->setWordWrap(true);
    polecenie_->setAutoSize(true);
    polecenie_->setCaption(QString());

    panelWynik_ = new TEdProgress(this);
    panelWynik_->setObjectName(QStringLiteral("Panel_Wynik"));
    panelWynik_->setTekst(HintText(46).isEmpty() ? QStringLiteral("Twój wynik:") : HintText(46));
    panelWynik_->hide();

    btnSpr_ = AddSideButton(QStringLiteral("btnSpr"), QStringLiteral("Sprawdź"), 476, QStringLiteral("glyphSprawdz"));
    connect(btnSpr_, &TEdResButton::clicked, this, &TExerciseScreen::btnSprClick);
    btnPopraw_ = AddSideButton(QStringLiteral("btnPopraw"), HintText(51), 420, QStringLiteral("glyphSprawdz"));
    btnPopraw_->hide();

    btnMedia_ = AddSideButton(QStringLiteral("btnMedia"), QStringLiteral("Słuchaj"), 196, QStringLiteral("btn_speakers"));
    btnMedia_->hide();
    connect(btnMedia_, &TEdResButton::clicked, this, &TExerciseScreen::PlayExerciseMedia);
    btnMedia2_ = new TEdResButton(this);
    btnMedia2_->setObjectName(QStringLiteral("btnMedia2"));
    btnMedia2_->setRozmiar(roz32);
    btnMedia2_->setShowCaption(false);
    btnMedia2_->setCaption(QString());
    btnMedia2_->setGeometry(40, 145, 36, 32);
    btnMedia2_->hide();
    connect(btnMedia2_, &TEdResButton::clicked, this, &TExerciseScreen::PlayExerciseMedia);
    for (TEdResButton* media : {btnMedia_, btnMedia2_}) {
        media->setToolTip(QStringLiteral(" "));
        connect(media, &TEdResButton::mouseEntered, this, [] { App().HintWindowText = HintText(4); });
        connect(media, &TEdResButton::mouseLeft, this, [] { App().HintWindowText.clear(); });
    }

    btnKlawiaturka_ = AddSideButton(QStringLiteral("btnKlawiaturka"), QStringLiteral("Klawiatura"), 308,
                                    QStringLiteral("glyphKlawiatura"));
    klawiaturka_ = new TEdKlawiaturka(this);
    klawiaturka_->setObjectName(QStringLiteral("Klawiaturka"));
    klawiaturka_->hide();
    btnKlawiaturka_->setVisible(App().CourseLanguage > 1);
    klawiaturka_->setZestawZnakow(KeyboardSetOf(App().CourseLanguage));
    connect(btnKlawiaturka_, &TEdResButton::clicked, this, [this] {
        klawiaturka_->move(btnKlawiaturka_->x(), btnKlawiaturka_->y() + 56);
        klawiaturka_->setVisible(!klawiaturka_->isVisible());
        klawiaturka_->raise();
    });
    connect(klawiaturka_, &TEdKlawiaturka::buttonClick, this, &TExerciseScreen::KeyboardSymbol);

    scrollBar_ = new TWOwnrScrllBar(this);
    scrollBar_->setObjectName(QStringLiteral("ScrollBar"));
    scrollBar_->setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
    scrollBar_->setCtrl3D(false);
    scrollBar_->setMin(0);
    scrollBar_->hide();
}

TEdResButton* TExerciseScreen::AddSideButton(const QString& name, const QString& caption, int top,
                                             const QString& glyph)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(roz50);
    button->setSkladowe(el9);
    button->setGrafikaIndex(1);
    button->setGeometry(840, top, 176, 50);
    button->setAlignment(taLeftJustify);
    button->setSpacing(12);
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 15, true));
    button->setFontColor(Qt::white);
    button->setGlyph(SkinPicture(glyph));
    return button;
}

bool TExerciseScreen::CheckFileExists(const QString& path, int missingFileCode)
{
    if (QFileInfo::exists(path))
        return true;
    ShowErrorBox(QStringLiteral("Brak pliku ćwiczenia! (%1)").arg(missingFileCode), QStringLiteral("Błąd"));
    return false;
}

void TExerciseScreen::ResetCheckButton()
{
    btnSpr_->setTag(0);
    btnSpr_->setCaption(QStringLiteral("Sprawdź"));
    btnSpr_->setGlyph(SkinPicture(QStringLiteral("glyphSprawdz")));
    btnSpr_->setToolTip(QString());
    panelWynik_->hide();
    btnPopraw_->hide();
}

void TExerciseScreen::LoadFromFile()
{
    try {
        const ExerciseDocument document = ExerciseDocument::Open(path_);
        LoadExercise(document);
    } catch (const std::exception&) {
        ShowErrorBox(QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! (%1)").arg(QFileInfo(path_).fileName()),
                     QStringLiteral("Błąd"));
    }
}

void TExerciseScreen::OpenExerciseScreen(const QString& path, int mode)
{
    path_ = path;
    mode_ = mode;
    ResetCheckButton();
    LoadFromFile();
    if (TfrmNawigacja* navigation = TfrmNawigacja::Instance()) {
        TfrmNawigacja::RemoveNavigationBar(this);
        navigation->BuildNavigationBar(this, traits_.WithTabs, traits_.TabTop, traits_.TabLeft);
        navigation->RestyleScreenBar(this);
    } else {
        SkinWindow(this);
    }
    StartExercise();
    show();
    raise();
    activateWindow();
}

void TExerciseScreen::ResetExercise()
{
    ReleaseExercise();
    ResetCheckButton();
    LoadFromFile();
    StartExercise();
    update();
}

int TExerciseScreen::LastScore() const
{
    return panelWynik_->Wynik();
}

void TExerciseScreen::btnSprClick()
{
    if (btnSpr_->Tag() == 1) {
        ResetExercise();
        return;
    }
    if (ExerciseMedia* media = Media(); media != nullptr && media->IsPlaying())
        media->StopMedia();
    PlayResultSound();
    int correct = 0;
    int wrong = 0;
    EvaluateAnswers(correct, wrong);
    panelWynik_->setWynik(ExerciseScore(correct, wrong));
    panelWynik_->raise();
    panelWynik_->show();
    btnSpr_->setTag(1);
    btnSpr_->setCaption(HintText(3).isEmpty() ? QStringLiteral("Jeszcze raz") : HintText(3));
    btnSpr_->setGlyph(SkinPicture(QStringLiteral("glyphJeszczeRaz")));
    btnPopraw_->setVisible(panelWynik_->Wynik() < 100);
    AnswersChecked();
    if (traits_.Scored) {
        if (TfrmNawigacja* navigation = TfrmNawigacja::Instance(); navigation && navigation->RecordExerciseResult)
            navigation->RecordExerciseResult(this);
    }
}

void TExerciseScreen::SetInstruction(const QString& text)
{
    polecenie_->setCaption(text);
}

void TExerciseScreen::SetUpMediaButtons(const QString& multimedia)
{
    const AppState& app = App();
    const MediaButtonSetup setup =
        MediaButtonSetup::For(multimedia, app.MediaPath(QStringLiteral("Teksty")), app.DanePath(QStringLiteral("Paczki")));
    mediaItem_ = setup.Value;
    const bool shown = setup.Shows != MediaButtonSetup::Look::Hidden;
    for (TEdResButton* button : {btnMedia_, btnMedia2_}) {
        if (setup.Shows == MediaButtonSetup::Look::Sound || setup.Shows == MediaButtonSetup::Look::Film) {
            button->setTag(setup.Tag);
        }
        if (!setup.Caption.isEmpty() && button == btnMedia_)
            button->setCaption(setup.Caption);
        if (!setup.Picture.isEmpty()) {
            QImage glyph = SkinPicture(setup.Picture);
            // A library without the text picture shows the book of the translation buttons.
            if (glyph.isNull() && setup.Shows == MediaButtonSetup::Look::Text)
                glyph = SkinPicture(QStringLiteral("glyphTlumaczenie"));
            button->setGlyph(glyph);
        }
        button->setVisible(shown);
    }
    // The instruction and page labels start right of the small media button when it shows.
    const int left = shown ? btnMedia2_->geometry().right() + 10 : workingAreaLeft_;
    polecenie_->move(left, polecenie_->y());
    paczkaPart_->move(left, paczkaPart_->y());
}

void TExerciseScreen::PlayExerciseMedia()
{
    ExerciseMedia* media = Media();
    if (media == nullptr || mediaItem_.isEmpty())
        return;
    if (mediaItem_.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
        media->ShowTextPackage(App().DanePath(QStringLiteral("Paczki/") + mediaItem_));
    else
        media->PlayMedia(App().MediaPath(QStringLiteral("Teksty/") + mediaItem_), true);
}

const QImage& TExerciseScreen::BackgroundPicture(const QString& path)
{
    // Screens are opened again and again over the same few pictures.
    static QHash<QString, QImage> pictures;
    auto it = pictures.find(path);
    if (it == pictures.end()) {
        QImage image(path);
        if (!image.isNull() && image.size() != QSize(1024, 718))
            image = image.scaled(1024, 718, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        it = pictures.insert(path, image);
    }
    return *it;
}

void TExerciseScreen::SetBackground(const QImage& image)
{
    background_ = image.isNull() ? QImage() : image.scaled(1024, 718, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void TExerciseScreen::SetRandomBackground(const QString& gfxFolder)
{
    const QString folder = App().ContentPath(QStringLiteral("/Gfx"), gfxFolder);
    QStringList pictures = ContentPaths::ListFiles(folder, QStringLiteral(".bmp"));
    if (pictures.isEmpty())
        pictures = ContentPaths::ListFiles(folder, QStringLiteral(".png"));
    if (pictures.isEmpty())
        return;
    const int pick = QRandomGenerator::global()->bounded(static_cast<int>(pictures.size()));
    SetBackground(BackgroundPicture(folder + u'/' + pictures[pick]));
}

QImage TExerciseScreen::BackgroundBehind(const QRect& windowRect) const
{
    return background_.isNull() ? QImage() : background_.copy(windowRect.translated(0, -50));
}

void TExerciseScreen::KeyboardSymbol(int index)
{
    QLineEdit* field = AnswerField();
    const QString symbols = klawiaturka_->Symbole();
    if (field == nullptr || !field->isVisible() || index < 1 || index > symbols.size())
        return;
    field->insert(symbols.mid(index - 1, 1));
    field->end(false);
    field->setFocus();
}

void TExerciseScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawImage(0, 50, background_);
    else
        p.fillRect(rect().adjusted(0, 50, 0, 0), QColor::fromRgb(0xEE, 0xF3, 0xF8));
}

void TExerciseScreen::keyPressEvent(QKeyEvent* event)
{
    TfrmNawigacja* navigation = TfrmNawigacja::Instance();
    if (event->key() == Qt::Key_F1) {
        if (navigation != nullptr)
            navigation->OpenHelpFor(this);
        return;
    }
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        ConfirmExit();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (navigation != nullptr)
            navigation->PressContentsButton(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TExerciseScreen::wheelEvent(QWheelEvent* event)
{
    if (scrollBar_->isVisible()) {
        const int step = event->angleDelta().y() < 0 ? 1 : -1;
        scrollBar_->setPosition(std::clamp(scrollBar_->Position() + step, scrollBar_->Min(), scrollBar_->Max()));
    }
    event->accept();
}

bool TExerciseScreen::eventFilter(QObject* watched, QEvent* event)
{
    // Accent shortcuts in the answer field: Ctrl (without Alt) + a letter.
    if (event->type() == QEvent::KeyPress && watched == AnswerField()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
            if (const auto c = AccentShortcut(QChar(key->key()), mods & Qt::ShiftModifier, App().CourseLanguage))
                AnswerField()->insert(QString(*c));
            return true; // a Ctrl combination never types into the field
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TExerciseScreen::closeEvent(QCloseEvent* event)
{
    try {
        ReleaseExercise();
    } catch (const std::exception&) {
        ShowErrorBox(QStringLiteral("Błąd podczas niszczenia cwiczenia! (%1)").arg(QFileInfo(path_).fileName()),
                     QStringLiteral("Błąd"));
    }
    TfrmNawigacja::RemoveNavigationBar(this);
    if (ExerciseMedia* media = Media()) {
        if (media->IsPlaying())
            media->StopMedia();
        else if (media->IsShown())
            media->HideMedia();
    }
    QWidget::closeEvent(event);
}
