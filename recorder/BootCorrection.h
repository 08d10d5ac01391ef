#pragma once
#include <array>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "recorder/RecorderEnvironment.h"
#include "recorder/SessionRecording.h"

namespace kestrowa {

// Where the Windows boot time comes from: the local time of a file's last write, found by a
// directory search for its exact path; nothing when there is no such file. The Win32 version
// searches with FindFirstFileW and converts ftLastWriteTime with FileTimeToLocalFileTime and
// FileTimeToSystemTime.
class FileTimes {
public:
    virtual ~FileTimes() = default;
    virtual std::optional<DateTime> LastWriteTime(const std::string& path) const = 0;
};

// The boot files of a family, prefixed with the Windows drive, in the order they are tried.
std::array<std::string, 2> BootFilePaths(OsFamily family, const std::string& windowsDrive);

// The time Windows booted: the last write of the first boot file that exists; when neither
// exists, now minus the system's millisecond tick count (whole seconds).
DateTime WindowsBootTime(const FileTimes& files, OsFamily family, const std::string& windowsDrive,
                         const Clock& clock);

// The shown start time after the correction `correct` (0 to 4): 0 gives the run start, 1 to 3
// take that many minutes off the shown start (borrowing into hour, day, month and year), 4 gives
// the boot time. `bootTime` is asked only for 4.
DateTime CorrectedStart(int correct, const DateTime& shownStart, const DateTime& runStart,
                        const std::function<DateTime()>& bootTime);

// The boot-time correction of the status window. After either call the window shows
// recording.ShownStartText() in control 1005.
class BootCorrection {
public:
    BootCorrection(const Clock& clock, Profile& profile, const FileTimes& files, OsFamily family,
                   std::string windowsDrive);

    // Corrects the recording's shown start by the stored `Correct` and stores it as the PC start time.
    // This is the hook RecordStart takes: recording.RecordStart([&] { correction.Apply(recording); }).
    void Apply(SessionRecording& recording) const;

    // The settings dialog changed `Correct` to `newCorrect` (already written). After a fresh start
    // a new value of 0 changes nothing; after a restart 1, 2 and 3 count as 0 for this call, so the
    // run's own start is shown. True when the correction was applied: then place the window again.
    bool ApplyChangedSetting(SessionRecording& recording, int newCorrect) const;

private:
    void ApplyWith(SessionRecording& recording, int correct) const;

    const Clock& clock_;
    Profile& profile_;
    const FileTimes& files_;
    OsFamily family_;
    std::string windowsDrive_;
};

}  // namespace kestrowa
