// Message boxes carry the module's name once the program gives it, not the
// name of the file that runs.
#include <gtest/gtest.h>

#include "VnMessageBox.h"

TEST(MessageCaption, TheModulesNameOnceGivenElseTheProgramFile)
{
    VnMessageBoxCapture boxes;
    VnMessageBox(nullptr, "before");
    VnSetModuleName("RQ4024S");
    VnMessageBox(nullptr, "after");
    VnSetModuleName({});
    VnMessageBox(nullptr, "cleared");
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].caption, VnProgramName());
    EXPECT_EQ(boxes.Shown()[1].caption, "RQ4024S");
    EXPECT_EQ(boxes.Shown()[2].caption, VnProgramName());
}
