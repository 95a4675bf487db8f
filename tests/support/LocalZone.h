// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets the local time zone for one test and puts the previous one back.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace varnolt {

class LocalZone {
  public:
    explicit LocalZone(const char* zone) {
        if (const char* previous = std::getenv("TZ")) previous_ = previous;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone() {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

} // namespace varnolt
