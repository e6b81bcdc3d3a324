#include "runState.h"

namespace {
RunState current;
} // namespace

RunState& runState() { return current; }

void resetRunState() { current = RunState{}; }
