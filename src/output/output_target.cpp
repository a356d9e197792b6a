// The refusal of outputs over plans, settings and inputs. Two names are one file when they reach the
// same device and inode after links are followed; a name not there yet is compared by its resolved path,
// so an output does not create the settings file either.
#include "output/output_target.h"

#include <filesystem>

#include "planfile/plan_file_version.h"

namespace sb::output {
namespace {

namespace fs = std::filesystem;

bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    const bool aThere = fs::exists(a, error);
    const bool bThere = fs::exists(b, error);
    if (aThere != bThere) return false;
    if (aThere) return fs::equivalent(a, b, error);
    const fs::path left = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path right = fs::weakly_canonical(fs::absolute(b, error), error);
    return left == right;
}

}  // namespace

std::string outputRefusal(const std::string& writer, const std::string& output,
                          const std::vector<std::string>& ours, const std::vector<std::string>& otherInputs) {
    bool overOurs = planfile::planFileVersionOf(output) != 0;
    for (const std::string& file : ours) overOurs = overOurs || sameFile(output, file);
    if (overOurs) return writer + " schreibt keine Saisonbuch-Datei; dafür gibt es convert";
    for (const std::string& input : otherInputs)
        if (sameFile(output, input)) return writer + " schreibt nicht über seine Eingabe " + input;
    return {};
}

}  // namespace sb::output
