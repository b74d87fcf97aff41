// The pieces every dialog shares: large-fonts scaling, column exclusion,
// error landing, field messages, the constraint check before a set, and
// the binder shut-down on every way a dialog ends.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <stdexcept>

#include "BridgeMib.h"
#include "Equipmentbasicinfoformunit.h"
#include "VnColumnExclusion.h"
#include "VnErrorLanding.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "Vlanstaticformunit.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

struct ScaleCase {
    int laidOut;
    bool largeFonts;
    int shown;
    const char* why;
};

TEST(DialogScaling, LargeFontsMultiplyByOneAndAQuarterDroppingTheFraction)
{
    const ScaleCase cases[] = {
        {587, true, 733, "733.75: the fraction is dropped"},
        {566, true, 707, "707.5 too"},
        {449, true, 561, "561.25"},
        {291, true, 363, "363.75"},
        {420, true, 525, "an exact product stays"},
        {189, false, 189, "without large fonts nothing changes"},
        {0, true, 0, "nothing stays nothing"},
    };
    for (const ScaleCase& c : cases)
        EXPECT_EQ(VnScaledDimension(c.laidOut, c.largeFonts), c.shown) << c.why;
}

class Skeleton : public DialogSwitchTest {};

TEST_F(Skeleton, DialogsOpenAtTheirScaledSize)
{
    struct Case {
        bool largeFonts;
        QSize equipment;
        QSize vlanStatic;
    };
    const Case cases[] = {
        {false, {420, 189}, {587, 566}},
        {true, {525, 236}, {733, 707}},
    };
    for (const Case& c : cases) {
        const VnDialogContext context = Context({{"1", "RQ-4024S"}}, c.largeFonts);
        TEquipmentBasicInfoForm equipment(nullptr, context);
        EXPECT_EQ(equipment.size(), c.equipment);
        TVlanStaticForm vlans(nullptr, context);
        EXPECT_EQ(vlans.size(), c.vlanStatic);
    }
}

// ---------------------------------------------------------------- step X

class ColumnExclusion : public DialogSwitchTest {
protected:
    void SetUp() override
    {
        DialogSwitchTest::SetUp();
        binder = std::make_unique<VnSNMPRequest2Edits>(nullptr);
        binder->SetStatusOutput(&memo);
        binder->request.varList = VnSNMPVarList(VlanStaticTable, MVT_UMV, 1);
        VnSNMPVarList& list = binder->request.varList;
        list.Item(TVlanStaticForm::kVlanId).value = "10";
        list.Item(TVlanStaticForm::kVlanName).value = "renamed";
        list.Item(TVlanStaticForm::kStatus).value = "Active";
        for (int i = 0; i < list.Count(); ++i)
            original.push_back(list.Item(i).access);
    }
    std::vector<unsigned> Words() const
    {
        std::vector<unsigned> words;
        const VnSNMPVarList& list = binder->request.varList;
        for (int i = 0; i < list.Count(); ++i)
            words.push_back(list.Item(i).access);
        return words;
    }
    // Sends the list with the port lists left out.
    void ApplyWithoutPorts(const std::function<void()>& inScope = {})
    {
        VnColumnExclusion exclusion(binder->request.varList, {TVlanStaticForm::kEgressPorts,
                                                               TVlanStaticForm::kForbiddenPorts,
                                                               TVlanStaticForm::kUntaggedPorts});
        binder->Apply(false, false);
        if (inScope)
            inScope();
    }

    QPlainTextEdit memo;
    std::unique_ptr<VnSNMPRequest2Edits> binder;
    std::vector<unsigned> original;
};

TEST_F(ColumnExclusion, TheSetCarriesOnlyTheKeptColumnsAndTheFlagsComeBack)
{
    ApplyWithoutPorts();
    EXPECT_EQ(Words(), original);
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
    const auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    ASSERT_EQ(pdus[0].varbinds.size(), 2u);
    EXPECT_EQ(pdus[0].varbinds[0].oid, "1.3.6.1.2.1.17.7.1.4.3.1.1.10");
    EXPECT_EQ(pdus[0].varbinds[1].oid, "1.3.6.1.2.1.17.7.1.4.3.1.5.10");
    EXPECT_EQ(pdus[0].status, "applied");
}

TEST_F(ColumnExclusion, AnAgentErrorLeavesTheFlagsAsTheyWere)
{
    sim().error("1.3.6.1.2.1.17.7.1.4.3.1.1", "wrongValue", "set");
    ApplyWithoutPorts();
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
    EXPECT_EQ(Words(), original);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(sim().sets()[0].status, "received");
    EXPECT_TRUE(memo.toPlainText().startsWith("Set: ")) << memo.toPlainText().toStdString();
}

TEST_F(ColumnExclusion, AnExceptionLeavesTheFlagsAsTheyWere)
{
    EXPECT_THROW(ApplyWithoutPorts([] { throw std::runtime_error("in the middle"); }), std::runtime_error);
    EXPECT_EQ(Words(), original);
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
}

