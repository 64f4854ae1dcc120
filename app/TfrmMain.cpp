#include "TfrmMain.h"

#include "BarButton.h"
#include "Screens.h"
#include "Skin.h"
#include "WindowLoadFeedback.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/LoadingLog.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/ResourceLibrary.h"
#include "controls/RowListMouse.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdBelka.h"
#include "controls/TEdListBox.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include "users/RecordExerciseResult.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

namespace {

QPointer<TfrmMain> theMain;

const QColor kNavy = QColor::fromRgb(0x06, 0x36, 0x63);
const QColor kCaptionBlue = QColor::fromRgb(0x02, 0xAD, 0xE4);

} // namespace

TfrmMain* MainWindow()
{
    return theMain;
}

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
    , rows_(std::make_unique<ContentsList>(Course()))
    , painter_(std::make_unique<ContentsRowPainter>(Resources()))
{
    theMain = this;
    qRegisterMetaType<TElement*>("TElement*");
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zalpiony kurs"));
    setFixedSize(1024, 768);
    setFont(SkinFont(QStringLiteral("Tahoma"), 8));
    CreateControls();
    SkinWindow(this);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

TEdResButton* TfrmMain::AddButton(const QString& name, const QString& caption, int x, int y, int width)
{
    auto* button = new TEdResButton(this);
    button->setObjectName(name);
    button->setRozmiar(roz32);
    button->setSkladowe(el3);
    button->setGeometry(x, y, width, 32);
    button->setCaption(caption);
    button->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 13, true));
    button->setFontColor(Qt::white);
    return button;
}

TAALabel* TfrmMain::AddLabel(const QString& name, const QString& caption, int x, int y, const QFont& font,
                             const QColor& color)
{
    auto* label = new TAALabel(this);
    label->setObjectName(name);
    label->setFont(font);
    label->setFontColor(color);
    label->setAutoSize(true);
    label->move(x, y);
    label->setCaption(caption);
    return label;
}

