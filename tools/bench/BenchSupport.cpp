#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "VnException.h"
#include "VnSNMPRequest.h"

namespace bench {

int StartSwitch(QProcess& sim, const QStringList& dataFiles)
{
    const QString data = QStringLiteral(VN_SIMSWITCH_DATA_DIR);
    QStringList args{data + "/default.sim"};
    for (const QString& file : dataFiles)
        args << (QFileInfo(file).isAbsolute() ? file : data + "/" + file);
    sim.start(QStringLiteral(VN_SIMSWITCH_PROGRAM), args);
    if (!sim.waitForStarted(5000))
        return 0;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains('\n') && clock.elapsed() < 20000) {
        sim.waitForReadyRead(200);
        out += sim.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (!line.startsWith("port "))
        return 0;
    return line.mid(5).toInt();
}

void StopSwitch(QProcess& sim)
{
    sim.terminate();
    sim.waitForFinished(5000);
}

int ModuleWalk(const VnSNMPVarList& list, int port, qint64& elapsedMs)
{
    VnSNMPRequest request;
    request.varList = list;
    request.device.address = "127.0.0.1";
    request.device.port = static_cast<std::uint16_t>(port);
    request.security.version = 1;
    request.security.readCommunity = kReadCommunity;

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
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    elapsedMs = clock.elapsed();
    return failed ? -1 : rows;
}

double Rate(int rows, qint64 ms)
{
    return rows * 1000.0 / static_cast<double>(std::max<qint64>(ms, 1));
}

} // namespace bench
