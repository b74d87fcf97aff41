#pragma once
// A stack port carried as one number, (unit - 1) * 64 + port, and back.
// Pure functions: no widgets, no switch.

struct VnUnitPort {
    int unit = 0;
    int port = 0;
    bool operator==(const VnUnitPort&) const = default;
};

inline constexpr int kVnPortsPerUnitIndex = 64;

// (unit - 1) * 64 + port.
constexpr int VnPortIndex(int unit, int port)
{
    return (unit - 1) * kVnPortsPerUnitIndex + port;
}

// A trunk master or a segmentation row: a multiple of 64 is port 64 of the
// unit before it (64 -> 1/64, 65 -> 2/1); 0 and below are 0/0.
constexpr VnUnitPort VnUnitPortOfIndex(int index)
{
    if (index <= 0)
        return {};
    const int q = index / kVnPortsPerUnitIndex;
    const int r = index % kVnPortsPerUnitIndex;
    return r != 0 ? VnUnitPort{q + 1, r} : VnUnitPort{q, kVnPortsPerUnitIndex};
}

// The mirror target as its dialog shows it: unit index / 64 + 1 and port
// index mod 64 (so 64 -> 2/0); 0 and below are 0/0.
constexpr VnUnitPort VnMirrorUnitPortOfIndex(int index)
{
    if (index <= 0)
        return {};
    return {index / kVnPortsPerUnitIndex + 1, index % kVnPortsPerUnitIndex};
}
