// The 802.1Q and 802.1P basic configuration dialogs over the switch: what
// they show, and that Set carries the one writable scalar of each.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Pbridgeconfigformunit.h"
#include "VnMessageBox.h"
#include "Vlangeneralinfounit.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::MemoLines;
using dialogtest::WaitIdle;

namespace {

class ScalarDialogs : public QBridgeSwitchTest {};

}  // namespace

TEST_F(ScalarDialogs, GeneralInfoShowsTheBaseValuesAndSetsOnlyGvrp)
{
    auto form = Open<TVLanGeneralInfoForm>();
    EXPECT_EQ(form->windowTitle(), "802.1Q Basic Configure127.0.0.1");
    EXPECT_EQ(form->VlanVersionNumber->text(), "1");
    EXPECT_EQ(form->MaxVlanId->text(), "4094");
    EXPECT_EQ(form->MaxSupportedVlans->text(), "256");
    EXPECT_EQ(form->CurrentNumOfVlans->text(), "2");
    EXPECT_EQ(form->GvrpStatus->currentText(), "disabled");

    form->GvrpStatus->setCurrentText("enabled");
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{kQ + "1.5.0=1"}}));
}

TEST_F(ScalarDialogs, PBridgeSetsOnlyTheTrafficClassesWithoutABox)
{
    VnMessageBoxCapture boxes;
    auto form = Open<TPBridgeConfigForm>();
    EXPECT_EQ(form->windowTitle(), "802.1P Basic Configure: 127.0.0.1");
    EXPECT_EQ(form->Edit_DeviceCapabilities->text().remove(' '), "C400");
    EXPECT_EQ(form->TrafficClassesState->currentText(), "false");
    EXPECT_FALSE(form->GmrpStatus->isVisible());

    form->TrafficClassesState->setCurrentText("true");
    form->BT_Set->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{"1.3.6.1.2.1.17.6.1.1.2.0=1"}}));
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
}

TEST_F(ScalarDialogs, PBridgeCapabilitiesErrorLeavesTheTrafficClassesShown)
{
    sim().error("1.3.6.1.2.1.17.6.1.1.1", "genErr", "get");
    auto form = Open<TPBridgeConfigForm>();
    EXPECT_EQ(form->TrafficClassesState->currentText(), "false");
    EXPECT_TRUE(form->Edit_DeviceCapabilities->text().isEmpty());
    const QStringList lines = MemoLines(form->Memo1);
    EXPECT_EQ(lines.filter("Get: (SNMP) Cannot perform operation, General Error!").size(), 1)
        << lines.join('|').toStdString();
    EXPECT_EQ(lines.filter("Get: (VnSNMP++) Ok!").size(), 1) << lines.join('|').toStdString();
}

// The writable scalar missing from the switch: its combo shows no choice,
// and Set without one sends nothing made up for it.
TEST_F(ScalarDialogs, MissingWritableScalarIsNotSentBack)
{
    struct Case {
        const char* why;
        std::string oid;
        bool pbridge;
    };
    const Case cases[] = {
        {"GVRP status", kQ + "1.5.0", false},
        {"traffic classes", "1.3.6.1.2.1.17.6.1.1.2.0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto kept = sim().get(c.oid);
        ASSERT_TRUE(kept);
        sim().unset(c.oid);
        sim().clearSets();
        VnMessageBoxCapture boxes;
        if (c.pbridge) {
            auto form = Open<TPBridgeConfigForm>();
            EXPECT_EQ(form->TrafficClassesState->currentIndex(), -1);
            EXPECT_EQ(form->Edit_DeviceCapabilities->text().remove(' '), "C400");
            form->BT_Set->click();
            ASSERT_TRUE(WaitIdle(*form));
        } else {
            auto form = Open<TVLanGeneralInfoForm>();
            EXPECT_EQ(form->GvrpStatus->currentIndex(), -1);
            EXPECT_EQ(form->MaxVlanId->text(), "4094");
            form->SetBtn->click();
            ASSERT_TRUE(WaitIdle(*form));
        }
        EXPECT_TRUE(sim().sets().empty()) << SetRecord().size();
        sim().set(c.oid, kept->type, kept->value);
    }
}
