// PNG chunks by hand: signature, IHDR, PLTE, one IDAT and IEND, each with its CRC.
#include "fileio/png_bytes.h"

#include <zlib.h>

namespace sb::fileio {

namespace {

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((value >> shift) & 0xFF));
}

void appendChunk(std::string& out, const char (&type)[5], const std::string& data) {
    appendBigEndian(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    appendBigEndian(out, std::uint32_t(crc32(crc32(0, nullptr, 0), bytes, uInt(out.size() - start))));
}

// Every row behind a filter byte 0 (none), as one zlib stream at the fastest level: rows of flat colour
// repeat the row above, which the fastest level finds as well as any.
bool deflateRows(int width, int height, const PaletteRow& rowOf, std::string& out) {
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) return false;
    std::vector<unsigned char> row(std::size_t(width) + 1, 0);
    unsigned char chunk[1 << 14];
    int result = Z_OK;
    for (int y = 0; y < height && result == Z_OK; ++y) {
        if (!rowOf(y, row.data() + 1)) {
            result = Z_DATA_ERROR;
            break;
        }
        stream.next_in = row.data();
        stream.avail_in = uInt(row.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = chunk;
            stream.avail_out = sizeof chunk;
            result = deflate(&stream, flush);
            out.append(reinterpret_cast<const char*>(chunk), sizeof chunk - stream.avail_out);
        } while (result == Z_OK && stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

}  // namespace

std::string pngOfPaletteImage(int width, int height, const PaletteRow& rowOf,
                              const std::vector<std::uint32_t>& palette) {
    std::string compressed;
    if (width <= 0 || height <= 0 || !deflateRows(width, height, rowOf, compressed)) return {};
    if (palette.empty() || palette.size() > kLargestPalette) return {};

    std::string header;
    appendBigEndian(header, std::uint32_t(width));
    appendBigEndian(header, std::uint32_t(height));
    header += std::string{8, 3, 0, 0, 0};  // 8 bits per index, palette colours, no interlacing
    std::string colours;
    for (std::uint32_t colour : palette) {
        colours.push_back(char((colour >> 16) & 0xFF));
        colours.push_back(char((colour >> 8) & 0xFF));
        colours.push_back(char(colour & 0xFF));
    }
    std::string png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "PLTE", colours);
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace sb::fileio
