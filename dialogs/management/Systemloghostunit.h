#pragma once
// The syslog servers of the switch (at most four): listed here, added and
// changed in TLogHostEditForm, whose check boxes choose the columns a set
// carries; deleted from the list at the selected row.
#include "VnListEditPair.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TSystemLogHostForm : public TListFormBase {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 330;
    static constexpr const char* kTitle = "System Log Host Table: ";

    // Items of the binder's list.
    enum Item { kIndex, kAddress, kFacility, kSeverity, kUdpPort, kState, kRowStatus };
    // Entries of the row-status combo box.
    enum RowEntry { kActiveEntry, kCreateAndGoEntry, kDestroyEntry };

    TSystemLogHostForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QLabel* StaticText1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1SelectItem(bool selected);

private:
    void BuildLayout();
};

class TLogHostEditForm : public TEditFormBase {
public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 250;
    // The boxes choosing the columns: box n for item n.
    static constexpr int kBoxCount = 5;

    explicit TLogHostEditForm(TDialogBase* listForm);

    QPushButton* SetButton = nullptr;
    QPushButton* AllButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLineEdit* IndexEdit = nullptr;
    QLineEdit* IPAddrEdit = nullptr;
    QComboBox* FacComboBox = nullptr;
    QComboBox* SevComboBox = nullptr;
    QLineEdit* PortEdit = nullptr;
    QComboBox* StateComboBox = nullptr;
    QComboBox* RowComboBox = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Server IP Address"
    QCheckBox* CheckBox2 = nullptr;  // "Server Facility"
    QCheckBox* CheckBox3 = nullptr;  // "Server Severity"
    QCheckBox* CheckBox4 = nullptr;  // "Server UDP Port"
    QCheckBox* CheckBox5 = nullptr;  // "Server State"

    void SetButtonClick();
    void AllButtonClick();
    void ClearButtonClick();
    void CloseButtonClick();

    static constexpr const char* kIndexMissing = "Index is needed.";
    static constexpr const char* kIndexTaken = "Index must be different.";
    static constexpr const char* kNotCreateAndGo = "Row Status should be createAndGo.";

protected:
    void FormActivate() override;

private:
    QCheckBox* Box(int n) const;
    void CheckAll(bool checked);
};

// Point at the forms while they exist.
extern TSystemLogHostForm* SystemLogHostForm;
extern TLogHostEditForm* LogHostEditForm;
