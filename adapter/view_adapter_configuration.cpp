#include "adapter/view_adapter_configuration.h"

#include "adapter/adapter_report_parser.h"
#include "adapter/scratch_files.h"

namespace ruvelka {

void ViewAdapterConfiguration(CommandContext& context) {
    Controls& controls = context.controls;
    SystemServices& system = context.system;

    controls.SetDisabled(ControlId::IP修改获取信息, true);

    // The report is appended to the file, so a report left behind by an
    // earlier run goes first; the path is quoted, since TEMP often holds blanks.
    const Text reportPath = ScratchPath(system, kReportFileName);
    system.DeleteFileAt(reportPath);
    // A report that outlived the delete (a TEMP where this user may change
    // files but not remove them) would be read as this run's report: then
    // there is no report, and ipconfig does not run only to append to it.
    Text report;
    if (system.ReadWholeFile(reportPath).empty()) {
        system.RunCommandLine("cmd /c ipconfig /all >>" + Quoted(reportPath), true, WindowShow::Hidden);
        report = BytesToText(system.ReadWholeFile(ScratchPath(system, kReportFileName)));
    }
    const AdapterSettings settings = ParseAdapterReport(report);
    context.state.connectionName = settings.connectionName;
    system.DeleteFileAt(ScratchPath(system, kReportFileName));

    controls.SetAddress(ControlId::IP编辑框1, settings.address);
    controls.SetAddress(ControlId::IP编辑框2, settings.mask);
    controls.SetAddress(ControlId::IP编辑框3, settings.gateway);
    controls.SetAddress(ControlId::IP编辑框4, settings.dns);

    controls.SetDisabled(ControlId::IP修改获取信息, false);

    controls.SetEditText(ControlId::网关, controls.Address(ControlId::IP编辑框3));
}

}  // namespace ruvelka
