#include "PanelLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

bool Inside(const PanelRect& r, int width, int height)
{
    return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= width
           && r.y + r.h <= height;
}

bool Overlap(const PanelRect& a, const PanelRect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

const PanelLayout* Find(std::string_view model)
{
    for (const auto& layout : PanelLayouts()) {
        if (layout.model == model)
            return &layout;
    }
    return nullptr;
}

struct ModelCase {
    const char* model;
    int width;
    int height;
    int buttons;     // SpeedButton1 .. n (modules: X and Y)
    int regular;     // buttons that are their own port
    int extra;       // a later button addresses port n - extra
    int leds;        // system, port and slot LEDs together
    bool stackImage;
};

const ModelCase kModels[] = {
    {"RQ-4024S", 780, 89, 28, 24, 4, 4 + 48 + 2, true},
    {"RQ-4024T", 780, 89, 32, 24, 8, 4 + 48 + 6, false},
    {"RQ-4124S", 780, 89, 24, 24, 0, 4 + 48 + 2, true},
    {"RQ-6026S", 780, 89, 28, 24, 4, 4 + 24 + 2, true},
    {"RQ-6050S", 780, 89, 52, 48, 4, 4 + 48 + 2, true},
    {"RM-210X", 202, 67, 2, 0, 0, 2, false},
    {"RM-210C", 202, 67, 2, 0, 0, 2, false},
};

TEST(PanelLayout, EveryModelHasItsButtonsAndLeds)
{
    ASSERT_EQ(PanelLayouts().size(), std::size(kModels));
    for (const auto& c : kModels) {
        SCOPED_TRACE(c.model);
        const auto* layout = Find(c.model);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->width, c.width);
        EXPECT_EQ(layout->height, c.height);
        ASSERT_EQ(static_cast<int>(layout->buttons.size()), c.buttons);
        EXPECT_EQ(PlaceLeds(*layout).size(), static_cast<size_t>(c.leds))
            << "an LED group names a container the layout does not have";
        EXPECT_EQ(layout->stackImage.w > 0, c.stackImage);
        if (c.stackImage) {
            EXPECT_EQ(layout->stackImage.w, kUnitPictureWidth);
            EXPECT_EQ(layout->stackImage.h, kUnitPictureHeight);
        }
    }
}

TEST(PanelLayout, PrintedPortNumbersMatchTheButtonsPorts)
{
    // A combo button must sit under the number of the port its Tag
    // addresses, or the user presses "21" and gets another port.
    for (const auto& c : kModels) {
        SCOPED_TRACE(c.model);
        const auto* layout = Find(c.model);
        ASSERT_NE(layout, nullptr);
        std::set<int> numbers;
        for (const auto& b : layout->buttons) {
            numbers.insert(b.button);
            if (layout->module)
                continue;
            const int port = b.button <= c.regular ? b.button : b.button - c.extra;
            EXPECT_EQ(b.port, port) << "SpeedButton" << b.button;
        }
        EXPECT_EQ(static_cast<int>(numbers.size()), c.buttons) << "a button number twice";
        if (!layout->module) {
            EXPECT_EQ(*numbers.begin(), 1);
            EXPECT_EQ(*numbers.rbegin(), c.buttons);
        }
    }
}

TEST(PanelLayout, NothingOverlapsOrLeavesThePanel)
{
    for (const auto& layout : PanelLayouts()) {
        SCOPED_TRACE(std::string(layout.model));
        for (const auto& b : layout.buttons) {
            EXPECT_TRUE(Inside(b.rect, layout.width, layout.height)) << "button " << b.button;
            for (const auto& other : layout.buttons) {
                if (&other != &b) {
                    EXPECT_FALSE(Overlap(b.rect, other.rect))
                        << "buttons " << b.button << " and " << other.button;
                }
            }
        }
        for (const auto& container : layout.containers)
            EXPECT_TRUE(Inside(container.rect, layout.width, layout.height)) << container.name;
        const auto leds = PlaceLeds(layout);
        for (const auto& led : leds) {
            // At least 5 x 5 of every LED must show inside its container.
            EXPECT_GE(led.rect.w, 5) << "byte " << led.byteIndex;
            EXPECT_GE(led.rect.h, 5) << "byte " << led.byteIndex;
            for (const auto& b : layout.buttons)
                EXPECT_FALSE(Overlap(led.rect, b.rect)) << "byte " << led.byteIndex;
            for (const auto& other : leds) {
                if (&other != &led) {
                    EXPECT_FALSE(Overlap(led.rect, other.rect)) << "byte " << led.byteIndex;
                }
            }
        }
        if (layout.stackImage.w > 0) {
            EXPECT_TRUE(Inside(layout.stackImage, layout.width, layout.height));
            for (const auto& container : layout.containers)
                EXPECT_FALSE(Overlap(layout.stackImage, container.rect)) << container.name;
        }
    }
}

TEST(PanelLayout, LedBytesBelongToTheirPorts)
{
    const struct Case {
        int byteIndex;
        int port;
    } cases[] = {{0, 0}, {3, 0}, {4, 1}, {5, 1}, {6, 2}, {51, 24}, {52, 25}, {101, 49}, {106, 52}};
    for (const auto& c : cases)
        EXPECT_EQ(PortOfLedByte(c.byteIndex), c.port) << "byte " << c.byteIndex;
}

} // namespace
