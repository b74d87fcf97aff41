#include "PanelLayout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace {

using enum SocketKind;
using enum LabelSide;

// Stacked RJ-45 pairs: port 2c + 1 above port 2c + 2 in column c, so that
// the button numbers run 1, 2, 3, ... down the columns; the upper jack
// prints its number above, the lower one below. `extra` follows them.
template <std::size_t Columns, std::size_t Extra>
constexpr std::array<PortButtonPlace, 2 * Columns + Extra>
Rj45Pairs(const std::array<int, Columns>& xs, int width, int topY, int bottomY, int height,
          const std::array<PortButtonPlace, Extra>& extra)
{
    std::array<PortButtonPlace, 2 * Columns + Extra> out{};
    for (std::size_t c = 0; c < Columns; ++c) {
        const int odd = static_cast<int>(2 * c + 1);
        out[2 * c] = {odd, odd, {xs[c], topY, width, height}, Rj45, Above};
        out[2 * c + 1] = {odd + 1, odd + 1, {xs[c], bottomY, width, height}, Rj45, Below};
    }
    for (std::size_t i = 0; i < Extra; ++i)
        out[2 * Columns + i] = extra[i];
    return out;
}

// Columns in blocks of six with a gap between blocks.
template <std::size_t Columns>
constexpr std::array<int, Columns> BlockColumns(int x0, int pitch, int gap)
{
    std::array<int, Columns> xs{};
    for (std::size_t c = 0; c < Columns; ++c)
        xs[c] = x0 + static_cast<int>(c) * pitch + static_cast<int>(c / 6) * gap;
    return xs;
}

// The 24-port models share the port columns the RQ-4024S fixes.
constexpr std::array<int, 12> kColumns24 = {346, 372, 397, 422, 448, 473,
                                            507, 532, 557, 582, 607, 632};

// System LEDs: one 7 x 7 container each, captions on their left.
template <int X>
constexpr std::array<LedContainerPlace, 4> kSystemLeds = {{
    {"PowerLedPanel", {X, 31, 7, 7}, "Power", Left, None},
    {"MasterLedPanel", {X, 42, 7, 7}, "Master", Left, None},
    {"ConsoleLedPanel", {X, 53, 7, 7}, "Console", Left, None},
    {"RPowerLedPanel", {X, 65, 7, 7}, "RPS", Left, None},
}};

constexpr LedGroupPlace kSystemGroups[] = {
    {"PowerLedPanel", "0", 1, 10, 7},
    {"MasterLedPanel", "1", 1, 10, 7},
    {"ConsoleLedPanel", "2", 1, 10, 7},
    {"RPowerLedPanel", "3", 1, 10, 7},
};

template <std::size_t A, std::size_t B>
constexpr std::array<LedContainerPlace, A + B> Join(const std::array<LedContainerPlace, A>& a,
                                                    const std::array<LedContainerPlace, B>& b)
{
    std::array<LedContainerPlace, A + B> out{};
    for (std::size_t i = 0; i < A; ++i)
        out[i] = a[i];
    for (std::size_t i = 0; i < B; ++i)
        out[A + i] = b[i];
    return out;
}

template <std::size_t B>
constexpr std::array<LedGroupPlace, 4 + B> WithSystem(const std::array<LedGroupPlace, B>& b)
{
    std::array<LedGroupPlace, 4 + B> out{};
    for (std::size_t i = 0; i < 4; ++i)
        out[i] = kSystemGroups[i];
    for (std::size_t i = 0; i < B; ++i)
        out[4 + i] = b[i];
    return out;
}

constexpr PanelRect kStackImage = {16, 42, kUnitPictureWidth, kUnitPictureHeight};

// ---- RQ-4024S: the positions of the buttons, strips and system LEDs are
// the ones the panel form fixes.

constexpr auto k4024SButtons = Rj45Pairs(kColumns24, 25, 18, 46, 27,
                                         std::array<PortButtonPlace, 4>{{
                                             {25, 21, {663, 50, 27, 23}, Sfp, Above},
                                             {26, 22, {691, 50, 27, 23}, Sfp, Above},
                                             {27, 23, {720, 50, 27, 23}, Sfp, Above},
                                             {28, 24, {750, 50, 27, 23}, Sfp, Above},
                                         }});

