// One QApplication for the whole widget test program.
#include "QtAppEnvironment.h"

#include <QApplication>

namespace {

[[maybe_unused]] const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QApplication>("test_dialogs_ports"));

} // namespace
