// Whole-file reading with every read checked.
#include "planfile/file_bytes.h"

#include <cstdio>

namespace sb::planfile {

int loadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 1;
    bytes.clear();
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? 1 : 0;
}

}  // namespace sb::planfile
