// The protocol VLAN dialog over the switch: the column rule of Add and Edit
// as exact sets, the createAndGo check, Edit with destroy, Delete, the
// index constraint and the two modes.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Protcolvlanunit.h"
#include "VnSNMPRequest2Edits.h"
#include "ports_test_support.h"

using namespace portstest;

namespace {

const std::string kGroup = std::string(kEnterprise) + ".12.16.1.1.1.";

std::string Col(int column, int group)
{
    return kGroup + std::to_string(column) + "." + std::to_string(group);
}

class ProtocolVlan : public PortsSwitchTest {};

TEST_F(ProtocolVlan, OpensInTheNoRowModeAndARowClickSwitches)
{
    auto form = Open<TProtocolVlanForm>();
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"1", "5"}));
    EXPECT_EQ(form->StaticText1->text(), "2");
    EXPECT_TRUE(form->Add->isEnabled());
    EXPECT_FALSE(form->Edit->isEnabled());
    EXPECT_FALSE(form->Delete->isEnabled());
    ASSERT_TRUE(SelectRow(form->ListView1, "Index", "5"));
    EXPECT_EQ(form->Index->text(), "5");
    EXPECT_FALSE(form->Index->isEnabled());
    EXPECT_TRUE(form->Edit->isEnabled());
    EXPECT_FALSE(form->Add->isEnabled());
    EXPECT_TRUE(form->UserProtocol->isEnabled());
    ASSERT_TRUE(SelectRow(form->ListView1, "Index", "1"));
    EXPECT_FALSE(form->UserProtocol->isEnabled());
    EXPECT_FALSE(form->Encap->isEnabled());
}

TEST_F(ProtocolVlan, AddSendsOnlyTheColumnsWhoseFieldsHoldSomething)
{
    struct Case {
        const char* name;
        const char* groupName;
        const char* type;
        const char* advertisement;
        const char* userProtocol;
        const char* encap;
        std::vector<std::string> sent;  // after the group's index 10
    };
    const Case cases[] = {
        {"ip: user protocol and encap never", "a", "protocol-IP", "enabled", "7", "snap",
         {Col(2, 10) + "=" + Hex("a"), Col(3, 10) + "=2", Col(4, 10) + "=1", Col(7, 10) + "=4"}},
        {"empty name and advertisement", "", "protocol-IP", "", "", "", {Col(3, 10) + "=2", Col(7, 10) + "=4"}},
        {"user defined without encap", "u", "protocol-userDefined", "disabled", "2048", "",
         {Col(2, 10) + "=" + Hex("u"), Col(3, 10) + "=16", Col(4, 10) + "=2", Col(5, 10) + "=2048",
          Col(7, 10) + "=4"}},
        {"user defined without number", "", "protocol-userDefined", "", "", "llc",
         {Col(3, 10) + "=16", Col(6, 10) + "=2", Col(7, 10) + "=4"}},
        {"nothing but the status", "", "", "", "", "", {Col(7, 10) + "=4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim().clearSets();
        auto form = Open<TProtocolVlanForm>();
        form->Index->setText("10");
        form->Name->setText(c.groupName);
        form->ProtocolType->setCurrentIndex(form->ProtocolType->findText(c.type));
        form->Advertisement->setCurrentIndex(form->Advertisement->findText(c.advertisement));
        form->UserProtocol->setText(c.userProtocol);
        form->Encap->setCurrentIndex(form->Encap->findText(c.encap));
        form->RowStatus->setCurrentText("createAndGo");
        form->AddClick();
        EXPECT_EQ(SetRecord(), std::vector<std::vector<std::string>>({c.sent}));
        EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"1", "5", "10"}));
        EXPECT_TRUE(form->Index->text().isEmpty());
        // The words are back: the list shows every column again.
        EXPECT_EQ(form->Binder->request.varList.Item(TProtocolVlanForm::kEncap).access, VnAccess::ReadWrite);
        // Clear the row for the next case.
        for (int column = 2; column <= 7; ++column) {
            if (sim().get(Col(column, 10)))
                sim().unset(Col(column, 10));
        }
    }
}

