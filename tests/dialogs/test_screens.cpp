// Pictures of the dialogs for looking at their layout: written only when
// VN_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QTabWidget>
#include <QTreeWidget>

#include <memory>

#include "Equipmentbasicinfoformunit.h"
#include "Stackingportuitformunit.h"
#include "Vlanstaticformunit.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

class Screens : public DialogSwitchTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        DialogSwitchTest::SetUp();
    }
    void Save(QWidget& form, const QString& name)
    {
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + ".png")));
    }
    QString folder;
};

TEST_F(Screens, Dialogs)
{
    for (bool large : {false, true}) {
        const VnDialogContext context = Context({{"1", "RQ-4024S"}, {"2", "RQ-6050S"}}, large);
        const QString suffix = large ? "-large" : "";
        {
            TEquipmentBasicInfoForm form(nullptr, context);
            form.setWindowTitle(QString(TEquipmentBasicInfoForm::kTitle) + context.agentAddress.c_str());
            form.show();
            ASSERT_TRUE(WaitIdle(form));
            Save(form, "equipment-basic-info" + suffix);
        }
        {
            TVlanStaticForm form(nullptr, context);
            form.show();
            ASSERT_TRUE(WaitIdle(form));
            QTreeWidget* rows = form.LV_dot1qVlanStaticEntry;
            rows->setCurrentItem(rows->topLevelItem(rows->topLevelItemCount() - 1));
            Save(form, "vlan-static" + suffix);
            form.PageControl1->setCurrentIndex(2);
            form.UntaggedPorts->UnitPageControl->setCurrentIndex(1);
            Save(form, "vlan-static-untagged-unit2" + suffix);
        }
    }
}

}  // namespace
