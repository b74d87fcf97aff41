// The static VLAN dialog over the simulated switch: listing, selection,
// Add, Set and Delete as the switch records them (Set and Delete at the
// selected row whatever the VLAN ID field holds), its own Add checks, the
// port-grid coupling by clicks and the clearing, and the busy rule.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "Stackingportuitformunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "Vlanstaticformunit.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

constexpr const char* kEntry = "1.3.6.1.2.1.17.7.1.4.3.1.";
constexpr const char* kName = "1.3.6.1.2.1.17.7.1.4.3.1.1.";
constexpr const char* kEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2.";
constexpr const char* kForbidden = "1.3.6.1.2.1.17.7.1.4.3.1.3.";
constexpr const char* kUntagged = "1.3.6.1.2.1.17.7.1.4.3.1.4.";
constexpr const char* kRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5.";
const std::string kEmptyPorts(192, '0');

// A 96-byte bitmap as hex with the given (byte, bits) set.
std::string Ports(std::initializer_list<std::pair<int, int>> bytes)
{
    std::string hex = kEmptyPorts;
    static const char digits[] = "0123456789ABCDEF";
    for (auto [byte, bits] : bytes) {
        hex[static_cast<std::size_t>(2 * byte)] = digits[(bits >> 4) & 15];
        hex[static_cast<std::size_t>(2 * byte + 1)] = digits[bits & 15];
    }
    return hex;
}

std::string Hex(const std::string& text)
{
    return QByteArray::fromStdString(text).toHex().toUpper().toStdString();
}

class VlanStatic : public DialogSwitchTest {
protected:
    std::unique_ptr<TVlanStaticForm> Open(const VnDialogContext& context = Context())
    {
        auto form = std::make_unique<TVlanStaticForm>(nullptr, context);
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }

    static int VlanIdColumn(const TVlanStaticForm& form)
    {
        const QTreeWidgetItem* header = form.LV_dot1qVlanStaticEntry->headerItem();
        for (int c = 0; c < header->columnCount(); ++c) {
            if (header->text(c) == "VLAN ID")
                return c;
        }
        return -1;
    }

    static QStringList VlanIds(const TVlanStaticForm& form)
    {
        QStringList ids;
        const int column = VlanIdColumn(form);
        for (int row = 0; row < form.LV_dot1qVlanStaticEntry->topLevelItemCount(); ++row)
            ids << form.LV_dot1qVlanStaticEntry->topLevelItem(row)->text(column);
        return ids;
    }

    static void Select(TVlanStaticForm& form, const QString& vlanId)
    {
        const int column = VlanIdColumn(form);
        for (int row = 0; row < form.LV_dot1qVlanStaticEntry->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = form.LV_dot1qVlanStaticEntry->topLevelItem(row);
            if (item->text(column) == vlanId) {
                form.LV_dot1qVlanStaticEntry->setCurrentItem(item);
                return;
            }
        }
        ADD_FAILURE() << "no row for VLAN " << vlanId.toStdString();
    }

    static bool EditPanelEmpty(const TVlanStaticForm& form)
    {
        for (const TStackingPortUitForm* grid : {form.EgressPorts, form.ForbiddenPorts, form.UntaggedPorts}) {
            for (const QCheckBox* box : grid->CheckBoxList()) {
                if (box->isChecked())
                    return false;
            }
        }
        return form.ED_VLANID->text().isEmpty() && form.ED_VLANName->text().isEmpty() &&
               form.Status->currentText().isEmpty();
    }

    // The instance every varbind of the only set PDU carries.
    std::string OnlySetInstance()
    {
        const auto sets = sim().sets();
        EXPECT_EQ(sets.size(), 1u);
        if (sets.size() != 1)
            return {};
        std::string instance;
        for (const SimSwitch::Varbind& vb : sets[0].varbinds) {
            EXPECT_EQ(vb.oid.rfind(kEntry, 0), 0u) << vb.oid;
            const std::string own = vb.oid.substr(vb.oid.rfind('.') + 1);
            EXPECT_TRUE(instance.empty() || instance == own) << vb.oid;
            instance = own;
        }
        return instance;
    }
};

