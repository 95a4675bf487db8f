// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Errors.h"

#include "engine/Messages.h"

namespace varnolt {

namespace {

class Category final : public std::error_category {
  public:
    const char* name() const noexcept override { return "varnolt"; }
    std::string message(int code) const override {
        const char* text = Messages::EngineErrorText(static_cast<EngineError>(code));
        return text ? text : "unknown error";
    }
};

} // namespace

const std::error_category& EngineErrorCategory() {
    static const Category category;
    return category;
}

} // namespace varnolt