TEST_F(ProtocolVlan, AddIsRefusedUnlessCreateAndGo)
{
    for (int entry : {-1, int(TProtocolVlanForm::kActiveEntry), int(TProtocolVlanForm::kDestroyEntry)}) {
        SCOPED_TRACE(entry);
        auto form = Open<TProtocolVlanForm>();
        form->Index->setText("10");
        form->RowStatus->setCurrentIndex(entry);
        VnMessageBoxCapture boxes;
        form->AddClick();
        EXPECT_EQ(boxes.Texts(), QStringList({TProtocolVlanForm::kNotCreateAndGo}));
        EXPECT_TRUE(sim().sets().empty());
    }
}

TEST_F(ProtocolVlan, AddChecksTheIndex)
{
    const struct {
        const char* index;
        QString message;
    } cases[] = {
        {"", TProtocolVlanForm::kIndexMissing},
        {"5", TProtocolVlanForm::kIndexTaken},
        // Another spelling of a listed index addresses that group.
        {"05", TProtocolVlanForm::kIndexTaken},
        {" 5", TProtocolVlanForm::kIndexTaken},
    };
    for (const auto& c : cases) {
        auto form = Open<TProtocolVlanForm>();
        form->Index->setText(c.index);
        form->RowStatus->setCurrentText("createAndGo");
        VnMessageBoxCapture boxes;
        form->AddClick();
        EXPECT_EQ(boxes.Texts(), QStringList({c.message})) << c.index;
        EXPECT_TRUE(sim().sets().empty()) << c.index;
    }
    // Typed as a user would: the constraint refuses the group before
    // anything goes to the switch.
    for (const char* index : {"4095", "12345"}) {
        SCOPED_TRACE(index);
        auto form = Open<TProtocolVlanForm>();
        form->RowStatus->setCurrentText("createAndGo");
        QTest::keyClicks(form->Index, index);
        VnMessageBoxCapture boxes;
        form->AddClick();
        if (form->Index->text() == index) {
            EXPECT_EQ(boxes.Texts().size(), 1);
            EXPECT_TRUE(sim().sets().empty());
        }
        for (const auto& pdu : SetRecord()) {
            for (const std::string& vb : pdu)
                EXPECT_EQ(vb.find(std::string(".") + index + "="), std::string::npos) << vb;
        }
        EXPECT_FALSE(sim().get(Col(7, std::stoi(index))).has_value());
    }
}

TEST_F(ProtocolVlan, EditWithDestroySendsNameAndStatusAndTheRowIsGone)
{
    auto form = Open<TProtocolVlanForm>();
    ASSERT_TRUE(SelectRow(form->ListView1, "Index", "5"));
    form->RowStatus->setCurrentText("destroy");
    form->EditClick();
    const std::vector<std::vector<std::string>> expected = {{Col(2, 5) + "=" + Hex("user"), Col(7, 5) + "=6"}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"1"}));
    EXPECT_TRUE(form->Add->isEnabled());
    EXPECT_FALSE(form->Edit->isEnabled());
}

TEST_F(ProtocolVlan, EditSendsTheRuleColumnsAtTheSelectedRow)
{
    auto form = Open<TProtocolVlanForm>();
    ASSERT_TRUE(SelectRow(form->ListView1, "Index", "1"));
    form->Name->setText("ip4");
    form->EditClick();
    const std::vector<std::vector<std::string>> expected = {
        {Col(2, 1) + "=" + Hex("ip4"), Col(3, 1) + "=2", Col(4, 1) + "=1", Col(7, 1) + "=1"}};
    EXPECT_EQ(SetRecord(), expected);
}

TEST_F(ProtocolVlan, DeleteSendsOnlyDestroy)
{
    auto form = Open<TProtocolVlanForm>();
    ASSERT_TRUE(SelectRow(form->ListView1, "Index", "1"));
    form->DeleteClick();
    const std::vector<std::vector<std::string>> expected = {{Col(7, 1) + "=6"}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(ColumnTexts(form->ListView1, "Index"), QStringList({"5"}));
}

}  // namespace
