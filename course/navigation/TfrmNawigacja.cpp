#include "TfrmNawigacja.h"

#include "TfrmNawigacjaLekcji.h"

#include "app/Screens.h"
#include "app/BarButton.h"
#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/FieldOf.h"

#include "controls/ApplySkin.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdBelka.h"
#include "controls/TEdResButton.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {

QPointer<TfrmNawigacja> theNavigation;

std::map<int, TfrmNawigacja::ScreenOpener>& Openers()
{
    static std::map<int, TfrmNawigacja::ScreenOpener> openers;
    return openers;
}

const QString kBarPrefix = QStringLiteral("btn_nawigacja_");

QString DisplayName(const TElement* element)
{
    return element != nullptr ? FieldOf(3, element->Name, u'=') : QString();
}

QString HoverOf(const TElement* element)
{
    if (element == nullptr)
        return {};
    return KindName(element->Kind).toUpper() + QStringLiteral(" - ") + DisplayName(element);
}

// Sets the program's hover text while the mouse is over the button.
void HoverText(TEdResButton* button, std::function<QString()> text)
{
    button->setToolTip(QStringLiteral(" "));
    QObject::connect(button, &TEdResButton::mouseEntered, button, [text] { App().HintWindowText = text(); });
    QObject::connect(button, &TEdResButton::mouseLeft, button, [] { App().HintWindowText.clear(); });
}

TEdResButton* NavigationArrow(QWidget* screen, const QString& name, TRozmiar size, int left, int tag)
{
    auto* button = new TEdResButton(screen);
    button->setObjectName(kBarPrefix + name);
    button->setRozmiar(size);
    button->setSkladowe(el3);
    button->setShowCaption(false);
    button->setCaption(QString());
    button->setGeometry(left, 8, 32, 32);
    button->setTag(tag);
    button->show();
    return button;
}

TEdResButton* BarButton(QWidget* screen, const QString& name, const QString& caption, int left, int width,
                        const QString& glyph)
{
    TEdResButton* button = AddBarButton(screen, kBarPrefix + name, caption, left, width, glyph, 0);
    button->show();
    return button;
}

} // namespace

QString FitText(const QString& text, int width, const QFontMetrics& metrics)
{
    const int limit = width - 30;
    if (metrics.horizontalAdvance(text) <= limit)
        return text;
    QString taken;
    for (QChar c : text) {
        taken.append(c);
        if (metrics.horizontalAdvance(taken) > limit)
            break;
    }
    return taken + QStringLiteral("...");
}

TfrmNawigacja::TfrmNawigacja(QTimer& backdropTimer, QObject* parent)
    : QObject(parent)
    , timer_(backdropTimer)
    , state_(std::make_unique<TNawigacjaDrzewa>(Course()))
{
    theNavigation = this;
    setObjectName(QStringLiteral("frmNawigacja"));
    connect(&timer_, &QTimer::timeout, this, &TfrmNawigacja::TimerTick);
}

TfrmNawigacja::~TfrmNawigacja() = default;

TfrmNawigacja* TfrmNawigacja::Instance()
{
    return theNavigation;
}

void TfrmNawigacja::RegisterScreen(int typ, ScreenOpener opener)
{
    Openers()[typ] = std::move(opener);
}

bool TfrmNawigacja::HasScreen(int typ)
{
    return Openers().count(typ) != 0;
}

void TfrmNawigacja::NewState()
{
    state_ = std::make_unique<TNawigacjaDrzewa>(Course(), [](const QString& text) {
        QMessageBox::information(nullptr, QStringLiteral("Kurs językowy"), text);
    });
}

void TfrmNawigacja::OpenExercise(int typ, const QString& fileName)
{
    const auto it = Openers().find(typ);
    if (it == Openers().end()) {
        ShowMsgBox(QStringLiteral("Nieznany typ ćwiczenia."), QStringLiteral("Uwaga!"), TfrmMsgBox::Information);
        // Nothing opens: rather than leave the learner on the empty backdrop,
        // return to the contents window.
        App().ScreenState = Screens::ContentsFromExercise;
        ShowCurrentScreen();
        return;
    }
    it->second(App().DanePath(fileName), typ);
}

void TfrmNawigacja::OpenCurrentLater()
{
    timer_.start();
}

