#include "Portcapabilities8021dformunit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "BridgeMib.h"
#include "TForm1.h"
#include "VnRequestFlags.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

namespace {

const VnBindingTable kCapabilityBindings{
    .descriptors = PortCapabilitiesTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, VnControlKind::ListView, "LV_dot1dPortCapabilitiesEntry"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

}  // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    flags_ = VnRequestFlags();
    SetFormPointer(PortCapabilities8021dForm);
    setWindowTitle("Port Capability Form");
    BuildLayout();
    FormCreate();
}

void TPortCapabilities8021dForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_dot1dPortCapabilitiesEntry = frame.ListView("LV_dot1dPortCapabilitiesEntry");
    Memo1 = frame.Memo("Memo1");
    ST_Count = frame.Count("ST_Count");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
}

void TPortCapabilities8021dForm::FormCreate()
{
    SetTitle(kTitle);
    const bool read = OpenBinder(Binder, kCapabilityBindings, [this](VnSNMPRequest2Edits& binder) {
        binder.OnRefreshDone = [flags = flags_](VnSNMPRequest2Controls&, const VnSNMPError&) {
            flags->RequestDone();
        };
        Flags().idle = false;
    });
    if (!read)
        Flags().idle = true;
}

void TPortCapabilities8021dForm::RefreshBtnClick()
{
    // Only idle counts here: a read of this dialog never leaves done down.
    if (!CommandAllowed() || !Flags().idle)
        return;
    Flags().idle = false;
    if (!VnGuarded(VnErrorLanding::StatusLine(Binder), [this] { Binder->Refresh(); }))
        Flags().idle = true;
}
