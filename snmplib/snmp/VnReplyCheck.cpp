#include "VnReplyCheck.h"

#include "Vb.h"
#include "VnSNMPVarList.h"

#include <cstdio>
#include <limits>

namespace {

constexpr std::size_t kShownValueLength = 40;

bool IsNumber32(SmiUINT32 type)
{
    return type == kSmiInteger || type == kSmiCounter32 || type == kSmiGauge32 || type == kSmiTimeTicks
           || type == kSmiUInteger32;
}

bool IsOctets(SmiUINT32 type)
{
    return type == kSmiOctets || type == kSmiOpaque || type == kSmiBits;
}

std::string TypeName(SmiUINT32 type)
{
    switch (type) {
    case kSmiInteger:
        return "INTEGER";
    case kSmiBits:
        return "BITS";
    case kSmiOctets:
        return "OCTET STRING";
    case kSmiNull:
        return "NULL";
    case kSmiOid:
        return "OBJECT IDENTIFIER";
    case kSmiIpAddress:
        return "IpAddress";
    case kSmiCounter32:
        return "Counter32";
    case kSmiGauge32:
        return "Gauge32";
    case kSmiTimeTicks:
        return "TimeTicks";
    case kSmiOpaque:
        return "Opaque";
    case kSmiCounter64:
        return "Counter64";
    case kSmiUInteger32:
        return "UInteger32";
    case kSmiNoSuchObject:
        return "noSuchObject";
    case kSmiNoSuchInstance:
        return "noSuchInstance";
    case kSmiEndOfMibView:
        return "endOfMibView";
    default: {
        char text[24];
        std::snprintf(text, sizeof text, "type 0x%02X", static_cast<unsigned>(type));
        return text;
    }
    }
}

std::string SyntaxName(unsigned syntax)
{
    namespace S = VnSyntax;
    switch (syntax) {
    case S::Boolean:
    case S::Integer:
        return "INTEGER";
    case S::ObjectId:
        return "OBJECT IDENTIFIER";
    case S::IpAddress:
    case S::NsapAddr:
        return "IpAddress";
    case S::Counter:
        return "Counter32";
    case S::Gauge:
        return "Gauge32";
    case S::UInteger:
        return "UInteger32";
    case S::TimeTicks:
        return "TimeTicks";
    case S::Counter64:
        return "Counter64";
    default:
        return "OCTET STRING";
    }
}

// The binding's value, short enough for a status line.
std::string ShownValue(const Vb& vb)
{
    std::string value = vb.get_printable_value();
    if (value.size() > kShownValueLength)
        value = value.substr(0, kShownValueLength) + "...";
    if (IsOctets(vb.get_syntax()))
        value = "\"" + value + "\"";
    return value;
}

// What the binding holds: its OID, type and value.
std::string Shown(const Vb& vb)
{
    const std::string value = ShownValue(vb);
    std::string text = vb.get_printable_oid() + " = " + TypeName(vb.get_syntax());
    if (!value.empty())
        text += ": " + value;
    return text;
}

// Two bindings of one type hold the same value.
bool SameValue(const Vb& a, const Vb& b)
{
    if (a.out_of_range() || b.out_of_range())
        return false;
    const SmiUINT32 type = a.get_syntax();
    if (IsNumber32(type)) {
        std::uint32_t x = 0;
        std::uint32_t y = 0;
        return a.get_value(x) == 0 && b.get_value(y) == 0 && x == y;
    }
    if (type == kSmiCounter64)
        return a.number() == b.number();
    if (type == kSmiOid)
        return a.oid_value() == b.oid_value();
    if (IsOctets(type) || type == kSmiIpAddress)
        return a.octets() == b.octets();
    return true;
}

} // namespace

bool VbFitsSyntax(unsigned syntax, const Vb& vb)
{
    namespace S = VnSyntax;
    const SmiUINT32 type = vb.get_syntax();
    if (type == kSmiNull || vb.is_exception())
        return true;
    if (vb.out_of_range())
        return false;
    switch (syntax) {
    case S::Boolean:
    case S::Integer:
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
    case S::TimeTicks:
        return IsNumber32(type)
               || (type == kSmiCounter64 && vb.number() <= std::numeric_limits<std::uint32_t>::max());
    case S::Counter64:
        return IsNumber32(type) || type == kSmiCounter64;
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
    case S::Double:
    case S::MacAddress:
    case S::DateTime:
    case S::BcdDateTime:
    case S::DisplayStr:
    case S::Ipv6Address:
        return IsOctets(type);
    case S::ObjectId:
        return type == kSmiOid;
    case S::IpAddress:
    case S::NsapAddr:
        return type == kSmiIpAddress && vb.octets().len() == 4;
    default:
        // NULL items read anything as no value; unknown syntaxes are the
        // conversion's to refuse.
        return true;
    }
}

std::string WrongTypeText(const Vb& vb, unsigned syntax)
{
    if (vb.out_of_range())
        return "(VnSNMP++) Unexpected reply: " + Shown(vb) + " (out of range for " + TypeName(vb.get_syntax()) + ")!";
    return "(VnSNMP++) Unexpected reply: " + Shown(vb) + " (" + SyntaxName(syntax) + " expected)!";
}

std::string WrongOidText(const Vb& vb, const std::string& asked, bool nextOf)
{
    return "(VnSNMP++) Unexpected reply: " + Shown(vb) + " (" + (nextOf ? "the next in " : "") + asked
           + " asked)!";
}

std::string SetReplyMismatch(const std::vector<Vb>& sent, const std::vector<Vb>& reply)
{
    const std::string lead = "(VnSNMP++) Unexpected reply: ";
    if (reply.size() != sent.size()) {
        return lead + std::to_string(reply.size()) + (reply.size() == 1 ? " binding (" : " bindings (")
               + std::to_string(sent.size()) + " sent)!";
    }
    for (std::size_t k = 0; k < sent.size(); ++k) {
        const Vb& out = sent[k];
        const Vb& back = reply[k];
        if (back.get_oid() != out.get_oid())
            return lead + Shown(back) + " (" + out.get_printable_oid() + " sent)!";
        if (back.is_exception() || back.get_syntax() != out.get_syntax())
            return lead + Shown(back) + " (" + TypeName(out.get_syntax()) + " sent)!";
        // The reply to a set carries the values set: another value means
        // the agent did not set what was sent, or says so wrongly.
        if (!SameValue(out, back))
            return lead + Shown(back) + " (" + ShownValue(out) + " sent)!";
    }
    return {};
}

std::string UncheckedReplyText()
{
    return "(VnSNMP++) Unexpected reply: its encoding could not be read to check its values!";
}

std::string NonIncreasingOidText(const std::string& returned, const std::string& asked)
{
    return "(VnSNMP++) Unexpected reply: the agent returned the non-increasing OID " + returned
           + " for the next after " + asked + "; the list ends there!";
}
