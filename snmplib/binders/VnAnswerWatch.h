#pragma once
// Asks an agent now and then whether it answers again: one read of a copy
// of a request's variable list, at once and then every `intervalMs` while
// the reads time out, until one gets any reply. The request itself, its
// list and the controls bound to it are not touched meanwhile, so a form
// keeps what it shows while the agent is silent.
#include <QTimer>

#include <functional>
#include <memory>

class VnSNMPRequest;

class VnAnswerWatch {
public:
    explicit VnAnswerWatch(std::function<void()> answered);
    // Drops a read still on its way instead of waiting for it.
    ~VnAnswerWatch();
    VnAnswerWatch(const VnAnswerWatch&) = delete;
    VnAnswerWatch& operator=(const VnAnswerWatch&) = delete;

    // Watches the agent of `like` (its target, time-out and list as they
    // are now), the first read after `firstDelayMs`. Watching again starts
    // afresh.
    void Start(const VnSNMPRequest& like, int firstDelayMs, int intervalMs);
    // Ends the watch; a read on its way is dropped.
    void Stop();
    bool Watching() const { return watching_; }

private:
    void Ask();

    std::function<void()> answered_;
    QTimer timer_;
    std::unique_ptr<VnSNMPRequest> probe_;
    int intervalMs_ = 0;
    bool watching_ = false;
    bool asking_ = false;  // a read is on its way
    // Cleared by the destructor: a reply that comes while the probe is
    // waited for no longer reaches the watch.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