// Odd ports in the upper strips, even ports in the lower ones; the numbers
// stand between the two strips of a pair.
constexpr std::array<LedContainerPlace, 6> k4024SStrips = {{
    {"LedPanel1", {150, 19, 145, 7}, "", None, None},
    {"LedPanel2", {150, 38, 145, 7}, "", None, Above},
    {"LedPanel3", {150, 49, 145, 7}, "", None, None},
    {"LedPanel4", {150, 67, 145, 7}, "", None, Above},
    {"SIOPanel1", {304, 49, 7, 7}, "25", Right, None},
    {"SIOPanel2", {304, 65, 7, 7}, "26", Right, None},
}};
constexpr auto k4024SContainers = Join(kSystemLeds<113>, k4024SStrips);

constexpr std::array<LedGroupPlace, 10> k4024SStripGroups = {{
    {"LedPanel2", "4,8,12,16,20", 0, 7, 5},
    {"LedPanel2", "24,28,32,36,40,44,48", 61, 8, 5},
    {"LedPanel1", "5,9,13,17,21", 0, 7, 5},
    {"LedPanel1", "25,29,33,37,41,45,49", 61, 8, 5},
    {"LedPanel4", "6,10,14,18,22", 0, 7, 5},
    {"LedPanel4", "26,30,34,38,42,46,50", 61, 8, 5},
    {"LedPanel3", "7,11,15,19,23", 0, 7, 5},
    {"LedPanel3", "27,31,35,39,43,47,51", 61, 8, 5},
    {"SIOPanel1", "52", 1, 10, 7},
    {"SIOPanel2", "54", 1, 10, 7},
}};
constexpr auto k4024SLeds = WithSystem(k4024SStripGroups);

constexpr TextPlace k4024STexts[] = {
    {"RQ-4024S", 10, 7, 13, true},
    {"VARONET", 10, 23, 8, false},
    {"Unit", 18, 76, 8, false},
};

constexpr FixturePlace kConsoleTopRight[] = {
    {FixtureKind::Db9, {694, 15, 54, 19}, "Console"},
};

// ---- RQ-4124S: 24 ports, no combo ports; a two-port expansion slot.

constexpr auto k4124SButtons =
    Rj45Pairs(kColumns24, 25, 18, 46, 27, std::array<PortButtonPlace, 0>{});

constexpr std::array<LedContainerPlace, 6> k4124SStrips = {{
    {"LedPanel1", {150, 19, 127, 7}, "", None, None},
    {"LedPanel2", {150, 38, 127, 7}, "", None, Above},
    {"LedPanel3", {150, 49, 127, 7}, "", None, None},
    {"LedPanel4", {150, 67, 127, 7}, "", None, Above},
    {"SIOPanel1", {304, 49, 7, 7}, "25", Right, None},
    {"SIOPanel2", {304, 65, 7, 7}, "26", Right, None},
}};
constexpr auto k4124SContainers = Join(kSystemLeds<113>, k4124SStrips);

constexpr std::array<LedGroupPlace, 6> k4124SStripGroups = {{
    {"LedPanel1", "4,8,12,16,20,24,28,32,36,40,44,48", 0, 6, 5},
    {"LedPanel2", "5,9,13,17,21,25,29,33,37,41,45,49", 0, 6, 5},
    {"LedPanel3", "6,10,14,18,22,26,30,34,38,42,46,50", 0, 6, 5},
    {"LedPanel4", "7,11,15,19,23,27,31,35,39,43,47,51", 0, 6, 5},
    {"SIOPanel1", "52", 1, 10, 7},
    {"SIOPanel2", "54", 1, 10, 7},
}};
constexpr auto k4124SLeds = WithSystem(k4124SStripGroups);

constexpr TextPlace k4124STexts[] = {
    {"RQ-4124S", 10, 7, 13, true},
    {"VARONET", 10, 23, 8, false},
    {"Unit", 18, 76, 8, false},
};

