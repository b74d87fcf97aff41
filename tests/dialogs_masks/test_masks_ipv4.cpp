// The IPv4 mask dialogs of the ports and of the CPU filter over the
// switch: the columns the protocol type, its options and the filled fields
// choose, the hand-overs of Set, and the refusals that send nothing.
#include <functional>

#include "Cpuipmaskinformationformunit.h"
#include "Ipmaskinformationformunit.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

using Form = TIPv4MaskDialog;

const Twin kTwins[] = {{"port", std::string(kPort) + "2.1.", false, "1"},
                       {"cpu", std::string(kCpu) + "2.1.", true, "1"}};

using Ipv4Masks = TwinTest<Form, TIPv4MaskInformationForm, TCPUIPMaskInformationForm>;

// An Add of mask 4 with the presets and `edit` on top.
struct SendCase {
    const char* name;
    bool add;
    std::function<void(Form&)> edit;
    std::vector<std::string> sent;
};

TEST_F(Ipv4Masks, EachCommandSendsTheColumnsItsChoicesUseWithTheShownValues)
{
    const SendCase cases[] = {
        {"set a tcp row as listed", false, [](Form&) {},
         {"2.1=2", "3.1=4", "4.1=255.255.255.0", "5.1=255.255.0.0", "6.1=2", "7.1=4", "10.1=4", "12.1=FFFF",
          "13.1=FF00", "14.1=1", "15.1=63", "18.1=1"}},
        {"set other and udp", false,
         [](Form& f) {
             f.IpAddMaskStateComboBox->setCurrentIndex(0);
             f.UseProTypeComBo->setCurrentIndex(4);
             f.UDPOptionComBo->setCurrentIndex(1);
             f.TCPUDPDstPortMaskEdit->setText("0ff0");
         },
         {"2.1=2", "3.1=1", "6.1=2", "7.1=5", "11.1=2", "12.1=FFFF", "13.1=0FF0", "18.1=1"}},
        {"add tcp src, udp other", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(3);
             f.TCPOptionComBo->setCurrentIndex(2);
             f.TCPUDPSrcMaskEdit->setText("00FF");
             f.TCPUDPDstPortMaskEdit->setText("FF00");
             f.TCPFlagBitOptionComBo->setCurrentIndex(0);
             f.TCPFlagBitMaskEdit->setText("2");
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=4", "10.4=3", "12.4=00FF", "14.4=1", "15.4=2", "18.4=4"}},
        {"add tcp, flag bit enabled without its mask", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(3);
             f.TCPFlagBitOptionComBo->setCurrentIndex(0);
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=4", "14.4=1", "18.4=4"}},
        {"add icmp none", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(1);
             f.TCPUDPSrcMaskEdit->setText("FFFF");
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=2", "18.4=4"}},
        {"add icmp type-code", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(1);
             f.ICMPOptionComBo->setCurrentIndex(3);
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=2", "8.4=4", "18.4=4"}},
        {"add igmp", true, [](Form& f) { f.UseProTypeComBo->setCurrentIndex(2); },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=3", "9.4=2", "18.4=4"}},
        {"add protocol ID enabled without its mask", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(5);
             f.ProOptionComBo->setCurrentIndex(0);
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=6", "16.4=1", "18.4=4"}},
        {"add protocol ID with its mask", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(5);
             f.ProOptionComBo->setCurrentIndex(0);
             f.ProIDMaskEdit->setText("0000fFfF");
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=6", "16.4=1", "17.4=0000FFFF", "18.4=4"}},
        {"add protocol ID disabled", true,
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(5);
             f.ProIDMaskEdit->setText("0000FFFF");
         },
         {"2.4=2", "3.4=1", "6.4=2", "7.4=6", "16.4=2", "18.4=4"}},
        {"add dst address only", true,
         [](Form& f) {
             f.IpAddMaskStateComboBox->setCurrentIndex(1);
             f.IpAddMaskSrcEdit->setText("255.0.0.0");
             f.IpAddMaskDstEdit->setText("255.255.255.255");
         },
         {"2.4=2", "3.4=2", "5.4=255.255.255.255", "6.4=2", "7.4=1", "18.4=4"}},
        {"add dst address left empty", true, [](Form& f) { f.IpAddMaskStateComboBox->setCurrentIndex(3); },
         {"2.4=2", "3.4=4", "6.4=2", "7.4=1", "18.4=4"}},
    };
    for (const Twin& twin : kTwins) {
        for (const SendCase& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            if (c.add)
                form->IPIDEdit->setText("4");
            else
                Select(*form, "1");
            c.edit(*form);
            (c.add ? form->BT_Add : form->SetBtn)->click();
            ExpectSentAndCleared(*form, twin.entry, c.sent);
            EXPECT_TRUE(form->IpAddMaskSrcEdit->text().isEmpty() && form->ProIDMaskEdit->text().isEmpty());
            if (c.add)
                RemoveRow(twin.entry, "4", 18);
        }
    }
}

TEST_F(Ipv4Masks, SetWithDestroyDeletesAndWithCreateAndGoAddsOnTheSameId)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        auto form = OpenTwin(twin);
        Select(*form, "1");
        form->RowStatusComBo->setCurrentIndex(2);
        form->SetBtn->click();
        EXPECT_EQ(Sets(twin.entry), Record({{"18.1=6"}}));
        EXPECT_FALSE(Ids(*form).contains("1"));
        sim().clearSets();

        // The port form adds, and an ID that is listed goes nowhere: the
        // box names the row. The CPU form sets the row: the agent refuses
        // to create a listed row, and panel 0 says so.
        const QString listed = Ids(*form).at(0);
        Select(*form, listed);
        form->RowStatusComBo->setCurrentIndex(1);
        Boxes().Clear();
        form->SetBtn->click();
        const auto sets = sim().sets();
        if (!twin.cpu) {
            EXPECT_TRUE(sets.empty());
            ASSERT_EQ(Boxes().Texts().size(), 1);
            EXPECT_TRUE(Boxes().Texts()[0].contains(listed + " is listed already")) << Boxes().Texts()[0].toStdString();
            continue;
        }
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].status, "received");
        EXPECT_EQ(sets[0].varbinds.back().oid, twin.entry + "18." + listed.toStdString());
        EXPECT_EQ(sets[0].varbinds.back().value, "4");
        EXPECT_FALSE(Panel0(*form).isEmpty()) << "the refusal is not swallowed";
        EXPECT_TRUE(NoRowState(*form));
    }
}

struct RefusalCase {
    const char* name;
    std::function<void(Form&)> edit;
    QString message;
    const char* focus;
};

TEST_F(Ipv4Masks, RefusalsSendNothing)
{
    const RefusalCase cases[] = {
        {"add with destroy shown", [](Form& f) { f.RowStatusComBo->setCurrentIndex(2); }, Form::kNotCreateAndGo,
         "RowStatusComBo"},
        {"add without ID", [](Form& f) { f.IPIDEdit->clear(); }, "", nullptr},
        {"address past 255",
         [](Form& f) {
             f.IpAddMaskStateComboBox->setCurrentIndex(2);
             f.IpAddMaskSrcEdit->setText("10.0.0.256");
         },
         "", nullptr},
        {"address not dotted",
         [](Form& f) {
             f.IpAddMaskStateComboBox->setCurrentIndex(1);
             f.IpAddMaskDstEdit->setText("255.255.0");
         },
         "", nullptr},
        {"odd port mask",
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(4);
             f.UDPOptionComBo->setCurrentIndex(2);
             f.TCPUDPSrcMaskEdit->setText("0FF");
         },
         "", nullptr},
        {"protocol ID mask not hex",
         [](Form& f) {
             f.UseProTypeComBo->setCurrentIndex(5);
             f.ProOptionComBo->setCurrentIndex(0);
             f.ProIDMaskEdit->setText("0000FFFG");
         },
         "", nullptr},
    };
    for (const Twin& twin : kTwins) {
        for (const RefusalCase& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            form->IPIDEdit->setText("4");
            c.edit(*form);
            form->BT_Add->click();
            ExpectRefused(*form, c.message, c.focus);
        }
    }
}

// Port masks 1 to 8, the CPU filter's 1 to 255 with up to three digits.
TEST_F(Ipv4Masks, MaskIdRanges)
{
    struct Case {
        const Twin& twin;
        const char* id;
        bool sent;
    };
    const Case cases[] = {{kTwins[0], "8", true},  {kTwins[0], "9", false}, {kTwins[1], "255", true},
                          {kTwins[1], "256", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.twin.name) + " " + c.id);
        auto form = OpenTwin(c.twin);
        TypeInto(form->IPIDEdit, c.id);
        form->BT_Add->click();
        if (c.sent) {
            ASSERT_EQ(sim().sets().size(), 1u);
            EXPECT_EQ(sim().sets()[0].varbinds.back().oid, c.twin.entry + "18." + c.id);
            EXPECT_EQ(sim().sets()[0].status, "applied");
        } else {
            EXPECT_TRUE(sim().sets().empty());
            EXPECT_EQ(Boxes().Texts().size(), 1);
        }
        Boxes().Clear();
    }
}

}  // namespace
