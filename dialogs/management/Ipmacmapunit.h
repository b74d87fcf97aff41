#pragma once
// The IP-MAC map: one row per MAC offset with the IP interface named for
// it; an offset without a name gets one in TIPMACMapEditForm. The binder
// stays asynchronous and a running walk reads to its end when the form
// closes.
#include "VnListEditPair.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TIPMACMapForm : public TListFormBase {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 330;

    // Items of the binder's list.
    enum Item { kOffset, kInterfaceName };

    TIPMACMapForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* btnRefresh = nullptr;
    QPushButton* btnEdit = nullptr;
    QTreeWidget* lvData = nullptr;
    QPlainTextEdit* memReply = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void btnRefreshClick();
    void lvDataSelectItem();
    void OpenEditForm();

private:
    void BuildLayout();
    // The selected row has no interface name yet.
    bool SelectedRowFree() const;
};

class TIPMACMapEditForm : public TEditFormBase {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 110;

    explicit TIPMACMapEditForm(TDialogBase* listForm);

    QPushButton* btnSet = nullptr;
    QPushButton* btnClose = nullptr;
    QLineEdit* edtInterface = nullptr;
    QLineEdit* edtOffset = nullptr;

    void btnSetClick();
    void btnCloseClick();
    bool CheckInterfaceName();

    static constexpr const char* kNameMissing = "You should input Interface Name";
    static constexpr const char* kSystemName = "Can not move System IP Interface Name";

protected:
    void FormActivate() override;
};

// Point at the forms while they exist.
extern TIPMACMapForm* IPMACMapForm;
extern TIPMACMapEditForm* IPMACMapEditForm;
