#pragma once
// The layer-3 MD5 keys: key IDs 1-255 with a key of at most 16 characters.
// The list form offers Refresh, Edit, Add and Delete; a key is edited or
// added in the small modal TMd5EditForm, whose fields are bound to the
// list form's binder.
#include "VnListEditPair.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TMd5InformationForm : public TListFormBase {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 320;
    static constexpr const char* kTitle = "MD5 Information Table: ";

    // Items of the binder's list.
    enum Item { kKeyId, kKey, kStatus };

    TMd5InformationForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AddButton = nullptr;
    QLabel* StaticText1 = nullptr;  // row count, not shown
    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    // The edit form's set: at the selected row (Edit) or the typed ID.
    bool ApplyKey(bool atSelectedRow) { return ApplyScoped(atSelectedRow, true, {}); }

    // The edit form's caption: the title, the device label and, when adding, "(Add)".
    QString EditCaption(bool adding) const;

private:
    void BuildLayout();
};

class TMd5EditForm : public TEditFormBase {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 130;

    explicit TMd5EditForm(TDialogBase* listForm);

    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLineEdit* KeyIDEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QComboBox* ComboBox1 = nullptr;

    void SetButtonClick();

    static constexpr const char* kKeyIdMissing = "KeyID is needed.";
    static constexpr const char* kKeyIdTaken = "KeyID must be different.";
    static constexpr const char* kKeyMissing = "Key is needed.";
    static constexpr const char* kKeyInvalid = "Invalid key.";

protected:
    void FormActivate() override;

private:
    // The dialog's own checks, in order; false when one refused.
    bool FieldsAccepted();
};

// Point at the forms while they exist.
extern TMd5InformationForm* Md5InformationForm;
extern TMd5EditForm* Md5EditForm;
