#pragma once
// The switch on the wire: Net-SNMP's agent engine (protocol, communities,
// VACM and USM) in front of the data of a SimConfig, one UDP socket on
// 127.0.0.1, and the control channel on stdin/stdout.
#include "SimConfig.h"
#include "SimControl.h"
#include "SimSetRecord.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

class SimAgent {
public:
    explicit SimAgent(SimConfig& config);
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Sets up the library and opens udp:127.0.0.1:port (0: a free port).
    bool Start(int port, std::string& error);
    int Port() const { return port_; }
    // Serves requests and control commands until "quit".
    void Run();
    void Shutdown();

private:
    static int OnPacket(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);
    static int OnRequest(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                         netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    static void OnControlReadable(int fd, void* self);
    static void OnDelayOver(unsigned int alarm, void* cache);
    static void OnHoldOver(unsigned int alarm, void* held);

    bool WriteLibraryConfig(std::string& path, std::string& error) const;
    bool RegisterSubtrees(std::string& error);
    bool OpenSocket(int port, std::string& error);

    int RecordSet(const netsnmp_pdu* pdu);
    bool IsDropped(const netsnmp_pdu* pdu) const;
    int HoldTimeOf(const netsnmp_pdu* pdu) const;  // longest set delay, ms
    // How often a read is answered, and whether the copies wait for the next request.
    int CopiesOf(const netsnmp_pdu* pdu, bool& late) const;
    void SendLateCopies();
    // Makes an applied set's reply differ from the PDU as a spoil-set rule says.
    void SpoilSetReply(netsnmp_pdu* pdu);
    // Writes an SNMPv1 or v2c reply anew as an encoding rule for one of its
    // bindings says.
    void EncodeReply(std::vector<u_char>& message) const;
    void FreeCutVarbinds();
    bool Hold(netsnmp_session* session, const netsnmp_pdu* pdu, int ms);

    void AnswerGet(netsnmp_mib_handler*, netsnmp_handler_registration*,
                   netsnmp_agent_request_info*, netsnmp_request_info*);
    void AnswerGetNext(netsnmp_mib_handler*, netsnmp_handler_registration*,
                       netsnmp_agent_request_info*, netsnmp_request_info*);
    // A get-next answered as an answer-next rule says.
    void AnswerOutOfOrder(netsnmp_variable_list* vb, const SimNextAnswer& answer, const SimOid& asked);
    void ReserveSet(netsnmp_agent_request_info*, netsnmp_request_info*);
    void FinishSet(int mode, netsnmp_agent_request_info* reqinfo);
    void Delay(netsnmp_mib_handler*, netsnmp_handler_registration*,
               netsnmp_agent_request_info*, netsnmp_request_info*, int ms);

    void ReadControl();

    // A set PDU kept back whole until its delay is over.
    struct HeldSet {
        SimAgent* agent;
        netsnmp_session* session;
        netsnmp_pdu* pdu;  // our clone
        unsigned int alarm;
    };

    SimConfig& config_;
    SimSetRecord record_;
    SimControl control_;
    int port_ = 0;
    bool controlOpen_ = false;
    std::string controlBuffer_;
    std::list<std::unique_ptr<HeldSet>> held_;
    std::vector<netsnmp_variable_list*> cut_;  // bindings cut from the last spoiled reply
    // A read answered once so far; its other copies go out ahead of the next reply.
    struct LateCopy {
        netsnmp_session* session;
        netsnmp_pdu* pdu;  // our clone
        int copies;
    };
    std::vector<LateCopy> late_;
};
