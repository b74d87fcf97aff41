#include "Ipmacmapunit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "L3Mib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TIPMACMapForm* IPMACMapForm = nullptr;
TIPMACMapEditForm* IPMACMapEditForm = nullptr;

namespace {

using K = VnControlKind;
using F = TIPMACMapForm;

// The edit form's fields are bound to the map's binder.
const VnBindingTable kMapBindings{
    .descriptors = IpMacMapTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "lvData"},
             {F::kOffset, K::Edits, "edtOffset", "%i"},
             {F::kInterfaceName, K::Edits, "edtInterface", "%s{l12}"}},
    .statusOutput = "memReply",
};

}  // namespace

TIPMACMapForm::TIPMACMapForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(IPMACMapForm);
    setWindowTitle("IP MAC Map");
    BuildLayout();
    FormCreate();
}

void TIPMACMapForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    lvData = frame.ListView("lvData");
    memReply = frame.Memo("memReply");
    btnRefresh = frame.Button("btnRefresh", "Refresh");
    btnEdit = frame.Button("btnEdit", "Edit");
    SetErrorLanding(VnErrorLanding::MemoLine(memReply));

    On(btnRefresh, &QPushButton::clicked, [this] { btnRefreshClick(); });
    On(btnEdit, &QPushButton::clicked, [this] { OpenEditForm(); });
    On(lvData, &QTreeWidget::itemDoubleClicked, [this] { OpenEditForm(); });
    FollowSelection(lvData, [this](bool) { lvDataSelectItem(); });
}

void TIPMACMapForm::FormCreate()
{
    MakeEditForm(IPMACMapEditForm)->SetErrorLanding(VnErrorLanding::MemoLine(memReply));
    SetWalkOnClose(VnWalkOnClose::RunToEnd);
    OpenListBinder(Request, kMapBindings, VnErrorLanding::MemoLine(memReply));
    btnEdit->setEnabled(false);
}

void TIPMACMapForm::btnRefreshClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

bool TIPMACMapForm::SelectedRowFree() const
{
    const std::optional<QString> name = SelectedCell(kInterfaceName);
    return name && name->isEmpty();
}

void TIPMACMapForm::lvDataSelectItem()
{
    btnEdit->setEnabled(SelectedRowFree());
}

void TIPMACMapForm::OpenEditForm()
{
    if (!CommandAllowed() || !SelectedRowFree())
        return;
    TListFormBase::OpenEditForm(VnEditMode::Edit);
}

TIPMACMapEditForm::TIPMACMapEditForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("IP MAC Map Edit");
    auto* layout = new QHBoxLayout(this);
    auto* pnlData = new QWidget(this);
    pnlData->setObjectName("pnlData");
    VnFieldGrid fields(pnlData);
    edtInterface = fields.Add<QLineEdit>(0, 0, "Interface Name", "edtInterface");
    edtOffset = fields.Add<QLineEdit>(1, 0, "Offset", "edtOffset");
    edtOffset->setReadOnly(true);
    fields.Layout()->setRowStretch(2, 1);
    layout->addWidget(pnlData, 1);

    auto* pnlButton = new QVBoxLayout;
    btnSet = new QPushButton("Set", this);
    btnSet->setObjectName("btnSet");
    btnClose = new QPushButton("Close", this);
    btnClose->setObjectName("btnClose");
    for (QPushButton* button : {btnSet, btnClose}) {
        button->setAutoDefault(false);
        pnlButton->addWidget(button);
    }
    pnlButton->addStretch(1);
    layout->addLayout(pnlButton);

    On(btnSet, &QPushButton::clicked, [this] { btnSetClick(); });
    On(btnClose, &QPushButton::clicked, [this] { btnCloseClick(); });
}

void TIPMACMapEditForm::FormActivate()
{
    edtInterface->clear();
}

bool TIPMACMapEditForm::CheckInterfaceName()
{
    if (edtInterface->text().isEmpty()) {
        VnFieldMessage(this, kNameMissing);
        return false;
    }
    if (edtInterface->text() == "System") {
        VnFieldMessage(this, kSystemName);
        return false;
    }
    return true;
}

void TIPMACMapEditForm::btnSetClick()
{
    if (!CheckInterfaceName() || !IPMACMapForm)
        return;
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::MemoLine(IPMACMapForm->memReply), [&] {
        sent = IPMACMapForm->Request->ApplyToSelectedRow(true);
    });
    // A name the format refuses stays for correcting.
    if (finished && !sent)
        return;
    accept();
}

void TIPMACMapEditForm::btnCloseClick()
{
    reject();
}
