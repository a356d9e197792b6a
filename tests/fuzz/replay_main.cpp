// Runs every stored input of a fuzz target (its seeds and every input that once crashed it) through the
// target, so the normal test suite keeps what fuzzing found fixed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : fs::recursive_directory_iterator(argv[i])) {
            if (entry.is_directory()) continue;
            // A stored input that cannot be followed (a link whose target moved) would drop out unseen.
            if (!entry.is_regular_file()) {
                std::fprintf(stderr, "not a readable input: %s\n", entry.path().c_str());
                return 1;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
