#include "TfrmLogowanie.h"

#include "HintOr.h"
#include "LanguageChoice.h"
#include "ProfileDirectory.h"
#include "ProfileListLayout.h"
#include "ProfileRowPainter.h"
#include "ResultsStore.h"
#include "TfrmInputPass.h"
#include "TfrmNewUser.h"

#include "app/BarButton.h"
#include "aids/TfrmPomoc.h"

#include "app/Screens.h"
#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/CourseModel.h"

#include "controls/ResourceLibrary.h"
#include "controls/RowListMouse.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdBelka.h"
#include "controls/TEdListBox.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollBar>

#include <functional>
#include <stdexcept>

namespace {

// The dark card that holds the profile list, so that its white names read
// well on the light background.
constexpr QRect kCard{48, 86, 496, 662};
constexpr int kListX = 72;
constexpr int kListY = 212;
constexpr int kListWidth = 400;
constexpr int kBottomButtonY = 676;
constexpr int kWelcomeX = 604;
constexpr int kFirstLogoY = 356;
constexpr int kLogoStep = 92;

const QColor kNavy = QColor::fromRgb(0x06, 0x36, 0x63);
const QColor kPaleBlue = QColor::fromRgb(0xC4, 0xE2, 0xF6);

// A widget that leaves its painting to its owner.
class PaintedPanel : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (OnPaint)
            OnPaint(painter);
    }
};

QImage ComposeBackground(const QImage& picture)
{
    QImage background(1024, 768, QImage::Format_ARGB32_Premultiplied);
    background.fill(QColor::fromRgb(0xE6, 0xEF, 0xF8));
    QPainter p(&background);
    p.setRenderHint(QPainter::Antialiasing);
    if (!picture.isNull())
        p.drawImage(0, TEdBelka::Height, picture);
    QPainterPath card;
    card.addRoundedRect(QRectF(kCard), 14, 14);
    p.fillPath(card.translated(0, 4), QColor(0, 0, 0, 45));
    QLinearGradient fill(0, kCard.top(), 0, kCard.bottom());
    fill.setColorAt(0, QColor::fromRgb(0x0B, 0x4A, 0x84));
    fill.setColorAt(1, QColor::fromRgb(0x05, 0x2A, 0x52));
    p.fillPath(card, fill);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawPath(card);
    return background;
}

} // namespace

