// SPDX-License-Identifier: GPL-3.0-or-later
// One item of a run or a preview: the filters, its category, and its placement.
#include "engine/CategoryRules.h"
#include "engine/DateCategory.h"
#include "engine/Engine.h"
#include "engine/Text.h"

#include <optional>

namespace varnolt {

namespace {

// A numbered folder is opened by the first item of a command, or when the previous one is full.
// Names already present in the result location are passed over, so that a second run to the same place
// does not pour more items into the folders of the first; the folder this command created for the current
// serial is never looked at again, because the look-up happens only when a serial is opened.
std::string NumberedCategory(const ClassifyOptions& options, RunState& state, FileSystem& fs) {
    const bool firstItem = state.ItemCount == 0;
    const bool opened =
        AdvanceNumberedFolder(options.MaxFilesPerFolder, state.FolderFillCount, state.FolderSerial) ||
        firstItem;
    std::string name = NumberedFolderName(options.SubfolderName, state.FolderSerial);
    // Without a result location a preview has nothing to look in.
    if (!opened || options.ResultLocation.empty()) return name;
    const auto taken = [&](const std::string& candidate) {
        const std::string path = state.ResultRoot + candidate;
        return IsSafeCategory(candidate) && (fs.FolderExists(path) || fs.FileExists(path));
    };
    while (taken(name))
        name = NumberedFolderName(options.SubfolderName, ++state.FolderSerial);
    return name;
}

// The failure of an item that was reported where it happened.
FsResult ReportedAlready() {
    return std::make_error_code(std::errc::operation_canceled);
}

} // namespace

void Engine::Skip(const std::string& path, SkipReason why) {
    if (why == SkipReason::NoCategory)
        ++tally_.NotPlaced;
    else
        ++tally_.Excluded;
    host_.Skipped({path, why});
}

void Engine::Fail(const std::string& path, Step step, std::error_code error, std::string_view destination) {
    ++tally_.Failed;
    host_.Failed({path, step, error, destination});
}

void Engine::ReportProgress() {
    const bool preview = state_.PreviewMode;
    host_.Progress({preview ? CommandKind::Preview : CommandKind::Run, state_.ItemCount, 0,
                    preview ? static_cast<std::int64_t>(preview_.ChildCount(PreviewTree::Root))
                            : state_.NewCategoryCount});
}

void Engine::ClassifyItem(const std::string& path, bool isFile, ListedFolder* listedIn, FolderIdentity entry,
                          std::span<const std::string> sidecars) {
    if (state_.StopRequested) return;
    // This run's own: placed by it, or a category folder it made.
    if (sortingInPlace_ && placedThisRun_.contains(path)) return;
    ++tally_.Total;
    if (isFile && IsExcludedFile(options_, path)) return Skip(path, SkipReason::Excluded);
    if (!PassesTypeFilter(options_, path, isFile)) return Skip(path, SkipReason::FilteredOut);
    host_.Working({Activity::Classifying, path});

    bool readAsFile = false;
    std::error_code failure;
    const std::string category = CategoryOf(path, isFile, listedIn, readAsFile, failure);
    if (failure) return Fail(path, Step::ReadFacts, failure);
    if (category.empty()) return Skip(path, SkipReason::NoCategory);
    ++state_.ItemCount;

    if (state_.PreviewMode) {
        if (options_.LimitPreview && options_.PreviewLimit < state_.ItemCount) {
            state_.StopRequested = true;
            tally_.LimitReached = true;
            --state_.ItemCount;
            --tally_.Total;
            return;
        }
        PlaceInPreview(path, category, isFile, sidecars);
        ReportProgress();
        return;
    }

    const bool intoResultFolder = category == kResultFolderItself;
    std::string folder = intoResultFolder ? state_.ResultRoot : state_.ResultRoot + category;
    std::string destination = PathIn(folder, NameViewOf(path));
    // Files, with their sidecars, go in batches, whose pairs reach the disk together before their moves.
    // A folder or a saved page with its folder goes alone, after the batch before it; it would make a
    // missing category folder itself, beyond the run's count and its clean-up, so that is seen to first.
    // A path with a line break fails there: the journal keeps one path per line.
    if (isFile && !ContainsLineBreak(path) && !ContainsLineBreak(destination) &&
        (readAsFile || services_.Fs.FileExists(path)) && !(IsWebPage(path) && CompanionSuffixOf(path)))
        return PlanFile(path, category, std::move(folder), std::move(destination), entry, sidecars);
    CarryOutBatch();
    const FsResult placed = PlaceWithCategoryFolder(path, folder, destination, readAsFile);
    if (!placed) {
        if (placed.Error() != ReportedAlready().Error())
            Fail(path, FailedStep(), placed.Error(), destination);
        return;
    }
    ++tally_.Placed;
    if (sortingInPlace_) placedThisRun_.insert(placedAt_);
    host_.Placed({path, category, placedAt_, !isFile && !readAsFile, false});
    ReportProgress();
}

// A category folder that cannot be made fails the item here, where the user is asked whether to go on.
bool Engine::SeeToCategoryFolder(const std::string& path, const std::string& folder,
                                 std::vector<std::string>& made) {
    if (knownFolders_.Contains(folder)) return true;
    const FsResult ready = EnsureCategoryFolder(folder, made);
    if (ready) return true;
    Fail(path, Step::MakeCategory, ready.Error(), folder);
    RemoveEmptyFoldersMade(made, folder);
    if (!Ask(Decision::ContinueWithoutCategory, folder, ready.Error())) state_.StopRequested = true;
    return false;
}

// Sees to the category folder, then transfers the item; the caller gets kReportedAlready when the folder
// could not be made.
FsResult Engine::PlaceWithCategoryFolder(const std::string& path, const std::string& folder,
                                         const std::string& destination, bool readAsFile) {
    std::vector<std::string> made;
    if (!SeeToCategoryFolder(path, folder, made)) return ReportedAlready();
    FsResult placed = TransferItem(path, destination, readAsFile);
    if (!placed && RemadeVanishedFolder(folder, made)) placed = TransferItem(path, destination, readAsFile);
    if (!placed) RemoveEmptyFoldersMade(made, folder);
    return placed;
}

// A folder known from an earlier item may have been removed since (by the user, during the run); made
// again, it takes the item.
bool Engine::RemadeVanishedFolder(const std::string& folder, std::vector<std::string>& made) {
    return knownFolders_.Forget(folder) && !services_.Fs.FolderExists(folder) &&
           static_cast<bool>(EnsureCategoryFolder(folder, made));
}

// An item that did not go in leaves no empty folder behind of those made for it, innermost first; one
// that holds anything (another item's, or the user's) stays.
void Engine::RemoveEmptyFoldersMade(const std::vector<std::string>& made, const std::string& folder) {
    for (auto level = made.rbegin(); level != made.rend(); ++level) {
        if (!services_.Fs.RemoveFolder(*level)) return;
        knownFolders_.Forget(*level);
        if (*level == folder) --state_.NewCategoryCount;
    }
}

// Only a category whose every level is a real folder name is given: anything else could place the item
// outside its category, or outside the result location. "." alone is the result location itself.
// `readAsFile` tells that the item's facts were just read, following links, and showed a file, so that
// the transfer need not look again.
std::string Engine::CategoryOf(const std::string& path, bool isFile, ListedFolder* listedIn, bool& readAsFile,
                               std::error_code& failure) {
    const std::string& method = options_.MethodKey;
    std::string category;
    if (method == Method::Name) {
        category = NameCategory(options_, path, isFile);
    } else if (method == Method::Type) {
        if (isFile) category = TypeCategory(options_, path);
    } else if (method == Method::Number) {
        category = NumberedCategory(options_, state_, services_.Fs);
    } else if (method == Method::Size || method == Method::Date) {
        // An item that vanished since the walk found it has no size or time.
        const bool sized = method == Method::Size;
        if (sized && !isFile) return {};
        errno = 0;
        const std::optional<ItemInfo> info =
            listedIn ? listedIn->ReadItemInfo(path) : services_.Fs.ReadItemInfo(path);
        if (!info) {
            failure = FsResult::Failed(errno).Error();
            return {};
        }
        readAsFile = !info->IsFolder;
        category = sized
                       ? SizeCategory(info->Size, state_.SizeStepBytes, options_.SizeStep, options_.SizeUnit)
                       : DateCategory(path, *info, options_, services_.Dates);
    }
    return IsSafeCategory(category) || category == kResultFolderItself ? category : std::string();
}

// Creates the missing levels of the category below the result location, one at a time; the result
// location itself is the run's to make. Returns whether the folder exists now. A new category mostly
// has its parent already, so making it is tried first: one call instead of a failed look and a make.
FsResult Engine::EnsureCategoryFolder(const std::string& folder, std::vector<std::string>& made) {
    FileSystem& fs = services_.Fs;
    if (fs.MakeFolder(folder)) {
        madeThisRun_.insert(folder);
        if (sortingInPlace_) placedThisRun_.insert(folder);
        made.push_back(folder);
        ++state_.NewCategoryCount;
    } else if (!fs.FolderExists(folder)) {
        const std::string& root = state_.ResultRoot;
        bool madeLast = false;
        for (std::size_t end = root.size(); end != std::string::npos;) {
            end = folder.find('/', end + 1);
            const std::string level = folder.substr(0, end);
            // The innermost level was just found missing.
            const bool innermost = end == std::string::npos;
            if (!innermost && fs.FolderExists(level)) {
                madeLast = false;
                continue;
            }
            const FsResult result = fs.MakeFolder(level);
            madeLast = static_cast<bool>(result);
            if (madeLast) made.push_back(level);
            if (madeLast && innermost) madeThisRun_.insert(level);
            if (madeLast && sortingInPlace_) placedThisRun_.insert(level);
            // Made by someone else in the meantime is as good as made.
            if (!madeLast && !fs.FolderExists(level)) return result;
        }
        if (madeLast) ++state_.NewCategoryCount;
    }
    knownFolders_.Add(folder);
    return {};
}

} // namespace varnolt
