#include "Pbridgeconfigformunit.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "BridgeMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

namespace {

using K = VnControlKind;

const VnBindingTable kCapabilitiesBindings{
    .descriptors = DeviceCapabilitiesTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{0, K::StaticText, "Edit_DeviceCapabilities"}},
    .statusOutput = "Memo1",
};

const VnBindingTable kTrafficClassBindings{
    .descriptors = TrafficClassesEnabledTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{0, K::ComboBox, "TrafficClassesState"}},
    .statusOutput = "Memo1",
};

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(PBridgeConfigForm);
    setWindowTitle("802.1P Basic Configure");
    BuildLayout();
    FormCreate();
}

void TPBridgeConfigForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    QWidget* panel3 = frame.EditArea("Panel3");
    Memo1 = frame.Memo("Memo1", 3);
    BT_Set = frame.Button("BT_Set", "Set");
    BT_Get = frame.Button("BT_Get", "Refresh");

    VnFieldGrid fields(panel3);
    Edit_DeviceCapabilities = VnSunkenText(panel3, "Edit_DeviceCapabilities");
    fields.Place(0, 0, "Device Capabilities", Edit_DeviceCapabilities);
    TrafficClassesState = fields.Add<QComboBox>(1, 0, "Traffic Classes State", "TrafficClassesState");
    GmrpStatus = fields.Add<QComboBox>(2, 0, "GMRP Status", "GmrpStatus");
    GmrpStatusLabel = qobject_cast<QLabel*>(fields.Layout()->itemAtPosition(2, 0)->widget());
    GmrpStatus->setVisible(false);
    if (GmrpStatusLabel)
        GmrpStatusLabel->setVisible(false);
    fields.Layout()->setRowStretch(3, 1);

    On(BT_Set, &QPushButton::clicked, [this] { BT_SetClick(); });
    On(BT_Get, &QPushButton::clicked, [this] { BT_GetClick(); });
}

void TPBridgeConfigForm::FormCreate()
{
    SetTitle(kTitle);
    // Each under its own guard: a failed capabilities read leaves the
    // traffic classes to be read and shown.
    OpenBinder(CapabilitiesRequest, kCapabilitiesBindings);
    OpenBinder(TrafficClassRequest, kTrafficClassBindings);
}

void TPBridgeConfigForm::BT_GetClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(CapabilitiesRequest), [this] { CapabilitiesRequest->Refresh(); });
    VnGuarded(VnErrorLanding::StatusLine(TrafficClassRequest), [this] { TrafficClassRequest->Refresh(); });
}

void TPBridgeConfigForm::BT_SetClick()
{
    if (!CommandAllowed())
        return;
    // The capabilities are read-only: applying their binder would only be
    // refused for having nothing to write.
    VnGuarded(VnErrorLanding::StatusLine(TrafficClassRequest),
              [this] { TrafficClassRequest->Apply(true, true, {}, nullptr); });
}
