// SPDX-License-Identifier: GPL-3.0-or-later
// Every system call of a run and of an undo, failed in turn: nothing may be lost, doubled, truncated or
// replaced, the journal may name only what happened, and the command must reach its end.
#include "engine/Options.h"
#include "reliability/Rig.h"
#include "reliability/Summary.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace varnolt::reliability {
namespace {

struct Scenario {
    std::string Method;
    bool Move = true;
    bool AcrossFileSystems = false; // every rename of the user's files fails with EXDEV
    bool Undo = false;              // the faults hit the undo of a clean run
    std::string Name() const {
        return (Undo ? "undo of " : "") + std::string(Move ? "move" : "copy") +
               (AcrossFileSystems ? " across" : "") + " by " + Method;
    }
};

// What one try does: nothing, fail call number `Call`, or make its destination appear just before it.
struct FaultPoint {
    int Call = 0; // counted from 1 over the command; 0 for none
    int Error = 0;
    Syscall Kind = Syscall::Stat;
    int NthOfKind = 0;
    std::string Intruder; // the path that appears
};

std::vector<int> ErrorsFor(Syscall kind) {
    std::vector<int> errors{EACCES, EIO};
    switch (kind) {
    case Syscall::Rename:
    case Syscall::Link:
        errors.insert(errors.end(), {ENOSPC, ENOENT, EXDEV});
        break;
    case Syscall::MakeDir:
    case Syscall::Write:
    case Syscall::Sync:
    case Syscall::Copy:
    case Syscall::Symlink:
        errors.push_back(ENOSPC);
        break;
    case Syscall::Open:
        errors.insert(errors.end(), {ENOSPC, ENOENT});
        break;
    case Syscall::Stat:
    case Syscall::OpenDir:
    case Syscall::Unlink:
    case Syscall::RemoveDir:
    case Syscall::ReadLink:
        errors.push_back(ENOENT);
        break;
    default:
        break;
    }
    return errors;
}

// A small tree that takes every path of a transfer: two files of one name in one category (the second is
// numbered), a saved page with its companion folder, a file in a subfolder, one that no category takes.
void PlantTree(Rig& rig, Ledger& ledger) {
    const auto plant = [&](const std::string& relative, const std::string& content) {
        const std::string path = rig.tree.File(relative, content);
        ledger.Original(path, content);
        // One fixed time, so that the date categories are the same on every try.
        struct timespec times[2] = {{1299506709, 0}, {1299506709, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    };
    plant("in/alpha.txt", "first alpha");
    plant("in/sub/alpha.txt", "second alpha, a little longer");
    plant("in/beta.mp3", std::string(5000, 'b'));
    plant("in/page.htm", "<html>page</html>");
    plant("in/page_files/pic.png", "picture of the page");
    plant("in/zeta", "no extension");
    rig.tree.Folder("out");
}

void Configure(ClassifyOptions& o, const Scenario& scenario, const Rig& rig) {
    o.SourceList = {rig.Source()};
    o.ResultLocation = rig.Result();
    o.MethodKey = scenario.Method;
    o.MoveSourceFiles = scenario.Move;
    o.IncludeSubfolders = true;
    o.HeadLetterCount = 2;
    o.Group(TypeGroup::Music).Enabled = o.Group(TypeGroup::Document).Enabled = true;
    o.EveryTypeFolder = true;
    o.GroupedSubfolders = true;
    o.SubfolderName = "Batch";
    o.MaxFilesPerFolder = 2;
}

class Campaign {
  public:
    GroupFigures Figures;
    Tally Total;

    void Run(const Scenario& scenario) {
        ++Figures.Scenarios;
        FaultInjector counter;
        Try(scenario, {}, &counter);
        const std::vector<FaultInjector::Call> calls = counter.Calls();
        std::vector<int> nthOfKind(SyscallKindCount, 0);
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const Syscall kind = calls[i].Kind;
            const int nth = ++nthOfKind[static_cast<int>(kind)];
            for (int error : ErrorsFor(kind))
                Try(scenario, {static_cast<int>(i) + 1, error, kind, nth, ""}, nullptr);
            if (CanIntrude(kind, calls[i].Path)) Try(scenario, {0, 0, kind, nth, calls[i].Path}, nullptr);
        }
    }

  private:
    // A destination that a command creates: something else may take its name at the last moment.
    static bool CanIntrude(Syscall kind, const std::string& path) {
        const bool creates = kind == Syscall::Rename || kind == Syscall::Link || kind == Syscall::MakeDir ||
                             kind == Syscall::Open || kind == Syscall::Symlink;
        return creates && path.find("/varnolt-test-") != std::string::npos &&
               path.find("undo.udo") == std::string::npos;
    }

    // The intruder's path was recorded in another try's tree: the same place in this one.
    static std::string InThisTree(const std::string& path, const Rig& rig) {
        const std::size_t start =
            path.find("/in/") != std::string::npos ? path.find("/in/") : path.find("/out/");
        return rig.tree.Path() + path.substr(start + 1);
    }

    void Try(const Scenario& scenario, const FaultPoint& point, FaultInjector* counter) {
        Rig rig;
        Ledger ledger;
        PlantTree(rig, ledger);
        Configure(rig.options, scenario, rig);
        FaultInjector faults;
        if (scenario.AcrossFileSystems) {
            faults.FailPathsContaining(rig.Source() + "/", EXDEV, Syscall::Rename);
            faults.FailPathsContaining(rig.Result() + "/", EXDEV, Syscall::Rename);
        }
        bool intruded = false;
        if (point.Call) faults.FailNthCall(point.Call, point.Error);
        if (!point.Intruder.empty()) {
            const std::string intruder = InThisTree(point.Intruder, rig);
            faults.RunBefore(point.Kind, point.NthOfKind, [&, intruder] {
                if (std::filesystem::exists(std::filesystem::path(intruder).parent_path()) &&
                    !std::filesystem::exists(intruder)) {
                    std::ofstream(intruder) << "intruder at " << intruder;
                    ledger.Fixed(intruder, "intruder at " + intruder);
                    intruded = true;
                }
            });
        }
        FaultInjector* const active = counter ? counter : &faults;
        if (counter) *counter = faults;

        if (scenario.Undo) {
            rig.engine.Run();
            Expect(rig.RunEnded(), "the clean run did not end", scenario, point);
        }
        const Journal runJournal = ReadJournalOnDisk(rig.data.Path());
        rig.hook.Target = active;
        scenario.Undo ? rig.engine.UndoLastRun() : rig.engine.Run();
        rig.hook.Target = nullptr;
        if (!counter && (point.Call || intruded)) ++Figures.FaultPoints;

        if (scenario.Undo) {
            Expect(rig.UndoEnded(), "the undo did not end", scenario, point);
            Record(ledger.CheckPlaces(rig.Files(), runJournal), scenario, point);
            return;
        }
        Expect(rig.RunEnded(), "the run did not reach its end steps", scenario, point);
        const Journal journal = ReadJournalOnDisk(rig.data.Path());
        Record(ledger.CheckRun(rig.Files(), journal), scenario, point);
        // Whatever went wrong on the way, the undo of what the journal holds puts everything back.
        rig.host.Ends.clear();
        rig.engine.UndoLastRun();
        Expect(rig.UndoEnded(), "the undo after the run did not end", scenario, point);
        Record(ledger.CheckUndone(rig.Files(), journal), scenario, point);
    }

    static std::string Describe(const Scenario& scenario, const FaultPoint& point) {
        if (!point.Intruder.empty()) return scenario.Name() + ", intruder at " + point.Intruder;
        if (!point.Call) return scenario.Name() + ", no fault";
        return scenario.Name() + ", call " + std::to_string(point.Call) + " (" + SyscallName(point.Kind) +
               ") failing with " + std::strerror(point.Error);
    }

    void Expect(bool holds, const char* what, const Scenario& scenario, const FaultPoint& point) {
        if (!holds) Total.Problems.push_back(std::string(what) + " in " + Describe(scenario, point));
    }

    void Record(Tally tally, const Scenario& scenario, const FaultPoint& point) {
        for (std::string& problem : tally.Problems)
            problem += " in " + Describe(scenario, point);
        Total.Add(tally);
    }
};

TEST(FaultCampaign, EveryCallOfEveryScenarioFailedInTurnLosesNothing) {
    Campaign campaign;
    for (const char* method : {Method::Name, Method::Date, Method::Number, Method::Type, Method::Size})
        for (bool move : {true, false})
            campaign.Run({method, move});
    campaign.Run({Method::Name, true, true});
    for (bool move : {true, false})
        campaign.Run({Method::Name, move, false, true});
    campaign.Run({Method::Name, true, true, true});

    campaign.Figures.FilesChecked = campaign.Total.FilesChecked;
    campaign.Figures.FilesLost = campaign.Total.FilesLost;
    ReportGroup("fault campaign", campaign.Figures);
    EXPECT_EQ(campaign.Total.FilesLost, 0);
    EXPECT_GT(campaign.Figures.FaultPoints, 1000);
    const std::size_t shown = std::min<std::size_t>(campaign.Total.Problems.size(), 40);
    for (std::size_t i = 0; i < shown; ++i)
        ADD_FAILURE() << campaign.Total.Problems[i];
    EXPECT_EQ(campaign.Total.Problems.size(), 0u);
}

} // namespace
} // namespace varnolt::reliability
