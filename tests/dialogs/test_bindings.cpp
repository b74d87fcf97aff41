// The data check over the dialogs' binding tables: every row of every
// built dialog names a control the dialog has, of its row's kind, an item
// of its list, and a format the binder takes. A wrong row would bind a
// field to another column, or leave it unbound, on a real switch.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

#include "BridgeMib.h"
#include "TDialogBase.h"
#include "VnBindingTable.h"
#include "VnCommandTable.h"
#include "dialog_test_support.h"
#include "every_dialog.h"

using namespace dialogtest;

namespace {

using K = VnControlKind;

class DialogBindings : public DialogSwitchTest {};

TEST_F(DialogBindings, EveryRowOfEveryBuiltDialogBinds)
{
    int built = 0;
    ForEveryDialog(Shown::No, [&](TDialogBase& form, const VnDialogCommand&) {
        for (const VnBindingTable* table : form.BindingTables())
            EXPECT_EQ(VnBindingFaults(form, *table), std::vector<std::string>{});
        ++built;
    });
    EXPECT_GE(built, 2);
}

// A form with one control of each kind the faulty rows below name.
struct Fixture {
    Fixture()
    {
        for (const char* name : {"ED_A", "ED_B"})
            (new QLineEdit(&form))->setObjectName(name);
        (new QComboBox(&form))->setObjectName("CB_Status");
        (new QCheckBox(&form))->setObjectName("CK_One");
        (new QLabel(&form))->setObjectName("ST_Count");
        (new QTreeWidget(&form))->setObjectName("LV_Rows");
        (new QPlainTextEdit(&form))->setObjectName("Memo1");
    }
    QWidget form;
};

TEST(BindingFaults, EachKindOfFaultIsNamed)
{
    Fixture f;
    const struct {
        VnBinding row;
        const char* fault;  // null: the row binds; empty: the binder's own message
        const char* why;
    } cases[] = {
        {{-1, K::ListView, "LV_Rows"}, nullptr, "the rows"},
        {{1, K::Edits, "ED_A", "%s{l32}"}, nullptr, "a name of at most 32 characters"},
        {{0, K::Edits, "ED_A,ED_B", "%i%i"}, nullptr, "two edits for two conversions"},
        {{5, K::ComboBox, "CB_Status"}, nullptr, "the status has options"},
        {{1, K::Edits, "ED_Missing", "%s"}, "no such control", "a name the form lacks"},
        {{1, K::ComboBox, "ED_A"}, "no such control", "an edit is no combo box"},
        {{1, K::Edits, "ED_A", "%i%i"}, "", "one edit for two conversions"},
        {{6, K::Edits, "ED_A", "%s"}, "outside the list", "the list has items 0 to 5"},
        {{1, K::Edits, "ED_A", "%q"}, "", "no such conversion"},
        {{1, K::ComboBox, "CB_Status"}, "", "the name has no option list"},
        {{2, K::CheckBoxes, "CK_One", "x"}, "", "a bit list that is no list of numbers"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const VnBindingTable table{.descriptors = VlanStaticTable, .itemType = MVT_UMV, .keyCount = 1, .rows = {c.row}};
        const std::vector<std::string> faults = VnBindingFaults(f.form, table);
        if (!c.fault) {
            EXPECT_EQ(faults, std::vector<std::string>{});
            continue;
        }
        ASSERT_FALSE(faults.empty());
        EXPECT_NE(faults[0].find(c.fault), std::string::npos) << faults[0];
        EXPECT_NE(faults[0].find(c.row.control), std::string::npos) << faults[0];
    }
}

TEST(BindingFaults, OutputsAndCountsMustExist)
{
    Fixture f;
    const struct {
        const char* output;
        const char* count;
        std::size_t faults;
        const char* why;
    } cases[] = {
        {"Memo1", "ST_Count", 0, "both there"},
        {"Memo2", "", 1, "no such memo"},
        {"", "ST_Missing", 2, "no such count: missing, and no label"},
        {"", "Memo1", 1, "a memo is no count label"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const VnBindingTable table{.descriptors = VlanStaticTable,
                                   .itemType = MVT_UMV,
                                   .keyCount = 1,
                                   .rows = {},
                                   .statusOutput = c.output,
                                   .rowCount = c.count};
        EXPECT_EQ(VnBindingFaults(f.form, table).size(), c.faults);
    }
}

}  // namespace
