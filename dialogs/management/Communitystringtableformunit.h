#pragma once
// The agent's community table (SNMP-COMMUNITY-MIB): index, community name,
// security name and row status, edited under the list. Every set carries
// all three columns; Add and Delete only preset the status.
#include "VnListEditPair.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TCommunityStringTableForm : public TListFormBase {
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 400;

    // Items of the binder's list.
    enum Item { kIndex, kName, kSecurityName, kStatus };

    TCommunityStringTableForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QLineEdit* Edit1 = nullptr;  // index
    QLineEdit* Edit2 = nullptr;  // name
    QLineEdit* Edit3 = nullptr;  // security name
    QComboBox* ComboBox2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

private:
    void BuildLayout();
    // One set with status entry `statusEntry` (-1: as shown), at the
    // selected row or at the typed index (Add).
    void ApplyWithStatus(int statusEntry, bool atSelectedRow);
};

extern TCommunityStringTableForm* CommunityStringTableForm;
