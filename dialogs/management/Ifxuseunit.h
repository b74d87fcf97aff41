#pragma once
// The interface extension table (IF-MIB ifXTable, ifIndex first): the list,
// and the small modal TIfxEditForm that changes one interface's alias. The
// edit form only says whether to set; the list form sends the alias alone.
// A running walk reads to its end when the form closes.
#include "VnListEditPair.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TIfxForm : public TListFormBase {
public:
    static constexpr int kWidth = 620;
    static constexpr int kHeight = 420;
    static constexpr const char* kTitle = "IfX Table: ";

    // Items of the binder's list that the edit form shows.
    enum Item { kIfIndex = 0, kName = 1, kAlias = 18 };

    TIfxForm(QWidget* owner, const VnDialogContext& context);

    QLabel* ST_Count = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnClose = nullptr;
    QTreeWidget* lvIfxInformation = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;
    // Written by the edit form: 1 sets the alias, 0 does not.
    int Result = 0;

    void FormCreate();
    void btnRefreshClick();
    void EditSelectedInterface();

private:
    void BuildLayout();
};

class TIfxEditForm : public TEditFormBase {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 130;

    explicit TIfxEditForm(TDialogBase* listForm);

    QPushButton* btnSet = nullptr;
    QPushButton* btnClose = nullptr;
    QLineEdit* edtIfIndex = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtAlias = nullptr;

    void btnSetClick();
    // Empty, or without a blank.
    static bool IsValidAlias(const QString& alias);

    static constexpr const char* kAliasInvalid = "Alias is invalid.";
    static constexpr const char* kGetNotComplete = "Get data not complete";

protected:
    void FormActivate() override;
};

// Point at the forms while they exist.
extern TIfxForm* IfxForm;
extern TIfxEditForm* IfxEditForm;
