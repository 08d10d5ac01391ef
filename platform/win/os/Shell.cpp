#include "platform/win/os/Shell.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

// COM for the length of one call. A thread that already has COM in another mode can use it as
// it is; only a successful initialisation is undone.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

private:
    HRESULT result_;
};

// Owns one reference to a COM interface.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) p_->Release();
    }
    Interface* operator->() const { return p_; }
    Interface* Get() const { return p_; }
    void** Out() { return reinterpret_cast<void**>(&p_); }

private:
    Interface* p_ = nullptr;
};

std::string WithSeparator(std::wstring_view folder) {
    std::string path = WideToUtf8(folder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

// A new shell-link object and its file interface; both null when COM cannot make them.
struct ShellLinkObject {
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    bool Make() {
        return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.Out())) &&
               SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out()));
    }
};

}  // namespace

// The folder is created when it is missing, so a path returned is one a shortcut can be saved in.
std::optional<std::string> SystemShell::StartupFolder() const {
    PWSTR known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &known))) {
        std::string folder = WithSeparator(known);
        CoTaskMemFree(known);
        return folder;
    }
    CoTaskMemFree(known);
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return WithSeparator(path);
    return std::nullopt;
}

bool SystemShell::MakeShellLink(const std::string& target, const std::string& description, const std::string& linkPath) {
    ComScope com;
    ShellLinkObject object;
    return object.Make() && SUCCEEDED(object.link->SetPath(Utf8ToWide(target).c_str())) &&
           SUCCEEDED(object.link->SetDescription(Utf8ToWide(description).c_str())) &&
           SUCCEEDED(object.file->Save(Utf8ToWide(linkPath).c_str(), TRUE));
}

std::optional<std::string> SystemShell::LinkTarget(const std::string& linkPath) const {
    ComScope com;
    ShellLinkObject object;
    if (!object.Make() || FAILED(object.file->Load(Utf8ToWide(linkPath).c_str(), STGM_READ))) return std::nullopt;
    // The path as stored, without looking for a moved target.
    std::vector<wchar_t> target(32768, L'\0');
    if (object.link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, SLGP_RAWPATH) != S_OK)
        return std::nullopt;
    return WideToUtf8(target.data());
}

}  // namespace kestrowa
