#include "VnModelFamily.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, VnModelFamily> kFamilies[] = {
    {"RQ-4124S", VnModelFamily::RQ4124S}, {"RQ4124S", VnModelFamily::RQ4124S},
    {"RQ-4024T", VnModelFamily::RQ4024T}, {"RQ4024T", VnModelFamily::RQ4024T},
    {"RQ-4024S", VnModelFamily::RQ4024S}, {"RQ-4024S*", VnModelFamily::RQ4024S},
    {"RQ4024S", VnModelFamily::RQ4024S},  {"RQ-6050S", VnModelFamily::RQ6050S},
    {"RQ6050S", VnModelFamily::RQ6050S},  {"RQ-6026R", VnModelFamily::RQ6026S},
    {"RQ6026S", VnModelFamily::RQ6026S},  {"RQ-6026S", VnModelFamily::RQ6026S},
};

} // namespace

VnModelFamily VnFamilyForModel(std::string_view model)
{
    for (const auto& [text, family] : kFamilies) {
        if (text == model)
            return family;
    }
    return VnModelFamily::None;
}

int PortsPerUnitForModel(std::string_view model)
{
    switch (VnFamilyForModel(model)) {
    case VnModelFamily::RQ4124S:
    case VnModelFamily::RQ4024T:
    case VnModelFamily::RQ4024S:
        return 24;
    case VnModelFamily::RQ6050S:
        return 50;
    case VnModelFamily::RQ6026S:
        return 26;
    case VnModelFamily::None:
        break;
    }
    return 0;
}
