#include "TfrmMainMenu.h"

#include "MainMenuChoices.h"

#include "aids/TfrmPomoc.h"

#include "app/BarButton.h"
#include "app/Screens.h"
#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/CourseModel.h"

#include "users/RecordExerciseResult.h"
#include "users/ResultsStore.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdBelka.h"
#include "controls/TEdResButton.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr QPoint kLogoAt{224, 648};
constexpr QSize kLogoSize{237, 76};

void UseGlyph(TEdResButton* button, const QString& glyph)
{
    if (Resources().hasPicture(glyph))
        button->setGlyph(Resources().picture(glyph));
}

// Size of the file, or -1 when it cannot be opened.
qint64 SizeOfFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.size() : -1;
}

} // namespace

TfrmMainMenu::TfrmMainMenu(const TUser& signedIn, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
    , user_(signedIn)
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setFixedSize(1024, 768);
    background_ = QImage(App().ContentPath(QStringLiteral("/Gfx"), QStringLiteral("start_bg.png")));
    CreateControls();
    SkinWindow(this);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TEdResButton* TfrmMainMenu::AddMenuButton(const QString& name, const QString& caption, const QString& glyph,
                                          QRect geometry, int grafika, int pixelSize)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(geometry.height() >= 100 ? roz100 : roz50);
    button->setSkladowe(el3);
    button->setGrafikaIndex(grafika);
    button->setGeometry(geometry);
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), pixelSize, true));
    button->setFontColor(Qt::white);
    button->setAlignment(taLeftJustify);
    button->setKorekta(geometry.height() >= 100 ? 26 : 16);
    button->setSpacing(geometry.height() >= 100 ? 18 : 12);
    UseGlyph(button, glyph);
    return button;
}

void TfrmMainMenu::CreateControls()
{
    belka_ = new TEdBelka(this);
    belka_->setObjectName(QStringLiteral("Belka"));

    wyloguj_ = AddBarButton(this, QStringLiteral("EdResButton1"), QStringLiteral("Wyloguj"), 549, 131,
                            QStringLiteral("glyphWyloguj"));
    ustawienia_ = AddBarButton(this, QStringLiteral("EdResButton4"), QStringLiteral("Ustawienia"), 684, 138,
                               QStringLiteral("glyphUstawienia"));
    auto* pomoc = AddBarButton(this, QStringLiteral("EdResButton5"), QStringLiteral("Pomoc"), 840, 105,
                               QStringLiteral("glyphHelp"));
    auto* minimise = AddBarButton(this, QStringLiteral("EdResButton3"), QString(), 946, 34,
                                  QStringLiteral("glyphMinimize"), 0, 18);
    auto* close = AddBarButton(this, QStringLiteral("btnClose"), QString(), 980, 34, QStringLiteral("glyphZamknij"), 0, 18);
    connect(wyloguj_, &TEdResButton::clicked, this, &TfrmMainMenu::btnWylogujClick);
    connect(ustawienia_, &TEdResButton::clicked, this, &TfrmMainMenu::settingsRequested);
    connect(pomoc, &TEdResButton::clicked, this, [this] { OpenHelp(QStringLiteral("\\Pomoc\\index.html"), this); });
    connect(minimise, &TEdResButton::clicked, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    connect(close, &TEdResButton::clicked, this, [] { ConfirmExit(); });

    spisTresci_ = AddMenuButton(QStringLiteral("btnSpisTresci"), QStringLiteral("Spis treści"),
                                QStringLiteral("glyphSpisTresci"), QRect(549, 138, 328, 100), 1, 24);
    postepy_ = AddMenuButton(QStringLiteral("btnPostepy"), QStringLiteral("Postępy w nauce"),
                             QStringLiteral("glyphPostepy"), QRect(549, 244, 328, 100), 1, 24);
    startLastLesson_ = AddMenuButton(QStringLiteral("btnStartLastLesson"), QStringLiteral("Rozpocznij naukę"),
                                     QStringLiteral("glyphStart"), QRect(549, 350, 328, 100), 2, 24);
    fiszki_ = AddMenuButton(QStringLiteral("btnFiszki"), QStringLiteral("Flashcards"), QStringLiteral("glyphFiszki"),
                            QRect(652, 502, 257, 50), 4, 18);
    trenerWymowy_ = AddMenuButton(QStringLiteral("btnTrenerWymowy"), QStringLiteral("Trener wymowy"),
                                  QStringLiteral("glyphTrenerWymowy"), QRect(652, 558, 257, 50), 4, 18);

    lblLastDate_ = new TAALabel(this);
    lblLastDate_->setObjectName(QStringLiteral("lblLastDate"));
    lblLastDate_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 14));
    lblLastDate_->setFontColor(QColor::fromRgb(0xDF, 0xF5, 0xE4));
    lblLastDate_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblLastDate_->move(668, 416);
    lblLastDate_->setAutoSize(true);
    lblLastDate_->setCaption(QString());

    connect(spisTresci_, &TEdResButton::clicked, this, &TfrmMainMenu::btnSpisTresciClick);
    connect(postepy_, &TEdResButton::clicked, this, &TfrmMainMenu::btnPostepyClick);
    connect(startLastLesson_, &TEdResButton::clicked, this, &TfrmMainMenu::btnStartLastLessonClick);
    connect(fiszki_, &TEdResButton::clicked, this, &TfrmMainMenu::btnFiszkiClick);
    connect(trenerWymowy_, &TEdResButton::clicked, this, &TfrmMainMenu::btnTrenerWymowyClick);
}

