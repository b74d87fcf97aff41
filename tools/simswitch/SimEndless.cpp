#include "SimEndless.h"

#include <limits>

namespace {

// The last stored instance under `column`, or none.
const std::pair<const SimOid, SimValue>* LastUnder(const SimStore& store, const SimOid& column)
{
    const auto& values = store.Values();
    SimOid after = column;
    if (after.back() == std::numeric_limits<std::uint32_t>::max())
        return nullptr;
    ++after.back();
    auto it = values.lower_bound(after);
    if (it == values.begin())
        return nullptr;
    --it;
    return SimOidHasPrefix(it->first, column) ? &*it : nullptr;
}

}  // namespace

std::optional<SimInstance> SimEndlessNext(const SimStore& store, const std::vector<SimOid>& entries,
                                          const SimOid& name)
{
    for (const SimOid& entry : entries) {
        if (name.size() <= entry.size() || !SimOidHasPrefix(name, entry))
            continue;
        const SimOid column(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(entry.size() + 1));
        if (const auto* next = store.Next(name, false); next && SimOidHasPrefix(next->first, column))
            return std::nullopt;
        const auto* last = LastUnder(store, column);
        if (!last)
            return std::nullopt;
        const std::uint32_t asked = name.size() > column.size() ? name[column.size()] : 0;
        if (asked == std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        SimOid instance = column;
        instance.push_back(asked + 1);
        return SimInstance{std::move(instance), last->second};
    }
    return std::nullopt;
}
