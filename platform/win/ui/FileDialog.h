#pragma once
#include "platform/FileDialog.h"

namespace kestrowa {

// The common file-open dialog (Unicode), without an owner or a title of its own, as the
// program's other windows open it: it stays up until the user chooses or cancels.
class SystemFileDialogs : public FileDialogs {
public:
    std::string ChooseFileToOpen(const FileOpenRequest& request) override;
};

}  // namespace kestrowa
