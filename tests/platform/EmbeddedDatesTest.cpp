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
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// A reading as exiftool writes it, to compare with exiftool's: "2015:06:01 19:00:00+09:00", a UTC moment
// and a zone of +00:00 without their "Z".
std::string ExiftoolText(const TakenDate& taken) {
    const WrittenTime& t = taken.Time;
    char text[64];
    std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                  t.Minute, t.Second);
    std::string written = text;
    if (const int offset = taken.OffsetMinutes.value_or(0); offset != 0) {
        std::snprintf(text, sizeof text, "%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60,
                      std::abs(offset) % 60);
        written += text;
    }
    return written;
}

// exiftool's value in the same form: a date alone is its midnight.
std::string ExiftoolText(std::string value) {
    for (const char* zero : {"Z", "+00:00"})
        if (value.ends_with(zero)) value.resize(value.size() - std::strlen(zero));
    return value.size() == 10 ? value + " 00:00:00" : value;
}

// How a case's file is made, and with which tools.
struct Sample {
    std::vector<const char*> Tools;
    std::function<bool(const std::string& path)> Make;
};

// Each place where cameras, phones and editors write the date: read as the case says, which is the date
// exiftool reads under the tag it names. A video's date is the same from the program's own reader of its
// container and from the container library alone. A case whose tools are missing is left out.
TEST_F(LibraryDatesTest, ReadsTheDateWhereverItIsWritten) {
    struct Case {
        const char* Name;
        Sample Made;
        const char* Expected;
        const char* ExiftoolTag;
        ContainerReader Quick = nullptr;
        bool Video = Quick != nullptr;
    };
    const ContainerReader quickTime = media::QuickTimeTakenDate, matroska = media::MatroskaTakenDate,
                          avi = media::AviTakenDate;
    const auto photo = [](std::string exif) {
        return Sample{{"convert", "exiftool"}, [exif](const std::string& p) { return MakePhoto(p, exif); }};
    };
    const auto video = [](std::string utc, std::string options = "") {
        return Sample{{"ffmpeg"},
                      [utc, options](const std::string& p) { return MakeVideo(p, utc, options); }};
    };
    const std::string apple = "-movflags use_metadata_tags -metadata com.apple.quicktime.creationdate=";
    // The camcorder's date and time, in BCD, taken at +09:00.
    const std::string mdpm("\x18\x12\x20\x15\x06\x19\x01\x08\x11\x11", 10);
    const Sample camcorder{{"ffmpeg"}, [&](const std::string& p) { return MakeCamcorderVideo(p, mdpm); }};
    const char *original = "ExifIFD:DateTimeOriginal", *quickTimeCreate = "QuickTime:CreateDate",
               *matroskaDate = "Matroska:DateTimeOriginal";
    const Case cases[] = {
        {"a.jpg", photo(kTaken), "wall 2015-6-1 12:34:56", original},
        {"a.JPEG", photo(kTaken), "wall 2015-6-1 12:34:56", original},
        {"a.tif", photo(kTaken), "wall 2015-6-1 12:34:56", original},
        {"a.png", photo(kTaken), "wall 2015-6-1 12:34:56", original},
        {"a.webp", photo(kTaken), "wall 2015-6-1 12:34:56", original},
        {"digitized.jpg", photo("-CreateDate='2014:01:02 03:04:05' -OffsetTimeDigitized=-05:30"),
         "wall 2014-1-2 3:4:5 -330", "Composite:SubSecCreateDate"},
        {"both.jpg",
         photo(std::string(kTaken) + " -CreateDate='2014:01:02 03:04:05' -OffsetTimeOriginal=+09:00"),
         "wall 2015-6-1 12:34:56 540", "Composite:SubSecDateTimeOriginal"},
        {"ifd0.tif", photo("'-IFD0:DateTimeOriginal=2015:06:01 12:34:56'"), "wall 2015-6-1 12:34:56",
         "IFD0:DateTimeOriginal"},
        {"date-only.jpg", photo("'-DateTimeOriginal#=2015:06:01'"), "wall 2015-6-1 0:0:0", original},
        {"xmp-original.jpg", photo("'-XMP-exif:DateTimeOriginal=2015:06:01 08:00:00+09:00'"),
         "wall 2015-6-1 8:0:0 540", "XMP-exif:DateTimeOriginal"},
        // A "Z" is a zone like any other: the clock as written.
        {"xmp-create.png", photo("'-XMP-xmp:CreateDate=2015:06:01 08:00:00Z'"), "wall 2015-6-1 8:0:0 0",
         "XMP-xmp:CreateDate"},
        {"xmp-photoshop.jpg", photo("'-XMP-photoshop:DateCreated=2015:06:01'"), "wall 2015-6-1 0:0:0",
         "XMP-photoshop:DateCreated"},
        {"far.tif",
         {{}, [](const std::string& p) { return MakeFarTiff(p, "2015:06:01 12:34:56", 40u << 20); }},
         "wall 2015-6-1 12:34:56",
         original},
        {"a.mp4", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTimeCreate, quickTime},
        {"a.MOV", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTimeCreate, quickTime},
        {"a.m4v", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTimeCreate, quickTime},
        {"a.3gp", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", quickTimeCreate, quickTime},
        // The capture time wins over the container's, which is the end of the recording.
        {"iphone.mov", video("2015-06-01T10:00:09Z", apple + "2015-06-01T19:00:00+0900"),
         "wall 2015-6-1 19:0:0 540", "Keys:CreationDate", quickTime},
        {"a.mkv", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", matroskaDate, matroska},
        {"a.webm", video("2015-06-01T10:00:00Z"), "UTC 2015-6-1 10:0:0", matroskaDate, matroska},
        {"mkvmerge.mkv",
         {{"ffmpeg", "mkvmerge", "mkvpropedit"},
          [](const std::string& p) { return MakeMkvmergeVideo(p, "2015-06-01T10:00:00Z"); }},
         "UTC 2015-6-1 10:0:0",
         matroskaDate,
         matroska},
        {"icrd.avi", video("", "-metadata date=2015-06-01"), "wall 2015-6-1 0:0:0", "RIFF:DateCreated", avi},
        {"idit.avi",
         {{"ffmpeg"},
          [](const std::string& p) { return MakeAviWithChunk(p, "IDIT", "MON JUN 01 08:00:00 2015\n"); }},
         "wall 2015-6-1 8:0:0",
         "RIFF:DateTimeOriginal",
         avi},
        // Named as another container: read all the same.
        {"mp4.mkv",
         {{"ffmpeg"},
          [](const std::string& p) {
              return MakeVideo(p + ".mp4", "2015-06-01T10:00:00Z") &&
                     std::rename((p + ".mp4").c_str(), p.c_str()) == 0;
          }},
         "UTC 2015-6-1 10:0:0",
         quickTimeCreate,
         nullptr,
         true},
        {"a.MTS", camcorder, "wall 2015-6-1 8:11:11 540", "H264:DateTimeOriginal", nullptr, true},
        {"a.m2ts", camcorder, "wall 2015-6-1 8:11:11 540", "H264:DateTimeOriginal", nullptr, true},
    };
    std::string left;
    for (const Case& c : cases) {
        if (const std::string tool = MissingTool(c.Made.Tools); !tool.empty()) {
            left += std::string(" ") + c.Name + " (no " + tool + ")";
            continue;
        }
        ASSERT_TRUE(c.Made.Make(dir / c.Name)) << c.Name;
        const std::optional<TakenDate> taken = dates.ReadTakenDate(dir / c.Name);
        EXPECT_EQ(Text(taken), c.Expected) << c.Name;
        if (c.Video) {
            EXPECT_EQ(Text(ReadVideo(dir / c.Name, nullptr)), c.Expected) << c.Name << " by the library";
        }
        if (c.Quick) {
            EXPECT_EQ(Text(ReadVideo(dir / c.Name, c.Quick)), c.Expected) << c.Name << " by its own reader";
        }
    }
    if (const std::string tool = MissingTool({"exiftool"}); tool.empty()) {
        const ExiftoolDates read = ReadExiftoolDates(dir.Path());
        for (const Case& c : cases) {
            const std::optional<TakenDate> taken = dates.ReadTakenDate(dir / c.Name);
            if (!taken) continue; // not made, or already failed above
            const auto file = read.find(c.Name);
            const auto value = file == read.end() ? nullptr : &file->second;
            ASSERT_TRUE(value && value->contains(c.ExiftoolTag))
                << c.Name << ": exiftool reads no " << c.ExiftoolTag;
            EXPECT_EQ(ExiftoolText(*taken), ExiftoolText(value->at(c.ExiftoolTag))) << c.Name;
        }
    } else {
        left += " the comparison with exiftool";
    }
    if (!left.empty()) GTEST_SKIP() << "left out for want of a tool:" << left;
}

TEST_F(LibraryDatesTest, APhotoWithoutADateTakesItsSidecars) {
    if (const std::string tool = MissingTool({"convert", "exiftool"}); !tool.empty())
        GTEST_SKIP() << "no " << tool;
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

// A photo and an iPhone video of one moment in Tokyo go to Tokyo's day wherever they are sorted; a video
// with only its UTC moment goes to the day of the zone it is sorted in.
TEST_F(LibraryDatesTest, OneMomentInTokyoIsOneDayWhereverItIsSorted) {
    if (const std::string tool = MissingTool({"convert", "exiftool", "ffmpeg"}); !tool.empty())
        GTEST_SKIP() << "no " << tool;
    ASSERT_TRUE(
        MakePhoto(dir / "tokyo.jpg", "'-DateTimeOriginal=2024:03:01 08:30:00' -OffsetTimeOriginal=+09:00"));
    ASSERT_TRUE(MakeVideo(
        dir / "tokyo.mov", "2024-02-29T23:30:00Z",
        "-movflags use_metadata_tags -metadata com.apple.quicktime.creationdate=2024-03-01T08:30:00+0900"));
    ASSERT_TRUE(MakeVideo(dir / "utc.mp4", "2024-02-29T23:30:00Z"));
    ClassifyOptions byDay;
    byDay.TimeKind = DateTaken;
    // Written long before, so that a date not read shows.
    const ItemInfo info{.LastWriteTime = 946684800};
    const struct {
        const char* Zone;
        const char* UtcVideoDay;
    } zones[] = {{"America/New_York", "2024-2-29"}, {"Asia/Tokyo", "2024-3-1"}};
    for (const auto& zone : zones) {
        const LocalZone local(zone.Zone);
        EXPECT_EQ(DateCategory(dir / "tokyo.jpg", info, byDay, dates), "2024-3-1") << zone.Zone;
        EXPECT_EQ(DateCategory(dir / "tokyo.mov", info, byDay, dates), "2024-3-1") << zone.Zone;
        EXPECT_EQ(DateCategory(dir / "utc.mp4", info, byDay, dates), zone.UtcVideoDay) << zone.Zone;
    }
}

TEST_F(LibraryDatesTest, NoneFromFilesWithoutADateOrThatCannotBeRead) {
    if (const std::string tool = MissingTool({"convert", "exiftool", "ffmpeg"}); !tool.empty())
        GTEST_SKIP() << "no " << tool;
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
    // In XMP and an Apple capture date, "Z" is the zone of a clock as written.
    EXPECT_EQ(Text(media::ParseClockText("2015-06-01T08:00:00Z")), "wall 2015-6-1 8:0:0 0");
    EXPECT_EQ(Text(media::ParseClockText("2015-06-01T08:00:00+0900")), "wall 2015-6-1 8:0:0 540");
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
