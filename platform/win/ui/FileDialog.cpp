#include "platform/win/ui/FileDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win/os/Text.h"

namespace kestrowa {

std::string SystemFileDialogs::ChooseFileToOpen(const FileOpenRequest& request) {
    // "text|pattern|...||" becomes the list of strings the dialog takes, each ended by a null,
    // the list by one more.
    std::wstring filter = Utf8ToWide(request.filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');
    const std::wstring extension = Utf8ToWide(request.defaultExtension);
    // Room for any path the system can name.
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring initial = Utf8ToWide(request.initialName);
    std::copy_n(initial.begin(), std::min(initial.size(), name.size() - 1), name.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return {};
    return WideToUtf8(name.data());
}

}  // namespace kestrowa
