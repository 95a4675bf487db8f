#pragma once
// ClassifyOptions: every option that a command reads. The window keeps it in step with its controls and
// the engine reads a field at the moment it uses it, so a change made during a run applies to the items
// handled after it.
#include <cstdint>
#include <string>
#include <vector>

namespace varnolt {

namespace Method {
inline constexpr const char* Date = "date";
inline constexpr const char* Name = "name";
inline constexpr const char* Number = "number";
inline constexpr const char* Type = "type";
inline constexpr const char* Size = "size";
} // namespace Method

enum SizeUnitIndex : int { UnitByte = 0, UnitKB = 1, UnitMB = 2, UnitGB = 3 };
// DateTaken: the date a photo or video carries inside it, else its last write time.
enum TimeKindIndex : int { CreationTime = 0, LastAccessTime = 1, LastWriteTime = 2, DateTaken = 3 };

inline constexpr const char* kSizeUnitTexts[] = {"byte", "KB", "MB", "GB"};

// Ranges of the number boxes.
inline constexpr std::int32_t kPreviewLimitMin = 1, kPreviewLimitMax = 32767;
inline constexpr std::int32_t kHeadLetterCountMin = 1, kHeadLetterCountMax = 100;
inline constexpr std::int32_t kSizeStepMin = 1, kSizeStepMax = 32767;
inline constexpr std::int32_t kMaxFilesPerFolderMin = 1, kMaxFilesPerFolderMax = 32767;

inline constexpr const char* kDefaultMusicTypes = "mp3;wma;wav;mid;midi;ac3;ape;ram";
inline constexpr const char* kDefaultImageTypes = "bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico";
inline constexpr const char* kDefaultVideoTypes = "avi;mpg;mpeg;asf;wmv;rm;rmvb;mkv;vob";
inline constexpr const char* kDefaultProgramTypes = "exe;rar;zip;iso;chm";
inline constexpr const char* kDefaultDocumentTypes = "txt;doc;pdf;xls;ppt;pps;htm;html;mht";

struct ClassifyOptions {
    // Sources, target and method.
    std::vector<std::string> SourceList; // sorted by the window
    std::string ResultLocation;
    std::string MethodKey; // one of Method::*, or empty

    // General options.
    bool MoveSourceFiles = true;
    bool IncludeSubfolders = false;
    bool IncludeFolderName = false;
    bool OnlyClassifySubfolder = false;
    bool ExcludeShortcut = true;
    bool ExcludeFolderInfoFile = true;
    bool ExcludeThumbFile = true;
    bool LimitPreview = false;
    std::int32_t PreviewLimit = 1000;
    bool UseTypeFilter = false;
    std::string TypeFilterText = kDefaultMusicTypes;
    int TypeFilterGroup = 0;

    // Method "name".
    bool NameByWordList = false;
    std::int32_t HeadLetterCount = 1;
    std::vector<std::string> Words;

    // Method "type": five fixed groups, each an enable flag and an extension list.
    bool GroupMusic = false;
    std::string MusicTypes = kDefaultMusicTypes;
    bool GroupImage = false;
    std::string ImageTypes = kDefaultImageTypes;
    bool GroupVideo = false;
    std::string VideoTypes = kDefaultVideoTypes;
    bool GroupProgram = false;
    std::string ProgramTypes = kDefaultProgramTypes;
    bool GroupDocument = false;
    std::string DocumentTypes = kDefaultDocumentTypes;
    bool Other1Enabled = false;
    std::string Other1Folder;
    std::string Other1Types;
    bool Other2Enabled = false;
    std::string Other2Folder;
    std::string Other2Types;
    bool EveryTypeFolder = false;

    // Method "size".
    std::int32_t SizeStep = 100;
    int SizeUnit = UnitKB;

    // Method "date".
    int TimeKind = LastWriteTime;
    bool ByYear = true;
    bool ByMonth = true;
    bool ByWeek = false;
    bool ByDay = true;
    bool ByHour = false;
    bool IncludeMinute = false;
    bool IncludeSecond = false;
    bool GroupedSubfolders = false;
    bool NumberMonth = true;
    bool AbbrMonth = false;

    // Method "number".
    std::int32_t MaxFilesPerFolder = 100;
    std::string SubfolderName;
};

} // namespace varnolt
