// Scratch folders and whole-file reads and writes for the configuration tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sb::config::testing {

// A fresh, empty folder per test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("saisonbuch-config-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// From SAISONBUCH_TEST_DATA, else from the data folder beside this source folder.
inline std::string goldenFile(const std::string& name) {
    const char* data = std::getenv("SAISONBUCH_TEST_DATA");
    const std::filesystem::path folder =
        data && *data ? std::filesystem::path(data)
                      : std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    return (folder / "config" / name).string();
}

}  // namespace sb::config::testing