constexpr FixturePlace k4124SFixtures[] = {
    {FixtureKind::Db9, {694, 15, 54, 19}, "Console"},
    {FixtureKind::SlotCover, {666, 44, 108, 36}, "25 - 26"},
};

// ---- RQ-4024T: eight combo ports (17 to 24), six slot LEDs, no unit
// picture.

constexpr auto k4024TButtons = Rj45Pairs(kColumns24, 25, 18, 46, 27,
                                         std::array<PortButtonPlace, 8>{{
                                             {25, 17, {663, 16, 27, 23}, Sfp, Above},
                                             {26, 18, {691, 16, 27, 23}, Sfp, Above},
                                             {27, 19, {720, 16, 27, 23}, Sfp, Above},
                                             {28, 20, {750, 16, 27, 23}, Sfp, Above},
                                             {29, 21, {663, 50, 27, 23}, Sfp, Below},
                                             {30, 22, {691, 50, 27, 23}, Sfp, Below},
                                             {31, 23, {720, 50, 27, 23}, Sfp, Below},
                                             {32, 24, {750, 50, 27, 23}, Sfp, Below},
                                         }});

constexpr std::array<LedContainerPlace, 10> k4024TStrips = {{
    {"LedPanel1", {150, 19, 145, 7}, "", None, None},
    {"LedPanel2", {150, 38, 145, 7}, "", None, Above},
    {"LedPanel3", {150, 49, 145, 7}, "", None, None},
    {"LedPanel4", {150, 67, 145, 7}, "", None, Above},
    {"SIOPanel1", {304, 19, 7, 7}, "25", Right, None},
    {"SIOPanel2", {304, 29, 7, 7}, "26", Right, None},
    {"SIOPanel3", {304, 39, 7, 7}, "27", Right, None},
    {"SIOPanel4", {304, 49, 7, 7}, "28", Right, None},
    {"SIOPanel5", {304, 59, 7, 7}, "29", Right, None},
    {"SIOPanel6", {304, 69, 7, 7}, "30", Right, None},
}};
constexpr auto k4024TContainers = Join(kSystemLeds<113>, k4024TStrips);

constexpr std::array<LedGroupPlace, 14> k4024TStripGroups = {{
    {"LedPanel2", "4,8,12,16,20", 0, 7, 5},
    {"LedPanel2", "24,28,32,36,40,44,48", 61, 8, 5},
    {"LedPanel1", "5,9,13,17,21", 0, 7, 5},
    {"LedPanel1", "25,29,33,37,41,45,49", 61, 8, 5},
    {"LedPanel4", "6,10,14,18,22", 0, 7, 5},
    {"LedPanel4", "26,30,34,38,42,46,50", 61, 8, 5},
    {"LedPanel3", "7,11,15,19,23", 0, 7, 5},
    {"LedPanel3", "27,31,35,39,43,47,51", 61, 8, 5},
    {"SIOPanel1", "52", 1, 10, 7},
    {"SIOPanel2", "54", 1, 10, 7},
    {"SIOPanel3", "56", 1, 10, 7},
    {"SIOPanel4", "58", 1, 10, 7},
    {"SIOPanel5", "60", 1, 10, 7},
    {"SIOPanel6", "62", 1, 10, 7},
}};
constexpr auto k4024TLeds = WithSystem(k4024TStripGroups);

constexpr TextPlace k4024TTexts[] = {
    {"RQ-4024T", 10, 7, 13, true},
    {"VARONET", 10, 23, 8, false},
};

// ---- RQ-6026S: one LED per port; stacking LEDs 27 and 28; the module
// slot (ports 25 and 26) is a panel of its own.

constexpr auto k6026SButtons = Rj45Pairs(kColumns24, 25, 18, 46, 27,
                                         std::array<PortButtonPlace, 4>{{
                                             {25, 21, {663, 50, 27, 23}, Sfp, Above},
                                             {26, 22, {691, 50, 27, 23}, Sfp, Above},
                                             {27, 23, {720, 50, 27, 23}, Sfp, Above},
                                             {28, 24, {750, 50, 27, 23}, Sfp, Above},
                                         }});

