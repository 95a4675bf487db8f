#pragma once
#include "engine/Engine.h"
#include "engine/Options.h"

#include <utility>

namespace varnolt {

// The window's options and the engine that must hear of a change to them while a command runs.
struct BoundOptions {
    ClassifyOptions& Options;
    Engine& Reader;
    template <typename Field, typename Value> void Set(Field ClassifyOptions::*field, Value value) {
        Options.*field = std::move(value);
        Reader.OptionsChanged();
    }
};

} // namespace varnolt
