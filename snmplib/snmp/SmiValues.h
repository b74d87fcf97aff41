#pragma once
// Small SNMP value types: IPv4 address, time ticks and the counters.
#include <array>
#include <cstdint>
#include <string>

// An IPv4 address value. Only dotted-quad text is accepted: a value is
// never looked up as a host name.
class IpAddress {
public:
    IpAddress() = default;
    IpAddress(const char* dotted);  // NOLINT
    IpAddress(const std::string& dotted);  // NOLINT
    explicit IpAddress(const std::array<unsigned char, 4>& bytes) : bytes_(bytes), valid_(true) {}

    bool valid() const { return valid_; }
    unsigned char operator[](std::size_t i) const { return bytes_[i]; }
    const std::array<unsigned char, 4>& bytes() const { return bytes_; }
    // "10.1.2.3"; the empty text when not valid.
    std::string get_printable() const;

    // Reads exactly four decimal numbers 0..255 separated by dots.
    static bool ParseDottedQuad(const std::string& text, std::array<unsigned char, 4>& bytes);

    friend bool operator==(const IpAddress& a, const IpAddress& b)
    {
        return a.valid_ == b.valid_ && a.bytes_ == b.bytes_;
    }

private:
    std::array<unsigned char, 4> bytes_{};
    bool valid_ = false;
};

// Hundredths of a second.
class TimeTicks {
public:
    TimeTicks() = default;
    explicit TimeTicks(std::uint32_t ticks) : ticks_(ticks) {}
    std::uint32_t value() const { return ticks_; }
    operator std::uint32_t() const { return ticks_; }  // NOLINT

private:
    std::uint32_t ticks_ = 0;
};

class Counter32 {
public:
    Counter32() = default;
    explicit Counter32(std::uint32_t value) : value_(value) {}
    std::uint32_t value() const { return value_; }
    operator std::uint32_t() const { return value_; }  // NOLINT

private:
    std::uint32_t value_ = 0;
};

class Gauge32 {
public:
    Gauge32() = default;
    explicit Gauge32(std::uint32_t value) : value_(value) {}
    std::uint32_t value() const { return value_; }
    operator std::uint32_t() const { return value_; }  // NOLINT

private:
    std::uint32_t value_ = 0;
};

class Counter64 {
public:
    Counter64() = default;
    explicit Counter64(std::uint64_t value) : value_(value) {}
    Counter64(std::uint32_t high, std::uint32_t low) : value_((std::uint64_t{high} << 32) | low) {}
    std::uint32_t high() const { return static_cast<std::uint32_t>(value_ >> 32); }
    std::uint32_t low() const { return static_cast<std::uint32_t>(value_); }
    std::uint64_t value() const { return value_; }
    void set_high(std::uint32_t high) { value_ = (std::uint64_t{high} << 32) | low(); }
    void set_low(std::uint32_t low) { value_ = (value_ & 0xFFFFFFFF00000000ull) | low; }

private:
    std::uint64_t value_ = 0;
};
