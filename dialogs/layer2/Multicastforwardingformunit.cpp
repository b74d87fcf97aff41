#include "Multicastforwardingformunit.h"

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

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;
TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm = nullptr;
TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

namespace {

using K = VnControlKind;

const VnBindingTable kForwardAllBindings{
    .descriptors = ForwardAllTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_dot1qForwardUnregisteredEntry"},
             {1, K::PortGrid, "AllPorts"},
             {2, K::PortGrid, "StaticPorts"},
             {3, K::PortGrid, "ForbiddenPorts"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

// The grids show the three lists as the forward-all dialog's do.
const VnBindingTable kForwardUnregisteredBindings{
    .descriptors = ForwardUnregisteredTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_dot1qForwardUnregisteredEntry"},
             {1, K::PortGrid, "UnregisteredPorts"},
             {2, K::PortGrid, "UnregisteredStaticPorts"},
             {3, K::PortGrid, "UnregisteredForbiddenPorts"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

// VLAN and group address both make the instance: with the VLAN alone the
// address would never be decoded, and two groups of one VLAN would look
// the same.
const VnBindingTable kTpGroupBindings{
    .descriptors = TpGroupTable,
    .itemType = MVT_UMV,
    .keyCount = 2,
    .rows = {{-1, K::ListView, "LV_dot1qTpGroupEntry"},
             {2, K::PortGrid, "EgressPorts"},
             {3, K::PortGrid, "GmrpLearntPorts"}},
    .statusOutput = "Memo1",
};

}  // namespace

const VnForwardingDescription TMulticastForwardingInformationForm::kDescription{
    .title = "Multicast Forwarding Information Form: ",
    .caption = "MulticastForwardingInformationForm",
    .width = 696,
    .height = 514,
    .bindings = &kForwardAllBindings,
    .pages = {{"ScrollBox1", "All Forwarded Ports", "AllPorts"},
              {"ScrollBox2", "All Static Ports", "StaticPorts"},
              {"ScrollBox3", "All Forbidden Ports", "ForbiddenPorts"}},
    .rowCount = true,
    .refreshOffered = false,
    .uncheckOnRefresh = false,
};

const VnForwardingDescription TForwardUnregisteredInformationForm::kDescription{
    .title = "Forward Unregistered Information: ",
    .caption = "Forward Unregistered Information",
    .width = 696,
    .height = 480,
    .bindings = &kForwardUnregisteredBindings,
    .pages = {{"ScrollBox1", "Unregistered Ports", "UnregisteredPorts"},
              {"ScrollBox2", "Unregisteried Static Ports", "UnregisteredStaticPorts"},
              {"ScrollBox3", "Unregistered Forbidden Ports", "UnregisteredForbiddenPorts"}},
    .rowCount = true,
    .refreshOffered = true,
    .uncheckOnRefresh = true,
};

const VnForwardingDescription TTpGroupDestinationForwardedForm::kDescription{
    .title = "Tp Group Destination Forwarded: ",
    .caption = "Tp Group Destination Forwarded",
    .width = 696,
    .height = 460,
    .bindings = &kTpGroupBindings,
    .pages = {{"ScrollBox1", "Egress Ports", "EgressPorts"}, {"ScrollBox2", "GMRP Learn Port", "GmrpLearntPorts"}},
    .rowCount = false,
    .refreshOffered = false,
    .uncheckOnRefresh = false,
};

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget* owner,
                                                                         const VnDialogContext& context)
    : TForwardingForm(owner, context, kDescription)
{
    SetFormPointer(MulticastForwardingInformationForm);
    FormCreate();
}

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(QWidget* owner,
                                                                         const VnDialogContext& context)
    : TForwardingForm(owner, context, kDescription)
{
    SetFormPointer(ForwardUnregisteredInformationForm);
    FormCreate();
}

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget* owner, const VnDialogContext& context)
    : TForwardingForm(owner, context, kDescription)
{
    SetFormPointer(TpGroupDestinationForwardedForm);
    FormCreate();
}

TForwardingForm::TForwardingForm(QWidget* owner, const VnDialogContext& context,
                                 const VnForwardingDescription& description)
    : TDialogBase(owner, context, description.width, description.height), description_(description)
{
    setWindowTitle(description.caption);
    BuildLayout();
}

void TForwardingForm::BuildLayout()
{
    const VnForwardingDescription& d = description_;
    VnDialogFrame frame(*this);
    ListView = frame.ListView(d.bindings->rows.front().control);
    QWidget* panel4 = frame.EditArea("Panel4");
    Memo1 = frame.Memo("Memo1");
    if (d.rowCount)
        ST_Count = frame.Count("ST_Count");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    if (d.refreshOffered)
        SetBtn = frame.Button("SetBtn", "Set");

    VnFieldGrid holder(panel4);
    PageControl1 = new QTabWidget(panel4);
    PageControl1->setObjectName("PageControl1");
    for (const VnForwardingDescription::Page& page : d.pages)
        ScrollBoxes.push_back(VnAddGridPage(PageControl1, page.scrollBox, page.caption));
    holder.Layout()->setContentsMargins(0, 0, 0, 0);
    holder.Layout()->addWidget(PageControl1, 0, 0);

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    if (SetBtn)
        On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
}

void TForwardingForm::FormCreate()
{
    SetTitle(description_.title);
    for (std::size_t k = 0; k < description_.pages.size(); ++k)
        Grids.push_back(VnEmbedPortGrid(ScrollBoxes[k], description_.pages[k].grid));
    for (TStackingPortUitForm* grid : Grids) {
        VnShowPresentUnits(Context(), {grid});
        VnMakeGridsReadOnly({grid});
    }
    OpenBinder(Request, *description_.bindings, [this](VnSNMPRequest2Edits& binder) {
        // A short port list then leaves no earlier row's ports behind.
        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
            if (!row)
                return;
            for (TStackingPortUitForm* grid : Grids)
                grid->UncheckAll();
        };
    });
}

void TForwardingForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    ReadTable();
}

void TForwardingForm::ReadTable()
{
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] {
        Request->Refresh();
        if (ST_Count)
            VnShowRowCount(ST_Count, ListView);
        if (description_.uncheckOnRefresh) {
            for (TStackingPortUitForm* grid : Grids)
                grid->UncheckAll();
        }
    });
}

void TForwardingForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    // Pressed for a row that cannot be changed: why, rather than a read.
    if (Request && Request->RefuseMalformedRow())
        return;
    ReadTable();
}