TEST_F(VlanStatic, OpensWithTheVlansTheirCountAndTheNextFreeIndex)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "VLAN Static Form: 127.0.0.1");
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20"}));
    EXPECT_EQ(form->ST_Count2->text(), "3");
    EXPECT_EQ(form->NextFreeLocalVlanIndex->text(), "4096");
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    EXPECT_EQ(form->Status->count(), 3);
    EXPECT_EQ(form->Status->itemText(1), "CreateAndGo");
}

TEST_F(VlanStatic, SelectingARowFillsTheFieldsAndTheThreeGrids)
{
    auto form = Open();
    Select(*form, "20");
    EXPECT_EQ(form->ED_VLANID->text(), "20");
    EXPECT_EQ(form->ED_VLANName->text(), "voice");
    EXPECT_EQ(form->Status->currentText(), "Active");
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    for (int port = 1; port <= 8; ++port)
        EXPECT_TRUE(form->EgressPorts->Box(2, port)->isChecked()) << port;
    EXPECT_FALSE(form->EgressPorts->Box(2, 9)->isChecked());
    EXPECT_TRUE(form->EgressPorts->Box(1, 24)->isChecked());
    EXPECT_TRUE(form->ForbiddenPorts->Box(1, 1)->isChecked());
    EXPECT_TRUE(form->UntaggedPorts->Box(2, 4)->isChecked());
    EXPECT_FALSE(form->UntaggedPorts->Box(2, 5)->isChecked());
}

TEST_F(VlanStatic, AddCreatesTheVlanWithExactlyItsColumnsAndFullBitmaps)
{
    auto form = Open();
    form->ED_VLANID->setText("30");
    form->ED_VLANName->setText("lab");
    form->EgressPorts->Box(1, 2)->setChecked(true);
    form->ForbiddenPorts->Box(1, 3)->setChecked(true);
    // Clicking untagged port 5 of unit 3 makes it an egress port as well.
    form->UntaggedPorts->Box(3, 5)->click();
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));

    const std::string egress = Ports({{0, 0x40}, {16, 0x08}});
    const std::vector<std::vector<std::string>> expected = {{
        std::string(kName) + "30=" + Hex("lab"),
        std::string(kEgress) + "30=" + egress,
        std::string(kForbidden) + "30=" + Ports({{0, 0x20}}),
        std::string(kUntagged) + "30=" + Ports({{16, 0x08}}),
        std::string(kRowStatus) + "30=4",
    }};
    EXPECT_EQ(SetRecord(), expected);
    // Unit 3 port 5 is bit 0x08 of byte 16, of a bitmap of 96 bytes.
    EXPECT_EQ(egress.size(), 192u);
    EXPECT_EQ(egress.substr(32, 2), "08");
    EXPECT_EQ(sim().sets().at(0).status, "applied");
    EXPECT_EQ(sim().get(std::string(kEgress) + "30")->value, egress);

    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20", "30"}));
    EXPECT_EQ(form->ST_Count2->text(), "4");
    EXPECT_TRUE(EditPanelEmpty(*form));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

TEST_F(VlanStatic, AddAfterARowClickCreatesACopyOfThatRow)
{
    auto form = Open();
    Select(*form, "20");
    form->ED_VLANID->setText("21");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 1u);
    ASSERT_EQ(record[0].size(), 5u);
    EXPECT_EQ(record[0][0], std::string(kName) + "21=" + Hex("voice"));
    EXPECT_EQ(record[0][2], std::string(kForbidden) + "21=" + Ports({{0, 0x80}}));
    EXPECT_EQ(record[0][4], std::string(kRowStatus) + "21=4");
    EXPECT_EQ(sim().get(std::string(kEgress) + "21")->value, sim().get(std::string(kEgress) + "20")->value);
}

TEST_F(VlanStatic, SetWritesEveryColumnOfTheSelectedVlan)
{
    auto form = Open();
    Select(*form, "10");
    form->ED_VLANName->setText("mgmt2");
    form->EgressPorts->Box(1, 5)->setChecked(true);
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));

    const std::vector<std::vector<std::string>> expected = {{
        std::string(kName) + "10=" + Hex("mgmt2"),
        std::string(kEgress) + "10=" + Ports({{0, 0xF8}}),
        std::string(kForbidden) + "10=" + kEmptyPorts,
        std::string(kUntagged) + "10=" + kEmptyPorts,
        std::string(kRowStatus) + "10=1",
    }};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(sim().get(std::string(kName) + "10")->value, Hex("mgmt2"));
    EXPECT_TRUE(EditPanelEmpty(*form));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    EXPECT_TRUE(form->LV_dot1qVlanStaticEntry->selectedItems().isEmpty());
}

