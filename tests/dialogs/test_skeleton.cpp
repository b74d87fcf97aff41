// The pieces every dialog shares: large-fonts scaling, the access scope
// around a set, field messages, the constraint check before a set, and
// the binder shut-down on every way a dialog ends.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <stdexcept>

#include "BridgeMib.h"
#include "Equipmentbasicinfoformunit.h"
#include "VnAccessScope.h"
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

// The laid-out size is a minimum: a dialog opens at it, or larger where
// its controls need more room (twelve port columns, a long fixed text).
TEST_F(Skeleton, DialogsOpenAtLeastAtTheirScaledSize)
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
    auto check = [](TDialogBase& form, QSize laidOut) {
        form.show();
        RunEvents(20);
        EXPECT_EQ(form.size(), laidOut.expandedTo(form.minimumSizeHint()));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.largeFonts ? "large fonts" : "normal fonts");
        const VnDialogContext context = Context({{"1", "RQ-4024S"}}, c.largeFonts);
        TEquipmentBasicInfoForm equipment(nullptr, context);
        check(equipment, c.equipment);
        TVlanStaticForm vlans(nullptr, context);
        check(vlans, c.vlanStatic);
        EXPECT_EQ(vlans.size().height(), c.vlanStatic.height()) << "the rows and grids fit the laid-out height";
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
        VnAccessScope exclusion(binder->request.varList, {TVlanStaticForm::kEgressPorts,
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
    const std::string& label = form.Request->request.varList.Item(TVlanStaticForm::kVlanId).label;
    EXPECT_EQ(boxes.Texts(), QStringList({QString::fromStdString(label + ": Please enter a number between 1 and 4094!")}));
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
        ASSERT_TRUE(WaitIdle(form));
        sim().delay("1.3.6.1.4.1.88406.12.11.1", 200);
        form.BitBtn1Click();
        ASSERT_TRUE(form.AnyBinderBusy());
        c.end(form);
        EXPECT_TRUE(form.IsClosed());
        EXPECT_FALSE(form.AnyBinderBusy());
        EXPECT_FALSE(form.isVisible());
        // Until it is shown again, the closed form reads nothing.
        const QString memo = form.Memo1->toPlainText();
        form.BitBtn1Click();
        RunEvents(300);
        EXPECT_EQ(form.Memo1->toPlainText(), memo);
        sim().delay("1.3.6.1.4.1.88406.12.11.1", 0);
    }
}

}  // namespace

namespace {

// An edit form is shown again and again: closing it stops its walks but
// leaves it whole, so the next showing reads and writes as the first.
TEST_F(Skeleton, AFormClosedAndShownAgainWorksAsBefore)
{
    TEquipmentBasicInfoForm form(nullptr, Context());
    for (const char* units : {"2", "5", "7"}) {
        SCOPED_TRACE(units);
        sim().set("1.3.6.1.4.1.88406.12.11.1.9.3.0", "INTEGER", units);
        form.show();
        form.BitBtn1Click();
        ASSERT_TRUE(WaitIdle(form));
        EXPECT_EQ(form.Edit3->text(), units);
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
}

}  // namespace

namespace {

// A dialog whose handler follows the rows of its list view, as the row
// count does. Its destructor is the default one.
class RowsForm : public TDialogBase {
public:
    explicit RowsForm(int& calls) : TDialogBase(nullptr, dialogtest::Context(), 200, 100), calls_(calls)
    {
        Rows = new QTreeWidget(this);
        for (const char* text : {"1", "10", "20"})
            new QTreeWidgetItem(Rows, QStringList{text});
        On(Rows->model(), &QAbstractItemModel::modelReset, [this] { Count(); });
        On(Rows->model(), &QAbstractItemModel::rowsRemoved, [this] { Count(); });
    }
    void Count() { ++calls_; }
    QTreeWidget* Rows = nullptr;

private:
    int& calls_;
};

// Deleting the list view sends its model's signals while the dialog is
// half destroyed: no handler may run then.
TEST(DialogLife, NoHandlerRunsWhileTheDialogIsDestroyed)
{
    int calls = 0;
    auto form = std::make_unique<RowsForm>(calls);
    form->Rows->clear();
    EXPECT_GT(calls, 0) << "the handlers run while the dialog lives";
    new QTreeWidgetItem(form->Rows, QStringList{"30"});
    calls = 0;
    form.reset();
    EXPECT_EQ(calls, 0);
}

TEST_F(Skeleton, TheGlobalFormPointerFollowsTheFormsLife)
{
    auto form = std::make_unique<TVlanStaticForm>(nullptr, Context());
    EXPECT_EQ(VlanStaticForm, form.get());
    form.reset();
    EXPECT_EQ(VlanStaticForm, nullptr);
}

// With the option, a close leaves the walk to read its last row; the form
// is hidden at once.
TEST_F(Skeleton, AWalkMayRunToItsEndAfterAClose)
{
    sim().delay("1.3.6.1.2.1.17.7.1.4.3.1", 100);
    TVlanStaticForm form(nullptr, Context());
    form.SetWalkOnClose(VnWalkOnClose::RunToEnd);
    form.show();
    ASSERT_TRUE(form.AnyBinderBusy());
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.AnyBinderBusy());
    ASSERT_TRUE(WaitIdle(form));
    EXPECT_EQ(form.LV_dot1qVlanStaticEntry->topLevelItemCount(), 3);
}

}  // namespace
