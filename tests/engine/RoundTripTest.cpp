// SPDX-License-Identifier: GPL-3.0-or-later
// Run then undo, over random trees, for every method, moving and copying: every file is back at its
// old path with its old content, except what an undo leaves on purpose (folders moved whole).
#include "engine/TextFile.h"
#include "support/EngineFixture.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace varnolt {
namespace {

// Names chosen to collide, to need numbering, to travel as web pages or sidecars, to be filtered or
// refused.
const std::vector<std::string> kNames = {
    "a.txt",     "a(1).txt",  "A.TXT",          "README",    "archive.tar.gz", "page.htm", "PAGE.HTML",
    "song.mp3",  "photo.jpg", ".hidden",        "Grüße.doc", "\xff\xfe.bin",   "x y.pdf",  "b\\c.txt",
    "Thumbs.db", "link.lnk",  "two\nlines.txt", "photo.xmp", "photo.jpg.XMP"};

class RoundTripTest : public EngineFixture,
                      public ::testing::WithParamInterface<std::tuple<const char*, bool>> {
  protected:
    // A random tree below `root`: files with unique contents, subfolders, companion folders.
    void MakeTree(std::mt19937& random, const std::string& root) {
        const int files = 20 + static_cast<int>(random() % 30);
        for (int i = 0; i < files; ++i) {
            std::string folder = root;
            for (unsigned depth = random() % 3; depth > 0; --depth)
                folder += "/s" + std::to_string(random() % 3);
            const std::string name = kNames[random() % kNames.size()];
            const std::string path = folder + "/" + name;
            if (tree.Exists(path)) continue;
            tree.File(path, std::to_string(i) + std::string(random() % 3000, 'x'));
            if (name.ends_with(".htm") || name.ends_with(".HTML")) {
                const std::string stem = path.substr(0, path.rfind('.'));
                tree.File(stem + (random() % 2 ? "_files" : ".files") + "/res" + std::to_string(i),
                          "r" + std::to_string(i));
            }
        }
    }

    std::map<std::string, std::string> Snapshot(const std::string& root) {
        std::map<std::string, std::string> files;
        if (!tree.Exists(root)) return files;
        for (const std::string& relative : FilesBelow(tree / root))
            files[root + "/" + relative] = tree.Read(root + "/" + relative);
        return files;
    }

    // The sources of the journal's pairs whose destination is a folder: an undo of copies leaves those.
    std::vector<std::string> FolderSources() {
        const auto lines = DecodeTextFile(data.Read(kJournalFileName)).Lines;
        std::vector<std::string> sources;
        for (std::size_t k = 1; k + 1 < lines.size(); k += 2) {
            if (std::filesystem::is_directory(lines[k + 1])) sources.push_back(lines[k]);
        }
        return sources;
    }

    void SetMethod(const std::string& method, std::mt19937& random) {
        options.MethodKey = method;
        options.HeadLetterCount = 1 + static_cast<int>(random() % 2);
        options.EveryTypeFolder = true;
        options.SizeStep = 1;
        options.SizeUnit = UnitKB;
        options.MaxFilesPerFolder = 1 + static_cast<int>(random() % 4);
        options.SubfolderName = "Batch";
        options.IncludeSubfolders = random() % 4 != 0;
        options.IncludeFolderName = random() % 4 == 0;
    }
};

TEST_P(RoundTripTest, RunThenUndoPutsEveryFileBack) {
    const auto [method, move] = GetParam();
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const std::string in = "s" + std::to_string(seed) + "/in";
        const std::string out = "s" + std::to_string(seed) + "/out";
        MakeTree(random, in);
        SetMethod(method, random);
        options.MoveSourceFiles = move;
        options.SourceList = {tree / in};
        options.ResultLocation = tree / out;
        const auto before = Snapshot(in);

        engine.Run();
        ASSERT_TRUE(data.Exists(kJournalFileName));
        // Moved folders come back; copied ones stay, named in the report.
        const auto staying = move ? std::vector<std::string>{} : FolderSources();
        host.FailedItems.clear();
        engine.UndoLastRun();
        ASSERT_FALSE(data.Exists(kJournalFileName)) << host.Trouble();
        EXPECT_EQ(host.FailedItems.size(), staying.size()) << host.Trouble();

        const auto after = Snapshot(in);
        const auto left = Snapshot(out);
        std::multiset<std::string> leftContents;
        for (const auto& [path, content] : left)
            leftContents.insert(content);
        std::multiset<std::string> stayingContents;
        for (const auto& [entryPath, content] : before) {
            const std::string& path = entryPath;
            const bool inFolderItem =
                std::any_of(staying.begin(), staying.end(), [&](const std::string& source) {
                    return (tree / path).starts_with(source + "/");
                });
            if (inFolderItem) stayingContents.insert(content);
            const auto back = after.find(path);
            EXPECT_TRUE(back != after.end() && back->second == content) << path << " is back as it was";
        }
        // Nothing new below the sources, and below the result location only what stays on purpose.
        for (const auto& [path, content] : after)
            EXPECT_EQ(before.count(path), 1u) << path << " was not there";
        for (const auto& [path, content] : left)
            EXPECT_EQ(stayingContents.count(content), 1u) << path << " was left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, RoundTripTest,
                         ::testing::Combine(::testing::Values(Method::Date, Method::Name, Method::Number,
                                                              Method::Type, Method::Size),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Move" : "Copy");
                         });

} // namespace
} // namespace varnolt
