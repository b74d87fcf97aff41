// Rows whose instance does not decode exactly for the table's index: listed
// with the raw instance in their key cells, never changed. Every kind of
// key, in the table editor (Delete and Edit) and through a binder's set at
// the selected row (the path of every dialog's Set and Delete); the real
// row the malformed one resembles is written at its own instance only.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "VnMessageBox.h"
#include "configform_support.h"

using namespace formtest;

namespace {

using Record = std::vector<std::vector<std::string>>;

constexpr unsigned kKey = A::NotAccess;
constexpr unsigned kImpliedKey = A::NotAccess | A::Implied;

#define MALFORMED_COLUMNS                                                   \
    {FORMTEST_T(3), "Name", S::DisplayStr, A::ReadWrite},                   \
        {FORMTEST_T(5), "Status", S::Integer, A::ReadWrite, &kRowStatusOptions}, {}

const VnSNMPVarDesc kIntegerKey[] = {{" ", "VLAN", S::Integer, kKey}, MALFORMED_COLUMNS};
const VnSNMPVarDesc kCountedKey[] = {{" ", "Group", S::OctetStr, kKey}, MALFORMED_COLUMNS};
const VnSNMPVarDesc kImpliedStringKey[] = {{" ", "Community", S::DisplayStr, kImpliedKey}, MALFORMED_COLUMNS};
const VnSNMPVarDesc kMacKey[] = {{" ", "MAC", S::MacAddress, kKey}, MALFORMED_COLUMNS};
const VnSNMPVarDesc kAddressKey[] = {{" ", "Address", S::IpAddress, kKey}, MALFORMED_COLUMNS};

struct MalformedCase {
    const char* kind;
    const VnSNMPVarDesc* table;
    const char* real;       // the row's own instance
    const char* malformed;  // an instance that decodes to (nearly) the same key
};

const MalformedCase kCases[] = {
    {"integer, a number left over", kIntegerKey, "20", "20.7"},
    {"counted string, more than its length", kCountedKey, "2.65.66", "2.65.66.67"},
    {"counted string, a length beyond the rest", kCountedKey, "2.65.66", "9.65.66"},
    {"IMPLIED string, a character above 255", kImpliedStringKey, "65.66", "65.66.322"},
    {"MAC, a part above 255 (341 shows as 55)", kMacKey, "0.1.2.3.4.85", "0.1.2.3.4.341"},
    {"MAC, five parts", kMacKey, "0.1.2.3.4.85", "0.1.2.3.4"},
    {"address, a number left over", kAddressKey, "10.90.90.90", "10.90.90.90.7"},
    {"address, three parts", kAddressKey, "10.90.90.90", "10.90.90"},
};

class MalformedRows : public FormSwitchTest {
protected:
    void TearDown() override
    {
        form.reset();
        FormSwitchTest::TearDown();
    }
    // The table holds the real row and the malformed one, nothing else.
    void Serve(const MalformedCase& c)
    {
        std::vector<std::string> rows{"1.1", "1.2", "10.5"};
        rows.insert(rows.end(), served_.begin(), served_.end());
        for (const std::string& row : rows) {
            for (const char* column : {FORMTEST_T(3), FORMTEST_T(4), FORMTEST_T(5)}) {
                if (sim().get(column + std::string(".") + row))
                    sim().unset(column + std::string(".") + row);
            }
        }
        served_ = {c.real, c.malformed};
        for (const char* instance : {c.real, c.malformed}) {
            sim().set(FORMTEST_T(3) "." + std::string(instance), "STRING", "row");
            sim().set(FORMTEST_T(5) "." + std::string(instance), "INTEGER", "1");
        }
    }
    void Build(const MalformedCase& c)
    {
        form = std::make_unique<TConfigForm>();
        auto made = MakeBinder(form.get(), c.table, MVT_FMV, 1, port());
        binder = made.get();
        panel = form->SetListViewPanel(std::move(made), 2, "createAndGo", 2, "destroy");
        list = panel->ListViewPanel->ListView;
        column = panel->CtrlBtnPanel;
        memo = panel->StatusPanel()->Memo;
        form->show();
        ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == 2; }))
            << list->topLevelItemCount();
    }
    // The row whose key cell (column 0 after the hidden ones) reads `text`.
    QTreeWidgetItem* RowShowing(const std::string& text) const
    {
        const std::vector<int>& columns = binder->ColumnItems();
        const auto key = std::find(columns.begin(), columns.end(), 0);
        const int at = static_cast<int>(key - columns.begin());
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            if (list->topLevelItem(r)->text(at).toStdString() == text)
                return list->topLevelItem(r);
        }
        return nullptr;
    }
    QTreeWidgetItem* MalformedRow(const MalformedCase& c) const
    {
        return RowShowing(std::string(c.malformed) + " (malformed instance)");
    }
    QTreeWidgetItem* RealRow() const
    {
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            if (!list->topLevelItem(r)->text(1).contains("malformed") &&
                !list->topLevelItem(r)->text(0).contains("malformed"))
                return list->topLevelItem(r);
        }
        return nullptr;
    }
    bool RealRowIntact(const MalformedCase& c)
    {
        const auto status = sim().get(FORMTEST_T(5) "." + std::string(c.real));
        return status && status->value == "1";
    }

    std::unique_ptr<TConfigForm> form;
    VnSNMPRequest2Edits* binder = nullptr;
    TSNMPListViewPanel* panel = nullptr;
    QTreeWidget* list = nullptr;
    TCtrlBtnPanel* column = nullptr;
    QPlainTextEdit* memo = nullptr;

