#pragma once
// The panel that ties one binder to a screen area: the button column on the
// right, and a work area holding one work control (edits or list view) over
// the message panel that takes the binder's status lines. It sizes itself
// around the work control and fits the form that holds it (at most 800 x 550).
//
// TSNMPEditorPanel is the scalar editor on it: one row per variable, and
// Set Checked writes the ticked rows back with one set.
#include <QFrame>
#include <QPointer>

#include "TCtrlBtnPanel.h"

class QDialog;
class QPushButton;
class QSplitter;
class TEditsPanel;
class TMsgPanel;
class VnSNMPRequest2Edits;

class TSNMPPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kSplitterWidth = 3;
    static constexpr int kMaxClientWidth = 800;
    static constexpr int kMaxClientHeight = 550;
    // The widest a work control is shown whole in a form at the width
    // limit, beside the button column and the splitter.
    static constexpr int kMaxWorkWidth = kMaxClientWidth - TCtrlBtnPanel::kWidth - kSplitterWidth - 3;

    // `msgPanel`: a message panel whose memo takes the status lines, or null
    // for a message panel of this panel's own. The binder is not owned.
    TSNMPPanel(QWidget* owner, VnSNMPRequest2Edits* request, TMsgPanel* msgPanel = nullptr);
    ~TSNMPPanel() override;

    VnSNMPRequest2Edits* Request;  // null once the form has deleted it
    TCtrlBtnPanel* CtrlBtnPanel;
    QSplitter* WorkPanel;          // the work controls over the message panel
    TMsgPanel* MsgPanel;           // null when writing into another panel's memo
    QPointer<QDialog> OwnerForm;
    QPointer<QWidget> ClientControl;

    // Makes `control` the work control (the previous one stays, hidden)
    // and sizes the panel around it.
    void SetClientControl(QWidget* control);
    // Grows the form's client area to the panel, within 800 x 550.
    void SetForm(QDialog* form);
    // The work control asks for more room than it was given (its texts or
    // columns came wider): the panel and the form around it grow, the form
    // within 800 pixels (a form already wider keeps its width). Nothing
    // shrinks.
    void GrowToClientControl();

    virtual void RefreshBtnClick();
    void CloseBtnClick();

    // What arrived is not fitted yet: the panel and the form may still grow.
    virtual bool FitPending() const { return false; }

    // The form is closing and has deleted the binder: handlers do nothing.
    virtual void DetachRequest();

    // The message panel the status lines go to (own or given).
    TMsgPanel* StatusPanel() const { return statusPanel_; }

    QSize sizeHint() const override;

protected:
    QSplitter* rightSplitter_;

private:
    TMsgPanel* statusPanel_;
};

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* owner, VnSNMPRequest2Edits* request);

    TEditsPanel* EditsPanel;

    // Binds variable i's edit again under `format` ("%i{n1x4094}"). Raises
    // for a combo-box row ("Can not set Var format to a ComboBox!") and any
    // row that is not an edit ("Unknow UI Control type!"); the old binding
    // is gone in both cases.
    void SetVarFormat(int i, const char* format);
    // Every input gets `width`; the rows, this panel and the form follow.
    void SetEditWidth(int width);

    // Each works on this panel's binder and edits panel, whichever button
    // was clicked (the table editor lends them to its Add and Edit forms).
    // Set Checked returns whether a set went out and succeeded.
    bool SetCheckedBtnClick(QPushButton* sender);

    bool FitPending() const override;
    void CheckAllBtnClick();
    void ClearChecksBtnClick();

    void DetachRequest() override;

protected:
    // While the table editor's Add form is open: Set Checked adds a row,
    // and a key that a listed row was read at is refused.
    bool addingRow_ = false;
};

// The SNMP panel (and so its Set Checked button) whose work area holds
// `control`, or null.
TSNMPPanel* VnHostPanel(QWidget* control);
