// The refusal of outputs over plans, settings and inputs. A name not there yet counts as the settings
// file when it resolves to its path, so an output does not create the settings file either.
#include "output/output_target.h"

#include "fileio/file_identity.h"
#include "planfile/plan_file_version.h"

namespace sb::output {

std::string outputRefusal(const std::string& writer, const std::string& output,
                          const std::vector<std::string>& ours, const std::vector<std::string>& otherInputs) {
    bool overOurs = planfile::planFileVersionOf(output) != 0;
    for (const std::string& file : ours) overOurs = overOurs || fileio::sameFile(output, file);
    if (overOurs) return writer + " schreibt keine Saisonbuch-Datei; dafür gibt es convert";
    for (const std::string& input : otherInputs)
        if (fileio::sameFile(output, input)) return writer + " schreibt nicht über seine Eingabe " + input;
    return {};
}

}  // namespace sb::output
