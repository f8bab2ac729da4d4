#include "app/window_layout.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

TEST(MainWindowLayoutTest, FullHdScreenAtFifteenTwipsPerPixel) {
    MainWindowLayout layout = mainWindowLayout(1920 * 15.0F, 1080 * 15.0F);
    EXPECT_EQ(layout.scoreboard, (Box{10552.5F, 4237.5F, 7695, 2415}));
    EXPECT_EQ(layout.article, (Box{9652.5F, 6652.5F, 9495, 3735}));
    EXPECT_EQ(layout.panel, (Box{9772.5F, 10462.5F, 9255, 1575}));
}

TEST(MainWindowLayoutTest, ScreenAsHighAsTheStackPutsItAtTheTop) {
    MainWindowLayout layout = mainWindowLayout(9495, 7725);
    EXPECT_EQ(layout.scoreboard.top, 0);
    EXPECT_EQ(layout.article.left, 0);
    EXPECT_EQ(layout.panel.top, 6150 + 75);
}

TEST(TwipsToPixelsTest, ConvertsAtTheScreensDotsPerInch) {
    EXPECT_EQ(twipsToPixels(10552.5F, 96), 704);  // 703.5 rounds up
    EXPECT_EQ(twipsToPixels(7695, 96), 513);
    EXPECT_EQ(twipsToPixels(7695, 120), 641);  // 641.25
    EXPECT_EQ(twipsToPixels(7, 96), 0);        // 0.47
    EXPECT_EQ(twipsToPixels(8, 96), 1);        // 0.53
    EXPECT_FLOAT_EQ(pixelsToTwips(1920, 96), 28800);
    EXPECT_FLOAT_EQ(pixelsToTwips(1080, 144), 10800);
}

TEST(SplashLayoutTest, CentresTheNameAboveThePicture) {
    SplashLayout layout = splashLayout(1920, 1080, 500, 120, 301, 200);
    EXPECT_EQ(layout.name, (Box{710, 380, 500, 120}));
    EXPECT_EQ(layout.picture, (Box{809.5F, 500, 301, 200}));
}

}  // namespace
}  // namespace quillbat
