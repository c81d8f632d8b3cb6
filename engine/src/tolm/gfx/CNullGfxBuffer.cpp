#include "tolm/gfx/CNullGfxBuffer.h"

namespace tolm {

CNullGfxBuffer* CNullGfxBuffer::Instance() {
    static CNullGfxBuffer instance;
    return &instance;
}

}  // namespace tolm
