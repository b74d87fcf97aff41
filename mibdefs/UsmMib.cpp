#include "UsmMib.h"

namespace {

const VnStrOption usmAuthProtocolOptions[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {nullptr, nullptr},
};

const VnStrOption usmPrivProtocolOptions[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {nullptr, nullptr},
};

}  // namespace

const VnOptionList UsmAuthProtocolList(usmAuthProtocolOptions, VnOptionKind::String);
const VnOptionList UsmPrivProtocolList(usmPrivProtocolOptions, VnOptionKind::String);
