// The hook a form uses to empty the controls that showed the selected row
// once no row is selected any more.
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "VnSNMPRequest2Edits.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;

const VnSNMPVarDesc kRows[] = {
    {"1.3.6.1.4.1.88406.995.1", "Index", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.995.2", "Name", S::DisplayStr, A::ReadWrite},
    {},
};

class OpenEdits : public VnSNMPRequest2Edits {
public:
    using VnSNMPRequest2Edits::VnSNMPRequest2Edits;
    using VnSNMPRequest2Edits::AddRow;
    using VnSNMPRequest2Edits::BeforeRefresh;
};

class SelectionClearedTest : public ::testing::Test {
public:
    void SetUp() override
    {
        binder.request.varList = VnSNMPVarList(kRows, MVT_FMV, 1);
        binder.BindListView(&list);
        binder.BindEdits(1, "%s", {&name});
        binder.OnSelectionCleared = [this] {
            ++cleared;
            name.clear();
        };
        form.resize(400, 300);
        list.setGeometry(0, 0, 400, 300);
        form.show();
        Fill();
    }
    void Fill()
    {
        binder.BeforeRefresh();
        for (const char* row : {"1", "2"}) {
            binder.request.varList.Item(0).value = row;
            binder.request.varList.Item(1).value = std::string("name") + row;
            binder.AddRow();
        }
    }

    QWidget form;
    QTreeWidget list{&form};
    QLineEdit name{&form};
    OpenEdits binder{&form};
    int cleared = 0;
};

} // namespace

TEST_F(SelectionClearedTest, ChangingRowsIsNotAClearing)
{
    list.topLevelItem(0)->setSelected(true);
    list.setCurrentItem(list.topLevelItem(1));
    EXPECT_EQ(name.text(), "name2");
    EXPECT_EQ(cleared, 0);
}

TEST_F(SelectionClearedTest, EachWayOfLosingTheRowRunsTheHookOnce)
{
    struct Case {
        const char* why;
        void (*lose)(SelectionClearedTest&);
    };
    const Case cases[] = {
        {"a click on empty list space",
         [](SelectionClearedTest& t) {
             const QRect last = t.list.visualItemRect(t.list.topLevelItem(1));
             QTest::mouseClick(t.list.viewport(), Qt::LeftButton, {},
                               QPoint(last.center().x(), last.bottom() + 40));
         }},
        {"a deselection", [](SelectionClearedTest& t) { t.list.clearSelection(); }},
        {"a refresh", [](SelectionClearedTest& t) { t.Fill(); }},
    };
    for (const Case& c : cases) {
        Fill();
        cleared = 0;
        list.topLevelItem(0)->setSelected(true);
        ASSERT_EQ(name.text(), "name1") << c.why;
        c.lose(*this);
        EXPECT_TRUE(list.selectedItems().isEmpty()) << c.why;
        EXPECT_EQ(cleared, 1) << c.why;
        EXPECT_EQ(name.text(), "") << c.why;
    }
}

TEST_F(SelectionClearedTest, RefreshWithoutASelectedRowDoesNotRunIt)
{
    Fill();
    EXPECT_EQ(cleared, 0);
}
