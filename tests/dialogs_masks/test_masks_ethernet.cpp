// The Ethernet mask dialogs of the ports and of the CPU filter over the
// switch: the columns each Set, Add and Delete sends, and the refusals that
// send nothing.
#include <QApplication>

#include <functional>

#include "Cpuethernetmaskinformationformunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

using Form = TEthernetMaskDialog;

const Twin kTwins[] = {{"port", std::string(kPort) + "1.1.", false, "1"},
                       {"cpu", std::string(kCpu) + "1.1.", true, "1"}};

using EthernetMasks = TwinTest<Form, TEthernetMaskInformationForm, TCPUEthernetMaskInformationForm>;

TEST_F(EthernetMasks, OpenWithTheRowsPresetsAndTheNoRowState)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        auto form = OpenTwin(twin);
        EXPECT_EQ(Ids(*form), QStringList({"1", "2"}));
        EXPECT_TRUE(NoRowState(*form));
        EXPECT_EQ(form->UseVLanComBo->currentText(), "disabled");
        EXPECT_EQ(form->MacMaskStateComBo->currentText(), "other");
        EXPECT_EQ(form->RowStatusComBo->currentText(), "active");
        EXPECT_EQ(form->MacMaskStateComBo->itemText(3), twin.cpu ? "dst-src-MACMAC-addr" : "dst-src-MAC-addr");
        Select(*form, "1");
        EXPECT_EQ(form->IDEdit->text(), "1");
        EXPECT_EQ(form->MacAddMaskSourceEdit->text(), "FFFFFF000000");
        EXPECT_TRUE(form->SetBtn->isEnabled());
        EXPECT_FALSE(form->BT_Set->isEnabled());
        EXPECT_FALSE(form->IDEdit->isEnabled());
    }
}

struct SendCase {
    const char* name;
    bool add;
    std::function<void(Form&)> edit;
    std::vector<std::string> sent;  // "column.id=value", in column order
};

TEST_F(EthernetMasks, EachCommandSendsTheColumnsOfTheMaskStateWithTheShownValues)
{
    const SendCase cases[] = {
        {"set other", false, [](Form& f) { f.MacMaskStateComBo->setCurrentIndex(0); },
         {"2.1=1", "3.1=1", "6.1=2", "7.1=1", "8.1=1"}},
        {"set dst", false,
         [](Form& f) {
             f.MacMaskStateComBo->setCurrentIndex(1);
             f.MacMaskDstEdit->setText("00ff00ff00ff");
         },
         {"2.1=1", "3.1=2", "5.1=00FF00FF00FF", "6.1=2", "7.1=1", "8.1=1"}},
        {"set src", false, [](Form& f) { f.MacMaskStateComBo->setCurrentIndex(2); },
         {"2.1=1", "3.1=3", "4.1=FFFFFF000000", "6.1=2", "7.1=1", "8.1=1"}},
        {"set both", false,
         [](Form& f) {
             f.MacMaskStateComBo->setCurrentIndex(3);
             f.MacMaskDstEdit->setText("FFFFFFFFFFFF");
             f.UseVLanComBo->setCurrentIndex(1);
         },
         {"2.1=2", "3.1=4", "4.1=FFFFFF000000", "5.1=FFFFFFFFFFFF", "6.1=2", "7.1=1", "8.1=1"}},
        {"set destroy", false, [](Form& f) { f.RowStatusComBo->setCurrentIndex(2); }, {"8.1=6"}},
        {"add dst", true,
         [](Form& f) {
             f.IDEdit->setText("4");
             f.MacMaskStateComBo->setCurrentIndex(1);
             f.MacMaskDstEdit->setText("0000FFFF0000");
             f.MacAddMaskSourceEdit->setText("not sent");
             f.RowStatusComBo->setCurrentIndex(1);
         },
         {"2.4=2", "3.4=2", "5.4=0000FFFF0000", "6.4=2", "7.4=2", "8.4=4"}},
        {"add other", true,
         [](Form& f) {
             f.IDEdit->setText("5");
             f.Use8021pComBo->setCurrentIndex(0);
             f.RowStatusComBo->setCurrentIndex(1);
         },
         {"2.5=2", "3.5=1", "6.5=1", "7.5=2", "8.5=4"}},
    };
    for (const Twin& twin : kTwins) {
        for (const SendCase& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            if (!c.add)
                Select(*form, "1");
            c.edit(*form);
            (c.add ? form->BT_Set : form->SetBtn)->click();
            ExpectSentAndCleared(*form, twin.entry, c.sent);
            EXPECT_TRUE(form->MacMaskDstEdit->text().isEmpty());
        }
    }
}

TEST_F(EthernetMasks, AnAddedMaskIsListedAndDeleteDestroysOnlyTheChosenRow)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        auto form = OpenTwin(twin);
        form->IDEdit->setText("3");
        form->RowStatusComBo->setCurrentIndex(1);
        form->BT_Set->click();
        EXPECT_EQ(Ids(*form), QStringList({"1", "2", "3"}));
        sim().clearSets();

        Select(*form, "2");
        form->BT_Delete->click();
        EXPECT_EQ(Sets(twin.entry), Record({{"8.2=6"}}));
        EXPECT_EQ(Ids(*form), QStringList({"1", "3"}));
        EXPECT_EQ(form->RowStatusComBo->currentText(), "destroy");
        EXPECT_TRUE(NoRowState(*form));
    }
}

