// Pictures of the management dialogs for looking at their layout: written
// only when VN_SCREENSHOT_DIR names a folder.
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

#include "Accservercontrol.h"
#include "Ipmacmapunit.h"
#include "Methodlistformunit.h"
#include "Serverinfounit.h"
#include "Summertimeconfigformunit.h"
#include "Systemloghostunit.h"
#include "VnStatusOutput.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

class MgmtScreens : public MgmtSwitchTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        MgmtSwitchTest::SetUp();
    }
    void Save(QWidget& form, const QString& name)
    {
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + ".png")));
    }
    template <typename Form>
    std::unique_ptr<Form> Open(const VnDialogContext& context)
    {
        auto form = std::make_unique<Form>(nullptr, context);
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    QString folder;
};

TEST_F(MgmtScreens, Dialogs)
{
    for (bool large : {false, true}) {
        const VnDialogContext context = Context({{"1", "RQ-4024S"}}, large);
        const QString suffix = large ? "-large" : "";
        {
            auto form = Open<TIPMACMapForm>(context);
            SelectRow(form->lvData, 0, "5");
            Save(*form, "ipmacmap" + suffix);
            WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); },
                       [&] { Save(*IPMACMapEditForm, "ipmacmap-edit" + suffix); });
        }
        {
            auto form = Open<TSystemLogHostForm>(context);
            SelectRow(form->ListView1, 0, "1");
            Save(*form, "sysloghost" + suffix);
            WhileShown(LogHostEditForm, [&] { form->EditButton->click(); },
                       [&] { Save(*LogHostEditForm, "sysloghost-edit" + suffix); });
            WhileShown(LogHostEditForm, [&] { form->AddButton->click(); },
                       [&] { Save(*LogHostEditForm, "sysloghost-add" + suffix); });
        }
        {
            auto form = Open<TEnableMethodForm>(context);
            SelectRow(form->ListView1, 0, "admin");
            form->StatusBar1->Panel(0)->SetText("Panel text");
            Save(*form, "enablemethod" + suffix);
        }
        {
            auto form = Open<TLoginMethodListForm>(context);
            Save(*form, "loginmethod" + suffix);
        }
        {
            auto form = Open<TServerInformationForm>(context);
            SelectRow(form->ListView1, 0, "10.1.1.2");
            form->StatusBar1->Panel(0)->SetText("Panel text");
            Save(*form, "serverinfo" + suffix);
        }
        {
            auto form = Open<TSummerTimeConfigForm>(context);
            Save(*form, "summertime-repeating" + suffix);
            sim().set("1.3.6.1.4.1.88406.12.10.12.1.0", "INTEGER", "2");
            form->GetBtnClick();
            Save(*form, "summertime-annual" + suffix);
            sim().set("1.3.6.1.4.1.88406.12.10.12.1.0", "INTEGER", "1");
        }
        if (!large) {
            auto form = Open<TfrmACCServerCtrl>(context);
            form->StatusBar1->Panel(0)->SetText(TfrmACCServerCtrl::kEmptyField);
            Save(*form, "serverctrl");
        }
    }
}

}  // namespace
