#include "VnAnswerWatch.h"

#include <algorithm>
#include <utility>

#include "VnMessages.h"
#include "VnSNMPRequest.h"

VnAnswerWatch::VnAnswerWatch(std::function<void()> answered) : answered_(std::move(answered))
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Ask(); });
}

VnAnswerWatch::~VnAnswerWatch()
{
    *alive_ = false;
    Stop();
}

void VnAnswerWatch::Start(const VnSNMPRequest& like, int firstDelayMs, int intervalMs)
{
    // A read still on its way may wait long (a silent agent): the new
    // watch asks at its own time.
    Stop();
    intervalMs_ = std::max(intervalMs, 0);
    watching_ = true;
    probe_ = std::make_unique<VnSNMPRequest>();
    probe_->device = like.device;
    probe_->scope = like.scope;
    probe_->security = like.security;
    probe_->timeout = like.timeout;
    probe_->retries = like.retries;
    probe_->getNextMode = like.getNextMode;
    probe_->varList = like.varList;
    timer_.start(std::max(firstDelayMs, 0));
}

void VnAnswerWatch::Stop()
{
    watching_ = false;
    timer_.stop();
    // A read on its way is dropped, not waited for: a closing form goes at
    // once, and a new watch starts afresh.
    if (probe_)
        probe_->Cancel();
    asking_ = false;
}

void VnAnswerWatch::Ask()
{
    if (!watching_ || asking_ || !probe_)
        return;
    asking_ = true;
    try {
        probe_->GetAsync(
            [this, alive = alive_](const VnSNMPError& result, VnSNMPVarList&) {
                if (!*alive)
                    return;
                asking_ = false;
                if (!watching_)
                    return;
                if (result.code == kVnErrTimeout) {
                    timer_.start(intervalMs_);
                    return;
                }
                watching_ = false;
                // Told from the event loop, not from inside the probe's
                // reply: the owner may end the watch, or itself.
                QMetaObject::invokeMethod(
                    &timer_,
                    [this, alive] {
                        if (!*alive)
                            return;
                        try {
                            answered_();
                        } catch (...) {
                            // The owner lands its own failures; nothing
                            // may leave a queued call.
                        }
                    },
                    Qt::QueuedConnection);
            },
            true);
    } catch (...) {
        // Not even sent: tried again later, as a read without an answer.
        asking_ = false;
        timer_.start(intervalMs_);
    }
}
