// What every HTML document of the program shares: the head lines, the closing footer with the
// program's home page, escaping of the user's texts, and writing the document as a whole.
#pragma once

#include <string>
#include <string_view>

namespace sb::output {

constexpr std::string_view kHomePage = "https://saisonbuch.example.org/";
constexpr std::string_view kProgramVersion = "3.12";

// The document type, the meta lines and the title "Saisonbuch/Tagebuch <year>", up to "<BODY>".
void appendHtmlHead(std::string& out, int planYear);
// Closes the document's last table, adds the "erstellt mit" line and ends the document.
void appendHtmlFooter(std::string& out);
// &, <, > and " as entities; every text from the plan or the settings goes through this.
std::string escapeHtml(std::string_view text);

// Writes the document with CR LF line ends in one piece: false when the file could not be created or
// written, and then no partial file is left.
bool writeHtmlDocument(const std::string& path, std::string_view document);

}  // namespace sb::output
