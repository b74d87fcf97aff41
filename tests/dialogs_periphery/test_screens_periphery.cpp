// Pictures of the periphery dialogs for looking at their layout: written
// only when VN_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QTreeWidget>

#include <memory>

#include "Bootctrltableformunit.h"
#include "Communitystringtableformunit.h"
#include "Dot1xstatisticsformunit.h"
#include "Ifxuseunit.h"
#include "Md5infortable.h"
#include "Msinfortable.h"
#include "Routeredistributformunit.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

class PeripheryScreens : public PeripherySwitchTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        PeripherySwitchTest::SetUp();
    }
    void Save(QWidget& form, const QString& name)
    {
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + ".png")));
    }
    // The list form with its first row selected.
    void SaveList(TDialogBase& form, QTreeWidget* list, const QString& name)
    {
        form.show();
        ASSERT_TRUE(WaitIdle(form));
        if (list->topLevelItemCount() > 0)
            list->setCurrentItem(list->topLevelItem(0));
        Save(form, name);
    }
    // An edit form shown (not modally) in `mode`.
    void SaveEdit(TEditFormBase& form, VnEditMode mode, const QString& name)
    {
        form.EditMode = mode;
        form.show();
        Save(form, name);
        form.hide();
    }
    QString folder;
};

TEST_F(PeripheryScreens, Dialogs)
{
    for (bool large : {false, true}) {
        const VnDialogContext context = Context({{"1", "RQ-4024S"}}, large);
        const QString s = large ? "-large" : "";
        {
            TMd5InformationForm form(nullptr, context);
            SaveList(form, form.ListView1, "md5-list" + s);
            SaveEdit(*Md5EditForm, VnEditMode::Edit, "md5-edit" + s);
            SaveEdit(*Md5EditForm, VnEditMode::Add, "md5-add" + s);
        }
        {
            TBOOTCtrlTableForm form(nullptr, context);
            SaveList(form, form.ListView1, "bootp-list" + s);
            SaveEdit(*NewBootpCtrlForm, VnEditMode::Add, "bootp-new" + s);
        }
        {
            TRouteRedistributForm form(nullptr, context);
            SaveList(form, form.ListView1, "redistribution" + s);
        }
        {
            TCommunityStringTableForm form(nullptr, context);
            SaveList(form, form.ListView1, "community" + s);
        }
        {
            TDiagnosticsInformationForm form(nullptr, context);
            SaveList(form, form.ListView1, "dot1x-diagnostics" + s);
        }
        {
            TMacStatisticTableForm form(nullptr, context);
            SaveList(form, form.ListView1, "dot1x-frames" + s);
        }
        {
            TIfxForm form(nullptr, context);
            SaveList(form, form.lvIfxInformation, "ifx-list" + s);
            SaveEdit(*IfxEditForm, VnEditMode::Edit, "ifx-edit" + s);
        }
        {
            TMSInformationForm form(nullptr, context);
            SaveList(form, form.ListView1, "members-list" + s);
            SaveEdit(*MSEditForm, VnEditMode::Add, "members-add" + s);
        }
    }
}

}  // namespace