constexpr std::array<LedContainerPlace, 4> k6026SStrips = {{
    {"LedPanel1", {150, 31, 145, 7}, "", None, Above},
    {"LedPanel2", {150, 51, 145, 7}, "", None, Below},
    {"SIOPanel1", {304, 31, 7, 7}, "27", Right, None},
    {"SIOPanel2", {304, 51, 7, 7}, "28", Right, None},
}};
constexpr auto k6026SContainers = Join(kSystemLeds<113>, k6026SStrips);

constexpr std::array<LedGroupPlace, 12> k6026SStripGroups = {{
    {"LedPanel1", "5,9,13,17", 0, 7, 5},
    {"LedPanel1", "21,25", 50, 7, 5},
    {"LedPanel1", "29,33", 75, 7, 5},
    {"LedPanel1", "37,41", 100, 7, 5},
    {"LedPanel1", "45,49", 125, 8, 5},
    {"LedPanel2", "7,11,15,19", 0, 7, 5},
    {"LedPanel2", "23,27", 50, 7, 5},
    {"LedPanel2", "31,35", 75, 7, 5},
    {"LedPanel2", "39,43", 100, 7, 5},
    {"LedPanel2", "47,51", 125, 8, 5},
    {"SIOPanel1", "56", 1, 10, 7},
    {"SIOPanel2", "58", 1, 10, 7},
}};
constexpr auto k6026SLeds = WithSystem(k6026SStripGroups);

constexpr TextPlace k6026STexts[] = {
    {"RQ-6026S", 10, 7, 13, true},
    {"VARONET", 10, 23, 8, false},
    {"Unit", 18, 76, 8, false},
};

// ---- RQ-6050S: 48 ports in four blocks of six pairs, 16 pixels apart;
// three strips of sixteen 7 x 7 LEDs; combo ports 45 to 48.

constexpr auto k6050SButtons = Rj45Pairs(BlockColumns<24>(320, 16, 4), 16, 21, 46, 24,
                                         std::array<PortButtonPlace, 4>{{
                                             {49, 45, {722, 21, 26, 22}, Sfp, Above},
                                             {50, 46, {722, 48, 26, 22}, Sfp, Below},
                                             {51, 47, {750, 21, 26, 22}, Sfp, Above},
                                             {52, 48, {750, 48, 26, 22}, Sfp, Below},
                                         }});

constexpr std::array<LedContainerPlace, 5> k6050SStrips = {{
    {"LedPanel1", {100, 24, 200, 9}, "", None, Above},
    {"LedPanel2", {100, 44, 200, 9}, "", None, Above},
    {"LedPanel3", {100, 64, 200, 9}, "", None, Above},
    {"SIOPanel1", {306, 38, 7, 7}, "51", Above, None},
    {"SIOPanel2", {306, 64, 7, 7}, "52", Above, None},
}};
constexpr auto k6050SContainers = Join(kSystemLeds<84>, k6050SStrips);

constexpr std::array<LedGroupPlace, 8> k6050SStripGroups = {{
    {"LedPanel1", "5,7,9,11,13,15,17,19", 0, 6, 7},
    {"LedPanel1", "21,23,25,27,29,31,33,35", 101, 6, 7},
    {"LedPanel2", "37,39,41,43,45,47,49,51", 0, 6, 7},
    {"LedPanel2", "53,55,57,59,61,63,65,67", 101, 6, 7},
    {"LedPanel3", "69,71,73,75,77,79,81,83", 0, 6, 7},
    {"LedPanel3", "85,87,89,91,93,95,97,99", 101, 6, 7},
    {"SIOPanel1", "104", 1, 10, 7},
    {"SIOPanel2", "106", 1, 10, 7},
}};
constexpr auto k6050SLeds = WithSystem(k6050SStripGroups);

constexpr TextPlace k6050STexts[] = {
    {"RQ-6050S", 8, 7, 13, true},
    {"VARONET", 8, 23, 8, false},
    {"Unit", 18, 76, 8, false},
};