TEST_F(VlanStatic, DeleteDestroysTheSelectedVlanWithItsCurrentColumns)
{
    auto form = Open();
    Select(*form, "20");
    form->DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 1u);
    ASSERT_EQ(record[0].size(), 5u);
    EXPECT_EQ(record[0][0], std::string(kName) + "20=" + Hex("voice"));
    EXPECT_EQ(record[0][4], std::string(kRowStatus) + "20=6");
    EXPECT_FALSE(sim().get(std::string(kRowStatus) + "20"));
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10"}));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

// Delete is enabled by a row click only: after a command cleared the
// fields, a destroy would address the VLAN of an empty field.
TEST_F(VlanStatic, DeleteIsEnabledOnlyWhileARowIsSelected)
{
    auto form = Open();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    Select(*form, "10");
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    form->ED_VLANName->setText("renamed");
    form->SetBtnClick();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    ASSERT_TRUE(WaitIdle(*form));
    sim().clearSets();

    VnMessageBoxCapture boxes;
    form->DeleteBtnClick();
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
    EXPECT_TRUE(sim().get(std::string(kRowStatus) + "10"));
}

struct AddRefusal {
    const char* vlanId;
    const char* message;
    const char* why;
};

TEST_F(VlanStatic, AddRefusesAMissingOrListedVlanIdAndSendsNothing)
{
    const AddRefusal cases[] = {
        {"", TVlanStaticForm::kVlanIdMissing, "no VLAN ID at all"},
        {"   ", TVlanStaticForm::kVlanIdMissing, "blanks are no VLAN ID"},
        {"10", TVlanStaticForm::kVlanIdTaken, "VLAN 10 is a row already"},
        {"20", TVlanStaticForm::kVlanIdTaken, "so is VLAN 20"},
    };
    auto form = Open();
    form->activateWindow();
    for (const AddRefusal& c : cases) {
        SCOPED_TRACE(c.why);
        form->ED_VLANName->setFocus();
        form->ED_VLANID->setText(c.vlanId);
        VnMessageBoxCapture boxes;
        form->AddBtnClick();
        RunEvents(50);
        EXPECT_EQ(boxes.Texts(), QStringList({c.message}));
        EXPECT_EQ(form->focusWidget(), form->ED_VLANID);
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(form->ED_VLANID->text(), c.vlanId);
    }
}

// The name is bound with at most 32 characters: typing stops there.
TEST_F(VlanStatic, ATypedNameIsCutToThirtyTwoCharacters)
{
    auto form = Open();
    form->ED_VLANID->setText("40");
    QTest::keyClicks(form->ED_VLANName, QString(33, 'x'));
    EXPECT_EQ(form->ED_VLANName->text(), QString(32, 'x'));
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(sim().get(std::string(kName) + "40")->value, Hex(std::string(32, 'x')));
}

TEST_F(VlanStatic, ClickedUntaggedPortsStayWithinTheEgressPorts)
{
    auto form = Open();
    QCheckBox* egress = form->EgressPorts->Box(2, 7);
    QCheckBox* untagged = form->UntaggedPorts->Box(2, 7);
    untagged->click();
    EXPECT_TRUE(egress->isChecked()) << "untagged checked checks egress";
    egress->click();
    EXPECT_FALSE(untagged->isChecked()) << "egress unchecked unchecks untagged";
    untagged->click();
    untagged->click();
    EXPECT_TRUE(egress->isChecked()) << "untagged unchecked leaves egress";
    EXPECT_FALSE(form->ForbiddenPorts->Box(2, 7)->isChecked()) << "forbidden is independent";
    // The program's own changes are no clicks.
    form->UntaggedPorts->Box(2, 8)->setChecked(true);
    EXPECT_FALSE(form->EgressPorts->Box(2, 8)->isChecked());
}

