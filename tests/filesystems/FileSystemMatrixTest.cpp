// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting onto, off and within real mounted file systems of every kind people keep photos and music
// on. Each run and its undo is checked: no file lost, none overwritten, every byte and the last write
// time kept (as finely as the file system keeps it).
#include "engine/Options.h"
#include "filesystems/Volume.h"
#include "reliability/Rig.h"
#include "reliability/Summary.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace varnolt::filesystems {
namespace {

namespace fs = std::filesystem;
using reliability::Journal;
using reliability::Ledger;
using reliability::Rig;
using reliability::Tally;

std::string& SkipReason() {
    static std::string reason;
    return reason;
}

// The build's own disk is the far side of every run onto or off a volume: the scratch folders live
// beside this program, not in a temporary folder that may be in memory.
class MountingEnvironment : public ::testing::Environment {
  public:
    void TearDown() override {
        std::error_code ignored;
        if (const char* own = std::getenv("TMPDIR")) fs::remove(own, ignored);
    }

    void SetUp() override {
        const fs::path scratch = fs::read_symlink("/proc/self/exe").parent_path() / "filesystem-scratch";
        RemoveLeftovers(scratch);
        const fs::path own = scratch / std::to_string(getpid());
        std::error_code ignored;
        fs::create_directories(own, ignored);
        setenv("TMPDIR", own.c_str(), 1);
        SkipReason() = PrepareMounting();
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new MountingEnvironment);

// Middays of different days, with a part of a second: a date sort gives one folder per day, and a time
// kept only to the second or to two seconds is still on the same day.
struct timespec PlantedTime(int index) {
    return {static_cast<time_t>(1'615'118'401 + index * 86'400 + (index % 2) * 3), 500'000'000};
}

std::int64_t Nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool HoldsFiles(const std::string& root) {
    return !reliability::TakeSnapshot({root}).empty();
}

// For the messages: the files below a folder.
std::string Listing(const std::string& root) {
    std::string text;
    for (const auto& [path, content] : reliability::TakeSnapshot({root}))
        text += "\n  " + path;
    return text;
}

enum class Direction { Onto, OffIt, Inside };

const char* DirectionName(Direction direction) {
    constexpr std::array<const char*, 3> names = {"from the build disk onto it",
                                                  "from it onto the build disk", "inside it"};
    return names[static_cast<std::size_t>(direction)];
}

class FileSystemMatrix : public ::testing::TestWithParam<Kind> {
  protected:
    static void TearDownTestSuite() {
        reliability::ReportFileSystems(figures, SkipReason().empty() ? "" : "skipped: " + SkipReason());
        figures = {};
    }

    void SetUp() override {
        if (!SkipReason().empty()) GTEST_SKIP() << SkipReason();
        volume = std::make_unique<Volume>(GetParam());
        ASSERT_TRUE(volume->Ready()) << volume->Problem();
        // One scratch folder of our own on the build's disk, one on the volume.
        disk = std::make_unique<TempDir>();
    }

    const KindTraits& Traits() const { return TraitsOf(GetParam()); }

    // A fresh rig for a run by `method`, moving or copying, whose source and result folders (below
    // folders called `name`) lie where `direction` says.
    std::unique_ptr<Rig> MakeRig(Direction direction, const char* method, bool move,
                                 const std::string& name) {
        auto rig = std::make_unique<Rig>();
        rig->options.MethodKey = method;
        rig->options.MoveSourceFiles = move;
        const std::string onVolume = volume->Root() + name;
        const std::string onDisk = disk->Path() + name;
        source = (direction == Direction::Onto ? onDisk : onVolume) + "/in";
        result = (direction == Direction::OffIt ? onDisk : onVolume) + "/out";
        fs::create_directories(source);
        fs::create_directories(fs::path(result).parent_path());
        rig->options.SourceList = {source};
        rig->options.ResultLocation = result;
        rig->options.IncludeSubfolders = true;
        ledger = Ledger();
        planted.clear();
        return rig;
    }

