#include "adapter/change_adapter_configuration.h"

#include "adapter/configuration_script.h"
#include "adapter/scratch_files.h"
#include "app/product_info.h"

namespace ruvelka {
namespace {

const char kBusyNote[] = "IP地址更改中，请稍候。。。";
const char kAddressRejected[] = "IP地址输入错误！请重新输入！";
const char kChangeSucceeded[] = "IP地址更改成功！";
const char kChangeFailed[] = "IP地址更改失败！";

void DisableGroup(Controls& controls) {
    controls.SetDisabled(ControlId::IP修改确定, true);
    controls.SetDisabled(ControlId::IP修改获取信息, true);
    controls.SetDisabled(ControlId::IP编辑框1, true);
    controls.SetDisabled(ControlId::IP编辑框2, true);
    controls.SetDisabled(ControlId::IP编辑框3, true);
    controls.SetDisabled(ControlId::IP编辑框4, true);
}

// Not the reverse of DisableGroup: the view button comes back last.
void EnableGroup(Controls& controls) {
    controls.SetDisabled(ControlId::IP修改确定, false);
    controls.SetDisabled(ControlId::IP编辑框1, false);
    controls.SetDisabled(ControlId::IP编辑框2, false);
    controls.SetDisabled(ControlId::IP编辑框3, false);
    controls.SetDisabled(ControlId::IP编辑框4, false);
    controls.SetDisabled(ControlId::IP修改获取信息, false);
}

// Writes the script whole to a fresh file; false when it could not be opened
// or not every byte went in.
bool WriteScript(SystemServices& system, const Text& script) {
    const FileHandle file = system.OpenFileForWriting(ScratchPath(system, kScriptFileName));
    if (file == 0) return false;
    const bool written = system.WriteTextToFile(file, script);
    system.CloseFile(file);
    return written;
}

// Runs the script through the network shell and waits for it; true only when
// it ran and ended with 0 (netsh ends with 1 when a line fails, for instance
// without administrator rights).
bool RunScript(SystemServices& system) {
    const CommandOutcome outcome = system.RunCommandLine(
        "cmd /c netsh exec " + Quoted(ScratchPath(system, kScriptFileName)), true, WindowShow::Hidden);
    return outcome.started && outcome.exitCodeKnown && outcome.exitCode == 0;
}

}  // namespace

void ChangeAdapterConfiguration(CommandContext& context) {
    context.controls.SetCaption(ControlId::主窗口, Text(kProductCaption) + " " + kBusyNote);
    ApplyAdapterConfiguration(context);
    context.controls.SetCaption(ControlId::主窗口, kProductCaption);
}

void ApplyAdapterConfiguration(CommandContext& context) {
    Controls& controls = context.controls;
    SystemServices& system = context.system;

    DisableGroup(controls);

    const Text address = controls.Address(ControlId::IP编辑框1);
    if (address == "0.0.0.0" || address.empty()) {
        system.ShowInformation(kAddressRejected);
    } else {
        const Text script =
            BuildConfigurationScript(context.state.connectionName, address, controls.Address(ControlId::IP编辑框2),
                                     controls.Address(ControlId::IP编辑框3), controls.Address(ControlId::IP编辑框4));
        // A script that did not reach the file whole is not run: the network
        // shell would apply only part of it, or an older file.
        const bool changed = WriteScript(system, script) && RunScript(system);
        system.ShowInformation(changed ? kChangeSucceeded : kChangeFailed);
        system.DeleteFileAt(ScratchPath(system, kScriptFileName));
    }

    EnableGroup(controls);
}

}  // namespace ruvelka
