// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one line per group that `make test` shows: printed, and appended to the file that
// $VARNOLT_RELIABILITY_SUMMARY names, since CTest keeps the output of passing tests to itself.
#include <cstdint>
#include <string>

namespace varnolt::reliability {

struct GroupFigures {
    std::int64_t Scenarios = 0;
    std::int64_t FaultPoints = 0;
    std::int64_t FilesChecked = 0;
    std::int64_t FilesLost = 0;
};

void ReportGroup(const std::string& group, const GroupFigures& figures, const std::string& note = {});

// The file-system matrix: how many kinds were mounted, how many runs were made and undone on them.
struct MountFigures {
    std::int64_t Mounted = 0;
    std::int64_t RoundTrips = 0;
    std::int64_t FilesLost = 0;
};

// The power cuts: how many points a cut was simulated at, and what the undo did not bring back.
void ReportPowerCuts(std::int64_t points, std::int64_t filesLost);

void ReportFileSystems(const MountFigures& figures, const std::string& note = {});

} // namespace varnolt::reliability
