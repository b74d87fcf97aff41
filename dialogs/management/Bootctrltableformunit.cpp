#include "Bootctrltableformunit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "L3Mib.h"
#include "VnDialogFrame.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;
TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

using K = VnControlKind;
using F = TBOOTCtrlTableForm;

// Entries of the state combo box.
constexpr int kInvalidEntry = 0;
constexpr int kValidEntry = 1;

// The new-entry form's fields are bound to the list's binder.
const VnBindingTable kBootpBindings{
    .descriptors = BootpRelayTable,
    .itemType = MVT_FMV,
    .keyCount = 2,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kInterfaceName, K::Edits, "Edit1", "%s"},
             {F::kServer, K::Edits, "Edit2", "%s"},
             {F::kState, K::ComboBox, "ComboBox1"}},
    .statusOutput = "Memo1",
};

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(BOOTCtrlTableForm);
    setWindowTitle("BOOTP Ctrl Table");
    BuildLayout();
    FormCreate();
}

void TBOOTCtrlTableForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    DeleteBtn = frame.Button("DeleteBtn", "Delete");
    AddBtn = frame.Button("AddBtn", "Add");
    CloseBtn = frame.Button("CloseBtn", "Close");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->hide();
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
    On(AddBtn, &QPushButton::clicked, [this] { AddBtnClick(); });
    On(CloseBtn, &QPushButton::clicked, [this] { reject(); });
    FollowSelection(ListView1, [this](bool selected) { DeleteBtn->setEnabled(selected); });
}

void TBOOTCtrlTableForm::FormCreate()
{
    MakeEditForm(NewBootpCtrlForm)->SetErrorLanding(VnErrorLanding::Silent());
    OpenListBinder(Request, kBootpBindings, VnErrorLanding::MemoLine(Memo1));
    DeleteBtn->setEnabled(false);
}

void TBOOTCtrlTableForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TBOOTCtrlTableForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    // Exactly the selected pair, whatever the new-entry form holds.
    ComboBox1->setCurrentIndex(kInvalidEntry);
    ApplyScoped(true, true, {});
}

void TBOOTCtrlTableForm::AddBtnClick()
{
    if (!CommandAllowed())
        return;
    NewBootpCtrlForm->setWindowTitle(windowTitle() + " (Add)");
    OpenEditForm(VnEditMode::Add);
}

bool TBOOTCtrlTableForm::ApplyNewPair()
{
    if (!CommandAllowed())
        return false;
    ComboBox1->setCurrentIndex(kValidEntry);
    return ApplyScoped(false, true, {});
}

int TBOOTCtrlTableForm::ServersOf(const QString& name) const
{
    const std::vector<int>& columns = Request->ColumnItems();
    const auto column = std::find(columns.begin(), columns.end(), kInterfaceName);
    if (column == columns.end())
        return 0;
    const int c = static_cast<int>(column - columns.begin());
    int count = 0;
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        count += ListView1->topLevelItem(row)->text(c) == name ? 1 : 0;
    return count;
}

TNewBootpCtrlForm::TNewBootpCtrlForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("New Bootp Ctrl Entry");
    VnDialogFrame frame(*this);
    QWidget* panel2 = frame.EditArea("Panel2");
    DeleteBtn = frame.Button("DeleteBtn", "Set");
    BitBtn1 = frame.Button("BitBtn1", "Close");
    VnFieldGrid fields(panel2);
    Edit1 = fields.Add<QLineEdit>(0, 0, "Interface Name", "Edit1");
    Edit2 = fields.Add<QLineEdit>(1, 0, "Bootp Server IP", "Edit2");
    fields.Layout()->setRowStretch(2, 1);

    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
    On(BitBtn1, &QPushButton::clicked, [this] { reject(); });
}

void TNewBootpCtrlForm::FormActivate()
{
    // The binder keeps its controls disabled while no row is chosen.
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    if (!activated_) {
        activated_ = true;
        Edit1->clear();
        Edit2->clear();
    }
}

void TNewBootpCtrlForm::DeleteBtnClick()
{
    if (!BOOTCtrlTableForm)
        return;
    if (BOOTCtrlTableForm->ServersOf(Edit1->text()) >= TBOOTCtrlTableForm::kMaxServers) {
        VnMessageBox(this, kTooManyServers, VnMsgButtons::Ok, VnMsgIcon::Warning);
        return;
    }
    // An address that is no four numbers from 0 to 255 is refused with a
    // message by the binder, and nothing is sent.
    if (!BOOTCtrlTableForm->ApplyNewPair())
        return;
    Edit1->clear();
    Edit2->clear();
    accept();
}
