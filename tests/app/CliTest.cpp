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
#include <gtest/gtest.h>
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
    const auto outcome = Cli({"--preview", "--method", "type", "--group", "music,image", "--every-type", Source()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    EXPECT_EQ(outcome.Out, std::string(Messages::NoResultLocationRoot) + "\n"
                                                                         "  Music files\n"
                                                                         "    mp3\n"
                                                                         "      A song.mp3\n"
                                                                         "  txt\n"
                                                                         "    b.txt\n");
}

TEST_F(CliTest, PreviewAsJsonPrintsOneObjectAPlacedItemAndNothingElse) {
    MakeSmallTree();
    SetDay(tree.File("caf\xE9.txt"), 2011, 3, 7); // Latin-1, not UTF-8
    const std::string base = tree.Path();
    const auto outcome = Cli({"--preview", "--json", "--include-subfolders", Source(), "--to", Result()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    const auto line = [&](const std::string& source, const std::string& category, const std::string& name) {
        return "{\"source\":\"" + base + source + "\",\"category\":\"" + category + "\",\"destination\":\"" +
               Result() + "/" + category + "/" + name + "\"}\n";
    };
    for (const auto& object : {line("A song.mp3", "2011-3-7", "A song.mp3"), line("b.txt", "2011-3-7", "b.txt"),
                               line("deeper/Été.jpg", "2012-12-25", "Été.jpg"),
                               std::string("{\"source\":{\"base64\":\"")})
        EXPECT_NE(outcome.Out.find(object), std::string::npos) << object << " in\n" << outcome.Out;
    EXPECT_EQ(std::count(outcome.Out.begin(), outcome.Out.end(), '\n'), 4) << outcome.Out;
    EXPECT_EQ(outcome.Err, "");

    const auto relative = Cli({"--preview", "--json", base + "b.txt"});
    EXPECT_EQ(relative.Out, "{\"source\":\"" + base +
                                "b.txt\",\"category\":\"2011-3-7\",\"destination\":\"2011-3-7/b.txt\"}\n");
}

TEST(JsonPlan, EscapesWhatJsonMustAndWritesOtherBytesAsBase64) {
    EXPECT_EQ(PlanLine("/in/say \"hi\"\\\t\x01.txt", "a/b", "/out/a/b/x"),
              "{\"source\":\"/in/say \\\"hi\\\"\\\\\\t\\u0001.txt\",\"category\":\"a/b\",\"destination\":\"/out/a/b/x\"}\n");
    EXPECT_EQ(PlanLine("/in/caf\xE9.txt", "x", "/out/2011-3-7/caf\xE9.txt"),
              "{\"source\":{\"base64\":\"L2luL2NhZukudHh0\"},\"category\":\"x\","
              "\"destination\":{\"base64\":\"L291dC8yMDExLTMtNy9jYWbpLnR4dA==\"}}\n");
    EXPECT_EQ(PlanLine("xy", "\xED\xA0\x80", "Été"), // a UTF-8 encoded surrogate is no valid UTF-8
              "{\"source\":\"xy\",\"category\":{\"base64\":\"7aCA\"},\"destination\":\"Été\"}\n");
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
         "Can not create result folder:" + tree.Path() + "taken"},
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
        EXPECT_EQ(outcome.Err, c.Message + "\n");
        EXPECT_EQ(outcome.Out, "");
    }
    EXPECT_TRUE(tree.Exists("b.txt"));
    EXPECT_FALSE(data.Exists(kJournalFileName));
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
    EXPECT_FALSE(again.Err.empty());
    EXPECT_EQ(again.Out, "");
}

TEST_F(CliTest, ARunOrAnUndoWhileAnotherProcessHoldsTheJournalIsRefused) {
    MakeSmallTree();
    data.File(kJournalFileName, "Move Mode\r\n");
    PosixFileSystem fs;
    const JournalLock other = TakeJournalLock(fs, data.Path());
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--run", Source(), "--to", Result()},
                                                 std::vector<std::string>{"--undo"}}) {
        const auto refused = Cli(args);
        EXPECT_EQ(refused.Exit, kExitRefused);
        EXPECT_EQ(refused.Err, std::string(Messages::AnotherRunInProgress) + "\n");
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
    EXPECT_EQ(RunCli({"varnolt-cli", "--run", "--include-subfolders", home.Path(), "--to", home / "sorted"}, out, err,
                     false),
              kExitOk)
        << err.str();
    EXPECT_EQ(home.Read(".local/share/Quorvane/Varnolt/Wordfilter.txt"), "words");
    EXPECT_FALSE(home.Exists("notes.txt")) << "sorted";
    EXPECT_EQ(RunCli({"varnolt-cli", "--undo"}, out, err, false), kExitOk) << err.str();
    setenv("HOME", realHome.c_str(), 1);
    auto after = varnolt::testing::FileContents(home.Path());
    after.erase(".local/share/Quorvane/Varnolt/undo.lock");
    EXPECT_EQ(after, before);
}