    // A file of the user's with content of its own and a known last write time (as the file system
    // holding it keeps it).
    void Plant(const std::string& relative, std::size_t size = 0) {
        const std::string path = source + "/" + relative;
        std::string content = path + " #" + std::to_string(planted.size());
        content.resize(std::max(size, content.size()), static_cast<char>('a' + planted.size() % 26));
        fs::create_directories(fs::path(path).parent_path());
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0640);
        ASSERT_GE(fd, 0) << path;
        ASSERT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
        const struct timespec times[2] = {PlantedTime(static_cast<int>(planted.size())),
                                          PlantedTime(static_cast<int>(planted.size()))};
        futimens(fd, times);
        close(fd);
        struct stat info;
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        planted[path] = info.st_mtim;
        ledger.Original(path, content);
    }

    void PlantTree() {
        Plant("Photo 1.jpg", 300'000);
        Plant("photo 2.png");
        Plant("song.mp3", 70'000);
        Plant("notes.txt");
        if (Traits().TakesNonAsciiNames) Plant("Grüße aus Köln.txt");
        Plant("sub/report.pdf");
        Plant("sub/deeper/clip.mkv", 5'000);
        Plant("page.htm");
        Plant("page_files/picture.png");
    }

    // Where the journal says a planted file went, itself or inside a folder that went.
    static std::string PlaceOf(const std::string& path, const Journal& journal) {
        for (const auto& [from, to] : journal.Pairs) {
            if (from == path) return to;
            if (path.starts_with(from + "/")) return to + path.substr(from.size());
        }
        return path;
    }

    // After the undo too: a folder that went with a page stays where it went.
    void ExpectTimesKept(const Journal& journal) {
        for (const auto& [path, time] : planted) {
            struct stat info;
            if (stat(path.c_str(), &info) != 0 && stat(PlaceOf(path, journal).c_str(), &info) != 0)
                continue; // the no-loss check tells
            EXPECT_LT(std::abs(Nanoseconds(info.st_mtim) - Nanoseconds(time)), Traits().TimeStepNs) << path;
        }
    }

    void Count(const Tally& tally) {
        figures.FilesLost += tally.FilesLost;
        for (const std::string& problem : tally.Problems)
            ADD_FAILURE() << problem;
    }

    std::vector<std::string> Roots() const { return {source, result}; }

    // The run and its undo, each checked against the ledger; `afterRun` checks more before the undo.
    Journal RunAndUndo(Rig& rig, const std::function<void(const Journal&)>& afterRun = {}) {
        rig.engine.Run();
        EXPECT_TRUE(rig.RunEnded()) << rig.host.Trouble();
        const Journal journal = reliability::ReadJournalOnDisk(rig.data.Path());
        Count(ledger.CheckRun(reliability::TakeSnapshot(Roots()), journal));
        ExpectTimesKept(journal);
        if (afterRun) afterRun(journal);
        rig.engine.UndoLastRun();
        EXPECT_TRUE(rig.UndoEnded());
        Count(ledger.CheckUndone(reliability::TakeSnapshot(Roots()), journal));
        ExpectTimesKept(journal);
        ++figures.RoundTrips;
        return journal;
    }

    static inline reliability::MountFigures figures;
    std::unique_ptr<Volume> volume;
    std::unique_ptr<TempDir> disk;
    std::string source;
    std::string result;
    Ledger ledger;
    std::map<std::string, struct timespec> planted;
};

TEST_P(FileSystemMatrix, EveryMethodMovesAndCopiesOntoOffAndInsideAndUndoes) {
    std::vector<Direction> directions = {Direction::Inside};
    if (GetParam() != Kind::BuildDisk) directions = {Direction::Onto, Direction::OffIt, Direction::Inside};
    int scenario = 0;
    for (const Direction direction : directions)
        for (const char* method : {Method::Date, Method::Name, Method::Number, Method::Type, Method::Size})
            for (const bool move : {true, false}) {
                SCOPED_TRACE(std::string(method) + (move ? ", moving " : ", copying ") +
                             DirectionName(direction));
                auto rig = MakeRig(direction, method, move, "scenario " + std::to_string(++scenario));
                rig->options.MaxFilesPerFolder = 3;
                rig->options.SubfolderName = "Batch";
                rig->options.Group(TypeGroup::Image).Enabled = rig->options.Group(TypeGroup::Music).Enabled =
                    rig->options.Group(TypeGroup::Video).Enabled =
                        rig->options.Group(TypeGroup::Document).Enabled = true;
                PlantTree();
                RunAndUndo(*rig, [&](const Journal&) {
                    // Every file went: none is left behind by a move, each has its copy.
                    EXPECT_EQ(HoldsFiles(source), !move) << Listing(source);
                    EXPECT_EQ(reliability::TakeSnapshot({result}).size(), planted.size());
                });
                if (HasFailure()) return;
            }
    ++figures.Mounted;
}

TEST_P(FileSystemMatrix, NamesThatDifferOnlyByCaseNeverReplaceOneAnother) {
    for (const char* method : {Method::Type, Method::Name})
        for (const bool move : {true, false}) {
            SCOPED_TRACE(std::string(method) + (move ? ", moving" : ", copying"));
            auto rig =
                MakeRig(Direction::Onto, method, move, std::string(method) + (move ? " move" : " copy"));
            rig->options.Group(TypeGroup::Document).Enabled = true;
            // Three files of one name but for its case: on a case-insensitive file system the later
            // ones get numbers, and the category folders "A" and "a" are one.
            Plant("x/Apple.txt");
            Plant("y/apple.txt");
            Plant("y/APPLE.TXT");
            RunAndUndo(*rig, [&](const Journal& journal) {
                EXPECT_EQ(journal.Pairs.size(), 3u);
                const auto placed = reliability::TakeSnapshot({result});
                EXPECT_EQ(placed.size(), 3u) << Listing(result);
                const auto numbered = std::count_if(placed.begin(), placed.end(), [](const auto& file) {
                    return fs::path(file.first).filename().string().find('(') != std::string::npos;
                });
                EXPECT_EQ(numbered, Traits().CaseInsensitive ? 2 : 0) << Listing(result);
            });
        }
}

// The file systems that keep Windows' rules for names.
class RefusingFileSystem : public FileSystemMatrix {};

TEST_P(RefusingFileSystem, ANameItRefusesStaysUnjournaledAndLeavesNoEmptyFolder) {
    for (const bool move : {true, false}) {
        SCOPED_TRACE(move ? "moving" : "copying");
        auto rig = MakeRig(Direction::Onto, Method::Name, move, move ? "move" : "copy");
        std::vector<std::string> refused = {"a:b.txt", "what?.txt", "say \"hi\".txt", "star*.txt"};
        if (!Traits().TakesNonAsciiNames) refused.push_back("Ümlaut.txt");
        for (const std::string& name : refused)
            Plant(name);
        Plant("fine.txt");
        RunAndUndo(*rig, [&](const Journal& journal) {
            ASSERT_EQ(journal.Pairs.size(), 1u);
            EXPECT_EQ(journal.Pairs[0].first, source + "/fine.txt");
            for (const std::string& name : refused)
                EXPECT_TRUE(fs::exists(source + "/" + name)) << name;
            for (const auto& entry : fs::recursive_directory_iterator(result))
                EXPECT_FALSE(entry.is_directory() && fs::is_empty(entry.path()))
                    << "an empty category folder stayed: " << entry.path();
        });
    }
}

// FAT holds no file of 4 GiB or more: such a file stays, and no part of it is left on the volume.
class SmallFileSystem : public FileSystemMatrix {};

TEST_P(SmallFileSystem, AFileTooLargeForItStaysAndLeavesNothingPartial) {
    for (const bool move : {true, false}) {
        SCOPED_TRACE(move ? "moving" : "copying");
        auto rig = MakeRig(Direction::Onto, Method::Type, move, move ? "move" : "copy");
        rig->options.Group(TypeGroup::Video).Enabled = true;
        Plant("trailer.mkv");
        // In a source folder of its own, which the no-loss checks do not read.
        const std::string large = disk->Path() + (move ? "move" : "copy") + "/large/film.mkv";
        fs::create_directories(fs::path(large).parent_path());
        rig->options.SourceList.push_back(fs::path(large).parent_path());
        {
            const int fd = open(large.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(ftruncate(fd, (off_t{4} << 30) + 1), 0); // sparse: nothing of it is on the disk
            close(fd);
        }
        struct statvfs before;
        ASSERT_EQ(statvfs(volume->Root().c_str(), &before), 0);
        RunAndUndo(*rig, [&](const Journal& journal) {
            EXPECT_EQ(journal.Pairs.size(), 1u);
            EXPECT_EQ(fs::file_size(large), (std::uintmax_t{4} << 30) + 1);
            EXPECT_EQ(reliability::TakeSnapshot({result}).size(), 1u) << Listing(result);
        });
        struct statvfs after;
        ASSERT_EQ(statvfs(volume->Root().c_str(), &after), 0);
        EXPECT_GE(after.f_bfree + 16, before.f_bfree) << "the partial copy's space was not given back";
        fs::remove(large);
    }
}

// Fills the file system of `folder` with a file of its own, then gives `margin` bytes of it back: free
// space as file systems report it can be far from what they will still take.
void FillUp(const std::string& folder, off_t margin) {
    const std::string filler = folder + "/filler";
    const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    const std::string zeros(1 << 20, '\0');
    off_t size = 0;
    for (off_t step = 16 << 20; step >= 64 << 10; step /= 4) {
        // Reserved without writing where the file system can; written where it cannot.
        for (;;) {
            if (fallocate(fd, 0, size, step) == 0) {
                size += step;
                continue;
            }
            if (errno == ENOSPC) break;
            const ssize_t written = pwrite(fd, zeros.data(), std::min<std::size_t>(step, zeros.size()), size);
            if (written <= 0) break;
            size += written;
        }
        fsync(fd);
    }
    ASSERT_EQ(ftruncate(fd, std::max<off_t>(size - margin, 0)), 0);
    fsync(fd);
    close(fd);
}

// The file systems mounted for the test (the build's own disk is not filled).
class MountedFileSystem : public FileSystemMatrix {};

TEST_P(MountedFileSystem, AVolumeThatFillsUpMidRunTakesEachFileWhollyOrNotAtAll) {
    for (const bool move : {true, false}) {
        SCOPED_TRACE(move ? "moving" : "copying");
        auto rig = MakeRig(Direction::Onto, Method::Number, move, move ? "move" : "copy");
        rig->options.MaxFilesPerFolder = 4;
        rig->options.SubfolderName = "Batch";
        for (int n = 1; n <= 24; ++n)
            Plant("part " + std::to_string(n) + ".bin", 256 * 1024);
        FillUp(volume->Root(), 1024 * 1024);
        RunAndUndo(*rig, [&](const Journal& journal) {
            EXPECT_GT(journal.Pairs.size(), 0u) << "nothing fitted: " << rig->host.Trouble();
            EXPECT_LT(journal.Pairs.size(), planted.size()) << "the volume did not fill up";
            EXPECT_EQ(reliability::TakeSnapshot({result}).size(), journal.Pairs.size()) << Listing(result);
        });
        fs::remove(volume->Root() + "filler");
    }
}

} // namespace

void PrintTo(Kind kind, std::ostream* out) {
    *out << TraitsOf(kind).Name;
}

std::string KindName(const ::testing::TestParamInfo<Kind>& info) {
    std::string name;
    for (const char c : std::string(TraitsOf(info.param).Name))
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileSystemMatrix,
                         ::testing::Values(Kind::BuildDisk, Kind::Tmpfs, Kind::Btrfs, Kind::Xfs, Kind::Ntfs,
                                           Kind::Exfat, Kind::Fat),
                         KindName);

INSTANTIATE_TEST_SUITE_P(Kinds, MountedFileSystem,
                         ::testing::Values(Kind::Tmpfs, Kind::Btrfs, Kind::Xfs, Kind::Ntfs, Kind::Exfat,
                                           Kind::Fat),
                         KindName);
INSTANTIATE_TEST_SUITE_P(Kinds, RefusingFileSystem, ::testing::Values(Kind::Ntfs, Kind::Exfat, Kind::Fat),
                         KindName);
INSTANTIATE_TEST_SUITE_P(Kinds, SmallFileSystem, ::testing::Values(Kind::Fat), KindName);

} // namespace varnolt::filesystems
