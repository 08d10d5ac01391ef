#include "platform/FileReplace.h"

namespace kestrowa {

bool ReplaceThrough(FileSteps& steps, const std::string& path, const std::string& backup, std::string_view contents) {
    if (!steps.IsRegularFile(path)) return false;
    const std::string fresh = path + ".replacing";
    const std::string kept = path + ".replaced";
    // Left by a replace that was killed or failed, or put there by someone else: the names are
    // this replace's own from here on, so what it removes below is only what it made.
    if (!steps.Remove(fresh) || !steps.Remove(kept)) return false;
    if (!steps.WriteNew(fresh, contents, path)) {
        steps.Remove(fresh);
        return false;
    }
    if (!steps.Link(path, kept)) {
        steps.Remove(fresh);
        steps.Remove(kept);
        return false;
    }
    if (!steps.Rename(fresh, path)) {
        steps.Remove(fresh);
        steps.Remove(kept);
        return false;
    }
    if (!steps.Rename(kept, backup)) {
        steps.Rename(kept, path);
        return false;
    }
    return true;
}

}  // namespace kestrowa
