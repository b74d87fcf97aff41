#include "SnmpEngine.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <exception>

#include "NetSnmpLibrary.h"
#include "NetSnmpPdu.h"
#include "UsmUsers.h"

namespace {

constexpr std::size_t kMaxOpenChannels = 8;
// How long past the library's own last time-out a request may stay
// unanswered before it is ended here: the library then lost track of it.
constexpr auto kDeadlineSlack = std::chrono::milliseconds(1000);
constexpr int kMaxWaitMillis = 1000;

int LibraryCallback(int operation, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) noexcept
{
    try {
        if (magic)
            SnmpEngine::Instance().OnLibraryEvent(*static_cast<CallToken*>(magic), operation, pdu);
    } catch (...) {
        // Nothing may unwind through the C library; the request then ends
        // by its deadline.
    }
    return 1;
}

class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& flag_;
};

bool IsUsableAuth(int protocol)
{
    return protocol == kAuthProtocolMd5 || protocol == kAuthProtocolSha;
}

}  // namespace

SnmpEngine& SnmpEngine::Instance()
{
    // Lives until the process ends, like the session it serves: Net-SNMP
    // may call back into it while the program shuts down.
    static SnmpEngine* engine = new SnmpEngine;
    return *engine;
}

int SnmpEngine::Prepare(int command, const Pdu& pdu, const SnmpTarget& target, ChannelSettings& settings)
{
    if (!target.valid())
        return SnmpResult::InvalidAddress;
    const UdpAddress& address = target.address();
    settings.peer = "udp:" + address.ip().get_printable() + ":" + std::to_string(address.get_port());
    settings.timeoutMicros = static_cast<long>(std::min<unsigned long>(target.get_timeout(), 100000ul)) * 10000;
    settings.retries = target.get_retry();

    if (target.kind() == SnmpTarget::Kind::Community) {
        const auto& community = static_cast<const CTarget&>(target);
        if (target.get_version() == version1)
            settings.version = SNMP_VERSION_1;
        else if (target.get_version() == version2c)
            settings.version = SNMP_VERSION_2c;
        else
            return SnmpResult::InvalidTarget;
        settings.community = (command == kPduSet ? community.get_writecommunity() : community.get_readcommunity()).str();
        return SnmpResult::Success;
    }

    const auto& user = static_cast<const UTarget&>(target);
    if (target.get_version() != version3)
        return SnmpResult::InvalidTarget;
    if (user.get_security_model() != kSecurityModelUsm)
        return SnmpResult::UnsupportedSecurityModel;
    settings.version = SNMP_VERSION_3;
    settings.securityName = user.get_security_name().str();
    settings.securityLevel = pdu.get_security_level();
    if (settings.securityLevel < kSecurityLevelNoAuthNoPriv || settings.securityLevel > kSecurityLevelAuthPriv)
        return SnmpResult::UsmUnsupportedSecurityLevel;

    const UsmUser registered = FindUsmUser(settings.securityName);
    const bool needAuth = settings.securityLevel >= kSecurityLevelAuthNoPriv;
    const bool needPriv = settings.securityLevel == kSecurityLevelAuthPriv;
    if (needAuth && (registered.authProtocol < kAuthProtocolNone || registered.authProtocol > kAuthProtocolSha))
        return SnmpResult::UsmUnsupportedAuthProtocol;
    if (needAuth && !IsUsableAuth(registered.authProtocol))
        return SnmpResult::UsmUnsupportedSecurityLevel;
    if (needPriv && registered.privProtocol != kPrivProtocolNone && registered.privProtocol != kPrivProtocolDes)
        return SnmpResult::UsmUnsupportedPrivProtocol;
    if (needPriv && registered.privProtocol != kPrivProtocolDes)
        return SnmpResult::UsmUnsupportedSecurityLevel;

    // The user's keys go into every session of the user, whatever the
    // level, so that the user Net-SNMP makes from the first session to be
    // discovered serves the others too.
    if (!IsUsableAuth(registered.authProtocol))
        return SnmpResult::Success;
    settings.authProtocol = registered.authProtocol;
    if (!UsmPasswordKey(registered.authProtocol, registered.authPassword, settings.authKey)) {
        if (needAuth)
            return SnmpResult::Error;
        settings.authKey.clear();
        settings.authProtocol = kAuthProtocolNone;
        return SnmpResult::Success;
    }
    if (registered.privProtocol != kPrivProtocolDes)
        return SnmpResult::Success;
    settings.privProtocol = kPrivProtocolDes;
    if (!UsmPasswordKey(registered.authProtocol, registered.privPassword, settings.privKey)) {
        if (needPriv)
            return SnmpResult::Error;
        settings.privKey.clear();
        settings.privProtocol = kPrivProtocolNone;
    }
    return SnmpResult::Success;
}

