// A dialog's Set whose reply is not the binding sent: the switch applied
// it, but its answer did not confirm it, so the dialog's status says what
// came back instead of "Ok".
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Vlangeneralinfounit.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::MemoLines;
using dialogtest::WaitIdle;

namespace {

class SpoiledSetReply : public QBridgeSwitchTest {};

TEST_F(SpoiledSetReply, TheStatusSaysWhatCameBackInsteadOfOk)
{
    const std::string gvrp = kQ + "1.5.0";
    struct Case {
        const char* mode;
        std::string text;
    };
    const Case cases[] = {
        {"none", "(VnSNMP++) Unexpected reply: 0 bindings (1 sent)!"},
        {"more", "(VnSNMP++) Unexpected reply: 2 bindings (1 sent)!"},
        {"oid", "(VnSNMP++) Unexpected reply: " + kQ + "1.5.1 = INTEGER: 1 (" + gvrp + " sent)!"},
        {"type", "(VnSNMP++) Unexpected reply: " + gvrp + " = Gauge32: 1 (INTEGER sent)!"},
        {"nosuchinstance", "(VnSNMP++) Unexpected reply: " + gvrp + " = noSuchInstance (INTEGER sent)!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        sim().command("spoil-set " + gvrp + " " + c.mode);
        auto form = Open<TVLanGeneralInfoForm>();
        form->GvrpStatus->setCurrentText("enabled");
        form->SetBtn->click();
        ASSERT_TRUE(WaitIdle(*form));
        const QStringList lines = MemoLines(form->Memo1);
        EXPECT_EQ(lines.filter(QString::fromStdString("Set: " + c.text)).size(), 1) << lines.join('|').toStdString();
        EXPECT_TRUE(lines.filter("Set: (VnSNMP++) Ok!").isEmpty()) << lines.join('|').toStdString();

        const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (!folder.isEmpty() && std::string(c.mode) == "nosuchinstance") {
            form->show();
            RunEvents(50);
            EXPECT_TRUE(form->grab().save(QDir(folder).filePath("vlan-general-spoiled-set.png")));
        }
        sim().command("set " + gvrp + " INTEGER 2");
    }
    EXPECT_EQ(sim().sets().size(), std::size(cases)) << "each Set went out once";
}

}  // namespace