private:
    std::vector<std::string> served_;
};

}  // namespace

TEST_F(MalformedRows, TheEditorListsThemButDeleteAndEditSendNothing)
{
    for (const MalformedCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        Serve(c);
        Build(c);
        QTreeWidgetItem* bad = MalformedRow(c);
        ASSERT_NE(bad, nullptr) << "the malformed row is listed with its raw instance";
        ASSERT_NE(RealRow(), nullptr);
        sim().clearSets();

        // Delete is refused before its question, on a line of its own, and
        // no read follows to write "Ok" under it.
        VnMessageBoxCapture boxes;
        list->setCurrentItem(bad);
        column->DeleteBtn->click();
        EXPECT_EQ(SetRecord(), Record{}) << "Delete";
        ASSERT_EQ(boxes.Texts().size(), 1) << "no question asked, only the refusal";
        EXPECT_TRUE(boxes.Texts()[0].contains(QString::fromUtf8(c.malformed))) << boxes.Texts()[0].toStdString();
        const std::string last = LastLine(*memo);
        EXPECT_EQ(last.rfind("Delete: The row at instance " + std::string(c.malformed) + " does not decode exactly", 0),
                  0u)
            << last;
        EXPECT_TRUE(last.ends_with("Nothing sent. Refused at T.")) << last;
        EXPECT_TRUE(RealRowIntact(c));

        // Edit is not offered for it: no form opens, the box names the row.
        ASSERT_NE(bad = MalformedRow(c), nullptr);
        list->setCurrentItem(bad);
        boxes.Clear();
        OnModal noForm([](QDialog* dialog) {
            ADD_FAILURE() << "an edit form opened: " << dialog->windowTitle().toStdString();
            dialog->reject();
        });
        column->EditBtn->click();
        EXPECT_FALSE(noForm.Ran());
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(boxes.Texts()[0].contains(QString::fromUtf8(c.malformed))) << boxes.Texts()[0].toStdString();
        EXPECT_EQ(SetRecord(), Record{}) << "Edit";
        const std::string refused = LastLine(*memo);
        EXPECT_EQ(refused.rfind("Set: The row at instance " + std::string(c.malformed), 0), 0u) << refused;
        EXPECT_TRUE(refused.ends_with("cannot be changed here. Nothing sent. Receive at T.")) << refused;

        // The real row is deleted at its own instance.
        list->setCurrentItem(RealRow());
        column->DeleteBtn->click();
        EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(5) "." + std::string(c.real) + "=6"}}));
        form.reset();
    }
}

// A dialog's Set and Delete go through the binder's set at the selected row.
TEST_F(MalformedRows, ASetAtTheSelectedRowRefusesThemAndReachesTheRealRowExactly)
{
    for (const MalformedCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        Serve(c);
        Build(c);
        sim().clearSets();
        VnMessageBoxCapture boxes;
        std::optional<VnBinderModeScope> blocking(std::in_place, *binder, VnSNMPRequest2Controls::kModeSync);

        ASSERT_NE(MalformedRow(c), nullptr);
        list->setCurrentItem(MalformedRow(c));
        EXPECT_FALSE(binder->ApplyToSelectedRow(false, "2", nullptr));
        EXPECT_EQ(SetRecord(), Record{});
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(boxes.Texts()[0].contains(QString::fromUtf8(c.malformed))) << boxes.Texts()[0].toStdString();

        list->setCurrentItem(RealRow());
        const VnSNMPValues values{"active"};
        EXPECT_TRUE(binder->ApplyToSelectedRow(false, "2", &values));
        EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(5) "." + std::string(c.real) + "=1"}}));
        EXPECT_FALSE(binder->request.rowInstance) << "the pin ends with the set";
        blocking.reset();
        form.reset();
    }
}
