// The static VLAN dialog's Set with no row selected: the VLAN ID field is
// then the only index of the row. Empty or no number, nothing is sent (the
// library used to read it as VLAN 0) and the memo says so; a number
// addresses that VLAN.
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <memory>
#include <string>

#include "VnMessageBox.h"
#include "VnSNMPRequest.h"
#include "VnSNMPRequest2Controls.h"
#include "Vlanstaticformunit.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

constexpr const char* kVlanStaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1.";
constexpr const char* kRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5.";

class VlanStaticWithoutRow : public DialogSwitchTest {};

TEST_F(VlanStaticWithoutRow, SetNeedsAVlanIdThatIsANumber)
{
    const struct {
        const char* vlanId;
        bool sent;
        const char* why;
    } cases[] = {
        {"", false, "no VLAN ID: no row to address"},
        {"abc", false, "a VLAN ID that is no number"},
        {"10", true, "a typed VLAN ID addresses that VLAN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        auto form = std::make_unique<TVlanStaticForm>(nullptr, Context());
        form->show();
        ASSERT_TRUE(WaitIdle(*form));
        ASSERT_TRUE(form->LV_dot1qVlanStaticEntry->selectedItems().isEmpty());
        form->ED_VLANID->setText(c.vlanId);
        form->ED_VLANName->setText("typed");
        VnMessageBoxCapture boxes;
        form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        RunEvents(50);
        const auto sets = sim().sets();
        if (!c.sent) {
            EXPECT_TRUE(sets.empty());
            EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowIndexText}));
            const QStringList lines = MemoLines(form->Memo1);
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_EQ(WithoutTime(lines.last()), "Set: " + std::string(kVnNothingSentText) + ". Receive at T.");
            EXPECT_EQ(form->ED_VLANID->text(), c.vlanId) << "the fields stay for correcting";
            continue;
        }
        EXPECT_TRUE(boxes.Texts().isEmpty());
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 4u) << "name and the three port lists; no status was chosen";
        for (const SimSwitch::Varbind& vb : sets[0].varbinds) {
            EXPECT_EQ(vb.oid.rfind(kVlanStaticEntry, 0), 0u) << vb.oid;
            EXPECT_EQ(vb.oid.substr(vb.oid.size() - 3), ".10") << vb.oid;
            EXPECT_NE(vb.oid.rfind(kRowStatus, 0), 0u) << vb.oid;
        }
    }
}

}  // namespace
