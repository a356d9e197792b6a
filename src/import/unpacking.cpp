// Unpacking gzip data with zlib, in steps, so a bound stops it before the output grows past it.
#include "import/unpacking.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace sb::import {

namespace {

constexpr std::size_t kStep = 256 * 1024;
constexpr int kGzipOnly = 16 + MAX_WBITS;
constexpr const char* kDamagedGzip = "Die gz-Datei ist beschädigt oder unvollständig.";

}  // namespace

const char* unpackingLimitMessage(std::uint64_t unpacked, std::uint64_t packed) {
    if (unpacked > kLargestUnpackedBytes) return kTooLargeMessage;
    if (unpacked > kRatioCheckedFrom && unpacked / std::max<std::uint64_t>(packed, 1) > kLargestPackingRatio)
        return kPackingRatioMessage;
    return "";
}

Unpacked gunzip(std::string_view packed) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipOnly) != Z_OK) return {false, {}, kDamagedGzip};
    Unpacked result;
    std::string& out = result.bytes;
    std::size_t consumed = 0;
    int status = Z_OK;
    // Z_OK promises progress; data that ends early stops with Z_BUF_ERROR, damage with Z_DATA_ERROR.
    while (status == Z_OK) {
        const std::size_t chunk = std::min<std::size_t>(packed.size() - consumed, std::numeric_limits<uInt>::max());
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data() + consumed));
        stream.avail_in = uInt(chunk);
        const std::size_t before = out.size();
        out.resize(before + kStep);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
        stream.avail_out = uInt(kStep);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(before + kStep - stream.avail_out);
        consumed += chunk - stream.avail_in;
        if (const char* limit = unpackingLimitMessage(out.size(), consumed); *limit) {
            inflateEnd(&stream);
            return {false, {}, limit};
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) return {false, {}, kDamagedGzip};
    result.ok = true;
    return result;
}

}  // namespace sb::import