TfrmLogowanie::TfrmLogowanie(TUser& signedIn, TfrmNewUser& profileDialog, TfrmInputPass& passwordPrompt,
                             QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
    , signedIn_(signedIn)
    , profileDialog_(profileDialog)
    , passwordPrompt_(passwordPrompt)
    , rowPainter_(std::make_unique<ProfileRowPainter>(Resources()))
{
    setObjectName(QStringLiteral("frmLogowanie"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setFixedSize(1024, 768);
    CreateControls();
    SkinWindow(this);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TfrmLogowanie::~TfrmLogowanie() = default;

TEdResButton* TfrmLogowanie::AddButton(const QString& name, const QString& caption, int x, int y, int width,
                                       int rozmiar)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(static_cast<TRozmiar>(rozmiar));
    button->setSkladowe(el3);
    button->move(x, y);
    button->resize(width, button->height());
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 17, true));
    button->setFontColor(Qt::white);
    return button;
}

void TfrmLogowanie::CreateControls()
{
    belka_ = new TEdBelka(this);
    belka_->setObjectName(QStringLiteral("Belka"));
    belka_->setPokazZalogowanie(false);

    auto* help = AddBarButton(this, QStringLiteral("btnPomoc"), QStringLiteral("Pomoc"), 840, 105,
                              QStringLiteral("glyphHelp"));
    auto* minimise = AddBarButton(this, QStringLiteral("btnMinimalizuj"), QString(), 946, 34,
                                  QStringLiteral("glyphMinimize"));
    auto* quit = AddBarButton(this, QStringLiteral("btnZamknij"), QString(), 980, 34, QStringLiteral("glyphZamknij"));
    connect(help, &TEdResButton::clicked, this, [this] { OpenHelp(QStringLiteral("\\Pomoc\\log.html"), this); });
    connect(minimise, &TEdResButton::clicked, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    connect(quit, &TEdResButton::clicked, this, [] { ConfirmExit(); });

    heading_ = new TAALabel(this);
    heading_->setObjectName(QStringLiteral("lblNaglowek"));
    heading_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 27, true));
    heading_->setFontColor(Qt::white);
    heading_->move(kListX, 110);
    heading_->setAutoSize(true);

    info_ = new TAALabel(this);
    info_->setObjectName(QStringLiteral("lblInformacja"));
    info_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 15));
    info_->setFontColor(kPaleBlue);
    info_->setGeometry(kListX, 150, 430, 40);
    info_->setWordWrap(true);

    greeting_ = new TAALabel(this);
    greeting_->setObjectName(QStringLiteral("lblPowitanie"));
    greeting_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 27, true));
    greeting_->setFontColor(Qt::white);
    greeting_->move(kListX, 110);
    greeting_->setAutoSize(true);
    greeting_->hide();
    greetingInfo_ = new TAALabel(this);
    greetingInfo_->setObjectName(QStringLiteral("lblPowitanieOpis"));
    greetingInfo_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 15));
    greetingInfo_->setFontColor(kPaleBlue);
    greetingInfo_->setGeometry(kListX, 150, 430, 40);
    greetingInfo_->setWordWrap(true);
    greetingInfo_->setCaption(QStringLiteral("Wybierz po prawej stronie język, którego chcesz się uczyć."));
    greetingInfo_->hide();

    lista_ = new TEdListBox(this);
    lista_->setObjectName(QStringLiteral("Lista"));
    lista_->setGeometry(kListX, kListY, kListWidth, 0);
    lista_->setItemHeight(ProfileListLayout::RowHeight);
    lista_->setFrameShape(QFrame::NoFrame);
    lista_->setStyleSheet(QStringLiteral("QListWidget { background: transparent; }"));
    lista_->setAutoFillBackground(false);
    lista_->viewport()->setAutoFillBackground(false);
    lista_->viewport()->setMouseTracking(true);
    lista_->viewport()->setToolTip(QStringLiteral(" "));
    lista_->OnDrawItem = [this](QPainter& painter, const QRect& rect, int row, bool selected) {
        if (row < 0 || row >= Profiles().List().Count())
            return;
        const QRect inWindow = rect.translated(lista_->geometry().topLeft() + lista_->viewport()->pos());
        rowPainter_->Paint(painter, rect, inWindow, background_, Profiles().List().At(row), selected);
    };
    connect(lista_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (sb_->isVisible() && sb_->Position() != top)
            sb_->setPosition(top);
    });

    sb_ = new TWOwnrScrllBar(this);
    sb_->setObjectName(QStringLiteral("SB"));
    sb_->setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
    sb_->setCtrl3D(false);
    sb_->setGeometry(kListX + kListWidth + 8, kListY, 21, ProfileListLayout::RowHeight * ProfileListLayout::VisibleRows);
    sb_->setMin(0);
    sb_->setMax(1);
    sb_->setPosition(0);
    sb_->setSmallChange(1);
    auto* mouse = new RowListMouse(lista_, sb_);
    mouse->Hovered = [this](const QPoint& point) { HoverAt(point); };
    mouse->Released = [this](int row, const QPoint& point) {
        ListaMouseUp(row, point - lista_->visualRect(lista_->model()->index(row, 0)).topLeft());
    };
    mouse->Left = [] { App().HintWindowText.clear(); };
    sb_->setLargeChange(ProfileListLayout::VisibleRows);
    sb_->hide();
    connect(sb_, &TWOwnrScrllBar::changed, this, [this] { lista_->setTopIndex(sb_->Position()); });

    create_ = AddButton(QStringLiteral("btnStworzProfil"), QStringLiteral("Utwórz nowy profil użytkownika"), kListX,
                        kBottomButtonY, 340, roz50);
    connect(create_, &TEdResButton::clicked, this, &TfrmLogowanie::btnStworzProfilClick);

    auto* panel = new PaintedPanel(this);
    panel->setObjectName(QStringLiteral("UserPoZalogowaniu"));
    panel->setGeometry(kListX, kListY, 320, 76);
    panel->OnPaint = [this](QPainter& painter) { rowPainter_->PaintSignedIn(painter, signedIn_); };
    panel->hide();
    signedInPanel_ = panel;

    back_ = AddButton(QStringLiteral("btnWrocDoProfili"), QStringLiteral("Wróć do wyboru profilu"), kListX,
                      kBottomButtonY, 300, roz50);
    back_->hide();
    connect(back_, &TEdResButton::clicked, this, [this] {
        App().ScreenState = Screens::Login;
        ShowProfileList();
    });

    welcomeTitle_ = new TAALabel(this);
    welcomeTitle_->setObjectName(QStringLiteral("lblWitaj"));
    welcomeTitle_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 34, true));
    welcomeTitle_->setFontColor(kNavy);
    welcomeTitle_->move(kWelcomeX, 120);
    welcomeTitle_->setAutoSize(true);
    welcomeTitle_->setCaption(QStringLiteral("Kurs językowy"));
    welcomeText_ = new TAALabel(this);
    welcomeText_->setObjectName(QStringLiteral("lblWitajOpis"));
    welcomeText_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 17));
    welcomeText_->setFontColor(kNavy);
    welcomeText_->setGeometry(kWelcomeX, 172, 380, 60);
    welcomeText_->setWordWrap(true);
    welcomeText_->setAutoSize(true);
    welcomeText_->setCaption(QStringLiteral("Każdy uczeń ma własny profil, w którym program zapisuje jego wyniki. "
                                            "Wybierz swój profil albo utwórz nowy, a potem wybierz język, "
                                            "którego chcesz się uczyć."));
    coursesLabel_ = new TAALabel(this);
    coursesLabel_->setObjectName(QStringLiteral("lblKursy"));
    coursesLabel_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 17, true));
    coursesLabel_->setFontColor(kNavy);
    coursesLabel_->move(kWelcomeX, kFirstLogoY - 34);
    coursesLabel_->setAutoSize(true);
    coursesLabel_->setCaption(QStringLiteral("Zainstalowane kursy:"));

    languageLabel_ = new TAALabel(this);
    languageLabel_->setObjectName(QStringLiteral("lblWybierzJezyk"));
    languageLabel_->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 22, true));
    languageLabel_->setFontColor(kNavy);
    languageLabel_->setGeometry(LanguageChoiceLayout::ButtonX, 190, 250, 60);
    languageLabel_->setWordWrap(true);
    languageLabel_->setAutoSize(true);
    languageLabel_->setCaption(QStringLiteral("Wybierz język,          którego chcesz się uczyć:"));
    languageLabel_->hide();
    for (int language = 1; language <= kCourseLanguageCount; ++language) {
        auto* button = AddButton(QStringLiteral("btnJezyk%1").arg(language), CourseLanguageName(language),
                                 LanguageChoiceLayout::ButtonX, 0, 250, rozWyborJezyka);
        button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 21, true));
        button->setAlignment(taLeftJustify);
        button->setKorektaCaption(18);
        button->setTag(language);
        button->hide();
        connect(button, &TEdResButton::clicked, this, [this, language] { btnAngielskiClick(language); });
        languageButtons_[language - 1] = button;
    }
}

