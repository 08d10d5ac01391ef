#pragma once
#include <string>

#include "TempDir.h"
#include "viewer/MonthModel.h"

// A log file in a folder of its own, read as the viewer reads it.
class TestLog {
public:
    explicit TestLog(const std::string& bytes) { dir_.Write("Kestrofl.dat", bytes); }
    std::string Path() const { return dir_.File("Kestrofl.dat"); }

    // The month as the own log (closed at `now`) or as a second log.
    kestrowa::MonthModel Month(int year, int month, const kestrowa::DateTime& now, bool ownLog = true,
                               int timeMode = kestrowa::kTimeHoursMinutes) const {
        kestrowa::MonthModel model;
        bool read = kestrowa::ReadMonth({Path(), ownLog, kestrowa::NowLine(now)}, year, month, timeMode, model);
        if (!read) ADD_FAILURE() << "log not read";
        return model;
    }

private:
    TempDir dir_;
};
