#pragma once
#include <string>

#include "viewer/report/Report.h"

namespace kestrowa {

// The period views of the report: the period as the dialog's edits show it after counting, its
// length label and summary boxes, an empty record, the column headers and the rows. Exits with
// kReportRefusedPeriod and the dialog's message when the dialog would refuse the period.
int RunPeriodReport(const ReportRequest& request, std::string& out, std::string& err);

}  // namespace kestrowa