void TfrmLogowanie::LoadBackground()
{
    background_ = ComposeBackground(QImage(App().ContentPath(QStringLiteral("/Gfx"), QStringLiteral("bg.png"))));
    for (int language = 1; language <= kCourseLanguageCount; ++language)
        logos_[language - 1] = QImage(App().ContentPath(QStringLiteral("/Gfx/Loga"),
                                                        QStringLiteral("logo_%1.png").arg(language)));
    if (Resources().isLoaded())
        sb_->UseLibraryPictures(Resources());
    sb_->setIMG_BKG(background_.copy(sb_->geometry()));
}

void TfrmLogowanie::ShowLoginScreen(int mode)
{
    show();
    raise();
    activateWindow();
    PrepareLoginScreen(mode);
}

void TfrmLogowanie::PrepareLoginScreen(int mode)
{
    Profiles().SetUsersFolder(App().ContentPath(QStringLiteral("/Users"), QString()));
    Profiles().LoadUserList();
    LoadBackground();
    RefreshList();
    create_->setCaption(HintOr(65, QStringLiteral("Utwórz nowy profil użytkownika")));
    if (auto* help = findChild<TEdResButton*>(QStringLiteral("btnPomoc")))
        help->setCaption(HintOr(27, QStringLiteral("Pomoc")));
    if (mode == LanguageChoiceMode)
        ShowLanguageChoice();
    else
        ShowProfileList();
}

void TfrmLogowanie::RefreshList()
{
    const UserList& users = Profiles().List();
    const int top = lista_->TopIndex();
    lista_->clear();
    for (int i = 0; i < users.Count(); ++i)
        lista_->addItem(users.At(i).Name);
    lista_->resize(kListWidth, ProfileListLayout::ListHeight(users.Count()));
    lista_->doItemsLayout();
    heading_->setCaption(users.IsEmpty() ? QStringLiteral("Brak profili użytkowników:")
                                         : QStringLiteral("Wybierz swój profil użytkownika:"));
    info_->setCaption(users.IsEmpty()
                          ? QStringLiteral("Utwórz swój profil przyciskiem na dole, a program zacznie zapisywać "
                                           "Twoje wyniki.")
                          : QStringLiteral("Kliknij swój profil, aby się zalogować. Ikony pod nazwą pozwalają "
                                           "zmienić albo usunąć profil."));
    UpdateScrollBar();
    if (sb_->isVisible())
        lista_->setTopIndex(std::min(top, ProfileListLayout::ScrollMax(users.Count())));
}

