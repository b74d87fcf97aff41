#pragma once
// Helpers of the "Security Management" command tests: a switch serving the
// 802.1X, RADIUS, TACACS+, SSH and SSL objects, and the area's editors.
#include <string>
#include <vector>

#include "test_commands_layer2_support.h"

namespace securitytest {

inline const std::string kEnt = "1.3.6.1.4.1.88406";

inline std::vector<const VnEditorCommand*> SecurityEditors()
{
    std::vector<const VnEditorCommand*> editors;
    for (const VnEditorCommand& command : VnSecurityEditorCommands())
        editors.push_back(&command);
    return editors;
}

class SecurityCommandTest : public commandtest::MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("commands-device.sim"), SimSwitch::dataPath("commands-security.sim")};
        return options;
    }
};

} // namespace securitytest
