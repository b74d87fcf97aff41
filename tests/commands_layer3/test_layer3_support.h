#pragma once
// Helpers of the "Layer 3 Management" command tests: a switch serving the
// layer-3, VRRP, PIM and IGMP objects, and the area's editors.
#include <string>
#include <vector>

#include "editor_form_helpers.h"

namespace layer3test {

using namespace editortest;

inline const std::string kEnt = "1.3.6.1.4.1.88406";
inline const std::string kL3 = kEnt + ".11.59.5.3";

inline std::vector<const VnEditorCommand*> Layer3Editors()
{
    std::vector<const VnEditorCommand*> editors;
    for (const VnEditorCommand& command : VnLayer3EditorCommands())
        editors.push_back(&command);
    return editors;
}

class Layer3CommandTest : public commandtest::MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("commands-device.sim"), SimSwitch::dataPath("commands-layer3.sim")};
        return options;
    }
};

} // namespace layer3test
