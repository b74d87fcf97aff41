// The listing over the switch's file system: opened by the target-directory
// dialog, its entry commands, and the operations it opens.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "Directoryoperunit.h"
#include "Fileoperationunits.h"
#include "Filesysteminfo.h"
#include "Targetdirectoryunit.h"
#include "VnMessageBox.h"
#include "VnSNMPVarList.h"
#include "filesystem_test_support.h"

namespace {

using dialogtest::Context;
using dialogtest::MemoLines;
using dialogtest::WaitIdle;
using fstest::Hex;
using fstest::kFs;
using fstest::WhileModal;

using Record = std::vector<std::vector<std::string>>;

class ListingTest : public fstest::FileSystemTest {
protected:
    // The target dialog sets `path`; `body` runs on the listing it opens,
    // which is closed afterwards.
    void WithListing(const QString& path, const std::function<void(TFileSystemInforForm&)>& body)
    {
        TTargetDirectoryForm target(nullptr, Context());
        target.show();
        target.edtDirectory->setText(path);
        bool ran = false;
        WhileModal([&] { target.btnOper->click(); }, [] { return FileSystemInforForm; },
                   [&] {
                       TFileSystemInforForm& listing = *FileSystemInforForm;
                       EXPECT_TRUE(WaitIdle(listing));
                       ran = true;
                       body(listing);
                       listing.close();
                   });
        EXPECT_TRUE(ran);
    }

    static QTreeWidgetItem* Row(const TFileSystemInforForm& listing, const QString& name)
    {
        auto found = listing.ListView1->findItems(name, Qt::MatchExactly, TFileSystemInforForm::kName);
        return found.isEmpty() ? nullptr : found.first();
    }