TEST_F(CliTest, ByDateTakenPhotosAndVideosGoToTheirDatesAndTheRestToTheirFileTimes) {
    // Copied from a phone in 2024, taken in 2015.
    ASSERT_TRUE(MakePhoto(tree / "holiday.jpg", "-DateTimeOriginal='2015:06:01 12:34:56'"));
    ASSERT_TRUE(MakeVideo(tree / "clip.mov", "2016-07-08T12:00:00Z"));
    ASSERT_TRUE(MakePhoto(tree / "scan.png"));
    tree.File("notes.txt", "n");
    for (const char* name : {"holiday.jpg", "clip.mov", "scan.png", "notes.txt"}) SetDay(tree / name, 2024, 2, 2);
    const auto outcome = Cli({"--run", "--time", "taken", Source(), "--to", Result()});
    EXPECT_EQ(outcome.Exit, kExitOk) << outcome.Err;
    for (const char* placed : {"result/2015-6-1/holiday.jpg", "result/2016-7-8/clip.mov", "result/2024-2-2/scan.png",
                               "result/2024-2-2/notes.txt"})
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
    const std::string question = "Can not create new folder: " + Result() + "/2011-3-7, continue?";

    const auto stopped = Cli({"--run", Source(), "--to", Result()});
    EXPECT_EQ(stopped.Exit, kExitRefused);
    EXPECT_EQ(stopped.Err, question + " No\n");
    EXPECT_EQ(stopped.Out, "Classify done. 0 files were classified!\n");
    EXPECT_TRUE(tree.Exists("b.txt"));

    const auto goOn = Cli({"--run", "--yes", Source(), "--to", Result()});
    EXPECT_EQ(goOn.Exit, kExitRefused); // the items of that category could not be placed
    EXPECT_EQ(goOn.Err, question + " Yes\n" + question + " Yes\n");
    EXPECT_TRUE(tree.Exists("b.txt"));
}

TEST(ConsoleMessageBoxes, AnswersByPolicyAndTreatsLoneOkBoxesAsFailures) {
    std::ostringstream err;
    ConsoleMessageBoxes sensible(AnswerPolicy::Sensible, err);
    EXPECT_EQ(sensible.Show(Messages::RunOrPreview, Messages::Confirmation, Buttons::YesNo, Icon::Question),
              Answer::Yes);
    EXPECT_EQ(sensible.Show(Messages::ConfirmUndo, Messages::UndoConfirmationCaption, Buttons::YesNo, Icon::Question),
              Answer::Yes);
    EXPECT_EQ(sensible.Show(FillPlaceholders(Messages::RunCompleted, {"3"}), Messages::Information,
                            Buttons::YesNo, Icon::Information),
              Answer::No);
    EXPECT_EQ(sensible.Show(Messages::UndoDone, Messages::Information, Buttons::Ok, Icon::Question), Answer::Ok);
    EXPECT_FALSE(sensible.Failed());
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(sensible.Show("Can not create result folder:/x", Messages::Information, Buttons::AbortRetryIgnore,
                            Icon::Information),
              Answer::Abort);
    EXPECT_TRUE(sensible.Failed());
    EXPECT_EQ(err.str(), "Can not create result folder:/x\n");

    ConsoleMessageBoxes no(AnswerPolicy::No, err);
    EXPECT_EQ(no.Show(Messages::ConfirmUndo, Messages::UndoConfirmationCaption, Buttons::YesNo, Icon::Question),
              Answer::No);
    EXPECT_EQ(no.Show(Messages::RunOrPreview, Messages::Confirmation, Buttons::YesNo, Icon::Question), Answer::Yes);
    EXPECT_FALSE(no.Failed());
    no.Show("cannot read undo.udo", Messages::Error, Buttons::Ok, Icon::Error);
    EXPECT_TRUE(no.Failed());
}

TEST(ConsoleProgress, DrawsAThrottledLineOnlyWhenLive) {
    std::ostringstream quietErr, liveErr;
    ConsoleProgress quiet(quietErr, false, [] { return 10; });
    ConsoleProgress live(liveErr, true, [] { return 10; });
    for (auto* progress : {&quiet, &live}) progress->SetStatusText(1, "Files: 10, New Categories: 2");
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    for (int i = 0; i < 256; ++i) {
        quiet.Pump();
        live.Pump();
    }
    EXPECT_EQ(quietErr.str(), "");
    EXPECT_EQ(liveErr.str().rfind("\r\033[KFiles: 10, New Categories: 2, ", 0), 0u) << liveErr.str();
    EXPECT_NE(liveErr.str().find(" items/s"), std::string::npos);
    EXPECT_EQ(live.StatusText(1), "Files: 10, New Categories: 2");

    const auto drawn = liveErr.str().size();
    for (int i = 0; i < 256; ++i) live.Pump(); // within 100 ms of the last line: nothing new
    EXPECT_EQ(liveErr.str().size(), drawn);
    live.ClearLine();
    EXPECT_EQ(liveErr.str().substr(drawn), "\r\033[K");
}

} // namespace
} // namespace varnolt::cli
