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

void SimFaults::Clear()
{
    drops_.clear();
    errors_.clear();
    delays_.clear();
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
