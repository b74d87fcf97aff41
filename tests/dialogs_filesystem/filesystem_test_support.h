#pragma once
// The switch with its file system, and the helpers of the file-system
// dialog tests: set records in readable form, and modal dialogs driven
// from inside their own loops.
#include <QApplication>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "dialog_test_support.h"

namespace fstest {

inline const std::string kFs = "1.3.6.1.4.1.88406.12.14.";

// An octet string as the set record shows it.
inline std::string Hex(const std::string& text)
{
    return QByteArray::fromStdString(text).toHex().toUpper().toStdString();
}

class FileSystemTest : public SessionSwitchTest {
protected:
    FileSystemTest() : SessionSwitchTest("filesystem.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            dialogtest::AimDefaults(port());
    }
    // Raises on the switch's "error".
    void Command(const std::string& line) { sim().command(line); }
    // True when the listed directory of the switch holds `name`.
    bool Listed(const std::string& name)
    {
        std::string index = std::to_string(name.size());
        for (unsigned char c : name)
            index += "." + std::to_string(c);
        return sim().get(kFs + "3.3.2.1.2." + index).has_value();
    }
};

// Runs `body` once `shown` is the modal window of the loop `opener` starts.
inline void WhileModal(const std::function<void()>& opener, const std::function<QWidget*()>& shown,
                       const std::function<void()>& body)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, shown, body] {
        QWidget* modal = shown();
        if (!modal || QApplication::activeModalWidget() != modal)
            return;
        poll->stop();
        poll->deleteLater();
        body();
    });
    poll->start();
    opener();
}

}  // namespace fstest
