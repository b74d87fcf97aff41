// A row that lacks one cell in the walk, in each list dialog of this
// folder: the other cells stay in their rows, the hole shows nothing, and
// an Edit of that row sends only what the user chose, never the hole.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "Methodlistformunit.h"
#include "Serverinfounit.h"
#include "Systemloghostunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

using Record = std::vector<std::vector<std::string>>;
using Rows = std::vector<QStringList>;

const std::string kSyslog = "1.3.6.1.4.1.88406.12.12.2.1.";
const std::string kServer = "1.3.6.1.4.1.88406.12.5.10.1.";
const std::string kEnable = "1.3.6.1.4.1.88406.12.5.4.1.";
const std::string kAdmin = "5.97.100.109.105.110";
const std::string kRadius = "10.1.1.2.4";

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

bool SelectCells(QTreeWidget* list, const QString& first, const QString& second = {})
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->text(0) == first && (second.isEmpty() || item->text(1) == second)) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

struct HoleCase {
    const char* why;
    std::string hole;
    std::function<std::unique_ptr<TDialogBase>()> open;
    std::function<QTreeWidget*(TDialogBase&)> list;
    // Edits the row with the hole; checks the fields it shows.
    std::function<void(TDialogBase&)> act;
    Record expected;
};

class MissingCell : public MgmtSwitchTest {
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
        {"syslog host port", kSyslog + "5.3",
         [this] { return Open<TSystemLogHostForm>(); },
         [](TDialogBase& f) { return static_cast<TSystemLogHostForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TSystemLogHostForm&>(f);
             ASSERT_TRUE(SelectCells(form.ListView1, "3"));
             TLogHostEditForm* edit = LogHostEditForm;
             EXPECT_TRUE(WhileShown(edit, [&] { form.EditButton->click(); }, [&] {
                 EXPECT_EQ(edit->IPAddrEdit->text(), "192.168.1.20");
                 EXPECT_TRUE(Blank(edit->PortEdit->text())) << edit->PortEdit->text().toStdString();
                 edit->StateComboBox->setCurrentIndex(1);
                 edit->findChild<QCheckBox*>("CheckBox5")->setChecked(true);
                 edit->SetButton->click();
             }));
         },
         {{kSyslog + "6.3=3", kSyslog + "7.3=1"}}},
        {"server timeout", kServer + "5." + kRadius,
         [this] { return Open<TServerInformationForm>(); },
         [](TDialogBase& f) { return static_cast<TServerInformationForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TServerInformationForm&>(f);
             ASSERT_TRUE(SelectCells(form.ListView1, "10.1.1.2", "radius"));
             EXPECT_EQ(form.KeyEdit->text(), "radkey");
             EXPECT_TRUE(Blank(form.TimeoutEdit->text())) << form.TimeoutEdit->text().toStdString();
             form.KeyEdit->setText("newkey");
             form.EditButton->click();
         },
         {{kServer + "3." + kRadius + "=1812", kServer + "4." + kRadius + "=" + Hex("newkey"),
           kServer + "6." + kRadius + "=3"}}},
        {"enable method slot", kEnable + "4." + kAdmin,
         [this] { return Open<TEnableMethodForm>(); },
         [](TDialogBase& f) { return static_cast<TEnableMethodForm&>(f).ListView1; },
         [](TDialogBase& f) {
             auto& form = static_cast<TEnableMethodForm&>(f);
             ASSERT_TRUE(SelectCells(form.ListView1, "admin"));
             EXPECT_EQ(form.TypeComboBoxes[1]->currentIndex(), -1);
             form.TypeComboBoxes[0]->setCurrentIndex(2);  // tacacs-plus
             form.EditButton->click();
         },
         {{kEnable + "2." + kAdmin + "=3"}}},
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
        EXPECT_EQ(changed, 1);
        VnMessageBoxCapture boxes;
        c.act(*form);
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
        EXPECT_EQ(SetRecord(), c.expected);
    }
}

}  // namespace
