#include "Oid.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

bool Oid::Parse(std::string_view text, std::vector<std::uint32_t>& ids)
{
    ids.clear();
    text = Trimmed(text);
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::size_t pos = 0;
    while (true) {
        std::uint64_t value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
            if (value > 0xFFFFFFFFull)
                return false;
            ++pos;
            ++digits;
        }
        if (digits == 0 || ids.size() == kMaxLength)
            return false;
        ids.push_back(static_cast<std::uint32_t>(value));
        if (pos == text.size())
            return true;
        if (text[pos] != '.')
            return false;
        ++pos;
    }
}

Oid::Oid(const char* dotted) : Oid(std::string(dotted ? dotted : "")) {}

Oid::Oid(const std::string& dotted)
{
    valid_ = Parse(dotted, ids_);
    if (!valid_)
        ids_.clear();
}

Oid::Oid(const std::uint32_t* ids, std::size_t count)
{
    if (!ids || count > kMaxLength)
        return;
    ids_.assign(ids, ids + count);
    valid_ = true;
}

std::string Oid::get_printable() const
{
    std::string text;
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(ids_[i]);
    }
    return text;
}

Oid& Oid::operator+=(std::uint32_t id)
{
    if (ids_.size() < kMaxLength) {
        ids_.push_back(id);
        valid_ = true;
    } else {
        valid_ = false;
    }
    return *this;
}

Oid& Oid::operator+=(const Oid& other)
{
    if (ids_.size() + other.ids_.size() > kMaxLength) {
        valid_ = false;
        return *this;
    }
    ids_.insert(ids_.end(), other.ids_.begin(), other.ids_.end());
    valid_ = valid_ || !ids_.empty();
    return *this;
}

Oid& Oid::operator+=(const char* dotted)
{
    Oid tail(dotted);
    if (!tail.valid()) {
        valid_ = false;
        return *this;
    }
    return *this += tail;
}

void Oid::trim(std::size_t n)
{
    ids_.resize(ids_.size() - std::min(n, ids_.size()));
}

int Oid::nCompare(std::size_t n, const Oid& other) const
{
    const std::size_t common = std::min({n, ids_.size(), other.ids_.size()});
    for (std::size_t i = 0; i < common; ++i) {
        if (ids_[i] != other.ids_[i])
            return ids_[i] < other.ids_[i] ? -1 : 1;
    }
    const std::size_t mine = std::min(n, ids_.size());
    const std::size_t theirs = std::min(n, other.ids_.size());
    if (mine == theirs)
        return 0;
    return mine < theirs ? -1 : 1;
}

bool Oid::is_prefix_of(const Oid& other) const
{
    return ids_.size() <= other.ids_.size() && std::equal(ids_.begin(), ids_.end(), other.ids_.begin());
}
