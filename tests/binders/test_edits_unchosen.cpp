// A set sends what the user chose and nothing else, as the switch records
// it: controls that cannot show their item's value leave it as it is,
// "(NOTDONE)" and "(NULL)" are never taken for data, items no control
// shows are left out, a row without index value is refused, and a
// cleared hex edit is an empty string.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnRadioGroup.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

using Record = std::vector<std::vector<std::string>>;

constexpr const char* kNewName = "6E6577";  // "new", as the switch records it

std::string LastLine(const QPlainTextEdit& memo)
{
    const QStringList lines = memo.toPlainText().split('\n');
    return WithoutTime(lines.back());
}

std::string NothingSentLine()
{
    return "Set: " + std::string(kVnNothingSentText) + ". Receive at T.";
}

std::string Row(const char* column, int row)
{
    return std::string(column) + "." + std::to_string(row);
}

#define COLUMN(c) BINDERTEST_T(c)

enum class StateControl { None, Combo, Radio, CheckBox, Edit };

// The table editor: the rows in a list, the name in an edit, the state in
// a control of the case's kind, and, when asked, the ports in a grid of 16.
struct TableForm {
    QWidget form;
    QPlainTextEdit memo{&form};
    QTreeWidget list{&form};
    QLineEdit name{&form};
    QComboBox combo{&form};
    VnRadioGroup radio{&form};
    QCheckBox box{&form};
    QLineEdit stateEdit{&form};
    std::vector<QCheckBox*> ports;
    VnSNMPRequest2Edits binder{&form};

    TableForm(std::uint16_t port, StateControl state, bool portGrid)
    {
        binder.request.varList = VnSNMPVarList(kTable, MVT_FMV, 1);
        Aim(binder.request, port);
        binder.BindListView(&list);
        binder.BindEdits(kRowName, "%s{l32}", {&name});
        switch (state) {
        case StateControl::None:
            break;
        case StateControl::Combo:
            binder.BindComboBox(kRowState, &combo);
            break;
        case StateControl::Radio:
            binder.BindRadioGroup(kRowState, &radio);
            break;
        case StateControl::CheckBox:
            binder.BindCheckBox(kRowState, &box);
            break;
        case StateControl::Edit:
            binder.BindEdits(kRowState, "%i", {&stateEdit});
            break;
        }
        if (portGrid) {
            for (int k = 0; k < 16; ++k)
                ports.push_back(new QCheckBox(&form));
            binder.BindCheckBoxList(kRowPorts, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", ports);
        }
        binder.SetStatusOutput(&memo);
    }
    bool Load()
    {
        binder.Refresh();
        return RunUntil([&] { return !binder.Busy(); }) && list.topLevelItemCount() == 5;
    }
    void Select(int row) { list.setCurrentItem(list.topLevelItem(row - 1)); }
    bool Set()
    {
        const bool sent = binder.Apply(false, true);
        return sent && RunUntil([&] { return !binder.Busy(); });
    }
    int PortsChecked() const
    {
        int n = 0;
        for (const QCheckBox* b : ports)
            n += b->isChecked() ? 1 : 0;
        return n;
    }
};

class UnchosenTest : public BinderSwitchTest {};

} // namespace

