#pragma once
#include <string>

namespace kestrowa {

// Deletes registry keys below HKEY_CURRENT_USER. A key that still has subkeys, or does not
// exist, stays as it is; the caller is not told.
class KeyRemover {
public:
    virtual ~KeyRemover() = default;
    virtual void DeleteKey(const std::string& path) = 0;
};

}  // namespace kestrowa
