// The operation dialogs against the switch's file system, in the main-menu
// modes: what one attempt sends and the line it ends with.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Directoryoperunit.h"
#include "Fileoperationunits.h"
#include "VnCommandTable.h"
#include "VnMessageBox.h"
#include "filesystem_test_support.h"

namespace {

using dialogtest::Context;
using fstest::Hex;
using fstest::kFs;

using Record = std::vector<std::vector<std::string>>;

class OperationTest : public fstest::FileSystemTest {
public:
    template <typename Form>
    static std::unique_ptr<Form> Open(int mode)
    {
        auto form = std::make_unique<Form>(nullptr, Context(), mode);
        form->show();
        return form;
    }
};

// Each dialog opens with the focus where the user starts typing: the first
// path he fills in; where the only path is the one filled in for him (read
// only), on that path, never on OK.
template <typename Form>
std::unique_ptr<TFileOperationForm> OpenShown(int mode)
{
    return OperationTest::Open<Form>(mode);
}

TEST_F(OperationTest, EachDialogOpensWithTheFocusOnThePathToType)
{
    struct Case {
        int mode;
        std::unique_ptr<TFileOperationForm> (*open)(int mode);
        const char* field;
    };
    const Case cases[] = {
        {1, OpenShown<TDirectoryForm>, "edtDirectory"},   {11, OpenShown<TDirectoryForm>, "edtDirectory"},
        {2, OpenShown<TDirectoryForm>, "edtDirectory"},   {12, OpenShown<TDirectoryForm>, "edtDirectory"},
        {3, OpenShown<TFileRenameForm>, "edtTargetFile"}, {13, OpenShown<TFileRenameForm>, "edtTargetFile"},
        {4, OpenShown<TFileDeleteForm>, "edtDeleteFile"}, {14, OpenShown<TFileDeleteForm>, "edtDeleteFile"},
        {5, OpenShown<TFileCopyForm>, "edtTargetFile"},   {15, OpenShown<TFileCopyForm>, "edtTargetFile"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        std::unique_ptr<TFileOperationForm> form = c.open(c.mode);
        QCoreApplication::sendPostedEvents();
        const QWidget* focus = form->focusWidget();
        EXPECT_EQ(focus, form->findChild<QLineEdit*>(c.field)) << (focus ? focus->objectName().toStdString() : "none");
    }
}

TEST_F(OperationTest, MakeDirectorySendsTheCheckedTextOnce)
{
    auto form = Open<TDirectoryForm>(11);
    EXPECT_EQ(form->windowTitle(), "To Make Directory");
    form->edtDirectory->setText(" c:\\new\t");
    form->btnOper->click();
    EXPECT_EQ(SetRecord(), (Record{{kFs + "3.1.0=" + Hex("c:\\new")}}));
    EXPECT_EQ(form->ResultPanelText(), "Creating directory C:\\NEW successfully.");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Listed("new"));
    // Made again: the switch says the directory is there.
    form->btnOper->click();
    EXPECT_EQ(form->ResultPanelText(), "Creating directory C:\\NEW met error: has already existed the same directory.");
}

TEST_F(OperationTest, MakeDirectoryFailures)
{
    VnMessageBoxCapture boxes;
    auto form = Open<TDirectoryForm>(11);

    // Held at in-process: the one status read reports it.
    Command("fs-hold 3");
    form->edtDirectory->setText("c:\\new");
    form->btnOper->click();
    EXPECT_EQ(form->ResultPanelText(), "Creating directory C:\\NEW met error: waiting for a moment to check.");

    // A refused set: its message, and no status read after it.
    sim().error(kFs + "3.1", "genErr", "set");
    form->StatusLabel->setText("untouched");
    form->btnOper->click();
    EXPECT_TRUE(form->ResultPanelText().startsWith("Creating directory C:\\NEW met error: "));
    EXPECT_GT(form->ResultPanelText().size(), QString("Creating directory C:\\NEW met error: ").size());
    EXPECT_EQ(form->StatusLabel->text(), "untouched");
    sim().clearFaults();

    // A status read without an answer.
    sim().drop(kFs + "1");
    form->btnOper->click();
    EXPECT_TRUE(form->ResultPanelText().startsWith("Creating directory C:\\NEW met error: "));
    EXPECT_TRUE(form->ResultPanelText().contains("ime", Qt::CaseInsensitive)) << form->ResultPanelText().toStdString();
    sim().clearFaults();
    EXPECT_TRUE(boxes.Texts().isEmpty());

    // Refused before anything is sent: never cut to fit.
    sim().clearSets();
    for (const QString& path : {QString("c:\\new dir"), QString("d:\\x"), "c:\\" + QString(62, 'a')}) {
        form->edtDirectory->setText(path);
        form->btnOper->click();
    }
    EXPECT_EQ(boxes.Texts().size(), 3) << boxes.Texts().join("|").toStdString();
    EXPECT_EQ(boxes.Texts().value(0), "Please enter correct directory path.");
    EXPECT_EQ(boxes.Texts().value(2), "Please enter a string whose length is less than 64!");
    EXPECT_EQ(form->edtDirectory->text().size(), 65);
    EXPECT_EQ(SetRecord(), Record{});
}

// A set without an answer may still be carried out: the line says so after
// the time-out; a status read without an answer follows a set that was
// answered, and says nothing more.
TEST_F(OperationTest, ASetThatTimedOutSaysTheOperationMayStillComplete)
{
    VnMessageBoxCapture boxes;
    auto form = Open<TDirectoryForm>(11);
    form->edtDirectory->setText("c:\\new");
    sim().drop(kFs + "3.1");
    form->btnOper->click();
    const QString line = form->ResultPanelText();
    EXPECT_TRUE(line.startsWith("Creating directory C:\\NEW met error: ")) << line.toStdString();
    EXPECT_TRUE(line.endsWith(TDirectoryForm::kMayStillComplete)) << line.toStdString();
    sim().clearFaults();

    sim().drop(kFs + "1");
    form->btnOper->click();
    EXPECT_FALSE(form->ResultPanelText().endsWith(TDirectoryForm::kMayStillComplete))
        << form->ResultPanelText().toStdString();
    sim().clearFaults();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
}

TEST_F(OperationTest, DeleteDirectoryInMenuModeOpensEmptyAndReadOnly)
{
    VnMessageBoxCapture boxes;
    auto form = Open<TDirectoryForm>(12);
    EXPECT_EQ(form->windowTitle(), "To Delete Directory");
    EXPECT_TRUE(form->edtDirectory->isReadOnly());
    form->btnOper->click();
    EXPECT_EQ(boxes.Texts(), QStringList{"Please enter this directory which you want to delete."});
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(OperationTest, DeleteFileSendsTheEmptyName)
{
    auto form = Open<TFileDeleteForm>(14);
    EXPECT_TRUE(form->edtDeleteFile->isReadOnly());
    form->btnOper->click();
    EXPECT_EQ(SetRecord(), (Record{{kFs + "4.2.1.0="}}));
    EXPECT_EQ(form->ResultPanelText(), "Deleting file  met error: file name error.");
}

TEST_F(OperationTest, RenameSendsOnePduAndMeetsAFileMadeMeanwhile)
{
    auto form = Open<TFileRenameForm>(13);
    form->edtSourceFile->setText("C:\\LOGS\\a.txt");
    form->edtTargetFile->setText("c:\\logs\\b_1.txt");
    form->btnOper->click();
    EXPECT_EQ(SetRecord(), (Record{{kFs + "4.1.1.0=" + Hex("C:\\LOGS\\a.txt"),
                                    kFs + "4.1.2.0=" + Hex("c:\\logs\\b_1.txt"), kFs + "4.1.3.0=2"}}));
    EXPECT_EQ(form->ResultPanelText(), "Renaming file C:\\LOGS\\A.TXT successfully.");

    // A target that is not listed but exists on the switch by now.
    Command("fs-file C:\\LOGS\\c.txt 10");
    form->edtSourceFile->setText("C:\\LOGS\\b_1.txt");
    form->edtTargetFile->setText("c:\\logs\\C.TXT");
    form->btnOper->click();
    EXPECT_EQ(form->ResultPanelText(), "Renaming file C:\\LOGS\\B_1.TXT met error: has existed the same name file.");
}

struct MoveCheck {
    bool rename;
    const char* source;
    const char* target;
    const char* message;  // "" when it passes
};

TEST_F(OperationTest, RenameAndCopyChecks)
{
    const MoveCheck cases[] = {
        {true, "", "c:\\logs\\b.txt", "Please enter name of source file which you want to rename."},
        {false, "", "c:\\logs\\b.txt", "Please enter name of source file which you want to copy."},
        {true, "C:\\LOGS\\a.txt", "", "Please enter target file name."},
        {true, "C:\\LOGS\\a.txt", "c:\\logs\\A.TXT",
         "The target file name must be different from source file name."},
        {true, "C:\\LOGS\\a.txt", "c:\\data\\a.txt", "Please enter correct file path."},
        {false, "C:\\LOGS\\a.txt", "c:\\data\\a.txt", ""},
        {true, "C:\\LOGS\\a.txt", "c:\\logs\\my_b.txt", ""},
        {false, "C:\\LOGS\\a.txt", "c:\\logs\\my_b.txt", "Please enter correct file path."},
        {false, "C:\\LOGS\\a.txt", "c:\\logs\\b.b.txt", "Please enter correct file path."},
    };
    for (const MoveCheck& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.target);
        VnMessageBoxCapture boxes;
        sim().clearSets();
        std::unique_ptr<TFileMoveForm> form;
        if (c.rename)
            form = Open<TFileRenameForm>(13);
        else
            form = Open<TFileCopyForm>(15);
        form->edtSourceFile->setText(c.source);
        form->edtTargetFile->setText(c.target);
        form->btnOper->click();
        if (*c.message) {
            EXPECT_EQ(boxes.Texts(), QStringList{c.message});
            EXPECT_TRUE(SetRecord().empty());
        } else {
            EXPECT_TRUE(boxes.Texts().isEmpty());
            ASSERT_EQ(SetRecord().size(), 1u);
            EXPECT_EQ(SetRecord()[0].size(), 3u);
        }
    }
}

TEST_F(OperationTest, CopyWorksAgainstTheTree)
{
    auto form = Open<TFileCopyForm>(15);
    form->edtSourceFile->setText("C:\\LOGS\\a.txt");
    form->edtTargetFile->setText("c:\\data\\a.txt");
    form->btnOper->click();
    EXPECT_EQ(SetRecord(), (Record{{kFs + "5.1.0=" + Hex("C:\\LOGS\\a.txt"), kFs + "5.2.0=" + Hex("c:\\data\\a.txt"),
                                    kFs + "5.3.0=2"}}));
    EXPECT_EQ(form->ResultPanelText(), "Copying file C:\\LOGS\\A.TXT successfully.");
    form->btnOper->click();
    EXPECT_EQ(form->ResultPanelText(), "Copying file C:\\LOGS\\A.TXT met error: has existed the same name file.");
    form->edtTargetFile->setText("c:\\none\\a.txt");
    form->btnOper->click();
    EXPECT_EQ(form->ResultPanelText(), "Copying file C:\\LOGS\\A.TXT met error: invalid directory.");
}

// The hidden commands open their dialogs in the main-menu modes.
TEST(FileSystemCommands, HiddenRecordsOpenInTheirModes)
{
    const std::pair<const char*, int> hidden[] = {{"mdmkdir1Click", 11}, {"rdrmdir1Click", 12},
                                                  {"RenameFile1Click", 13}, {"DeleteFile1Click", 14},
                                                  {"CopyFile1Click", 15}};
    for (const auto& [name, mode] : hidden) {
        SCOPED_TRACE(name);
        const VnDialogCommand* record = nullptr;
        for (const VnDialogCommand& command : VnDialogCommands()) {
            if (std::string_view(command.name) == name)
                record = &command;
        }
        ASSERT_NE(record, nullptr);
        ASSERT_NE(record->factory, nullptr);
        ASSERT_EQ(record->mode, mode);
        VnDialogArgs args;
        args.mode = record->mode;
        std::unique_ptr<QDialog> dialog = record->factory(args);
        auto* form = dynamic_cast<TFileOperationForm*>(dialog.get());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Mode, mode);
        EXPECT_FALSE(form->ListingMode());
    }
}

}  // namespace
