#pragma once
// The process-wide machinery behind Snmp: the open channels, the requests
// under way, and the queue of finished requests whose callbacks are due.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Snmp.h"
#include "SnmpChannel.h"

struct snmp_pdu;

class SnmpEngine {
public:
    static SnmpEngine& Instance();

    // An asynchronous request; see Snmp.
    int Start(Snmp* owner, int command, Pdu& pdu, const SnmpTarget& target, Snmp::Completion completion);
    // A blocking request; see Snmp.
    int Run(int command, Pdu& pdu, const SnmpTarget& target);
    bool Cancel(unsigned long requestId);
    // Ends the owner's requests with SnmpResult::SessionDestroyed.
    void AbandonOwner(Snmp* owner);
    int Outstanding(const Snmp* owner) const;
    void ProcessPendingEvents();
    void ReadPendingEvents();
    void DeliverReady();

    // Net-SNMP's callback, through the request's token.
    void OnLibraryEvent(CallToken& token, int operation, snmp_pdu* pdu);

    // Whether anything is left for the event processing: requests under
    // way, callbacks due, or channels waiting to be closed.
    bool HasWork() const { return !calls_.empty() || !ready_.empty() || !retired_.empty(); }
    // Called whenever a request is added, and after the callbacks due
    // have run.
    void SetActivityHook(std::function<void()> hook) { activityHook_ = std::move(hook); }

    std::size_t ChannelCount() const { return channels_.size() + retired_.size(); }
    std::size_t CallCount() const { return calls_.size(); }

private:
    using Clock = std::chrono::steady_clock;
    using CallId = std::uint64_t;

    struct Call {
        CallId id = 0;
        Snmp* owner = nullptr;
        bool probe = false;     // engine-ID discovery of a channel
        bool blocking = false;
        int command = 0;
        Pdu request;
        std::unique_ptr<SnmpTarget> target;
        Snmp::Completion completion;
        SnmpChannel* channel = nullptr;
        bool sent = false;
        bool done = false;
        bool resent = false;    // the library sent it again before an answer came
        int tentative = 0;      // a Report's result that stands unless the library retries
        int reason = 0;
        Pdu response;
        Clock::duration patience{};
        Clock::time_point deadline = Clock::time_point::max();
    };

    SnmpEngine() = default;

    int Prepare(int command, const Pdu& pdu, const SnmpTarget& target, ChannelSettings& settings);
    SnmpChannel* ChannelFor(const ChannelSettings& settings, int& result);
    // The library set up, the request checked and its channel found or opened;
    // null with `result` set when any of it fails.
    SnmpChannel* ChannelForRequest(int command, const Pdu& pdu, const SnmpTarget& target, int& result);
    void ForgetStaleKeys(const ChannelSettings& settings);
    void EvictIdleChannel();
    Call& AddCall(SnmpChannel& channel, Snmp* owner, int command, const Pdu& pdu, const SnmpTarget* target);
    void EraseCall(CallId id);
    Call* FindCall(CallId id);
    int Dispatch(Call& call);
    int SendNow(Call& call);
    int StartProbe(SnmpChannel& channel);
    void Complete(Call& call, int reason, const Pdu* response);
    void Extend(Call& call);

    std::vector<SnmpChannel*> AllChannels() const;
    void ReadAndTimeOut(const std::vector<SnmpChannel*>& channels);
    void Settle();
    void FinishDiscovery(SnmpChannel& channel);
    void CheckDeadlines();
    void KickDelivery();

    std::map<std::string, std::unique_ptr<SnmpChannel>> channels_;  // by settings key
    std::vector<std::unique_ptr<SnmpChannel>> retired_;              // closed once idle
    std::unordered_map<CallId, std::unique_ptr<Call>> calls_;
    std::deque<CallId> ready_;
    std::map<std::string, std::string> userKeys_;  // security name -> key fingerprint in use
    CallId nextId_ = 1;
    CallId sending_ = 0;
    bool inEngine_ = false;
    bool kickPosted_ = false;
    std::uint64_t useCounter_ = 0;
    std::function<void()> activityHook_;
};