void TfrmMain::CreateControls()
{
    belka_ = new TEdBelka(this);
    belka_->setObjectName(QStringLiteral("Belka"));

    auto* menu = AddBarButton(this, QStringLiteral("btnMenu"), QStringLiteral("Menu"), 414, 120, QStringLiteral("glyphMenu"));
    auto* slownik = AddBarButton(this, QStringLiteral("btnSlownik"), QStringLiteral("Słownik"), 704, 130,
                                 QStringLiteral("glyphSlownik"));
    auto* pomoc = AddBarButton(this, QStringLiteral("btnPomoc"), QStringLiteral("Pomoc"), 840, 100, QStringLiteral("glyphHelp"));
    auto* minimise = AddBarButton(this, QStringLiteral("btnMinimalizuj"), QString(), 946, 34, QStringLiteral("glyphMinimize"));
    auto* close = AddBarButton(this, QStringLiteral("btnZamknij"), QString(), 980, 34, QStringLiteral("glyphZamknij"));
    connect(menu, &TEdResButton::clicked, this, &TfrmMain::btnMenuClick);
    connect(slownik, &TEdResButton::clicked, this, &TfrmMain::dictionaryRequested);
    connect(pomoc, &TEdResButton::clicked, this, [this] { emit helpRequested(QStringLiteral("\\Pomoc\\spis.html")); });
    connect(minimise, &TEdResButton::clicked, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    connect(close, &TEdResButton::clicked, this, [] { ConfirmExit(); });

    AddLabel(QStringLiteral("lblTytul"), QStringLiteral("Spis treści"), 206, 84,
             SkinFontPx(QStringLiteral("Trebuchet MS"), 28, true), kNavy);
    const QFont columnFont = SkinFontPx(QStringLiteral("Tahoma"), 12, true);
    AddLabel(QStringLiteral("lblWykonano"), QStringLiteral("Wykonano"), ListX + 400, 138, columnFont, kCaptionBlue);
    AddLabel(QStringLiteral("lblOstatnio"), QStringLiteral("Ostatnio"), ListX + 519, 138, columnFont, kCaptionBlue);
    AddLabel(QStringLiteral("lblZadania"), QStringLiteral("Zadania"), ListX + 700, 138, columnFont, kCaptionBlue);

    list_ = new TEdListBox(this);
    list_->setObjectName(QStringLiteral("DrzewoCwiczen"));
    list_->setGeometry(ListX, ListY, 798, 552);
    list_->setItemHeight(ContentsList::RowHeight);
    list_->setMouseTracking(true);
    list_->viewport()->setMouseTracking(true);
    list_->setAutoFillBackground(false);
    list_->viewport()->setAutoFillBackground(false);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: transparent; }"));
    list_->OnDrawItem = [this](QPainter& painter, const QRect& rect, int row, bool selected) {
        if (TElement* element = rows_->ElementAt(row))
            painter_->Paint(painter, rect, *element, rows_->Items()[row], selected);
    };
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (scrollBar_->isVisible() && scrollBar_->Position() != top)
            scrollBar_->setPosition(top);
    });

    scrollBar_ = new TWOwnrScrllBar(this);
    scrollBar_->setObjectName(QStringLiteral("SB"));
    scrollBar_->setGeometry(1002, ListY, 21, 552);
    scrollBar_->setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
    scrollBar_->setCtrl3D(false);
    scrollBar_->setMin(0);
    scrollBar_->setMax(1);
    scrollBar_->setPosition(0);
    scrollBar_->setSmallChange(1);
    auto* mouse = new RowListMouse(list_, scrollBar_);
    mouse->Hovered = [this](const QPoint& point) { HoverAt(point); };
    mouse->Released = [this](int row, const QPoint& point) { ClickRow(row, point.x()); };
    scrollBar_->setLargeChange(ContentsList::VisibleRows);
    scrollBar_->hide();
    connect(scrollBar_, &TWOwnrScrllBar::changed, this, [this] { list_->setTopIndex(scrollBar_->Position()); });

    auto* expand = AddButton(QStringLiteral("btnRozwin"), QStringLiteral("Rozwiń całe drzewo"), 206, 724, 155);
    auto* collapse = AddButton(QStringLiteral("btnZwin"), QStringLiteral("Zwiń całe drzewo"), 369, 724, 155);
    connect(expand, &TEdResButton::clicked, this, &TfrmMain::ExpandAll);
    connect(collapse, &TEdResButton::clicked, this, &TfrmMain::CollapseAll);
}

void TfrmMain::LoadBackground()
{
    background_ = QImage(App().ContentPath(QStringLiteral("/Gfx"), QStringLiteral("wyborcwiczenia_tlo.png")));
    if (Resources().isLoaded())
        scrollBar_->UseLibraryPictures(Resources());
    if (!background_.isNull())
        scrollBar_->setIMG_BKG(background_.copy(scrollBar_->geometry().translated(0, -TEdBelka::Height)));
}

void TfrmMain::Inicjalizacja()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AppState& app = App();
    belka_->setPlec(user_.Gender);
    belka_->setLudzikIndex(user_.Avatar);
    belka_->setZalogowany(user_.Name);
    belka_->setPokazZalogowanie(true);
    belka_->setStylBelki(app.CourseLanguage);
    belka_->setNowyStyl(true);

    app.FormatLanguageFolders();
    CourseModel& course = Course();
    course.NewTree();
    app.NamesLanguage = app.NamesLanguage > 0 ? app.CourseLanguage : 0;
    LoadBackground();
    app.InstructionLanguage = 0;

    LoadingLog log;
    log.Open(app.ExeDir + QStringLiteral("/Config/log.txt"));
    WindowLoadFeedback feedback;
    const CourseModel::Source source{app.ExeDir, app.UnityDir, app.DaneDir, app.NamesLanguage};
    log.Line(QStringLiteral("Wczytywanie lekcji ..."));
    course.LoadLessons(source, feedback, &log);
    log.Line(QStringLiteral("Zakończono."));
    log.Line(QStringLiteral("Wczytywanie ćwiczeń ..."));
    course.LoadExercises(source, feedback, &log);
    log.Line(QStringLiteral("Zakończono."));
    log.Close();
    course.LoadSkroty(app.ContentPath(QStringLiteral("/Config"), QStringLiteral("Skroty_%1.txt").arg(app.CourseLanguage)));
    if (TfrmNawigacja* navigation = TfrmNawigacja::Instance())
        navigation->NewState();
    LoadAllResults(user_.Id);

    RefreshRows();
    QApplication::restoreOverrideCursor();
}

