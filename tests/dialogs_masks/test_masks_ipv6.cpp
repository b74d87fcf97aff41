// The IPv6 mask dialogs of the ports and of the CPU filter over the
// switch: the columns of Add and Set (never the row status on Set), the
// hand-overs, the checks in their order with their focus, and the CPU
// form's unchosen combo boxes.
#include <functional>

#include "Cpuipv6maskinformationunit.h"
#include "Ipv6maskinformationunit.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

using Form = TIPv6MaskDialog;

const Twin kTwins[] = {{"port", std::string(kPort) + "4.1.", false, "1"},
                       {"cpu", std::string(kCpu) + "4.1.", true, "2"}};

const char* const kMaskA = "0123456789abcdefFEDCBA9876543210";
const std::string kMaskAHex = "0123456789ABCDEFFEDCBA9876543210";
const std::string kSourceListed = std::string(16, 'F') + std::string(16, '0');
const std::string kDestinationListed(32, 'F');

using Ipv6Masks = TwinTest<Form, TIPv6MaskInformationForm, TCPUIPv6MaskInformationForm>;

void Choose(Form& f, int trafficClass, int flowLabel, int state, int rowStatus)
{
    f.cbxClass->setCurrentIndex(trafficClass);
    f.cbxFlowLabel->setCurrentIndex(flowLabel);
    f.cbxIPv6MaskState->setCurrentIndex(state);
    f.cbxRowStatus->setCurrentIndex(rowStatus);
}

TEST_F(Ipv6Masks, ThePortFormStartsPresetTheCpuFormUnchosen)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        auto form = OpenTwin(twin);
        EXPECT_EQ(Ids(*form), QStringList({twin.listed}));
        EXPECT_TRUE(NoRowState(*form));
        const QString expected[] = {twin.cpu ? "" : "disable", twin.cpu ? "" : "disable", twin.cpu ? "" : "other",
                                    twin.cpu ? "" : "active"};
        QComboBox* const combos[] = {form->cbxClass, form->cbxFlowLabel, form->cbxIPv6MaskState, form->cbxRowStatus};
        for (std::size_t k = 0; k < std::size(combos); ++k)
            EXPECT_EQ(combos[k]->currentText(), expected[k]) << combos[k]->objectName().toStdString();
    }
}

struct SendCase {
    const char* name;
    bool set;  // Set at the listed row, else Add of mask 3
    std::function<void(Form&)> edit;
    std::vector<std::string> sent;
};

TEST_F(Ipv6Masks, EachCommandSendsTheMasksOfItsStateByteExact)
{
    const SendCase cases[] = {
        {"add dst", false,
         [](Form& f) {
             Choose(f, 1, 0, 1, 1);
             f.edtIPv6DstMask->setText(kMaskA);
             f.edtIPv6SrcMask->setText("FFFF");
         },
         {"2.ID=2", "3.ID=1", "4.ID=2", "6.ID=" + kMaskAHex, "7.ID=4"}},
        {"add other", false,
         [](Form& f) {
             Choose(f, 0, 1, 0, 1);
             f.edtIPv6DstMask->setText(kMaskA);
             f.edtIPv6SrcMask->setText(kMaskA);
         },
         {"2.ID=1", "3.ID=2", "4.ID=1", "7.ID=4"}},
        {"add both", false,
         [](Form& f) {
             Choose(f, 0, 0, 3, 1);
             f.edtIPv6DstMask->setText(QString(32, '0'));
             f.edtIPv6SrcMask->setText(kMaskA);
         },
         {"2.ID=1", "3.ID=1", "4.ID=4", "5.ID=" + kMaskAHex, "6.ID=" + std::string(32, '0'), "7.ID=4"}},
        {"set as listed", true, [](Form&) {},
         {"2.ID=1", "3.ID=2", "4.ID=4", "5.ID=" + kSourceListed, "6.ID=" + kDestinationListed}},
        {"set src", true,
         [](Form& f) {
             f.cbxIPv6MaskState->setCurrentIndex(2);
             f.edtIPv6SrcMask->setText(kMaskA);
         },
         {"2.ID=1", "3.ID=2", "4.ID=3", "5.ID=" + kMaskAHex}},
        {"set with destroy deletes", true, [](Form& f) { f.cbxRowStatus->setCurrentIndex(2); }, {"7.ID=6"}},
    };
    for (const Twin& twin : kTwins) {
        for (const SendCase& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            const std::string id = c.set ? twin.listed.toStdString() : "3";
            if (c.set)
                Select(*form, twin.listed);
            else
                form->edtIPv6MaskID->setText("3");
            c.edit(*form);
            (c.set ? form->btnModify : form->btnAdd)->click();
            ExpectSentAndCleared(*form, twin.entry, WithId(c.sent, id));
            EXPECT_TRUE(form->edtIPv6SrcMask->text().isEmpty());
            if (!c.set)
                RemoveRow(twin.entry, "3", 7);
        }
    }
}

// The CPU form's Add leaves out what is not chosen, and a chosen mask that
// is empty.
TEST_F(Ipv6Masks, CpuAddLeavesOutWhatIsNotChosen)
{
    struct Case {
        const char* name;
        std::function<void(Form&)> edit;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"nothing chosen", [](Form&) {}, {"7.3=4"}},
        {"dst without its mask", [](Form& f) { f.cbxIPv6MaskState->setCurrentIndex(1); }, {"4.3=2", "7.3=4"}},
        {"both with the destination only",
         [](Form& f) {
             f.cbxFlowLabel->setCurrentIndex(0);
             f.cbxIPv6MaskState->setCurrentIndex(3);
             f.edtIPv6DstMask->setText(kMaskA);
         },
         {"3.3=1", "4.3=4", "6.3=" + kMaskAHex, "7.3=4"}},
    };
    const std::string entry = std::string(kCpu) + "4.1.";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = Open<TCPUIPv6MaskInformationForm>();
        form->edtIPv6MaskID->setText("3");
        form->cbxRowStatus->setCurrentIndex(1);
        c.edit(*form);
        form->btnAdd->click();
        EXPECT_EQ(Sets(entry), Record({c.sent}));
        RemoveRow(entry, "3", 7);
    }
}