// The state of a row set by the agent to a value the control cannot show,
// or to no value at all: the user changes only the name. What the control
// did not show must not be written as 0 (what an unselected combo box or
// the hex of "(NOTDONE)" used to give).
TEST_F(UnchosenTest, ControlsThatCannotShowTheValueLeaveIt)
{
    struct Case {
        const char* why;
        StateControl control;
        bool portGrid;
        std::function<void(SimSwitch&)> agent;
        int row;
        std::function<void(TableForm&)> shown;  // what the form shows; may act as the user
        Record sent;
        bool accepted = true;
    };
    const auto stateIs = [](const char* type, const char* value) {
        return [=](SimSwitch& sim) { sim.set(Row(COLUMN(3), 1), type, value); };
    };
    // The switch cannot hold a NULL in a walk; an exception in its place
    // reaches the request the same way, as a binding without value.
    const auto noValue = [](const char* column) {
        return [=](SimSwitch& sim) { sim.error(Row(column, 1), "noSuchInstance", "getnext"); };
    };
    // The last row without the column: the column ends there.
    const auto unset = [](const char* column) {
        return [=](SimSwitch& sim) { sim.unset(Row(column, 5)); };
    };
    const Case cases[] = {
        {"a value outside the combo's list is shown as it stands and, untouched, not sent", StateControl::Combo,
         false, stateIs("INTEGER", "7"), 1, [](TableForm& f) { EXPECT_EQ(f.combo.currentText(), "7"); },
         {{Row(COLUMN(2), 1) + "=" + kNewName}}},
        {"likewise in a radio group", StateControl::Radio, false, stateIs("INTEGER", "7"), 1,
         [](TableForm& f) { EXPECT_EQ(f.radio.ItemIndex(), -1); },
         {{Row(COLUMN(2), 1) + "=" + kNewName, Row(COLUMN(3), 1) + "=7"}}},
        {"a check box left unchecked for a value outside its list chose nothing", StateControl::CheckBox,
         false, stateIs("INTEGER", "7"), 1, [](TableForm& f) { EXPECT_FALSE(f.box.isChecked()); },
         {{Row(COLUMN(2), 1) + "=" + kNewName, Row(COLUMN(3), 1) + "=7"}}},
        {"once toggled, the box's state is the user's choice, back to unchecked too", StateControl::CheckBox,
         false, stateIs("INTEGER", "7"), 1,
         [](TableForm& f) {
             f.box.click();
             f.box.click();
         },
         {{Row(COLUMN(2), 1) + "=" + kNewName, Row(COLUMN(3), 1) + "=2"}}},
        {"a binding received without value is not written back", StateControl::Combo, false, noValue(COLUMN(3)), 1,
         [](TableForm& f) { EXPECT_EQ(f.combo.currentIndex(), -1); },
         {{Row(COLUMN(2), 1) + "=" + kNewName}}},
        {"an edit shows (NULL) as it stands and gives nothing", StateControl::Edit, false, noValue(COLUMN(3)), 1,
         [](TableForm& f) { EXPECT_EQ(f.stateEdit.text(), "(NULL)"); },
         {{Row(COLUMN(2), 1) + "=" + kNewName}}},
        {"a column that ended selects nothing in a combo", StateControl::Combo, false, unset(COLUMN(3)), 5,
         [](TableForm& f) { EXPECT_EQ(f.combo.currentIndex(), -1); },
         {{Row(COLUMN(2), 5) + "=" + kNewName}}},
        {"an edit shows (NOTDONE), which is never read as 0", StateControl::Edit, false, unset(COLUMN(3)), 5,
         [](TableForm& f) { EXPECT_EQ(f.stateEdit.text(), "(NOTDONE)"); },
         {{Row(COLUMN(2), 5) + "=" + kNewName}}},
        {"a check box for (NOTDONE)", StateControl::CheckBox, false, unset(COLUMN(3)), 5,
         [](TableForm& f) { EXPECT_FALSE(f.box.isChecked()); },
         {{Row(COLUMN(2), 5) + "=" + kNewName}}},
        {"(NOTDONE) ticks no port of a grid (its text is no hex) and is not written", StateControl::None, true,
         unset(COLUMN(4)), 5, [](TableForm& f) { EXPECT_EQ(f.PortsChecked(), 0); },
         {{Row(COLUMN(2), 5) + "=" + kNewName}}},
        {"ports ticked by the user over (NOTDONE) are what the user chose", StateControl::None, true,
         unset(COLUMN(4)), 5, [](TableForm& f) { f.ports[0]->click(); },
         {{Row(COLUMN(2), 5) + "=" + kNewName, Row(COLUMN(4), 5) + "=8000"}},
         false},  // the switch has no such instance to write: noCreation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        // Each case changes the agent's data: a switch of its own.
        SimSwitch fresh({true, {SimSwitch::dataPath("binders-edits.sim")}, {}});
        c.agent(fresh);
        VnMessageBoxCapture boxes;
        TableForm f(fresh.port(), c.control, c.portGrid);
        ASSERT_TRUE(f.Load());
        f.Select(c.row);
        c.shown(f);
        f.name.setText("new");
        ASSERT_TRUE(f.Set());
        if (c.accepted) {
            EXPECT_EQ(LastLine(f.memo), "Set: " + VnErrorText(kVnOk) + ". Receive at T.");
        }
        Record record;
        for (const SimSwitch::SetPdu& pdu : fresh.sets()) {
            std::vector<std::string> varbinds;
            for (const SimSwitch::Varbind& vb : pdu.varbinds)
                varbinds.push_back(vb.oid + "=" + vb.value);
            record.push_back(varbinds);
        }
        EXPECT_EQ(record, c.sent);
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
    }
}

