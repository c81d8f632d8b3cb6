// A PNG encoder without a compression library: 8-bit RGB rows in stored (uncompressed)
// deflate blocks, with the CRC and Adler checksums the format asks for. The files are about
// as large as the pixels; they serve where no libpng exists (a web page's screenshots).
#ifndef TOLM_UTILS_FILES_STOREDPNG_H
#define TOLM_UTILS_FILES_STOREDPNG_H

#include <cstdint>
#include <string>
#include <vector>

namespace tolm {

// The whole file for width x height pixels of rgb (3 bytes each, rows top down); empty when
// the sizes do not match the pixels or the picture would not fit a PNG.
std::vector<std::uint8_t> EncodeStoredPNG(const std::vector<std::uint8_t>& rgb, int width,
                                          int height);

}  // namespace tolm

#endif
