#include "TfrmWpisywanie.h"

#include "GapPrintDocument.h"
#include "GapTextDocument.h"

#include "exercises/ExerciseDocument.h"
#include "exercises/LearnerSettings.h"
#include "exercises/TfrmTlumaczenie.h"

#include "app/Skin.h"
#include "app/TfrmMsgBox.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/FieldOf.h"
#include "course/TElement.h"
#include "course/navigation/TfrmNawigacja.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TAALabel.h"
#include "controls/TEdKlawiaturka.h"
#include "controls/TEdProgress.h"
#include "controls/TEdResButton.h"
#include "controls/TWOwnrScrllBar.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int kListRowHeight = 20;
constexpr int kEditHeight = 23;

bool CurrentPackageIsWriting()
{
    TfrmNawigacja* navigation = TfrmNawigacja::Instance();
    return navigation != nullptr && navigation->State().Package != nullptr && navigation->State().Package->Kind == 9;
}

// A white panel with a soft shadow behind the text, baked into the background.
QImage WithTextPanel(const QImage& background, const QRect& panelInWindow)
{
    if (background.isNull())
        return background;
    QImage result = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&result);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(panelInWindow.translated(0, -50));
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x06, 0x36, 0x63, 6));
        p.drawRoundedRect(panel.adjusted(-i, -i + 2, i, i + 2), 8 + i, 8 + i);
    }
    p.setBrush(QColor(255, 255, 255, 242));
    p.setPen(QPen(QColor(0xD6, 0xE0, 0xEA), 1));
    p.drawRoundedRect(panel, 8, 8);
    return result;
}

} // namespace

// "Obszar": the paint box of the text; the screen lays it out and handles its input.
class TGapArea : public QWidget {
public:
    explicit TGapArea(TfrmWpisywanie& screen)
        : QWidget(&screen)
        , screen_(screen)
    {
        setObjectName(QStringLiteral("Obszar"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        screen_.PaintArea(p);
    }
    void mousePressEvent(QMouseEvent* event) override { screen_.AreaPressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { screen_.AreaHovered(event->pos()); }
    void leaveEvent(QEvent*) override { App().HintWindowText.clear(); }

private:
    TfrmWpisywanie& screen_;
};

// The drop-down list of a chosen-answers gap.
class TGapList : public QWidget {
public:
    explicit TGapList(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("ListaOdpowiedzi"));
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
        hide();
    }
    QStringList Items;
    int Hover = -1;
    std::function<void(int row)> OnChoose;

    void ShowItems(const QStringList& items, const QPoint& at, int width)
    {
        Items = items;
        Hover = -1;
        setGeometry(at.x(), at.y(), width, kListRowHeight * static_cast<int>(items.size()) + 2);
        show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setFont(font());
        for (int row = 0; row < Items.size(); ++row) {
            const QRect r(1, 1 + row * kListRowHeight, width() - 2, kListRowHeight);
            if (row == Hover)
                p.fillRect(r, QColor(0xD5, 0xEF, 0xFC));
            p.setPen(Qt::black);
            p.drawText(r.adjusted(8, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, Items[row]);
        }
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int row = RowAt(event->pos());
        if (row != Hover) {
            Hover = row;
            update();
        }
    }
    void leaveEvent(QEvent*) override
    {
        Hover = -1;
        update();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const int row = RowAt(event->pos());
        if (row >= 0 && OnChoose)
            OnChoose(row);
    }

private:
    int RowAt(const QPoint& point) const
    {
        const int row = (point.y() - 1) / kListRowHeight;
        return point.y() >= 1 && row >= 0 && row < Items.size() ? row : -1;
    }
};

TfrmWpisywanie::TfrmWpisywanie(GapText::Variant variant, QWidget* parent)
    : TExerciseScreen(QStringLiteral("frmWpisywanie"),
                      Traits{.MissingFileCode = 4, .TabLeft = 770, .TabTop = 150, .InstructionPixels = 15}, parent)
    , variant_(variant)
    , compact_(CurrentPackageIsWriting())
{
    textFont_ = SkinFontPx(QStringLiteral("Tahoma"), 15);
    listFont_ = SkinFont(QStringLiteral("Verdana"), 8, true);
    marks_ = {SkinPicture(QStringLiteral("IMG_OK")), SkinPicture(QStringLiteral("IMG_Zle")),
              SkinPicture(QStringLiteral("IMG_Info"))};
    CreateComponents();
    PlaceComponents();
}

TfrmWpisywanie::~TfrmWpisywanie() = default;

TfrmWpisywanie* TfrmWpisywanie::Open(const QString& path, int typ)
{
    if (!CheckFileExists(path, 4))
        return nullptr;
    auto* screen = new TfrmWpisywanie(typ == 33 ? GapText::Variant::Chosen : GapText::Variant::Typed);
    screen->OpenExerciseScreen(path, typ);
    return screen;
}

void TfrmWpisywanie::CreateComponents()
{
    area_ = new TGapArea(*this);

    btnDrukuj_ = AddSideButton(QStringLiteral("btnDrukuj"), HintText(47).isEmpty() ? QStringLiteral("Drukuj") : HintText(47),
                               252, QStringLiteral("glyphDrukuj"));
    connect(btnDrukuj_, &TEdResButton::clicked, this, &TfrmWpisywanie::btnDrukujClick);
    btnTlumaczenie_ = AddSideButton(QStringLiteral("btnTlumaczenie"), QStringLiteral("Tłumacz"), 364,
                                    QStringLiteral("glyphTlumaczenie"));
    btnTlumaczenie_->hide();
    connect(btnTlumaczenie_, &TEdResButton::clicked, this, &TfrmWpisywanie::btnTlumaczenieClick);
    connect(btnPopraw(), &TEdResButton::clicked, this, &TfrmWpisywanie::btnPoprawClick);
    btnPopraw()->setGrafikaIndex(5);
    btnSpr()->setGrafikaIndex(2);
    btnKlawiaturka()->setGrafikaIndex(4);
    btnDrukuj_->setGrafikaIndex(4);
    btnTlumaczenie_->setGrafikaIndex(4);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("edtOdp"));
    edit_->setFont(SkinFont(QStringLiteral("Verdana"), 12));
    edit_->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; color: #076BFF; font-weight: bold; border: 2px solid #02ADE4;"
        " border-radius: 3px; padding: 0px 2px; selection-background-color: #02ADE4; selection-color: white; }"));
    edit_->hide();
    edit_->installEventFilter(this);

