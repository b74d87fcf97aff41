#include "Vlancurrenttableformunit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>

#include "BridgeMib.h"
#include "Stackingportuitformunit.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnReadOnlyGrid.h"
#include "VnSNMPRequest2Edits.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

using K = VnControlKind;
using F = TVLanCurrentTableForm;

const VnBindingTable kCounterBindings{
    .descriptors = VlanNumDeletesTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{0, K::StaticText, "VlanNumDeletes"}},
    .statusOutput = "Memo1",
};

const VnBindingTable kCurrentBindings{
    .descriptors = VlanCurrentTable,
    .itemType = MVT_UMV,
    .keyCount = 2,
    .rows = {{-1, K::ListView, "LV_dot1qVlanCurrentEntry"},
             {F::kVlanIndex, K::StaticText, "StaticText1"},
             {F::kEgressPorts, K::PortGrid, "EgressPorts"},
             {F::kUntaggedPorts, K::PortGrid, "UntaggedPorts"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count2",
};

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(VLanCurrentTableForm);
    setWindowTitle("VLAN Current Table");
    BuildLayout();
    FormCreate();
}

void TVLanCurrentTableForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_dot1qVlanCurrentEntry = frame.ListView("LV_dot1qVlanCurrentEntry");
    QWidget* panel5 = frame.EditArea("Panel5");
    Memo1 = frame.Memo("Memo1");
    ST_Count2 = frame.Count("ST_Count2");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");

    auto* panel5Layout = new QHBoxLayout(panel5);
    panel5Layout->setContentsMargins(0, 0, 0, 0);
    GroupBox2 = new QGroupBox(panel5);
    GroupBox2->setObjectName("GroupBox2");
    VnFieldGrid fields(GroupBox2);
    VlanNumDeletes = VnSunkenText(GroupBox2, "VlanNumDeletes");
    fields.Place(0, 0, "VLAN Delete Numbers", VlanNumDeletes);
    StaticText1 = VnSunkenText(GroupBox2, "StaticText1");
    fields.Place(1, 0, "VLAN Index", StaticText1);
    fields.Layout()->setRowStretch(2, 1);
    // Room for a ten-digit count.
    const int digits = VlanNumDeletes->fontMetrics().horizontalAdvance("0000000000");
    for (QLabel* text : {VlanNumDeletes, StaticText1})
        text->setMinimumWidth(digits);
    panel5Layout->addWidget(GroupBox2);

    PageControl1 = new QTabWidget(panel5);
    PageControl1->setObjectName("PageControl1");
    ScrollBox1 = VnAddGridPage(PageControl1, "ScrollBox1", "Egress Port");
    ScrollBox2 = VnAddGridPage(PageControl1, "ScrollBox2", "Untagged Port");
    panel5Layout->addWidget(PageControl1, 1);

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
}

void TVLanCurrentTableForm::FormCreate()
{
    SetTitle(kTitle);
    EgressPorts = VnEmbedPortGrid(ScrollBox1, "EgressPorts");
    UntaggedPorts = VnEmbedPortGrid(ScrollBox2, "UntaggedPorts");
    VnShowPresentUnits(Context(), {EgressPorts, UntaggedPorts});
    VnMakeGridsReadOnly({EgressPorts, UntaggedPorts});

    OpenBinder(CounterRequest, kCounterBindings);
    OpenBinder(CurrentRequest, kCurrentBindings, [this](VnSNMPRequest2Edits& binder) {
        // A short bitmap then leaves no earlier row's ports behind.
        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
            if (row)
                ClearRowFields();
        };
        binder.OnSelectionCleared = [this] { ClearRowFields(); };
    });
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(CounterRequest), [this] { CounterRequest->Refresh(); });
    VnGuarded(VnErrorLanding::StatusLine(CurrentRequest), [this] {
        CurrentRequest->Refresh();
        VnShowRowCount(ST_Count2, LV_dot1qVlanCurrentEntry);
        ClearRowFields();
    });
}

void TVLanCurrentTableForm::ClearRowFields()
{
    EgressPorts->UncheckAll();
    UntaggedPorts->UncheckAll();
    StaticText1->clear();
}
