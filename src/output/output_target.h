// Which files an output may not replace: a plan or the settings, whether named as such or reached
// under another name (a link, the same file twice), since an export written there destroys the user's
// data. Shared by the program's save dialogs and the command-line tool.
#pragma once

#include <string>
#include <vector>

namespace sb::output {

// Why `writer` ("export", "Der Export", …) may not write `output`, or empty when it may. `ours` are the
// plan and settings files in use; `otherInputs` the other files the output was made from.
std::string outputRefusal(const std::string& writer, const std::string& output,
                          const std::vector<std::string>& ours,
                          const std::vector<std::string>& otherInputs = {});

}  // namespace sb::output
