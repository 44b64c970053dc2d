// The two scratch files the adapter commands write in the TEMP folder.
#pragma once

#include "platform/system_services.h"

namespace ruvelka {

// TEMP as it stands now, followed by the file name ("\tmp1.txt").
Text ScratchPath(SystemServices& system, const char* fileName);

// A path quoted for the command interpreter.
Text Quoted(const Text& path);

extern const char kReportFileName[];  // "\tmp1.txt"
extern const char kScriptFileName[];  // "\tmp1.sh"

}  // namespace ruvelka