// A row whose egress bitmap is one byte long: the library stops at the
// first position past it, and the grids must not keep the last row's ports.
TEST_F(VlanStatic, AShortBitmapLeavesNoEarlierRowsPortsBehind)
{
    sim().set(std::string(kEgress) + "10", "OCTETSTR", "F0");
    auto form = Open();
    Select(*form, "1");
    ASSERT_TRUE(form->UntaggedPorts->Box(1, 20)->isChecked());
    ASSERT_TRUE(form->EgressPorts->Box(2, 1)->isChecked());
    VnMessageBoxCapture boxes;
    Select(*form, "10");
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(form->EgressPorts->Box(1, 4)->isChecked());
    EXPECT_FALSE(form->EgressPorts->Box(1, 5)->isChecked());
    EXPECT_FALSE(form->EgressPorts->Box(2, 1)->isChecked());
    EXPECT_FALSE(form->UntaggedPorts->Box(1, 20)->isChecked());
}

TEST_F(VlanStatic, RefreshEmptiesTheEditPanelAndDisablesDelete)
{
    auto form = Open();
    Select(*form, "20");
    form->RefreshBtnClick();
    EXPECT_TRUE(EditPanelEmpty(*form));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20"}));
    EXPECT_EQ(form->ST_Count2->text(), "3");
}

TEST_F(VlanStatic, CommandsDoNothingWhileAWalkRuns)
{
    sim().delay("1.3.6.1.2.1.17.7.1.4.3.1", 300);
    auto form = std::make_unique<TVlanStaticForm>(nullptr, Context());
    ASSERT_TRUE(form->AnyBinderBusy());
    form->RefreshBtnClick();
    form->ED_VLANID->setText("50");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    // One walk: each VLAN once; nothing was sent.
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20"}));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(VlanStatic, AnAgentErrorGoesToTheMemoWithTheSetTemplate)
{
    sim().error(std::string(kRowStatus) + "30", "inconsistentValue", "set");
    auto form = Open();
    form->ED_VLANID->setText("30");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const QStringList lines = MemoLines(form->Memo1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().startsWith("Set: ")) << lines.last().toStdString();
    EXPECT_FALSE(lines.last().contains(QString::fromStdString(VnErrorText(kVnOk)))) << lines.last().toStdString();
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20"}));
}

TEST_F(VlanStatic, ClosingDuringTheFirstWalkEndsItAfterTheReplyInFlight)
{
    sim().delay("1.3.6.1.2.1.17.7.1.4.3.1", 200);
    auto form = std::make_unique<TVlanStaticForm>(nullptr, Context());
    form->show();
    ASSERT_TRUE(form->AnyBinderBusy());
    form->reject();
    EXPECT_TRUE(form->IsClosed());
    EXPECT_FALSE(form->AnyBinderBusy());
    EXPECT_LE(form->LV_dot1qVlanStaticEntry->topLevelItemCount(), 1);
    RunEvents(500);
    EXPECT_LE(form->LV_dot1qVlanStaticEntry->topLevelItemCount(), 1);
    form.reset();
    RunEvents(100);
}

TEST_F(VlanStatic, EscapeShutsTheBindersDown)
{
    auto form = Open();
    form->activateWindow();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &press);
    EXPECT_TRUE(form->IsClosed());
    EXPECT_FALSE(form->AnyBinderBusy());
    EXPECT_FALSE(form->isVisible());
}

// ------------------------------------------------- which row a set addresses

