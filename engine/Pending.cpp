// TEMPORARY while the engine is being assembled: members whose real definitions are being written in
// their own files. Each is removed from here as its file lands; this file must be gone before release.
#include "engine/Engine.h"

#include <cstdlib>

namespace varnolt {
void Engine::ClassifyItem(const std::string&, bool) { std::abort(); }
void Engine::AddPreviewItem(const std::string&, const std::string&) { std::abort(); }
bool Engine::TransferItem(const std::string&, const std::string&) { std::abort(); }
std::int32_t Engine::CountFolderEntries(const std::string&) { std::abort(); }
void Engine::UndoLastRun() { std::abort(); }
void PreviewTree::Clear() { std::abort(); }
void PreviewTree::AddRoot(const std::string&) { std::abort(); }
std::size_t PreviewTree::ChildCount(NodeId) const { std::abort(); }
} // namespace varnolt
