// Pictures of the editors for a person to look at: run with
// VN_SCREENSHOT_DIR set to a folder; skipped otherwise.
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"
#include "configform_support.h"

using namespace formtest;

namespace {

class ScreenshotTest : public FormSwitchTest {
protected:
    void SetUp() override
    {
        folder_ = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        QDir().mkpath(folder_);
        FormSwitchTest::SetUp();
    }
    void Save(QWidget* window, const char* name)
    {
        EXPECT_TRUE(window->grab().save(folder_ + "/" + name + ".png"));
    }
    QString folder_;
};

}  // namespace

TEST_F(ScreenshotTest, Editors)
{
    {
        TConfigForm form;
        auto binder = MakeBinder(&form, kScalars, SVT_SV, 0, port());
        VnSNMPRequest2Edits* b = binder.get();
        form.SetEditorPanel(std::move(binder));
        form.setWindowTitle("System Information: 127.0.0.1");
        form.show();
        ASSERT_TRUE(RunUntil([&] { return !b->Busy() && !b->request.varList.Item(0).value.empty(); }));
        RunEvents(50);
        Save(&form, "configform-scalar");
        form.close();
    }
    {
        TConfigForm form;
        auto binder = MakeBinder(&form, kTable, MVT_FMV, 2, port());
        VnSNMPRequest2Edits* b = binder.get();
        TSNMPListViewPanel* panel =
            form.SetListViewPanel(std::move(binder), kStatus, "createAndGo", kStatus, "destroy");
        form.setWindowTitle("Port Priority Table: 127.0.0.1");
        form.show();
        ASSERT_TRUE(RunUntil([&] { return !b->Busy() && panel->ListViewPanel->ListView->topLevelItemCount() == 3; }));
        panel->ListViewPanel->ListView->setCurrentItem(panel->ListViewPanel->ListView->topLevelItem(1));
        RunEvents(250);  // the columns fit their texts once the rows stop coming
        Save(&form, "configform-table");

        OnModal add([&](QDialog* dialog) {
            RunEvents(50);
            Save(dialog, "configform-table-add");
            dialog->reject();
        });
        panel->CtrlBtnPanel->AddBtn->click();
        ASSERT_TRUE(RunUntil([&] { return !b->Busy(); }));
        panel->ListViewPanel->ListView->setCurrentItem(panel->ListViewPanel->ListView->topLevelItem(1));
        OnModal edit([&](QDialog* dialog) {
            RunEvents(50);
            Save(dialog, "configform-table-edit");
            dialog->reject();
        });
        panel->CtrlBtnPanel->EditBtn->click();
        form.close();
    }
    {
        TConfigForm form;
        form.SetPageMode();
        form.AddEditorPage("Layer2 Control", MakeBinder(&form, kScalars, SVT_SV, 0, port()));
        form.AddEditorPage("Layer3 Control", MakeBinder(&form, kPage2, SVT_SV, 0, port()));
        form.setWindowTitle("Device Control: 127.0.0.1");
        form.show();
        ASSERT_TRUE(RunUntil([&] { return !form.Requests()[0]->Busy() && !form.Requests()[0]->request.varList.Item(0).value.empty(); }));
        RunEvents(50);
        Save(&form, "configform-pages");
        form.close();
    }
}
