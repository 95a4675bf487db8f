// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Errors.h"

namespace varnolt {

namespace {

class Category final : public std::error_category {
  public:
    const char* name() const noexcept override { return "varnolt"; }
    std::string message(int code) const override {
        switch (static_cast<EngineError>(code)) {
        case EngineError::LineBreakInName:
            return "the name holds a line break, which the journal cannot keep";
        case EngineError::NotTheItemPlaced:
            return "another file stands where the run put it";
        case EngineError::CopiedFolderStays:
            return "a copied folder stays where the run put it";
        }
        return "unknown error";
    }
};

} // namespace

const std::error_category& EngineErrorCategory() {
    static const Category category;
    return category;
}

} // namespace varnolt
