#include <gtest/gtest.h>

#include <set>

#include "platform/ProgramRun.h"

using namespace kestrowa;

namespace {

struct Search {
    SearchPathForm form;
    const char* searchPath;
    const char* found;  // "" when none
};

}  // namespace

// Programs named "rsvg-convert" wait in the current folder (under every relative name for it)
// and in full-path folders; only the latter may be found.
TEST(FindOnSearchPath, OnlyFoldersNamedByAFullPathAreSearched) {
    const std::set<std::string> programs = {
        "rsvg-convert", "./rsvg-convert", "bin/rsvg-convert", "/usr/bin/rsvg-convert", "/opt/r/rsvg-convert",
        "rsvg-convert.exe", ".\\rsvg-convert.exe", "bin\\rsvg-convert.exe", "C:rsvg-convert.exe",
        "\\tools\\rsvg-convert.exe", "C:\\Program Files\\r\\rsvg-convert.exe", "d:/r/rsvg-convert.exe",
        "\\\\server\\share\\rsvg-convert.exe", "C:\\r\\rsvg-convert.exe", "C:\\s\\rsvg-convert.cmd"};
    const Search searches[] = {
        {SearchPathForm::Posix, "", ""},
        {SearchPathForm::Posix, ":.:bin:./bin", ""},
        {SearchPathForm::Posix, ":/usr/bin", "/usr/bin/rsvg-convert"},
        {SearchPathForm::Posix, ".:/opt/r/:/usr/bin:", "/opt/r/rsvg-convert"},
        {SearchPathForm::Posix, "/nowhere::/usr/bin", "/usr/bin/rsvg-convert"},
        {SearchPathForm::Windows, ";.;bin;.\\;C:;\\tools", ""},
        {SearchPathForm::Windows, ".;C:\\r", "C:\\r\\rsvg-convert.exe"},
        {SearchPathForm::Windows, "\"C:\\Program Files\\r\";C:\\r", "C:\\Program Files\\r\\rsvg-convert.exe"},
        {SearchPathForm::Windows, "C:\\nowhere\\;D:/r;d:/r/", "d:/r/rsvg-convert.exe"},
        {SearchPathForm::Windows, "C:\\s;\\\\server\\share\\", "\\\\server\\share\\rsvg-convert.exe"},
        {SearchPathForm::Windows, "/usr/bin", ""},
    };
    for (const Search& s : searches) {
        std::vector<std::string> asked;
        const std::optional<std::string> found =
            FindOnSearchPath("rsvg-convert", s.searchPath, s.form, [&](const std::string& path) {
                asked.push_back(path);
                return programs.count(path) > 0;
            });
        EXPECT_EQ(found.value_or(""), s.found) << s.searchPath;
        for (const std::string& path : asked) EXPECT_TRUE(path[0] == '/' || path[1] == ':' || path[0] == '\\') << path;
    }
}

TEST(WindowsCommandLine, EachArgumentComesBackAsItWasGiven) {
    EXPECT_EQ(WindowsCommandLine({"C:\\Program Files\\r\\rsvg-convert.exe", "--format=png", ""}),
              R"("C:\Program Files\r\rsvg-convert.exe" "--format=png" "")");
    // Backslashes count double only before a quote, the closing one included.
    EXPECT_EQ(WindowsCommandLine({R"(C:\out\)", R"(a\\b)", R"(say "hi")", R"(a\"b)", R"(\\)"}),
              R"("C:\out\\" "a\\b" "say \"hi\"" "a\\\"b" "\\\\")");
}
