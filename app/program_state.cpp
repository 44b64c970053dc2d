#include "app/program_state.h"

namespace ruvelka {

void ReleaseProgramState(ProgramState& state) {
    Text().swap(state.pageText);
    Text().swap(state.addressField);
    Text().swap(state.publicAddress);
    Text().swap(state.connectionName);
}

}  // namespace ruvelka
