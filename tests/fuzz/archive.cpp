// Zip archives of recordings, nested ones included: every entry is named inside the archive, stays
// within the unpacking bounds, and is read by the reader of its name.
#include <string>

#include "fuzz_target.h"
#include "import/imported_activity.h"
#include "import/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto entry = [](const std::string& name, sb::import::Unpacked&& content) {
        fuzzRequire(name.rfind("season.zip/", 0) == 0);
        fuzzRequire(content.ok == content.message.empty());
        if (!content.ok) return;
        fuzzRequire(content.bytes.size() <= sb::import::kLargestUnpackedBytes);
        sb::import::activitiesOfRecording(name, std::move(content.bytes));
    };
    sb::import::walkZipArchive(fuzzBytes(data, size), "season.zip", [] { return false; }, entry);
    return 0;
}
