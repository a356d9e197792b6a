// The sample plans every test shares (the golden plan files hold them), with file helpers and the
// comparison of two documents.
#pragma once

#include <filesystem>
#include <string>

#include "model/training_year.h"

namespace sb::testing {

// 2008 (leap year) with three days around 29 February filled and two odometers in use.
model::TrainingYear exportFixture2008();
// 2009 with 1 January, 1 March and 31 December filled and two odometers in use.
model::TrainingYear plan2009();
// Every day and every odometer with every field the given format version stores set to a distinct value.
model::TrainingYear everyFieldFilled(int planYear, int version);

// A file under tests/data, named with its folder ("planfile/plan_2009.sb3").
std::string goldenPath(const std::string& name);
std::string fileBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh directory under the system's temporary directory, removed with everything in it at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Every stored field equal (currentKm is never stored and is not compared).
void expectSameDocument(const model::TrainingYear& expected, const model::TrainingYear& actual);

}  // namespace sb::testing