void TfrmLogowanie::UpdateScrollBar()
{
    const int count = Profiles().List().Count();
    if (ProfileListLayout::ScrollBarShown(state_ == ProfileListMode, count)) {
        sb_->setMax(ProfileListLayout::ScrollMax(count));
        sb_->setPosition(std::min(sb_->Position(), ProfileListLayout::ScrollMax(count)));
        sb_->show();
    } else {
        sb_->hide();
        lista_->setTopIndex(0);
    }
}

void TfrmLogowanie::ShowProfileList()
{
    state_ = ProfileListMode;
    signedInPanel_->hide();
    languageLabel_->hide();
    for (TEdResButton* button : languageButtons_)
        button->hide();
    back_->hide();
    greeting_->hide();
    greetingInfo_->hide();
    belka_->setPokazZalogowanie(false);
    for (QWidget* w : std::initializer_list<QWidget*>{heading_, info_, create_, lista_, welcomeTitle_, welcomeText_,
                                                      coursesLabel_})
        w->show();
    UpdateScrollBar();
    update();
}

void TfrmLogowanie::ShowLanguageChoice()
{
    state_ = LanguageChoiceMode;
    for (QWidget* w : std::initializer_list<QWidget*>{heading_, info_, create_, lista_, sb_, welcomeTitle_, welcomeText_,
                                                      coursesLabel_})
        w->hide();
    if (signedIn_.PanelTop == 0)
        signedIn_.PanelTop = ProfileListLayout::PanelTop(signedInRow_, lista_->TopIndex(), lista_->y());
    signedInPanel_->move(kListX, signedIn_.PanelTop);
    signedInPanel_->show();
    signedInPanel_->update();
    update();

    const LanguageChoiceLayout layout = LayOutLanguageChoice(App().InstalledLanguages);
    if (layout.EditionLanguage > 0)
        App().EditionLanguage = layout.EditionLanguage;
    if (layout.OnlyLanguage > 0) {
        btnAngielskiClick(layout.OnlyLanguage);
        return;
    }
    for (TEdResButton* button : languageButtons_) {
        button->setDown(false);
        button->hide();
    }
    for (const LanguageChoiceLayout::Button& spec : layout.Buttons) {
        TEdResButton* button = LanguageButton(spec.Language);
        button->move(spec.X, spec.Y);
        button->setCaption(spec.Caption);
        button->show();
    }
    languageLabel_->show();
    back_->show();
    greeting_->setCaption(QStringLiteral("Cześć, %1!").arg(signedIn_.Name));
    greeting_->show();
    greetingInfo_->show();

    belka_->setPlec(signedIn_.Gender);
    belka_->setLudzikIndex(signedIn_.Avatar);
    belka_->setZalogowany(signedIn_.Name);
    belka_->setPokazZalogowanie(true);
}

bool TfrmLogowanie::PasswordCheck(const TUser& user)
{
    if (user.HasPassword != 1)
        return true;
    QString text;
    if (!passwordPrompt_.AskPassword(text))
        return false;
    if (text != user.Password) {
        ShowMsgBox(HintOr(75, QStringLiteral("Nieprawidłowe hasło.")), HintOr(59, QStringLiteral("Informacja")),
                   TfrmMsgBox::Information);
        return false;
    }
    return true;
}

void TfrmLogowanie::SignIn(int index)
{
    if (index < 0 || index >= Profiles().List().Count())
        return;
    const TUser user = Profiles().List().At(index);
    if (!PasswordCheck(user))
        return;
    signedIn_ = user;
    signedIn_.PanelTop = 0;
    signedInRow_ = index;
    App().ScreenState = Screens::LanguageChoice;
    ShowLanguageChoice();
}

void TfrmLogowanie::EditProfile(int index)
{
    if (index < 0 || index >= Profiles().List().Count())
        return;
    TUser record = Profiles().List().At(index);
    if (!PasswordCheck(record))
        return;
    if (!profileDialog_.RunProfileDialog(record, true, Profiles().List()))
        return;
    Profiles().ModifyProfile(index, record);
    RefreshList();
}

