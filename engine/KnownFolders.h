#pragma once
// The category folders a run has found or made, so that each is looked up once rather than once per
// item. Bounded: forgotten all at once when it grows large, since a date category down to the second
// can give every file its own folder.
#include <cstddef>
#include <string>
#include <unordered_set>

namespace varnolt {

class KnownFolders {
public:
    bool Contains(const std::string& folder) const { return folders_.contains(folder); }
    void Add(const std::string& folder) {
        if (folders_.size() >= Capacity) folders_.clear();
        folders_.insert(folder);
    }
    // Whether the folder was known.
    bool Forget(const std::string& folder) { return folders_.erase(folder) > 0; }
    void Clear() { folders_.clear(); }

    static constexpr std::size_t Capacity = 65536;

private:
    std::unordered_set<std::string> folders_;
};

} // namespace varnolt
