// The print command's radius dialog.
#include "widgets/URaioCarta.h"

#include <gtest/gtest.h>

TEST(RadiusDialog, AcceptsOnlyAPositiveRadiusThatFitsThePage) {
    TdlgRaioCarta dialog;
    EXPECT_EQ(dialog.windowTitle(), "ZENITA 6.1.2");
    EXPECT_EQ(dialog.size(), QSize(232, 82));
    EXPECT_EQ(dialog.editRaio->text(), "6");
    dialog.setLargestRadiusCm(8.5);
    for (const char* refused : {"", "0", "0.0", "-3", "1e9", "abc", "9"}) {
        EXPECT_FALSE(dialog.radiusAccepted(QString::fromUtf8(refused))) << refused;
    }
    for (const char* accepted : {"6", "2.5", "8.5", "0.1"}) {
        EXPECT_TRUE(dialog.radiusAccepted(QString::fromUtf8(accepted))) << accepted;
    }
}