void SnmpEngine::ForgetStaleKeys(const ChannelSettings& settings)
{
    const std::string fingerprint = settings.KeyFingerprint();
    const auto known = userKeys_.find(settings.securityName);
    if (known != userKeys_.end() && known->second == fingerprint)
        return;
    // Net-SNMP keeps users process-wide by (engine ID, name) and would
    // silently go on with the old keys: drop them, and the sessions made
    // with them.
    PurgeNetSnmpUser(settings.securityName);
    for (auto it = channels_.begin(); it != channels_.end();) {
        const ChannelSettings& other = it->second->settings();
        if (other.IsV3() && other.securityName == settings.securityName) {
            it->second->retired = true;
            retired_.push_back(std::move(it->second));
            it = channels_.erase(it);
        } else {
            ++it;
        }
    }
    userKeys_[settings.securityName] = fingerprint;
}

void SnmpEngine::EvictIdleChannel()
{
    if (channels_.size() < kMaxOpenChannels)
        return;
    auto oldest = channels_.end();
    for (auto it = channels_.begin(); it != channels_.end(); ++it) {
        const SnmpChannel& channel = *it->second;
        if (channel.liveCalls || !channel.waiting.empty())
            continue;
        if (oldest == channels_.end() || channel.lastUse < oldest->second->lastUse)
            oldest = it;
    }
    if (oldest != channels_.end())
        channels_.erase(oldest);
}

SnmpChannel* SnmpEngine::ChannelFor(const ChannelSettings& settings, int& result)
{
    const std::string key = settings.Key();
    if (const auto found = channels_.find(key); found != channels_.end()) {
        found->second->lastUse = ++useCounter_;
        return found->second.get();
    }
    if (settings.IsV3())
        ForgetStaleKeys(settings);
    std::unique_ptr<SnmpChannel> channel = SnmpChannel::Open(settings, result);
    if (!channel)
        return nullptr;
    EvictIdleChannel();
    channel->lastUse = ++useCounter_;
    SnmpChannel* opened = channel.get();
    channels_[key] = std::move(channel);
    return opened;
}

SnmpEngine::Call& SnmpEngine::AddCall(SnmpChannel& channel, Snmp* owner, int command, const Pdu& pdu,
                                      const SnmpTarget* target)
{
    auto call = std::make_unique<Call>();
    call->id = nextId_++;
    call->owner = owner;
    call->command = command;
    call->request = pdu;
    if (target)
        call->target = target->clone();
    call->channel = &channel;
    const auto perTry = std::chrono::microseconds(channel.settings().timeoutMicros);
    call->patience = perTry * (channel.settings().retries + 1) + kDeadlineSlack;
    ++channel.liveCalls;
    Call& added = *call;
    calls_[added.id] = std::move(call);
    if (activityHook_)
        activityHook_();
    return added;
}

SnmpEngine::Call* SnmpEngine::FindCall(CallId id)
{
    const auto found = calls_.find(id);
    return found == calls_.end() ? nullptr : found->second.get();
}

void SnmpEngine::EraseCall(CallId id)
{
    const auto found = calls_.find(id);
    if (found == calls_.end())
        return;
    SnmpChannel* channel = found->second->channel;
    if (channel) {
        --channel->liveCalls;
        std::erase(channel->waiting, id);
    }
    calls_.erase(found);
}

int SnmpEngine::Dispatch(Call& call)
{
    SnmpChannel& channel = *call.channel;
    switch (channel.discovery) {
    case SnmpChannel::Discovery::NotNeeded:
    case SnmpChannel::Discovery::Done:
        return SendNow(call);
    case SnmpChannel::Discovery::Running:
        channel.waiting.push_back(call.id);
        return SnmpResult::Success;
    case SnmpChannel::Discovery::Needed:
        break;
    }
    if (const int result = StartProbe(channel))
        return result;
    channel.waiting.push_back(call.id);
    return SnmpResult::Success;
}

