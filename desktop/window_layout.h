#pragma once

// Where the windows put their blocks. The main window was designed in twips (1/1440 inch); its
// three blocks keep their design sizes and are centred on the screen at load.
namespace quillbat {

inline constexpr float kTwipsPerInch = 1440.0F;

// A block's place and size, in the unit of the screen size it was computed from.
struct Box {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const Box&) const = default;
};

// Design sizes of the main window's three blocks, in twips.
inline constexpr float kScoreboardWidth = 7695.0F;
inline constexpr float kScoreboardHeight = 2415.0F;
inline constexpr float kArticleWidth = 9495.0F;
inline constexpr float kArticleHeight = 3735.0F;
inline constexpr float kPanelWidth = 9255.0F;
inline constexpr float kPanelHeight = 1575.0F;
// The gap between the article box and the button panel, outside the vertical centring.
inline constexpr float kPanelGap = 75.0F;

struct MainWindowLayout {
    Box scoreboard;
    Box article;
    Box panel;
};

// The three blocks on a screen of the given size in twips: stacked (scoreboard touching the
// article box, the panel 75 twips below it), each centred horizontally, the scoreboard and
// article box centred vertically. Single precision, as designed; a screen smaller than the
// stack gives negative places.
MainWindowLayout mainWindowLayout(float screenWidth, float screenHeight);

// Twips as whole pixels at the given dots per inch, to the nearest pixel, and pixels as twips.
int twipsToPixels(float twips, float dotsPerInch);
float pixelsToTwips(int pixels, float dotsPerInch);

// The splash window's name label and picture, in the unit of the sizes given.
struct SplashLayout {
    Box name;
    Box picture;
};

// The name above the picture, the pair centred on the screen. The sizes are the label's and
// the picture's own.
SplashLayout splashLayout(float screenWidth, float screenHeight, float nameWidth, float nameHeight,
                          float pictureWidth, float pictureHeight);

}  // namespace quillbat
