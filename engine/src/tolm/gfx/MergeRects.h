// Joins the rectangles of a frame's update list before they go to the display: any two that
// overlap or share a stretch of edge become their bounding box, until no two do, so that a
// moving sprite's old and new places go out as one rectangle. Plain arithmetic on values.
#ifndef TOLM_GFX_MERGERECTS_H
#define TOLM_GFX_MERGERECTS_H

#include <vector>

#include "tolm/types/Rect.h"

namespace tolm {

// True when a and b overlap or share part of an edge; rectangles that meet only at a corner,
// and empty ones, do not touch.
bool RectsTouch(const types::rect& a, const types::rect& b);

// The rectangles, empty ones dropped, with touching ones joined; the result holds no two
// touching rectangles and covers every pixel of the input (a box wider than the type allows
// is cut to the largest width). Quadratic in the count at worst.
std::vector<types::rect> MergeRects(const std::vector<types::rect>& rects);

}  // namespace tolm

#endif
