#include "Communitystringtableformunit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "SnmpTargetMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TCommunityStringTableForm* CommunityStringTableForm = nullptr;

namespace {

using K = VnControlKind;
using F = TCommunityStringTableForm;

constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;

const VnBindingTable kCommunityBindings{
    .descriptors = CommunityStringTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kIndex, K::Edits, "Edit1", "%s{l32}"},
             {F::kName, K::Edits, "Edit2", "%s{l32}"},
             {F::kSecurityName, K::Edits, "Edit3", "%s{l32}"},
             {F::kStatus, K::ComboBox, "ComboBox2"}},
    .statusOutput = "Memo1",
};

}  // namespace

TCommunityStringTableForm::TCommunityStringTableForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(CommunityStringTableForm);
    setWindowTitle("CommunityStringTableForm");
    BuildLayout();
    FormCreate();
}

void TCommunityStringTableForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* fieldsArea = frame.EditArea("Panel3");
    Memo1 = frame.Memo("Memo1");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");
    AddBtn = frame.Button("AddBtn", "Add");
    DeleteBtn = frame.Button("DeleteBtn", "Delete");
    CloseBtn = frame.Button("CloseBtn", "Close");

    VnFieldGrid fields(fieldsArea);
    Edit1 = fields.Add<QLineEdit>(0, 0, "Index", "Edit1");
    Edit2 = fields.Add<QLineEdit>(0, 1, "Name", "Edit2");
    Edit3 = fields.Add<QLineEdit>(1, 0, "Security Name", "Edit3");
    ComboBox2 = fields.Add<QComboBox>(1, 1, "Status", "ComboBox2");

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
    On(AddBtn, &QPushButton::clicked, [this] { AddBtnClick(); });
    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
    On(CloseBtn, &QPushButton::clicked, [this] { reject(); });
    // Delete follows the selection however it changes (a refresh too).
    FollowSelection(ListView1, [this](bool selected) { DeleteBtn->setEnabled(selected); });
    ChangeRowsWith(SetBtn);
}

void TCommunityStringTableForm::FormCreate()
{
    SetTitle("Community String Table: ");
    DeleteBtn->setEnabled(false);
    OpenListBinder(Request, kCommunityBindings, VnErrorLanding::Call([this](const std::string& message) {
                       if (Request)
                           Request->ShowStatus(message);
                   }));
    SetErrorLanding(VnErrorLanding::StatusLine(Request));
    // Few columns: each as wide as its texts.
    ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TCommunityStringTableForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TCommunityStringTableForm::ApplyWithStatus(int statusEntry, bool atSelectedRow)
{
    const int shownStatus = ComboBox2->currentIndex();
    if (statusEntry >= 0)
        ComboBox2->setCurrentIndex(statusEntry);
    Guard([&] { ApplyScoped(atSelectedRow, true, {}); });
    ComboBox2->setCurrentIndex(shownStatus);
}

void TCommunityStringTableForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    ApplyWithStatus(-1, true);
}

void TCommunityStringTableForm::AddBtnClick()
{
    if (!CommandAllowed())
        return;
    ApplyWithStatus(kCreateAndGoEntry, false);
}

void TCommunityStringTableForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    // Exactly the selected row, as it was read.
    if (Request->ShowSelectedRow())
        ApplyWithStatus(kDestroyEntry, true);
}
