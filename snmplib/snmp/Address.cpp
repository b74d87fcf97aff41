#include "Address.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kResolveCacheLife = std::chrono::seconds(60);

bool IsHostChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// Letters, digits, '-' and '_' in dot-separated labels of 1..63
// characters, at most 253 in all, and not only digits and dots (a bad
// dotted quad is not a name).
bool IsWellFormedHostName(const std::string& name)
{
    if (name.empty() || name.size() > 253)
        return false;
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return false;
    std::size_t label = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '.') {
            if (label == 0)
                return false;
            label = 0;
            continue;
        }
        if (!IsHostChar(name[i]) || ++label > 63)
            return false;
    }
    return label > 0 || name.back() == '.';
}

struct CachedName {
    IpAddress address;
    Clock::time_point expires;
};

std::map<std::string, CachedName>& NameCache()
{
    static std::map<std::string, CachedName> cache;
    return cache;
}

bool ParsePort(const std::string& text, std::uint16_t& port)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const unsigned long value = std::stoul(text);
    if (value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace

bool ResolveIpv4(const std::string& host, IpAddress& address)
{
    std::array<unsigned char, 4> bytes{};
    if (IpAddress::ParseDottedQuad(host, bytes)) {
        address = IpAddress(bytes);
        return true;
    }
    if (!IsWellFormedHostName(host))
        return false;

    const Clock::time_point now = Clock::now();
    auto& cache = NameCache();
    if (auto hit = cache.find(host); hit != cache.end() && hit->second.expires > now) {
        address = hit->second.address;
        return true;
    }

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return false;
    const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    std::memcpy(bytes.data(), &in->sin_addr.s_addr, 4);
    freeaddrinfo(found);

    address = IpAddress(bytes);
    cache[host] = {address, now + kResolveCacheLife};
    return true;
}

UdpAddress::UdpAddress(const char* text) : UdpAddress(std::string(text ? text : "")) {}

UdpAddress::UdpAddress(const std::string& text)
{
    std::string host = text;
    const std::size_t slash = text.find('/');
    const std::size_t colon = text.find(':');
    const std::size_t cut = slash != std::string::npos ? slash : colon;
    if (cut != std::string::npos) {
        // One port separator only: "a:b:c" (IPv6) is not supported.
        if (text.find_first_of("/:", cut + 1) != std::string::npos || !ParsePort(text.substr(cut + 1), port_))
            return;
        host = text.substr(0, cut);
    }
    IpAddress address;
    if (ResolveIpv4(host, address))
        ip_ = address;
}

std::string UdpAddress::get_printable() const
{
    if (!valid())
        return {};
    return ip_.get_printable() + '/' + std::to_string(port_);
}
