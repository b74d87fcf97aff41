#pragma once
// Helpers of the "SNMP V3", system log, dual image, time, MSTP and single-IP
// command tests: a switch serving those objects and the areas' editors.
#include <string>
#include <vector>

#include "../commands_layer3/editor_form_helpers.h"

namespace v3test {

using namespace editortest;

inline const std::string kEnt = "1.3.6.1.4.1.88406";

inline std::vector<const VnEditorCommand*> V3AndManagementEditors()
{
    std::vector<const VnEditorCommand*> editors;
    for (auto area : {VnSnmpV3EditorCommands(), VnManagementEditorCommands()}) {
        for (const VnEditorCommand& command : area)
            editors.push_back(&command);
    }
    return editors;
}

class V3CommandTest : public commandtest::MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("commands-device.sim"),
                             SimSwitch::dataPath("commands-v3-device.sim")};
        return options;
    }
};

} // namespace v3test
