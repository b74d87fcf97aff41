#include "Snmp.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QtGlobal>
#include <exception>
#include <string>

#include "NetSnmpLibrary.h"
#include "SnmpEngine.h"

Snmp::Snmp(int& status, std::uint16_t localPort)
{
    if (localPort != 0) {
        status = SnmpResult::Unsupported;
        return;
    }
    EnsureNetSnmpLibrary();
    // Every request needs a UDP socket of its own kind; find out now
    // whether the system gives one.
    const int probe = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (probe < 0) {
        status = SnmpResult::ResourceUnavailable;
        return;
    }
    ::close(probe);
    status = SnmpResult::Success;
}

Snmp::~Snmp()
{
    SnmpEngine::Instance().AbandonOwner(this);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target)
{
    return SnmpEngine::Instance().Run(kPduGet, pdu, target);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target)
{
    return SnmpEngine::Instance().Run(kPduGetNext, pdu, target);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target)
{
    return SnmpEngine::Instance().Run(kPduSet, pdu, target);
}

int Snmp::Send(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data)
{
    if (!callback)
        return SnmpResult::InvalidCallback;
    void* userData = const_cast<void*>(data);
    return SnmpEngine::Instance().Start(this, command, pdu, target,
                                        [callback, userData](int reason, Snmp* session, Pdu& reply, SnmpTarget& to) {
                                            callback(reason, session, reply, to, userData);
                                        });
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data)
{
    return Send(kPduGet, pdu, target, callback, data);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data)
{
    return Send(kPduGetNext, pdu, target, callback, data);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, const void* data)
{
    return Send(kPduSet, pdu, target, callback, data);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, Completion completion)
{
    return SnmpEngine::Instance().Start(this, kPduGet, pdu, target, std::move(completion));
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, Completion completion)
{
    return SnmpEngine::Instance().Start(this, kPduGetNext, pdu, target, std::move(completion));
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, Completion completion)
{
    return SnmpEngine::Instance().Start(this, kPduSet, pdu, target, std::move(completion));
}

bool Snmp::cancel(unsigned long requestId)
{
    return SnmpEngine::Instance().Cancel(requestId);
}

int Snmp::outstanding() const
{
    return SnmpEngine::Instance().Outstanding(this);
}

void SNMPProcessPendingEvents()
{
    try {
        SnmpEngine::Instance().ProcessPendingEvents();
    } catch (const std::exception& e) {
        qWarning("SNMP event processing failed: %s", e.what());
    } catch (...) {
        qWarning("SNMP event processing failed");
    }
}

void SnmpReadPendingEvents()
{
    try {
        SnmpEngine::Instance().ReadPendingEvents();
    } catch (const std::exception& e) {
        qWarning("SNMP event processing failed: %s", e.what());
    } catch (...) {
        qWarning("SNMP event processing failed");
    }
}

void SnmpDeliverCompletions()
{
    try {
        SnmpEngine::Instance().DeliverReady();
    } catch (const std::exception& e) {
        qWarning("SNMP event processing failed: %s", e.what());
    } catch (...) {
        qWarning("SNMP event processing failed");
    }
}

bool SnmpHasPendingWork()
{
    return SnmpEngine::Instance().HasWork();
}

void SnmpOnActivityChanged(std::function<void()> hook)
{
    SnmpEngine::Instance().SetActivityHook(std::move(hook));
}

int mpInit(Snmp*, const OctetStr& engineId, int boots)
{
    EnsureNetSnmpLibrary();
    if (engineId.len())
        set_exact_engineID(engineId.data(), engineId.len());
    // The library stores one more than it is given.
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
    return SnmpResult::MpOk;
}
