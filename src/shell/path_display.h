// How a file path is shown in menus, the status bar and the start screen. Paths are native bytes; the
// window shows UTF-8, so a path that is not UTF-8 (a name from an old Windows-1252 file) is converted.
#pragma once

#include <string>
#include <string_view>

namespace sb::shell {

std::string pathDisplayText(std::string_view path);
// The part after the last folder separator ('/' or '\\'): history entries written on either platform.
std::string_view fileNameOfPath(std::string_view path);

}  // namespace sb::shell
