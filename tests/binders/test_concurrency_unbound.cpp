// A set from a table form writes what the user chose at the selected row:
// the columns bound to controls and those the command names, never a column
// no control shows at the value read earlier (another manager may have
// changed it since).
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

// Five rows read into a list; only the name has a control.
struct NameForm {
    QWidget form;
    QTreeWidget list{&form};
    QLineEdit name{&form};
    VnSNMPRequest2Edits binder{&form};

    explicit NameForm(std::uint16_t port)
    {
        binder.request.varList = VnSNMPVarList(kTable, MVT_FMV, 1);
        Aim(binder.request, port);
        binder.BindListView(&list);
        binder.BindEdits(kRowName, "%s{l32}", {&name});
    }
    bool Load()
    {
        binder.Refresh();
        return RunUntil([&] { return !binder.Busy(); }) && list.topLevelItemCount() == 5;
    }
    bool Set(int row, const char* newName, const std::string& itemList = {})
    {
        list.setCurrentItem(list.topLevelItem(row));
        name.setText(newName);
        return binder.Apply(false, true, itemList) && RunUntil([&] { return !binder.Busy(); });
    }
};

class UnboundColumnsTest : public BinderSwitchTest {};

TEST_F(UnboundColumnsTest, TheSetCarriesBoundAndNamedColumnsOnly)
{
    struct Case {
        std::string itemList;
        std::vector<std::string> sent;
        const char* why;
    };
    const Case cases[] = {
        {"", {BINDERTEST_T(2) ".3=65646765"}, "only the name has a control"},
        {std::to_string(kRowName), {BINDERTEST_T(2) ".3=65646765"}, "the command names the bound column"},
        {std::to_string(kRowName) + "," + std::to_string(kRowState),
         {BINDERTEST_T(2) ".3=65646765", BINDERTEST_T(3) ".3=3"},
         "a column the command names goes at the row's value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        NameForm f(port());
        ASSERT_TRUE(f.Load());
        ASSERT_TRUE(f.Set(2, "edge", c.itemList));
        const auto sets = SetRecord();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], c.sent);
    }
}

TEST_F(UnboundColumnsTest, AChangeMadeElsewhereSinceTheReadStays)
{
    NameForm f(port());
    ASSERT_TRUE(f.Load());
    // Another manager turns row 1 off and changes its ports meanwhile.
    sim().set(BINDERTEST_T(3) ".1", "INTEGER", "2");
    sim().set(BINDERTEST_T(4) ".1", "OCTETSTR", "01");
    ASSERT_TRUE(f.Set(0, "renamed"));

    const auto state = sim().get(BINDERTEST_T(3) ".1");
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->value, "2");
    const auto ports = sim().get(BINDERTEST_T(4) ".1");
    ASSERT_TRUE(ports.has_value());
    EXPECT_EQ(ports->value, "01");
    const auto renamed = sim().get(BINDERTEST_T(2) ".1");
    ASSERT_TRUE(renamed.has_value());
    EXPECT_EQ(renamed->value, "72656E616D6564");
}

}  // namespace