    list_ = new TGapList(this);
    list_->setFont(listFont_);
    list_->OnChoose = [this](int row) { ChooseFromList(row); };

    connect(ScrollBar(), &TWOwnrScrllBar::changed, this, [this] {
        if (!scrollingForEdit_) {
            CommitEdit();
            CloseList();
        }
        scrollOffset_ = ScrollBar()->Position() * std::max(layout_.LineHeight, 1);
        area_->update();
    });
    if (Resources().isLoaded())
        ScrollBar()->UseLibraryPictures(Resources());
}

void TfrmWpisywanie::PlaceComponents()
{
    const int buttonTops[] = {compact_ ? 222 : 252, compact_ ? 278 : 308, compact_ ? 334 : 364, compact_ ? 390 : 420,
                              compact_ ? 446 : 476};
    TEdResButton* buttons[] = {btnDrukuj_, btnKlawiaturka(), btnTlumaczenie_, btnPopraw(), btnSpr()};
    for (int i = 0; i < 5; ++i) {
        TEdResButton* button = buttons[i];
        if (compact_) {
            button->setRozmiar(roz32);
            button->setSkladowe(el3);
            button->setGeometry(840, buttonTops[i], 176, 40);
        } else {
            button->move(840, buttonTops[i]);
        }
    }
    if (compact_) {
        btnMedia()->setRozmiar(roz32);
        btnMedia()->setSkladowe(el3);
        btnMedia()->setGeometry(840, 166, 176, 40);
    }
    areaRect_ = compact_ ? QRect(260, 162, 474, 498) : QRect(104, 202, 649, 524);
    SetWorkingAreaLeft(areaRect_.left());
    const int instructionTop = compact_ ? 100 : 149;
    btnMedia2()->move(areaRect_.left(), instructionTop - 4);
    Polecenie()->setGeometry(areaRect_.left(), instructionTop, areaRect_.width() - 50, 24);
    PaczkaPart()->move(areaRect_.left(), instructionTop - 26);
    PaczkaPart()->setVisible(!compact_);
    area_->setGeometry(areaRect_);
    ScrollBar()->setGeometry(areaRect_.right() + 11, areaRect_.top(), 21, areaRect_.height());
    PanelWynik()->move(764, compact_ ? 520 : 640);
    Klawiaturka()->move(btnKlawiaturka()->x(), btnKlawiaturka()->y() + 56);

    if (compact_)
        SetBackground(BackgroundPicture(App().ContentPath(QStringLiteral("/Gfx"), QStringLiteral("bg_wpisywanie.bmp"))));
    else
        SetRandomBackground(QStringLiteral("Background_roz"));
    // The panel is drawn once per background picture and layout.
    static QHash<QPair<qint64, bool>, QImage> panelled;
    const QPair<qint64, bool> key(Background().cacheKey(), compact_);
    auto it = panelled.find(key);
    if (it == panelled.end())
        it = panelled.insert(key, WithTextPanel(Background(), areaRect_.adjusted(-18, -14, 14, 14)));
    SetBackground(*it);
    ScrollBar()->setIMG_BKG(BackgroundBehind(ScrollBar()->geometry()));
}

