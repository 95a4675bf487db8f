#include "ui/TypeGroups.h"

#include "engine/Options.h"
#include "engine/Text.h"

namespace varnolt {

const std::array<TypeGroupInfo, kTypeGroupCount> kTypeGroups = {{
    {TypeGroup::Music, "Music files", "Music", kDefaultMusicTypes, "Music Files"},
    {TypeGroup::Image, "Image files", "Image", kDefaultImageTypes, "Image Files"},
    {TypeGroup::Video, "Vedio files", "Vedio", kDefaultVideoTypes, "Vedio Files"},
    {TypeGroup::Program, "Program files", "Program", kDefaultProgramTypes, "Program Files"},
    {TypeGroup::Document, "Document file", "Document", kDefaultDocumentTypes, "Document Files"},
}};

const TypeGroupInfo& InfoOf(TypeGroup group) { return kTypeGroups[static_cast<std::size_t>(group)]; }

std::string NormaliseGroupTypes(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        joined += text[i];
        if (text[i] == ';' && i + 1 < text.size() && text[i + 1] == '.') ++i;
    }
    return LowerAllLetters(joined);
}

std::string JoinOtherGroup(const std::string& folder, const std::string& types) { return folder + " " + types; }

OtherGroupText SplitOtherGroup(const std::string& stored) {
    const auto space = stored.find(' ');
    if (space == std::string::npos) return {"", stored};
    return {stored.substr(0, space), stored.substr(space + 1)};
}

} // namespace varnolt