void TfrmMainMenu::RefreshOnShow()
{
    const AppState& app = App();
    belka_->setPlec(user_.Gender);
    belka_->setLudzikIndex(user_.Avatar);
    belka_->setZalogowany(user_.Name);
    belka_->setPokazZalogowanie(true);
    belka_->setStylBelki(app.CourseLanguage);
    belka_->setNowyStyl(true);
    SkinWindow(this);

    logo_ = QImage(app.ContentPath(QStringLiteral("/Gfx/Loga"), QStringLiteral("logo_%1.png").arg(app.EditionLanguage)));

    TElement& lastVisit = Results().LastLesson();
    try {
        if (Results().LoadElementResult(lastVisit))
            lblLastDate_->setCaption(QStringLiteral("Ostatnio: ") + lastVisit.Date);
    } catch (const ResultsFileError&) {
        StopOnResultsError();
    }

    const auto tag = MainMenuChoices::StartTagOf(SizeOfFile(ResultsFileOf(user_.Id, app.CourseLanguage)));
    startLastLesson_->setCaption(MainMenuChoices::StartCaption(tag));
    startLastLesson_->setTag(tag);
    if (tag == MainMenuChoices::StartTagStart)
        lblLastDate_->setCaption(QString());
    // The date sits under the caption, which moves up to make room for it.
    startLastLesson_->setKorektaCaptionY(lblLastDate_->Caption().isEmpty() ? 0 : -10);
    RefreshProgressButton();
    update();
}

void TfrmMainMenu::RefreshProgressButton()
{
    postepy_->setEnabled(MainMenuChoices::AnyLessonHasResult(Course().FlatList()));
}

void TfrmMainMenu::OpenElement(TElement* element)
{
    // Without an element, or before the exercise screens exist, the menu stays.
    if (element == nullptr || !Screens::IsRegistered(Screens::CurrentElement))
        return;
    hide();
    App().ScreenState = Screens::CurrentElement;
    emit currentElementChosen(element);
}

void TfrmMainMenu::btnStartLastLessonClick()
{
    const std::vector<TElement*>& flatList = Course().FlatList();
    if (startLastLesson_->Tag() == MainMenuChoices::StartTagStart) {
        OpenElement(MainMenuChoices::StartElement(flatList));
        return;
    }
    TElement* element = MainMenuChoices::ContinueElement(flatList, Results().LastLesson().Time);
    if (element == nullptr)
        return;
    if (!QFileInfo::exists(App().DanePath(element->FileName))) {
        ShowMsgBox(QStringLiteral("Lekcja nie została zainstalowana."), QStringLiteral("Błąd"),
                   TfrmMsgBox::Information);
        return;
    }
    OpenElement(element);
}

void TfrmMainMenu::GoToScreen(int state)
{
    if (!Screens::IsRegistered(state))
        return;
    hide();
    App().ScreenState = state;
    ShowCurrentScreen();
}

void TfrmMainMenu::btnSpisTresciClick()
{
    GoToScreen(Screens::ContentsFromMenu);
}

void TfrmMainMenu::btnPostepyClick()
{
    emit progressRequested();
}

void TfrmMainMenu::btnTrenerWymowyClick()
{
    GoToScreen(Screens::PhraseLessons);
}

void TfrmMainMenu::btnFiszkiClick()
{
    emit flashcardsRequested();
}

void TfrmMainMenu::btnWylogujClick()
{
    GoToScreen(wyloguj_->Tag() == 1 ? Screens::LanguageChoice : Screens::Login);
}

void TfrmMainMenu::showEvent(QShowEvent* event)
{
    RefreshOnShow();
    QWidget::showEvent(event);
}

void TfrmMainMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshProgressButton();
    QWidget::changeEvent(event);
}

void TfrmMainMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("\\Pomoc\\index.html"), this);
    } else if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        ConfirmExit();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TfrmMainMenu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect client = rect().adjusted(0, TEdBelka::Height, 0, 0);
    if (!background_.isNull())
        p.drawImage(client, background_);
    else
        p.fillRect(client, QColor::fromRgb(0xE6, 0xEF, 0xF8));
    if (!logo_.isNull())
        p.drawImage(QRect(kLogoAt, kLogoSize), logo_);
}
