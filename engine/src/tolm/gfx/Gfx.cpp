#include "tolm/gfx/Gfx.h"

#include "tolm/gfx/CNullGfxBuffer.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CGfxBuffer* Gfx::GetEmptyBuffer() {
    return CNullGfxBuffer::Instance();
}

CGfxBuffer* Gfx::NewBuffer(int w, int h) {
    if (myFactory == nullptr) {
        Logger().Warning()
            << "Gfx::NewBuffer() - no GFXFactory given, cannot create graphics surface."
            << std::endl;
        return GetEmptyBuffer();
    }
    return myFactory->NewBuffer(w, h);
}

CGfxBuffer* Gfx::NewBuffer(int w, int h, const types::color& colorKey) {
    if (myFactory == nullptr) return GetEmptyBuffer();
    return myFactory->NewBuffer(w, h, colorKey);
}

CGfxBuffer* Gfx::LoadImage(const std::string& filename, const types::color& colorKey) {
    if (myFactory == nullptr) {
        Logger().Warning()
            << "Gfx::LoadImage() - no GFXFactory given, cannot create graphics surface."
            << std::endl;
        return GetEmptyBuffer();
    }
    return myFactory->LoadImage(filename, colorKey);
}

CGfxBuffer* Gfx::ConvertBuffer(CGfxBuffer* buffer) {
    if (myFactory == nullptr) return buffer;
    return myFactory->ConvertBuffer(buffer);
}

CGfxBuffer* Gfx::CreateBuffer() {
    if (myFactory == nullptr) return nullptr;
    return myFactory->CreateBuffer();
}

void Gfx::FreeImage(CGfxBuffer* buffer) {
    if (myFactory != nullptr) {
        myFactory->FreeImage(buffer);
        return;
    }
    Logger().Warning() << "Gfx::FreeImage() - no GFXFactory given, cannot free graphics surface."
                       << std::endl;
    // Buffers can outlive the factory that made them (sprites freed after the graphics task
    // stopped); deleting them anyway keeps their surfaces from leaking.
    if (buffer != nullptr && !buffer->IsPermanent()) delete buffer;
}

void Gfx::ReleaseAll() {
    if (myFactory != nullptr) myFactory->ReleaseAll();
}

void Gfx::SetFactory(CGfxFactory* factory) {
    myFactory = factory;
}

void Gfx::DeleteFactory() {
    CGfxFactory* factory = myFactory;
    myFactory = nullptr;
    delete factory;
}

}  // namespace tolm
