// The community table (IMPLIED string index; every column in each set,
// Add and Delete only presetting the status; Delete at the selected row
// only) and the two read-only 802.1X counter lists.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "Communitystringtableformunit.h"
#include "Dot1xstatisticsformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kCommunity = "1.3.6.1.6.3.18.1.1.1.";

std::vector<std::string> CommunitySet(const std::string& index, const std::string& name, const std::string& security,
                                      int status)
{
    const std::string instance = StringIndex(index, true);
    return {kCommunity + "2." + instance + "=" + Hex(name), kCommunity + "3." + instance + "=" + Hex(security),
            kCommunity + "8." + instance + "=" + std::to_string(status)};
}

class Community : public PeripherySwitchTest {
protected:
    std::unique_ptr<TCommunityStringTableForm> Open()
    {
        auto form = std::make_unique<TCommunityStringTableForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void Select(TCommunityStringTableForm& form, const char* index)
    {
        SelectRow(form.ListView1, {{"Index", index}});
    }
};

TEST_F(Community, ListsTheRowsByTheirImpliedIndex)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Community String Table: 127.0.0.1");
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"monitor", "writer"}));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Security Name"), QStringList({"monitorUser", "writerUser"}));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

TEST_F(Community, AddSetAndDeleteCarryEveryColumn)
{
    auto form = Open();
    form->Edit1->setText("ab");
    form->Edit2->setText("n1");
    form->Edit3->setText("s1");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{CommunitySet("ab", "n1", "s1", 4)}));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"ab", "monitor", "writer"}));

    sim().clearSets();
    Select(*form, "monitor");
    form->Edit2->setText("m2");
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{CommunitySet("monitor", "m2", "monitorUser", 1)}));

    // An index typed over the selected row is no address for Delete.
    sim().clearSets();
    Select(*form, "writer");
    form->Edit1->setText("monitor");
    form->Edit2->setText("changed");
    form->DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{CommunitySet("writer", "wr1ter", "writerUser", 6)}));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"ab", "monitor"}));
}

TEST_F(Community, SetGoesToTheSelectedRowWhateverIndexIsTyped)
{
    auto form = Open();
    Select(*form, "writer");
    form->Edit1->setText("monitor");
    form->Edit2->setText("w2");
    VnMessageBoxCapture boxes;
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const auto record = SetRecord();
    // Sent at the selected row, or refused; never at the typed index.
    if (!record.empty())
        EXPECT_EQ(record, (std::vector<std::vector<std::string>>{CommunitySet("writer", "w2", "writerUser", 1)}));
    EXPECT_EQ(sim().get(kCommunity + "2." + StringIndex("monitor", true))->value, Hex("mon1tor"));
}

TEST_F(Community, ATypedNameStopsAtThirtyTwoCharacters)
{
    auto form = Open();
    Select(*form, "monitor");
    form->Edit2->clear();
    QTest::keyClicks(form->Edit2, QString(33, 'n'));
    EXPECT_EQ(form->Edit2->text(), QString(32, 'n'));
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                               CommunitySet("monitor", std::string(32, 'n'), "monitorUser", 1)}));
}

TEST_F(Community, DeleteNeedsASelectedRowAlsoAfterARefresh)
{
    auto form = Open();
    Select(*form, "monitor");
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    form->RefreshBtnClick();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    VnMessageBoxCapture boxes;
    form->DeleteBtnClick();
    form->SetBtnClick();
    RunEvents(50);
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Community, NoCommunityNameReachesTheMemo)
{
    sim().error(kCommunity + "8", "inconsistentValue", "set");
    auto form = Open();
    Select(*form, "monitor");
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    form->Edit1->setText("secretidx");
    form->Edit2->setText("secretname");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const QString memo = form->Memo1->toPlainText();
    EXPECT_TRUE(memo.contains("Set: ")) << memo.toStdString();
    for (const char* secret : {"mon1tor", "secretname", "secretidx", "monitorUser"})
        EXPECT_FALSE(memo.contains(secret)) << secret;
}

class Dot1x : public PeripherySwitchTest {};

TEST_F(Dot1x, RowsShowMacAndPortThenTheCountersInOrder)
{
    TDiagnosticsInformationForm diagnostics(nullptr, Context());
    EXPECT_EQ(diagnostics.windowTitle(), "Diagnostics Information Form: 127.0.0.1");
    ASSERT_EQ(diagnostics.ListView1->topLevelItemCount(), 2);
    const QTreeWidgetItem* header = diagnostics.ListView1->headerItem();
    ASSERT_EQ(header->columnCount(), 20);
    EXPECT_EQ(header->text(0), "Port Access Entity MAC Address");
    EXPECT_EQ(header->text(1), "Port Number");
    EXPECT_EQ(header->text(2), "Connecting Times");
    EXPECT_EQ(header->text(19), "Backend Authentication Fails Times");
    const QTreeWidgetItem* first = diagnostics.ListView1->topLevelItem(0);
    EXPECT_EQ(first->text(0), "000A0B0C0D0E");
    EXPECT_EQ(first->text(1), "12");
    for (int c = 2; c < 20; ++c)
        EXPECT_EQ(first->text(c), QString::number(200 + c - 1)) << c;
    EXPECT_EQ(diagnostics.ListView1->topLevelItem(1)->text(0), "001122334455");
    EXPECT_EQ(diagnostics.ListView1->topLevelItem(1)->text(1), "3");

    TMacStatisticTableForm frames(nullptr, Context());
    EXPECT_EQ(frames.windowTitle(), "MacStatisticTableForm: 127.0.0.1");
    ASSERT_EQ(frames.ListView1->topLevelItemCount(), 2);
    ASSERT_EQ(frames.ListView1->headerItem()->columnCount(), 14);
    const QTreeWidgetItem* row = frames.ListView1->topLevelItem(1);
    EXPECT_EQ(row->text(0), "001122334455");
    EXPECT_EQ(row->text(2), "1001");
    EXPECT_EQ(row->text(11), "1010");
    EXPECT_EQ(row->text(12), "2");
    EXPECT_EQ(row->text(13), "001122334451");
}

TEST_F(Dot1x, AnEmptyTableShowsTheWalksOutcome)
{
    const std::string stations[] = {"0.17.34.51.68.85.3", "0.10.11.12.13.14.12"};
    for (const std::string& station : stations) {
        for (int c = 1; c <= 18; ++c)
            sim().unset("1.3.6.1.4.1.88406.12.3.6.3.1." + std::to_string(c) + "." + station);
    }
    TDiagnosticsInformationForm form(nullptr, Context());
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
    const QStringList lines = MemoLines(form.Memo1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("Get: ")) << lines[0].toStdString();
}

TEST_F(Dot1x, AFailingWalkIsReportedInTheMemo)
{
    sim().error("1.3.6.1.4.1.88406.12.3.6.2.1", "genErr", "getnext");
    TMacStatisticTableForm form(nullptr, Context());
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
    EXPECT_FALSE(form.Memo1->toPlainText().isEmpty());
}

}  // namespace
