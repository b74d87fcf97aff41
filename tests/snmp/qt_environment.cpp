// One QCoreApplication for the whole test program: the SNMP layer's
// timers and socket notifiers need an event dispatcher.
#include "QtAppEnvironment.h"

namespace {

[[maybe_unused]] const auto* const kCoreAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QCoreApplication>("test_snmp"));

}  // namespace
