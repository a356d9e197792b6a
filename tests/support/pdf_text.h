// The text of a PDF file as pdftotext lays it out, for tests of what was printed into one.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace sb::testing {

// Every run of blanks as one blank; empty when the file cannot be read.
inline std::string pdfText(const std::filesystem::path& pdf) {
    FILE* pipe = popen(("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null").c_str(), "r");
    std::string text;
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        if (c != ' ' || text.empty() || text.back() != ' ') text += char(c);
    if (pipe) pclose(pipe);
    return text;
}

}  // namespace sb::testing
