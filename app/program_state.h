// What outlives a single command: four Texts, empty at start.
#pragma once

#include "platform/text.h"

namespace ruvelka {

struct ProgramState {
    Text pageText;        // the last fetched public-IP page
    Text addressField;    // 46 bytes of it from byte 1245
    Text publicAddress;   // the first 16 bytes of addressField
    Text connectionName;  // from the last adapter report
};

// Releases the four Texts; runs once at exit.
void ReleaseProgramState(ProgramState& state);

}  // namespace ruvelka
