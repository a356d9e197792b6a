// The inputs of an import: the files and folders the user named, a folder searched through all its
// subfolders for the files the import takes; and reading one input into its activities.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "import/imported_activity.h"

namespace sb::import {

struct ImportInput {
    std::string path;  // the file to read, as named or as found in a named folder
};

// The named files, and the files of the named folders that the import takes (sorted by path), in the
// order they were named. A named file that is missing or of another kind stays an input, so its row
// says why it is not read.
std::vector<ImportInput> collectImportInputs(const std::vector<std::string>& paths);

// Every activity of the input (every recording of an archive), each with its key (input number
// `index`) and shown file name; what cannot be read gives an activity with its problem. Returns early,
// with what it has, once `stopped` says so.
std::vector<ImportedActivity> readImportInput(const ImportInput& input, std::size_t index,
                                              const std::function<bool()>& stopped);

}  // namespace sb::import
