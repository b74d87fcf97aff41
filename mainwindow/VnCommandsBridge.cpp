// Generic editors of the "RMON" and "Bridge" menus and the 802.1P/802.1Q
// tables of the "VLAN" menu.
#include <QBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>

#include <algorithm>

#include "BridgeMib.h"
#include "ProbeConfigMib.h"
#include "SwitchMib.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TMainForm.h"
#include "TSNMPPanel.h"
#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnDeviceViewTables.h"

namespace {

using K = VnCommandKind;

// The three RMON module items follow the switch's RMON state, which this
// editor may have changed: the main window reads it again once the editor
// closes. The connection goes with the form or the main window, whichever
// ends first.
void UpdateRmonMenusOnClose(VnEditorContext& context)
{
    TMainForm* mainForm = &context.mainForm;
    QObject::connect(&context.form, &QDialog::finished, mainForm, [mainForm] { mainForm->UpdateRmonMenus(); });
}

constexpr const char* kStpNotes[] = {
    "Notes : 2*(Forward Delay - 100) >= Max Age",
    "Notes : Max Age >= 2*(Hello Time + 100)",
};

// The two timer rules of the bridge, shown under the rows; nothing checks
// them, a set sends what the user typed. The labels belong to the edits
// panel, not to the main window: they go with the form, where labels of the
// main window would pile up there, one pair per opening. They stand in the
// panel's layout below the scrolled rows, so a refit of the rows never
// covers them.
void AddStpNotes(VnEditorContext& context)
{
    TEditsPanel* edits = context.panel->EditsPanel;
    auto* layout = qobject_cast<QBoxLayout*>(edits->layout());
    if (!layout || edits->Rows.empty())
        return;
    const int gap = static_cast<int>(8.0f * context.mainForm.FontScale);
    // Left-aligned with the last row's caption, inside the scroll box's frame.
    const QWidget* lastControl = edits->Rows.back().Label;
    const int left = lastControl->x() + edits->ScrollBox()->frameWidth();
    QPalette red;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    int needed = 0;
    for (const char* text : kStpNotes) {
        auto* note = new QLabel(QString::fromLatin1(text), edits);
        note->setObjectName(QStringLiteral("StpNote"));
        note->setPalette(red);
        note->setContentsMargins(left, gap, 0, 0);
        layout->addWidget(note);
        needed += note->sizeHint().height();
    }
    // Rows and notes are shown whole however little the form grows.
    const int rows = edits->RowArea()->height() + 2 * edits->ScrollBox()->frameWidth();
    const int spacing = std::max(layout->spacing(), 0) * static_cast<int>(std::size(kStpNotes));
    edits->setMinimumHeight(rows + spacing + needed);
}

constexpr VnEditorStep kProbeSteps[] = {VnGrowEditWidth(40), VnFormat(4, "%s{l64}"), VnGrowWidth(40)};
constexpr VnEditorStep kBridgeInformationSteps[] = {VnFormat(2, "%i{n10x1000000l7}")};
constexpr VnEditorStep kStpControlSteps[] = {
    VnGrowHeight(25),
    VnFormat(1, "%i{n600x4000l4}"),
    VnFormat(2, "%i{n100x1000l4}"),
    VnFormat(3, "%i{n400x3000l4}"),
    VnFormat(4, "%i{n1x20l2}"),
    VnFormat(5, "%i{n1x10l2}"),
};
constexpr VnEditorStep kDefaultPrioritySteps[] = {VnFormat(1, "%i{n0x7l1}"), VnSetHeightUnscaled(450)};
constexpr VnEditorStep kRegeneratedPrioritySteps[] = {VnFormat(2, "%i{n0x7l1}"), VnSetHeight(450)};
constexpr VnEditorStep kTrafficClassSteps[] = {VnFormat(2, "%i{n0x6l1}"), VnSetHeight(450)};
constexpr VnEditorStep kTallTableSteps[] = {VnSetHeight(450)};

// Both "Port Table" items, hidden under "802.1d" and "Spanning Tree", open
// this one editor.
constexpr VnEditorCommand StpPortTableCommand(const char* name)
{
    return {.name = name, .kind = K::TableEditor, .title = "Spanning Tree Port Table", .table = StpPortTable,
            .itemType = MVT_UMV, .keyCount = 1};
}

constexpr VnEditorCommand kCommands[] = {
    // ---- RMON
    {.name = "RMONControl1Click", .kind = K::ScalarEditor, .title = "RMON Control", .table = RmonStateTable,
     .itemType = SVT_SV, .afterPanel = UpdateRmonMenusOnClose},
    {.name = "ProbeBasicInformation1Click", .kind = K::ScalarEditor, .title = "Probe Basic Information",
     .table = ProbeBasicInformationTable, .itemType = SVT_SV, .steps = kProbeSteps},
    // ---- Bridge
    {.name = "SpanningTreeAlgorithm1Click", .kind = K::ScalarEditor, .title = "Spanning Tree Algorithm",
     .table = SpanningTreeAlgorithmTable, .itemType = SVT_SV},
    {.name = "Information1Click", .kind = K::ScalarEditor, .title = "Bridge 802.1d Information",
     .table = Bridge8021dInformationTable, .itemType = SVT_SV, .steps = kBridgeInformationSteps},
    StpPortTableCommand("PortTable1Click"),
    {.name = "STPControl1Click", .kind = K::ScalarEditor, .title = "Spanning Tree Control", .table = StpControlTable,
     .itemType = SVT_SV, .steps = kStpControlSteps, .afterPanel = AddStpNotes},
    StpPortTableCommand("PortTable2Click"),
    // ---- VLAN: 802.1P priorities
    {.name = "DefaultUserPrioritiesofEachPort1Click", .kind = K::TableEditor,
     .title = "Default User Priorities of Each Port", .table = DefaultUserPriorityTable, .itemType = MVT_FMV,
     .keyCount = 1, .steps = kDefaultPrioritySteps},
    {.name = "RegeneratedUserPriorities1Click", .kind = K::TableEditor, .title = "Regenerated User Priorities",
     .table = RegeneratedUserPriorityTable, .itemType = MVT_UMV, .keyCount = 2, .steps = kRegeneratedPrioritySteps},
    {.name = "UserPrioritiesToTrafficClass1Click", .kind = K::TableEditor, .title = "User Priorities To Traffic Class",
     .table = TrafficClassTable, .itemType = MVT_UMV, .keyCount = 2, .steps = kTrafficClassSteps},
    {.name = "PortOutboundAccessPriorities1Click", .kind = K::TableEditor, .title = "Port Outbound Access Priorities",
     .table = OutboundAccessPriorityTable, .itemType = MVT_FMV, .keyCount = 2, .steps = kTallTableSteps},
    // ---- VLAN: 802.1Q forwarding
    {.name = "UnicastForwardingInformation1Click", .kind = K::TableEditor, .title = "Unicast Forwarding Information",
     .table = UnicastForwardingTable, .itemType = MVT_FMV, .keyCount = 2, .steps = kTallTableSteps},
};

}  // namespace

std::span<const VnEditorCommand> VnBridgeEditorCommands() { return kCommands; }