int SnmpEngine::SendNow(Call& call)
{
    SnmpChannel& channel = *call.channel;
    int result = SnmpResult::Success;
    netsnmp_pdu* pdu = BuildNetSnmpPdu(call.command, call.request, result);
    if (!pdu)
        return result;
    if (channel.settings().IsV3())
        pdu->securityLevel = channel.session()->securityLevel;

    CallToken* token = channel.NewToken(call.id);
    sending_ = call.id;
    const int sent = snmp_sess_async_send(channel.handle(), pdu, LibraryCallback, token);
    sending_ = 0;
    if (!sent) {
        snmp_free_pdu(pdu);
        channel.DropToken(token);
        // The library may have told the callback why before it gave up.
        result = call.done ? call.reason : NetSnmpErrorResult(channel.session()->s_snmp_errno);
        call.done = false;
        return result == SnmpResult::Success || result == SnmpResult::Response ? SnmpResult::SendFailed : result;
    }
    call.sent = true;
    call.deadline = Clock::now() + call.patience;
    if (call.done && !call.blocking && !call.probe)
        ready_.push_back(call.id);
    return SnmpResult::Success;
}

int SnmpEngine::StartProbe(SnmpChannel& channel)
{
    Call& probe = AddCall(channel, nullptr, kPduGet, Pdu(), nullptr);
    probe.probe = true;
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    if (!pdu) {
        EraseCall(probe.id);
        return SnmpResult::ResourceUnavailable;
    }
    // No bindings, no user, no authentication: the agent answers with an
    // unknownEngineIDs Report that carries its engine ID.
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = static_cast<char*>(std::calloc(1, 1));
    pdu->securityNameLen = 0;

    CallToken* token = channel.NewToken(probe.id);
    sending_ = probe.id;
    const int sent = snmp_sess_async_send(channel.handle(), pdu, LibraryCallback, token);
    sending_ = 0;
    if (!sent) {
        snmp_free_pdu(pdu);
        channel.DropToken(token);
        const int result = NetSnmpErrorResult(channel.session()->s_snmp_errno);
        EraseCall(probe.id);
        return result == SnmpResult::Error ? SnmpResult::SendFailed : result;
    }
    probe.sent = true;
    probe.deadline = Clock::now() + probe.patience;
    channel.discovery = SnmpChannel::Discovery::Running;
    channel.probeCallId = probe.id;
    return SnmpResult::Success;
}

void SnmpEngine::Complete(Call& call, int reason, const Pdu* response)
{
    call.done = true;
    call.reason = reason;
    if (reason == SnmpResult::Response && response) {
        call.response = *response;
    } else {
        call.response = response ? *response : Pdu();
        call.response.set_error_status(reason);
        call.response.set_error_index(0);
    }
    call.response.set_request_id(call.id);
    call.response.set_resent(call.resent);
    if (call.blocking || call.probe || call.id == sending_)
        return;
    ready_.push_back(call.id);
}

void SnmpEngine::Extend(Call& call)
{
    call.deadline = std::max(call.deadline, Clock::now() + call.patience);
}

void SnmpEngine::OnLibraryEvent(CallToken& token, int operation, snmp_pdu* pdu)
{
    SnmpChannel& channel = *token.channel;
    if (channel.closing())
        return;
    Call* call = FindCall(token.callId);
    const bool open = call && !call->done;
    const bool report = pdu && pdu->command == SNMP_MSG_REPORT;

    switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
        if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && !report) {
            token.retired = true;
            if (open && pdu) {
                Pdu response;
                ReadNetSnmpPdu(*pdu, response);
                Complete(*call, SnmpResult::Response, &response);
            }
            return;
        }
        const int result = report ? ReportResult(pdu) : NetSnmpErrorResult(channel.session()->s_snmp_errno);
        if (result == SnmpResult::UsmNotInTimeWindow) {
            // The library resends at once while retries remain; this only
            // stands if nothing else arrives.
            if (open) {
                call->tentative = result;
                Extend(*call);
            }
            return;
        }
        if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE)
            token.retired = true;
        if (result == SnmpResult::UsmUnknownEngineId && call && !call->probe)
            channel.retired = true;  // the agent's engine changed: rediscover
        if (open) {
            Pdu received;
            if (pdu)
                ReadNetSnmpPdu(*pdu, received);
            Complete(*call, result, &received);
        }
        return;
    }
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        token.retired = true;
        // A silent SNMPv3 agent may have restarted with a new engine ID
        // or boot count: the next request rediscovers on a fresh session.
        if (channel.settings().IsV3())
            channel.retired = true;
        if (open)
            Complete(*call, SnmpResult::Timeout, nullptr);
        return;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        if (open)
            Complete(*call, SnmpResult::SendFailed, nullptr);
        return;
    case NETSNMP_CALLBACK_OP_RESEND:
        if (open) {
            // A copy the agent turned away as out of its time window was
            // not carried out; any other copy may have been.
            call->resent = call->resent || call->tentative == 0;
            call->tentative = 0;
            Extend(*call);
        }
        return;
    default:
        return;
    }
}

