// The scenario commands.
#pragma once

#include <string>
#include <vector>

#include "session.h"

namespace driver {

// Runs one command with its words expanded; throws Failure when an
// expectation does not hold or the command is malformed.
void RunCommand(Session& session, const std::vector<std::string>& words);

}  // namespace driver
