#pragma once
// The SNMPv3 engine-boots counter file: one line per engine ID, the ID in
// hex, a blank, and its boots count ("566E53 12"). Other engines' lines
// are kept when one is saved.
#include <string>

#include "OctetStr.h"

inline constexpr int kMaxEngineBoots = 2147483647;

// Reads the boots of `engineId`. Returns BootCounterResult::Ok with the
// count, NoEntry or FileMissing with boots 0, or ReadError / BadFormat
// when the file cannot be read or the engine's line is damaged.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, int& boots);

// Stores `boots` (clamped to 0..2147483647) for `engineId`: the new file
// is written beside the old one, under a name of its own created afresh
// (never through a link), and then takes its place. A counter file that is
// a symbolic link is replaced by a file; its target is not written. Returns
// BootCounterResult::Ok, or ReadError / WriteError.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, int boots);
