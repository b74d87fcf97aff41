// A set the agent refuses and one it never answers, in all eight mask
// dialogs: the message stands alone in panel 0, the form returns to the
// no-row state, and every item's access word is the table's again.
#include <functional>

#include "Cpuethernetmaskinformationformunit.h"
#include "Cpuipmaskinformationformunit.h"
#include "Cpuipv6maskinformationunit.h"
#include "Cpuusermaskinforunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipv6maskinformationunit.h"
#include "Usermaskinforunit.h"
#include "VnSNMPVarList.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

struct Dialog {
    const char* name;
    std::string entry;
    std::function<std::unique_ptr<TMaskDialogBase>()> open;
};

class MaskFailures : public MaskSwitchTest {
protected:
    template <typename Form>
    Dialog Of(const char* name, const std::string& entry)
    {
        return {name, entry, [this] { return std::unique_ptr<TMaskDialogBase>(Open<Form>()); }};
    }

    std::vector<Dialog> All()
    {
        return {Of<TEthernetMaskInformationForm>("Ethernet", std::string(kPort) + "1.1"),
                Of<TIPv4MaskInformationForm>("IPv4", std::string(kPort) + "2.1"),
                Of<TUserMaskInfoForm>("user", std::string(kPort) + "3.1"),
                Of<TIPv6MaskInformationForm>("IPv6", std::string(kPort) + "4.1"),
                Of<TCPUEthernetMaskInformationForm>("CPU Ethernet", std::string(kCpu) + "1.1"),
                Of<TCPUIPMaskInformationForm>("CPU IPv4", std::string(kCpu) + "2.1"),
                Of<TCPUUserMaskInfoForm>("CPU user", std::string(kCpu) + "3.1"),
                Of<TCPUIPv6MaskInformationForm>("CPU IPv6", std::string(kCpu) + "4.1")};
    }

    // Set at the first row, which every dialog sends as it is shown.
    static void SetFirstRow(TMaskDialogBase& form)
    {
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        ASSERT_TRUE(form.SetButton()->isEnabled());
        form.SetButton()->click();
    }

    static void ExpectTableWords(const TMaskDialogBase& form)
    {
        const VnSNMPVarList& list = form.Binder->request.varList;
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Item(i).access, form.Variant().table[i].access) << "item " << i;
    }
};

TEST_F(MaskFailures, ARefusedSetStandsInPanelZero)
{
    for (const Dialog& dialog : All()) {
        SCOPED_TRACE(dialog.name);
        auto form = dialog.open();
        sim().error(dialog.entry, "genErr", "set");
        SetFirstRow(*form);
        const auto sets = sim().sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].status, "received");
        EXPECT_EQ(Panel0(*form), "(SNMP) Cannot perform operation, General Error!") << "the bare message";
        EXPECT_TRUE(NoRowState(*form));
        EXPECT_TRUE(form->IdField()->text().isEmpty());
        ExpectTableWords(*form);
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
        sim().clearFaults();
    }
}

TEST_F(MaskFailures, ASetWithoutAnswerStandsInPanelZero)
{
    for (const Dialog& dialog : All()) {
        SCOPED_TRACE(dialog.name);
        auto form = dialog.open();
        sim().drop(dialog.entry);
        SetFirstRow(*form);
        EXPECT_FALSE(sim().sets().empty());
        // The switch may have applied it all the same, and the list says so.
        EXPECT_EQ(Panel0(*form), QString("(SNMPClass) SNMP request timed out!") + kVnSetMayBeDoneTableText);
        EXPECT_TRUE(NoRowState(*form));
        ExpectTableWords(*form);
        sim().clearFaults();
    }
}

}  // namespace
