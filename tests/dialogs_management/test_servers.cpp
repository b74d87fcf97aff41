// The authentication servers and the server-group members over the
// simulated switch: what Add, Edit and Delete send, the key checks, and the
// set line only after a good set, never the key in a status text.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

#include "Accservercontrol.h"
#include "Serverinfounit.h"
#include "VnAddressCheck.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

constexpr const char* kServer = "1.3.6.1.4.1.88406.12.5.10.1";
constexpr const char* kMember = "1.3.6.1.4.1.88406.12.5.12.1";

using Record = std::vector<std::vector<std::string>>;

std::string Column(const char* table, int column, const std::string& index, const std::string& value)
{
    return std::string(table) + "." + std::to_string(column) + "." + index + "=" + value;
}

std::vector<unsigned> Words(VnSNMPRequest2Edits& binder)
{
    std::vector<unsigned> words;
    for (int i = 0; i < binder.request.varList.Count(); ++i)
        words.push_back(binder.request.varList.Item(i).access);
    return words;
}

class Servers : public MgmtSwitchTest {
protected:
    std::unique_ptr<TServerInformationForm> Open()
    {
        auto form = std::make_unique<TServerInformationForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void SelectServer(TServerInformationForm& form, const char* address, const char* protocol)
    {
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = form.ListView1->topLevelItem(row);
            if (item->text(0) == address && item->text(1) == protocol) {
                form.ListView1->setCurrentItem(item);
                return;
            }
        }
        ADD_FAILURE() << address << " " << protocol;
    }
    static QString StatusTexts(TServerInformationForm& form)
    {
        return form.StatusBar1->StatusLine() + "|" + form.StatusBar1->Panel(0)->Text();
    }
    VnMessageBoxCapture boxes;
};

TEST_F(Servers, AddWithTheKeyFieldsOnlySendsTheRowStatus)
{
    auto form = Open();
    const std::vector<unsigned> words = Words(*form->Request);
    form->IPEdit->setText("10.1.1.1");
    form->ProtocolComboBox->setCurrentText("radius");  // a second protocol at a listed address
    form->AddButton->click();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    EXPECT_EQ(SetRecord(), (Record{{Column(kServer, 7, "10.1.1.1.4", "4")}}));
    EXPECT_EQ(Words(*form->Request), words);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(form->Static->text(), "3");
    EXPECT_TRUE(form->IPEdit->text().isEmpty());
}