std::vector<SnmpChannel*> SnmpEngine::AllChannels() const
{
    std::vector<SnmpChannel*> all;
    for (const auto& [key, channel] : channels_)
        all.push_back(channel.get());
    for (const auto& channel : retired_)
        all.push_back(channel.get());
    return all;
}

void SnmpEngine::ReadAndTimeOut(const std::vector<SnmpChannel*>& channels)
{
    for (SnmpChannel* channel : channels)
        channel->ReadWaiting();
    for (SnmpChannel* channel : channels)
        channel->HandleTimeouts();
}

void SnmpEngine::FinishDiscovery(SnmpChannel& channel)
{
    const Call* probe = FindCall(channel.probeCallId);
    const int reason = probe ? probe->reason : SnmpResult::Error;
    EraseCall(channel.probeCallId);
    channel.probeCallId = 0;
    const std::vector<CallId> waiting = std::move(channel.waiting);
    channel.waiting.clear();

    if (channel.session()->securityEngineIDLen > 0) {
        usm_create_user_from_session(channel.session());
        channel.discovery = SnmpChannel::Discovery::Done;
        for (CallId id : waiting) {
            Call* call = FindCall(id);
            if (!call || call->done)
                continue;
            if (const int result = SendNow(*call))
                Complete(*call, result, nullptr);
        }
        return;
    }
    channel.discovery = SnmpChannel::Discovery::Needed;
    const bool explained = reason != SnmpResult::Response && reason != SnmpResult::UsmUnknownEngineId;
    const int failure = explained ? reason : SnmpResult::Error;
    for (CallId id : waiting) {
        if (Call* call = FindCall(id); call && !call->done)
            Complete(*call, failure, nullptr);
    }
}

void SnmpEngine::CheckDeadlines()
{
    const Clock::time_point now = Clock::now();
    for (auto& [id, call] : calls_) {
        if (call->done || !call->sent || call->deadline > now)
            continue;
        Complete(*call, call->tentative ? call->tentative : SnmpResult::Timeout, nullptr);
    }
}

void SnmpEngine::Settle()
{
    for (SnmpChannel* channel : AllChannels()) {
        if (channel->discovery != SnmpChannel::Discovery::Running)
            continue;
        const Call* probe = FindCall(channel->probeCallId);
        if (!probe || probe->done)
            FinishDiscovery(*channel);
    }
    CheckDeadlines();
    for (auto it = channels_.begin(); it != channels_.end();) {
        if (it->second->retired) {
            retired_.push_back(std::move(it->second));
            it = channels_.erase(it);
        } else {
            ++it;
        }
    }
    std::erase_if(retired_, [](const std::unique_ptr<SnmpChannel>& channel) {
        return channel->liveCalls == 0 && channel->waiting.empty();
    });
    for (SnmpChannel* channel : AllChannels())
        channel->SweepTokens();
}

void SnmpEngine::DeliverReady()
{
    kickPosted_ = false;
    while (!ready_.empty()) {
        const CallId id = ready_.front();
        ready_.pop_front();
        const auto found = calls_.find(id);
        if (found == calls_.end())
            continue;
        std::unique_ptr<Call> call = std::move(found->second);
        calls_.erase(found);
        if (call->channel)
            --call->channel->liveCalls;
        if (!call->completion)
            continue;
        try {
            call->completion(call->reason, call->owner, call->response, *call->target);
        } catch (const std::exception& e) {
            qWarning("SNMP callback failed: %s", e.what());
        } catch (...) {
            qWarning("SNMP callback failed");
        }
    }
    if (activityHook_)
        activityHook_();
}

void SnmpEngine::KickDelivery()
{
    if (ready_.empty() || kickPosted_ || !QCoreApplication::instance())
        return;
    kickPosted_ = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { SNMPProcessPendingEvents(); }, Qt::QueuedConnection);
}

void SnmpEngine::ReadPendingEvents()
{
    if (inEngine_)
        return;
    Flag busy(inEngine_);
    ReadAndTimeOut(AllChannels());
    Settle();
}

void SnmpEngine::ProcessPendingEvents()
{
    ReadPendingEvents();
    DeliverReady();
}

