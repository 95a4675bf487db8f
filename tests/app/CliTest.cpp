// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"

#include "app/cli/CommandLine.h"
#include "app/cli/Console.h"
#include "app/cli/JsonPlan.h"
#include "engine/Messages.h"
#include "engine/RunJournal.h"
#include "engine/Text.h"
#include "platform/TreeSnapshot.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace varnolt::cli {
namespace {

struct Outcome {
    int Exit = -1;
    std::string Out, Err;
};

// Sets a file's modification time to noon, local time, of the given day.
void SetDay(const std::string& path, int year, int month, int day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class CliTest : public ::testing::Test {
  protected:
    Outcome Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"varnolt-cli", "--data-dir", data.Path()});
        std::ostringstream out, err;
        Outcome outcome;
        outcome.Exit = RunCli(args, out, err, false);
        outcome.Out = out.str();
        outcome.Err = err.str();
        return outcome;
    }

    // Three files on two days, one of them in a subfolder.
    void MakeSmallTree() {
        SetDay(tree.File("b.txt", "b"), 2011, 3, 7);
        SetDay(tree.File("A song.mp3", "a"), 2011, 3, 7);
        SetDay(tree.File("deeper/Été.jpg", "c"), 2012, 12, 25);
    }

    std::string Source() const { return tree.Path() + "."; } // normalised by the front-end
    std::string Result() const { return out.Path() + "result"; }

    TempDir data, tree, out;
};

