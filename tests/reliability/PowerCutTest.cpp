// SPDX-License-Identifier: GPL-3.0-or-later
// A power cut at every kind of moment of a run: from the cut on, nothing reaches the disk, and what the
// journal's side file had not synced is gone or torn, while every rename made is kept (the worst case
// for a journal, whose moves outlive its lines). After the recovery at the next start, the undo must
// bring every file back and leave nothing in the result.
#include "engine/RunJournal.h"
#include "reliability/Rig.h"
#include "reliability/Summary.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace varnolt::reliability {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The machine as seen through its system calls: it dies at call `CutAt`, and it remembers what the
// journal's side file held at each of its syncs.
class PowerCut final : public SyscallHook {
  public:
    explicit PowerCut(int cutAt) : cutAt_(cutAt) {}

    int Before(Syscall call, const std::string& path) override {
        if (cut_ || ++calls_ == cutAt_) {
            cut_ = true;
            return EIO;
        }
        if (call == Syscall::Sync && path.ends_with(kJournalInProgressFileName)) {
            sidePath_ = path;
            durable_ = ReadAll(path);
            syncs_.push_back(calls_);
        }
        return 0;
    }

    // The side file as the disk has it after the cut: its synced bytes, and with `torn` some of the
    // later ones (a page written back before the cut, another not).
    void LoseUnsynced(bool torn, std::mt19937& random) const {
        if (sidePath_.empty() || !std::filesystem::exists(sidePath_)) return;
        const std::string now = ReadAll(sidePath_);
        std::string disk = durable_;
        if (torn && now.size() > disk.size())
            disk += now.substr(disk.size(), random() % (now.size() - disk.size() + 1));
        std::ofstream(sidePath_, std::ios::binary | std::ios::trunc) << disk;
    }

    int Calls() const { return calls_; }
    const std::vector<int>& Syncs() const { return syncs_; }

  private:
    int cutAt_;
    int calls_ = 0;
    bool cut_ = false;
    std::string sidePath_;
    std::string durable_;
    std::vector<int> syncs_;
};

// Enough files for batches of three sizes, some of whose names are taken in the result already.
constexpr int kFiles = static_cast<int>(4 * kFirstIntentsPerSync) + 44;

struct Outcome {
    std::int64_t Checked = 0;
    std::int64_t Lost = 0;
    std::vector<std::string> Problems;
};

Outcome CutAndUndo(bool move, bool torn, int cutAt, PowerCut* counting = nullptr) {
    Rig rig;
    std::map<std::string, std::string> originals;
    for (int i = 0; i < kFiles; ++i) {
        const std::string relative = "in/d" + std::to_string(i % 3) + "/f" + std::to_string(i % 200) + ".txt";
        if (!originals.contains(rig.tree / relative))
            originals[rig.tree.File(relative, "content " + std::to_string(i))] =
                "content " + std::to_string(i);
    }
    const std::set<std::string> theirs{rig.tree.File("out/F/f7.txt", "the user's own")};
    rig.options.SourceList = {rig.Source()};
    rig.options.ResultLocation = rig.Result();
    rig.options.MethodKey = Method::Name;
    rig.options.HeadLetterCount = 1;
    rig.options.IncludeSubfolders = true;
    rig.options.MoveSourceFiles = move;

    PowerCut cut(cutAt);
    rig.hook.Target = counting ? counting : &cut;
    rig.engine.Run();
    rig.hook.Target = nullptr;
    std::mt19937 random(static_cast<unsigned>(cutAt));
    cut.LoseUnsynced(torn, random);

    // The next start: the recovery, under the lock, then the undo.
    Engine next(rig.options, {rig.fs, rig.host, rig.pump, rig.shell}, rig.data.Path());
    next.UndoLastRun();

    Outcome outcome;
    for (const auto& [path, content] : originals) {
        ++outcome.Checked;
        if (!std::filesystem::exists(path) || ReadAll(path) != content) {
            ++outcome.Lost;
            outcome.Problems.push_back("not back: " + path);
        }
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(rig.Result()))
        if (entry.is_regular_file() && !theirs.contains(entry.path().string()))
            outcome.Problems.push_back("left in the result: " + entry.path().string());
    for (const std::string& path : theirs)
        if (!std::filesystem::exists(path)) outcome.Problems.push_back("the user's file is gone: " + path);
    return outcome;
}

TEST(PowerCut, AtEverySyncAndBetweenThemNoFileIsLostAndNothingStaysInTheResult) {
    std::int64_t points = 0, lost = 0;
    std::vector<std::string> problems;
    for (const bool move : {true, false}) {
        PowerCut counting(0);
        CutAndUndo(move, false, 0, &counting);
        ASSERT_GE(counting.Syncs().size(), 4u) << "the mode line and three batches are synced";
        // Just before and just after every sync, and at evenly spread calls between them.
        std::set<int> cuts;
        for (const int sync : counting.Syncs())
            cuts.insert({sync - 1, sync, sync + 1});
        for (int call = 1; call <= counting.Calls(); call += std::max(1, counting.Calls() / 60))
            cuts.insert(call);
        for (const bool torn : {false, true})
            for (const int at : cuts) {
                const Outcome outcome = CutAndUndo(move, torn, at);
                ++points;
                lost += outcome.Lost;
                for (const std::string& problem : outcome.Problems)
                    problems.push_back(problem + (move ? " (move" : " (copy") +
                                       (torn ? ", torn" : ", dropped") + ", cut at call " +
                                       std::to_string(at) + ")");
            }
    }
    ReportPowerCuts(points, lost);
    EXPECT_EQ(lost, 0);
    for (std::size_t i = 0; i < std::min<std::size_t>(problems.size(), 20); ++i)
        ADD_FAILURE() << problems[i];
    EXPECT_TRUE(problems.empty());
}

} // namespace
} // namespace varnolt::reliability
