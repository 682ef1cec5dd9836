#include "RunningMarker.h"

namespace skyvarre {

RunningMarker::RunningMarker() = default;

RunningMarker::~RunningMarker() = default;

} // namespace skyvarre
