#pragma once
// Numbers in a reply that do not fit their type: an INTEGER outside
// 32 bits, a Counter32, Gauge32, TimeTicks or UInteger32 below 0 or above
// 2^32 - 1. Net-SNMP's decoder keeps only the low 32 bits of such a number
// and says nothing, so the reply's own octets are read before it: the
// datagram of an SNMPv1 or v2c reply as it waits on the socket, and the
// scoped PDU of an SNMPv3 reply once USM has checked and decrypted it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct VnWideNumber {
    std::size_t binding = 0;  // from 0, in the reply's order
    std::string value;        // the number sent, in decimal
};

struct VnWideScan {
    long requestId = 0;
    std::vector<VnWideNumber> numbers;
};

// The numbers of an SNMPv1 or v2c message that do not fit their type;
// false when the octets are no such message.
bool ScanCommunityMessage(std::span<const std::uint8_t> message, VnWideScan& scan);
// The same for the plaintext scoped PDU of an SNMPv3 message.
bool ScanScopedPdu(std::span<const std::uint8_t> scopedPdu, VnWideScan& scan);

// The reply being read: forgotten before each datagram is read, noted from
// the datagram (v1, v2c) or by USM (v3), taken when its PDU is copied.
void ForgetWideNumbers();
void NoteDatagram(std::span<const std::uint8_t> datagram);
// Has USM note every scoped PDU it decodes; once, after init_snmp.
void WatchDecodedScopedPdus();
// The numbers of the reply with this request ID, once.
std::vector<VnWideNumber> TakeWideNumbers(long requestId);