QWidget* TfrmWpisywanie::Obszar() const
{
    return area_;
}

QWidget* TfrmWpisywanie::DropDownList() const
{
    return list_;
}

QStringList TfrmWpisywanie::DropDownItems() const
{
    return list_->Items;
}

QLineEdit* TfrmWpisywanie::AnswerField() const
{
    return edit_;
}

QImage TfrmWpisywanie::CwPicture(const QString& name) const
{
    const QString path = App().ContentPath(QStringLiteral("/Gfx/Cw"), name);
    return QFileInfo::exists(path) ? QImage(path) : QImage();
}

void TfrmWpisywanie::LoadExercise(const ExerciseDocument& document)
{
    const AppState& app = App();
    documentTitle_ = TrimText(document.Header().Name(app.NamesLanguage));
    const GapTextDocument read = GapTextDocument::Read(document, app.InstructionLanguage, 0);
    SetUpMediaButtons(variant_ == GapText::Variant::Chosen ? QString() : read.Multimedia);
    instruction_ = read.Instruction;
    // The rule's line feed breaks the label's line; the carriage return after it would show as a blank.
    SetInstruction(instruction_);
    FitAreaUnderInstruction();
    translation_ = read.Translation;
    btnTlumaczenie_->setVisible(!translation_.isEmpty());

    text_ = GapText::Tokenise(read.Tresc, variant_, [](QStringList& alternatives) {
        std::shuffle(alternatives.begin(), alternatives.end(), *QRandomGenerator::global());
    });
    dropDownWidth_ = variant_ == GapText::Variant::Chosen ? GapDropDownWidth(text_.Tokens(), listFont_) : 93;
    listAlternatives_.clear();

    // The exercise's own pictures: above, at the right of and below the text.
    const QString base = FieldOf(1, QFileInfo(Path()).fileName(), u'.');
    const QString folder = QStringLiteral("/Gfx/Cw/%1").arg(app.CourseLanguage);
    auto picture = [&](const char* suffix) {
        const QString path = app.ContentPath(folder, base + QLatin1String(suffix) + QStringLiteral(".png"));
        return QFileInfo::exists(path) ? QImage(path) : QImage();
    };
    topPicture_ = picture("_t");
    rightPicture_ = picture("_r");
    bottomPicture_ = picture("_b");
}

