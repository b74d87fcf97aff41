#include "Vlanportinfomationunit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "BridgeMib.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

using K = VnControlKind;
using F = TVLanPortInfomationForm;

const VnBindingTable kBindings{
    .descriptors = PortVlanTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_dot1qPortVlanEntry"},
             {F::kPvid, K::Edits, "PortVLanID", "%i{}"},
             {F::kFrameTypes, K::ComboBox, "AcceptableFrameTypes"},
             {F::kIngressFiltering, K::ComboBox, "IngressFiltering"},
             {F::kGvrpStatus, K::ComboBox, "GvrpStatus"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(VLanPortInfomationForm);
    setWindowTitle("VLAN Port Information Form");
    BuildLayout();
    FormCreate();
}

void TVLanPortInfomationForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_dot1qPortVlanEntry = frame.ListView("LV_dot1qPortVlanEntry");
    QWidget* panel3 = frame.EditArea("Panel3");
    Memo1 = frame.Memo("Memo1", 3);
    ST_Count = frame.Count("ST_Count");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");

    VnFieldGrid fields(panel3);
    PortVLanID = fields.Add<QLineEdit>(0, 0, "Port VLAN ID", "PortVLanID");
    AcceptableFrameTypes = fields.Add<QComboBox>(0, 1, "Acceptable Frame Types", "AcceptableFrameTypes");
    IngressFiltering = fields.Add<QComboBox>(1, 0, "Ingress Filtering", "IngressFiltering");
    GvrpStatus = fields.Add<QComboBox>(1, 1, "GVRP Status", "GvrpStatus");

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
}

void TVLanPortInfomationForm::FormCreate()
{
    SetTitle(kTitle);
    OpenBinder(Request, kBindings, [this](VnSNMPRequest2Edits& binder) {
        // The set's own re-read replaces every row: the port is looked for
        // among the new ones, so the controls show what the agent now holds.
        binder.OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError&) {
            const QString port = reselectPort_;
            reselectPort_.clear();
            if (!port.isEmpty())
                SelectPort(port);
        };
    });
    PortVLanID->clear();
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    // A click while a walk or a set runs does nothing.
    if (!CommandAllowed())
        return;
    reselectPort_.clear();
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] {
        Request->Refresh();
        VnShowRowCount(ST_Count, LV_dot1qPortVlanEntry);
    });
}

void TVLanPortInfomationForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    const auto index = Request->SelectedRowIndex();
    VnGuarded(VnErrorLanding::StatusLine(Request), [&] {
        if (Request->ApplyToSelectedRow(true) && index && !index->empty())
            reselectPort_ = QString::fromStdString(index->front());
    });
}

bool TVLanPortInfomationForm::SelectPort(const QString& port)
{
    const std::vector<int>& columns = Request->ColumnItems();
    const auto found = std::find(columns.begin(), columns.end(), static_cast<int>(kPort));
    if (found == columns.end())
        return false;
    const int column = static_cast<int>(found - columns.begin());
    for (int row = 0; row < LV_dot1qPortVlanEntry->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = LV_dot1qPortVlanEntry->topLevelItem(row);
        if (item->text(column) == port) {
            LV_dot1qPortVlanEntry->setCurrentItem(item);
            LV_dot1qPortVlanEntry->scrollToItem(item);
            return true;
        }
    }
    return false;
}
