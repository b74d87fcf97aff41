#pragma once
// The login and the enable method lists of the switch's access
// authentication: one design over two tables. A list holds up to four
// methods tried in turn, each naming a server group where its type is
// "server-group"; methods after "local" or "none" are never tried, and the
// dialog asks before sending them. The binder is blocking; the fields sit
// under the list.
#include <array>
#include <functional>

#include "VnListEditPair.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class VnAccessScope;
class VnSNMPRequest2Edits;
class VnStatusBar;

// What differs between the two lists.
struct VnMethodListTraits {
    const char* formCaption;
    const char* title;
    const VnBindingTable* bindings;
    const char* nameEdit;
    std::array<const char*, 4> typeComboBoxes;
    std::array<const char*, 4> groupEdits;
    const char* nameMissing;
    const char* nameTaken;
};

// The method methods a list's type entries make: the entry index of each
// slot's type, -1 for an empty slot ("other" or nothing chosen).
using VnMethodSlots = std::array<int, 4>;

// False when a method follows the first "local" or "none" (entries 5, 6).
bool VnMethodOrderEffective(const VnMethodSlots& methods);
// The methods after the first "local" or "none" emptied.
VnMethodSlots VnDropMethodsAfterLocal(VnMethodSlots methods);

class TMethodListForm : public TFieldsListFormBase {
public:
    static constexpr int kWidth = 700;
    static constexpr int kHeight = 440;
    // Entries of the type lists and of the row-status list.
    static constexpr int kLocalEntry = 5;
    static constexpr int kNoneEntry = 6;
    enum RowEntry { kActiveEntry = 0, kDestroyEntry = 2 };
    // Items: the name, then type and group of slot k at 2k - 1 and 2k.
    static constexpr int kName = 0;
    static constexpr int kRowStatus = 9;

    static constexpr const char* kNotCreateAndGo = "Row State must be createAndGo.";
    static constexpr const char* kIneffective =
        "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

    TMethodListForm(QWidget* owner, const VnDialogContext& context, const VnMethodListTraits& traits);

    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QLabel* StaticText1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QLineEdit* NameEdit = nullptr;
    std::array<QComboBox*, 4> TypeComboBoxes{};
    std::array<QLineEdit*, 4> GroupEdits{};
    QComboBox* RowComboBox = nullptr;
    VnStatusBar* StatusBar1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

    // The methods the type lists show now.
    VnMethodSlots CheckMethodOrder() const;

private:
    void BuildLayout();
    // Asks about methods after local or none: false when the user keeps
    // them to change (nothing sent); `drop` says whether to leave them out.
    bool AcceptMethodOrder(bool& drop);
    // Sends the editor's methods, the row status unless `editing`.
    void SendMethods(bool editing, bool drop);
    void DeleteSelectedRow();

    const VnMethodListTraits& traits_;
};

class TEnableMethodForm : public TMethodListForm {
public:
    TEnableMethodForm(QWidget* owner, const VnDialogContext& context);
};

class TLoginMethodListForm : public TMethodListForm {
public:
    TLoginMethodListForm(QWidget* owner, const VnDialogContext& context);
};

// Point at the dialogs while they exist.
extern TEnableMethodForm* EnableMethodForm;
extern TLoginMethodListForm* LoginMethodListForm;