void TfrmWpisywanie::FitAreaUnderInstruction()
{
    // A wrapped instruction pushes the text area down, in whole lines.
    area_->setGeometry(areaRect_);
    Polecenie()->adjustToText();
    if (Polecenie()->height() > 27) {
        const int top = Polecenie()->geometry().bottom() + 21;
        const int move = std::max(0, top - areaRect_.top());
        const int line = GapLineHeight(textFont_);
        int height = areaRect_.height() - move;
        height = (height - 4) / line * line + 4;
        area_->setGeometry(areaRect_.left(), areaRect_.top() + move, areaRect_.width(), height);
    }
    ScrollBar()->setGeometry(area_->geometry().right() + 11, area_->y(), 21, area_->height());
    ScrollBar()->setIMG_BKG(BackgroundBehind(ScrollBar()->geometry()));
}

void TfrmWpisywanie::StartExercise()
{
    view_ = GapView::Answering;
    editable_ = true;
    scrollOffset_ = 0;
    currentGap_ = text_.GapOrder().empty() ? -1 : text_.GapOrder().front();
    Relayout();
    if (ScrollBar()->isVisible())
        ScrollBar()->setPosition(0);
    area_->show();
    if (variant_ == GapText::Variant::Typed && currentGap_ >= 0)
        OpenEdit(currentGap_);
    area_->update();
}

void TfrmWpisywanie::ReleaseExercise()
{
    edit_->hide();
    CloseList();
    text_ = GapText();
    layout_ = GapLayoutResult();
    positions_.Clear();
    currentGap_ = -1;
    listGap_ = -1;
}

void TfrmWpisywanie::Relayout()
{
    GapLayoutParams params;
    params.AreaWidth = area_->width();
    params.CourseLanguage = App().CourseLanguage;
    params.Variant = variant_;
    params.View = view_;
    params.Font = textFont_;
    params.DropDownWidth = dropDownWidth_;
    params.MarkSize = marks_.Right.isNull() ? QSize(24, 24) : marks_.Right.size();
    params.TopPicture = topPicture_;
    params.RightPicture = rightPicture_;
    params.BottomPicture = bottomPicture_;
    params.Picture = [this](const QString& name) { return CwPicture(name); };
    const bool caseSensitive = CurrentLearnerSettings().CaseSensitive;
    params.IsRight = [caseSensitive](const TWyrazTekstu& gap) {
        return GapText::IsRight(gap, gap.LearnerAnswer, caseSensitive, Course().Skroty());
    };
    layout_ = LayOutGapText(text_.Tokens(), params);
    for (size_t i = 0; i < layout_.GapRects.size(); ++i)
        text_.Tokens()[i].Rect = layout_.GapRects[i];
    UpdateScrollBar();
}

void TfrmWpisywanie::UpdateScrollBar()
{
    TWOwnrScrllBar* bar = ScrollBar();
    const int areaHeight = area_->height();
    const int line = std::max(layout_.LineHeight, 1);
    if (layout_.TotalHeight <= areaHeight) {
        bar->hide();
        scrollOffset_ = 0;
        return;
    }
    const int maximum = (layout_.TotalHeight - areaHeight + line - 1) / line;
    scrollingForEdit_ = true;
    bar->setMin(0);
    bar->setMax(maximum);
    if (bar->Position() > maximum)
        bar->setPosition(maximum);
    scrollingForEdit_ = false;
    scrollOffset_ = bar->Position() * line;
    bar->show();
}

void TfrmWpisywanie::ScrollTo(int position)
{
    scrollingForEdit_ = true;
    ScrollBar()->setPosition(position);
    scrollingForEdit_ = false;
    scrollOffset_ = ScrollBar()->Position() * std::max(layout_.LineHeight, 1);
}

QRect TfrmWpisywanie::GapRectOnScreen(int token) const
{
    if (token < 0 || token >= static_cast<int>(layout_.GapRects.size()))
        return {};
    return layout_.GapRects[token].translated(0, -scrollOffset_);
}

void TfrmWpisywanie::PaintArea(QPainter& painter)
{
    const QRect visible = area_->rect();
    const QImage behind = BackgroundBehind(area_->geometry());
    if (behind.isNull())
        painter.fillRect(visible, Qt::white);
    else
        painter.drawImage(0, 0, behind);
    positions_.Clear();
    for (const GapDrawItem& item : layout_.Items)
        if (item.What == GapDrawItem::Word || item.What == GapDrawItem::Answer)
            positions_.Add(item.Text, item.Rect.translated(0, -scrollOffset_), item.Token);
    PaintGapText(painter, layout_, scrollOffset_, textFont_, marks_, visible);
}

