#pragma once

#include "GapLayout.h"
#include "GapPainter.h"
#include "GapText.h"

#include "exercises/ScreenRules.h"
#include "exercises/TExerciseScreen.h"

#include <QFont>
#include <QRect>
#include <QString>

class QLineEdit;
class QPrinter;
class TGapArea;
class TGapList;

// The gap-typing screen: a text with gaps that the learner fills by typing
// (typ 4) or by choosing from a drop-down list (typ 33), with markup and
// pictures, the check, the corrections, the translation and printing.
class TfrmWpisywanie : public TExerciseScreen {
    Q_OBJECT
public:
    explicit TfrmWpisywanie(GapText::Variant variant, QWidget* parent = nullptr);
    ~TfrmWpisywanie() override;

    // Opens a new screen on the document for typ 4 or 33; when the file is
    // missing the learner is told so and nothing opens.
    static TfrmWpisywanie* Open(const QString& path, int typ);

    GapText::Variant Variant() const { return variant_; }
    GapView View() const { return view_; }
    bool Editable() const { return editable_; }
    // The layout of a gap-typing element of a writing package (kind 9).
    bool CompactLayout() const { return compact_; }
    const GapText& Text() const { return text_; }
    const QString& Translation() const { return translation_; }
    const GapLayoutResult& Layout() const { return layout_; }
    int CurrentGap() const { return currentGap_; }
    int ScrollOffset() const { return scrollOffset_; }
    int DropDownWidth() const { return dropDownWidth_; }
    // Where a gap shows now, in the coordinates of "Obszar" (after scrolling).
    QRect GapRectOnScreen(int token) const;
    const TPozycjeSlowek& WordPositions() const { return positions_; }

    QWidget* Obszar() const;
    QLineEdit* Edit() const { return edit_; }
    // The open drop-down list of a chosen-answers gap (hidden when closed).
    QWidget* DropDownList() const;
    QStringList DropDownItems() const;
    TEdResButton* btnDrukuj() const { return btnDrukuj_; }
    TEdResButton* btnTlumaczenie() const { return btnTlumaczenie_; }

    void btnPoprawClick();
    void btnTlumaczenieClick();
    // Prints on the default printer, or tells the learner there is none.
    void btnDrukujClick();
    // Prints the sheet (pages 1 to 40) on `printer`.
    void PrintTo(QPrinter& printer);
    QString PrintHtml() const;

protected:
    void LoadExercise(const ExerciseDocument& document) override;
    void StartExercise() override;
    void EvaluateAnswers(int& correct, int& wrong) override;
    void ReleaseExercise() override;
    QLineEdit* AnswerField() const override;
    void AnswersChecked() override;

    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TGapArea;

    void CreateComponents();
    void PlaceComponents();
    void FitAreaUnderInstruction();
    void Relayout();
    void UpdateScrollBar();
    void ScrollTo(int position);
    void PaintArea(QPainter& painter);
    void AreaPressed(QMouseEvent* event);
    void AreaHovered(const QPoint& point);
    int GapAt(const QPoint& point, bool chosenZone) const;
    void OpenEdit(int token);
    void CommitEdit();
    void OpenList(int token);
    void CloseList();
    void ChooseFromList(int row);
    QString PackageTitle() const;
    QImage CwPicture(const QString& name) const;

    const GapText::Variant variant_;
    const bool compact_;
    GapText text_;
    GapView view_ = GapView::Answering;
    bool editable_ = true;
    QString translation_;
    QString instruction_;
    QString documentTitle_;
    int currentGap_ = -1;
    int listGap_ = -1;
    // The alternatives of the gap whose list is open, in its shuffled order.
    QStringList listAlternatives_;
    int scrollOffset_ = 0;
    int dropDownWidth_ = 93;
    bool scrollingForEdit_ = false;
    QRect areaRect_;
    QFont textFont_;
    QFont listFont_;
    QImage topPicture_, rightPicture_, bottomPicture_;
    GapMarks marks_;
    GapLayoutResult layout_;
    TPozycjeSlowek positions_;
    TGapArea* area_ = nullptr;
    TGapList* list_ = nullptr;
    QLineEdit* edit_ = nullptr;
    TEdResButton* btnDrukuj_ = nullptr;
    TEdResButton* btnTlumaczenie_ = nullptr;
};

// Registers the gap-typing screen for the exercise types 4 and 33.
void RegisterGapTypingScreen();
