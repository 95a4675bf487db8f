#pragma once
#include "engine/Options.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnolt {

// Receives the items a walk finds.
class ItemSink {
public:
    virtual ~ItemSink() = default;
    virtual void ClassifyItem(const std::string& path, bool isFile) = 0;
};

struct WalkContext {
    FileSystem& Fs;
    MessagePump& Pump;
    const ClassifyOptions& Options;
    const bool& StopRequested;
    ItemSink& Sink;
    // A folder never entered nor handed over: the result location, when it lies inside a source, so
    // that a run does not classify its own output again.
    std::optional<FolderIdentity> SkipFolder;
};

// Hands the files, and the subfolders when the options ask for them, of one source folder to the sink;
// pre-order, depth first, each folder's entries in a stable name order.
void WalkSourceFolder(const WalkContext& context, const std::string& folder);

// "page.files" or "page_files", in any letter case: the parts of a saved web page.
bool IsCompanionFolderName(std::string_view name);

} // namespace varnolt