TEST(ColumnExclusionWords, MarksWhatIsLeftOutAndPutsBackSavedOrFixedWords)
{
    VnSNMPVarList list(VlanStaticTable, MVT_UMV, 1);
    {
        VnColumnExclusion exclusion(list);
        exclusion.ExcludeAllBut({TVlanStaticForm::kVlanId, TVlanStaticForm::kStatus});
        exclusion.Exclude(99);  // outside the list: ignored
        exclusion.RestoreAs(TVlanStaticForm::kVlanName, VnAccess::ReadOnly);
        EXPECT_EQ(list.Item(TVlanStaticForm::kVlanId).access, VnAccess::NotAccess);
        EXPECT_EQ(list.Item(TVlanStaticForm::kVlanName).access, VnAccess::Invalid);
        EXPECT_EQ(list.Item(TVlanStaticForm::kUntaggedPorts).access, VnAccess::Invalid);
        EXPECT_EQ(list.Item(TVlanStaticForm::kStatus).access, VnAccess::ReadWrite);
        EXPECT_FALSE(list.IsWritable(TVlanStaticForm::kVlanName));
    }
    EXPECT_EQ(list.Item(TVlanStaticForm::kVlanName).access, VnAccess::ReadOnly) << "the fixed word";
    EXPECT_EQ(list.Item(TVlanStaticForm::kUntaggedPorts).access, VnAccess::ReadWrite) << "the saved word";
}

// ---------------------------------------------------------------- step E

TEST(ErrorLanding, EachVariantWritesWhereItSays)
{
    QPlainTextEdit memo;
    VnStatusBar bar;
    bar.AddPanel(100);
    bar.AddPanel();
    VnSNMPRequest2Edits binder(nullptr);
    binder.SetStatusOutput(&memo);

    struct Case {
        VnErrorLanding landing;
        QString memoLine;
        QString panelText;
        const char* why;
    };
    const Case cases[] = {
        {VnErrorLanding::StatusLine(&binder), "Get: boom. Receive at T.", "", "the binder's template"},
        {VnErrorLanding::FirstPanel(&bar), "", "boom", "bare text in panel 0"},
        {VnErrorLanding::MemoLine(&memo), "boom", "", "bare text as a memo line"},
        {VnErrorLanding::Silent(), "", "", "nowhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        memo.clear();
        bar.Panel(0)->SetText("");
        const bool finished = VnGuarded(c.landing, [] { throw VnException("boom", -528); });
        EXPECT_FALSE(finished);
        EXPECT_EQ(WithoutTime(memo.toPlainText()), c.memoLine.toStdString());
        EXPECT_EQ(bar.Panel(0)->Text(), c.panelText);
        EXPECT_TRUE(bar.Panel(1)->Text().isEmpty());
    }
    EXPECT_TRUE(VnGuarded(VnErrorLanding::Silent(), [] {}));
}

// ---------------------------------------------------------------- step M

TEST(FieldMessage, ShowsTheTextAndFocusesTheFieldWhenItCanTakeTheFocus)
{
    QDialog form;
    auto* first = new QLineEdit(&form);
    auto* field = new QLineEdit(&form);
    auto* disabled = new QLineEdit(&form);
    disabled->setEnabled(false);
    form.show();
    form.activateWindow();

    struct Case {
        QLineEdit* focus;
        QLineEdit* expected;
        const char* why;
    };
    const Case cases[] = {
        {field, field, "an enabled field takes the focus"},
        {disabled, first, "a disabled one cannot: the focus stays"},
        {nullptr, first, "no field named"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        first->setFocus();
        VnMessageBoxCapture boxes;
        VnFieldMessage(&form, "Choose the item first.", c.focus);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, "Choose the item first.");
        EXPECT_EQ(boxes.Shown()[0].buttons, VnMsgButtons::Ok);
        EXPECT_EQ(form.focusWidget(), c.expected);
    }
}

// The binder checks every constrained field before it sends, though the
// focus never left the field that breaks its rule.
class ConstraintForm : public TDialogBase {
public:
    explicit ConstraintForm(const VnDialogContext& context) : TDialogBase(nullptr, context, 200, 100)
    {
        Id = new QLineEdit(this);
        NewBinder(Request);
        Request->request.varList = VnSNMPVarList(VlanStaticTable, MVT_UMV, 1);
        Request->BindEdits(TVlanStaticForm::kVlanId, "%i{n1x4094}", {Id});
    }
    ~ConstraintForm() override { BeforeDestroy(); }
    QLineEdit* Id = nullptr;
    VnSNMPRequest2Edits* Request = nullptr;
};

TEST_F(Skeleton, AConstraintIsCheckedBeforeASetSendsAnything)
{
    ConstraintForm form(Context());
    form.show();
    form.Id->setFocus();
    QTest::keyClicks(form.Id, "5000");
    ASSERT_EQ(form.Id->text(), "5000");
    VnMessageBoxCapture boxes;
    EXPECT_FALSE(form.Request->Apply(true, true));
    EXPECT_EQ(boxes.Texts(), QStringList({"Please enter a number between 1 and 4094!"}));
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());
}

// ---------------------------------------------------------------- step Z

TEST_F(Skeleton, EveryWayOfEndingShutsTheBindersDown)
{
    struct Case {
        std::function<void(QDialog&)> end;
        const char* why;
    };
    const Case cases[] = {
        {[](QDialog& d) { d.close(); }, "the close box"},
        {[](QDialog& d) { d.done(QDialog::Accepted); }, "done()"},
        {[](QDialog& d) { d.reject(); }, "reject()"},
        {[](QDialog& d) {
             QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QCoreApplication::sendEvent(&d, &esc);
         },
         "Esc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TEquipmentBasicInfoForm form(nullptr, Context());
        form.show();
        ASSERT_NE(form.Request, nullptr);
        c.end(form);
        EXPECT_TRUE(form.IsShutDown());
        EXPECT_EQ(form.Request, nullptr);
        EXPECT_FALSE(form.isVisible());
        // Commands after the end do nothing.
        form.BitBtn1Click();
    }
}

}  // namespace
