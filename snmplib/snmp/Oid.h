#pragma once
// An object identifier parsed from, and printed as, dotted decimal text.
// Names are never looked up: there is no MIB behind this layer.
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Oid {
public:
    static constexpr std::size_t kMaxLength = 128;

    Oid() = default;
    Oid(const char* dotted);  // NOLINT: text converts implicitly, as callers expect
    Oid(const std::string& dotted);  // NOLINT
    Oid(const std::uint32_t* ids, std::size_t count);

    // Parsed without error and not empty. Text that is not dotted decimal
    // (letters, empty parts, a number above 4294967295, more than 128
    // parts) gives an empty, invalid Oid.
    bool valid() const { return valid_ && !ids_.empty(); }
    std::size_t len() const { return ids_.size(); }
    std::uint32_t operator[](std::size_t i) const { return ids_[i]; }
    std::uint32_t& operator[](std::size_t i) { return ids_[i]; }
    const std::vector<std::uint32_t>& ids() const { return ids_; }

    // "1.3.6.1"; the empty text for an empty Oid.
    std::string get_printable() const;

    Oid& operator+=(std::uint32_t id);
    Oid& operator+=(const Oid& other);
    Oid& operator+=(const char* dotted);
    // Drops the last n sub-identifiers (all of them when n is larger).
    void trim(std::size_t n = 1);
    // Compares the first n sub-identifiers (fewer when either is shorter,
    // the shorter then ordering first): -1, 0 or 1.
    int nCompare(std::size_t n, const Oid& other) const;
    bool is_prefix_of(const Oid& other) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.ids_ == b.ids_; }
    friend std::strong_ordering operator<=>(const Oid& a, const Oid& b) { return a.ids_ <=> b.ids_; }

    // Parses dotted decimal text ("1.3.6", ".1.3.6"); false when it is not.
    static bool Parse(std::string_view text, std::vector<std::uint32_t>& ids);

private:
    std::vector<std::uint32_t> ids_;
    bool valid_ = false;
};
