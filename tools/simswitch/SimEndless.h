#pragma once
// An agent whose table never ends: past the last stored row of a column,
// a get-next is answered with the next instance all the same, holding the
// column's last value, so the instances keep growing and a walk that
// trusts the agent to leave the table never stops.
#include "SimStore.h"
#include "SimValue.h"

#include <optional>
#include <utility>
#include <vector>

// As the store holds an instance.
using SimInstance = std::pair<const SimOid, SimValue>;

// The answer an endless table gives to a get-next of `name`: nullopt when
// `name` lies in none of the `entries`' columns, or when the store still
// has an instance after it in that column, or the column has no row at
// all. Otherwise column.(n + 1), n being the first sub-identifier of the
// instance asked after, with the column's last stored value.
std::optional<SimInstance> SimEndlessNext(const SimStore& store, const std::vector<SimOid>& entries,
                                          const SimOid& name);