// ---- Modules: two ports, one LED each. The LEDs' status bytes depend on
// the host unit (101 and 103 under an RQ-6050S, 53 and 55 under an
// RQ-6026S); only their place matters here.

constexpr PortButtonPlace kXfpButtons[] = {
    {0, 0, {30, 27, 62, 26}, Xfp, None},
    {-1, 0, {110, 27, 62, 26}, Xfp, None},
};
constexpr PortButtonPlace kCx4Buttons[] = {
    {0, 0, {30, 27, 62, 26}, Cx4, None},
    {-1, 0, {110, 27, 62, 26}, Cx4, None},
};

constexpr LedContainerPlace kModuleContainers[] = {
    {"pLedPort1", {30, 13, 8, 8}, "1", Right, None},
    {"pLedPort2", {110, 13, 8, 8}, "2", Right, None},
};
constexpr LedGroupPlace kModuleLeds[] = {
    {"pLedPort1", "101", 1, 10, 6},
    {"pLedPort2", "103", 1, 10, 6},
};

constexpr TextPlace kRM210XTexts[] = {{"RM-210X", 140, 6, 9, true}};
constexpr TextPlace kRM210CTexts[] = {{"RM-210C", 140, 6, 9, true}};

constexpr FixturePlace kModuleScrews[] = {
    {FixtureKind::Screw, {6, 28, 11, 11}, ""},
    {FixtureKind::Screw, {185, 28, 11, 11}, ""},
};

constexpr PanelRect kNoImage = {0, 0, 0, 0};

constexpr PanelLayout kLayouts[] = {
    {"RQ-4024S", 780, 89, k4024SButtons, k4024SContainers, k4024SLeds, kStackImage,
     k4024STexts, kConsoleTopRight, false},
    {"RQ-4024T", 780, 89, k4024TButtons, k4024TContainers, k4024TLeds, kNoImage, k4024TTexts,
     {}, false},
    {"RQ-4124S", 780, 89, k4124SButtons, k4124SContainers, k4124SLeds, kStackImage,
     k4124STexts, k4124SFixtures, false},
    {"RQ-6026S", 780, 89, k6026SButtons, k6026SContainers, k6026SLeds, kStackImage,
     k6026STexts, kConsoleTopRight, false},
    {"RQ-6050S", 780, 89, k6050SButtons, k6050SContainers, k6050SLeds,
     {14, 42, kUnitPictureWidth, kUnitPictureHeight}, k6050STexts, {}, false},
    {"RM-210X", 202, 67, kXfpButtons, kModuleContainers, kModuleLeds, kNoImage, kRM210XTexts,
     kModuleScrews, true},
    {"RM-210C", 202, 67, kCx4Buttons, kModuleContainers, kModuleLeds, kNoImage, kRM210CTexts,
     kModuleScrews, true},
};

} // namespace

std::span<const PanelLayout> PanelLayouts()
{
    return kLayouts;
}

std::vector<PlacedLed> PlaceLeds(const PanelLayout& layout)
{
    std::vector<PlacedLed> leds;
    for (const auto& group : layout.leds) {
        const auto container = std::find_if(layout.containers.begin(), layout.containers.end(),
                                             [&](const auto& c) { return c.name == group.container; });
        if (container == layout.containers.end())
            continue;
        const PanelRect& box = container->rect;
        std::string_view rest = group.bytes;
        for (int k = 0; !rest.empty(); ++k) {
            const auto comma = rest.find(',');
            const auto item = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
            int byteIndex = -1;
            std::from_chars(item.data(), item.data() + item.size(), byteIndex);
            const int x = box.x + group.left + (group.size + group.spacing) * k;
            const int y = box.y + 1;
            const int right = std::min(x + group.size, box.x + box.w);
            const int bottom = std::min(y + group.size, box.y + box.h);
            leds.push_back({{x, y, std::max(0, right - x), std::max(0, bottom - y)}, byteIndex,
                            &*container});
        }
    }
    return leds;
}
