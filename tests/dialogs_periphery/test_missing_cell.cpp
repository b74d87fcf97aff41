// A row that lacks one cell in the walk, in each list dialog of this
// folder: the other cells stay in their rows, the hole shows nothing, and
// an action on that row sends only what the user chose, never the hole.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

#include "Communitystringtableformunit.h"
#include "Dot1xstatisticsformunit.h"
#include "Md5infortable.h"
#include "Msinfortable.h"
#include "Routeredistributformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

using Record = std::vector<std::vector<std::string>>;
using Rows = std::vector<QStringList>;

const std::string kMd5 = "1.3.6.1.4.1.88406.11.59.5.3.4.1.";
const std::string kRedistribution = "1.3.6.1.4.1.88406.11.59.5.3.5.1.";
const std::string kCommunity = "1.3.6.1.6.3.18.1.1.1.";
const std::string kMonitor = StringIndex("monitor", true);
const std::string kMember = "1.3.6.1.4.1.88406.12.8.1.3.1.";
const std::string kStation = "1.3.6.1.4.1.88406.12.3.6.3.1.";

// What a cell without a value shows.
bool Blank(const QString& text)
{
    return text.isEmpty() || text == "(NOTDONE)" || text == "(NULL)";
}

Rows RowsOf(const QTreeWidget* list)
{
    Rows rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList texts;
        for (int c = 0; c < list->columnCount(); ++c)
            texts << list->topLevelItem(row)->text(c);
        rows.push_back(texts);
    }
    return rows;
}

struct HoleCase {
    const char* why;
    std::string hole;
    // Opens the dialog with its list read.
    std::function<std::unique_ptr<TDialogBase>()> open;
    std::function<QTreeWidget*(TDialogBase&)> list;
    // Works the row with the hole; checks the fields it shows.
    std::function<void(TDialogBase&)> act;
    Record expected;
    bool shown;  // whether the list shows the hole's column
};

class MissingCell : public PeripherySwitchTest {
protected:
    template <typename Form>
    std::unique_ptr<TDialogBase> Open()
    {
        auto form = std::make_unique<Form>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
};

TEST_F(MissingCell, TheHoleStaysEmptyAndIsNeverSent)
{
    const HoleCase cases[] = {
        {"md5 key", kMd5 + "2.1",
         [this] { return Open<TMd5InformationForm>(); },
         [](TDialogBase& f) { return static_cast<TMd5InformationForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TMd5InformationForm&>(f);
             ASSERT_TRUE(SelectRow(form.ListView1, {{"Key Id", "1"}}));
             TMd5EditForm* edit = Md5EditForm;
             EXPECT_TRUE(WhileShown(edit, [&] { form.EditButtonClick(); }, [&] {
                 EXPECT_EQ(edit->KeyIDEdit->text(), "1");
                 EXPECT_TRUE(Blank(edit->KeyEdit->text()));
                 edit->KeyEdit->setText("fresh1");
                 edit->SetButtonClick();
             }));
         },
         {{kMd5 + "2.1=" + Hex("fresh1"), kMd5 + "3.1=1"}}, true},
        {"community security name", kCommunity + "3." + kMonitor,
         [this] { return Open<TCommunityStringTableForm>(); },
         [](TDialogBase& f) { return static_cast<TCommunityStringTableForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TCommunityStringTableForm&>(f);
             ASSERT_TRUE(SelectRow(form.ListView1, {{"Index", "monitor"}}));
             EXPECT_EQ(form.Edit2->text(), "mon1tor");
             EXPECT_TRUE(Blank(form.Edit3->text()));
             form.Edit2->setText("m2");
             form.SetBtnClick();
         },
         {{kCommunity + "2." + kMonitor + "=" + Hex("m2"), kCommunity + "8." + kMonitor + "=1"}}, true},
        {"redistribution metric", kRedistribution + "4.3.2",
         [this] { return Open<TRouteRedistributForm>(); },
         [](TDialogBase& f) { return static_cast<TRouteRedistributForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TRouteRedistributForm&>(f);
             ASSERT_TRUE(SelectRow(form.ListView1, {{"Source Protocol", "OSPF"}, {"Destination Protocol", "RIP"}}));
             EXPECT_TRUE(Blank(form.Edit1->text()));
             form.Edit1->setText("9");
             form.RadioButtons[4]->setChecked(true);  // internal
             form.EditBtnClick();
         },
         {{kRedistribution + "3.3.2=5", kRedistribution + "4.3.2=9", kRedistribution + "5.3.2=1"}}, true},
        {"member version", kMember + "4.1",
         [this] { return Open<TMSInformationForm>(); },
         [](TDialogBase& f) { return static_cast<TMSInformationForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TMSInformationForm&>(f);
             ASSERT_TRUE(SelectRow(form.ListView1, {{"Member ID", "1"}}));
             form.DeleteButtonClick();
             EXPECT_TRUE(WaitIdle(*MSEditForm));
         },
         {{kMember + "10.1=6"}}, true},
        {"802.1X counter", kStation + "5.0.10.11.12.13.14.12",
         [this] { return Open<TDiagnosticsInformationForm>(); },
         [](TDialogBase& f) { return static_cast<TDiagnosticsInformationForm&>(f).ListView1; },
         [](TDialogBase&) {}, {}, true},
    };
    for (const HoleCase& c : cases) {
        SCOPED_TRACE(c.why);
        Rows before;
        {
            auto form = c.open();
            before = RowsOf(c.list(*form));
        }
        ASSERT_FALSE(before.empty());
        sim().unset(c.hole);
        sim().clearSets();
        auto form = c.open();
        const Rows after = RowsOf(c.list(*form));
        ASSERT_EQ(after.size(), before.size());
        int changed = 0;
        for (std::size_t r = 0; r < after.size(); ++r) {
            ASSERT_EQ(after[r].size(), before[r].size());
            for (int col = 0; col < after[r].size(); ++col) {
                if (after[r][col] == before[r][col])
                    continue;
                ++changed;
                EXPECT_TRUE(Blank(after[r][col])) << r << "," << col << ": " << after[r][col].toStdString();
            }
        }
        EXPECT_EQ(changed, c.shown ? 1 : 0);
        VnMessageBoxCapture boxes;
        c.act(*form);
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
        EXPECT_EQ(SetRecord(), c.expected);
    }
}

}  // namespace
