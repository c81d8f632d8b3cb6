// The game's screen layout in pixels, for its 800 x 600 screen with y growing downwards:
// where the characters stand and their bubbles rise, the cells of the board, the waiting
// bubbles, the pointer zones and where the pictures between levels start. Constants only.
#ifndef GAME_GAMELAYOUT_H
#define GAME_GAMELAYOUT_H

#include <array>
#include <cstdint>

namespace game::layout {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Character centre x at level start, and the x where each line's bubbles rise.
constexpr std::array<std::int32_t, 3> kStartX = {200, 400, 600};
constexpr std::array<std::int32_t, 3> kColumnX = {350, 400, 450};
// The outer characters are pushed apart only while inside these.
constexpr std::int32_t kLeftLimitX = 100;
constexpr std::int32_t kRightLimitX = 700;

// Board cells: the centre y of the bottom cell and the rise of one cell.
constexpr int kBottomCellY = 370;
constexpr int kCellHeight = 25;
// Over the first cells a bubble curves from the mouth into its column, along
// t = (position / kCurveSpan) squared.
constexpr int kCurveCells = 8;
constexpr float kCurveSpan = 7.5f;

// Centre y of the waiting bubbles; the middle one is raised and the right one moved right by
// kPreviewNudge, so that each sits in its character's mouth.
constexpr int kPreviewY = 445;
constexpr int kPreviewNudge = 5;

// A picture between levels starts with its top here, just above the screen, and drops in.
constexpr int kPictureStartY = -598;

// Pointer zones: at or above kSilenceY the pointer silences nobody; at or beyond the edges it
// changes nothing. The inner borders follow the outer characters at kZoneMargin inside them,
// held between the bounds below.
constexpr int kSilenceY = 380;
constexpr int kEdgeLeftX = 50;
constexpr int kEdgeRightX = 750;
constexpr int kZoneMargin = 50;
constexpr int kLeftZoneEndMin = 300;
constexpr int kLeftZoneEndMax = 350;
constexpr int kRightZoneStartMin = 450;
constexpr int kRightZoneStartMax = 500;
// Where autoplay puts the pointer: this low inside a line's zone, and at the free point to
// silence nobody.
constexpr int kZonePointerY = 500;
constexpr int kFreePointerX = 400;
constexpr int kFreePointerY = 300;

// The title's choice (data/gfx/title_choice.xml, in place of data/gfx/title_start.xml): the
// level to go on at is written in the digit font centred on x, its top at y, and a click
// inside the second button starts again from level 1.
constexpr int kChoiceLevelX = 420;
constexpr int kChoiceLevelY = 546;
constexpr int kNewGameLeft = 480;
constexpr int kNewGameTop = 544;
constexpr int kNewGameRight = 680;
constexpr int kNewGameBottom = 590;
// The best score's plate (data/gfx/best_score.xml), in the picture's coordinates, on the
// title and on the end picture; the digits are centred in the plate's right part.
constexpr int kTitleBestX = 250;
constexpr int kTitleBestY = 8;
constexpr int kEndBestX = 250;
constexpr int kEndBestY = 532;
constexpr int kBestDigitsLeft = 96;
constexpr int kBestDigitsRight = 292;
constexpr int kBestDigitsTop = 6;
// In front of the picture they sit on.
constexpr int kOverlayPartZ = 18;
constexpr int kOverlayDigitsZ = 16;

}  // namespace game::layout

#endif