TEST_F(Servers, AddChecksSendNothing)
{
    struct Case {
        const char* address;
        const char* protocol;
        const char* message;
        const char* why;
    };
    const Case cases[] = {
        {"", "tacacs", TServerInformationForm::kAddressMissing, "no address"},
        {"10.1.1.1", "tacacs-plus", TServerInformationForm::kServerTaken, "listed address and protocol"},
        {"10.0.0", "radius", kVnNotAnAddressText, "three numbers would address 10.0.0.4"},
        {"10.0.0.256", "radius", kVnNotAnAddressText, "a number above 255"},
    };
    auto form = Open();
    for (const Case& c : cases) {
        boxes.Clear();
        form->IPEdit->setText(c.address);
        form->ProtocolComboBox->setCurrentText(c.protocol);
        form->AddButton->click();
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.why;
    }
    boxes.Clear();
    form->IPEdit->setText("10.2.2.2");
    form->ProtocolComboBox->setCurrentIndex(-1);
    form->AddButton->click();
    EXPECT_EQ(boxes.Texts(), QStringList{TServerInformationForm::kProtocolMissing});
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(Servers, EditLeavesOutEmptiedFieldsAndTheRowStatus)
{
    auto form = Open();
    SelectServer(*form, "10.1.1.2", "radius");
    EXPECT_FALSE(form->IPEdit->isEnabled());
    EXPECT_FALSE(form->AddButton->isEnabled());
    EXPECT_EQ(form->KeyEdit->text(), "radkey");
    form->KeyEdit->clear();
    form->TimeoutEdit->setText("20");
    form->EditButton->click();
    EXPECT_EQ(SetRecord(), (Record{{Column(kServer, 3, "10.1.1.2.4", "1812"), Column(kServer, 5, "10.1.1.2.4", "20"),
                                    Column(kServer, 6, "10.1.1.2.4", "3")}}));
    EXPECT_EQ(sim().get(std::string(kServer) + ".4.10.1.1.2.4")->value, Hex("radkey"));
}

TEST_F(Servers, EditRefusesANumberThatDoesNotParse)
{
    struct Case {
        const char* port;
        const char* timeout;
        const char* why;
    };
    const Case cases[] = {
        {"1812", "abc", "letters in the timeout"},
        {"18x2", "10", "a letter in the port"},
        {"99999999999", "10", "a port past any integer"},
    };
    auto form = Open();
    for (const Case& c : cases) {
        boxes.Clear();
        SelectServer(*form, "10.1.1.2", "radius");
        form->PortEdit->setText(c.port);
        form->TimeoutEdit->setText(c.timeout);
        form->EditButton->click();
        EXPECT_EQ(boxes.Texts().size(), 1) << c.why;
    }
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(Servers, DeleteSendsDestroyOnlyAtTheSelectedServer)
{
    auto form = Open();
    SelectServer(*form, "10.1.1.1", "tacacs-plus");
    form->DeleteButton->click();
    EXPECT_EQ(SetRecord(), (Record{{Column(kServer, 7, "10.1.1.1.3", "6")}}));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_FALSE(form->DeleteButton->isEnabled());
}

TEST_F(Servers, TheKeyIsInNoStatusTextAndTheWordsComeBack)
{
    auto form = Open();
    const std::vector<unsigned> words = Words(*form->Request);
    sim().error(std::string(kServer) + ".4", "genErr", "set");
    SelectServer(*form, "10.1.1.1", "tacacs-plus");
    form->KeyEdit->setText("topsecretkey");
    form->EditButton->click();
    EXPECT_FALSE(StatusTexts(*form).contains("topsecretkey")) << StatusTexts(*form).toStdString();
    EXPECT_FALSE(form->StatusBar1->Panel(0)->Text().isEmpty());
    EXPECT_EQ(Words(*form->Request), words);
    EXPECT_EQ(sim().get(std::string(kServer) + ".4.10.1.1.1.3")->value, Hex("s3cret"));
}

class ServerGroup : public MgmtSwitchTest {
protected:
    std::unique_ptr<TfrmACCServerCtrl> Open(bool largeFonts = false)
    {
        auto form = std::make_unique<TfrmACCServerCtrl>(nullptr, Context({{"1", "RQ-4024S"}}, largeFonts));
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void Fill(TfrmACCServerCtrl& form, const char* group, const char* address, const char* protocol,
                     const char* state)
    {
        form.edtGroupName->setText(group);
        form.edtIPAddr->setText(address);
        form.cbAuthProtocol->setCurrentText(protocol);
        form.cbRowState->setCurrentText(state);
    }
    VnMessageBoxCapture boxes;
};

TEST_F(ServerGroup, OpensEmptyAtItsLaidOutSize)
{
    auto form = Open(true);
    EXPECT_EQ(form->windowTitle(), "AAC Control Table: 127.0.0.1");
    EXPECT_TRUE(form->edtGroupName->text().isEmpty());
    EXPECT_TRUE(form->cbRowState->currentText().isEmpty());
    EXPECT_LT(form->width(), TfrmACCServerCtrl::kWidth * 5 / 4);
}

TEST_F(ServerGroup, SetAddsTheMemberAtGroupAddressAndProtocol)
{
    auto form = Open();
    Fill(*form, "tac2", "10.1.1.2", "radius", "add");
    form->Button1->click();
    EXPECT_EQ(SetRecord(), (Record{{Column(kMember, 4, "4.116.97.99.50.10.1.1.2.4", "1")}}));
    EXPECT_TRUE(form->StatusBar1->Panel(0)->Text().startsWith("Set: Ok!. Receive at "));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(ServerGroup, EmptyOrBadFieldsSendNothingAndSayNoOk)
{
    struct Case {
        const char* group;
        const char* address;
        const char* state;
        const char* panel;
        int messages;
    };
    const Case cases[] = {
        {"", "10.1.1.2", "add", TfrmACCServerCtrl::kEmptyField, 0},
        {"tac2", "10.1.1.2", "", TfrmACCServerCtrl::kEmptyField, 0},
        {"tac2", "10.0.0", "add", "", 1},
    };
    for (const Case& c : cases) {
        auto form = Open();
        boxes.Clear();
        Fill(*form, c.group, c.address, "radius", c.state);
        form->Button1->click();
        EXPECT_EQ(form->StatusBar1->Panel(0)->Text(), c.panel) << c.address;
        EXPECT_EQ(boxes.Texts().size(), c.messages) << c.address;
    }
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(ServerGroup, AFailedSetGetsTheBoxAFailedReadOnlyAGetLine)
{
    {
        auto form = Open();
        sim().error(kMember, "genErr", "set");
        Fill(*form, "tac2", "10.1.1.2", "radius", "add");
        form->Button1->click();
        EXPECT_EQ(boxes.Texts(), QStringList{TfrmACCServerCtrl::kSetFailed});
        EXPECT_FALSE(form->StatusBar1->Panel(0)->Text().startsWith("Set: Ok!"));
        sim().clearFaults();
        sim().clearSets();
    }
    boxes.Clear();
    auto form = Open();
    sim().error(kMember, "genErr", "getnext");
    Fill(*form, "tac2", "10.1.1.2", "radius", "add");
    form->Button1->click();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    EXPECT_TRUE(form->StatusBar1->Panel(0)->Text().startsWith("Set: Ok!"));
    // The set went through: its line stays, the failed read adds its own.
    EXPECT_TRUE(form->StatusBar1->StatusLine().contains("Get: (SNMP)"))
        << form->StatusBar1->StatusLine().toStdString();
    EXPECT_EQ(SetRecord().size(), 1u);
}

}  // namespace
