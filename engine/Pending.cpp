// TEMPORARY while the engine is being assembled: members whose real definitions are being written in
// their own files. Each is removed from here as its file lands; this file must be gone before release.
#include "engine/Engine.h"

#include <cstdlib>

namespace varnolt {
} // namespace varnolt
