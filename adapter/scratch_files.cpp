#include "adapter/scratch_files.h"

namespace ruvelka {

const char kReportFileName[] = "\\tmp1.txt";
const char kScriptFileName[] = "\\tmp1.sh";

Text ScratchPath(SystemServices& system, const char* fileName) {
    return system.ReadEnvironmentVariable("TEMP") + fileName;
}

Text Quoted(const Text& path) { return "\"" + path + "\""; }

}  // namespace ruvelka
