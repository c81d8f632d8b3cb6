// The PNG writer without compression: what it writes must read back, pixel for pixel, in
// libpng, also when the rows need several stored blocks; sizes that do not fit give nothing.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "tolm/utils/files/StoredPNG.h"

namespace tolm::test {
namespace {

std::vector<std::uint8_t> Pattern(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    return rgb;
}

// The pixels libpng reads from the file, or nothing when it refuses it.
std::vector<std::uint8_t> Decoded(const std::vector<std::uint8_t>& file, int* width, int* height) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return rgb;
}

TEST(StoredPNG, PicturesReadBackExactly) {
    // 1 x 1; an odd row length; 800 x 600 (a screenshot: 22 stored blocks, the last short);
    // rows of exactly one block's length with the filter byte.
    const struct { int width, height; } sizes[] = {{1, 1}, {3, 2}, {800, 600}, {21845, 3}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        const std::vector<std::uint8_t> rgb = Pattern(size.width, size.height);
        const std::vector<std::uint8_t> file = EncodeStoredPNG(rgb, size.width, size.height);
        ASSERT_FALSE(file.empty());
        int width = 0, height = 0;
        EXPECT_EQ(Decoded(file, &width, &height), rgb);
        EXPECT_EQ(width, size.width);
        EXPECT_EQ(height, size.height);
    }
}

TEST(StoredPNG, SizesThatDoNotFitThePixelsGiveNothing) {
    const std::vector<std::uint8_t> six = Pattern(2, 1);
    EXPECT_TRUE(EncodeStoredPNG(six, 0, 1).empty());
    EXPECT_TRUE(EncodeStoredPNG(six, 2, 0).empty());
    EXPECT_TRUE(EncodeStoredPNG(six, -2, -1).empty());
    EXPECT_TRUE(EncodeStoredPNG(six, 1, 1).empty());
    EXPECT_TRUE(EncodeStoredPNG(six, 3, 1).empty());
    EXPECT_TRUE(EncodeStoredPNG({}, 1, 1).empty());
    // Past the writer's limit, whatever the pixels hold.
    EXPECT_TRUE(EncodeStoredPNG(six, 1 << 14, 1 << 14).empty());
}

}  // namespace
}  // namespace tolm::test
