#include "Accservercontrol.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "AuthMib.h"
#include "VnAddressCheck.h"
#include "VnDialogFrame.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TfrmACCServerCtrl* frmACCServerCtrl = nullptr;

namespace {

using K = VnControlKind;
using F = TfrmACCServerCtrl;

constexpr int kFirstPanelWidth = 50;

const VnBindingTable kMemberBindings{
    .descriptors = AacServerGroupMemberTable,
    .itemType = MVT_UMV,
    .keyCount = 3,
    .rows = {{F::kGroupName, K::Edits, "edtGroupName", "%s{l16}"},
             {F::kAddress, K::Edits, "edtIPAddr", "%s{l16}"},
             {F::kProtocol, K::ComboBox, "cbAuthProtocol"},
             {F::kRowState, K::ComboBox, "cbRowState"}},
    .statusOutput = "StatusBar1",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

VnDialogContext WithoutLargeFonts(VnDialogContext context)
{
    context.largeFonts = false;
    return context;
}

}  // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, WithoutLargeFonts(context), kWidth, kHeight)
{
    SetFormPointer(frmACCServerCtrl);
    setWindowTitle("ACC Serve rControl");
    BuildLayout();
    FormCreate();
}

void TfrmACCServerCtrl::BuildLayout()
{
    VnDialogFrame frame(*this);
    QWidget* fieldsArea = frame.EditArea("Panel1");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(kFirstPanelWidth);
    Button1 = frame.Button("Button1", "Set");
    Button2 = frame.Button("Button2", "Close");

    VnFieldGrid fields(fieldsArea);
    edtGroupName = fields.Add<QLineEdit>(0, 0, "Group Name", "edtGroupName");
    edtIPAddr = fields.Add<QLineEdit>(1, 0, "IP Addr", "edtIPAddr");
    cbAuthProtocol = fields.Add<QComboBox>(2, 0, "Auth Protocol", "cbAuthProtocol");
    cbRowState = fields.Add<QComboBox>(3, 0, "Row State", "cbRowState");
    fields.Layout()->setRowStretch(4, 1);
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));

    On(Button1, &QPushButton::clicked, [this] { Button1Click(); });
    On(Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TfrmACCServerCtrl::FormCreate()
{
    SetTitle("AAC Control Table: ");
    OpenBinder(Request, kMemberBindings, VnErrorLanding::Silent());
    EmptyFields();
}

void TfrmACCServerCtrl::EmptyFields()
{
    edtGroupName->clear();
    edtIPAddr->clear();
    cbAuthProtocol->setCurrentIndex(-1);
    cbRowState->setCurrentIndex(-1);
}

void TfrmACCServerCtrl::Button1Click()
{
    if (!CommandAllowed())
        return;
    VnStatusPanel* firstPanel = StatusBar1->Panel(0);
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty() ||
        cbRowState->currentText().isEmpty()) {
        firstPanel->SetText(kEmptyField);
        return;
    }
    if (!VnIsIpAddressText(edtIPAddr->text())) {
        VnFieldMessage(this, kVnNotAnAddressText, edtIPAddr);
        return;
    }
    bool sent = false;
    const bool setDone = VnGuarded(VnErrorLanding::MessageBox(this).Saying(kSetFailed),
                                   [&] { sent = Request->Apply(false, true, {}, nullptr); });
    // The box is for a failed set, the line only for a good one.
    if (!setDone || !sent)
        return;
    firstPanel->SetText(QString::fromStdString("Set: Ok!. Receive at " + VnStatusTime() + "."));
    // The read after it reports its own failure as a Get line.
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Refresh(); });
}

void TfrmACCServerCtrl::Button2Click()
{
    reject();
}
