// The help pages tell the truth: every menu path they name ("Datei → Exportieren...") leads through the
// menu bar of a plan with both recording menus, and every list column they name exists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "lists/list_columns.h"
#include "shell/menu_bar.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using HelpPages = ShellTest;

std::string shownText(const std::string& menuText) {
    std::string shown;
    for (char c : menuText.substr(0, menuText.find('\t')))
        if (c != '&') shown += c;
    return shown;
}

// The words between the matches of `pattern`'s first group, tags removed.
std::vector<std::string> marked(const std::string& page, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back(std::regex_replace((*it)[1].str(), std::regex("<[^>]*>"), ""));
    return found;
}

bool menuHasPath(const std::vector<platform::MenuItem>& items, const std::string& path) {
    const std::string arrow = " \xE2\x86\x92 ";
    const std::size_t cut = path.find(arrow);
    const std::string first = path.substr(0, cut);
    for (const platform::MenuItem& item : items) {
        if (shownText(item.text) != first) continue;
        if (cut == std::string::npos) return true;
        if (menuHasPath(item.children, path.substr(cut + arrow.size()))) return true;
    }
    return false;
}

TEST_F(HelpPages, EveryMenuPathAndColumnTheyNameExists) {
    writeConfig("[KONFIG]\nPOLAR=1\nTACHO=1\n");
    initialiseWithSamplePlan();
    const std::vector<platform::MenuItem> bar = buildMenuBar(app);
    std::vector<std::string> columns;
    for (int id = 0; id < lists::kColumnCount; ++id) columns.push_back(lists::columnHeader(id));

    const std::filesystem::path help =
        std::filesystem::path(std::getenv("SAISONBUCH_TEST_DATA")) / ".." / ".." / "resources" / "help";
    int paths = 0;
    int named = 0;
    for (const auto& entry : std::filesystem::directory_iterator(help)) {
        const std::string page = fileBytes(entry.path().string());
        for (const std::string& text : marked(page, std::regex("<i>(.*?)</i>"))) {
            if (text.find("\xE2\x86\x92") == std::string::npos) continue;
            ++paths;
            EXPECT_TRUE(menuHasPath(bar, text)) << entry.path().filename() << ": " << text;
        }
        for (const std::string& column : marked(page, std::regex("<span class=\"spalte\">(.*?)</span>"))) {
            ++named;
            EXPECT_NE(columns.end(), std::find(columns.begin(), columns.end(), column)) << column;
        }
    }
    EXPECT_GT(paths, 15);
    EXPECT_EQ(lists::kColumnCount, named);
}

}  // namespace
}  // namespace sb::shell::testing
