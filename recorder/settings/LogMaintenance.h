#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileReplace.h"

namespace kestrowa {

// The old log kept beside the new one by each maintenance (only the latest).
inline constexpr const char* kLogBackupName = "Kestrofl.bak";

inline constexpr const char* kMaintainQuestion = "ログファイルを編集しますか？";
inline constexpr const char* kMaintainDoneText = "ログファイルの編集が完了しました。";
inline constexpr const char* kMaintainFailedText =
    "ログファイルを編集できませんでした。\r\nログファイルとバックアップは元のままです。";

// Minutes between an end line and the next start within which the two are taken for a quick
// restart of the PC: 10 up to 2008, 20 from 2009 on (by the end line's two-digit year, 80-99
// being 1980-1999).
int QuickRestartLimit(std::string_view endLine);

// The lines of the maintained log from the non-empty lines of the current one. The first line
// stays as it is. After it only start and end lines count: a start line is kept only right after
// an end line (a second start in a row adds nothing a reader uses), and an end line followed on
// the same date within the quick-restart limit by a start line is dropped together with that
// start, so that the session before the end runs on into the one after the start. An end line
// that closes no kept start (the first line, or one after another end) is never merged. The start
// that followed the last end line is written once more at the end, as readers of the log expect
// from every maintained log (they take the first of two start lines in a row).
std::vector<std::string> MergeQuickRestarts(const std::vector<std::string>& lines);

// The maintained log's bytes from an open log: its non-empty lines read as the recorder reads
// the log (200-byte buffer), merged, each written with CR LF. Nothing when the file could not be
// read to its end.
std::optional<std::string> MaintainedLog(std::FILE* log);

// The maintenance the user starts from the settings dialog (after saying Yes to
// kMaintainQuestion): the log of the application folder is rewritten merged, and the old one is
// kept as the backup, replacing the older backup. The new log is written in full before it takes
// the old one's place in one step, so that a failure at any point (the log held open by an
// editor, no rights, no room, a read error) leaves the log and the older backup as they were.
// A missing log becomes an empty one. Returns the text to show: done or failed.
std::string MaintainLog(const std::string& applicationFolder, FileReplacer& files);

}  // namespace kestrowa
