#include "adapter/view_adapter_configuration.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_system_services.h"
#include "tests/unit/fixture_file.h"

namespace ruvelka {
namespace {

const char kTemp[] = "C:\\Documents and Settings\\user\\Local Settings\\Temp";
const char kReportPath[] = "C:\\Documents and Settings\\user\\Local Settings\\Temp\\tmp1.txt";

// Makes the fake command interpreter append the report to the file named
// after ">>", as ipconfig would.
void ReportOnRun(FakeWorld& world, const std::string& report) {
    world.system.onRun = [&world, report](const Text& commandLine) {
        std::size_t at = commandLine.find(">>\"");
        if (at == Text::npos) return;
        Text path = commandLine.substr(at + 3);
        if (path.empty() || path.back() != '"') return;
        path.pop_back();
        world.system.files[path] += report;
    };
}

TEST(ViewAdapterConfigurationTest, FillsTheBoxesAndTheRouterAddress) {
    FakeWorld world;
    world.system.environment["TEMP"] = kTemp;
    ReportOnRun(world, ReadFixture("ipconfig/xp-two-adapters.txt"));

    ViewAdapterConfiguration(world.context);

    ASSERT_EQ(world.system.commands.size(), 1u);
    EXPECT_EQ(world.system.commands[0], std::string("cmd /c ipconfig /all >>\"") + kReportPath + "\"");
    EXPECT_TRUE(world.system.lastWait);
    EXPECT_EQ(world.system.lastShow, WindowShow::Hidden);
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框1), "10.0.0.23");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框2), "255.0.0.0");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框3), "10.0.0.1");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框4), "10.0.0.2");
    EXPECT_EQ(world.controls.EditText(ControlId::网关), "10.0.0.1");
    EXPECT_EQ(world.state.connectionName, "Local Area Connection");
    EXPECT_TRUE(world.system.files.empty()) << "the report file is left behind";
    EXPECT_EQ(world.controls.LogOf("disable").size(), 1u);
    EXPECT_FALSE(world.controls.IsDisabled(ControlId::IP修改获取信息));
}

TEST(ViewAdapterConfigurationTest, ALeftoverReportIsNeverRead) {
    FakeWorld world;
    world.system.environment["TEMP"] = kTemp;
    world.system.files[kReportPath] = ReadFixture("ipconfig/xp-single.txt");
    ReportOnRun(world, ReadFixture("ipconfig/xp-chinese-name.txt"));

    ViewAdapterConfiguration(world.context);

    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框1), "192.168.0.5");
    EXPECT_EQ(world.state.connectionName, "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3");
    EXPECT_TRUE(world.system.files.empty());
}

// An old report that cannot be deleted is never taken for this run's report:
// the boxes are blanked as with no report, and ipconfig does not run to append
// to it.
TEST(ViewAdapterConfigurationTest, AnOldReportThatCannotBeDeletedIsNotRead) {
    FakeWorld world;
    world.system.environment["TEMP"] = kTemp;
    world.system.files[kReportPath] = ReadFixture("ipconfig/xp-single.txt");
    world.system.deletesSucceed = false;
    ReportOnRun(world, ReadFixture("ipconfig/xp-chinese-name.txt"));
    world.state.connectionName = "old";
    world.controls.SetAddress(ControlId::IP编辑框1, "1.2.3.4");
    world.controls.SetEditText(ControlId::网关, "1.2.3.1");

    ViewAdapterConfiguration(world.context);

    EXPECT_TRUE(world.system.commands.empty());
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框1), "");
    EXPECT_EQ(world.controls.EditText(ControlId::网关), "");
    EXPECT_EQ(world.state.connectionName, "");
    EXPECT_FALSE(world.controls.IsDisabled(ControlId::IP修改获取信息));
}

TEST(ViewAdapterConfigurationTest, NoReportBlanksEverything) {
    FakeWorld world;
    world.system.commandStarts = false;
    world.state.connectionName = "old";
    world.controls.SetAddress(ControlId::IP编辑框1, "1.2.3.4");
    world.controls.SetAddress(ControlId::IP编辑框3, "1.2.3.1");
    world.controls.SetEditText(ControlId::网关, "1.2.3.1");

    ViewAdapterConfiguration(world.context);

    // An absent TEMP puts the report at the root of the current drive.
    EXPECT_EQ(world.system.commands[0], "cmd /c ipconfig /all >>\"\\tmp1.txt\"");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框1), "");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框3), "");
    EXPECT_EQ(world.controls.EditText(ControlId::网关), "");
    EXPECT_EQ(world.state.connectionName, "");
    EXPECT_FALSE(world.controls.IsDisabled(ControlId::IP修改获取信息));
}

TEST(ViewAdapterConfigurationTest, EmptyGatewayEmptiesTheRouterAddress) {
    FakeWorld world;
    world.system.environment["TEMP"] = kTemp;
    world.controls.SetEditText(ControlId::网关, "192.168.1.1");
    ReportOnRun(world, ReadFixture("ipconfig/xp-empty-gateway.txt"));

    ViewAdapterConfiguration(world.context);

    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框1), "192.168.1.100");
    EXPECT_EQ(world.controls.Address(ControlId::IP编辑框3), "");
    EXPECT_EQ(world.controls.EditText(ControlId::网关), "");
}

TEST(ViewAdapterConfigurationTest, ButtonIsDisabledWhileTheReportRuns) {
    FakeWorld world;
    bool disabledDuringRun = false;
    world.system.onRun = [&](const Text&) { disabledDuringRun = world.controls.IsDisabled(ControlId::IP修改获取信息); };
    ViewAdapterConfiguration(world.context);
    EXPECT_TRUE(disabledDuringRun);
}

}  // namespace
}  // namespace ruvelka
