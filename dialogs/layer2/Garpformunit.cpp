#include "Garpformunit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "BridgeMib.h"
#include "TForm1.h"
#include "VnRequestFlags.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TGARPForm* GARPForm = nullptr;

namespace {

using K = VnControlKind;
using F = TGARPForm;

constexpr const char* kTimeFormat = "%i{n0x2147483647l10}";

const VnBindingTable kGarpBindings{
    .descriptors = GarpPortTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_dot1dPortGarpEntry"},
             {F::kJoinTime, K::Edits, "GarpJoinTime", kTimeFormat},
             {F::kLeaveTime, K::Edits, "GarpLeaveTime", kTimeFormat},
             {F::kLeaveAllTime, K::Edits, "GarpLeaveAllTime", kTimeFormat}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

}  // namespace

TGARPForm::TGARPForm(QWidget* owner, const VnDialogContext& context) : TDialogBase(owner, context, kWidth, kHeight)
{
    flags_ = VnRequestFlags();
    SetFormPointer(GARPForm);
    setWindowTitle("GARP Form");
    BuildLayout();
    FormCreate();
}

void TGARPForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_dot1dPortGarpEntry = frame.ListView("LV_dot1dPortGarpEntry");
    Panel5 = frame.EditArea("Panel5");
    Memo1 = frame.Memo("Memo1");
    ST_Count = frame.Count("ST_Count");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");

    VnFieldGrid fields(Panel5);
    GarpJoinTime = fields.Add<QLineEdit>(0, 0, "GARP Join Time (0....2147483647)", "GarpJoinTime");
    GarpLeaveTime = fields.Add<QLineEdit>(1, 0, "GARP Leave Time (0....2147483647)", "GarpLeaveTime");
    GarpLeaveAllTime = fields.Add<QLineEdit>(2, 0, "GARP Leave All Time (0....2147483647)", "GarpLeaveAllTime");
    for (int row = 0; row < 3; ++row)
        fields.Layout()->addWidget(new QLabel("Centiseconds", Panel5), row, 2);
    // The timers are listed only: a set here would leave the shared flags
    // down after an agent error and the Refresh of both dialogs dead.
    Panel5->hide();
    SetBtn->hide();

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
}

void TGARPForm::FormCreate()
{
    SetTitle(kTitle);
    const bool read = OpenBinder(Binder, kGarpBindings, [this](VnSNMPRequest2Edits& binder) {
        binder.OnRefreshDone = [flags = flags_](VnSNMPRequest2Controls&, const VnSNMPError&) {
            flags->RequestDone();
        };
        Flags().idle = false;
    });
    if (!read)
        Flags().idle = true;
}

void TGARPForm::RefreshBtnClick()
{
    if (!CommandAllowed() || !Flags().idle || !Flags().done)
        return;
    Flags().idle = false;
    if (!VnGuarded(VnErrorLanding::StatusLine(Binder), [this] { Binder->Refresh(); }))
        Flags().idle = true;
}