int TfrmWpisywanie::GapAt(const QPoint& point, bool chosenZone) const
{
    for (int token : text_.GapOrder()) {
        QRect r = GapRectOnScreen(token);
        if (chosenZone)
            r.setWidth(dropDownWidth_ + 30);
        if (r.contains(point))
            return token;
    }
    return -1;
}

void TfrmWpisywanie::AreaPressed(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (!CurrentLearnerSettings().DictionaryOnRightClick)
            return;
        const QString word = WordForLookup(positions_.TextAt(event->pos()));
        TfrmNawigacja* navigation = TfrmNawigacja::Instance();
        if (!word.isEmpty() && navigation != nullptr && navigation->LookUpWord)
            navigation->LookUpWord(word);
        return;
    }
    if (view_ != GapView::Answering)
        return;
    if (variant_ == GapText::Variant::Typed) {
        const int gap = GapAt(event->pos(), false);
        if (gap >= 0)
            OpenEdit(gap);
        else
            CommitEdit();
        return;
    }
    const int gap = GapAt(event->pos(), true);
    if (gap >= 0 && !(list_->isVisible() && gap == listGap_))
        OpenList(gap);
    else
        CloseList();
}

void TfrmWpisywanie::AreaHovered(const QPoint& point)
{
    if (view_ != GapView::Correction) {
        area_->setToolTip(QString());
        return;
    }
    const int gap = GapAt(point, false);
    if (gap < 0) {
        App().HintWindowText.clear();
        area_->setToolTip(QString());
        return;
    }
    const QString answer = text_.Tokens()[gap].LearnerAnswer;
    App().HintWindowText = answer.isEmpty() ? QStringLiteral("<B>") + HintText(2) + QStringLiteral("</B>")
                                            : HintText(1) + QStringLiteral(" <B>") + answer + QStringLiteral("</B>");
    area_->setToolTip(QStringLiteral(" "));
}

void TfrmWpisywanie::OpenEdit(int token)
{
    CommitEdit();
    if (token < 0 || view_ != GapView::Answering)
        return;
    currentGap_ = token;
    TWyrazTekstu& gap = text_.Tokens()[token];
    const QString answer = gap.LearnerAnswer;
    gap.LearnerAnswer.clear();
    Relayout();
    // The view scrolls one line at a time until the field lies inside the area.
    const int areaHeight = area_->height();
    while (ScrollBar()->isVisible()) {
        const QRect r = GapRectOnScreen(token);
        if (r.bottom() + 2 >= areaHeight && ScrollBar()->Position() < ScrollBar()->Max())
            ScrollTo(ScrollBar()->Position() + 1);
        else if (r.top() - 1 < 0 && ScrollBar()->Position() > 0)
            ScrollTo(ScrollBar()->Position() - 1);
        else
            break;
    }
    const QRect r = GapRectOnScreen(token);
    edit_->setGeometry(area_->x() + r.x(), area_->y() + r.y() - 1, GapSizes::FieldWidth, kEditHeight);
    edit_->setText(answer);
    edit_->selectAll();
    edit_->show();
    edit_->raise();
    edit_->setFocus();
    area_->update();
}

void TfrmWpisywanie::CommitEdit()
{
    if (!edit_->isVisible())
        return;
    if (currentGap_ >= 0 && currentGap_ < static_cast<int>(text_.Tokens().size()))
        text_.Tokens()[currentGap_].LearnerAnswer = edit_->text().simplified();
    edit_->hide();
    Relayout();
    area_->update();
}

void TfrmWpisywanie::OpenList(int token)
{
    CloseList();
    listGap_ = token;
    listAlternatives_ = GapText::Alternatives(text_.Tokens()[token]);
    const QRect r = GapRectOnScreen(token);
    // The open list is as wide as the closed drop-down above it.
    list_->ShowItems(listAlternatives_, QPoint(area_->x() + r.x(), area_->y() + r.bottom() + 1 + 4),
                     dropDownWidth_ + GapSizes::DropDownCaps);
}

