// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace varnolt {

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Ends with "/".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

    // Creates a file (and its missing parent folders); returns its full path.
    std::string File(const std::string& relative, const std::string& content = "") const;
    std::string Folder(const std::string& relative) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

  private:
    std::string path_;
};

} // namespace varnolt
