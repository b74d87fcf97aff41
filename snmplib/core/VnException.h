#pragma once
// The library's exception: message text plus the numeric code as help context.
#include <stdexcept>
#include <string>

class VnException : public std::runtime_error {
public:
    explicit VnException(const std::string& message, int helpContext = 0)
        : std::runtime_error(message), helpContext_(helpContext) {}
    int HelpContext() const noexcept { return helpContext_; }

private:
    int helpContext_;
};

// Raises the library's own failure `code` (-500..-528 and the mapped SNMP
// codes) with the message text of the current message tables.
[[noreturn]] void VnRaise(int code);
