#include "shared/RecorderSettings.h"

namespace kestrowa {

RecorderSettings ReadRecorderSettings(const Profile& profile) {
    namespace key = recorder_key;
    RecorderSettings s;
    s.startMethod = static_cast<StartMethod>(Read(profile, key::AptnSet));
    s.correction = static_cast<Correction>(Read(profile, key::Correct));
    s.endCommandInStartup = Read(profile, key::StartUpIdok) == 1;
    s.stopwatch = Read(profile, key::StopWatch) == 1;
    s.interval = Read(profile, key::Sec);
    s.upDown = Read(profile, key::UpDown);
    s.leftRight = Read(profile, key::LeftRight);
    s.showTodayCount = Read(profile, key::DayCountFlag) == 1;
    s.showMonth = Read(profile, key::ManthiyTime) == 1;
    s.monthTimeForm = static_cast<MonthTimeForm>(Read(profile, key::MonthTimeForm));
    return s;
}

void WriteRecorderSettings(Profile& profile, const RecorderSettings& s) {
    namespace key = recorder_key;
    Write(profile, key::AptnSet, s.startMethod);
    Write(profile, key::Correct, s.correction);
    Write(profile, key::StartUpIdok, s.endCommandInStartup ? 1 : 0);
    Write(profile, key::StopWatch, s.stopwatch ? 1 : 0);
    Write(profile, key::Sec, s.interval);
    Write(profile, key::UpDown, s.upDown);
    Write(profile, key::LeftRight, s.leftRight);
    Write(profile, key::DayCountFlag, s.showTodayCount ? 1 : 0);
    Write(profile, key::ManthiyTime, s.showMonth ? 1 : 0);
    Write(profile, key::MonthTimeForm, s.monthTimeForm);
}

// A time with a part missing or out of range counts as none stored: it could only give a
// running time that never was.
DateTime StoredPcStart(const Profile& profile) {
    namespace key = recorder_key;
    const DateTime start{Read(profile, key::PresentYear),   Read(profile, key::PresentMonth),
                         Read(profile, key::PresentDate),   Read(profile, key::PresentHour),
                         Read(profile, key::PresentMinute), Read(profile, key::PresentSecond)};
    if (start.year == 0 || start.month == 0 || start.day == 0) return {};
    return start;
}

void StorePcStart(Profile& profile, const DateTime& start) {
    namespace key = recorder_key;
    Write(profile, key::PresentYear, start.year);
    Write(profile, key::PresentMonth, start.month);
    Write(profile, key::PresentDate, start.day);
    Write(profile, key::PresentHour, start.hour);
    Write(profile, key::PresentMinute, start.minute);
    Write(profile, key::PresentSecond, start.second);
}

}  // namespace kestrowa
