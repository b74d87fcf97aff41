// The static multicast and unicast filter dialogs over the switch: Set at
// the selected entry, the invalidating Delete at the selected entry and not
// its twin, one re-read after it, the port-list word put back on every path,
// and nothing sent without a row.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Staticfilterformunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

// The twin rows of each table share VLAN 1 and the address; the receive
// port tells them apart.
const std::string kMulticastTwin = "1.1.0.94.0.0.1.5";
const std::string kUnicastTwin = "1.0.17.34.51.68.85.3";

class StaticFilter : public QBridgeSwitchTest {
protected:
    static bool SelectTwin(TStaticFilterForm& form, const QString& port)
    {
        return SelectRow(form.ListView, {{"Index", "1"}, {"Receive Port", port}});
    }
    static unsigned PortListWord(const TStaticFilterForm& form)
    {
        return form.Request->request.varList.Item(TStaticFilterForm::kPorts).access;
    }
    static int Rows(const TStaticFilterForm& form) { return form.ListView->topLevelItemCount(); }
};

}  // namespace

TEST_F(StaticFilter, MulticastSetSendsThePortListAndStatusOfTheSelectedEntry)
{
    auto form = Open<TMulticastFilterInformationForm>();
    EXPECT_EQ(form->windowTitle(), "Multicast Filter Information: 127.0.0.1");
    EXPECT_EQ(form->ST_Count->text(), "3");
    ASSERT_TRUE(SelectTwin(*form, "5"));
    EXPECT_EQ(form->VidField->text(), "1");
    EXPECT_EQ(Checked(form->Ports), (std::vector<std::pair<int, int>>{{1, 7}}));
    form->Ports->Box(1, 8)->setChecked(true);
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    const std::string e = kQ + "3.2.1.";
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                               {e + "3." + kMulticastTwin + "=" + Bitmap({{1, 7}, {1, 8}}),
                                e + "5." + kMulticastTwin + "=3"}}));

    // Refresh empties the fields of the multicast dialog.
    ASSERT_TRUE(SelectTwin(*form, "5"));
    form->RefreshBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(form->VidField->text().isEmpty());
    EXPECT_TRUE(form->AddressField->text().isEmpty());
    EXPECT_EQ(form->StatusCombo->currentIndex(), -1);
    EXPECT_TRUE(Checked(form->Ports).empty());
    EXPECT_EQ(form->ST_Count->text(), "3");
}

TEST_F(StaticFilter, DeleteInvalidatesTheSelectedEntryOnlyAndReadsOnce)
{
    struct Case {
        const char* why;
        bool multicast;
        std::string status;  // the status column's OID
        std::string twin;
    };
    const Case cases[] = {
        {"multicast", true, kQ + "3.2.1.5.", kMulticastTwin},
        {"unicast", false, kQ + "3.1.1.4.", kUnicastTwin},
    };
    for (const Case& c : cases) {
        sim().clearSets();
        std::unique_ptr<TStaticFilterForm> form;
        if (c.multicast)
            form = Open<TMulticastFilterInformationForm>();
        else
            form = Open<TUnicastFilterInformationForm>();
        ASSERT_EQ(Rows(*form), 3) << c.why;
        ASSERT_TRUE(SelectTwin(*form, c.multicast ? "5" : "3")) << c.why;
        form->DeleteBtn->click();
        ASSERT_TRUE(WaitIdle(*form)) << c.why;
        EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{c.status + c.twin + "=2"}})) << c.why;
        EXPECT_EQ(Rows(*form), 2) << c.why << ": gone, and no row read twice";
        EXPECT_EQ(form->ST_Count->text(), "2") << c.why;
        EXPECT_TRUE(SelectTwin(*form, "0")) << c.why << ": the twin stays";
        EXPECT_EQ(PortListWord(*form), TStaticFilterForm::kReadWriteWord) << c.why;
    }
}

TEST_F(StaticFilter, PortListWordComesBackAfterAnAgentErrorAndAnException)
{
    VnMessageBoxCapture boxes;
    sim().error(kQ + "3.2.1.5", "genErr", "set");
    auto form = Open<TMulticastFilterInformationForm>();
    ASSERT_TRUE(SelectTwin(*form, "5"));
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Rows(*form), 3);
    EXPECT_EQ(PortListWord(*form), TStaticFilterForm::kReadWriteWord);

    // An address the request cannot use makes Apply raise.
    sim().clearSets();
    ASSERT_TRUE(SelectTwin(*form, "5"));
    form->Request->request.device.address = "";
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(PortListWord(*form), TStaticFilterForm::kReadWriteWord);
    const QStringList lines = dialogtest::MemoLines(form->Memo1);
    EXPECT_TRUE(lines.filter("Set: (VnSNMP++) Invalid IP Address").size() == 1) << lines.join('|').toStdString();
}

