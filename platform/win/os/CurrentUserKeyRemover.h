#pragma once
#include "platform/KeyRemover.h"

namespace kestrowa {

// Deletes keys of the real registry below HKEY_CURRENT_USER, one key at a time (never a tree).
class CurrentUserKeyRemover : public KeyRemover {
public:
    void DeleteKey(const std::string& path) override;
};

}  // namespace kestrowa