void TfrmLogowanie::DeleteProfile(int index)
{
    if (index < 0 || index >= Profiles().List().Count())
        return;
    const TUser user = Profiles().List().At(index);
    if (!PasswordCheck(user))
        return;
    if (!ShowMsgBox(HintOr(76, QStringLiteral("Czy na pewno usunąć ten profil?")),
                    HintOr(33, QStringLiteral("Usuwanie profilu")), TfrmMsgBox::Question))
        return;
    Profiles().DeleteProfile(index);
    RefreshList();
}

void TfrmLogowanie::btnStworzProfilClick()
{
    TUser entered;
    entered.Gender = QStringLiteral("K");
    entered.Avatar = 0;
    if (!profileDialog_.RunProfileDialog(entered, false, Profiles().List()))
        return;
    const TUser profile = Profiles().CreateProfile(entered);
    RefreshList();
    SignIn(Profiles().List().IndexOfId(profile.Id));
    emit profileCreated(profile);
}

void TfrmLogowanie::btnAngielskiClick(int language)
{
    LanguageButton(language)->setDown(true);
    Course().NewTree();
    Results().ResetLastLesson();
    App().CourseLanguage = language;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    emit languageChosen(language);
    QApplication::restoreOverrideCursor();
    hide();
    App().ScreenState = Screens::MainMenu;
    ShowCurrentScreen();
}

void TfrmLogowanie::ListaMouseUp(int row, QPoint inRow)
{
    switch (ProfileListLayout::HitTest(inRow)) {
    case ProfileListLayout::RowSpot::Modify:
        EditProfile(row);
        break;
    case ProfileListLayout::RowSpot::Delete:
        DeleteProfile(row);
        break;
    case ProfileListLayout::RowSpot::Row:
        SignIn(row);
        break;
    }
}

void TfrmLogowanie::HoverAt(QPoint viewportPos)
{
    const QModelIndex index = lista_->indexAt(viewportPos);
    const int row = index.isValid() ? index.row() : -1;
    if (lista_->currentRow() != row)
        lista_->setCurrentRow(row);
    QString hint;
    if (row >= 0) {
        const QRect rowRect = lista_->visualRect(index);
        switch (ProfileListLayout::HitTest(viewportPos - rowRect.topLeft())) {
        case ProfileListLayout::RowSpot::Modify: hint = QStringLiteral("Modyfikuj"); break;
        case ProfileListLayout::RowSpot::Delete: hint = QStringLiteral("Usuń"); break;
        case ProfileListLayout::RowSpot::Row: break;
        }
    }
    App().HintWindowText = hint;
    lista_->viewport()->setCursor(row >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmLogowanie::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, background_);
    if (state_ != ProfileListMode)
        return;
    // A thin rule between the heading and the list; with no profile yet, the
    // place where they will appear.
    p.fillRect(QRect(kListX, kListY - 14, 426, 1), QColor(255, 255, 255, 60));
    if (Profiles().List().IsEmpty()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.5, Qt::DashLine));
        p.setBrush(QColor(255, 255, 255, 12));
        const QRectF slot(kListX + 0.5, kListY + 0.5, kListWidth - 1, ProfileListLayout::RowHeight - 1);
        p.drawRoundedRect(slot, 10, 10);
        p.setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 16));
        p.setPen(QColor(255, 255, 255, 150));
        p.drawText(slot, Qt::AlignCenter, QStringLiteral("Tu pojawią się profile uczniów"));
    }
    int y = kFirstLogoY;
    const QString installed = App().InstalledLanguages;
    for (int language = 1; language <= kCourseLanguageCount; ++language) {
        if (language > installed.size() || installed.at(language - 1) != u'1' || logos_[language - 1].isNull())
            continue;
        p.drawImage(kWelcomeX, y, logos_[language - 1]);
        y += kLogoStep;
    }
}

void TfrmLogowanie::WywolajWyjatek()
{
    throw std::runtime_error("Bu!");
}

void TfrmLogowanie::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("\\Pomoc\\log.html"), this);
    } else if (alt && event->key() == Qt::Key_F4) {
        ConfirmExit();
    } else if (alt && event->key() == Qt::Key_F8) {
        WywolajWyjatek();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TfrmLogowanie::closeEvent(QCloseEvent* event)
{
    if (!Profiles().UsersFolder().isEmpty())
        Profiles().SaveUserList();
    QWidget::closeEvent(event);
}
