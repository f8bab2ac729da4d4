#include "desktop/window_layout.h"

#include <cmath>

namespace quillbat {

MainWindowLayout mainWindowLayout(float screenWidth, float screenHeight) {
    MainWindowLayout layout;
    layout.scoreboard = {0, 0, kScoreboardWidth, kScoreboardHeight};
    layout.article = {0, 0, kArticleWidth, kArticleHeight};
    layout.panel = {0, 0, kPanelWidth, kPanelHeight};

    layout.scoreboard.top =
        (screenHeight - kScoreboardHeight - kArticleHeight - kPanelHeight) / 2.0F;
    layout.scoreboard.left = screenWidth / 2.0F - kScoreboardWidth / 2.0F;
    layout.article.left = screenWidth / 2.0F - kArticleWidth / 2.0F;
    layout.article.top = layout.scoreboard.top + kScoreboardHeight;
    layout.panel.left = screenWidth / 2.0F - kPanelWidth / 2.0F;
    layout.panel.top = layout.article.top + kArticleHeight + kPanelGap;
    return layout;
}

int twipsToPixels(float twips, float dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

float pixelsToTwips(int pixels, float dotsPerInch) {
    return static_cast<float>(pixels) * kTwipsPerInch / dotsPerInch;
}

SplashLayout splashLayout(float screenWidth, float screenHeight, float nameWidth, float nameHeight,
                          float pictureWidth, float pictureHeight) {
    SplashLayout layout;
    layout.name = {0, 0, nameWidth, nameHeight};
    layout.picture = {0, 0, pictureWidth, pictureHeight};

    layout.name.top = (screenHeight - pictureHeight - nameHeight) / 2.0F;
    layout.name.left = (screenWidth - nameWidth) / 2.0F;
    layout.picture.top = layout.name.top + nameHeight;
    layout.picture.left = (screenWidth - pictureWidth) / 2.0F;
    return layout;
}

}  // namespace quillbat
