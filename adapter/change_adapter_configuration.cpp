#include "adapter/change_adapter_configuration.h"

namespace ruvelka {

void ChangeAdapterConfiguration(CommandContext& context) { ApplyAdapterConfiguration(context); }
void ApplyAdapterConfiguration(CommandContext&) {}

}  // namespace ruvelka