SnmpChannel* SnmpEngine::ChannelForRequest(int command, const Pdu& pdu, const SnmpTarget& target,
                                           int& result)
{
    EnsureNetSnmpLibrary();
    ChannelSettings settings;
    result = Prepare(command, pdu, target, settings);
    if (result)
        return nullptr;
    return ChannelFor(settings, result);
}

int SnmpEngine::Start(Snmp* owner, int command, Pdu& pdu, const SnmpTarget& target, Snmp::Completion completion)
{
    if (!completion)
        return SnmpResult::InvalidCallback;
    int result = SnmpResult::Success;
    SnmpChannel* channel = ChannelForRequest(command, pdu, target, result);
    if (!channel)
        return result;
    Call& call = AddCall(*channel, owner, command, pdu, &target);
    call.completion = std::move(completion);
    const CallId id = call.id;
    if ((result = Dispatch(call))) {
        std::erase(ready_, id);
        EraseCall(id);
        return result;
    }
    pdu.set_request_id(static_cast<unsigned long>(id));
    KickDelivery();
    return SnmpResult::Success;
}

int SnmpEngine::Run(int command, Pdu& pdu, const SnmpTarget& target)
{
    if (inEngine_)
        return SnmpResult::Error;
    int result = SnmpResult::Success;
    SnmpChannel* channel = ChannelForRequest(command, pdu, target, result);
    if (!channel)
        return result;
    Call& added = AddCall(*channel, nullptr, command, pdu, &target);
    added.blocking = true;
    const CallId id = added.id;
    if ((result = Dispatch(added))) {
        EraseCall(id);
        return result;
    }

    {
        Flag busy(inEngine_);
        for (Call* call = FindCall(id); call && !call->done; call = FindCall(id)) {
            int wait = kMaxWaitMillis;
            const int library = channel->MillisToNextTimeout();
            if (library >= 0)
                wait = std::min(wait, library);
            const Call* watched = channel->discovery == SnmpChannel::Discovery::Running
                                      ? FindCall(channel->probeCallId)
                                      : call;
            if (watched && watched->sent) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(watched->deadline - Clock::now());
                wait = std::clamp<int>(static_cast<int>(std::min<long long>(left.count(), wait)), 0, wait);
            }
            if (channel->Readable(wait))
                channel->ReadWaiting();
            channel->HandleTimeouts();
            Settle();
        }
    }

    Call* call = FindCall(id);
    if (!call)
        return SnmpResult::Error;
    const int reason = call->reason;
    if (reason == SnmpResult::Response) {
        pdu.set_vbs(call->response.vbs());
        pdu.set_error_status(call->response.get_error_status());
        pdu.set_error_index(call->response.get_error_index());
        pdu.set_type(call->response.get_type());
        pdu.set_resent(call->response.was_resent());
        pdu.set_unchecked(call->response.unchecked());
        result = call->response.get_error_status();
    } else {
        pdu.set_unchecked(false);
        result = reason;
    }
    EraseCall(id);
    KickDelivery();
    return result;
}

bool SnmpEngine::Cancel(unsigned long requestId)
{
    Call* call = FindCall(requestId);
    if (!call || call->probe || call->blocking)
        return false;
    std::erase(ready_, call->id);
    EraseCall(call->id);
    return true;
}

void SnmpEngine::AbandonOwner(Snmp* owner)
{
    std::vector<std::unique_ptr<Call>> dropped;
    for (auto it = calls_.begin(); it != calls_.end();) {
        Call& call = *it->second;
        if (call.owner != owner || call.probe || call.blocking) {
            ++it;
            continue;
        }
        if (call.channel) {
            --call.channel->liveCalls;
            std::erase(call.channel->waiting, call.id);
        }
        std::erase(ready_, call.id);
        dropped.push_back(std::move(it->second));
        it = calls_.erase(it);
    }
    for (auto& call : dropped) {
        Pdu pdu;
        pdu.set_error_status(SnmpResult::SessionDestroyed);
        pdu.set_request_id(call->id);
        try {
            call->completion(SnmpResult::SessionDestroyed, owner, pdu, *call->target);
        } catch (...) {
            qWarning("SNMP callback failed while its session closed");
        }
    }
}

int SnmpEngine::Outstanding(const Snmp* owner) const
{
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [owner](const auto& entry) {
        const Call& call = *entry.second;
        return call.owner == owner && !call.probe && !call.blocking;
    }));
}
