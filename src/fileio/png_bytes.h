// A PNG file of a palette image, written straight from its indices: diagrams are drawn in few flat
// colours, so each row goes out unfiltered at zlib's fastest level, far faster than a general encoder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sb::fileio {

constexpr std::size_t kLargestPalette = 256;

// Writes row y's palette indices (width bytes) into `row`; false when the row cannot be given as
// indices (it has colours past the palette's room).
using PaletteRow = std::function<bool(int y, unsigned char* row)>;

// The rows are asked for top to bottom; `palette` (entries 0xRRGGBB, higher bits ignored, at most
// kLargestPalette) is read once the last row is given, so the rows may fill it. Empty when a row is
// refused, the palette is empty or too large, or zlib fails.
std::string pngOfPaletteImage(int width, int height, const PaletteRow& rowOf,
                              const std::vector<std::uint32_t>& palette);

}  // namespace sb::fileio
