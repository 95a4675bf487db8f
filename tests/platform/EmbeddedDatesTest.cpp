// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DateCategory.h"
#include "platform/media/ChildProcess.h"
#include "platform/media/ContainerBoxes.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/media/TakenDateReaders.h"
#include "support/LocalZone.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt {
namespace {

constexpr const char* kTaken = "-DateTimeOriginal='2015:06:01 12:34:56'";

std::string Text(const WrittenTime& t) {
    return std::to_string(t.Year) + "-" + std::to_string(t.Month) + "-" + std::to_string(t.Day) + " " +
           std::to_string(t.Hour) + ":" + std::to_string(t.Minute) + ":" + std::to_string(t.Second);
}

// "wall 2015-6-1 12:34:56", "UTC ...", with the zone in minutes where there is one.
std::string Text(const std::optional<TakenDate>& taken) {
    if (!taken) return "none";
    std::string text = (taken->IsUtc ? "UTC " : "wall ") + Text(taken->Time);
    if (taken->OffsetMinutes) text += " " + std::to_string(*taken->OffsetMinutes);
    return text;
}

using ContainerReader = std::optional<TakenDate> (*)(const media::ReadAt&, std::uint64_t, std::uint64_t);

// A container reader over a whole file; `parser` as ContainerTakenDate takes it.
std::optional<TakenDate> ReadVideo(const std::string& path, ContainerReader reader,
                                   const char* parser = nullptr) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const media::ReadAt read = [&](std::uint64_t offset, std::uint8_t* buffer,
                                   std::size_t size) -> std::size_t {
        if (offset >= bytes.size()) return 0;
        const std::size_t count = std::min<std::size_t>(size, bytes.size() - offset);
        std::copy_n(bytes.data() + offset, count, buffer);
        return count;
    };
    return reader ? reader(read, bytes.size(), media::kVideoReadCap)
                  : media::ContainerTakenDate(read, bytes.size(), media::kVideoReadCap, parser);
}

class LibraryDatesTest : public ::testing::Test {
  protected:
    LibraryEmbeddedDates dates;
    TempDir dir;
};

