#pragma once
// One row per variable of a binder's list: a tick box that selects the
// variable for a set, its label, and its input (an edit, or a combo box for
// a writable variable with an option list), bound to the variable. The
// rows sit in a scroll box; the panel decides which rows can be edited and
// ticked and which command buttons suit them.
#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <vector>

class QCheckBox;
class QLabel;
class QScrollArea;
class TCtrlBtnPanel;
class VnSNMPRequest2Edits;

struct _EditRow_s {
    // 1 edit of a read-only variable, 2 edit of a writable one, 3 combo box
    // of a writable variable with options, 4 edit showing the option label
    // of a read-only variable.
    int CtrlType = 0;
    QString Format = "%s";  // constraint the edit is bound with
    QWidget* InputCtrl = nullptr;
    QCheckBox* CheckBox = nullptr;
    QLabel* Label = nullptr;
};

class TEditsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kLayoutRows = 2;  // one row per variable, the only layout
    static constexpr int kDefaultEditWidth = 121;
    static constexpr int kMargin = 20;
    static constexpr int kRowGap = 5;

    // `binder` may be null; SetRequest builds the rows later.
    TEditsPanel(QWidget* owner, VnSNMPRequest2Edits* binder);
    ~TEditsPanel() override;

    std::vector<_EditRow_s> Rows;
    int EditWidth = kDefaultEditWidth;
    QColor DisabledFontColor;
    QColor DisabledColor;
    VnSNMPRequest2Edits* EditCtrl = nullptr;
    bool DefaultChecked = false;

    void SetRequest(VnSNMPRequest2Edits* binder);
    // Shows the buttons the rows call for in `column`. Raises when the
    // panel has no binder.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);
    // A width chosen so stays for typed texts and formats; option labels
    // and values read still widen the inputs.
    void SetEditWidth(int width, int layout);
    void ArrangeRows(int layout, bool resize);

    // The width every input gets: EditWidth, or wider where an option
    // label or a text the program put into an input (a value read) needs
    // more, or, unless SetEditWidth chose the width, the longest text an
    // input's constraint admits; within what a form shows whole. It never
    // narrows again.
    int InputWidth() const;
    // Widens the inputs to their texts and constraints now, and the SNMP
    // panel and form showing this panel with them. Texts the program sets
    // do this by themselves once the event loop runs.
    void FitToTexts();
    // Values that arrived are still to be fitted (once the loop runs).
    bool FitPending() const { return fitLater_.isActive(); }

    void DisableRow(int i);
    void EnableRow(int i);
    void HideRow(int i);
    void ShowRow(int i);
    void ClearRow(int i);
    void ClearRows();
    void ResetRows(bool checked);
    void SetDisabledColors(const QColor& fontColor, const QColor& color);
    void SetRowParent(QWidget* control);

    bool IsReadOnlyRow(int i) const;
    bool IsKeyRow(int i) const;
    bool IsRowEmpty(int i) const;
    bool IsAllFixed() const;
    int EnabledBoxCount() const;
    int CheckedBoxCount() const;
    int MaxLabelWidth() const;
    int RowCount() const { return static_cast<int>(Rows.size()); }

    // A tick box was clicked (or ticked by the program): the Set Checked
    // button of the SNMP panel now holding this panel follows the ticks.
    void CheckBoxClick();

    QScrollArea* ScrollBox() const { return scrollBox_; }
    // The widget the row controls live on, inside the scroll box.
    QWidget* RowArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void DeleteRows();
    void ApplyColors(QWidget* input, const QColor& font, const QColor& back);
    int NeededInputWidth(const _EditRow_s& row) const;
    bool FitInputs();

    QScrollArea* scrollBox_;
    QPointer<QWidget> rowParent_;
    QSize designSize_;  // the size the rows asked for last
    bool widthChosen_ = false;  // by SetEditWidth
    int fitWidth_ = 0;          // the widest the texts asked for so far
    int shownWidth_ = 0;        // the widest option label or value read so far
    QTimer fitLater_;           // once the values that arrived are all in
};

// "Shown" and "enabled" as the control's own setting, whatever its parents
// (a form not on screen yet, a form disabled while it closes).
bool VnIsShown(const QWidget* control);
bool VnIsEnabled(const QWidget* control);
