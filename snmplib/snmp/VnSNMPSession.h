#pragma once
// The process-wide SNMP session, its start-up, and the event timer that
// hands arrived replies and time-outs to the waiting requests.
#include <string>

#include <QPointer>
#include <QTimer>

class Snmp;

// Null until StartSession has made it; it then holds the session even when
// the session reported a failure. Never deleted.
extern Snmp* VnGlobalSession;
inline Snmp* VnSNMPSession() { return VnGlobalSession; }

inline constexpr const char* kVnEngineId = "VnSNMP_PP_Application";
inline constexpr const char* kVnBootCounterFile = "VnSNMP_PP_BootCounter";
inline constexpr int kVnEventInterval = 20;  // milliseconds

// Makes the session, loads and advances the SNMPv3 engine-boots counter in
// `folder` (empty: the current directory), initialises SNMPv3 message
// processing, writes the default target settings and starts the event
// timer. Raises VnException -506, -507 or -508; the steps after a failing
// one do not run.
void StartSession(const std::string& folder);

// Owns the 20 ms event timer (created disabled). Once started, the timer
// ticks while a request is under way and rests while none is, so an idle
// program does not wake 50 times a second; replies also arrive through the
// channels' socket notifiers.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor() = default;
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    // Started and not stopped since.
    bool IsActive() const { return enabled_; }
    // The timer itself runs now.
    bool IsTicking() const { return timer_ && timer_->isActive(); }
    // Reads arrived replies and handles time-outs with the timer off, then
    // re-arms the timer before the finished requests' callbacks run.
    void OnTimer();

private:
    // Runs the timer while started and something is pending.
    void Sync();

    QPointer<QTimer> timer_;
    bool enabled_ = false;
};

extern _SnmpEventProcessor VnEventProcessor;
