#pragma once
// BOOTP relay: each row one pair of IP interface name and BOOTP server
// address, at most four servers per interface. A state "valid" creates a
// pair, "invalid" removes it. New pairs are typed in the small modal
// TNewBootpCtrlForm, whose fields are bound to the list form's binder.
#include "VnListEditPair.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TBOOTCtrlTableForm : public TListFormBase {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 320;

    // Items of the binder's list.
    enum Item { kInterfaceName, kServer, kState };
    // The most servers one interface may have.
    static constexpr int kMaxServers = 4;

    TBOOTCtrlTableForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* RefreshBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QComboBox* ComboBox1 = nullptr;  // the state, not shown
    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    void DeleteBtnClick();
    void AddBtnClick();

    // The new-entry form's set: "valid" at the typed pair. False when
    // nothing was sent.
    bool ApplyNewPair();
    // Rows listing `name` as their interface, counted exactly (case counts).
    int ServersOf(const QString& name) const;

private:
    void BuildLayout();
};

class TNewBootpCtrlForm : public TEditFormBase {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 110;

    explicit TNewBootpCtrlForm(TDialogBase* listForm);

    QPushButton* DeleteBtn = nullptr;  // "Set"
    QPushButton* BitBtn1 = nullptr;    // "Close"
    QLineEdit* Edit1 = nullptr;        // interface name
    QLineEdit* Edit2 = nullptr;        // server address

    void DeleteBtnClick();

    static constexpr const char* kTooManyServers = "One Interface Can Only With Four Bootp Servers";

protected:
    void FormActivate() override;

private:
    bool activated_ = false;
};

// Point at the forms while they exist.
extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
extern TNewBootpCtrlForm* NewBootpCtrlForm;
