// Scenario commands that measure the program under test and bound its growth.
#pragma once

#include <string>
#include <vector>

#include "session.h"

namespace driver {

// measure NAME: reads the program's figures now (host_figures.h), prints them
// and keeps them under NAME.
void MeasureProgram(Session& session, const std::vector<std::string>& words);

// expect-growth FROM TO FIGURE MOST: the figure has grown by at most MOST
// from the measurement FROM to the measurement TO.
void ExpectGrowth(Session& session, const std::vector<std::string>& words);

}  // namespace driver
