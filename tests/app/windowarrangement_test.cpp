#include "app/windowarrangement.h"

#include <gtest/gtest.h>

TEST(WindowArrangement, DefaultPlacesFollowTheClientArea) {
    struct Case {
        QSize client, control, speedbar;
        QRect reactions, controlFrame, speedbarFrame, kinetics;
    };
    const Case cases[] = {
        // Band below the reaction system: 350 to 700; control 300 high centred: 350 + 50/2.
        {{1280, 700},
         {209, 300},
         {114, 300},
         {5, 5, 1267, 345},
         {1059, 375, 209, 300},
         {10, 375, 114, 300},
         {134, 355, 917, 335}},
        // Odd sizes halve toward zero: H / 2 = 300, band 300 to 601, (301 - 290) / 2 = 5.
        {{801, 601},
         {209, 290},
         {114, 280},
         {5, 5, 788, 295},
         {580, 305, 209, 290},
         {10, 310, 114, 280},
         {134, 305, 438, 286}},
    };
    for (const Case& c : cases) {
        const WindowArrangement a = defaultWindowArrangement(c.client, c.control, c.speedbar);
        EXPECT_EQ(a.reactions, c.reactions);
        EXPECT_EQ(a.control, c.controlFrame);
        EXPECT_EQ(a.speedbar, c.speedbarFrame);
        EXPECT_EQ(a.kinetics, c.kinetics);
    }
}

TEST(WindowArrangement, EquationsLieInsideTheReactionClientArea) {
    // Client area from (105, 130), 1200 by 400: right edge at 1305.
    const QRect e = equationsPlacement(QRect(105, 130, 1200, 400));
    EXPECT_EQ(e, QRect(937, 150, 348, 360)); // 20 from the right edge
}
