// Windows-1252, the code page of every file the program reads and writes, and UTF-8, the encoding of the
// program's own texts and of everything that crosses into the platform layer.
#pragma once

#include <string>
#include <string_view>

namespace sb::model {

std::string cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes are taken as Windows-1252.
std::string utf8ToCp1252(std::string_view text);

}  // namespace sb::model
