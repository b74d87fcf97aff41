// Pictures of the eight mask dialogs, normal and large fonts, with a row
// chosen and a failure in panel 0 beside the binder's line: written only
// when VN_SCREENSHOT_DIR names a folder.
#include <QDir>

#include <functional>

#include "Cpuethernetmaskinformationformunit.h"
#include "Cpuipmaskinformationformunit.h"
#include "Cpuipv6maskinformationunit.h"
#include "Cpuusermaskinforunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipv6maskinformationunit.h"
#include "Usermaskinforunit.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

class MaskScreens : public MaskSwitchTest {
protected:
    void SetUp() override
    {
        folder_ = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        QDir().mkpath(folder_);
        MaskSwitchTest::SetUp();
    }

    template <typename Form>
    void Shoot(const QString& name, const char* caption, bool large)
    {
        Form form(nullptr, Context({{"1", "RQ-4024S"}}, large));
        form.setWindowTitle(QString(caption) + simswitch::kAddress);
        form.show();
        ASSERT_TRUE(WaitIdle(form));
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        // A refused set: its message in panel 0, the binder's line beside it.
        std::string entry = form.Variant().table[0].oid;
        entry.resize(entry.rfind('.'));
        sim().error(entry, "genErr", "set");
        form.SetButton()->click();
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        sim().clearFaults();
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder_).filePath(name + (large ? "-large" : "") + ".png")));
    }

private:
    QString folder_;
};

TEST_F(MaskScreens, AllEight)
{
    for (bool large : {false, true}) {
        Shoot<TEthernetMaskInformationForm>("mask-ethernet", "Ethernet Mask Information: ", large);
        Shoot<TIPv4MaskInformationForm>("mask-ipv4", "IPv4 Mask Information: ", large);
        Shoot<TUserMaskInfoForm>("mask-user", "User Defined Mask Information: ", large);
        Shoot<TIPv6MaskInformationForm>("mask-ipv6", "IPv6 Mask Information: ", large);
        Shoot<TCPUEthernetMaskInformationForm>("mask-cpu-ethernet", "CPU Ethernet Mask Information: ", large);
        Shoot<TCPUIPMaskInformationForm>("mask-cpu-ipv4", "CPU IPv4 Mask Information: ", large);
        Shoot<TCPUUserMaskInfoForm>("mask-cpu-user", "CPU User Defined Mask Information: ", large);
        Shoot<TCPUIPv6MaskInformationForm>("mask-cpu-ipv6", "CPU IPv6 Mask Information: ", large);
    }
}

}  // namespace
