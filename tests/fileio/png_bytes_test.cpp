// The palette PNG writer: the rows come back unchanged through zlib, the palette's bounds hold on both
// sides, and a refused row writes nothing.
#include <gtest/gtest.h>
#include <zlib.h>

#include "fileio/png_bytes.h"

using sb::fileio::pngOfPaletteImage;

namespace {

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | (unsigned char)(bytes[at + i]);
    return value;
}

// The chunk's data, its CRC checked.
std::string chunk(const std::string& png, const std::string& type) {
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + bigEndian(png, at)) {
        const std::size_t length = bigEndian(png, at);
        if (png.compare(at + 4, 4, type) != 0) continue;
        const auto* start = reinterpret_cast<const Bytef*>(png.data() + at + 4);
        EXPECT_EQ(crc32(0, start, uInt(length + 4)), bigEndian(png, at + 8 + length)) << type;
        return png.substr(at + 8, length);
    }
    return {};
}

}  // namespace

TEST(PngBytes, RowsAndPaletteComeBackAndBoundsHold) {
    const int width = 300, height = 200;
    auto rows = [](int y, unsigned char* row) {
        for (int x = 0; x < width; ++x) row[x] = (unsigned char)((x / 7 + y) % 256);
        return true;
    };
    std::vector<std::uint32_t> palette(256, 0x123456);
    const std::string png = pngOfPaletteImage(width, height, rows, palette);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(chunk(png, "IHDR"), std::string("\0\0\x01\x2c\0\0\0\xc8\x08\x03\0\0\0", 13));
    EXPECT_EQ(chunk(png, "PLTE").substr(0, 3), "\x12\x34\x56");
    EXPECT_EQ(chunk(png, "PLTE").size(), 768u);
    const std::string compressed = chunk(png, "IDAT");
    std::string raw(std::size_t(width + 1) * height, '\xff');
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(compressed.data()), uLong(compressed.size())),
              Z_OK);
    // Each row behind its filter byte 0.
    std::string expected;
    for (int y = 0; y < height; ++y) {
        std::string row(width + 1, '\0');
        rows(y, reinterpret_cast<unsigned char*>(row.data()) + 1);
        expected += row;
    }
    EXPECT_TRUE(raw == expected);
    EXPECT_EQ(chunk(png, "IEND"), "");

    palette.push_back(0);  // 257 colours
    EXPECT_EQ(pngOfPaletteImage(width, height, rows, palette), "");
    EXPECT_EQ(pngOfPaletteImage(width, height, rows, {}), "");
    EXPECT_EQ(pngOfPaletteImage(0, height, rows, {1}), "");
    EXPECT_EQ(pngOfPaletteImage(width, height, [](int y, unsigned char*) { return y < 199; }, {1}), "");
}
