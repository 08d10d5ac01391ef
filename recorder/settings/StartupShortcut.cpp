#include "recorder/settings/StartupShortcut.h"

#include <algorithm>

namespace kestrowa {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsShortcutName(std::string_view name) {
    constexpr std::string_view kExtension = ".lnk";
    return name.size() > kExtension.size() && SameIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::string RemoveShortcutQuestion(std::string_view fileName) {
    return "スタートアップから\nショートカット「" + std::string(fileName) + "」を削除します！";
}

std::vector<std::string> OwnShortcuts(const std::vector<DirectoryEntry>& entries, std::string_view program,
                                      const std::function<std::optional<std::string>(const std::string& name)>& targetOf) {
    std::vector<std::string> own;
    for (const DirectoryEntry& entry : entries) {
        if (entry.folder || entry.link || !IsShortcutName(entry.name)) continue;
        const std::optional<std::string> target = targetOf(entry.name);
        if (target && SameIgnoringCase(*target, program)) own.push_back(entry.name);
    }
    return own;
}

StartupShortcuts::StartupShortcuts(Shell& shell, Directory& directory, std::string startupFolder,
                                   std::string applicationFolder, ShortcutPrompts prompts)
    : shell_(shell),
      directory_(directory),
      startupFolder_(std::move(startupFolder)),
      applicationFolder_(std::move(applicationFolder)),
      prompts_(std::move(prompts)) {}

void StartupShortcuts::Create() {
    prompts_.tell(kShortcutNoticeText);
    const bool made = shell_.MakeShellLink(ProgramPath(), "", ShortcutPath());
    prompts_.tell(made ? kShortcutCreatedText : kShortcutFailedText);
}

void StartupShortcuts::RemoveOwn() {
    const std::vector<std::string> own =
        OwnShortcuts(directory_.List(startupFolder_), ProgramPath(),
                     [this](const std::string& name) { return shell_.LinkTarget(startupFolder_ + name); });
    for (const std::string& name : own)
        if (prompts_.ask(RemoveShortcutQuestion(name))) directory_.RemoveFile(startupFolder_, name);
}

void StartupShortcuts::Align(StartMethod method, Profile& profile) {
    const bool made = Read(profile, recorder_key::ShortCut) == 1;
    if (method == StartMethod::Manual) {
        if (made) RemoveOwn();
        Write(profile, recorder_key::ShortCut, 0);
    } else if (!made) {
        Create();
        Write(profile, recorder_key::ShortCut, 1);
    }
}

}  // namespace kestrowa
