#pragma once
// Conversion between our Pdu and Net-SNMP's PDU at the library boundary,
// and the result numbers of Net-SNMP's outcomes.
#include <vector>

#include "Pdu.h"

struct snmp_pdu;

// Net-SNMP's sub-identifiers for `oid`. An OID of fewer than two
// sub-identifiers is completed with zeros ("1" goes as 1.0, the empty OID
// as 0.0), the standard encoding that the library's own encoder gets wrong.
// False when the OID cannot be BER-encoded (first arc above 2, or a second
// arc above 39 under arcs 0 and 1).
bool EncodableOid(const Oid& oid, std::vector<unsigned long>& ids);

// A new Net-SNMP PDU for `command` (kPduGet, kPduGetNext, kPduSet) with the
// bindings, security level and scope of `pdu`. Null, with `result` set to
// SnmpResult::InvalidOid or InvalidPdu, when a binding cannot be encoded.
snmp_pdu* BuildNetSnmpPdu(int command, const Pdu& pdu, int& result);

// Copies a received PDU: type, error status and index, bindings.
void ReadNetSnmpPdu(const snmp_pdu& in, Pdu& out);

// Result number of a received Report PDU.
int ReportResult(snmp_pdu* report);

// Result number of a Net-SNMP error (session s_snmp_errno).
int NetSnmpErrorResult(int snmpErrno);
