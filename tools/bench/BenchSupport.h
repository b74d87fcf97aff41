#pragma once
// What the benchmarks share: the simulated switch started on a free
// loopback port, and the module's own asynchronous walk of a table, as a
// binder drives it (the next get-next sent from the completion).
#include <QProcess>
#include <QString>
#include <QStringList>

#include "VnSNMPVarList.h"

namespace bench {

inline constexpr const char* kReadCommunity = "qorvel";
inline constexpr const char* kWriteCommunity = "tamisko";

// Starts the switch with default.sim and then `dataFiles` (paths, or
// names in tools/simswitch/data); the port, or 0 when it does not come up.
int StartSwitch(QProcess& sim, const QStringList& dataFiles);
void StopSwitch(QProcess& sim);

// One walk of `list` on the switch at `port` (SNMPv2c); the number of rows
// read, -1 on failure (the reason on stderr).
int ModuleWalk(const VnSNMPVarList& list, int port, qint64& elapsedMs);

double Rate(int rows, qint64 ms);

} // namespace bench
