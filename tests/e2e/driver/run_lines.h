// Runs a scenario's lines, with "repeat N" ... "end" blocks.
#pragma once

#include <vector>

#include "scenario.h"
#include "session.h"

namespace driver {

// Runs the lines in order; a "repeat N" line runs the lines up to its
// matching "end" N times (blocks nest). Each line is printed as it runs; in a
// block only during its first round, and each later round prints its number
// and the seconds since the block began. On the first failure prints where it
// happened (with the round) and what was expected and found, and returns
// false. Unmatched repeat or end lines are reported before anything runs.
bool RunLines(Session& session, const std::vector<ScenarioLine>& lines);

}  // namespace driver
