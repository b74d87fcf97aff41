#include "Methodlistformunit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "AuthMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TEnableMethodForm* EnableMethodForm = nullptr;
TLoginMethodListForm* LoginMethodListForm = nullptr;

namespace {

using K = VnControlKind;

constexpr const char* kServerGroup = "server-group";
constexpr const char* kOther = "other";
constexpr int kFirstPanelWidth = 50;

VnBindingTable MethodBindings(const VnSNMPVarDesc* table, const char* name, std::array<const char*, 4> types,
                              std::array<const char*, 4> groups)
{
    VnBindingTable bindings{.descriptors = table,
                            .itemType = MVT_UMV,
                            .keyCount = 1,
                            .rows = {{-1, K::ListView, "ListView1"}, {0, K::Edits, name, "%s{l15}"}},
                            .statusOutput = "StatusBar1",
                            .rowCount = "StaticText1",
                            .mode = VnSNMPRequest2Controls::kModeSync};
    for (int k = 1; k <= 4; ++k) {
        bindings.rows.push_back({2 * k - 1, K::ComboBox, types[static_cast<std::size_t>(k - 1)]});
        bindings.rows.push_back({2 * k, K::Edits, groups[static_cast<std::size_t>(k - 1)], "%s{l15}"});
    }
    bindings.rows.push_back({TMethodListForm::kRowStatus, K::ComboBox, "RowComboBox"});
    return bindings;
}

constexpr std::array<const char*, 4> kEnableTypes{"Type1ComboBox", "Type2ComboBox", "Type3ComboBox",
                                                  "Type4ComboBox"};
constexpr std::array<const char*, 4> kEnableGroups{"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3",
                                                   "ServerGroupEdit4"};
constexpr std::array<const char*, 4> kLoginTypes{"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"};
constexpr std::array<const char*, 4> kLoginGroups{"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"};

const VnBindingTable kEnableBindings = MethodBindings(EnableMethodListTable, "NameEdit", kEnableTypes, kEnableGroups);
const VnBindingTable kLoginBindings = MethodBindings(LoginMethodListTable, "ListnameEdit", kLoginTypes, kLoginGroups);

const VnMethodListTraits kEnableTraits{
    .formCaption = "Enable Method List",
    .title = "Enable Method List: ",
    .bindings = &kEnableBindings,
    .nameEdit = "NameEdit",
    .typeComboBoxes = kEnableTypes,
    .groupEdits = kEnableGroups,
    .nameMissing = "Enable MethodList Name must be set.",
    .nameTaken = "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
};

const VnMethodListTraits kLoginTraits{
    .formCaption = "AAC Login Method List",
    .title = "AAC Login Method List: ",
    .bindings = &kLoginBindings,
    .nameEdit = "ListnameEdit",
    .typeComboBoxes = kLoginTypes,
    .groupEdits = kLoginGroups,
    .nameMissing = "AAC Login Method List Name must be set.",
    .nameTaken = "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};

bool EndsTheList(int slot)
{
    return slot == TMethodListForm::kLocalEntry || slot == TMethodListForm::kNoneEntry;
}

}  // namespace

bool VnMethodOrderEffective(const VnMethodSlots& methods)
{
    const auto end = std::find_if(methods.begin(), methods.end(), EndsTheList);
    return end == methods.end() || std::all_of(end + 1, methods.end(), [](int slot) { return slot == -1; });
}

VnMethodSlots VnDropMethodsAfterLocal(VnMethodSlots methods)
{
    const auto end = std::find_if(methods.begin(), methods.end(), EndsTheList);
    if (end != methods.end())
        std::fill(end + 1, methods.end(), -1);
    return methods;
}

TMethodListForm::TMethodListForm(QWidget* owner, const VnDialogContext& context, const VnMethodListTraits& traits)
    : TFieldsListFormBase(owner, context, kWidth, kHeight), traits_(traits)
{
    setWindowTitle(traits.formCaption);
    BuildLayout();
}

TEnableMethodForm::TEnableMethodForm(QWidget* owner, const VnDialogContext& context)
    : TMethodListForm(owner, context, kEnableTraits)
{
    SetFormPointer(EnableMethodForm);
    FormCreate();
}

TLoginMethodListForm::TLoginMethodListForm(QWidget* owner, const VnDialogContext& context)
    : TMethodListForm(owner, context, kLoginTraits)
{
    SetFormPointer(LoginMethodListForm);
    FormCreate();
}

void TMethodListForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* editor = frame.EditArea("Panel3");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(kFirstPanelWidth);
    GetButton = frame.Button("GetButton", "Refresh");
    EditButton = frame.Button("EditButton", "Edit");
    AddButton = frame.Button("AddButton", "Add");
    DeleteButton = frame.Button("DeleteButton", "Delete");
    StaticText1 = frame.Count("StaticText1", "Entries");
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));

    // Captions from the table's labels: the two lists name their columns
    // differently.
    const VnSNMPVarDesc* table = traits_.bindings->descriptors;
    VnFieldGrid fields(editor);
    NameEdit = fields.Add<QLineEdit>(0, 0, table[kName].label, traits_.nameEdit);
    for (int k = 1; k <= 4; ++k) {
        const auto slot = static_cast<std::size_t>(k - 1);
        TypeComboBoxes[slot] = fields.Add<QComboBox>(k, 0, table[2 * k - 1].label, traits_.typeComboBoxes[slot]);
        GroupEdits[slot] = fields.Add<QLineEdit>(k, 1, table[2 * k].label, traits_.groupEdits[slot]);
    }
    RowComboBox = fields.Add<QComboBox>(5, 0, table[kRowStatus].label, "RowComboBox");
    fields.Layout()->setRowStretch(6, 1);

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
}

