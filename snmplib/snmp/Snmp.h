#pragma once
// The SNMP session: get, get-next and set, blocking or with a callback.
//
// Callbacks run only from SNMPProcessPendingEvents (the event timer, the
// socket notifiers, or a queued call right after a send), never inside a
// send or inside Net-SNMP. Each asynchronous request gets exactly one
// callback, unless it is cancelled first:
//   reason SnmpResult::Response (-6)  a response arrived; the PDU holds its
//                                     bindings, error status and index,
//                                     and whether its octets were checked;
//   reason SnmpResult::Timeout (-5)   no answer after the retries;
//   any other reason                  the failure's result number (a v3
//                                     Report, a failed send, ...); the
//                                     PDU's error status holds it as well;
//   SnmpResult::SessionDestroyed (-8) the Snmp object was destroyed first.
#include <cstdint>
#include <functional>

#include "OctetStr.h"
#include "Pdu.h"
#include "Target.h"

class Snmp;

using SnmpCallback = void (*)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);

class Snmp {
public:
    using Completion = std::function<void(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target)>;

    // `status` is 0, or a result number when no session can be made. Only
    // local port 0 (any port) is supported.
    Snmp(int& status, std::uint16_t localPort = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    // Blocking: the result is 0, the response's error status (1..18) when
    // the agent answered with one, or a failure's result number. On an
    // answer, `pdu` holds the response.
    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    // Asynchronous: 0 when the request is under way (its id is then in
    // pdu.get_request_id()), otherwise the failure's result number and no
    // callback follows.
    int get(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data);
    int get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data);
    int set(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data);
    int get(Pdu& pdu, const SnmpTarget& target, Completion completion);
    int get_next(Pdu& pdu, const SnmpTarget& target, Completion completion);
    int set(Pdu& pdu, const SnmpTarget& target, Completion completion);

    // Drops an asynchronous request: its callback will not run, whatever
    // arrives later. False when the id is not outstanding.
    bool cancel(unsigned long requestId);
    // Asynchronous requests of this session whose callback has not run.
    int outstanding() const;

private:
    int Send(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data);
};

// Reads arrived replies, handles resends and time-outs, then runs the
// callbacks of finished requests. Not re-entered: a call made while it is
// already reading returns at once.
void SNMPProcessPendingEvents();
// Its two halves, for a caller that must do something in between (the
// event timer re-arms itself before callbacks run, so that a callback
// waiting in a nested event loop still sees time-outs):
// reading and time-outs, which run no callback...
void SnmpReadPendingEvents();
// ...and the callbacks of the requests that have finished.
void SnmpDeliverCompletions();
// Whether a request is under way or something else is left for the event
// processing; when not, nothing needs it until the next request.
bool SnmpHasPendingWork();
// `hook` runs whenever a request is started (blocking ones too) and after
// the callbacks due have run, so that a timer can run exactly while
// something is pending. It must not raise.
void SnmpOnActivityChanged(std::function<void()> hook);

// Registers (or replaces) an SNMPv3 user's protocols (authentication 1
// none, 2 HMAC-MD5, 3 HMAC-SHA; privacy 1 none, 2 DES) and passwords.
// Cheap when nothing changed; keys are made once per password. Returns
// SnmpResult::UsmOk, or UsmUnsupportedAuthProtocol / UsmUnsupportedPrivProtocol
// for other protocol numbers (the user is stored anyway, and requests
// that need the protocol fail with the same result).
int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);

// Sets the manager's own engine ID and boot counter in the SNMPv3 message
// processing. Neither goes on the wire for get and set. Returns
// SnmpResult::MpOk.
int mpInit(Snmp* session, const OctetStr& engineId, int boots);
