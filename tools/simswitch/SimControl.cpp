#include "SimControl.h"

namespace {

std::string Fail(const std::string& message)
{
    return "error " + message + "\n";
}

}  // namespace

std::string SimControl::Run(const std::string& rawLine)
{
    auto words = SimDataFile::SplitWords(SimDataFile::StripComment(rawLine), 1);
    const std::string& command = words[0];
    const std::string& rest = words[1];

    if (command.empty() || command == "ping")
        return "ok\n";
    if (command == "quit") {
        quit_ = true;
        return "ok\n";
    }
    if (command == "sets")
        return record_.Format() + "ok\n";
    if (command == "clear-sets") {
        record_.Clear();
        return "ok\n";
    }
    if (command == "clear-faults") {
        config_.faults.Clear();
        return "ok\n";
    }
    if (command == "undrop") {
        auto oid = SimParseOid(rest);
        if (!oid)
            return Fail("bad OID '" + rest + "'");
        config_.faults.Undrop(*oid);
        return "ok\n";
    }
    if (command == "get" || command == "unset") {
        auto oid = SimParseOid(rest);
        if (!oid)
            return Fail("bad OID '" + rest + "'");
        if (command == "unset")
            return config_.store.Erase(*oid) ? "ok\n" : Fail("no such instance");
        const SimValue* value = config_.store.Find(*oid);
        if (!value)
            return "none\nok\n";
        return "value " + SimFormatOid(*oid) + ' ' +
               SimTypeName(static_cast<std::uint8_t>(value->type)) + ' ' + SimFormatValue(*value) +
               "\nok\n";
    }
    if (command == "set") {
        auto args = SimDataFile::SplitWords(rest, 1);
        auto oid = SimParseOid(args[0]);
        if (!oid)
            return Fail("bad OID '" + args[0] + "'");
        if (!config_.IsServed(*oid))
            return Fail("OID outside the served subtrees");
        std::string error;
        if (!SimDataFile::ParseLine(rest, config_, error))
            return Fail(error);
        return "ok\n";
    }
    // The fault directives read the same here as in a data file.
    if (command == "drop" || command == "error" || command == "delay" || command == "duplicate" ||
        command == "spoil-set" || command == "encoding" || command == "answer-next" || command == "filesystem" ||
        command.rfind("fs-", 0) == 0) {
        std::string error;
        if (!SimDataFile::ParseLine(command + ' ' + rest, config_, error))
            return Fail(error);
        return "ok\n";
    }
    if (command == "endless") {
        std::string error;
        if (!SimDataFile::ParseLine(command + ' ' + rest, config_, error))
            return Fail(error);
        return "ok\n";
    }
    return Fail("unknown command '" + command + "'");
}
