// Pictures of the "Security Management" editors for a person to look at:
// written only when VN_SCREENSHOT_DIR names a folder. Editors with size
// steps are taken again at FontScale 1.25 with a font to match; the
// widened RADIUS table also with its Edit form.
#include <QDir>
#include <QFont>

#include <gtest/gtest.h>

#include "VnCommandKinds.h"
#include "test_commands_security_support.h"

using namespace commandtest;
using namespace layer2test;
using securitytest::SecurityCommandTest;
using securitytest::SecurityEditors;

namespace {

QString ScreenFolder() { return qEnvironmentVariable("VN_SCREENSHOT_DIR"); }

bool HasSizeSteps(const VnEditorCommand& command)
{
    for (const VnEditorStep& step : command.steps) {
        if (step.kind != VnEditorStepKind::Format)
            return true;
    }
    return false;
}

void Shoot(TMainForm& main, const VnEditorCommand& command, const QString& file)
{
    const bool shown = WithModal([&] { VnRunCommand(main, command.name); }, [&](QWidget* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
        RunEvents(300);  // inputs and columns fit their texts
        EXPECT_TRUE(window->grab().save(ScreenFolder() + "/" + file + ".png"));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        if (!table || command.steps.empty())
            return;
        QTreeWidget* view = table->ListViewPanel->ListView;
        view->setCurrentItem(view->topLevelItem(0));
        EXPECT_TRUE(WithModalOver(form, [&] { table->CtrlBtnPanel->EditBtn->click(); }, [&](QDialog* edit) {
            RunEvents(100);
            EXPECT_TRUE(edit->grab().save(ScreenFolder() + "/" + file + "-edit.png"));
        }));
    });
    EXPECT_TRUE(shown) << file.toStdString();
}

class SecurityScreens : public SecurityCommandTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        QDir().mkpath(ScreenFolder());
        SecurityCommandTest::SetUp();
    }
};

TEST_F(SecurityScreens, EveryEditor)
{
    for (const VnEditorCommand* command : SecurityEditors()) {
        const QString name = QString::fromLatin1(command->name).chopped(5);
        Shoot(Main(), *command, "security-" + name);
        if (!HasSizeSteps(*command))
            continue;
        const QFont font = QApplication::font();
        QFont large = font;
        large.setPointSizeF(font.pointSizeF() * 1.25);
        QApplication::setFont(large);
        Main().FontScale = 1.25f;
        Shoot(Main(), *command, "security-" + name + "-125");
        Main().FontScale = 1.0f;
        QApplication::setFont(font);
    }
}

} // namespace
