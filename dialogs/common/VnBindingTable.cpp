#include "VnBindingTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>
#include <exception>
#include <memory>
#include <string_view>

#include "Stackingportuitformunit.h"
#include "VnEditWidth.h"
#include "VnRadioGroup.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

namespace {

std::vector<std::string> Names(std::string_view list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        names.emplace_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

template <typename Control>
Control* Find(const QWidget& form, const std::string& name)
{
    if (name.empty())
        return nullptr;
    return dynamic_cast<Control*>(form.findChild<QWidget*>(QString::fromStdString(name)));
}

template <typename Control>
std::vector<Control*> FindAll(const QWidget& form, const char* list)
{
    std::vector<Control*> controls;
    for (const std::string& name : Names(list))
        controls.push_back(Find<Control>(form, name));
    return controls;
}

std::string PortBits(const VnBinding& row)
{
    return *row.format ? std::string(row.format) : VnPortPositionsText();
}

// One row bound to the controls `find` gives; `Finder` answers the same
// questions for the dialog's controls and for scratch ones.
template <typename Finder>
void BindRow(VnSNMPRequest2Edits& binder, const VnBinding& row, Finder& find)
{
    switch (row.kind) {
    case VnControlKind::ListView:
        binder.BindListView(find.template One<QTreeWidget>(row), true);
        return;
    case VnControlKind::Edits:
        binder.BindEdits(row.item, row.format, find.template Many<QLineEdit>(row));
        return;
    case VnControlKind::ComboBox:
        binder.BindComboBox(row.item, find.template One<QComboBox>(row));
        return;
    case VnControlKind::CheckBox:
        binder.BindCheckBox(row.item, find.template One<QCheckBox>(row));
        return;
    case VnControlKind::CheckBoxes:
        binder.BindCheckBoxList(row.item, row.format, find.template Many<QCheckBox>(row));
        return;
    case VnControlKind::PortGrid:
        binder.BindCheckBoxList(row.item, PortBits(row), find.GridBoxes(row));
        return;
    case VnControlKind::StaticText:
        binder.BindStaticText(row.item, find.template One<QLabel>(row));
        return;
    case VnControlKind::Label:
        binder.BindLabel(row.item, find.template One<QLabel>(row));
        return;
    case VnControlKind::RadioGroup:
        binder.BindRadioGroup(row.item, find.template One<VnRadioGroup>(row));
        return;
    }
}

// The dialog's own controls.
struct FormControls {
    const QWidget& form;

    template <typename Control>
    Control* One(const VnBinding& row)
    {
        return Find<Control>(form, row.control);
    }
    template <typename Control>
    std::vector<Control*> Many(const VnBinding& row)
    {
        return FindAll<Control>(form, row.control);
    }
    std::vector<QCheckBox*> GridBoxes(const VnBinding& row)
    {
        const auto* grid = Find<TStackingPortUitForm>(form, row.control);
        return grid ? grid->CheckBoxList() : std::vector<QCheckBox*>{};
    }
};

// Stand-ins, as many as a row needs, so that a row's item and format can
// be tried on a binder of its own without touching the dialog.
struct ScratchControls {
    std::vector<std::unique_ptr<QWidget>> made;

    template <typename Control>
    Control* One(const VnBinding&)
    {
        auto control = std::make_unique<Control>();
        Control* raw = control.get();
        made.push_back(std::move(control));
        return raw;
    }
    template <typename Control>
    std::vector<Control*> Many(const VnBinding& row, std::size_t count = 0)
    {
        if (count == 0)
            count = Names(row.control).size();
        std::vector<Control*> controls;
        for (std::size_t k = 0; k < count; ++k)
            controls.push_back(One<Control>(row));
        return controls;
    }
    std::vector<QCheckBox*> GridBoxes(const VnBinding& row)
    {
        return Many<QCheckBox>(row, TStackingPortUitForm::kBoxes);
    }
};

const char* KindName(VnControlKind kind)
{
    switch (kind) {
    case VnControlKind::ListView:
        return "list view";
    case VnControlKind::Edits:
        return "edits";
    case VnControlKind::ComboBox:
        return "combo box";
    case VnControlKind::CheckBox:
        return "check box";
    case VnControlKind::CheckBoxes:
        return "check boxes";
    case VnControlKind::PortGrid:
        return "port grid";
    case VnControlKind::StaticText:
        return "static text";
    case VnControlKind::Label:
        return "label";
    case VnControlKind::RadioGroup:
        return "radio group";
    }
    return "control";
}

// Whether every control the row names is there with its kind's class.
bool ControlsPresent(const QWidget& form, const VnBinding& row)
{
    FormControls controls{form};
    auto allThere = [](const auto& list) {
        return !list.empty() && std::all_of(list.begin(), list.end(), [](const auto* c) { return c != nullptr; });
    };
    switch (row.kind) {
    case VnControlKind::ListView:
        return controls.One<QTreeWidget>(row) != nullptr;
    case VnControlKind::Edits:
        return allThere(controls.Many<QLineEdit>(row));
    case VnControlKind::ComboBox:
        return controls.One<QComboBox>(row) != nullptr;
    case VnControlKind::CheckBox:
        return controls.One<QCheckBox>(row) != nullptr;
    case VnControlKind::CheckBoxes:
        return allThere(controls.Many<QCheckBox>(row));
    case VnControlKind::PortGrid:
        return Find<TStackingPortUitForm>(form, row.control) != nullptr;
    case VnControlKind::StaticText:
    case VnControlKind::Label:
        return controls.One<QLabel>(row) != nullptr;
    case VnControlKind::RadioGroup:
        return controls.One<VnRadioGroup>(row) != nullptr;
    }
    return false;
}

// The binder reads a bit list leniently; a table's list must be plain
// decimal numbers, or a box would stand for a bit nobody meant.
bool BitListIsPlain(const VnBinding& row)
{
    if (row.kind != VnControlKind::CheckBoxes && row.kind != VnControlKind::PortGrid)
        return true;
    if (row.kind == VnControlKind::PortGrid && !*row.format)
        return true;
    for (const std::string& bit : Names(row.format)) {
        if (bit.empty() || bit.find_first_not_of("0123456789") != std::string::npos)
            return false;
    }
    return true;
}

}  // namespace

void VnApplyBindings(QWidget& form, VnSNMPRequest2Edits& binder, const VnBindingTable& table)
{
    FormControls controls{form};
    for (const VnBinding& row : table.rows) {
        BindRow(binder, row, controls);
        if (row.kind != VnControlKind::Edits)
            continue;
        // However the layout shares the room, a field shows its longest value whole.
        for (QLineEdit* edit : controls.Many<QLineEdit>(row)) {
            if (const _EditConstraint_s* record = edit ? binder.Constraints().Find(edit) : nullptr)
                VnFitEditToConstraint(*edit, *record);
        }
    }
    if (*table.statusOutput)
        binder.SetStatusOutput(Find<QWidget>(form, table.statusOutput));
}

std::vector<std::string> VnBindingFaults(const QWidget& form, const VnBindingTable& table)
{
    std::vector<std::string> faults;
    if (!table.descriptors) {
        faults.push_back("no descriptor table");
        return faults;
    }
    // The stand-ins outlive the binder that holds them.
    ScratchControls standIns;
    VnSNMPRequest2Edits scratch(nullptr);
    scratch.request.varList = VnSNMPVarList(table.descriptors, table.itemType, table.keyCount);
    const int items = scratch.request.varList.Count();
    for (const VnBinding& row : table.rows) {
        const std::string what = std::string(KindName(row.kind)) + " \"" + row.control + "\"";
        if (!ControlsPresent(form, row))
            faults.push_back(what + ": no such control of this kind");
        if (!BitListIsPlain(row))
            faults.push_back(what + ": the bit list \"" + row.format + "\" is not decimal numbers");
        if (row.kind != VnControlKind::ListView && (row.item < 0 || row.item >= items)) {
            faults.push_back(what + ": item " + std::to_string(row.item) + " outside the list of " +
                             std::to_string(items));
            continue;
        }
        try {
            BindRow(scratch, row, standIns);
        } catch (const std::exception& e) {
            faults.push_back(what + ": " + e.what());
        }
        if (row.kind == VnControlKind::ListView)
            scratch.BindListView(nullptr);
    }
    for (const char* output : {table.statusOutput, table.rowCount}) {
        if (*output && !Find<QWidget>(form, output))
            faults.push_back(std::string("no control \"") + output + "\"");
    }
    if (*table.rowCount && !Find<QLabel>(form, table.rowCount))
        faults.push_back(std::string("row count \"") + table.rowCount + "\" is no label");
    return faults;
}
