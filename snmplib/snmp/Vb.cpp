#include "Vb.h"

#include <array>

namespace {

constexpr int kWrongKind = -10;

bool IsNumeric(SmiUINT32 syntax)
{
    switch (syntax) {
    case kSmiInteger:
    case kSmiCounter32:
    case kSmiGauge32:
    case kSmiTimeTicks:
    case kSmiUInteger32:
    case kSmiCounter64:
        return true;
    default:
        return false;
    }
}

bool IsOctets(SmiUINT32 syntax)
{
    return syntax == kSmiOctets || syntax == kSmiOpaque || syntax == kSmiBits;
}

}  // namespace

void Vb::Reset(SmiUINT32 syntax)
{
    syntax_ = syntax;
    number_ = 0;
    octets_ = OctetStr();
    oidValue_ = Oid();
    outOfRange_.clear();
}

void Vb::set_value(std::int32_t value)
{
    Reset(kSmiInteger);
    number_ = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
}

void Vb::set_value(const OctetStr& value)
{
    Reset(kSmiOctets);
    octets_ = value;
}

void Vb::set_opaque(const OctetStr& value)
{
    Reset(kSmiOpaque);
    octets_ = value;
}

void Vb::set_value(const Oid& value)
{
    Reset(kSmiOid);
    oidValue_ = value;
}

void Vb::set_value(const IpAddress& value)
{
    Reset(kSmiIpAddress);
    if (value.valid())
        octets_ = OctetStr(value.bytes().data(), value.bytes().size());
}

void Vb::set_value(const TimeTicks& value)
{
    Reset(kSmiTimeTicks);
    number_ = value.value();
}

void Vb::set_value(const Counter32& value)
{
    Reset(kSmiCounter32);
    number_ = value.value();
}

void Vb::set_value(const Gauge32& value)
{
    Reset(kSmiGauge32);
    number_ = value.value();
}

void Vb::set_value(const Counter64& value)
{
    Reset(kSmiCounter64);
    number_ = value.value();
}

void Vb::set_null()
{
    Reset(kSmiNull);
}

void Vb::set_syntax(SmiUINT32 syntax)
{
    Reset(syntax);
    if (syntax == kSmiIpAddress)
        octets_ = OctetStr(std::string(4, '\0'));
    if (syntax == kSmiOid)
        oidValue_ = Oid("0.0");
}

void Vb::set_received(SmiUINT32 syntax, std::uint64_t number, const OctetStr& octets, const Oid& oid)
{
    syntax_ = syntax;
    number_ = number;
    octets_ = octets;
    oidValue_ = oid;
    outOfRange_.clear();
}

int Vb::get_value(std::int32_t& value) const
{
    if (!IsNumeric(syntax_))
        return kWrongKind;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number_));
    return 0;
}

int Vb::get_value(std::uint32_t& value) const
{
    if (!IsNumeric(syntax_))
        return kWrongKind;
    value = static_cast<std::uint32_t>(number_);
    return 0;
}

int Vb::get_value(OctetStr& value) const
{
    if (!IsOctets(syntax_) && syntax_ != kSmiIpAddress)
        return kWrongKind;
    value = octets_;
    return 0;
}

int Vb::get_value(Oid& value) const
{
    if (syntax_ != kSmiOid)
        return kWrongKind;
    value = oidValue_;
    return 0;
}

int Vb::get_value(IpAddress& value) const
{
    if (syntax_ != kSmiIpAddress || octets_.len() != 4)
        return kWrongKind;
    value = IpAddress(std::array<unsigned char, 4>{octets_[0], octets_[1], octets_[2], octets_[3]});
    return 0;
}

int Vb::get_value(TimeTicks& value) const
{
    if (!IsNumeric(syntax_))
        return kWrongKind;
    value = TimeTicks(static_cast<std::uint32_t>(number_));
    return 0;
}

int Vb::get_value(Counter64& value) const
{
    if (!IsNumeric(syntax_))
        return kWrongKind;
    value = syntax_ == kSmiInteger ? Counter64(static_cast<std::uint32_t>(number_)) : Counter64(number_);
    return 0;
}

std::string Vb::get_printable_value() const
{
    if (out_of_range())
        return outOfRange_;
    switch (syntax_) {
    case kSmiInteger:
        return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(number_)));
    case kSmiCounter32:
    case kSmiGauge32:
    case kSmiTimeTicks:
    case kSmiUInteger32:
        return std::to_string(static_cast<std::uint32_t>(number_));
    case kSmiCounter64:
        return std::to_string(number_);
    case kSmiOctets:
    case kSmiOpaque:
    case kSmiBits:
        return octets_.get_printable();
    case kSmiOid:
        return oidValue_.get_printable();
    case kSmiIpAddress: {
        IpAddress address;
        return get_value(address) == 0 ? address.get_printable() : octets_.get_printable_hex();
    }
    default:
        return {};
    }
}

bool Vb::value_valid() const
{
    switch (syntax_) {
    case kSmiNull:
    case kSmiInteger:
    case kSmiCounter32:
    case kSmiGauge32:
    case kSmiTimeTicks:
    case kSmiUInteger32:
    case kSmiCounter64:
    case kSmiOctets:
    case kSmiOpaque:
    case kSmiBits:
    case kSmiNoSuchObject:
    case kSmiNoSuchInstance:
    case kSmiEndOfMibView:
        return true;
    case kSmiOid:
        return oidValue_.valid();
    case kSmiIpAddress:
        return octets_.len() == 4;
    default:
        return false;
    }
}

bool Vb::valid() const
{
    return oid_.valid() && value_valid();
}
