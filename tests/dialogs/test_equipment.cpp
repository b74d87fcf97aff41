// The equipment basic information dialog over the simulated switch.
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

#include "Equipmentbasicinfoformunit.h"
#include "VnMessages.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

constexpr const char* kCapacity = "1.3.6.1.4.1.88406.12.11.1.1.0";
constexpr const char* kUnitCount = "1.3.6.1.4.1.88406.12.11.1.9.3.0";

class Equipment : public DialogSwitchTest {
protected:
    std::unique_ptr<TEquipmentBasicInfoForm> Open()
    {
        auto form = std::make_unique<TEquipmentBasicInfoForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
};

TEST_F(Equipment, ShowsTheSwitchsStackingFigures)
{
    auto form = Open();
    EXPECT_EQ(form->Edit2->text(), "12");
    EXPECT_EQ(form->Edit3->text(), "2");
    EXPECT_EQ(form->Edit4->text(), "2");
    const QStringList lines = MemoLines(form->Memo1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(WithoutTime(lines[0]), "Get: " + VnErrorText(kVnOk) + ". Receive at T.") << lines[0].toStdString();
}

TEST_F(Equipment, RefreshShowsAThirdUnit)
{
    auto form = Open();
    sim().set(kUnitCount, "INTEGER", "3");
    form->BitBtn1Click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->Edit3->text(), "3");
}

TEST_F(Equipment, TheCapacityFieldKeepsItsTextWhateverTheBits)
{
    for (const char* bits : {"00", "FF", "E0"}) {
        sim().set(kCapacity, "OCTETSTR", bits);
        auto form = Open();
        EXPECT_EQ(form->Edit1->text(), "Fan, Redundant Power and Stacking") << bits;
    }
}

TEST_F(Equipment, AFailedReadGoesToTheMemoWithTheGetTemplate)
{
    sim().error("1.3.6.1.4.1.88406.12.11.1.9.2", "genErr", "get");
    auto form = Open();
    const QStringList lines = MemoLines(form->Memo1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("Get: ")) << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains(QString::fromStdString(VnErrorText(kVnOk)))) << lines[0].toStdString();
    EXPECT_TRUE(form->Edit2->text().isEmpty());
}

}  // namespace
