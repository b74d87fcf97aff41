// The port mirror dialog over the switch: the target as unit and port, the
// order of the Set checks (message, focus, nothing sent), the one set of
// all four scalars, and a short bitmap read into the grids.
#include <QCheckBox>
#include <QLineEdit>

#include <functional>

#include "Portmirror.h"
#include "Stackingportuitformunit.h"
#include "VnStatusOutput.h"
#include "ports_test_support.h"

using namespace portstest;

namespace {

const std::string kMirror = std::string(kEnterprise) + ".11.59.5.2.10.";

class PortMirror : public PortsSwitchTest {};

TEST_F(PortMirror, OpensWithTheTargetAsUnitAndPortAndBothGrids)
{
    auto form = Open<TPortMirrorForm>();
    EXPECT_EQ(form->windowTitle(), "Port Mirror Table: 127.0.0.1");
    EXPECT_EQ(form->UnitEdit->text(), "1");
    EXPECT_EQ(form->PortEdit->text(), "3");
    EXPECT_TRUE(form->CK_Status->isChecked());
    EXPECT_TRUE(form->IngressPorts->Box(1, 1)->isChecked());
    EXPECT_TRUE(form->EgressPorts->Box(2, 2)->isChecked());
    EXPECT_FALSE(form->EgressPorts->Box(1, 1)->isChecked());
}

TEST_F(PortMirror, ATargetIndexOfZeroShowsUnitAndPortZero)
{
    sim().set(kMirror + "1.0", "INTEGER", "0");
    auto form = Open<TPortMirrorForm>();
    EXPECT_EQ(form->UnitEdit->text(), "0");
    EXPECT_EQ(form->PortEdit->text(), "0");
}

TEST_F(PortMirror, SetSendsTargetBothBitmapsAndStateInOneSet)
{
    auto form = Open<TPortMirrorForm>();
    form->UnitEdit->setText("2");
    form->PortEdit->setText("5");
    form->IngressPorts->Box(1, 1)->setChecked(false);  // egress side only is enough
    form->CK_Status->setChecked(false);
    form->BT_SetClick();
    const std::vector<std::vector<std::string>> expected = {{
        kMirror + "1.0=69",
        kMirror + "2.0=" + Bitmap({}),
        kMirror + "3.0=" + Bitmap({{2, 2}}),
        kMirror + "4.0=2",
    }};
    EXPECT_EQ(SetRecord(), expected);
}

TEST_F(PortMirror, SetChecksStopInOrderAndSendNothing)
{
    struct Case {
        const char* name;
        std::function<void(TPortMirrorForm&)> change;
        const char* message;
        const char* focus;
    };
    const auto uncheckAll = [](TPortMirrorForm& f) {
        f.IngressPorts->UncheckAll();
        f.EgressPorts->UncheckAll();
    };
    const Case cases[] = {
        {"no source port, before the target",
         [&](TPortMirrorForm& f) {
             uncheckAll(f);
             f.UnitEdit->setText("0");
         },
         TPortMirrorForm::kNoSourcePorts, ""},
        {"unit 0", [](TPortMirrorForm& f) { f.UnitEdit->setText("0"); }, TPortMirrorForm::kInvalidTarget, "UnitEdit"},
        {"unit 13", [](TPortMirrorForm& f) { f.UnitEdit->setText("13"); }, TPortMirrorForm::kInvalidTarget,
         "UnitEdit"},
        {"unit not listed", [](TPortMirrorForm& f) { f.UnitEdit->setText("3"); }, TPortMirrorForm::kInvalidTarget,
         "UnitEdit"},
        {"unit empty", [](TPortMirrorForm& f) { f.UnitEdit->clear(); }, TPortMirrorForm::kInvalidTarget, "UnitEdit"},
        {"port 51", [](TPortMirrorForm& f) { f.UnitEdit->setText("2"); f.PortEdit->setText("51"); },
         TPortMirrorForm::kInvalidTarget, "PortEdit"},
        {"port 0", [](TPortMirrorForm& f) { f.PortEdit->setText("0"); }, TPortMirrorForm::kInvalidTarget, "PortEdit"},
        {"port beyond the unit", [](TPortMirrorForm& f) { f.PortEdit->setText("25"); },
         TPortMirrorForm::kInvalidTarget, "PortEdit"},
        {"target is an ingress source", [](TPortMirrorForm& f) { f.PortEdit->setText("1"); },
         TPortMirrorForm::kTargetIsMember, ""},
        {"target is an egress source",
         [](TPortMirrorForm& f) {
             f.UnitEdit->setText("2");
             f.PortEdit->setText("2");
         },
         TPortMirrorForm::kTargetIsMember, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = Open<TPortMirrorForm>();
        c.change(*form);
        VnMessageBoxCapture boxes;
        form->BT_SetClick();
        EXPECT_EQ(boxes.Texts(), QStringList({c.message}));
        if (*c.focus) {
            EXPECT_EQ(form->focusWidget() ? form->focusWidget()->objectName() : QString(), c.focus);
        }
        EXPECT_TRUE(sim().sets().empty());
    }
}

TEST_F(PortMirror, TheSourceWarningIsAWarningBox)
{
    auto form = Open<TPortMirrorForm>();
    form->IngressPorts->UncheckAll();
    form->EgressPorts->UncheckAll();
    VnMessageBoxCapture boxes;
    form->BT_SetClick();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].icon, VnMsgIcon::Warning);
}

TEST_F(PortMirror, AShortBitmapIsReportedInTheFirstPanel)
{
    sim().set(kMirror + "2.0", "OCTETSTR", "80");
    auto form = Open<TPortMirrorForm>();
    EXPECT_TRUE(form->StatusPanel->text().contains("Out of range for the bit(byte) index"))
        << form->StatusPanel->text().toStdString();
    EXPECT_TRUE(form->IngressPorts->Box(1, 1)->isChecked());
    // The items after the short one show the switch's values, and a Set
    // sends those, not the empty grid and cleared box of a form never filled.
    EXPECT_TRUE(form->EgressPorts->Box(2, 2)->isChecked());
    EXPECT_TRUE(form->CK_Status->isChecked());
    form->BT_SetClick();
    const std::vector<std::vector<std::string>> expected = {{
        kMirror + "1.0=3",
        kMirror + "2.0=" + Bitmap({{1, 1}}),
        kMirror + "3.0=" + Bitmap({{2, 2}}),
        kMirror + "4.0=3",
    }};
    EXPECT_EQ(SetRecord(), expected);
}

}  // namespace