void TfrmWpisywanie::CloseList()
{
    list_->hide();
}

void TfrmWpisywanie::ChooseFromList(int row)
{
    if (listGap_ >= 0 && row >= 0 && row < listAlternatives_.size()) {
        text_.Tokens()[listGap_].LearnerAnswer = listAlternatives_[row];
        Relayout();
    }
    CloseList();
    area_->update();
}

void TfrmWpisywanie::EvaluateAnswers(int& correct, int& wrong)
{
    CommitEdit();
    CloseList();
    editable_ = false;
    text_.Count(CurrentLearnerSettings().CaseSensitive, Course().Skroty(), correct, wrong);
}

void TfrmWpisywanie::AnswersChecked()
{
    view_ = GapView::Checked;
    Relayout();
    area_->update();
}

void TfrmWpisywanie::btnPoprawClick()
{
    CommitEdit();
    CloseList();
    view_ = GapView::Correction;
    PanelWynik()->hide();
    btnPopraw()->hide();
    Relayout();
    area_->update();
}

void TfrmWpisywanie::btnTlumaczenieClick()
{
    CommitEdit();
    CloseList();
    const QString page = App().DanePath(QStringLiteral("tmp_wpis.html"));
    if (!WriteTextPage(page, translation_)) {
        ShowErrorBox(QStringLiteral("Nie można zapisać strony tłumaczenia (%1).").arg(QFileInfo(page).fileName()),
                     QStringLiteral("Błąd"));
        return;
    }
    ShowTranslation(QStringLiteral("Tłumaczenie"), page);
}

QString TfrmWpisywanie::PackageTitle() const
{
    if (TfrmNawigacja* navigation = TfrmNawigacja::Instance()) {
        const TNawigacjaDrzewa& state = navigation->State();
        const TElement* shown = state.Package != nullptr ? state.Package : state.Current;
        if (shown != nullptr)
            return FieldOf(3, shown->Name, u'=');
    }
    return documentTitle_;
}

QString TfrmWpisywanie::PrintHtml() const
{
    GapPrintDocument sheet;
    sheet.PackageTitle = PackageTitle();
    sheet.Instruction = instruction_;
    sheet.Editable = editable_;
    sheet.Variant = variant_;
    sheet.Footer = QStringLiteral("Kurs językowy – %1").arg(QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    return sheet.Html(text_.Tokens());
}

void TfrmWpisywanie::btnDrukujClick()
{
    CommitEdit();
    CloseList();
    if (!App().PrinterPresent) {
        ShowMsgBox(QStringLiteral("Brak zainstalowanej drukarki."), QStringLiteral("Uwaga"), TfrmMsgBox::Information);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPrinter printer(QPrinter::HighResolution);
    PrintTo(printer);
    QApplication::restoreOverrideCursor();
}

void TfrmWpisywanie::PrintTo(QPrinter& printer)
{
    QTextDocument sheet;
    sheet.setHtml(PrintHtml());
    printer.setDocName(PackageTitle().isEmpty() ? QStringLiteral("Ćwiczenie") : PackageTitle());
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, 40);
    sheet.print(&printer);
}

void TfrmWpisywanie::wheelEvent(QWheelEvent* event)
{
    CommitEdit();
    CloseList();
    TExerciseScreen::wheelEvent(event);
}

void TfrmWpisywanie::mousePressEvent(QMouseEvent* event)
{
    // A click on the background closes the field and the list.
    CommitEdit();
    CloseList();
    TExerciseScreen::mousePressEvent(event);
}

bool TfrmWpisywanie::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
            const int from = currentGap_;
            CommitEdit();
            OpenEdit(text_.NextGap(from));
            return true;
        }
    }
    return TExerciseScreen::eventFilter(watched, event);
}

void RegisterGapTypingScreen()
{
    for (int typ : {4, 33})
        TfrmNawigacja::RegisterScreen(typ, [](const QString& path, int t) { TfrmWpisywanie::Open(path, t); });
}