void TfrmMain::RefreshRows()
{
    rows_->Fill();
    SyncListItems();
}

void TfrmMain::SyncListItems()
{
    const int top = list_->TopIndex();
    list_->setUpdatesEnabled(false);
    list_->clear();
    list_->addItems(rows_->Items());
    // Lay the rows out now, so that the scroll range is right before the top row is set.
    list_->doItemsLayout();
    list_->setUpdatesEnabled(true);
    UpdateScrollBar();
    if (scrollBar_->isVisible())
        list_->setTopIndex(std::min(top, rows_->ScrollMax()));
}

void TfrmMain::UpdateScrollBar()
{
    if (rows_->ScrollBarVisible()) {
        scrollBar_->setMax(rows_->ScrollMax());
        scrollBar_->setPosition(std::min(scrollBar_->Position(), rows_->ScrollMax()));
        scrollBar_->show();
    } else {
        scrollBar_->hide();
        list_->setTopIndex(0);
    }
}

void TfrmMain::ExpandAll()
{
    rows_->SetAllExpanded(true);
    SyncListItems();
}

void TfrmMain::CollapseAll()
{
    rows_->SetAllExpanded(false);
    SyncListItems();
}

bool TfrmMain::HandCursorAt(int row, int x) const
{
    const TElement* element = rows_->ElementAt(row);
    return element != nullptr && ContentsList::HitTest(*element, x).What != ContentsList::Action::None;
}

void TfrmMain::ClickRow(int row, int x)
{
    TElement* element = rows_->ElementAt(row);
    if (element == nullptr)
        return;
    ContentsList::Hit hit = ContentsList::HitTest(*element, x);
    if (hit.What == ContentsList::Action::PackageClick)
        hit = ContentsList::ResolvePackageClick(*element);
    switch (hit.What) {
    case ContentsList::Action::Toggle: {
        const int top = list_->TopIndex();
        rows_->Toggle(row);
        SyncListItems();
        list_->setTopIndex(std::min(top, rows_->ScrollMax()));
        break;
    }
    case ContentsList::Action::Open:
        OpenElement(element);
        break;
    case ContentsList::Action::OpenChild:
        OpenElement(element->Child(hit.Child));
        break;
    default:
        break;
    }
}

void TfrmMain::OpenElement(TElement* element)
{
    if (element == nullptr)
        return;
    App().ScreenState = Screens::CurrentElement;
    emit elementOpened(element);
    if (Screens::IsRegistered(Screens::CurrentElement)) {
        close();
        ShowCurrentScreen();
    }
}

void TfrmMain::btnMenuClick()
{
    close();
    App().ScreenState = Screens::MainMenu;
    ShowCurrentScreen();
}

void TfrmMain::HoverAt(const QPoint& viewportPos)
{
    const QModelIndex index = list_->indexAt(viewportPos);
    const int row = index.isValid() ? index.row() : -1;
    if (list_->currentRow() != row)
        list_->setCurrentRow(row);
    list_->viewport()->setCursor(HandCursorAt(row, viewportPos.x()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("\\Pomoc\\spis.html"));
        return;
    }
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        ConfirmExit();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && App().ScreenState == Screens::ContentsFromExercise)
        list_->viewport()->update();
    QWidget::changeEvent(event);
}

void TfrmMain::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawImage(0, TEdBelka::Height, background_);
    else
        p.fillRect(rect().adjusted(0, TEdBelka::Height, 0, 0), QColor::fromRgb(0xF2, 0xF6, 0xFA));
}
