#pragma once
// A variable binding: an object identifier and a typed value.
#include <cstdint>
#include <string>

#include "Oid.h"
#include "OctetStr.h"
#include "SmiValues.h"
#include "SnmpSmi.h"

class Vb {
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    void get_oid(Oid& oid) const { oid = oid_; }
    const Oid& get_oid() const { return oid_; }
    std::string get_printable_oid() const { return oid_.get_printable(); }

    void set_value(std::int32_t value);                  // INTEGER
    void set_value(const OctetStr& value);               // OCTET STRING
    void set_opaque(const OctetStr& value);              // Opaque
    void set_value(const Oid& value);                    // OBJECT IDENTIFIER
    void set_value(const IpAddress& value);              // IpAddress
    void set_value(const TimeTicks& value);
    void set_value(const Counter32& value);
    void set_value(const Gauge32& value);
    void set_value(const Counter64& value);
    void set_null();
    // A wire syntax gives the binding a zero value of that type; any other
    // code is kept but leaves the binding without a value that can be sent.
    void set_syntax(SmiUINT32 syntax);
    SmiUINT32 get_syntax() const { return syntax_; }

    // 0 on success, SnmpResult::... (-10) when the value is not of a
    // compatible kind. Integer kinds convert into each other by value.
    int get_value(std::int32_t& value) const;
    int get_value(std::uint32_t& value) const;
    int get_value(OctetStr& value) const;   // octets, opaque, bits, IP address bytes
    int get_value(Oid& value) const;
    int get_value(IpAddress& value) const;
    int get_value(TimeTicks& value) const;
    int get_value(Counter64& value) const;

    // The value as text: decimal numbers, dotted OIDs and addresses, the
    // octets as characters (hex when not printable); the empty text for a
    // NULL and for noSuchObject, noSuchInstance and endOfMibView.
    std::string get_printable_value() const;

    bool is_exception() const { return syntax_ >= kSmiNoSuchObject && syntax_ <= kSmiEndOfMibView; }
    // The name and the value can be put on the wire.
    bool valid() const;
    bool value_valid() const;

    // Used when a received binding is stored: the value as it came.
    void set_received(SmiUINT32 syntax, std::uint64_t number, const OctetStr& octets, const Oid& oid);
    // A received number that does not fit its type (an INTEGER beyond 32
    // bits, a negative Counter32): the number as sent, in decimal. Such a
    // binding has no value of its type; its printable value is this text.
    void set_out_of_range(std::string sent) { outOfRange_ = std::move(sent); }
    bool out_of_range() const { return !outOfRange_.empty(); }
    std::uint64_t number() const { return number_; }
    const OctetStr& octets() const { return octets_; }
    const Oid& oid_value() const { return oidValue_; }

private:
    void Reset(SmiUINT32 syntax);

    Oid oid_;
    SmiUINT32 syntax_ = kSmiNull;
    std::uint64_t number_ = 0;  // integers (INTEGER as two's complement), counters, ticks
    OctetStr octets_;           // octets, opaque, bits, the four IP address bytes
    Oid oidValue_;
    std::string outOfRange_;
};
