// Pictures of the file-system dialogs for looking at their layout: written
// only when VN_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "Directoryoperunit.h"
#include "Fileoperationunits.h"
#include "Filesystemmedia.h"
#include "Filesysteminfo.h"
#include "TWaitingForm.h"
#include "VnStatusOutput.h"
#include "filesystem_test_support.h"

namespace {

using dialogtest::Context;
using dialogtest::WaitIdle;

class FileSystemScreens : public fstest::FileSystemTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        fstest::FileSystemTest::SetUp();
    }
    void Save(QWidget& form, const QString& name)
    {
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + ".png")));
    }
    template <typename Form>
    void SaveOperation(const VnDialogContext& context, int mode, TFileSystemInforForm* listing, const QString& name)
    {
        Form form(nullptr, context, mode, listing);
        form.show();
        Save(form, name);
    }
    QString folder;
};

TEST_F(FileSystemScreens, Dialogs)
{
    for (bool large : {false, true}) {
        const VnDialogContext context = Context({{"1", "RQ-4024S"}}, large);
        const QString suffix = large ? "-large" : "";
        TFileSystemInforForm listing(nullptr, context, "C:\\");
        listing.show();
        ASSERT_TRUE(WaitIdle(listing));
        listing.ListView1->setCurrentItem(listing.ListView1->topLevelItem(0));
        Save(listing, "fs-listing" + suffix);
        for (int mode : {1, 11}) {
            const QString kind = mode == 1 ? "-listing" : "-menu";
            SaveOperation<TDirectoryForm>(context, mode, &listing, "fs-mkdir" + kind + suffix);
            SaveOperation<TDirectoryForm>(context, mode + 1, &listing, "fs-rmdir" + kind + suffix);
            SaveOperation<TFileRenameForm>(context, mode + 2, &listing, "fs-rename" + kind + suffix);
            SaveOperation<TFileDeleteForm>(context, mode + 3, &listing, "fs-delete" + kind + suffix);
            SaveOperation<TFileCopyForm>(context, mode + 4, &listing, "fs-copy" + kind + suffix);
        }
        {
            TDirectoryForm form(nullptr, context, 11);
            form.show();
            form.edtDirectory->setText("c:\\logs\\new");
            form.btnOper->click();
            Save(form, "fs-mkdir-result" + suffix);
        }
        {
            TMediaInfoForm form(nullptr, context);
            form.show();
            ASSERT_TRUE(WaitIdle(form));
            form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
            Save(form, "fs-media" + suffix);
        }
        {
            TMediaFormatForm form(nullptr, context);
            form.show();
            Save(form, "fs-format" + suffix);
            TWaitingForm waiting(&form, form.StatusBar1);
            waiting.setWindowTitle("Formatt File System...");
            waiting.Label2->setText("40%");
            waiting.ProgressBar->setValue(200);
            Save(waiting, "fs-waiting" + suffix);
        }
    }
}

}  // namespace
