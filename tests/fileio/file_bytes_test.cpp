// The bytes behind the files: numbers read and written as the C library does under the "C" locale in any
// locale, without overflow on what a damaged file holds; the palette PNG writer, whose rows come back
// unchanged through zlib, whose palette's bounds hold on both sides, and a refused row writes nothing.
#include <gtest/gtest.h>
#include <zlib.h>

#include <clocale>
#include <cmath>
#include <tuple>

#include "fileio/c_numbers.h"
#include "fileio/png_bytes.h"

using namespace sb::fileio;

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

TEST(CNumbers, ReadLikeAtoiAndAtof) {
    for (auto [text, value] : {std::pair{"  42abc", 42}, {"-7", -7}, {"x1", 0}, {"99999999999999", 2147483647},
                               {"-99999999999999", -2147483647 - 1}})
        EXPECT_EQ(atoiC(text), value) << text;
    for (auto [text, value] : {std::pair{" 12.5km", 12.5}, {"12,5", 12.0}, {"-0.25", -0.25}, {"--5", 0.0},
                               {"1e-400", 0.0}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}})
        EXPECT_EQ(atofC(text), value) << text;
    EXPECT_TRUE(std::isnan(atofC("nan")));
    // A float field takes 0 for what it cannot hold.
    for (auto [text, value] : {std::pair{"nan", 0.0f}, {"1e300", 0.0f}, {"70.25", 70.25f}})
        EXPECT_EQ(atofFloatC(text), value) << text;
}

TEST(CNumbers, WriteWithADecimalPointInEveryLocale) {
    // The program switches to the user's locale; where one with a decimal comma exists, use it.
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    for (auto [value, decimals, text] : {std::tuple{2.375, 2, "2.38"}, {10.257, 2, "10.26"}, {12.25, 1, "12.2"},
                                         {0.0, 2, "0.00"}, {-1.5, 0, "-2"}})
        EXPECT_EQ(formatFixed(value, decimals), text) << value;
    EXPECT_EQ(formatInt(-2147483647 - 1), "-2147483648");
    EXPECT_DOUBLE_EQ(atofC("3.75"), 3.75);
    if (german) std::setlocale(LC_NUMERIC, "C");
}
