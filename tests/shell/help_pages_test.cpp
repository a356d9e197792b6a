// The help pages name menus as the program shows them: every menu path a page gives in italics
// ("Tools → T/H Quotient") leads through the real menu bar, the device menus included.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "shell/menu_bar.h"

namespace sb::shell {
namespace {

using platform::MenuItem;

// A menu text as the user reads it: no mnemonic mark, no shortcut.
std::string shownText(std::string text) {
    text = text.substr(0, text.find('\t'));
    std::erase(text, '&');
    return text;
}

bool pathExists(const std::vector<MenuItem>& items, const std::vector<std::string>& path, std::size_t depth = 0) {
    if (depth == path.size()) return true;
    for (const MenuItem& item : items) {
        if (shownText(item.text) == path[depth] && pathExists(item.children, path, depth + 1)) return true;
    }
    return false;
}

std::vector<std::string> splitPath(const std::string& text) {
    std::vector<std::string> parts;
    const std::string arrow = " \u2192 ";
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(arrow, start)) != std::string::npos; start = at + arrow.size()) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(HelpPages, EveryMenuPathOfAPageIsInTheMenuBar) {
    Application app;
    app.settings.polarSupport = 1;
    app.settings.bikeComputerSupport = 1;
    const std::vector<MenuItem> bar = buildMenuBar(app);
    const std::filesystem::path pages = std::filesystem::path(std::getenv("SAISONBUCH_TEST_DATA")) / "../../resources/help";
    const std::regex italic("<i>(.*?)</i>");
    const std::regex tag("<[^>]*>");
    int paths = 0;
    for (const auto& entry : std::filesystem::directory_iterator(pages)) {
        std::stringstream page;
        page << std::ifstream(entry.path()).rdbuf();
        const std::string html = page.str();
        for (std::sregex_iterator it(html.begin(), html.end(), italic), end; it != end; ++it) {
            const std::string text = std::regex_replace((*it)[1].str(), tag, "");
            if (text.find("\u2192") == std::string::npos) continue;
            ++paths;
            EXPECT_TRUE(pathExists(bar, splitPath(text))) << entry.path().filename() << ": " << text;
        }
    }
    EXPECT_GE(paths, 15);
}

}  // namespace
}  // namespace sb::shell
