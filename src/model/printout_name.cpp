// Building the proposed printout file name.
#include "model/printout_name.h"

#include <array>
#include <utility>

#include "model/text_encoding.h"

namespace sb::model {

namespace {

// Lower-case ASCII words joined by '-': umlauts spelt out, everything else a separator.
std::string fileWord(std::string_view utf8) {
    static const std::array<std::pair<std::string_view, std::string_view>, 7> spelt{
        {{"\xC3\xA4", "ae"}, {"\xC3\xB6", "oe"}, {"\xC3\xBC", "ue"}, {"\xC3\x84", "ae"},
         {"\xC3\x96", "oe"}, {"\xC3\x9C", "ue"}, {"\xC3\x9F", "ss"}}};
    std::string word;
    auto separate = [&word] {
        if (!word.empty() && word.back() != '-') word += '-';
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            word += char(c);
            ++i;
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            word += char(c - 'A' + 'a');
            ++i;
            continue;
        }
        bool found = false;
        for (const auto& [letter, spelling] : spelt) {
            if (utf8.substr(i, letter.size()) != letter) continue;
            word += spelling;
            i += letter.size();
            found = true;
            break;
        }
        if (found) continue;
        separate();
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    while (!word.empty() && word.back() == '-') word.pop_back();
    return word;
}

}  // namespace

std::string printoutFileProposal(const TrainingYear& year, std::string_view printout) {
    std::string name;
    for (const std::string& part :
         {fileWord(cp1252ToUtf8(year.firstName)), year.planYear > 0 ? std::to_string(year.planYear) : std::string(),
          fileWord(printout)}) {
        if (part.empty()) continue;
        if (!name.empty()) name += '-';
        name += part;
    }
    if (name.empty()) name = "saisonbuch";
    const std::size_t slash = year.currentFileName.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : year.currentFileName.substr(0, slash + 1);
    return folder + name + ".pdf";
}

}  // namespace sb::model
