#pragma once
// Model texts of the stack units and the families they belong to. Every
// comparison is exact and case-sensitive, as the switch reports the text.
#include <array>
#include <string>
#include <string_view>

enum class VnModelFamily { None, RQ4124S, RQ4024T, RQ4024S, RQ6050S, RQ6026S };

// The 13 model texts, in the order the main window keeps them.
inline constexpr std::array<std::string_view, 13> kVnModelNames = {
    "RQ-4124S", "RQ-4024T", "RQ-4152S", "RQ-4024S", "RQ-4024S*", "RQ4124S", "RQ4024T",
    "RQ4024S",  "RQ-6050S", "RQ-6026R", "RQ6050S",  "RQ6026S",   "RQ-6026S"};

VnModelFamily VnFamilyForModel(std::string_view model);

// Stack members, the models that can carry a plug-in module.
inline bool VnIsStackMemberModel(std::string_view model)
{
    const VnModelFamily family = VnFamilyForModel(model);
    return family == VnModelFamily::RQ6050S || family == VnModelFamily::RQ6026S;
}

// Front ports of a unit: 24, 26 or 50; 0 for a model without a panel.
int PortsPerUnitForModel(std::string_view model);
