#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

// Rewrites a file so that a failure at any point leaves it whole: readers see the old contents
// or the new, never a part. Paths are UTF-8.
class FileReplacer {
public:
    virtual ~FileReplacer() = default;
    // Writes `contents` in full to a new file beside `path`, then puts it in place of `path` in
    // one step and keeps the file it replaced as `backup` (an older backup is replaced). False
    // when `path` is not an existing file or any step fails (no room, no rights, the file held
    // open by another program); `path` and `backup` are then as they were.
    virtual bool ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                      std::string_view contents) = 0;
};

// The file operations a replace is made of; each one happens whole or not at all. None of them
// writes to an existing name or follows a link at the name it makes, removes or renames onto.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    virtual bool IsRegularFile(const std::string& path) = 0;
    // Writes `contents` in full to the new file `path`, with the access rights of the file `like`
    // where the system keeps them per file, and forces it to the disk. Fails when anything, a
    // link included, has the name `path`; that is never opened. A write that fails may leave a
    // part of the file.
    virtual bool WriteNew(const std::string& path, std::string_view contents, const std::string& like) = 0;
    // Makes `to` a second name or a copy of the file `from`. Fails, as WriteNew, when anything
    // has the name `to`; a copy that fails may leave a part of it.
    virtual bool Link(const std::string& from, const std::string& to) = 0;
    // Gives the file `from` the name `to` in one step, in place of the entry of that name (a link
    // there is replaced, not followed).
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Removes the entry `path` when that very name can go without touching anything else: a
    // file, read-only or not, or a link itself. True when nothing has that name any more. False,
    // and the entry stays, when it is a folder, a link the system would follow, a read-only file
    // that has another name too (clearing the attribute would clear that name's), or when it
    // cannot be removed.
    virtual bool Remove(const std::string& path) = 0;
};

// The replace itself, made of `steps`. The old file keeps a second name while the new one is
// renamed over it, so whenever the steps stop (a failure, or the process killed between two of
// them), `path` holds the old contents or all of the new ones; the second name then becomes the
// backup. The two names beside `path` it works with are first cleared of what an earlier replace
// left there; an entry there that cannot be removed safely stops the replace before it writes
// anything. A failure undoes the steps before it, removing only what this replace made.
bool ReplaceThrough(FileSteps& steps, const std::string& path, const std::string& backup, std::string_view contents);

// The real file system.
class SystemFileReplacer : public FileReplacer {
public:
    bool ReplaceKeepingBackup(const std::string& path, const std::string& backup, std::string_view contents) override;
};

}  // namespace kestrowa
