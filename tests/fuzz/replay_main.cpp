// Runs every stored input of a fuzz target (its seeds and every input that once crashed it) through the
// target, so the normal test suite keeps what fuzzing found fixed.
#include <cstdio>
#include <filesystem>
#include <string>

#include "fileio/file_bytes.h"
#include "fuzz_target.h"

int main(int argc, char** argv) {
    if (argc != 2) return 1;  // the one folder of stored inputs
    int inputs = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
        if (entry.is_directory()) continue;
        // A stored input that cannot be read (a link whose target moved) would drop out unseen.
        std::string bytes;
        if (sb::fileio::readFileBytes(entry.path(), bytes) != sb::fileio::ReadOutcome::Read) {
            std::fprintf(stderr, "not a readable input: %s\n", entry.path().c_str());
            return 1;
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
