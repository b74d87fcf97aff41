#pragma once
// Numbers in a reply that do not fit their type: an INTEGER outside
// 32 bits, a Counter32, Gauge32, TimeTicks or UInteger32 below 0 or above
// 2^32 - 1, a Counter64 (or an unsigned 64-bit number in an Opaque) below
// 0. Net-SNMP's decoder keeps only the low bits of such a number, reads a
// negative one as positive, and says nothing, so the reply's own octets
// are read before it: the datagram of an SNMPv1 or v2c reply as it waits
// on the socket, and the scoped PDU of an SNMPv3 reply once USM has
// checked and decrypted it.
//
// The octets are walked the way Net-SNMP walks them (lengths of up to
// 8 octets, a version or request ID cut to 32 bits as it cuts them, every
// string tag it takes for a community or context, a binding that goes on
// after its value inside its SEQUENCE), and what is found must be what it
// decoded. A reply that cannot be walked so, or that Net-SNMP read
// otherwise, cannot be checked: its numbers may have been cut.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct snmp_pdu;

struct VnWideNumber {
    std::size_t binding = 0;  // from 0, in the reply's order
    std::string value;        // the number sent, in decimal
};

// One binding as its octets read.
struct VnScannedBinding {
    std::vector<std::uint32_t> name;
    std::uint8_t type = 0;   // as Net-SNMP types it: a 64-bit number in an Opaque has its inner tag
    bool number = false;     // a number that fits its type; `value` holds it
    std::uint64_t value = 0; // two's complement for the signed types
};

struct VnWideScan {
    long requestId = 0;  // as Net-SNMP reads it
    std::vector<VnScannedBinding> bindings;
    std::vector<VnWideNumber> numbers;  // the bindings whose numbers do not fit
};

// An SNMPv1 or v2c message; false when the octets are no such message or
// cannot be read as Net-SNMP reads them, or a number outside the bindings
// (error status or index) does not fit 32 bits.
bool ScanCommunityMessage(std::span<const std::uint8_t> message, VnWideScan& scan);
// The same for the plaintext scoped PDU of an SNMPv3 message.
bool ScanScopedPdu(std::span<const std::uint8_t> scopedPdu, VnWideScan& scan);

// The reply being read: forgotten before each datagram is read, noted from
// the datagram (v1, v2c) or by USM (v3), taken when its PDU is copied.
void ForgetWideNumbers();
void NoteDatagram(std::span<const std::uint8_t> datagram);
// Has USM note every scoped PDU it decodes; once, after init_snmp.
void WatchDecodedScopedPdus();
// Takes the noted reply for the PDU Net-SNMP decoded from it: true, with
// the numbers that do not fit, when the octets were read and hold the same
// request ID and bindings (names, types, and the numbers that fit); false
// when the reply could not be checked.
bool TakeCheckedReply(const snmp_pdu& pdu, std::vector<VnWideNumber>& numbers);