void TMethodListForm::FormCreate()
{
    SetTitle(traits_.title);
    std::vector<QLineEdit*> cleared{NameEdit};
    cleared.insert(cleared.end(), GroupEdits.begin(), GroupEdits.end());
    // The name of a listed row is its key: changed only by a new row.
    OpenFieldsBinder(Request, *traits_.bindings,
                     {ListView1, StatusBar1, StaticText1, EditButton, DeleteButton, AddButton, {NameEdit}, cleared,
                      RowComboBox});
}
void TMethodListForm::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    RefreshAndClear();
}
VnMethodSlots TMethodListForm::CheckMethodOrder() const
{
    VnMethodSlots methods{};
    for (std::size_t k = 0; k < methods.size(); ++k) {
        const QString type = TypeComboBoxes[k]->currentText();
        methods[k] = type.isEmpty() || type == kOther ? -1 : TypeComboBoxes[k]->currentIndex();
    }
    return methods;
}

bool TMethodListForm::AcceptMethodOrder(bool& drop)
{
    drop = false;
    if (VnMethodOrderEffective(CheckMethodOrder()))
        return true;
    const VnMsgAnswer answer =
        VnMessageBox(this, kIneffective, VnMsgButtons::YesNo, VnMsgIcon::Question);
    if (answer == VnMsgAnswer::Yes)
        return false;
    drop = true;
    return true;
}

void TMethodListForm::AddButtonClick()
{
    if (!CommandAllowed())
        return;
    const QString name = NameEdit->text();
    if (name.isEmpty()) {
        VnFieldMessage(this, traits_.nameMissing, NameEdit);
        return;
    }
    if (VnKeyListed(*Request, kName, name)) {
        VnFieldMessage(this, traits_.nameTaken, NameEdit);
        return;
    }
    if (RowComboBox->currentIndex() != kCreateAndGoEntry) {
        VnFieldMessage(this, kNotCreateAndGo, RowComboBox);
        return;
    }
    bool drop = false;
    if (!AcceptMethodOrder(drop))
        return;
    SendMethods(false, drop);
}

void TMethodListForm::EditButtonClick()
{
    if (!CommandAllowed())
        return;
    if (NameEdit->text().isEmpty()) {
        VnFieldMessage(this, traits_.nameMissing);
        return;
    }
    if (RowComboBox->currentIndex() == kDestroyEntry) {
        DeleteSelectedRow();
        return;
    }
    bool drop = false;
    if (!AcceptMethodOrder(drop))
        return;
    SendMethods(true, drop);
}

void TMethodListForm::DeleteButtonClick()
{
    if (!CommandAllowed())
        return;
    DeleteSelectedRow();
}

void TMethodListForm::SendMethods(bool editing, bool drop)
{
    const VnMethodSlots shown = CheckMethodOrder();
    const VnMethodSlots sent = drop ? VnDropMethodsAfterLocal(shown) : shown;
    ApplyThenRead(editing, [&](VnAccessScope& scope) {
        for (int k = 1; k <= 4; ++k) {
            const auto slot = static_cast<std::size_t>(k - 1);
            if (sent[slot] == -1) {
                scope.LeaveOut(2 * k - 1);
                scope.LeaveOut(2 * k);
            } else if (TypeComboBoxes[slot]->currentText() != kServerGroup) {
                scope.LeaveOut(2 * k);
            }
        }
        if (editing)
            scope.LeaveOut(kRowStatus);
    });
}

void TMethodListForm::DeleteSelectedRow()
{
    RowComboBox->setCurrentIndex(kDestroyEntry);
    // The name, method 1's type as shown, and "destroy".
    ApplyThenRead(true, [](VnAccessScope& scope) { scope.LeaveOutAllBut({kName, 1, kRowStatus}); });
}

