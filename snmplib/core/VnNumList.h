#pragma once
// A delimited text of decimal numbers turned into an array: set item lists
// ("0,2,5"), check-box bit lists, LED byte lists and the number lists an edit
// constraint checks. Only VnNumList<int> and VnNumList<unsigned int> exist.
#include <cmath>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

template <typename T>
    requires std::is_same_v<T, int> || std::is_same_v<T, unsigned int>
class VnNumList {
public:
    // Separator between numbers; "." until the caller sets another before
    // parsing (the set request uses ",").
    char delimiter = '.';

    VnNumList() = default;

    int Count() const noexcept { return static_cast<int>(values_.size()); }
    T operator[](int i) const { return values_[static_cast<std::size_t>(i)]; }
    const std::vector<T>& Values() const noexcept { return values_; }

    // 0 for a null or empty text, else 1 plus the number of delimiters.
    int CountItems(const char* text) const
    {
        return text ? CountItems(std::string_view(text)) : 0;
    }
    int CountItems(std::string_view text) const
    {
        if (text.empty())
            return 0;
        int count = 1;
        for (char c : text) {
            if (c == delimiter)
                ++count;
        }
        return count;
    }

    void Parse(const char* text)
    {
        if (!text) {
            values_.clear();
            return;
        }
        Parse(std::string_view(text));
    }

    // Replaces the contents by the numbers of the text. No character is
    // rejected: anything but the delimiter and "." counts as a digit worth its
    // code minus 48, and digits after a "." only nudge the value, truncated.
    // Values wrap in 32 bits like the arithmetic they came from; a number
    // that passed 4294967295 on its way is marked out of range all the same
    // (OutOfRange), so that no range check takes its wrapped value.
    void Parse(std::string_view text)
    {
        values_.assign(static_cast<std::size_t>(CountItems(text)), T{});
        outOfRange_ = false;
        if (values_.empty())
            return;
        std::vector<std::uint32_t> acc(values_.size(), 0);
        // The same number without the wrap, held while it is within 2^32.
        std::vector<std::int64_t> exact(values_.size(), 0);
        std::size_t k = 0;
        double scale = 0.0;
        for (char c : text) {
            if (c == delimiter) {
                ++k;
                scale = 0.0;
                continue;
            }
            if (c == '.') {
                scale = 1.0;
                continue;
            }
            const int digit = static_cast<unsigned char>(c) - 48;
            if (scale == 0.0) {
                acc[k] = acc[k] * 10u + static_cast<std::uint32_t>(digit);
                Track(exact[k], exact[k] * 10 + digit);
                continue;
            }
            scale *= 0.1;
            // |current| < 2^32 and |digit * scale| < 26, so the truncated
            // sum always fits in 64 bits.
            const double sum = static_cast<double>(static_cast<T>(acc[k])) + digit * scale;
            acc[k] = static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(sum)));
            Track(exact[k], static_cast<std::int64_t>(
                                std::trunc(static_cast<double>(exact[k]) + digit * scale)));
        }
        for (std::size_t i = 0; i < values_.size(); ++i)
            values_[i] = static_cast<T>(acc[i]);
    }

    // Position of the first value equal to `value`, or -1.
    int IndexOf(T value) const
        requires std::is_same_v<T, int>
    {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (values_[i] == value)
                return static_cast<int>(i);
        }
        return -1;
    }

    // True when a number of the last Parse passed 4294967295 before it
    // wrapped.
    bool OutOfRange() const noexcept { return outOfRange_; }

    // True when minimum <= v <= maximum for every value; true when empty.
    // A number that wrapped past 4294967295 is out of every range.
    bool AllInRange(T minimum, T maximum) const
        requires std::is_same_v<T, unsigned int>
    {
        if (outOfRange_)
            return false;
        for (T v : values_) {
            if (v < minimum || v > maximum)
                return false;
        }
        return true;
    }

private:
    // Follows one number without wrapping; once it passes 2^32 - 1 it is
    // out of range for good and is no longer followed.
    void Track(std::int64_t& exact, std::int64_t next)
    {
        if (exact > kMaxExact)
            return;
        exact = next;
        if (exact > kMaxExact)
            outOfRange_ = true;
        else if (exact < -kMaxExact)
            exact = -kMaxExact;  // only below-"0" characters get here; keep it bounded
    }

    static constexpr std::int64_t kMaxExact = 0xFFFFFFFF;
    std::vector<T> values_;
    bool outOfRange_ = false;
};