// The field showed VLAN 20 when the row was clicked; a user who then types
// another number in it must neither reach that other VLAN nor see his
// number dropped under "Ok": Set and Delete refuse it, naming both.
TEST_F(VlanStatic, SetAndDeleteRefuseAVlanIdTypedOverTheSelectedOne)
{
    struct Case {
        const char* typed;
        bool del;
        bool sent;  // at VLAN 20
        const char* why;
    };
    const Case cases[] = {
        {"10", false, false, "Set with another listed VLAN typed"},
        {"10", true, false, "Delete with another listed VLAN typed: VLAN 10 must survive"},
        {"30", false, false, "Set with an unlisted VLAN typed: that is an Add"},
        {"", true, false, "Delete with the field emptied"},
        {"020", false, true, "the same number written otherwise"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        auto form = Open();
        Select(*form, "20");
        form->ED_VLANID->setText(c.typed);
        form->ED_VLANName->setText("voice2");
        VnMessageBoxCapture boxes;
        if (c.del)
            form->DeleteBtnClick();
        else
            form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        if (c.sent) {
            EXPECT_EQ(OnlySetInstance(), "20");
            EXPECT_TRUE(boxes.Texts().isEmpty());
            continue;
        }
        EXPECT_TRUE(SetRecord().empty());
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_EQ(boxes.Texts()[0],
                  QString(TVlanStaticForm::kVlanIdNotSelected).arg(QString(c.typed), QString("20")));
        EXPECT_EQ(form->focusWidget(), form->ED_VLANID);
        EXPECT_EQ(form->ED_VLANID->text(), c.typed) << "kept for correcting";
    }
    EXPECT_TRUE(sim().get(std::string(kRowStatus) + "10"));
    EXPECT_EQ(sim().get(std::string(kName) + "10")->value, "6D676D74") << "VLAN 10 keeps its name";
}

// A row at 20.7 decodes to "VLAN 20" if the number left over is dropped;
// it is listed with its own instance and neither Set nor Delete touch it,
// nor VLAN 20.
TEST_F(VlanStatic, ARowWhoseInstanceDoesNotDecodeIsListedButNeverWritten)
{
    for (const char* column : {kName, kEgress, kForbidden, kUntagged})
        sim().set(std::string(column) + "20.7", "OCTETSTR", column == kName ? Hex("odd") : kEmptyPorts);
    sim().set(std::string(kRowStatus) + "20.7", "INTEGER", "1");
    auto form = Open();
    EXPECT_EQ(VlanIds(*form), QStringList({"1", "10", "20", "20.7 (malformed instance)"}));
    VnMessageBoxCapture boxes;
    for (const bool del : {true, false}) {
        Select(*form, "20.7 (malformed instance)");
        boxes.Clear();
        if (del)
            form->DeleteBtnClick();
        else
            form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{})) << (del ? "Delete" : "Set");
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(boxes.Texts()[0].contains("instance 20.7 ")) << boxes.Texts()[0].toStdString();
    }
    EXPECT_TRUE(sim().get(std::string(kRowStatus) + "20")) << "the real VLAN 20 stays";
    EXPECT_TRUE(sim().get(std::string(kRowStatus) + "20.7"));
}

TEST_F(VlanStatic, SetAndDeleteWithoutASelectedRowSendNothing)
{
    const struct {
        const char* vlanId;
        bool destroy;
        const char* why;
    } cases[] = {
        {"", false, "Set with no VLAN ID at all"},
        {"abc", false, "Set with a VLAN ID that is no number"},
        {"10", false, "Set with a typed VLAN that exists: its name and ports would be overwritten"},
        {"10", true, "Delete with a typed VLAN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        auto form = Open();
        ASSERT_TRUE(form->LV_dot1qVlanStaticEntry->selectedItems().isEmpty());
        form->ED_VLANID->setText(c.vlanId);
        form->ED_VLANName->setText("typed");
        VnMessageBoxCapture boxes;
        if (c.destroy)
            form->DeleteBtnClick();
        else
            form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        RunEvents(50);
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
        const QStringList lines = MemoLines(form->Memo1);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(WithoutTime(lines.last()), "Set: " + std::string(kVnNothingSentText) + ". Receive at T.");
        EXPECT_EQ(form->ED_VLANID->text(), c.vlanId) << "the fields stay for correcting";
        EXPECT_EQ(form->ED_VLANName->text(), "typed");
    }
}

// An agent may list untagged ports that are not egress ports. Showing the
// row is no user click: the egress boxes stay as the agent sent them, and
// an untouched Set writes the row's bitmaps back unchanged.
TEST_F(VlanStatic, ShowingARowDoesNotCoupleTheGrids)
{
    const std::string egress = "0000030000000000FF" + std::string(192 - 18, '0');
    // Untagged: port 1 of unit 1 (no egress port) and ports 1-4 of unit 2.
    const std::string untagged = "8000000000000000F0" + std::string(192 - 18, '0');
    sim().set(std::string(kUntagged) + "20", "OCTETSTR", untagged);
    auto form = Open();
    Select(*form, "20");
    EXPECT_FALSE(form->EgressPorts->Box(1, 1)->isChecked());
    EXPECT_TRUE(form->UntaggedPorts->Box(1, 1)->isChecked());
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 1u);
    ASSERT_EQ(record[0].size(), 5u);
    EXPECT_EQ(record[0][1], std::string(kEgress) + "20=" + egress);
    EXPECT_EQ(record[0][3], std::string(kUntagged) + "20=" + untagged);
}

}  // namespace
