#include "tolm/gfx/sdl/SavePNG.h"

#ifdef TOLM_WITH_LIBPNG
#include <png.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/utils/files/StoredPNG.h"

namespace tolm {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) *error = reason;
    return false;
}

}  // namespace

bool SavePNG(SDL_Surface* surface, const std::string& filename, std::string* error) {
    if (surface == nullptr || surface->w <= 0 || surface->h <= 0) return Fail(error, "no picture");
    const auto width = static_cast<std::size_t>(surface->w);
    std::vector<std::uint8_t> rgb(width * static_cast<std::size_t>(surface->h) * 3);
    {
        CSurfaceLock lock(surface);
        if (!lock.IsLocked()) return Fail(error, "the surface could not be locked");
        std::uint8_t* out = rgb.data();
        for (int y = 0; y < surface->h; ++y) {
            for (int x = 0; x < surface->w; ++x) {
                SDL_GetRGB(GetRawPixel(surface, x, y), surface->format, out, out + 1, out + 2);
                out += 3;
            }
        }
    }
#ifdef TOLM_WITH_LIBPNG
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface->w);
    image.height = static_cast<png_uint_32>(surface->h);
    image.format = PNG_FORMAT_RGB;
    const int written = png_image_write_to_file(&image, filename.c_str(), 0, rgb.data(),
                                                static_cast<png_int_32>(width * 3), nullptr);
    if (written == 0) {
        const std::string reason = image.message;
        png_image_free(&image);
        return Fail(error, reason);
    }
#else
    // Without libpng the rows go out uncompressed.
    const std::vector<std::uint8_t> file = EncodeStoredPNG(rgb, surface->w, surface->h);
    if (file.empty()) return Fail(error, "the picture is too large");
    std::FILE* out = std::fopen(filename.c_str(), "wb");
    if (out == nullptr) return Fail(error, std::strerror(errno));
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) return Fail(error, std::strerror(errno));
#endif
    return true;
}

}  // namespace tolm
