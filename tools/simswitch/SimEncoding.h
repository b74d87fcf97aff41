#pragma once
// SNMPv1 and v2c replies written again in an encoding that Net-SNMP reads
// but few agents send (SimEncoding), for tests of managers that check a
// reply's own octets.
#include "SimFaults.h"

#include <cstdint>
#include <vector>

// The names of the bindings of an SNMPv1 or v2c message; false when the
// octets are no such message.
bool SimMessageNames(const std::vector<std::uint8_t>& message, std::vector<SimOid>& names);

// Writes the message again as `encoding` says; false, leaving it as it
// was, when the octets are no SNMPv1 or v2c message.
bool SimEncodeMessage(std::vector<std::uint8_t>& message, SimEncoding encoding);