struct CheckCase {
    const char* name;
    bool set;
    std::function<void(Form&)> edit;
    const char* message;
    const char* focus;  // null: not moved
    bool portOnly = false;
};

TEST_F(Ipv6Masks, ChecksInTheirOrderWithTheirFocusSendNothing)
{
    const CheckCase cases[] = {
        {"add without ID", false, [](Form& f) { Choose(f, 1, 1, 0, 1); }, nullptr, "edtIPv6MaskID"},
        {"add a listed ID", false,
         [](Form& f) {
             Choose(f, 1, 1, 0, 1);
             f.edtIPv6MaskID->setText(f.ListView1->topLevelItem(0)->text(0));
         },
         Form::kIdTaken, "edtIPv6MaskID"},
        {"add without class", false,
         [](Form& f) {
             Choose(f, -1, 1, 0, 1);
             f.edtIPv6MaskID->setText("3");
         },
         Form::kChooseClass, "cbxClass", true},
        {"add without flow label", false,
         [](Form& f) {
             Choose(f, 1, -1, 0, 1);
             f.edtIPv6MaskID->setText("3");
         },
         Form::kChooseFlowLabel, "cbxFlowLabel", true},
        {"add without state", false,
         [](Form& f) {
             Choose(f, 1, 1, -1, 1);
             f.edtIPv6MaskID->setText("3");
         },
         Form::kChooseMaskState, "cbxIPv6MaskState", true},
        {"add both without masks: destination first", false,
         [](Form& f) {
             Choose(f, 1, 1, 3, 1);
             f.edtIPv6MaskID->setText("3");
         },
         Form::kDestinationMissing, "edtIPv6DstMask", true},
        {"add both without the source", false,
         [](Form& f) {
             Choose(f, 1, 1, 3, 1);
             f.edtIPv6MaskID->setText("3");
             f.edtIPv6DstMask->setText("FF");
         },
         Form::kSourceMissing, "edtIPv6SrcMask", true},
        {"add as active", false,
         [](Form& f) {
             Choose(f, 1, 1, 0, 0);
             f.edtIPv6MaskID->setText("3");
         },
         Form::kNotCreateAndGo, "cbxRowStatus"},
        {"set to createAndGo adds the listed ID", true, [](Form& f) { f.cbxRowStatus->setCurrentIndex(1); },
         Form::kIdTaken, nullptr},
        {"set dst without its mask", true,
         [](Form& f) {
             f.cbxIPv6MaskState->setCurrentIndex(1);
             f.edtIPv6DstMask->clear();
         },
         Form::kDestinationMissing, "edtIPv6DstMask"},
        {"odd hex digits", false,
         [](Form& f) {
             Choose(f, 1, 1, 2, 1);
             f.edtIPv6MaskID->setText("3");
             f.edtIPv6SrcMask->setText("FFF");
         },
         "", nullptr},
    };
    for (const Twin& twin : kTwins) {
        for (const CheckCase& c : cases) {
            if (c.portOnly && twin.cpu)
                continue;
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            if (c.set)
                Select(*form, twin.listed);
            c.edit(*form);
            (c.set ? form->btnModify : form->btnAdd)->click();
            ExpectRefused(*form, c.message ? c.message : twin.cpu ? Form::kCpuIdMissing : Form::kIdMissing, c.focus);
            EXPECT_TRUE(NoRowState(*form));
        }
    }
}

// After a refused check the port form's Add keeps the input for correcting;
// its Set and the CPU form's Add clear it.
// A mask cell the walk left out is no mask: Set asks for it as for an
// empty field instead of sending the state without it.
TEST_F(Ipv6Masks, SetRefusesAComparedMaskWhoseCellIsMissing)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        sim().unset(twin.entry + "6." + twin.listed.toStdString());
        auto form = OpenTwin(twin);
        form->activateWindow();
        Select(*form, twin.listed);
        EXPECT_EQ(form->cbxIPv6MaskState->currentText(), "dst-src-IPV6-addr");
        form->btnModify->click();
        ExpectRefused(*form, Form::kDestinationMissing, "edtIPv6DstMask");
    }
}

TEST_F(Ipv6Masks, WhatARefusedCheckLeavesInTheFields)
{
    struct Case {
        const Twin& twin;
        bool set;
        bool kept;
        int rowStatus;  // the port form's Add refuses the empty mask, the CPU form's "active"
    };
    const Case cases[] = {{kTwins[0], false, true, 1}, {kTwins[0], true, false, 0}, {kTwins[1], false, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.twin.name) + (c.set ? " set" : " add"));
        auto form = OpenTwin(c.twin);
        if (c.set)
            Select(*form, c.twin.listed);
        else
            form->edtIPv6MaskID->setText("3");
        Choose(*form, 1, 1, 3, c.rowStatus);
        form->edtIPv6DstMask->clear();
        form->edtIPv6SrcMask->setText("FF");
        (c.set ? form->btnModify : form->btnAdd)->click();
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(Boxes().Texts().size(), 1);
        EXPECT_EQ(form->edtIPv6SrcMask->text().isEmpty(), !c.kept);
        Boxes().Clear();
    }
}

}  // namespace
