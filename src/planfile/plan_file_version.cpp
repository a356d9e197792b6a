// Plan file version by the last three characters of the name.
#include "planfile/plan_file_version.h"

namespace sb::planfile {

int planFileVersionOf(std::string_view path) {
    if (path.size() < 3) return 0;
    const std::string_view last = path.substr(path.size() - 3);
    if (last[0] != 's' && last[0] != 'S') return 0;
    if (last[1] != 'b' && last[1] != 'B') return 0;
    switch (last[2]) {
        case 'n':
        case 'N':
            return 1;
        case '2':
            return 2;
        case '3':
            return 3;
        default:
            return 0;
    }
}

}  // namespace sb::planfile
