#include "VnDialogRegistrations.h"

#include <QPointer>
#include <QTreeWidget>

#include <memory>

#include "Equipmentbasicinfoformunit.h"
#include "TMainForm.h"
#include "Vlanstaticformunit.h"
#include "VnCommandKinds.h"
#include "VnModelFamily.h"

namespace {

// Columns of UnitListView: the caption, then state, start port, port range
// and model text.
enum UnitColumn { kUnitId, kUnitState, kUnitStartPort, kUnitPortRange, kUnitModel };

std::string Text(const QTreeWidgetItem* row, int column)
{
    return row->text(column).toStdString();
}

TMainForm* MainFormOf(const VnDialogArgs& args)
{
    return args.mainForm ? args.mainForm : MainForm;
}

// Registers a dialog whose constructor takes (owner, context) and which has
// a global form pointer.
template <typename Form>
void RegisterDialog(const char* className, Form*& globalPointer)
{
    VnRegisterDialog(className, [&globalPointer](const VnDialogArgs& args) -> std::unique_ptr<QDialog> {
        auto form = std::make_unique<Form>(args.owner, VnDialogContextOf(MainFormOf(args)));
        globalPointer = form.get();
        return form;
    });
}

}  // namespace

VnDialogContext VnDialogContextOf(TMainForm* mainForm)
{
    VnDialogContext context;
    context.portsPerUnitForModel = [](std::string_view model) { return PortsPerUnitForModel(model); };
    if (!mainForm)
        return context;
    context.agentAddress = mainForm->AgentAddress;
    context.largeFonts = mainForm->LargeFonts;
    QPointer<TMainForm> form(mainForm);
    context.stackUnits = [form] {
        std::vector<VnStackUnitRow> rows;
        if (!form || !form->UnitListView)
            return rows;
        for (int i = 0; i < form->UnitListView->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = form->UnitListView->topLevelItem(i);
            rows.push_back({Text(row, kUnitId), Text(row, kUnitState), Text(row, kUnitStartPort),
                            Text(row, kUnitPortRange), Text(row, kUnitModel)});
        }
        return rows;
    };
    // The main window's own read: it reports a failure in its status bar.
    context.refreshStackUnits = [form] {
        if (form)
            form->LoadStackUnits();
    };
    return context;
}

void VnRegisterDialogs()
{
    RegisterDialog<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm", EquipmentBasicInfoForm);
    RegisterDialog<TVlanStaticForm>("TVlanStaticForm", VlanStaticForm);
}
