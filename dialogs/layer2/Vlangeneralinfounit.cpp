#include "Vlangeneralinfounit.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "BridgeMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;

namespace {

using K = VnControlKind;
using F = TVLanGeneralInfoForm;

const VnBindingTable kBindings{
    .descriptors = VlanGeneralInfoTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{F::kVersion, K::StaticText, "VlanVersionNumber"},
             {F::kMaxVlanId, K::StaticText, "MaxVlanId"},
             {F::kMaxSupported, K::StaticText, "MaxSupportedVlans"},
             {F::kCurrentCount, K::StaticText, "CurrentNumOfVlans"},
             {F::kGvrpStatus, K::ComboBox, "GvrpStatus"}},
    .statusOutput = "Memo1",
};

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(VLanGeneralInfoForm);
    setWindowTitle("802.1Q Basic Configure");
    BuildLayout();
    FormCreate();
}

void TVLanGeneralInfoForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    QWidget* panel3 = frame.EditArea("Panel3");
    Memo1 = frame.Memo("Memo1", 3);
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");

    VnFieldGrid fields(panel3);
    VlanVersionNumber = VnSunkenText(panel3, "VlanVersionNumber");
    fields.Place(0, 0, "VLAN Version Number", VlanVersionNumber);
    MaxVlanId = VnSunkenText(panel3, "MaxVlanId");
    fields.Place(1, 0, "Max VLAN ID", MaxVlanId);
    MaxSupportedVlans = VnSunkenText(panel3, "MaxSupportedVlans");
    fields.Place(2, 0, "Max Supported VLANs", MaxSupportedVlans);
    CurrentNumOfVlans = VnSunkenText(panel3, "CurrentNumOfVlans");
    fields.Place(3, 0, "Current Num Of VLANs", CurrentNumOfVlans);
    GvrpStatus = fields.Add<QComboBox>(4, 0, "GVRP Status", "GvrpStatus");
    fields.Layout()->setRowStretch(5, 1);

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
}

void TVLanGeneralInfoForm::FormCreate()
{
    SetTitle(kTitle);
    OpenBinder(Request, kBindings);
}

void TVLanGeneralInfoForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Refresh(); });
}

void TVLanGeneralInfoForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    // Only the GVRP status is writable, so the set carries that scalar alone.
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Apply(true, true, {}, nullptr); });
}
