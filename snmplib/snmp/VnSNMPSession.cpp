#include "VnSNMPSession.h"

#include <QCoreApplication>

#include "BootCounter.h"
#include "Snmp.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnPath.h"
#include "VnSNMPDefaults.h"

Snmp* VnGlobalSession = nullptr;
_SnmpEventProcessor VnEventProcessor;

namespace {

int sessionStatus = 0;

}  // namespace

void StartSession(const std::string& folder)
{
    if (!VnGlobalSession)
        VnGlobalSession = new Snmp(sessionStatus, 0);
    if (sessionStatus != 0)
        VnRaise(kVnErrSessionCreate);

    const OctetStr engineId(kVnEngineId);
    const std::string file = JoinPath(folder, kVnBootCounterFile);
    int boots = 0;
    if (getBootCounter(file, engineId, boots) < BootCounterResult::FileMissing)
        VnRaise(kVnErrBootCounterLoad);
    // The counter stays at its maximum once it gets there.
    if (boots < kMaxEngineBoots)
        ++boots;
    if (saveBootCounter(file, engineId, boots) != BootCounterResult::Ok)
        VnRaise(kVnErrBootCounterSave);
    mpInit(VnGlobalSession, engineId, boots);

    VnWriteDefaultSettings();
    VnEventProcessor.Start();
}

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    Stop();
    SnmpOnActivityChanged(nullptr);
    delete timer_.data();
}

void _SnmpEventProcessor::Start()
{
    if (!timer_) {
        // Owned by the application once there is one, so that it goes
        // before the event dispatcher does.
        timer_ = new QTimer(QCoreApplication::instance());
        timer_->setInterval(kVnEventInterval);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] { OnTimer(); });
        SnmpOnActivityChanged([this] { Sync(); });
    }
    enabled_ = true;
    Sync();
}

void _SnmpEventProcessor::Stop()
{
    enabled_ = false;
    if (timer_)
        timer_->stop();
}

void _SnmpEventProcessor::Sync()
{
    if (!timer_)
        return;
    if (!enabled_ || !SnmpHasPendingWork())
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
}

void _SnmpEventProcessor::OnTimer()
{
    if (timer_)
        timer_->stop();
    if (VnGlobalSession)
        SnmpReadPendingEvents();
    Sync();
    if (VnGlobalSession)
        SnmpDeliverCompletions();
}