void TfrmNawigacja::TimerTick()
{
    timer_.stop();
    TElement* current = state_->Current;
    if (current == nullptr) {
        // Nothing to open (a start or continue that found no element): back to the menu.
        App().ScreenState = Screens::MainMenu;
        ShowCurrentScreen();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    OpenExercise(current->TypCw, current->FileName);
    QApplication::restoreOverrideCursor();
}

void TfrmNawigacja::Record(QWidget* screen)
{
    if (lessonContents_ && lessonContents_->isVisible())
        lessonContents_->close();
    if (RecordExerciseResult)
        RecordExerciseResult(screen);
}

void TfrmNawigacja::GoTo(QWidget* screen, TElement* target)
{
    Record(screen);
    screen->close();
    state_->SetCurrentElement(TNawigacjaDrzewa::OpeningOf(target));
    OpenCurrentLater();
}

void TfrmNawigacja::GoPrevious(QWidget* screen)
{
    GoTo(screen, state_->Prev);
}

void TfrmNawigacja::GoNext(QWidget* screen)
{
    GoTo(screen, state_->Next);
}

void TfrmNawigacja::GoNextLesson(QWidget* screen)
{
    screen->close();
    if (TElement* target = state_->NextLessonTarget())
        state_->SetCurrentElement(target);
    OpenCurrentLater();
}

void TfrmNawigacja::GoPage(QWidget* screen, int n)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Record(screen);
    screen->close();
    state_->SetElementIndex(n);
    OpenCurrentLater();
    QApplication::restoreOverrideCursor();
}

void TfrmNawigacja::GoMenu(QWidget* screen)
{
    Record(screen);
    App().ScreenState = Screens::MainMenu;
    ShowCurrentScreen();
    screen->close();
}

void TfrmNawigacja::GoContents(QWidget* screen)
{
    Record(screen);
    App().ScreenState = Screens::ContentsFromExercise;
    ShowCurrentScreen();
    screen->close();
}

void TfrmNawigacja::GoElement(QWidget* screen, TElement* element)
{
    GoTo(screen, element);
}

void TfrmNawigacja::ShowLessonContents(QWidget* screen)
{
    if (!lessonContents_)
        lessonContents_ = new TfrmNawigacjaLekcji(*this);
    lessonContents_->ShowFor(screen);
}

void TfrmNawigacja::OpenHelpFor(QWidget* screen)
{
    if (OpenHelp)
        OpenHelp(GetHelpPage(*state_), screen);
}

void TfrmNawigacja::PressContentsButton(QWidget* screen)
{
    auto* button = screen->findChild<TEdResButton*>(kBarPrefix + QStringLiteral("spis_tresci"));
    if (button != nullptr && button->isEnabled())
        GoContents(screen);
}