// The scalar editor, with the same kinds of values the agent gives and the
// controls cannot show; a set of the whole form writes only what they do show.
TEST_F(UnchosenTest, ScalarFormWritesOnlyWhatItsControlsShow)
{
    sim().set(BINDERTEST_S(2) ".0", "INTEGER", "7");  // combo box
    sim().set(BINDERTEST_S(3) ".0", "INTEGER", "7");  // check box
    sim().set(BINDERTEST_S(6) ".0", "INTEGER", "9");  // radio group
    sim().set(BINDERTEST_S(5) ".0", "NULL", "");      // four edits
    QWidget form;
    QPlainTextEdit memo(&form);
    QLineEdit name(&form);
    QComboBox state(&form);
    QCheckBox flag(&form);
    VnRadioGroup mode(&form);
    std::vector<QLineEdit*> address;
    for (int k = 0; k < 4; ++k)
        address.push_back(new QLineEdit(&form));
    VnSNMPRequest2Edits binder(&form);
    Use(binder.request, kScalars, SVT_SV, 0);
    binder.BindEdits(kName, "%s{l32}", {&name});
    binder.BindComboBox(kState, &state);
    binder.BindCheckBox(kFlag, &flag);
    binder.BindRadioGroup(kMode, &mode);
    binder.BindEdits(kAddress, "%u{x255}%u{x255}%u{x255}%u{x255}", address);
    binder.SetStatusOutput(&memo);
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(state.currentText(), "7") << "the agent's value as it stands";
    EXPECT_FALSE(flag.isChecked());
    EXPECT_EQ(mode.ItemIndex(), -1);
    EXPECT_EQ(address[0]->text(), "") << "(NULL) leaves the parts as they were";

    name.setText("new");
    ASSERT_TRUE(binder.Apply());
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(SetRecord(), (Record{{BINDERTEST_S(1) ".0=" + std::string(kNewName)}}))
        << "the ports, the description and the uptime are bound to nothing here";

    // Typing into one part of the address makes it the user's value.
    sim().clearSets();
    address[0]->setText("10");
    ASSERT_TRUE(binder.Apply());
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(SetRecord(), (Record{{BINDERTEST_S(1) ".0=" + std::string(kNewName), BINDERTEST_S(5) ".0=10.0.0.0"}}));
}

// A table set without a row and without index controls: the row's index
// has no value. Nothing may go to row ".0" (what an empty integer index
// used to encode); the user is told, and the status line says so.
TEST_F(UnchosenTest, TableSetWithoutRowIsRefused)
{
    VnMessageBoxCapture boxes;
    TableForm f(port(), StateControl::Combo, false);
    ASSERT_TRUE(f.Load());
    f.name.setText("typed");
    EXPECT_FALSE(f.binder.Apply());
    EXPECT_EQ(boxes.Texts(), QStringList({QString("Index: ") + kVnNoRowIndexText})) << "the field is named";
    EXPECT_EQ(LastLine(f.memo), NothingSentLine());
    EXPECT_FALSE(f.binder.Busy());

    f.binder.mode = VnSNMPRequest2Controls::kModeSync;
    EXPECT_FALSE(f.binder.Apply());
    EXPECT_EQ(boxes.Texts().size(), 2) << "a blocking set is refused the same way";
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
}

// An Add form binds the index to an edit: what is typed there addresses the
// row; an empty or non-numeric index is refused rather than sent as 0.
// Items no control gives (the ports) are left out of the set.
TEST_F(UnchosenTest, IndexTypedInAnEditAddressesTheRow)
{
    struct Case {
        const char* typed;
        Record sent;
        const char* why;
    };
    const Case cases[] = {
        {"4", {{Row(COLUMN(2), 4) + "=7479706564", Row(COLUMN(3), 4) + "=3"}}, "the typed row, and no ports"},
        {"", {}, "no index typed"},
        {"abc", {}, "an index that is no number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        VnMessageBoxCapture boxes;
        TableForm f(port(), StateControl::Combo, false);
        QLineEdit index(&f.form);
        f.binder.BindEdits(kRowIndex, "%s", {&index});
        index.setText(c.typed);
        f.name.setText("typed");
        f.combo.setCurrentIndex(1);
        const bool sent = f.binder.Apply(false, true);
        ASSERT_TRUE(RunUntil([&] { return !f.binder.Busy(); }));
        EXPECT_EQ(sent, !c.sent.empty());
        EXPECT_EQ(boxes.Texts().size(), c.sent.empty() ? 1 : 0);
        RunEvents(50);
        EXPECT_EQ(SetRecord(), c.sent);
    }
}

// A hex edit cleared by the user means the empty string; the agent took
// NULL for the wrong type.
TEST_F(UnchosenTest, ClearedHexEditWritesAnEmptyString)
{
    QWidget form;
    QPlainTextEdit memo(&form);
    QLineEdit ports(&form);
    VnSNMPRequest2Edits binder(&form);
    Use(binder.request, kScalars, SVT_SV, 0);
    binder.BindEdits(kPorts, "%h", {&ports});
    binder.SetStatusOutput(&memo);
    binder.mode = VnSNMPRequest2Controls::kModeSync;
    binder.Refresh();
    EXPECT_EQ(ports.text(), "80000001");
    ports.clear();
    ASSERT_TRUE(binder.Apply());
    EXPECT_EQ(LastLine(memo), "Set: " + VnErrorText(kVnOk) + ". Receive at T.");
    EXPECT_EQ(SetRecord(), (Record{{BINDERTEST_S(4) ".0="}}));
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(sim().sets()[0].varbinds[0].type, "OCTETSTR");
    EXPECT_EQ(sim().sets()[0].status, "applied");
}
