#pragma once
// Where things lie on each front panel: the port buttons, the LED containers
// and their LEDs, the unit-number picture. The pictures are drawn over these
// tables, and the panel forms must place their controls by the same numbers
// so that buttons and LEDs fall on the sockets and LED windows drawn here.
//
// Positions are pixels inside the panel (unit panels 780 x 89, module
// panels 202 x 67). LED k of a group lies at
// container.x + left + (size + spacing) * k, container.y + 1, as the LED
// binder places its shapes.
#include <span>
#include <string_view>
#include <vector>

struct PanelRect {
    int x;
    int y;
    int w;
    int h;
};

enum class SocketKind { Rj45, Sfp, Xfp, Cx4 };
enum class LabelSide { None, Above, Below, Left, Right };

struct PortButtonPlace {
    int button;           // SpeedButton<n>; 0 for the module's X, -1 for its Y
    int port;             // front port number printed beside it (0: none)
    PanelRect rect;
    SocketKind socket;
    LabelSide label;      // where its number is printed; also the latch side
};

struct LedContainerPlace {
    std::string_view name; // the form's container, e.g. "LedPanel1"
    PanelRect rect;
    std::string_view caption; // printed beside it ("Power"), or empty
    LabelSide captionSide;
    LabelSide portNumbers; // print each LED's port number on this side
};

struct LedGroupPlace {
    std::string_view container;
    std::string_view bytes; // byte indexes of the status value, "4,8,12"
    int left;
    int spacing;
    int size; // LEDs are square
};

// Parts of the picture that no control covers.
enum class FixtureKind { Screw, Db9, SlotCover };

struct FixturePlace {
    FixtureKind kind;
    PanelRect rect;
    std::string_view caption; // printed above it, or empty
};

struct TextPlace {
    std::string_view text;
    int x;
    int y; // top of the text box
    int pixelSize;
    bool bold;
};

struct PanelLayout {
    std::string_view model; // also the picture's file name without ".jpg"
    int width;
    int height;
    std::span<const PortButtonPlace> buttons;
    std::span<const LedContainerPlace> containers;
    std::span<const LedGroupPlace> leds;
    PanelRect stackImage; // w == 0: the model has no unit-number picture
    std::span<const TextPlace> texts;
    std::span<const FixturePlace> fixtures;
    bool module;
};

// The five unit models and the two modules, in that order.
std::span<const PanelLayout> PanelLayouts();

// Every LED of a layout with its status byte, clipped to its container (a
// 7 x 7 LED at 1, 1 in a 7 x 7 container shows 6 x 6).
struct PlacedLed {
    PanelRect rect;
    int byteIndex;
    const LedContainerPlace* container;
};
std::vector<PlacedLed> PlaceLeds(const PanelLayout& layout);

// The unit-number pictures (one per stack unit, 1 to 12) are this size.
constexpr int kUnitPictureWidth = 26;
constexpr int kUnitPictureHeight = 30;

// The port an LED at status byte `byteIndex` belongs to: bytes 4 and 5 are
// port 1, 6 and 7 port 2, and so on; 0 for the system LEDs.
constexpr int PortOfLedByte(int byteIndex)
{
    return byteIndex < 4 ? 0 : (byteIndex - 4) / 2 + 1;
}
