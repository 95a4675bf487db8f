// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The predefined type groups of the method "type": one row each, read by the category rules, the window,
// the settings and varnolt-cli. A group added here shows in all of them.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#ifndef VARNOLT_TRANSLATE_NOOP
#define VARNOLT_TRANSLATE_NOOP(context, text) text
#endif

namespace varnolt {

// In the order of the table; the category rules try the groups in this order.
enum class TypeGroup { Music, Image, Video, Program, Document, Archive };

struct TypeGroupInfo {
    TypeGroup Group;
    const char* Key;          // its name on varnolt-cli's command line
    const char* Caption;      // of its check box, and the name of its category folder
    const char* SettingsKey;  // the stored value that holds its list
    const char* DefaultTypes; // extensions without their dots, ";" between them
    const char* FilterEntry;  // its entry of the type filter
};

// The captions are translated in the window only: a category folder keeps its English name. "Vedio" is
// misspelt on purpose: existing settings files hold the video list under that name, and the folders of
// earlier runs carry it.
inline constexpr std::array<TypeGroupInfo, 6> kTypeGroups = {{
    {TypeGroup::Music, "music", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Music files"), "Music",
     "mp3;wma;wav;mid;midi;ac3;ape;ram", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Music Files")},
    {TypeGroup::Image, "image", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Image files"), "Image",
     "bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Image Files")},
    {TypeGroup::Video, "video", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Vedio files"), "Vedio",
     "avi;mpg;mpeg;asf;wmv;rm;rmvb;mkv;vob", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Vedio Files")},
    {TypeGroup::Program, "program", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Program files"), "Program",
     "exe;rar;zip;iso;chm", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Program Files")},
    {TypeGroup::Document, "document", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Document file"),
     "Document", "txt;doc;pdf;xls;ppt;pps;htm;html;mht",
     VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Document Files")},
    {TypeGroup::Archive, "archive", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Archive files"), "Archive",
     "7z;tar;gz;bz2;xz;zst;tgz", VARNOLT_TRANSLATE_NOOP("varnolt::MainWindow", "Archive Files")},
}};
inline constexpr std::size_t kTypeGroupCount = kTypeGroups.size();

constexpr std::size_t IndexOf(TypeGroup group) {
    return static_cast<std::size_t>(group);
}
constexpr const TypeGroupInfo& InfoOf(TypeGroup group) {
    return kTypeGroups[IndexOf(group)];
}
// The row whose key is `key`; nullptr when none is.
const TypeGroupInfo* FindTypeGroup(std::string_view key);

// A list as the group editor stores it: ";." becomes ";" and every letter is lower-cased. Nothing else
// changes, so a dot before the first entry and spaces stay.
std::string NormaliseGroupTypes(std::string_view text);

} // namespace varnolt
