// A folder of the fuzzing process's own for the readers that take a path, removed when it ends. It lies
// in memory where the machine offers that, since the writers flush every file to the disk.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::error_code error;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "saisonbuch-fuzz-XXXXXX").string();
        const char* made = mkdtemp(pattern.data());
        if (!made) std::abort();
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return std::filesystem::path(made);
    }();
    return folder;
}

inline std::string scratchFile(std::string_view name, std::string_view bytes) {
    const std::string path = (scratchFolder() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}
