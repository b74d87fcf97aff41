// speedbench: where users wait, measured against a reference of the same
// run. Not a test: run it by hand (any Qt platform; offscreen without a
// display).
//  1. A table editor (the MIB capabilities editor the menu opens) over
//     8000 rows: the time from opening it until every row is in the list
//     and painted, beside the module's raw walk of the same rows; the
//     ratio should be at most 2. The same at 2000 rows shows whether the
//     editor's time grows linearly with the rows.
//  2. The main window over a three-unit stack left alone: the share of one
//     core it uses (CPU time / wall time) and how often it goes to sleep
//     and wakes (voluntary context switches).
// "speedbench editor" or "speedbench idle [seconds]" runs one part only.
// Exits 1 when the editor takes more than twice the raw walk.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchSupport.h"
#include "SwitchMib.h"
#include "TConfigForm.h"
#include "TListViewPanel.h"
#include "TMainForm.h"
#include "TSNMPListViewPanel.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPRequest2Leds.h"
#include "VnSNMPSession.h"

namespace {

constexpr int kRuns = 5;
constexpr double kAllowedRatio = 2.0;
constexpr int kIdleSeconds = 10;  // unless given after "idle"

struct TableTimes {
    int rows = 0;
    qint64 walkMs = 0;    // best raw walk
    qint64 editorMs = 0;  // best editor
};

// Opens the editor as the menu command does and waits until its walk has
// ended and what the walk left for the event loop (layout, painting) is
// done. The number of rows shown, -1 on failure.
int EditorRun(int port, qint64& elapsedMs)
{
    QElapsedTimer clock;
    clock.start();
    auto form = std::make_unique<TConfigForm>();
    auto binder = std::make_unique<VnSNMPRequest2Edits>(form.get());
    binder->request.varList = VnSNMPVarList(MibCapabilitiesTable, MVT_FMV, 1);
    binder->request.device.address = "127.0.0.1";
    binder->request.device.port = static_cast<std::uint16_t>(port);
    binder->request.security.version = 1;
    binder->request.security.readCommunity = bench::kReadCommunity;
    binder->request.security.writeCommunity = bench::kWriteCommunity;
    VnSNMPRequest2Edits* walker = binder.get();
    TSNMPListViewPanel* panel = form->SetListViewPanel(std::move(binder), -1, nullptr, -1, nullptr);
    form->setWindowTitle("Mib Capabilities: 127.0.0.1");
    form->resize(form->width(), 450);

    QEventLoop loop;
    bool failed = false;
    walker->OnRefreshDone = [&](VnSNMPRequest2Controls&, const VnSNMPError& result) {
        failed = result.code != 0;
        if (failed)
            std::fprintf(stderr, "editor walk failed: %s\n", result.text.c_str());
        loop.quit();
    };
    QTimer::singleShot(300000, &loop, [&] {
        std::fprintf(stderr, "the editor's walk did not end\n");
        failed = true;
        loop.quit();
    });
    form->show();
    loop.exec();
    // Ready: the last rows laid out and painted, the columns fitted to
    // them and the form grown to show them.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
    elapsedMs = clock.elapsed();
    const int rows = panel->ListViewPanel->ListView->topLevelItemCount();
    form->close();
    return failed ? -1 : rows;
}

// Best of kRuns each, raw walk and editor taking turns, on a switch
// serving `dataFile`.
bool MeasureTable(const QString& dataFile, int rows, TableTimes& times)
{
    QProcess sim;
    const int port = bench::StartSwitch(sim, {dataFile});
    if (port == 0) {
        std::fprintf(stderr, "the simulated switch did not start\n");
        return false;
    }
    times = {rows, 0, 0};
    const VnSNMPVarList list(MibCapabilitiesTable, MVT_FMV, 1);
    for (int run = 0; run <= kRuns; ++run) {
        qint64 walkMs = 0;
        qint64 editorMs = 0;
        const int walked = bench::ModuleWalk(list, port, walkMs);
        const int shown = EditorRun(port, editorMs);
        if (walked != rows || shown != rows) {
            std::fprintf(stderr, "%s: the walk read %d rows, the editor showed %d\n", qPrintable(dataFile),
                         walked, shown);
            bench::StopSwitch(sim);
            return false;
        }
        if (run == 0)
            continue;  // warming up
        times.walkMs = run == 1 ? walkMs : std::min(times.walkMs, walkMs);
        times.editorMs = run == 1 ? editorMs : std::min(times.editorMs, editorMs);
    }
    bench::StopSwitch(sim);
    return true;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long Wakeups()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WriteFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The main window as the host starts it over a three-unit stack, left
// alone for `idleSeconds` once every panel has been polled.
bool MeasureIdle(const QString& folder, int idleSeconds, double& coreShare, double& wakeupsPerSecond)
{
    QProcess sim;
    const int port = bench::StartSwitch(sim, {"benchstack.sim"});
    if (port == 0) {
        std::fprintf(stderr, "the simulated switch did not start\n");
        return false;
    }
    const QString registry = folder + "/registry.ini";
    const bool written =
        WriteFile(registry, "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=" + folder.toUtf8() + "/\n") &&
        WriteFile(folder + "/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + QByteArray::number(port) +
                                                 "\nVersion=1\nSecurityModel=3\nSecurityLevel=0\n"
                                                 "AuthProtocol=0\nPrivProtocol=0\n");
    if (!written) {
        std::fprintf(stderr, "cannot write the host's files in %s\n", qPrintable(folder));
        bench::StopSwitch(sim);
        return false;
    }
    setenv("VN_REGISTRY_FILE", registry.toLocal8Bit().constData(), 1);
    VnMessageBoxCapture boxes;
    bool ok = false;
    {
        TMainForm form({"/I127.0.0.1", "/Rqorvel", "/Wtamisko"});
        form.SetConfirmClose(false);
        form.show();
        QElapsedTimer clock;
        clock.start();
        auto polled = [&] {
            for (TPanelForm* panel : form.UnitPanels + form.ModulePanels) {
                if (!panel->LedBinder() || panel->LedBinder()->Busy())
                    return false;
            }
            return true;
        };
        while (!polled() && clock.elapsed() < 10000)
            RunEvents(20);
        const auto units = form.UnitPanels.size();
        if (units != 3 || !boxes.Shown().empty()) {
            std::fprintf(stderr, "the main window shows %d units and %d message boxes\n", static_cast<int>(units),
                         static_cast<int>(boxes.Shown().size()));
        } else {
            RunEvents(1000);  // the first blinking is over
            const double cpu = CpuSeconds();
            const long wakeups = Wakeups();
            QElapsedTimer wall;
            wall.start();
            RunEvents(idleSeconds * 1000);
            const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
            coreShare = (CpuSeconds() - cpu) / seconds;
            wakeupsPerSecond = static_cast<double>(Wakeups() - wakeups) / seconds;
            ok = true;
        }
    }
    bench::StopSwitch(sim);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir state;
    // The session keeps its boot counter in the current folder.
    if (!state.isValid() || !QDir::setCurrent(state.path()))
        return 2;
    try {
        StartSession(state.path().toStdString());
    } catch (const VnException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }

    const QString part = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::printf("Qt platform:                %s\n", qPrintable(QGuiApplication::platformName()));
    double ratio = 0;
    if (part.isEmpty() || part == "editor") {
        TableTimes small;
        TableTimes large;
        if (!MeasureTable("benchcaps2000.sim", 2000, small) || !MeasureTable("benchcaps8000.sim", 8000, large))
            return 2;
        ratio = static_cast<double>(large.editorMs) / static_cast<double>(std::max<qint64>(large.walkMs, 1));
        const double growth =
            static_cast<double>(large.editorMs) / static_cast<double>(std::max<qint64>(small.editorMs, 1));
        const double walkGrowth =
            static_cast<double>(large.walkMs) / static_cast<double>(std::max<qint64>(small.walkMs, 1));
        for (const TableTimes& t : {small, large}) {
            std::printf("%5d rows: raw walk %6lld ms (%6.0f rows/s), editor %6lld ms (%6.0f rows/s), ratio %.2f\n",
                        t.rows, static_cast<long long>(t.walkMs), bench::Rate(t.rows, t.walkMs),
                        static_cast<long long>(t.editorMs), bench::Rate(t.rows, t.editorMs),
                        static_cast<double>(t.editorMs) / static_cast<double>(std::max<qint64>(t.walkMs, 1)));
        }
        std::printf("editor / raw walk at 8000:  %6.2f (allowed <= %.1f)\n", ratio, kAllowedRatio);
        std::printf("8000 / 2000 rows:           editor %.2f, raw walk %.2f (linear: 4)\n", growth, walkGrowth);
    }
    if (part.isEmpty() || part == "idle") {
        const int seconds = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : kIdleSeconds;
        double coreShare = 0;
        double wakeups = 0;
        if (!MeasureIdle(state.path(), seconds, coreShare, wakeups))
            return 2;
        std::printf("idle main window, 3 units:  %6.3f %% of one core, %.1f wake-ups/s (%d s)\n",
                    coreShare * 100.0, wakeups, seconds);
    }
    return ratio <= kAllowedRatio ? 0 : 1;
}
