// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/ChildProcess.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/media/TakenDateReaders.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt {
namespace {

constexpr const char* kTaken = "-DateTimeOriginal='2015:06:01 12:34:56'";

std::string Text(const std::optional<WrittenTime>& t) {
    if (!t) return "none";
    return std::to_string(t->Year) + "-" + std::to_string(t->Month) + "-" + std::to_string(t->Day) + " " +
           std::to_string(t->Hour) + ":" + std::to_string(t->Minute) + ":" + std::to_string(t->Second);
}

// "wall 2015-6-1 12:34:56", "UTC ...", with the zone in minutes where there is one.
std::string Text(const std::optional<TakenDate>& taken) {
    if (!taken) return "none";
    std::string text = (taken->IsUtc ? "UTC " : "wall ") + Text(taken->Time);
    if (taken->OffsetMinutes) text += " " + std::to_string(*taken->OffsetMinutes);
    return text;
}

class LibraryDatesTest : public ::testing::Test {
protected:
    LibraryEmbeddedDates dates;
    TempDir dir;
};

TEST_F(LibraryDatesTest, ReadsThePhotosExifAndTheVideosContainer) {
    for (const char* name : {"a.jpg", "a.JPEG", "a.tif", "a.png", "a.webp"}) {
        ASSERT_TRUE(MakePhoto(dir / name, kTaken)) << name;
        EXPECT_EQ(Text(dates.ReadTakenDate(dir / name)), "wall 2015-6-1 12:34:56") << name;
    }
    for (const char* name : {"a.mp4", "a.MOV", "a.m4v", "a.3gp"}) {
        ASSERT_TRUE(MakeVideo(dir / name, "2015-06-01T10:00:00Z")) << name;
        EXPECT_EQ(Text(dates.ReadTakenDate(dir / name)), "UTC 2015-6-1 10:0:0") << name;
    }
}

TEST_F(LibraryDatesTest, DigitizedWhenNotOriginalAndTheZoneOfEither) {
    ASSERT_TRUE(MakePhoto(dir / "digitized.jpg", "-CreateDate='2014:01:02 03:04:05' -OffsetTimeDigitized=-05:30"));
    EXPECT_EQ(Text(dates.ReadTakenDate(dir / "digitized.jpg")), "wall 2014-1-2 3:4:5 -330");
    ASSERT_TRUE(MakePhoto(dir / "both.jpg", std::string(kTaken) +
                                                " -CreateDate='2014:01:02 03:04:05' -OffsetTimeOriginal=+09:00"));
    EXPECT_EQ(Text(dates.ReadTakenDate(dir / "both.jpg")), "wall 2015-6-1 12:34:56 540");
}

TEST_F(LibraryDatesTest, NoneFromFilesWithoutADateOrThatCannotBeRead) {
    ASSERT_TRUE(MakePhoto(dir / "plain.jpg"));
    ASSERT_TRUE(MakePhoto(dir / "zeros.jpg", "'-DateTimeOriginal#=0000:00:00 00:00:00'"));
    ASSERT_TRUE(MakeVideo(dir / "plain.mp4"));
    ASSERT_TRUE(MakePhoto(dir / "dated.jpg", kTaken));
    // The same bytes under a name that is not a photo's are not opened.
    std::filesystem::copy_file(dir / "dated.jpg", dir / "dated.txt");
    // Cut before its Exif ends.
    std::filesystem::copy_file(dir / "dated.jpg", dir / "cut.jpg");
    std::filesystem::resize_file(dir / "cut.jpg", 100);
    dir.File("text.jpg", "not a picture at all");
    dir.File("empty.mov");
    dir.Folder("folder.jpg");
    // Opening a fifo to read would wait for a writer.
    ASSERT_EQ(mkfifo((dir / "fifo.mov").c_str(), 0600), 0);
    for (const char* name : {"plain.jpg", "zeros.jpg", "plain.mp4", "dated.txt", "cut.jpg", "text.jpg", "empty.mov",
                             "folder.jpg", "fifo.mov", "missing.jpg"})
        EXPECT_FALSE(dates.ReadTakenDate(dir / name)) << name;
}

TEST(TakenDateReaders, WrittenTimesAndZones) {
    EXPECT_EQ(Text(media::ParseWrittenTime("2015:06:01 12:34:56")), "2015-6-1 12:34:56");
    EXPECT_EQ(Text(media::ParseWrittenTime("UTC 2015-06-01 10:00:00")), "2015-6-1 10:0:0");
    EXPECT_EQ(Text(media::ParseWrittenTime("2015-06-01 10:00:00.250 UTC")), "2015-6-1 10:0:0");
    for (const char* bad : {"", "    :  :     :  :  ", "2015:06:01", "20150:06:01 12:34:56", "99999999999999999999"})
        EXPECT_FALSE(media::ParseWrittenTime(bad)) << bad;
    EXPECT_EQ(media::ParseZoneOffset("+02:00"), 120);
    EXPECT_EQ(media::ParseZoneOffset("-09:30"), -570);
    for (const char* bad : {"", "02:00", "+2:00", "+15:00", "+02:60", "+02-00"}) EXPECT_FALSE(media::ParseZoneOffset(bad)) << bad;
}

TEST(TakenDateReaders, AVideoIsReadOnlyUpToItsCap) {
    // A header box that claims the whole file: the reader stops at its cap and finds nothing.
    std::string bytes(4u << 20, '\0');
    const std::string head = std::string("\x00\x00\x00\x01", 4) + "mdat" + std::string("\x00\x00\x00\x01\x00\x00\x00\x00", 8);
    bytes.replace(0, head.size(), head);
    std::uint64_t served = 0;
    const media::ReadAt read = [&](std::uint64_t offset, std::uint8_t* buffer, std::size_t size) -> std::size_t {
        if (offset >= bytes.size()) return 0;
        const std::size_t count = std::min<std::size_t>(size, bytes.size() - offset);
        std::copy_n(bytes.data() + offset, count, buffer);
        served += count;
        return count;
    };
    EXPECT_FALSE(media::ContainerTakenDate(read, bytes.size(), 1u << 20));
    EXPECT_LE(served, 1u << 20);
}

TEST(TakenDateReaders, AReadInAChildThatLoopsWaitsOrCrashesGivesNone) {
    using namespace std::chrono_literals;
    const media::ChildLimits limits{100ms, 1000ms};
    const auto answer = [] { return std::optional<TakenDate>(TakenDate{true, {2015, 6, 1, 10, 0, 0}, 60}); };
    EXPECT_EQ(Text(media::ReadInChild(answer, limits)), "UTC 2015-6-1 10:0:0 60");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(media::ReadInChild(
        []() -> std::optional<TakenDate> {
            for (volatile bool busy = true; busy;) {
            }
            return std::nullopt;
        },
        limits));
    EXPECT_FALSE(media::ReadInChild(
        []() -> std::optional<TakenDate> {
            ::sleep(30);
            return std::nullopt;
        },
        limits));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
    EXPECT_FALSE(media::ReadInChild([]() -> std::optional<TakenDate> { std::abort(); }, limits));
}

} // namespace
} // namespace varnolt
