#pragma once
// The authentication servers of the switch's access authentication: one
// row per address and protocol, with port, key, time-out and retries. The
// fields sit under the list; the binder is blocking. The key is shown and
// sent only through its bound field.
#include "VnListEditPair.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class VnAccessScope;
class VnSNMPRequest2Edits;
class VnStatusBar;

class TServerInformationForm : public TFieldsListFormBase {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 400;
    static constexpr const char* kTitle = "AAC Server Information Table: ";

    // Items of the binder's list.
    enum Item { kAddress, kProtocol, kPort, kKey, kTimeout, kRetry, kRowStatus };
    enum RowEntry { kActiveEntry = 0, kDestroyEntry = 2 };

    static constexpr const char* kAddressMissing = "Server IP must be set.";
    static constexpr const char* kProtocolMissing = "Protocol must be set.";
    static constexpr const char* kServerTaken =
        "Has already a record with the same Server IP and Protocol. Please change Server IP or Protocol.";
    static constexpr const char* kNotCreateAndGo = "Row State must be createAndGo.";

    TServerInformationForm(QWidget* owner, const VnDialogContext& context);

    QLabel* Static = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QLineEdit* IPEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QLineEdit* TimeoutEdit = nullptr;
    QComboBox* ProtocolComboBox = nullptr;
    QLineEdit* RetryCEdit = nullptr;
    QComboBox* RowComboBox = nullptr;
    VnStatusBar* StatusBar1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

private:
    void BuildLayout();
    // Leaves out each of port, key, time-out and retries whose field is empty.
    void LeaveOutEmptyFields(VnAccessScope& scope) const;
    void DeleteSelectedRow();
};

// Points at the dialog while it exists.
extern TServerInformationForm* ServerInformationForm;