TEST_F(CliTest, PreviewPrintsTheTreeIndentedTwoSpacesALevel) {
    MakeSmallTree();
    const auto outcome = Cli({"--preview", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    EXPECT_EQ(outcome.Out, Result() + "\n"
                                      "  2011-3-7\n"
                                      "    A song.mp3\n"
                                      "    b.txt\n"
                                      "  2012-12-25\n"
                                      "    Été.jpg\n");
    EXPECT_EQ(outcome.Err, "");
    EXPECT_FALSE(out.Exists("result"));
}

TEST_F(CliTest, PreviewOfNestedCategoriesWithoutAResultLocation) {
    MakeSmallTree();
    const auto outcome =
        Cli({"--preview", "--method", "type", "--group", "music,image", "--every-type", Source()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    EXPECT_EQ(outcome.Out, std::string(Messages::NoResultLocationRoot) + "\n"
                                                                         "  Music files\n"
                                                                         "    mp3\n"
                                                                         "      A song.mp3\n"
                                                                         "  txt\n"
                                                                         "    b.txt\n");
}

TEST_F(CliTest, PreviewAsJsonPrintsOneObjectAnEventAndNothingElse) {
    MakeSmallTree();
    SetDay(tree.File("caf\xE9.txt"), 2011, 3, 7); // Latin-1, not UTF-8
    const std::string base = tree.Path();
    const auto outcome = Cli({"--preview", "--json", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    const auto line = [&](const std::string& source, const std::string& category, const std::string& name) {
        return "{\"event\":\"placed\",\"source\":\"" + base + source + "\",\"category\":\"" + category +
               "\",\"destination\":\"" + Result() + "/" + category + "/" + name + "\"}\n";
    };
    for (const auto& object :
         {line("A song.mp3", "2011-3-7", "A song.mp3"), line("b.txt", "2011-3-7", "b.txt"),
          line("deeper/Été.jpg", "2012-12-25", "Été.jpg"), std::string("\"source\":{\"base64\":\""),
          std::string("{\"event\":\"end\",\"outcome\":\"completed\",\"placed\":4,\"excluded\":0,"
                      "\"notPlaced\":0,\"failed\":0,\"total\":4}\n")})
        EXPECT_NE(outcome.Out.find(object), std::string::npos) << object << " in\n" << outcome.Out;
    EXPECT_EQ(std::count(outcome.Out.begin(), outcome.Out.end(), '\n'), 5) << outcome.Out;
    EXPECT_EQ(outcome.Err, "");

    const auto relative = Cli({"--preview", "--json", base + "b.txt"});
    EXPECT_EQ(relative.Out.substr(0, relative.Out.find('\n') + 1),
              "{\"event\":\"placed\",\"source\":\"" + base +
                  "b.txt\",\"category\":\"2011-3-7\",\"destination\":\"2011-3-7/b.txt\"}\n");
}

// A sidecar's line names the photo it goes with, and the photo alone counts as an item; with
// --no-sidecars the sidecar is an item of its own.
TEST_F(CliTest, ASidecarGoesWithItsPhotoUnlessToldOtherwise) {
    const std::string photo = tree.File("IMG_1.CR2");
    tree.File("IMG_1.xmp");
    const std::string with = "\"with\":\"" + photo + "\"}";
    const auto kept = Cli({"--preview", "--json", Source(), "--to", Result()});
    EXPECT_NE(kept.Out.find(with), std::string::npos) << kept.Out;
    EXPECT_NE(kept.Out.find("\"placed\":1,"), std::string::npos) << kept.Out;
    const auto alone = Cli({"--preview", "--json", "--no-sidecars", Source(), "--to", Result()});
    EXPECT_EQ(alone.Out.find("\"with\""), std::string::npos) << alone.Out;
    EXPECT_NE(alone.Out.find("\"placed\":2,"), std::string::npos) << alone.Out;
}

TEST(JsonPlan, EscapesWhatJsonMustAndWritesOtherBytesAsBase64) {
    EXPECT_EQ(
        PlacedLine({"/in/say \"hi\"\\\t\x01.txt", "a/b", "/out/a/b/x"}),
        "{\"event\":\"placed\",\"source\":\"/in/say \\\"hi\\\"\\\\\\t\\u0001.txt\",\"category\":\"a/b\","
        "\"destination\":\"/out/a/b/x\"}\n");
    EXPECT_EQ(PlacedLine({"/in/caf\xE9.txt", "x", "/out/2011-3-7/caf\xE9.txt"}),
              "{\"event\":\"placed\",\"source\":{\"base64\":\"L2luL2NhZukudHh0\"},\"category\":\"x\","
              "\"destination\":{\"base64\":\"L291dC8yMDExLTMtNy9jYWbpLnR4dA==\"}}\n");
    EXPECT_EQ(PlacedLine({"xy", "\xED\xA0\x80", "Été"}), // a UTF-8 encoded surrogate is no valid UTF-8
              "{\"event\":\"placed\",\"source\":\"xy\",\"category\":{\"base64\":\"7aCA\"},\"destination\":"
              "\"Été\"}\n");
    EXPECT_EQ(FailedLine({"/in/a", Step::Move, std::make_error_code(std::errc::permission_denied), "/out/a"}),
              "{\"event\":\"failed\",\"source\":\"/in/a\",\"step\":\"move\",\"error\":\"Permission denied\","
              "\"destination\":\"/out/a\"}\n");
}

// What a user meets in a real folder: files of no group, same-named files, a name the journal cannot
// keep and a file in a folder that refuses changes. Standard error names each item not placed, and the
// run places every item exactly where the preview said.
TEST_F(CliTest, EveryItemNotPlacedIsNamedAndTheRunFollowsThePreview) {
    tree.File("a.txt", "1");
    tree.File("deeper/a.txt", "2");
    tree.File("notes.md", "m");
    tree.File("line\nbreak.txt", "l");
    tree.File("locked/a.txt", "3");
    out.File("result/Document file/a.txt", "already there");
    const bool locked = std::system(("chattr +i '" + tree.Path() + "locked' 2>/dev/null").c_str()) == 0;
    const std::vector<std::string> args = {"--method", "type", "--group", "document", "--include-subfolders",
                                           Source(),   "--to", Result()};
    const auto withArgs = [&](std::vector<std::string> first) {
        first.insert(first.end(), args.begin(), args.end());
        return first;
    };
    const auto placedLines = [](const std::string& json) {
        std::string placed;
        std::istringstream lines(json);
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with("{\"event\":\"placed\"")) placed += line + "\n";
        return placed;
    };
    const auto preview = Cli(withArgs({"--preview", "--json"}));
    const auto run = Cli(withArgs({"--run", "--json"}));
    if (locked) std::system(("chattr -i '" + tree.Path() + "locked'").c_str());

    EXPECT_EQ(run.Exit, kExitRefused);
    EXPECT_EQ(placedLines(run.Out).empty(), false);
    const std::string numbered = "\"destination\":\"" + Result() + "/Document file/a(1).txt\"";
    EXPECT_NE(run.Out.find(numbered), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\"destination\":\"" + Result() + "/Document file/a(2).txt\""), std::string::npos);
    const std::string prefix = "varnolt-cli: not moved: " + tree.Path();
    EXPECT_NE(run.Err.find(prefix + "notes.md: no category for it"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find(prefix + "line\nbreak.txt: cannot be moved: the name holds a line break"),
              std::string::npos)
        << run.Err;
    if (locked) {
        EXPECT_NE(run.Err.find(prefix + "locked/a.txt: cannot be moved: Operation not permitted"),
                  std::string::npos)
            << run.Err;
        EXPECT_EQ(tree.Read("locked/a.txt"), "3");
        // The preview cannot know that the folder refuses: the item it placed is the one the run could not.
        const std::string lockedLine = "\"source\":\"" + tree.Path() + "locked/a.txt\"";
        std::string predicted = placedLines(preview.Out);
        const auto at = predicted.find(lockedLine);
        ASSERT_NE(at, std::string::npos);
        const auto start = predicted.rfind('\n', at);
        predicted.erase(start == std::string::npos ? 0 : start + 1, predicted.find('\n', at) - start);
        EXPECT_EQ(placedLines(run.Out), predicted);
    } else {
        EXPECT_EQ(placedLines(run.Out), placedLines(preview.Out));
    }
    EXPECT_EQ(out.Read("result/Document file/a.txt"), "already there");
}

TEST_F(CliTest, RefusalsPrintTheEnginesTextAndExitWithOne) {
    MakeSmallTree();
    tree.File("taken", "a file where the result folder should go");
    const struct {
        std::vector<std::string> Args;
        std::string Message;
    } cases[] = {
        {{"--run", "--to", Result()}, Messages::NoSources},
        {{"--run", Source()}, Messages::NoResultLocation},
        {{"--run", Source(), "--to", out.Path() + "missing/result"}, Messages::InvalidResultLocation},
        {{"--run", Source(), "--to", tree.Path() + "taken"},
         "Can not create result folder:" + tree.Path() + "taken: File exists"},
        {{"--preview", "--method", "type", Source()}, Messages::NoTypeGroup},
        {{"--preview", "--method", "number", Source()}, Messages::NoSubfolderName},
        {{"--preview", "--method", "type", "--other1", " =mp3", Source()}, Messages::NoOtherFolderName},
        {{"--preview", "--method", "type", "--other1", "..=mp3", Source()}, Messages::BadOtherFolderName},
        {{"--preview", "--method", "number", "--subfolder-name", "..", Source()}, Messages::BadSubfolderName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Args));
        const auto outcome = Cli(c.Args);
        EXPECT_EQ(outcome.Exit, kExitRefused);
        EXPECT_EQ(outcome.Err, "varnolt-cli: " + c.Message + "\n");
        EXPECT_EQ(outcome.Out, "");
    }
    EXPECT_TRUE(tree.Exists("b.txt"));
    EXPECT_FALSE(data.Exists(kJournalFileName));

    // A mistyped source: named, nothing runs, and the journal of the last run stays.
    data.File(kJournalFileName, "Move Mode\r\n/a\r\n/b\r\n");
    const auto missing = Cli({"--run", Source(), tree.Path() + "nothere", "--to", Result()});
    EXPECT_EQ(missing.Exit, kExitRefused);
    EXPECT_EQ(missing.Err, "varnolt-cli: " + tree.Path() + "nothere: No such file or directory\n");
    EXPECT_TRUE(tree.Exists("b.txt"));
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n");
    for (const auto& [option, value] :
         {std::pair{"--limit-preview", "abc"}, std::pair{"--head-letters", "3x"}}) {
        const auto usage = Cli({"--preview", option, value, Source()});
        EXPECT_EQ(usage.Exit, kExitUsage);
        EXPECT_NE(usage.Err.find(std::string("varnolt-cli: ") + option + ": a whole number from"),
                  std::string::npos)
            << usage.Err;
    }
}

TEST_F(CliTest, RunAndUndoShareTheJournalInTheDataFolder) {
    MakeSmallTree();
    const auto run = Cli({"--run", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(run.Exit, kExitOk) << run.Err;
    EXPECT_EQ(run.Out, "Classify done. 3 files were classified!\n");
    EXPECT_TRUE(out.Exists("result/2011-3-7/b.txt"));
    EXPECT_TRUE(out.Exists("result/2012-12-25/Été.jpg"));
    EXPECT_FALSE(tree.Exists("b.txt"));
    EXPECT_TRUE(data.Exists(kJournalFileName));

    const auto declined = Cli({"--undo", "--no"});
    EXPECT_EQ(declined.Exit, kExitOk);
    EXPECT_TRUE(out.Exists("result/2011-3-7/b.txt"));

    const auto undo = Cli({"--undo"});
    EXPECT_EQ(undo.Exit, kExitOk) << undo.Err;
    EXPECT_EQ(undo.Out, std::string(Messages::UndoDone) + "\n");
    EXPECT_EQ(tree.Read("b.txt"), "b");
    EXPECT_EQ(tree.Read("deeper/Été.jpg"), "c");
    EXPECT_FALSE(out.Exists("result/2011-3-7"));
    EXPECT_FALSE(data.Exists(kJournalFileName));

    const auto again = Cli({"--undo"});
    EXPECT_EQ(again.Exit, kExitRefused);
    EXPECT_EQ(again.Err, "varnolt-cli: There is nothing to undo.\n");
    EXPECT_EQ(again.Out, "");
}

// The user tidied up after the run: removed the folder it emptied, and put a new file where one came
// from. The undo makes the folder again, keeps the new file, names what it could not put back and keeps
// just that in the journal, so that a second undo finishes the job.
TEST_F(CliTest, AnUndoAfterATidyUpFinishesOrSaysWhatIsLeft) {
    MakeSmallTree();
    ASSERT_EQ(Cli({"--run", "--include-subfolders", Source(), "--to", Result()}).Exit, kExitOk);
    std::filesystem::remove(tree / "deeper");
    tree.File("b.txt", "a new b");

    const auto first = Cli({"--undo"});
    EXPECT_EQ(first.Exit, kExitRefused);
    EXPECT_EQ(first.Out, "Undo: 2 of 3 items put back; 1 could not be.\n");
    EXPECT_NE(first.Err.find("varnolt-cli: not put back: " + Result() +
                             "/2011-3-7/b.txt: cannot be put back: File exists"),
              std::string::npos)
        << first.Err;
    EXPECT_EQ(tree.Read("deeper/Été.jpg"), "c");
    EXPECT_EQ(tree.Read("b.txt"), "a new b");
    EXPECT_EQ(out.Read("result/2011-3-7/b.txt"), "b");

    std::filesystem::remove(tree / "b.txt");
    const auto second = Cli({"--undo"});
    EXPECT_EQ(second.Exit, kExitOk) << second.Err;
    EXPECT_EQ(second.Out, "Undo done.\n");
    EXPECT_EQ(tree.Read("b.txt"), "b");
    EXPECT_FALSE(data.Exists(kJournalFileName));
}

TEST_F(CliTest, ARunOrAnUndoWhileAnotherProcessHoldsTheJournalIsRefused) {
    MakeSmallTree();
    data.File(kJournalFileName, "Move Mode\r\n");
    PosixFileSystem fs;
    const JournalLock other = TakeJournalLock(fs, data.Path());
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--run", Source(), "--to", Result()},
          std::vector<std::string>{"--undo"}}) {
        const auto refused = Cli(args);
        EXPECT_EQ(refused.Exit, kExitRefused);
        EXPECT_EQ(refused.Err, "varnolt-cli: " + std::string(Messages::AnotherRunInProgress) + "\n");
    }
    EXPECT_EQ(Cli({"--preview", Source()}).Exit, kExitOk);
    EXPECT_TRUE(tree.Exists("b.txt"));
    EXPECT_FALSE(out.Exists("result"));
    EXPECT_TRUE(data.Exists(kJournalFileName));
}

// As a new user would: the whole home folder, the program's data folder and settings in it, sorted and
// undone with the data folder the window uses.
TEST_F(CliTest, AHomeFolderRunIsUndoneWhole) {
    const TempDir home;
    home.File(".config/Quorvane/Varnolt.conf", "[General]");
    home.File(".local/share/Quorvane/Varnolt/Wordfilter.txt", "words");
    home.File(".local/share/recently-used.xbel", "x");
    home.File("Pictures/a.jpg", "a");
    home.File("notes.txt", "n");
    const auto before = varnolt::testing::FileContents(home.Path());
    const std::string realHome = std::getenv("HOME") ? std::getenv("HOME") : "/";
    setenv("HOME", home.Path().c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"varnolt-cli", "--run", "--include-subfolders", home.Path(), "--to", home / "sorted"},
                     out, err, false),
              kExitOk)
        << err.str();
    EXPECT_EQ(home.Read(".local/share/Quorvane/Varnolt/Wordfilter.txt"), "words");
    EXPECT_FALSE(home.Exists("notes.txt")) << "sorted";
    EXPECT_EQ(RunCli({"varnolt-cli", "--undo"}, out, err, false), kExitOk) << err.str();
    setenv("HOME", realHome.c_str(), 1);
    EXPECT_EQ(varnolt::testing::FileContents(home.Path()), before);
}

TEST_F(CliTest, ByDateTakenPhotosAndVideosGoToTheirDatesAndTheRestToTheirFileTimes) {
    if (const std::string tool = MissingTool({"convert", "exiftool", "ffmpeg"}); !tool.empty())
        GTEST_SKIP() << "no " << tool;
    // Copied from a phone in 2024, taken in 2015.
    ASSERT_TRUE(MakePhoto(tree / "holiday.jpg", "-DateTimeOriginal='2015:06:01 12:34:56'"));
    ASSERT_TRUE(MakeVideo(tree / "clip.mov", "2016-07-08T12:00:00Z"));
    ASSERT_TRUE(MakePhoto(tree / "scan.png"));
    tree.File("notes.txt", "n");
    for (const char* name : {"holiday.jpg", "clip.mov", "scan.png", "notes.txt"})
        SetDay(tree / name, 2024, 2, 2);
    const auto outcome = Cli({"--run", "--time", "taken", Source(), "--to", Result()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    for (const char* placed : {"result/2015-6-1/holiday.jpg", "result/2016-7-8/clip.mov",
                               "result/2024-2-2/scan.png", "result/2024-2-2/notes.txt"})
        EXPECT_TRUE(out.Exists(placed)) << placed;
}

TEST_F(CliTest, CopyLeavesTheSources) {
    MakeSmallTree();
    const auto run = Cli({"--run", "--copy", Source(), "--to", Result()});
    EXPECT_EQ(run.Exit, kExitOk) << run.Err;
    EXPECT_EQ(run.Out, "Classify done. 2 files were classified!\n");
    EXPECT_EQ(tree.Read("b.txt"), "b");
    EXPECT_EQ(out.Read("result/2011-3-7/b.txt"), "b");
}

TEST_F(CliTest, ACategoryFolderThatCannotBeMadeStopsTheRunUnlessTheUserSaysYes) {
    MakeSmallTree();
    out.File("result/2011-3-7", "a file where the category folder should go");
    const std::string question =
        "varnolt-cli: Can not create new folder: " + Result() + "/2011-3-7, continue? (File exists) ";
    const std::string notMoved = "varnolt-cli: not moved: " + tree.Path();
    const std::string reason = ": its category folder cannot be made: File exists\n";

    const auto stopped = Cli({"--run", Source(), "--to", Result()});
    EXPECT_EQ(stopped.Exit, kExitRefused);
    EXPECT_EQ(stopped.Err, notMoved + "A song.mp3" + reason + question + "No\n");
    EXPECT_EQ(stopped.Out, "Stopped: 0 items moved\n");
    EXPECT_TRUE(tree.Exists("b.txt"));

    const auto goOn = Cli({"--run", "--yes", Source(), "--to", Result()});
    EXPECT_EQ(goOn.Exit, kExitRefused); // the items of that category could not be placed
    EXPECT_EQ(goOn.Err, notMoved + "A song.mp3" + reason + question + "Yes\n" + notMoved + "b.txt" + reason +
                            question + "Yes\n");
    EXPECT_TRUE(tree.Exists("b.txt"));
}

// Every text in another language, as a translation would give it: the decisions are typed, so that the
// commands behave exactly as in English.
class PseudoTexts final : public Translator {
  public:
    std::string_view Translate(const char* english) override {
        return texts_.try_emplace(english, std::string("<<") + english + ">>").first->second;
    }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

TEST_F(CliTest, TranslatedTextsChangeNoCommand) {
    MakeSmallTree();
    PseudoTexts pseudo;
    const auto cli = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"varnolt-cli", "--data-dir", data.Path()});
        std::ostringstream out, err;
        Outcome outcome;
        outcome.Exit = RunCli(args, out, err, false, pseudo);
        outcome.Out = out.str();
        outcome.Err = err.str();
        return outcome;
    };
    const auto preview = cli({"--preview", Source(), "--to", Result()});
    EXPECT_EQ(preview.Exit, kExitOk) << preview.Err;
    EXPECT_NE(preview.Out.find("b.txt"), std::string::npos);

    RequestInterrupt(); // Ctrl-C: the run stops at its first turn, with what it moved kept in the journal
    const auto stopped = cli({"--run", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(stopped.Exit, kExitInterrupted);
    EXPECT_TRUE(stopped.Out.starts_with("<<Stopped: ")) << stopped.Out;

    const auto run = cli({"--run", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(run.Exit, kExitOk) << run.Err;
    EXPECT_TRUE(run.Out.starts_with("<<Classify done.")) << run.Out;
    EXPECT_FALSE(tree.Exists("b.txt"));

    const auto refused = cli({"--run", Source()});
    EXPECT_EQ(refused.Exit, kExitRefused);
    EXPECT_EQ(refused.Err, "varnolt-cli: <<" + std::string(Messages::NoResultLocation) + ">>\n");

    const auto undo = cli({"--undo"});
    EXPECT_EQ(undo.Exit, kExitOk) << undo.Err;
    EXPECT_EQ(undo.Out, "<<Undo done.>>\n");
    EXPECT_EQ(tree.Read("b.txt"), "b");
    EXPECT_EQ(tree.Read("deeper/Été.jpg"), "c");
}

TEST(ConsoleHost, AnswersByPolicy) {
    std::ostringstream out, err;
    Request sensible, no, yes;
    no.Answers = AnswerPolicy::No;
    yes.Answers = AnswerPolicy::Yes;
    ConsoleHost sensibleHost(sensible, out, err, false), noHost(no, out, err, false),
        yesHost(yes, out, err, false);
    const struct {
        Decision Kind;
        bool Sensible, No, Yes;
    } cases[] = {
        {Decision::RunOrPreview, true, true, true},
        {Decision::ConfirmStop, true, true, true},
        {Decision::ConfirmUndo, true, false, true},
        {Decision::OpenResult, false, false, false},
        {Decision::RetryResultFolder, false, false, false},
        {Decision::ContinueWithoutCategory, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        EXPECT_EQ(sensibleHost.Decide({c.Kind, "/x"}), c.Sensible);
        EXPECT_EQ(noHost.Decide({c.Kind, "/x"}), c.No);
        EXPECT_EQ(yesHost.Decide({c.Kind, "/x"}), c.Yes);
    }
    EXPECT_EQ(out.str(), "");
}

TEST(ConsoleHost, DrawsAThrottledLineOnlyWhenLive) {
    std::ostringstream out, quietErr, liveErr;
    const Request request;
    ConsoleHost quiet(request, out, quietErr, false);
    ConsoleHost live(request, out, liveErr, true);
    for (auto* host : {&quiet, &live})
        host->Progress({CommandKind::Run, 10, 0, 2});
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    for (int i = 0; i < 256; ++i) {
        quiet.Pump();
        live.Pump();
    }
    EXPECT_EQ(quietErr.str(), "");
    EXPECT_EQ(liveErr.str().rfind("\r\033[KFiles: 10, New Categories: 2, ", 0), 0u) << liveErr.str();
    EXPECT_NE(liveErr.str().find(" items/s"), std::string::npos);

    const auto drawn = liveErr.str().size();
    for (int i = 0; i < 256; ++i)
        live.Pump(); // within 100 ms of the last line: nothing new
    EXPECT_EQ(liveErr.str().size(), drawn);
    live.ClearLine();
    EXPECT_EQ(liveErr.str().substr(drawn), "\r\033[K");
}

} // namespace
} // namespace varnolt::cli
