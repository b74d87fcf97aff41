#pragma once
// A table as a data file declares it: how a row's instance splits into its
// index parts, and which columns a newly created row gets (an index column
// shows its part of the instance, another column its default). Rows read
// from data files are served as written, holes and all.
#include "SimValue.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

enum class SimIndexKind {
    Integer,    // one sub-identifier
    IpAddress,  // four, each 0-255
    String,     // a length, then that many octets
    Implied,    // every sub-identifier left, as octets (last part only)
    Mac,        // six octets
};

// "integer", "ipaddress", "string", "implied" or "mac", in any case.
std::optional<SimIndexKind> SimParseIndexKind(const std::string& word);

struct SimColumn {
    SimType type = SimType::Null;
    std::size_t indexPart = 0;        // 1-based index part it shows; 0 for none
    std::optional<SimValue> initial;  // a new row's value; none leaves a hole
};

struct SimTable {
    std::vector<SimIndexKind> index;
    std::map<std::uint32_t, SimColumn> columns;  // by column number

    // The instance cut into one part per index kind (a string part without
    // its length); nullopt when it does not cut exactly.
    std::optional<std::vector<SimOid>> Split(const SimOid& instance) const;
    // What an index column shows for that part; nullopt when the part does
    // not fit the column's type.
    std::optional<SimValue> IndexValue(const SimColumn& column, const std::vector<SimOid>& parts) const;
    // Empty when `column` may show its index part, else why not.
    std::string CheckIndexColumn(const SimColumn& column) const;
};
