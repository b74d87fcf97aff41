#pragma once
// The column of command buttons on the right of every SNMP panel, with the
// row counter of the table editor on top. Which buttons show is decided by
// the work control (TEditsPanel / TListViewPanel::ArrangeCtrlBtn); hidden
// controls take no room.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 96;
    static constexpr int kButtonHeight = 25;
    static constexpr int kGap = 5;
    static constexpr int kMargin = 10;
    static constexpr int kWidth = 2 * kMargin + kButtonWidth;
    // The Edit button's caption (a glyph may take its place on the button).
    static constexpr const char* kEditCaption = "Edit";

    // Places itself on the right of `owner` (the owner's layout decides).
    explicit TCtrlBtnPanel(QWidget* owner);

    QLabel* SamplesLabel;
    QLabel* CountText;  // the number of list rows, sunken
    QPushButton* RefreshBtn;
    QPushButton* EditBtn;
    QPushButton* SetCheckedBtn;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* CheckAllBtn;
    QPushButton* ClearChecksBtn;
    QPushButton* CloseBtn;
    int LeftMargin = kMargin;
    int TopMargin = kMargin;
    // CountText, SamplesLabel, then the eight buttons in the order above.
    std::vector<QWidget*> StackedControls;

    // Re-stacks the column after a visibility change.
    void ArrangeButtons();
    // Bottom of the last shown control plus the top margin.
    int NeededHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int neededHeight_ = 0;
};

// A button's Tag: 1 marks the Set buttons of the table editor's Add and
// Edit forms (a successful set closes their form).
int VnButtonTag(const QWidget* button);
void VnSetButtonTag(QWidget* button, int tag);
