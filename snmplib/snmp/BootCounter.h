#pragma once
// The SNMPv3 engine-boots counter file: one line per engine ID, the ID in
// hex, a blank, and its boots count ("566E53 12"). Other engines' lines
// are kept when one is saved.
#include <string>

#include "OctetStr.h"

inline constexpr int kMaxEngineBoots = 2147483647;

// Reads the boots of `engineId`. Returns BootCounterResult::Ok with the
// count, NoEntry or FileMissing with boots 0, or ReadError / BadFormat
// when the file cannot be read or the engine's line is damaged. Only a
// regular file of at most 64 KiB is read: a symbolic link, a FIFO, a
// device or a folder under the counter's name is a ReadError, found
// without waiting on it.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, int& boots);

// Stores `boots` (clamped to 0..2147483647) for `engineId`: the new file
// is written beside the old one, under a name of its own created afresh
// (never through a link), and then takes its place. The other engines'
// lines are read as getBootCounter reads them, so a counter that is not a
// regular file is a ReadError and stays as it is. A file that would grow
// past the 64 KiB getBootCounter reads is not written (WriteError): the
// counter stays as it was, every engine's line with it. Returns
// BootCounterResult::Ok, or ReadError / WriteError.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, int boots);
