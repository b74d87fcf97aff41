#pragma once
// An address typed into a key field: the library encodes an index from
// whatever numbers the text holds ("10.0.0" and a protocol 4 would address
// 10.0.0.4), so a dialog checks it before anything is sent.
#include <QString>

// Four dotted numbers from 0 to 255.
bool VnIsIpAddressText(const QString& text);

// The message a dialog shows for an address that is none.
inline constexpr const char* kVnNotAnAddressText = "The IP address must be four numbers from 0 to 255.";