    static std::vector<bool> Entries(const TFileSystemInforForm& l)
    {
        return {l.btn_Command_rd->isEnabled(), l.btn_Command_ren->isEnabled(), l.btn_Command_del->isEnabled(),
                l.btn_Command_copy->isEnabled()};
    }
};

TEST_F(ListingTest, TargetSendsAsTypedAndListsUpperCased)
{
    WithListing(" c:\\logs ", [&](TFileSystemInforForm& listing) {
        EXPECT_EQ(listing.CurrentDirectory, "C:\\LOGS");
        EXPECT_EQ(SetRecord(), (Record{{kFs + "3.3.1.0=" + Hex("c:\\logs")}}));
        EXPECT_NE(Row(listing, "a.txt"), nullptr);
        EXPECT_NE(Row(listing, ".."), nullptr);
        EXPECT_EQ(listing.StaticText1->text(), QString::number(listing.ListView1->topLevelItemCount()));
    });
}

TEST_F(ListingTest, MissingDirectoryOpensNoListing)
{
    TTargetDirectoryForm target(nullptr, Context());
    target.show();
    target.edtDirectory->setText("c:\\none");
    target.btnOper->click();
    EXPECT_EQ(FileSystemInforForm, nullptr);
    EXPECT_EQ(target.ResultPanelText(), "Setting target directory C:\\NONE met error: directory is not existed.");
    EXPECT_TRUE(target.isVisible());
}

TEST_F(ListingTest, EntryCommandsFollowTheSelectionHoweverItMoves)
{
    WithListing("c:\\logs", [&](TFileSystemInforForm& listing) {
        const std::vector<bool> none{false, false, false, false};
        const std::vector<bool> file{false, true, true, true};
        EXPECT_EQ(Entries(listing), none);
        // By click.
        QTreeWidgetItem* a = Row(listing, "a.txt");
        ASSERT_NE(a, nullptr);
        QTest::mouseClick(listing.ListView1->viewport(), Qt::LeftButton, {},
                          listing.ListView1->visualItemRect(a).center());
        EXPECT_EQ(Entries(listing), file);
        // By keyboard, onto "." and "..".
        listing.ListView1->setFocus();
        listing.ListView1->setCurrentItem(Row(listing, ".."));
        EXPECT_EQ(Entries(listing), none);
        listing.ListView1->setCurrentItem(Row(listing, "."));
        EXPECT_EQ(Entries(listing), none);
        listing.ListView1->clearSelection();
        EXPECT_EQ(Entries(listing), none);
    });
}

TEST_F(ListingTest, DirectoryRowEnablesDeleteDirectoryOnly)
{
    WithListing("c:\\", [&](TFileSystemInforForm& listing) {
        EXPECT_EQ(Row(listing, "."), nullptr);
        listing.ListView1->setCurrentItem(Row(listing, "EMPTY"));
        EXPECT_EQ(Entries(listing), (std::vector<bool>{true, false, false, false}));
    });
}

TEST_F(ListingTest, FilledPathsAndADoubleRefresh)
{
    Command("fs-file C:\\a.txt 5");
    for (const QString& dir : {QString("c:\\logs"), QString("c:\\")}) {
        WithListing(dir, [&](TFileSystemInforForm& listing) {
            listing.ListView1->setCurrentItem(Row(listing, "a.txt"));
            QString filled;
            WhileModal([&] { listing.btn_Command_del->click(); }, [] { return FileDeleteForm; },
                       [&] {
                           filled = FileDeleteForm->edtDeleteFile->text();
                           FileDeleteForm->close();
                       });
            EXPECT_EQ(filled, dir == "c:\\" ? "C:\\a.txt" : "C:\\LOGS\\a.txt");
        });
    }

    WithListing("c:\\logs", [&](TFileSystemInforForm& listing) {
        sim().clearSets();
        sim().delay(kFs + "3.3.2", 50);
        listing.BtnGet->setEnabled(true);
        listing.BtnGetClick();
        listing.BtnGetClick();
        EXPECT_TRUE(WaitIdle(listing));
        // One walk: each entry once.
        EXPECT_EQ(listing.ListView1->findItems("a.txt", Qt::MatchExactly, 0).size(), 1);
        EXPECT_TRUE(listing.BtnGet->isEnabled());
    });
}

TEST_F(ListingTest, MakeDirectoryFromTheListing)
{
    WithListing("c:\\", [&](TFileSystemInforForm& listing) {
        sim().clearSets();
        WhileModal([&] { listing.btn_Command_md->click(); }, [] { return DirectoryForm; },
                   [&] {
                       ASSERT_NE(DirectoryForm, nullptr);
                       EXPECT_FALSE(DirectoryForm->StatusBar2->isVisible());
                       DirectoryForm->edtDirectory->setText("c:\\new");
                       DirectoryForm->btnOper->click();
                   });
        EXPECT_EQ(DirectoryForm, nullptr);
        EXPECT_TRUE(MemoLines(listing.Memo1).contains("Creating directory C:\\NEW successfully."));
        EXPECT_EQ(SetRecord(), (Record{{kFs + "3.1.0=" + Hex("c:\\new")}, {kFs + "3.3.1.0=" + Hex("C:\\")}}));
        EXPECT_TRUE(WaitIdle(listing));
        EXPECT_NE(Row(listing, "new"), nullptr);
    });
}

TEST_F(ListingTest, DeleteFileFromTheListing)
{
    WithListing("c:\\logs", [&](TFileSystemInforForm& listing) {
        listing.ListView1->setCurrentItem(Row(listing, "a.txt"));
        sim().clearSets();
        WhileModal([&] { listing.btn_Command_del->click(); }, [] { return FileDeleteForm; },
                   [&] { FileDeleteForm->btnOper->click(); });
        EXPECT_EQ(SetRecord()[0], (std::vector<std::string>{kFs + "4.2.1.0=" + Hex("C:\\LOGS\\a.txt")}));
        EXPECT_TRUE(MemoLines(listing.Memo1).contains("Deleting file C:\\LOGS\\A.TXT successfully."));
        EXPECT_TRUE(WaitIdle(listing));
        EXPECT_EQ(Row(listing, "a.txt"), nullptr);
    });
}

TEST_F(ListingTest, RenameRefusesAListedName)
{
    VnMessageBoxCapture boxes;
    WithListing("c:\\logs", [&](TFileSystemInforForm& listing) {
        listing.ListView1->setCurrentItem(Row(listing, "a.txt"));
        sim().clearSets();
        WhileModal([&] { listing.btn_Command_ren->click(); }, [] { return FileRenameForm; },
                   [&] {
                       FileRenameForm->edtTargetFile->setText("c:\\logs\\MY_A.TXT");
                       FileRenameForm->btnOper->click();
                       FileRenameForm->close();
                   });
        EXPECT_EQ(boxes.Texts(), QStringList{"Has already exist this target file."});
        // Only the directory set again after the dialog.
        EXPECT_EQ(SetRecord(), (Record{{kFs + "3.3.1.0=" + Hex("C:\\LOGS")}}));
    });
}

TEST_F(ListingTest, AFailedSetInAListingModeLogsTwoLinesAndCloses)
{
    WithListing("c:\\", [&](TFileSystemInforForm& listing) {
        listing.ListView1->setCurrentItem(Row(listing, "EMPTY"));
        sim().error(kFs + "3.2", "genErr", "set");
        const int before = MemoLines(listing.Memo1).size();
        WhileModal([&] { listing.btn_Command_rd->click(); }, [] { return DirectoryForm; },
                   [&] {
                       EXPECT_EQ(DirectoryForm->edtDirectory->text(), "C:\\EMPTY");
                       DirectoryForm->btnOper->click();
                   });
        EXPECT_EQ(DirectoryForm, nullptr);
        const QStringList lines = MemoLines(listing.Memo1).mid(before);
        ASSERT_GE(lines.size(), 2);
        EXPECT_FALSE(lines[0].startsWith("Deleting directory"));
        EXPECT_EQ(lines[1], "Deleting directory C:\\EMPTY met error.");
        sim().clearFaults();
    });
}

// Whichever operation fails, its result line is the memo's last word: the
// directory is still set and read again, but no "Ok" of theirs follows it.
TEST_F(ListingTest, AFailedOperationIsTheMemosLastWord)
{
    struct Case {
        const char* name;
        const char* directory;
        const char* entry;  // selected before the command; "" for none
        QPushButton* TFileSystemInforForm::*command;
        std::function<TFileOperationForm*()> form;
        std::function<void(TFileOperationForm&)> fill;
        const char* fault;  // a control command, "" for none
        const char* last;
    };
    const auto none = [](TFileOperationForm&) {};
    const auto target = [](const char* path) {
        return [path](TFileOperationForm& f) { static_cast<TFileMoveForm&>(f).edtTargetFile->setText(path); };
    };
    const Case cases[] = {
        {"make an existing directory", "c:\\", "", &TFileSystemInforForm::btn_Command_md,
         [] { return DirectoryForm; },
         [](TFileOperationForm& f) { static_cast<TDirectoryForm&>(f).edtDirectory->setText("c:\\logs"); }, "",
         "Creating directory C:\\LOGS met error: has already existed the same directory."},
        {"delete a directory that holds a file", "c:\\", "DATA", &TFileSystemInforForm::btn_Command_rd,
         [] { return DirectoryForm; }, none, "", "Deleting directory C:\\DATA met error: directory is not null."},
        {"delete a directory, the set refused", "c:\\", "EMPTY", &TFileSystemInforForm::btn_Command_rd,
         [] { return DirectoryForm; }, none, "error 1.3.6.1.4.1.88406.12.14.3.2 genErr set",
         "Deleting directory C:\\EMPTY met error."},
        {"rename, the switch failing", "c:\\logs", "a.txt", &TFileSystemInforForm::btn_Command_ren,
         [] { return FileRenameForm; }, target("c:\\logs\\b.txt"), "fs-hold 4",
         "Renaming file C:\\LOGS\\A.TXT met error: unknown error."},
        {"delete a read-only file", "c:\\logs", "boot.log", &TFileSystemInforForm::btn_Command_del,
         [] { return FileDeleteForm; }, none, "", "Deleting file C:\\LOGS\\BOOT.LOG met error: file is readonly."},
        {"copy, the switch failing", "c:\\logs", "a.txt", &TFileSystemInforForm::btn_Command_copy,
         [] { return FileCopyForm; }, target("c:\\data\\a.txt"), "fs-hold 4",
         "Copying file C:\\LOGS\\A.TXT met error: unknown error."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim().clearFaults();
        WithListing(c.directory, [&](TFileSystemInforForm& listing) {
            const int rows = listing.ListView1->topLevelItemCount();
            if (*c.entry)
                listing.ListView1->setCurrentItem(Row(listing, c.entry));
            if (*c.fault)
                Command(c.fault);
            sim().clearSets();
            WhileModal([&] { (listing.*c.command)->click(); }, c.form, [&] {
                c.fill(*c.form());
                c.form()->btnOper->click();
            });
            ASSERT_TRUE(WaitIdle(listing));
            EXPECT_EQ(MemoLines(listing.Memo1).back().toStdString(), c.last);
            // Set and read again all the same.
            ASSERT_FALSE(SetRecord().empty());
            EXPECT_EQ(SetRecord().back().front().rfind(kFs + "3.3.1.0=", 0), 0u);
            EXPECT_EQ(listing.ListView1->topLevelItemCount(), rows);
        });
    }
}

TEST_F(ListingTest, ClosingDuringADelayedWalkSendsNothingMore)
{
    sim().delay(kFs + "3.3.2", 300);
    auto listing = std::make_unique<TFileSystemInforForm>(nullptr, Context(), "C:\\");
    listing->show();
    ASSERT_TRUE(listing->AnyBinderBusy());
    sim().clearSets();
    listing->close();
    EXPECT_FALSE(listing->AnyBinderBusy());
    listing.reset();
    EXPECT_TRUE(SetRecord().empty());
}

// A walk in which one entry lacks its attribute and another its time: each
// cell stays with its own name, the missing ones show no value, and an
// entry of unknown kind offers no command that would guess one.
TEST_F(ListingTest, AnEntryMissingACellKeepsItsOwnRowAndOffersNoGuess)
{
    const auto cell = [](int column, const std::string& name) {
        std::string oid = kFs + "3.3.2.1." + std::to_string(column) + "." + std::to_string(name.size());
        for (unsigned char c : name)
            oid += "." + std::to_string(c);
        return oid;
    };
    WithListing("c:\\logs", [&](TFileSystemInforForm& listing) {
        const std::string aTime = sim().get(cell(3, "a.txt"))->value;
        sim().unset(cell(2, "a.txt"));
        sim().unset(cell(3, "boot.log"));
        sim().clearSets();
        listing.BtnGetClick();
        ASSERT_TRUE(WaitIdle(listing));
        EXPECT_TRUE(SetRecord().empty()) << "a refresh only reads";

        QTreeWidgetItem* a = Row(listing, "a.txt");
        QTreeWidgetItem* boot = Row(listing, "boot.log");
        QTreeWidgetItem* mine = Row(listing, "my_a.txt");
        ASSERT_TRUE(a && boot && mine);
        const auto noValue = [](const QTreeWidgetItem* row, int column) {
            const std::string text = row->text(column).toStdString();
            return text.empty() || IsNoValueText(text);
        };
        EXPECT_TRUE(noValue(a, TFileSystemInforForm::kAttribute))
            << a->text(TFileSystemInforForm::kAttribute).toStdString();
        EXPECT_EQ(Hex(a->text(TFileSystemInforForm::kTime).toStdString()), aTime);
        EXPECT_TRUE(noValue(boot, TFileSystemInforForm::kTime))
            << boot->text(TFileSystemInforForm::kTime).toStdString();
        EXPECT_EQ(boot->text(TFileSystemInforForm::kAttribute), mine->text(TFileSystemInforForm::kAttribute));
        EXPECT_FALSE(noValue(mine, TFileSystemInforForm::kTime));
        EXPECT_EQ(listing.StaticText1->text(), QString::number(listing.ListView1->topLevelItemCount()));

        listing.ListView1->setCurrentItem(a);
        EXPECT_EQ(Entries(listing), (std::vector<bool>{false, false, false, false}));
        listing.ListView1->setCurrentItem(boot);
        EXPECT_EQ(Entries(listing), (std::vector<bool>{false, true, true, true}));
        QString filled;
        WhileModal([&] { listing.btn_Command_del->click(); }, [] { return FileDeleteForm; },
                   [&] {
                       filled = FileDeleteForm->edtDeleteFile->text();
                       FileDeleteForm->close();
                   });
        EXPECT_EQ(filled, "C:\\LOGS\\boot.log");
    });
}

}  // namespace
