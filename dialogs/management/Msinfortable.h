#pragma once
// Single-IP member switches: the list form shows the members, and adds a
// candidate switch as a member or removes one through the small modal
// TMSEditForm, which has a binder of its own over the member's three
// writable columns at one member ID; its outcome goes to the list's memo.
// The list is read again once that binder's set has gone through.
#include "VnListEditPair.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TMSInformationForm : public TListFormBase {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 320;
    // The members answer through the commander: 5 s per request.
    static constexpr int kListTimeout = 500;

    enum Item { kMemberId = 0 };

    TMSInformationForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* GetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* EditButton = nullptr;  // not shown
    QLabel* StaticText1 = nullptr;      // row count, not shown
    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void EditButtonClick();

private:
    void BuildLayout();
    // After the edit form's set has been answered: the list, unless the
    // set was refused.
    void ReadListAfterSet();
};

class TMSEditForm : public TEditFormBase {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 130;

    // Items of the write list.
    enum Item { kCandidate, kPassword, kRowStatus };

    explicit TMSEditForm(TDialogBase* listForm);

    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLineEdit* KeyIDEdit = nullptr;
    QLineEdit* MS_Password = nullptr;
    QComboBox* Row_Status = nullptr;

    // Lives as long as the form: a set outlives the form's closing.
    VnSNMPRequest2Edits* Binder = nullptr;

    void SetButtonClick();
    // One set of the write list at member `memberId`; false when nothing
    // was sent.
    bool ApplyAt(const QString& memberId);

    static constexpr const char* kIdMissing = "MSID is needed.";

protected:
    void FormActivate() override;

private:
    // The candidate ID of an Add passes its field's check; else the check
    // has said why.
    bool IdAccepted();
};

// Point at the forms while they exist.
extern TMSInformationForm* MSInformationForm;
extern TMSEditForm* MSEditForm;
