// The port index arithmetic of the trunk, segmentation and mirror dialogs,
// and the number reading of their unit and port fields.
#include <gtest/gtest.h>

#include "VnPortIndex.h"
#include "VnShownUnits.h"

namespace {

TEST(PortIndex, TrunkAndSegmentationIndexToUnitAndPort)
{
    const struct {
        int index;
        VnUnitPort shown;
    } cases[] = {{1, {1, 1}},   {24, {1, 24}}, {63, {1, 63}},  {64, {1, 64}}, {65, {2, 1}},
                 {128, {2, 64}}, {754, {12, 50}}, {0, {0, 0}}, {-5, {0, 0}}};
    for (const auto& c : cases) {
        EXPECT_EQ(VnUnitPortOfIndex(c.index), c.shown) << c.index;
        if (c.index > 0) {
            EXPECT_EQ(VnPortIndex(c.shown.unit, c.shown.port), c.index) << c.index;
        }
    }
}

TEST(PortIndex, MirrorTargetUsesItsOwnFormula)
{
    EXPECT_EQ(VnMirrorUnitPortOfIndex(3), (VnUnitPort{1, 3}));
    EXPECT_EQ(VnMirrorUnitPortOfIndex(65), (VnUnitPort{2, 1}));
    EXPECT_EQ(VnMirrorUnitPortOfIndex(64), (VnUnitPort{2, 0}));
    EXPECT_EQ(VnMirrorUnitPortOfIndex(0), (VnUnitPort{0, 0}));
}

TEST(PortIndex, FieldNumbers)
{
    for (const auto& [text, number] : std::initializer_list<std::pair<std::string, int>>{
             {"12", 12}, {"0", 0}, {"", -1}, {"1x", -1}, {"-3", -1}, {"99999999999", -1}})
        EXPECT_EQ(VnFieldNumber(text), number) << text;
}

}  // namespace