TEST_F(StaticFilter, WithoutARowNeitherSetNorDeleteSendsAnything)
{
    VnMessageBoxCapture boxes;
    auto multicast = Open<TMulticastFilterInformationForm>();
    auto unicast = Open<TUnicastFilterInformationForm>();
    EXPECT_EQ(unicast->SetBtn, nullptr);
    EXPECT_EQ(unicast->windowTitle(), "Unicast Filter Information :127.0.0.1");
    // The unicast dialog keeps its fields after a Refresh: they must not
    // stand in for a row.
    ASSERT_TRUE(SelectTwin(*unicast, "3"));
    unicast->RefreshBtn->click();
    ASSERT_TRUE(WaitIdle(*unicast));
    EXPECT_FALSE(unicast->VidField->text().isEmpty());
    for (QPushButton* button : {multicast->SetBtn, multicast->DeleteBtn, unicast->DeleteBtn}) {
        boxes.Clear();
        button->click();
        ASSERT_TRUE(WaitIdle(*multicast));
        ASSERT_TRUE(WaitIdle(*unicast));
        EXPECT_EQ(boxes.Texts(), QStringList{kVnNoRowSelectedText}) << button->text().toStdString();
    }
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(Rows(*multicast), 3);
    EXPECT_EQ(Rows(*unicast), 3);
}

// A port list shorter than the grid: the boxes past its end are cleared,
// the library reports the first position past it, and a Set sends no port
// the list did not hold.
TEST_F(StaticFilter, ShortPortListIsReportedAndNotWidened)
{
    VnMessageBoxCapture boxes;
    sim().set(kQ + "3.2.1.3." + kMulticastTwin, "OCTETSTR", "00000002");
    auto form = Open<TMulticastFilterInformationForm>();
    ASSERT_TRUE(SelectTwin(*form, "0"));
    ASSERT_FALSE(Checked(form->Ports).empty());
    ASSERT_TRUE(SelectTwin(*form, "5"));
    EXPECT_EQ(Checked(form->Ports), (std::vector<std::pair<int, int>>{{1, 31}}));
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(boxes.Texts()[0].toStdString(), VnErrorText(kVnErrIndexOutOfRange));

    boxes.Clear();
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(boxes.Texts(), QStringList{QString::fromStdString(VnErrorText(kVnErrIndexOutOfRange))});

    // Delete leaves the port list out, so it still reaches the entry.
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{kQ + "3.2.1.5." + kMulticastTwin + "=2"}}));
}

// A key field changed after selecting a row: Set and Delete still go to
// the selected entry.
TEST_F(StaticFilter, EditedKeyFieldsDoNotMoveSetOrDelete)
{
    VnMessageBoxCapture boxes;
    const std::string e = kQ + "3.2.1.";
    auto form = Open<TMulticastFilterInformationForm>();
    ASSERT_TRUE(SelectTwin(*form, "5"));
    form->VidField->setText("10");
    form->AddressField->setText("01005E000002");
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                               {e + "3." + kMulticastTwin + "=" + Bitmap({{1, 7}}), e + "5." + kMulticastTwin + "=3"}}));
    sim().clearSets();
    ASSERT_TRUE(SelectTwin(*form, "5"));
    form->VidField->setText("10");
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{e + "5." + kMulticastTwin + "=2"}}));
}

// A MAC part of 341 would show as 55, the MAC of the real twin: the row
// is listed under its own instance and Delete on it sends nothing.
TEST_F(StaticFilter, AUnicastRowWithAMacPartAbove255IsNeverWritten)
{
    const std::string e = kQ + "3.1.1.";
    const std::string bad = "1.0.17.34.51.68.341.3";
    sim().set(e + "3." + bad, "OCTETSTR", "F0");
    sim().set(e + "4." + bad, "INTEGER", "3");
    VnMessageBoxCapture boxes;
    auto form = Open<TUnicastFilterInformationForm>();
    ASSERT_EQ(Rows(*form), 4);
    ASSERT_EQ(form->SetBtn, nullptr) << "the unicast list has Delete only";
    for (QPushButton* command : {form->DeleteBtn}) {
        ASSERT_TRUE(SelectRow(form->ListView, {{"Index", QString::fromStdString(bad + " (malformed instance)")}}));
        boxes.Clear();
        command->click();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{})) << command->text().toStdString();
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(boxes.Texts()[0].contains(QString::fromStdString("instance " + bad))) << boxes.Texts()[0].toStdString();
    }
    EXPECT_EQ(sim().get(e + "4." + kUnicastTwin)->value, "3") << "the real twin is untouched";
}

// The unicast keys are shown only: the enabling a row click makes leaves
// them read-only and disabled; the multicast keys stay read-only.
TEST_F(StaticFilter, UnicastKeyFieldsStayDisabledAfterARowClick)
{
    auto unicast = Open<TUnicastFilterInformationForm>();
    auto multicast = Open<TMulticastFilterInformationForm>();
    ASSERT_TRUE(SelectTwin(*unicast, "3"));
    ASSERT_TRUE(SelectTwin(*multicast, "5"));
    for (QLineEdit* key : {unicast->VidField, unicast->AddressField}) {
        EXPECT_FALSE(key->isEnabled()) << key->objectName().toStdString();
        EXPECT_TRUE(key->isReadOnly()) << key->objectName().toStdString();
        EXPECT_FALSE(key->text().isEmpty()) << key->objectName().toStdString();
    }
    for (QLineEdit* key : {multicast->VidField, multicast->AddressField}) {
        EXPECT_TRUE(key->isEnabled()) << key->objectName().toStdString();
        EXPECT_TRUE(key->isReadOnly()) << key->objectName().toStdString();
    }
}
