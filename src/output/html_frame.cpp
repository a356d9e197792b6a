// HTML head, footer, escaping and writing.
#include "output/html_frame.h"

#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"

namespace sb::output {

void appendHtmlHead(std::string& out, int planYear) {
    out += "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n";
    out += "<HTML><HEAD>\n";
    out += "<META NAME=\"description\" content=\"Saisonbuch und Tagebuch\">\n";
    out += "<META HTTP-EQUIV=\"content-type\" content=\"text/html;charset=iso-8859-1\">\n";
    out.append("<META NAME=\"generator\" content=\"Saisonbuch v3 - ").append(kHomePage).append("\">\n");
    out.append("<TITLE>Saisonbuch/Tagebuch ").append(fileio::formatInt(planYear)).append("</TITLE>\n");
    out += "</HEAD><BODY>\n";
}

void appendHtmlFooter(std::string& out) {
    out += "</TABLE>\n<TABLE><TR><TD>\n<P><FONT SIZE=-1>erstellt mit Saisonbuch V";
    out.append(kProgramVersion).append(" ");
    out.append("<A HREF=\"")
        .append(kHomePage)
        .append("\" target=\"_blank\">")
        .append(kHomePage)
        .append("</A>");
    out += "</FONT></TD></TR></TABLE>\n</BODY></HTML>\n";
}

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool writeHtmlDocument(const std::string& path, std::string_view document) {
    std::string bytes;
    bytes.reserve(document.size() + document.size() / 16);
    for (char c : document) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return fileio::writeFileAtomically(path, bytes);
}

}  // namespace sb::output
