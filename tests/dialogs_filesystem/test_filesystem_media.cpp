// The media dialogs: Format follows the selected row, Start sends c:,
// FAT16 and start with the user's label and option, and the waiting form
// follows the switch until the format ends or the user ends the wait.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "Filesystemmedia.h"
#include "TWaitingForm.h"
#include "filesystem_test_support.h"

namespace {

using dialogtest::Context;
using dialogtest::WaitIdle;
using fstest::Hex;
using fstest::kFs;
using fstest::WhileModal;

using Record = std::vector<std::vector<std::string>>;

class MediaTest : public fstest::FileSystemTest {};

TEST_F(MediaTest, FormatFollowsARowWithADriveName)
{
    // A second row without a drive name, and a third with an empty one.
    sim().set(kFs + "2.1.1.3.2", "STRING", "FLASH");
    sim().set(kFs + "2.1.1.2.3", "INTEGER", "9");
    TMediaInfoForm form(nullptr, Context());
    form.show();
    ASSERT_TRUE(WaitIdle(form));
    EXPECT_EQ(form.windowTitle(), "File System Drive Information");
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(form.StaticText1->text(), "3");
    EXPECT_FALSE(form.BtnOper->isEnabled());
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
    EXPECT_TRUE(form.BtnOper->isEnabled());
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(1));  // (NOTDONE)
    EXPECT_FALSE(form.BtnOper->isEnabled());
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
    form.ListView1->clearSelection();
    EXPECT_FALSE(form.BtnOper->isEnabled());
}

TEST_F(MediaTest, StartSendsFiveAndWaitsForTheFormat)
{
    // Process values one short of a multiple of five move the bar.
    Command("fs-format 4 4 9 14");
    TMediaFormatForm form(nullptr, Context());
    form.show();
    EXPECT_EQ(form.windowTitle(), "File System Drive Format");
    form.cbxDriveName->setCurrentIndex(1);  // whatever is shown, c: goes
    form.edtLabel->setText("NEWLBL");
    form.cbxStyle->setCurrentIndex(1);  // full
    std::vector<int> bar;
    WhileModal([&] { form.btnOper->click(); }, [] { return WaitingForm; },
               [&] {
                   EXPECT_EQ(WaitingForm->windowTitle(), "Formatt File System...");
                   QObject::connect(WaitingForm->ProgressBar, &QProgressBar::valueChanged,
                                    [&bar](int value) { bar.push_back(value); });
               });
    EXPECT_EQ(SetRecord(), (Record{{kFs + "2.2.1.0=3", kFs + "2.2.2.0=1", kFs + "2.2.3.0=" + Hex("NEWLBL"),
                                    kFs + "2.2.4.0=2", kFs + "2.2.5.0=2"}}));
    EXPECT_EQ(sim().get(kFs + "1.1.0")->value, "2");
    EXPECT_EQ(sim().get(kFs + "2.1.1.5.1")->value, Hex("NEWLBL"));
    EXPECT_FALSE(Listed("LOGS"));
    EXPECT_EQ(form.edtLabel->text(), "NEWLBL");
    EXPECT_FALSE(bar.empty());
}

TEST_F(MediaTest, AFailedSetPutsTheSettingsBack)
{
    TMediaFormatForm form(nullptr, Context());
    form.show();
    const QString label = form.edtLabel->text();
    const int drive = form.cbxDriveName->currentIndex();
    sim().error(kFs + "2.2", "genErr", "set");
    form.edtLabel->setText("OTHER");
    form.btnOper->click();
    EXPECT_EQ(form.edtLabel->text(), label);
    EXPECT_EQ(form.cbxDriveName->currentIndex(), drive);
    EXPECT_FALSE(form.PanelText().isEmpty());
    EXPECT_EQ(WaitingForm, nullptr);
}

TEST_F(MediaTest, EscEndsAStuckWait)
{
    Command("fs-format 1000000 50");
    TMediaFormatForm form(nullptr, Context());
    form.show();
    WhileModal([&] { form.btnOper->click(); }, [] { return WaitingForm; },
               [&] { QTest::keyClick(WaitingForm, Qt::Key_Escape); });
    EXPECT_EQ(WaitingForm, nullptr);
    EXPECT_EQ(form.PanelText(), TMediaFormatForm::kWaitEndedText);
    EXPECT_EQ(sim().get(kFs + "1.1.0")->value, "3");
}

}  // namespace
