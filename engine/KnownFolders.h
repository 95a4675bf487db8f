// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The category folders a run has found or made, so that each is looked up once rather than once per
// item. Bounded: forgotten all at once when it grows large, since a date category down to the second
// can give every file its own folder.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace varnolt {

class KnownFolders {
  public:
    bool Contains(std::string_view folder) const { return folders_.contains(Key(folder)); }
    void Add(std::string_view folder) {
        if (folders_.size() >= Capacity) folders_.clear();
        folders_.emplace(Key(folder));
    }
    // Whether the folder was known.
    bool Forget(std::string_view folder) {
        const auto known = folders_.find(Key(folder));
        if (known == folders_.end()) return false;
        folders_.erase(known);
        return true;
    }
    // Forgets them all. The folders to come lie below `root` (the result location, ending in "/"): each
    // is kept by its part below it, mostly short enough to need no allocation of its own and quick to
    // hash, which counts at a look-up for every item.
    void Clear(std::string root = {}) {
        folders_.clear();
        root_ = std::move(root);
    }

    static constexpr std::size_t Capacity = 65536;

  private:
    std::string_view Key(std::string_view folder) const {
        return !root_.empty() && folder.starts_with(root_) ? folder.substr(root_.size()) : folder;
    }

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> folders_;
    std::string root_;
};

} // namespace varnolt
