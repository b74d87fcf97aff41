// walkbench: how fast a 1000-row, 4-column table of the simulated switch
// is walked by the module's request (asynchronous, the next get-next sent
// from the completion, as a binder drives it) and by snmpwalk (get-next
// only, one column after the other), in rows per second, and their ratio;
// then the module's walk of switches that send every reply twice (the copy
// right behind the reply, or just ahead of the next one), against its walk
// of the plain switch. Exits 1 when the module is slower than 0.8
// of snmpwalk, or when repeated replies slow its walk below 0.5 of the plain
// one.
#include "BenchSupport.h"
#include "VnException.h"
#include "VnSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace {

constexpr int kRows = 1000;
constexpr int kRuns = 5;
constexpr double kRequiredRatio = 0.8;
// A stale copy of each reply is dropped at once; what it costs is the
// datagram read and parsed, not a wait for the next timer tick.
constexpr double kRequiredRepeatRatio = 0.5;
constexpr const char* kTableOid = "1.3.6.1.4.1.88406.999.10.1";

const VnSNMPVarDesc kBenchTable[] = {
    {"1.3.6.1.4.1.88406.999.10.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.3", "Count", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.4", "Status", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// One snmpwalk of the table; the number of rows (varbinds / 4), -1 on failure.
int ToolWalk(int port, const QString& stateDir, qint64& elapsedMs)
{
    QProcess walk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", stateDir);
    env.insert("MIBS", "");
    env.insert("MIBDIRS", stateDir);
    walk.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    walk.start("snmpwalk", {"-v2c", "-c", "qorvel", "-On", "-Oq", QStringLiteral("127.0.0.1:%1").arg(port),
                            kTableOid});
    if (!walk.waitForFinished(60000) || walk.exitCode() != 0) {
        std::fprintf(stderr, "snmpwalk failed: %s\n", walk.readAllStandardError().constData());
        return -1;
    }
    elapsedMs = clock.elapsed();
    const int varbinds = static_cast<int>(walk.readAllStandardOutput().count('\n'));
    return varbinds / 4;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir state;
    if (!state.isValid())
        return 2;
    try {
        StartSession(state.path().toStdString());
    } catch (const VnException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    QProcess sim;
    const int port = bench::StartSwitch(sim, {"bench1000.sim"});
    // The same table on switches that answer every read twice: the copy
    // right behind the reply, or held back until just ahead of the next one.
    const QString nowFile = state.filePath("repeat-now.sim");
    const QString lateFile = state.filePath("repeat-late.sim");
    for (const auto& [path, line] : {std::pair{nowFile, "duplicate 1.3.6.1.4.1.88406.999.10 2 now\n"},
                                     std::pair{lateFile, "duplicate 1.3.6.1.4.1.88406.999.10 2 late\n"}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(line) < 0)
            return 2;
    }
    QProcess nowSim;
    QProcess lateSim;
    const int nowPort = bench::StartSwitch(nowSim, {"bench1000.sim", nowFile});
    const int latePort = bench::StartSwitch(lateSim, {"bench1000.sim", lateFile});
    if (port == 0 || nowPort == 0 || latePort == 0) {
        std::fprintf(stderr, "the simulated switch did not start\n");
        return 2;
    }

    // Best of several runs each, after one walk of each to warm up.
    double module = 0;
    double tool = 0;
    double repeatedNow = 0;
    double repeatedLate = 0;
    for (int run = 0; run <= kRuns; ++run) {
        qint64 ms = 0;
        const int rows = bench::ModuleWalk(VnSNMPVarList(kBenchTable, MVT_FMV, 1), port, ms);
        if (rows != kRows) {
            std::fprintf(stderr, "module walk read %d rows\n", rows);
            return 2;
        }
        if (run > 0)
            module = std::max(module, bench::Rate(rows, ms));
        const int toolRows = ToolWalk(port, state.path(), ms);
        if (toolRows != kRows) {
            std::fprintf(stderr, "snmpwalk read %d rows\n", toolRows);
            return 2;
        }
        if (run > 0)
            tool = std::max(tool, bench::Rate(toolRows, ms));
        for (auto [repeatPort, best] : {std::pair{nowPort, &repeatedNow}, std::pair{latePort, &repeatedLate}}) {
            const int repeatedRows = bench::ModuleWalk(VnSNMPVarList(kBenchTable, MVT_FMV, 1), repeatPort, ms);
            if (repeatedRows != kRows) {
                std::fprintf(stderr, "module walk of repeated replies read %d rows\n", repeatedRows);
                return 2;
            }
            if (run > 0)
                *best = std::max(*best, bench::Rate(repeatedRows, ms));
        }
    }
    bench::StopSwitch(sim);
    bench::StopSwitch(nowSim);
    bench::StopSwitch(lateSim);

    const double ratio = module / tool;
    const double nowRatio = repeatedNow / module;
    const double lateRatio = repeatedLate / module;
    std::printf("module walk:   %8.0f rows/s (1 get-next of 4 bindings per row)\n", module);
    std::printf("snmpwalk:      %8.0f rows/s (4 get-nexts of 1 binding per row)\n", tool);
    std::printf("ratio:         %8.2f (required >= %.1f)\n", ratio, kRequiredRatio);
    std::printf("replies twice: %8.0f rows/s (the module's walk, each copy right behind its reply)\n", repeatedNow);
    std::printf("ratio:         %8.2f of the module walk (required >= %.1f)\n", nowRatio, kRequiredRepeatRatio);
    std::printf("replies twice: %8.0f rows/s (the module's walk, each copy just ahead of the next reply)\n",
                repeatedLate);
    std::printf("ratio:         %8.2f of the module walk (required >= %.1f)\n", lateRatio, kRequiredRepeatRatio);
    const bool repeatsOk = nowRatio >= kRequiredRepeatRatio && lateRatio >= kRequiredRepeatRatio;
    return ratio >= kRequiredRatio && repeatsOk ? 0 : 1;
}
