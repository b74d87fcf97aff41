#pragma once
// One-time set-up of the Net-SNMP library for this process.

// Initialises Net-SNMP on first use so that it reads no configuration or
// MIB file and writes no state anywhere. Safe to call often.
void EnsureNetSnmpLibrary();