// Each place where cameras, phones and editors write the date, as exiftool reads it. A video's date is
// the same from the program's own reader of its container and from the container library alone.
TEST_F(LibraryDatesTest, ReadsTheDateWhereverItIsWritten) {
    struct Case {
        const char* Name;
        std::function<bool(const std::string& path)> Make;
        const char* Expected;
        ContainerReader Quick = nullptr;
        bool Video = Quick != nullptr;
    };
    const ContainerReader quickTime = media::QuickTimeTakenDate, matroska = media::MatroskaTakenDate,
                          avi = media::AviTakenDate;
    const auto photo = [](std::string exif) {
        return [exif](const std::string& p) { return MakePhoto(p, exif); };
    };
    const auto video = [](std::string utc, std::string options = "") {
        return [utc, options](const std::string& p) { return MakeVideo(p, utc, options); };
    };
    const std::string apple = "-movflags use_metadata_tags -metadata com.apple.quicktime.creationdate=";
    // The camcorder's date and time, in BCD, taken at +09:00.
    const std::string mdpm("\x18\x12\x20\x15\x06\x19\x01\x08\x11\x11", 10);
    const Case cases[] = {
        {"a.jpg", photo(kTaken), "wall 2015-6-1 12:34:56"},
        {"a.JPEG", photo(kTaken), "wall 2015-6-1 12:34:56"},
        {"a.tif", photo(kTaken), "wall 2015-6-1 12:34:56"},
        {"a.png", photo(kTaken), "wall 2015-6-1 12:34:56"},
        {"a.webp", photo(kTaken), "wall 2015-6-1 12:34:56"},
        {"digitized.jpg", photo("-CreateDate='2014:01:02 03:04:05' -OffsetTimeDigitized=-05:30"),
         "wall 2014-1-2 3:4:5 -330"},
        {"both.jpg",
         photo(std::string(kTaken) + " -CreateDate='2014:01:02 03:04:05' -OffsetTimeOriginal=+09:00"),
         "wall 2015-6-1 12:34:56 540"},
        {"ifd0.tif", photo("'-IFD0:DateTimeOriginal=2015:06:01 12:34:56'"), "wall 2015-6-1 12:34:56"},
        {"date-only.jpg", photo("'-DateTimeOriginal#=2015:06:01'"), "wall 2015-6-1 0:0:0"},
        {"xmp-original.jpg", photo("'-XMP-exif:DateTimeOriginal=2015:06:01 08:00:00+09:00'"),
         "wall 2015-6-1 8:0:0 540"},
        {"xmp-create.png", photo("'-XMP-xmp:CreateDate=2015:06:01 08:00:00Z'"), "UTC 2015-6-1 8:0:0"},
        {"xmp-photoshop.jpg", photo("'-XMP-photoshop:DateCreated=2015:06:01'"), "wall 2015-6-1 0:0:0"},
        {"far.tif", [](const std::string& p) { return MakeFarTiff(p, "2015:06:01 12:34:56", 40u << 20); },
         "wall 2015-6-1 12:34:56"},
        {"a.mp4", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTime},
        {"a.MOV", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTime},
        {"a.m4v", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTime},
        {"a.3gp", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTime},
        // The capture time wins over the container's, which is the end of the recording.
        {"iphone.mov", video("2015-06-01T10:00:09Z", apple + "2015-06-01T19:00:00+0900"),
         "wall 2015-6-1 19:0:0 540", quickTime},
        {"a.mkv", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", matroska},
        {"a.webm", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", matroska},
        {"mkvmerge.mkv", [](const std::string& p) { return MakeMkvmergeVideo(p, "2015-06-01T10:00:00Z"); },
         "UTC 2015-6-1 10:0:0", matroska},
        {"icrd.avi", video("", "-metadata date=2015-06-01"), "wall 2015-6-1 0:0:0", avi},
        {"idit.avi",
         [](const std::string& p) { return MakeAviWithChunk(p, "IDIT", "MON JUN 01 08:00:00 2015\n"); },
         "wall 2015-6-1 8:0:0", avi},
        // Named as another container: read all the same.
        {"mp4.mkv",
         [](const std::string& p) {
             return MakeVideo(p + ".mp4", "2015-06-01T10:00:00Z") &&
                    std::rename((p + ".mp4").c_str(), p.c_str()) == 0;
         },
         "UTC 2015-6-1 10:0:0", nullptr, true},
        {"a.MTS", [&](const std::string& p) { return MakeCamcorderVideo(p, mdpm); },
         "wall 2015-6-1 8:11:11 540", nullptr, true},
        {"a.m2ts", [&](const std::string& p) { return MakeCamcorderVideo(p, mdpm); },
         "wall 2015-6-1 8:11:11 540", nullptr, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.Make(dir / c.Name)) << c.Name;
        EXPECT_EQ(Text(dates.ReadTakenDate(dir / c.Name)), c.Expected) << c.Name;
        if (c.Video) {
            EXPECT_EQ(Text(ReadVideo(dir / c.Name, nullptr)), c.Expected) << c.Name << " by the library";
        }
        if (c.Quick) {
            EXPECT_EQ(Text(ReadVideo(dir / c.Name, c.Quick)), c.Expected) << c.Name << " by its own reader";
        }
    }
}

TEST_F(LibraryDatesTest, APhotoWithoutADateTakesItsSidecars) {
    ASSERT_TRUE(MakePhoto(dir / "IMG_1.jpg"));
    ASSERT_TRUE(MakeSidecar(dir / "IMG_1.xmp", "'-XMP-xmp:CreateDate=2015:06:01 08:00:00+09:00'"));
    EXPECT_EQ(Text(dates.ReadTakenDate(dir / "IMG_1.jpg")), "wall 2015-6-1 8:0:0 540");
    // The one named with the photo's extension first; the photo's own date before either.
    ASSERT_TRUE(MakeSidecar(dir / "IMG_1.jpg.xmp", "'-XMP-exif:DateTimeOriginal=2016:07:08 09:10:11'"));
    EXPECT_EQ(Text(dates.ReadTakenDate(dir / "IMG_1.jpg")), "wall 2016-7-8 9:10:11");
    ASSERT_TRUE(MakePhoto(dir / "IMG_2.jpg", kTaken));
    ASSERT_TRUE(MakeSidecar(dir / "IMG_2.xmp", "'-XMP-xmp:CreateDate=2016:07:08 09:10:11'"));
    EXPECT_EQ(Text(dates.ReadTakenDate(dir / "IMG_2.jpg")), "wall 2015-6-1 12:34:56");
}

// Photo and video of one moment in Tokyo, sorted in New York: the same day, the wall clock where they were
// taken; a video with only its UTC moment is on New York's day.
TEST_F(LibraryDatesTest, OneMomentInTokyoIsOneDayWhereverItIsSorted) {
    const LocalZone newYork("America/New_York");
    ASSERT_TRUE(
        MakePhoto(dir / "tokyo.jpg", "'-DateTimeOriginal=2015:06:01 08:00:00' -OffsetTimeOriginal=+09:00"));
    ASSERT_TRUE(MakeVideo(
        dir / "tokyo.mov", "2015-05-31T23:00:00Z",
        "-movflags use_metadata_tags -metadata com.apple.quicktime.creationdate=2015-06-01T08:00:00+0900"));
    ASSERT_TRUE(MakeVideo(dir / "utc.mp4", "2015-05-31T23:00:00Z"));
    ClassifyOptions byDay;
    const auto day = [&](const char* name) {
        const std::optional<TakenDate> taken = dates.ReadTakenDate(dir / name);
        const std::optional<LocalTime> local =
            taken ? TakenLocalTime(*taken, std::time(nullptr)) : std::nullopt;
        return local ? DateCategoryOf(*local, byDay) : "none";
    };
    EXPECT_EQ(day("tokyo.jpg"), "2015-6-1");
    EXPECT_EQ(day("tokyo.mov"), "2015-6-1");
    EXPECT_EQ(day("utc.mp4"), "2015-5-31");
}

TEST_F(LibraryDatesTest, NoneFromFilesWithoutADateOrThatCannotBeRead) {
    ASSERT_TRUE(MakePhoto(dir / "plain.jpg"));
    ASSERT_TRUE(MakePhoto(dir / "zeros.jpg", "'-DateTimeOriginal#=0000:00:00 00:00:00'"));
    ASSERT_TRUE(MakeVideo(dir / "plain.mp4"));
    ASSERT_TRUE(MakeVideo(dir / "plain.mkv"));
    // Camcorder data without the date and time.
    ASSERT_TRUE(MakeCamcorderVideo(dir / "plain.mts", "\x70\x01\x01\x01\x01"));
    ASSERT_TRUE(MakePhoto(dir / "dated.jpg", kTaken));
    // The same bytes under a name that is not a photo's are not opened.
    std::filesystem::copy_file(dir / "dated.jpg", dir / "dated.txt");
    // Cut before its Exif ends.
    std::filesystem::copy_file(dir / "dated.jpg", dir / "cut.jpg");
    std::filesystem::resize_file(dir / "cut.jpg", 100);
    dir.File("text.jpg", "not a picture at all");
    dir.File("empty.mov");
    dir.Folder("folder.jpg");
    // A sidecar that is not XMP.
    ASSERT_TRUE(MakePhoto(dir / "junk.jpg"));
    dir.File("junk.xmp", "<x:xmpmeta");
    // Opening a fifo to read would wait for a writer.
    ASSERT_EQ(mkfifo((dir / "fifo.mov").c_str(), 0600), 0);
    for (const char* name :
         {"plain.jpg", "zeros.jpg", "plain.mp4", "plain.mkv", "plain.mts", "dated.txt", "cut.jpg", "text.jpg",
          "empty.mov", "folder.jpg", "junk.jpg", "fifo.mov", "missing.jpg"})
        EXPECT_FALSE(dates.ReadTakenDate(dir / name)) << name;
}

TEST(TakenDateReaders, WrittenTimesAndZones) {
    const std::pair<const char*, const char*> texts[] = {
        {"2015:06:01 12:34:56", "wall 2015-6-1 12:34:56"},
        {"2015:06:01", "wall 2015-6-1 0:0:0"},
        {"UTC 2015-06-01 10:00:00", "UTC 2015-6-1 10:0:0"},
        {"2015-06-01 10:00:00.250 UTC", "UTC 2015-6-1 10:0:0"},
        {"2015-06-01T08:00:00+0900", "wall 2015-6-1 8:0:0 540"},
        {"2015-06-01T08:00-05:30", "wall 2015-6-1 8:0:0 -330"},
        {"2015-06-01T08:00:00Z", "UTC 2015-6-1 8:0:0"},
        {"2015-06-01T08:00:00+25:00", "wall 2015-6-1 8:0:0"},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(Text(media::ParseTakenText(text)), expected) << text;
    for (const char* bad : {"", "    :  :     :  :  ", "2015:06", "2015-06-01T08", "20150:06:01 12:34:56",
                            "15:06:01 12:34:56", "99999999999999999999"})
        EXPECT_FALSE(media::ParseTakenText(bad)) << bad;
    EXPECT_EQ(media::ParseZoneOffset("+02:00"), 120);
    EXPECT_EQ(media::ParseZoneOffset("-0930"), -570);
    EXPECT_EQ(media::ParseZoneOffset("+09"), 540);
    for (const char* bad : {"", "02:00", "+2:00", "+15:00", "+02:60", "+02-00", "+02:0"})
        EXPECT_FALSE(media::ParseZoneOffset(bad)) << bad;
}

TEST(TakenDateReaders, AVideoIsReadOnlyUpToItsCap) {
    // A header box that claims the whole file: the reader stops at its cap and finds nothing.
    std::string bytes(4u << 20, '\0');
    const std::string head =
        std::string("\x00\x00\x00\x01", 4) + "mdat" + std::string("\x00\x00\x00\x01\x00\x00\x00\x00", 8);
    bytes.replace(0, head.size(), head);
    std::uint64_t served = 0;
    const media::ReadAt read = [&](std::uint64_t offset, std::uint8_t* buffer,
                                   std::size_t size) -> std::size_t {
        if (offset >= bytes.size()) return 0;
        const std::size_t count = std::min<std::size_t>(size, bytes.size() - offset);
        std::copy_n(bytes.data() + offset, count, buffer);
        served += count;
        return count;
    };
    EXPECT_FALSE(media::ContainerTakenDate(read, bytes.size(), 1u << 20));
    EXPECT_LE(served, 1u << 20);
}

TEST(TakenDateReaders, OneChildAnswersInTurnAndIsReplacedWhenItLoopsWaitsOrCrashes) {
    using namespace std::chrono_literals;
    const media::ChildLimits limits{100ms, 1000ms};
    media::ChildReader reader(
        [](std::string_view request) -> std::optional<TakenDate> {
            if (request == "loop")
                for (volatile bool busy = true; busy;) {
                }
            if (request == "wait") ::sleep(30);
            if (request == "crash") std::abort();
            // The child's own number: the same child answers until it is replaced.
            return TakenDate{true, {2015, 6, 1, 10, 0, 0}, static_cast<int>(::getpid())};
        },
        limits);
    const auto child = [&] {
        const std::optional<TakenDate> answer = reader.Ask("date");
        EXPECT_EQ(Text(answer).substr(0, 20), "UTC 2015-6-1 10:0:0 ") << Text(answer);
        return answer ? answer->OffsetMinutes.value_or(0) : 0;
    };
    const int first = child();
    EXPECT_EQ(child(), first);
    const auto started = std::chrono::steady_clock::now();
    int previous = first;
    for (const char* failing : {"loop", "wait", "crash"}) {
        EXPECT_FALSE(reader.Ask(failing)) << failing;
        const int next = child();
        EXPECT_NE(next, previous) << failing;
        previous = next;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
}

} // namespace
} // namespace varnolt
