#pragma once
// A main window started as the host starts it, against the simulated
// switch: a registry file naming a settings folder, a ".cfg" file for
// 127.0.0.1 carrying the switch's port, and the command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "EventLoopWait.h"
#include "SimSwitchTest.h"
#include "TMainForm.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Leds.h"
#include "test_startup_support.h"

// Readable QString values in GoogleTest messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace deviceviewtest {

inline constexpr const char* kUnitTable = "1.3.6.1.4.1.88406.12.11.1.9.4.1";
inline constexpr const char* kSlotTable = "1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1";
inline constexpr const char* kRmonState = "1.3.6.1.4.1.88406.11.59.5.2.1.2.3.0";

// Lines of one stack unit for a data file (later lines replace the
// default stack's). `leds` is the LED status in hex.
inline std::string UnitLines(int unit, const std::string& model, bool exist = true,
                             const std::string& leds = "0303010000")
{
    const std::string u = std::to_string(unit);
    const std::string t = std::string(kUnitTable) + ".";
    return t + "2." + u + " INTEGER " + (exist ? "1" : "0") + "\n" + t + "4." + u + " INTEGER " +
           std::to_string((unit - 1) * 64 + 1) + "\n" + t + "5." + u + " INTEGER 24\n" + t + "6." +
           u + " OCTETSTR " + (leds.empty() ? "\"\"" : leds) + "\n" + t + "10." + u +
           " STRING \"" + model + "\"\n";
}

inline std::string ModuleLine(int unit, const std::string& name)
{
    return std::string(kSlotTable) + ".3." + std::to_string(unit) + " STRING \"" + name + "\"\n";
}

class MainWindowTest : public SimSwitchTest {
protected:
    // Data replacing parts of the default stack; empty: the default stack.
    virtual std::string StackData() const { return {}; }

    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        const std::string data = StackData();
        if (!data.empty()) {
            data_ = std::make_unique<TempSimData>(data);
            options.dataFiles.push_back(data_->path());
        }
        return options;
    }

    void TearDown() override
    {
        form_.reset();
        boxes_.reset();
        SimSwitchTest::TearDown();
        if (previousRegistry_)
            setenv("VN_REGISTRY_FILE", previousRegistry_->c_str(), 1);
    }

    // Writes the host's files and starts the main window; the settings
    // file holds `cfg` (default: the switch's port, SNMPv2c).
    TMainForm& Start(std::vector<std::string> parameters = {"/I127.0.0.1", "/Rqorvel", "/Wtamisko"},
                     std::string cfg = {})
    {
        if (!previousRegistry_)
            previousRegistry_ = std::string(std::getenv("VN_REGISTRY_FILE") ? std::getenv("VN_REGISTRY_FILE") : "");
        const std::string registry = folder_.Write(
            "registry.ini", "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=" + folder_.Folder() + "\n");
        setenv("VN_REGISTRY_FILE", registry.c_str(), 1);
        folder_.Write("127.0.0.1.cfg", cfg.empty() ? startuptest::FullCfg(port(), 1) : cfg);
        boxes_ = std::make_unique<VnMessageBoxCapture>(VnMsgAnswer::Ok);
        form_ = std::make_unique<TMainForm>(std::move(parameters));
        form_->SetConfirmClose(false);
        return *form_;
    }

    // Until every panel's first poll has been answered and painted.
    bool WaitForLeds()
    {
        const bool polled = RunUntil([&] {
            for (TPanelForm* panel : form_->UnitPanels + form_->ModulePanels) {
                if (!panel->LedBinder() || panel->LedBinder()->Busy())
                    return false;
            }
            return true;
        });
        RunEvents(150);  // the blink timer paints
        return polled;
    }

    startuptest::TempFolder folder_;
    std::unique_ptr<VnMessageBoxCapture> boxes_;
    std::unique_ptr<TMainForm> form_;
    mutable std::unique_ptr<TempSimData> data_;
    std::optional<std::string> previousRegistry_;
};

} // namespace deviceviewtest
