// SPDX-License-Identifier: GPL-3.0-or-later
#include "reliability/Summary.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace varnolt::reliability {

namespace {

void Report(const std::string& group, const std::string& figures, const std::string& note) {
    const std::string line =
        "reliability: " + group + ": " + figures + (note.empty() ? "" : " (" + note + ")");
    std::cout << line << std::endl;
    if (const char* file = std::getenv("VARNOLT_RELIABILITY_SUMMARY"))
        std::ofstream(file, std::ios::app) << line << "\n";
}

} // namespace

void ReportGroup(const std::string& group, const GroupFigures& figures, const std::string& note) {
    Report(group,
           std::to_string(figures.Scenarios) + " scenarios, " + std::to_string(figures.FaultPoints) +
               " fault points tried, " + std::to_string(figures.FilesChecked) + " files checked, " +
               std::to_string(figures.FilesLost) + " files lost",
           note);
}

void ReportPowerCuts(std::int64_t points, std::int64_t filesLost) {
    Report("power cuts", std::to_string(points) + " points, " + std::to_string(filesLost) + " files lost",
           {});
}

void ReportFileSystems(const MountFigures& figures, const std::string& note) {
    Report("file systems",
           std::to_string(figures.Mounted) + " mounted, " + std::to_string(figures.RoundTrips) +
               " round trips, " + std::to_string(figures.FilesLost) + " files lost",
           note);
}

} // namespace varnolt::reliability
