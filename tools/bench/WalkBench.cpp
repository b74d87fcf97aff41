// walkbench: how fast a 1000-row, 4-column table of the simulated switch
// is walked by the module's request (asynchronous, the next get-next sent
// from the completion, as a binder drives it) and by snmpwalk (get-next
// only, one column after the other), in rows per second, and their ratio.
// Exits 1 when the module is slower than 0.8 of snmpwalk.
#include "Snmp.h"
#include "VnException.h"
#include "VnSNMPRequest.h"
#include "VnSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kRows = 1000;
constexpr int kRuns = 5;
constexpr double kRequiredRatio = 0.8;
constexpr const char* kTableOid = "1.3.6.1.4.1.88406.999.10.1";

const VnSNMPVarDesc kBenchTable[] = {
    {"1.3.6.1.4.1.88406.999.10.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.3", "Count", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.4", "Status", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// Starts the switch on a free loopback port; 0 when it does not come up.
int StartSwitch(QProcess& sim)
{
    const QString data = QStringLiteral(VN_SIMSWITCH_DATA_DIR);
    sim.start(QStringLiteral(VN_SIMSWITCH_PROGRAM),
              {data + "/default.sim", data + "/bench1000.sim"});
    if (!sim.waitForStarted(5000))
        return 0;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains('\n') && clock.elapsed() < 10000) {
        sim.waitForReadyRead(200);
        out += sim.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (!line.startsWith("port "))
        return 0;
    return line.mid(5).toInt();
}

// One walk of the table; the number of rows read, -1 on failure.
int ModuleWalk(int port, qint64& elapsedMs)
{
    VnSNMPRequest request;
    request.varList = VnSNMPVarList(kBenchTable, MVT_FMV, 1);
    request.device.address = "127.0.0.1";
    request.device.port = static_cast<std::uint16_t>(port);
    request.security.version = 1;
    request.security.readCommunity = "qorvel";

    int rows = 0;
    bool failed = false;
    QEventLoop loop;
    VnSNMPCompletion step = [&](const VnSNMPError& result, VnSNMPVarList&) {
        if (result.code != 0 || result.endOfWalk) {
            failed = result.code != 0;
            if (failed)
                std::fprintf(stderr, "walk failed: %s\n", result.text.c_str());
            loop.quit();
            return;
        }
        ++rows;
        try {
            request.GetAsync(step, false);
        } catch (const VnException& e) {
            std::fprintf(stderr, "walk failed: %s\n", e.what());
            failed = true;
            loop.quit();
        }
    };
    QElapsedTimer clock;
    clock.start();
    request.GetAsync(step, true);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    elapsedMs = clock.elapsed();
    return failed ? -1 : rows;
}

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

double Rate(int rows, qint64 ms)
{
    return rows * 1000.0 / static_cast<double>(std::max<qint64>(ms, 1));
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
    const int port = StartSwitch(sim);
    if (port == 0) {
        std::fprintf(stderr, "the simulated switch did not start\n");
        return 2;
    }

    // Best of several runs each, after one walk of each to warm up.
    double module = 0;
    double tool = 0;
    for (int run = 0; run <= kRuns; ++run) {
        qint64 ms = 0;
        const int rows = ModuleWalk(port, ms);
        if (rows != kRows) {
            std::fprintf(stderr, "module walk read %d rows\n", rows);
            return 2;
        }
        if (run > 0)
            module = std::max(module, Rate(rows, ms));
        const int toolRows = ToolWalk(port, state.path(), ms);
        if (toolRows != kRows) {
            std::fprintf(stderr, "snmpwalk read %d rows\n", toolRows);
            return 2;
        }
        if (run > 0)
            tool = std::max(tool, Rate(toolRows, ms));
    }
    sim.terminate();
    sim.waitForFinished(5000);

    const double ratio = module / tool;
    std::printf("module walk:   %8.0f rows/s (1 get-next of 4 bindings per row)\n", module);
    std::printf("snmpwalk:      %8.0f rows/s (4 get-nexts of 1 binding per row)\n", tool);
    std::printf("ratio:         %8.2f (required >= %.1f)\n", ratio, kRequiredRatio);
    return ratio >= kRequiredRatio ? 0 : 1;
}