void TfrmNawigacja::BuildNavigationBar(QWidget* screen, bool withTabs, int tabTop, int tabLeft)
{
    TNawigacjaDrzewa& nav = *state_;

    auto* lessonLabel = new QLabel(screen);
    lessonLabel->setObjectName(kBarPrefix + QStringLiteral("info_lekacji"));
    lessonLabel->setGeometry(210, 10, 215, 50);
    lessonLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lessonLabel->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 9));
    // Room above the text for the accents of capitals (Ć, Ń), which rise above the font's ascent.
    lessonLabel->setContentsMargins(0, 3, 0, 0);
    lessonLabel->setStyleSheet(QStringLiteral("color: #ADADAD; background: transparent;"));
    lessonLabel->setText(FitText(DisplayName(nav.Lesson).toUpper(), 220, QFontMetrics(lessonLabel->font())));
    lessonLabel->show();

    auto* packageLabel = new QLabel(screen);
    packageLabel->setObjectName(kBarPrefix + QStringLiteral("nazwa_paczki"));
    packageLabel->setGeometry(210, 24, 205, 50);
    packageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    packageLabel->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 10));
    packageLabel->setContentsMargins(0, 3, 0, 0);
    packageLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    packageLabel->setText(FitText(DisplayName(nav.Package != nullptr ? nav.Package : nav.Current), 205,
                                  QFontMetrics(packageLabel->font())));
    packageLabel->show();

    auto* prev = NavigationArrow(screen, QStringLiteral("prev"), rozPaczkaNaviPrev, 80, 1);
    prev->setEnabled(nav.Prev != nullptr);
    HoverText(prev, [this] { return HoverOf(state_->Prev); });
    connect(prev, &TEdResButton::clicked, this, [this, screen] { GoPrevious(screen); });

    auto* next = NavigationArrow(screen, QStringLiteral("next"), rozPaczkaNaviNext, 115, 2);
    next->setEnabled(nav.Next != nullptr);
    HoverText(next, [this] { return HoverOf(state_->Next); });
    connect(next, &TEdResButton::clicked, this, [this, screen] { GoNext(screen); });

    auto* contents = NavigationArrow(screen, QStringLiteral("zawartosc"), rozPaczkaNaviZawartosc, 160, 3);
    contents->setEnabled(nav.Lesson != nullptr && nav.Lesson->ChildCount > 1);
    HoverText(contents, [] { return QStringLiteral("Zawartość lekcji"); });
    connect(contents, &TEdResButton::clicked, this, [this, screen] { ShowLessonContents(screen); });

    if (nav.Next == nullptr && nav.NextLesson != nullptr) {
        next->hide();
        auto* unitNext = NavigationArrow(screen, QStringLiteral("unit_next"), rozPaczkaNaviNext, 115, 4);
        HoverText(unitNext, [this] {
            return state_->NextLesson != nullptr ? HoverOf(state_->NextLesson->Child(1)) : QString();
        });
        connect(unitNext, &TEdResButton::clicked, this, [this, screen] { GoNextLesson(screen); });
    }

    auto* menu = BarButton(screen, QStringLiteral("wroc"), QStringLiteral("Menu"), 455, 100, QStringLiteral("glyphWroc"));
    connect(menu, &TEdResButton::clicked, this, [this, screen] { GoMenu(screen); });
    auto* spis = BarButton(screen, QStringLiteral("spis_tresci"), HintText(28), 560, 140, QStringLiteral("glyphSpisTresci"));
    connect(spis, &TEdResButton::clicked, this, [this, screen] { GoContents(screen); });
    if (screen->objectName() != u"frmSlowkaTest") {
        auto* dictionary = BarButton(screen, QStringLiteral("slownik"), QStringLiteral("Słownik"), 705, 130,
                                     QStringLiteral("glyphTlumaczenie"));
        connect(dictionary, &TEdResButton::clicked, this, [this] {
            if (ShowDictionary)
                ShowDictionary();
        });
    }
    auto* help = BarButton(screen, QStringLiteral("help"), HintText(27), 840, 105, QStringLiteral("glyphHelp"));
    connect(help, &TEdResButton::clicked, this, [this, screen] { OpenHelpFor(screen); });
    auto* minimize = BarButton(screen, QStringLiteral("minimize"), QString(), 948, 34, QStringLiteral("glyphMinimize"));
    connect(minimize, &TEdResButton::clicked, screen, [screen] { screen->showMinimized(); });
    auto* close = BarButton(screen, QStringLiteral("zamknij"), QString(), 982, 34, QStringLiteral("glyphZamknij"));
    connect(close, &TEdResButton::clicked, this, [] { ConfirmExit(); });

    SkinWindow(screen);

    if (withTabs && nav.Package != nullptr && nav.Package->ChildCount != 1) {
        for (int n = 1; n <= nav.ElementCount; ++n) {
            TElement* child = nav.Package->Child(n);
            if (child == nullptr || !child->ElementPaczki) {
                QMessageBox::information(nullptr, QStringLiteral("Kurs językowy"),
                                         QStringLiteral("To nie powinno wystąpić - Child #%1").arg(n));
                continue;
            }
            auto* tab = new TEdResButton(screen);
            tab->setObjectName(kBarPrefix + QString::number(n));
            tab->setRozmiar(rozZakladka);
            tab->setSkladowe(el3);
            tab->setShowCaption(false);
            tab->setCaption(QString());
            tab->move(tabLeft, tabTop + 50 * (n - 1));
            tab->setTag(n);
            tab->setEnabled(n != nav.ElementIndex);
            if (tab->isEnabled()) {
                HoverText(tab, [this, n] {
                    TElement* page = state_->Package != nullptr ? state_->Package->Child(n) : nullptr;
                    return DisplayName(page);
                });
            }
            connect(tab, &TEdResButton::clicked, this, [this, screen, n] { GoPage(screen, n); });
            tab->show();
        }
        SkinWindow(screen);
    }

    if (auto* part = screen->findChild<TAALabel*>(QStringLiteral("PaczkaPart"), Qt::FindChildrenRecursively);
        part != nullptr && nav.Package != nullptr && nav.Package->ChildCount != 1) {
        part->setCaption(QStringLiteral("STRONA %1 z %2").arg(nav.ElementIndex).arg(nav.ElementCount));
    }
}

void TfrmNawigacja::RemoveNavigationBar(QWidget* screen)
{
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (child->objectName().contains(kBarPrefix))
            delete child;
}

void TfrmNawigacja::RestyleScreenBar(QWidget* screen)
{
    if (auto* bar = screen->findChild<TEdBelka*>(QStringLiteral("Belka"))) {
        bar->setStylBelki(App().CourseLanguage);
        bar->setNowyStyl(false);
    }
    static const char* const moved[] = {"btnMedia", "btnRec", "btnPrzerwij", "btnDrukuj", "btnKlawiaturka",
                                        "btnSpr", "btnPopraw", "btnSlownik", "btnJeszczeRaz", "btnTlumaczenieHTML"};
    for (const char* name : moved) {
        if (auto* button = screen->findChild<TEdResButton*>(QLatin1String(name))) {
            button->setGeometry(840, button->y(), 176, button->height());
            if (button->objectName() == u"btnSpr")
                button->setGlyph(SkinPicture(QStringLiteral("glyphSprawdz")));
        }
    }
}
