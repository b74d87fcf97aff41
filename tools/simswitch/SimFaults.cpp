#include "SimFaults.h"

#include <algorithm>

bool SimParseOps(const std::string& text, std::vector<SimOp>& ops)
{
    if (text == "get")
        ops = {SimOp::Get};
    else if (text == "getnext")
        ops = {SimOp::GetNext};
    else if (text == "set")
        ops = {SimOp::Set};
    else if (text == "all")
        ops = {SimOp::Get, SimOp::GetNext, SimOp::Set};
    else
        return false;
    return true;
}

std::optional<SimSetSpoil> SimParseSpoil(const std::string& text)
{
    static const struct {
        const char* name;
        SimSetSpoil spoil;
    } kNames[] = {
        {"off", SimSetSpoil::Off},
        {"none", SimSetSpoil::None},
        {"fewer", SimSetSpoil::Fewer},
        {"more", SimSetSpoil::More},
        {"oid", SimSetSpoil::Oid},
        {"type", SimSetSpoil::Type},
        {"value", SimSetSpoil::Value},
        {"wide", SimSetSpoil::Wide},
        {"nosuchobject", SimSetSpoil::NoSuchObject},
        {"nosuchinstance", SimSetSpoil::NoSuchInstance},
        {"endofmibview", SimSetSpoil::EndOfMibView},
    };
    for (const auto& entry : kNames) {
        if (text == entry.name)
            return entry.spoil;
    }
    return std::nullopt;
}

std::optional<SimEncoding> SimParseEncoding(const std::string& text)
{
    static const struct {
        const char* name;
        SimEncoding encoding;
    } kNames[] = {
        {"off", SimEncoding::Off},
        {"long-lengths", SimEncoding::LongLengths},
        {"wide-id", SimEncoding::WideId},
        {"wide-status", SimEncoding::WideStatus},
        {"community-tag", SimEncoding::CommunityTag},
        {"nested", SimEncoding::Nested},
    };
    for (const auto& entry : kNames) {
        if (text == entry.name)
            return entry.encoding;
    }
    return std::nullopt;
}

std::optional<SimNextAnswer> SimParseNextAnswer(const std::string& text)
{
    if (text == "back")
        return SimNextAnswer{true, {}};
    if (auto oid = SimParseOid(text))
        return SimNextAnswer{false, *oid};
    return std::nullopt;
}

void SimFaults::Drop(const SimOid& prefix)
{
    if (std::find(drops_.begin(), drops_.end(), prefix) == drops_.end())
        drops_.push_back(prefix);
}

void SimFaults::Undrop(const SimOid& prefix)
{
    std::erase(drops_, prefix);
}

void SimFaults::SetError(const SimOid& prefix, SimOp op, int status)
{
    std::erase_if(errors_, [&](const ErrorRule& r) { return r.prefix == prefix && r.op == op; });
    if (status != 0)
        errors_.push_back({prefix, op, status});
}

void SimFaults::SetDelay(const SimOid& prefix, int ms)
{
    std::erase_if(delays_, [&](const DelayRule& r) { return r.prefix == prefix; });
    if (ms > 0)
        delays_.push_back({prefix, ms});
}

void SimFaults::SetDuplicate(const SimOid& prefix, int copies, bool late)
{
    std::erase_if(duplicates_, [&](const DuplicateRule& r) { return r.prefix == prefix; });
    if (copies > 1)
        duplicates_.push_back({prefix, copies, late});
}

void SimFaults::SetSpoil(const SimOid& prefix, SimSetSpoil spoil)
{
    std::erase_if(spoils_, [&](const SpoilRule& r) { return r.prefix == prefix; });
    if (spoil != SimSetSpoil::Off)
        spoils_.push_back({prefix, spoil});
}

void SimFaults::SetEncoding(const SimOid& prefix, SimEncoding encoding)
{
    std::erase_if(encodings_, [&](const EncodingRule& r) { return r.prefix == prefix; });
    if (encoding != SimEncoding::Off)
        encodings_.push_back({prefix, encoding});
}

void SimFaults::SetEndless(const SimOid& entry, bool on)
{
    std::erase(endless_, entry);
    if (on)
        endless_.push_back(entry);
}

void SimFaults::SetNextAnswer(const SimOid& prefix, const std::optional<SimNextAnswer>& answer)
{
    std::erase_if(nextAnswers_, [&](const NextAnswerRule& r) { return r.prefix == prefix; });
    if (answer)
        nextAnswers_.push_back({prefix, *answer});
}

void SimFaults::Clear()
{
    drops_.clear();
    errors_.clear();
    delays_.clear();
    duplicates_.clear();
    spoils_.clear();
    encodings_.clear();
    endless_.clear();
    nextAnswers_.clear();
}

bool SimFaults::IsDropped(const SimOid& oid) const
{
    return std::any_of(drops_.begin(), drops_.end(),
                       [&](const SimOid& prefix) { return SimOidHasPrefix(oid, prefix); });
}

std::optional<int> SimFaults::ErrorFor(const SimOid& oid, SimOp op) const
{
    for (const auto& rule : errors_) {
        if (rule.op == op && SimOidHasPrefix(oid, rule.prefix))
            return rule.status;
    }
    return std::nullopt;
}

int SimFaults::DelayFor(const SimOid& oid) const
{
    for (const auto& rule : delays_) {
        if (SimOidHasPrefix(oid, rule.prefix))
            return rule.ms;
    }
    return 0;
}

int SimFaults::CopiesFor(const SimOid& oid, bool* late) const
{
    for (const auto& rule : duplicates_) {
        if (SimOidHasPrefix(oid, rule.prefix)) {
            if (late)
                *late = rule.late;
            return rule.copies;
        }
    }
    return 1;
}

SimSetSpoil SimFaults::SpoilFor(const SimOid& oid) const
{
    for (const auto& rule : spoils_) {
        if (SimOidHasPrefix(oid, rule.prefix))
            return rule.spoil;
    }
    return SimSetSpoil::Off;
}

SimEncoding SimFaults::EncodingFor(const SimOid& oid) const
{
    for (const auto& rule : encodings_) {
        if (SimOidHasPrefix(oid, rule.prefix))
            return rule.encoding;
    }
    return SimEncoding::Off;
}

std::optional<SimNextAnswer> SimFaults::NextAnswerFor(const SimOid& oid) const
{
    for (const auto& rule : nextAnswers_) {
        if (SimOidHasPrefix(oid, rule.prefix))
            return rule.answer;
    }
    return std::nullopt;
}