// A one-digit ID typed with a leading zero or a plus sign adds the mask of
// the number it writes.
TEST_F(EthernetMasks, AnIdWithALeadingZeroOrPlusSignIsTheNumberItWrites)
{
    const struct {
        const char* typed;
        const char* sent;  // the row status at the mask's instance
        const char* why;
    } cases[] = {
        {"03", "8.3=4", "a leading zero"},
        {"+3", "8.3=4", "a plus sign"},
        {"+03", "8.3=4", "both"},
        {"3", "8.3=4", "the plain number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + ": " + c.why);
        auto form = OpenTwin(kTwins[0]);
        TypeInto(form->IDEdit, c.typed);
        form->RowStatusComBo->setCurrentIndex(1);
        sim().clearSets();
        form->BT_Set->click();
        const Record sets = Sets(kTwins[0].entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_NE(std::find(sets[0].begin(), sets[0].end(), c.sent), sets[0].end()) << sets[0].back();
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
        EXPECT_EQ(Ids(*form), QStringList({"1", "2", "3"}));
        RemoveRow(kTwins[0].entry, "3", 8);
    }
}

struct RefusalCase {
    const char* name;
    bool add;
    std::function<void(Form&)> edit;
    QString message;  // empty: the library's own
    const char* focus;  // object name; null: not moved
};

TEST_F(EthernetMasks, RefusalsSendNothingAndSayWhy)
{
    const auto addable = [](Form& f, const char* id) {
        f.IDEdit->setText(id);
        f.RowStatusComBo->setCurrentIndex(1);
    };
    const RefusalCase cases[] = {
        {"add without ID", true, [](Form& f) { f.RowStatusComBo->setCurrentIndex(1); }, Form::kIdMissing, "IDEdit"},
        {"add a listed ID", true, [&](Form& f) { addable(f, "2"); }, Form::kIdTaken, "IDEdit"},
        {"add as active", true, [](Form& f) { f.IDEdit->setText("3"); }, Form::kNotCreateAndGo, "RowStatusComBo"},
        {"add dst without its MAC", true,
         [&](Form& f) {
             addable(f, "3");
             f.MacMaskStateComBo->setCurrentIndex(1);
         },
         Form::kDestinationMissing, "MacMaskDstEdit"},
        {"add both without the source", true,
         [&](Form& f) {
             addable(f, "3");
             f.MacMaskStateComBo->setCurrentIndex(3);
             f.MacMaskDstEdit->setText("FFFFFFFFFFFF");
         },
         Form::kSourceMissing, "MacAddMaskSourceEdit"},
        {"11 hex digits", true,
         [&](Form& f) {
             addable(f, "3");
             f.MacMaskStateComBo->setCurrentIndex(2);
             f.MacAddMaskSourceEdit->setText("00112233445");
         },
         "", nullptr},
        {"not hex", true,
         [&](Form& f) {
             addable(f, "3");
             f.MacMaskStateComBo->setCurrentIndex(1);
             f.MacMaskDstEdit->setText("G5");
         },
         "", nullptr},
        {"ID out of range", true,
         [&](Form& f) {
             addable(f, "");
             TypeInto(f.IDEdit, "9");
         },
         "", nullptr},
        {"set src without its MAC", false,
         [](Form& f) {
             f.MacMaskStateComBo->setCurrentIndex(2);
             f.MacAddMaskSourceEdit->clear();
         },
         Form::kSourceMissing, "MacAddMaskSourceEdit"},
    };
    for (const Twin& twin : kTwins) {
        for (const RefusalCase& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            if (!c.add)
                Select(*form, "1");
            c.edit(*form);
            const QString shownId = form->IDEdit->text();
            (c.add ? form->BT_Set : form->SetBtn)->click();
            ExpectRefused(*form, c.message, c.focus);
            EXPECT_EQ(form->IDEdit->text(), shownId) << "the input stays for correcting";
        }
    }
}

// A MAC cell the walk left out is no mask: a Set whose state compares it
// asks for one instead of sending the state without it.
TEST_F(EthernetMasks, SetRefusesAComparedMaskWhoseCellIsMissing)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        sim().unset(twin.entry + "5.2");
        auto form = OpenTwin(twin);
        Select(*form, "1");
        Select(*form, "2");
        EXPECT_EQ(form->MacMaskStateComBo->currentText(), "dst-MAC-addr");
        form->SetBtn->click();
        ExpectRefused(*form, Form::kDestinationMissing, "MacMaskDstEdit");
    }
}

// The CPU filter takes masks 1 to 5 only.
TEST_F(EthernetMasks, TheCpuFilterRefusesMaskSix)
{
    auto form = Open<TCPUEthernetMaskInformationForm>();
    TypeInto(form->IDEdit, "6");
    form->RowStatusComBo->setCurrentIndex(1);
    form->BT_Set->click();
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(Boxes().Texts().size(), 1);
    Boxes().Clear();
    TypeInto(form->IDEdit, "5");
    form->BT_Set->click();
    EXPECT_EQ(Sets(std::string(kCpu) + "1.1."), Record({{"2.5=2", "3.5=1", "6.5=2", "7.5=2", "8.5=4"}}));
}

}  // namespace
