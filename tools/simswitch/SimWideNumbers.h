#pragma once
// Numbers wider than their 32-bit type, sent as a faulty agent sends them:
// an INTEGER, Counter32, Gauge32 or TimeTicks of up to 63 bits. Net-SNMP
// keeps only the low 32 bits of such a number when it encodes it, so it is
// encoded as a Counter64 of the same value, and the finished reply gets the
// number's own tag back: the octets of the value are the same for both.
// The tag is put right in the plaintext, before USM encrypts and signs an
// SNMPv3 reply, and in the datagram of an SNMPv1 or v2c one. (Net-SNMP
// leaves Counter64 bindings out of SNMPv1 replies.)
#include "SimValue.h"

#include <functional>
#include <vector>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

// True when `value` is a 32-bit number that does not fit its type.
bool SimIsWideNumber(const SimValue& value);

// Puts a wide number into a binding and remembers to retag it.
void SimEncodeWideNumber(netsnmp_variable_list* vb, const SimValue& value);
// The binding holds a value of its own type again.
void SimForgetWideNumber(const netsnmp_variable_list* vb);

// Retags the replies sent through `transport`, and those USM encodes.
void SimRetagWideNumbers(netsnmp_transport* transport);
// Hands each SNMPv1 or v2c reply sent through that transport, once
// retagged, to `rewrite`, which may write it anew; it must not throw.
void SimRewriteCommunityReplies(std::function<void(std::vector<u_char>&)> rewrite);
