// Reading a frame element of a sprite description file: its "type" attribute picks the
// frame made by the frame factory, which then reads its own members.
#ifndef TOLM_GFX_FRAMEREADING_H
#define TOLM_GFX_FRAMEREADING_H

#include <memory>

#include "tolm/gfx/CFrame.h"

namespace tolm {

class CXmlNode;

namespace frame_reading {

// Wrapped frames deeper than this are dropped with a log line, so that a hostile file
// cannot exhaust the stack.
constexpr int kMaxWrapDepth = 16;

// Null when the element is null or has no "type" attribute.
std::unique_ptr<CFrame> ReadFrame(CXmlNode* element);

}  // namespace frame_reading
}  // namespace tolm

#endif
