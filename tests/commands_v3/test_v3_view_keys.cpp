// A view of everything is keyed by its name and the subtree 1, an OID of
// one arc: the view table lists that row with its key, and its Delete and
// Edit reach exactly that row, never the view of 1.3.6.1 beside it.
#include <gtest/gtest.h>

#include "test_v3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace v3test;

namespace {

const std::string kView = "1.3.6.1.6.3.16.1.5.2.1";
const std::string kEverything = "3.97.108.108.1.1";     // "all", subtree 1
const std::string kInternet = "3.97.108.108.4.1.3.6.1";  // "all", subtree 1.3.6.1

class ViewKeysTest : public V3CommandTest {
protected:
    void SetUp() override
    {
        V3CommandTest::SetUp();
        sim().command("set " + kView + ".4." + kEverything + " INTEGER 2");
        sim().command("set " + kView + ".6." + kEverything + " INTEGER 1");
    }
};

TEST_F(ViewKeysTest, TheViewOfSubtreeOneIsListedWithItsKey)
{
    EXPECT_TRUE(WithEditor(Main(), "ViewMIBTreeFamilyTable1Click", [&](TConfigForm& form, TSNMPEditorPanel&) {
        QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 2);
        EXPECT_EQ(view.topLevelItem(0)->text(0), "all");
        EXPECT_EQ(view.topLevelItem(0)->text(1), "1");
        EXPECT_EQ(view.topLevelItem(0)->text(2), "excluded");
        EXPECT_EQ(view.topLevelItem(1)->text(1), "1.3.6.1");
    }));
}

TEST_F(ViewKeysTest, ItsEditWritesThatRowOnly)
{
    EXPECT_TRUE(WithRowForm(Main(), "ViewMIBTreeFamilyTable1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        EXPECT_EQ(EditOf(table, 1)->text(), "1");
        SetOneRow(table, edit, 2, "included");
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kView + ".4." + kEverything + "=1"});
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

TEST_F(ViewKeysTest, ItsDeleteRemovesThatRowOnly)
{
    EXPECT_TRUE(WithEditor(Main(), "ViewMIBTreeFamilyTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 2);
        view.setCurrentItem(view.topLevelItem(0));
        qobject_cast<TSNMPListViewPanel*>(&panel)->CtrlBtnPanel->DeleteBtn->click();
        ASSERT_TRUE(WaitForRefresh(form));
        ASSERT_EQ(view.topLevelItemCount(), 1);
        EXPECT_EQ(view.topLevelItem(0)->text(1), "1.3.6.1");
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kView + ".6." + kEverything + "=6"});
    EXPECT_EQ(Boxes().Texts(), QStringList{"Are you sure to delete it?"}) << "only the question before it";
}

TEST_F(ViewKeysTest, AViewOfSubtreeOneIsAddedAtItsOneArcKey)
{
    EXPECT_TRUE(WithAddForm(Main(), "ViewMIBTreeFamilyTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
        Fill(table, 0, "v1");
        Fill(table, 1, "1");
        Fill(table, 2, "included");
        ClickSet(add);
    }));
    const std::string row = ".2.118.49.1.1";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kView + ".4" + row + "=1", kView + ".6" + row + "=4"}));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

} // namespace
