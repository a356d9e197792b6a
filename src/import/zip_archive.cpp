// The archive walk. The whole archive is in memory (read from disk or unpacked from the archive around
// it), so nested archives and the fuzz targets take the same road as files.
#include "import/zip_archive.h"

#include <zip.h>

#include <memory>

#include "import/input_kinds.h"

namespace sb::import {

namespace {

constexpr std::size_t kStep = 256 * 1024;
constexpr const char* kUnreadableEntry = "Der Eintrag lässt sich nicht entpacken (beschädigt oder verschlüsselt).";

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

Archive openArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_error_fini(&error);
    if (!source) return nullptr;
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, nullptr);
    if (!archive) zip_source_free(source);
    return Archive(archive);
}

// The entry's bytes, stopped at the first bound they break; libzip checks size and checksum at the end.
Unpacked unpackEntry(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat) {
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kLargestUnpackedBytes) return {false, {}, kTooLargeMessage};
    const std::uint64_t packed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
    Entry file(zip_fopen_index(archive, index, 0));
    if (!file) return {false, {}, kUnreadableEntry};
    Unpacked result;
    std::string& out = result.bytes;
    for (;;) {
        const std::size_t before = out.size();
        out.resize(before + kStep);
        const zip_int64_t read = zip_fread(file.get(), out.data() + before, kStep);
        if (read < 0) return {false, {}, kUnreadableEntry};
        out.resize(before + std::size_t(read));
        if (const char* limit = unpackingLimitMessage(out.size(), packed); *limit) return {false, {}, limit};
        if (read == 0) break;
    }
    result.ok = true;
    return result;
}

}  // namespace

std::string walkZipArchive(std::string_view bytes, const std::string& archiveName,
                           const std::function<bool()>& stopped, const ArchiveEntrySink& entry, int depth) {
    const Archive archive = openArchive(bytes);
    if (!archive) return kDamagedArchiveMessage;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t index = 0; index < count && !stopped(); ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
            continue;
        const std::string inner = stat.name;
        // Folders, and the resource forks one desktop packs beside every file.
        if (inner.empty() || inner.back() == '/' || inner.rfind("__MACOSX/", 0) == 0) continue;
        const NameKind kind = kindOfName(inner);
        if (kind.kind == InputKind::none) continue;
        const std::string name = archiveName + "/" + inner;
        Unpacked content = unpackEntry(archive.get(), zip_uint64_t(index), stat);
        if (kind.kind == InputKind::recording || !content.ok) {
            entry(name, std::move(content));
        } else if (depth + 1 >= kDeepestNesting) {
            entry(name, {false, {}, "Das ZIP-Archiv ist zu tief in andere Archive verschachtelt."});
        } else if (std::string message = walkZipArchive(content.bytes, name, stopped, entry, depth + 1);
                   !message.empty()) {
            entry(name, {false, {}, std::move(message)});
        }
    }
    return {};
}

}  // namespace sb::import
