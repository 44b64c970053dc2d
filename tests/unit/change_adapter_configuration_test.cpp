#include "adapter/change_adapter_configuration.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "tests/fakes/fake_system_services.h"

namespace ruvelka {
namespace {

const char kTemp[] = "C:\\Documents and Settings\\user\\Local Settings\\Temp";
const char kScriptPath[] = "C:\\Documents and Settings\\user\\Local Settings\\Temp\\tmp1.sh";
const char kProduct[] = "Ruvelka V2.0 [免费软件]";
const char kBusy[] = "Ruvelka V2.0 [免费软件] IP地址更改中，请稍候。。。";
const char kSucceeded[] = "IP地址更改成功！";
const char kFailed[] = "IP地址更改失败！";
const char kRejected[] = "IP地址输入错误！请重新输入！";

// A world whose boxes hold a usable configuration and whose fake command
// interpreter keeps a copy of the script it was given.
struct ChangeWorld : FakeWorld {
    ChangeWorld() {
        system.environment["TEMP"] = kTemp;
        state.connectionName = "Local Area Connection";
        controls.SetAddress(ControlId::IP编辑框1, "192.168.1.100");
        controls.SetAddress(ControlId::IP编辑框2, "255.255.255.0");
        controls.SetAddress(ControlId::IP编辑框3, "192.168.1.1");
        controls.SetAddress(ControlId::IP编辑框4, "202.96.128.86");
        controls.log.clear();
        system.onRun = [this](const Text&) {
            auto it = system.files.find(kScriptPath);
            scriptSeen = it == system.files.end() ? "(no file)" : it->second;
        };
    }
    std::string scriptSeen;
};

const std::vector<std::string> kDisableOrder = {"disable change", "disable view", "disable ip1",
                                                "disable ip2",    "disable ip3",  "disable ip4"};
const std::vector<std::string> kEnableOrder = {"enable change", "enable ip1", "enable ip2",
                                               "enable ip3",    "enable ip4", "enable view"};

TEST(ChangeAdapterConfigurationTest, WritesRunsAndRemovesTheScript) {
    ChangeWorld world;

    ChangeAdapterConfiguration(world.context);

    EXPECT_EQ(world.scriptSeen,
              "int ip\r\n"
              "set address name=\"Local Area Connection\" source=static addr=192.168.1.100 mask=255.255.255.0\r\n"
              "set address name=\"Local Area Connection\" gateway=192.168.1.1 gwmetric=1\r\n"
              "set dns name=\"Local Area Connection\" source=static addr=202.96.128.86");
    ASSERT_EQ(world.system.commands.size(), 1u);
    EXPECT_EQ(world.system.commands[0], std::string("cmd /c netsh exec \"") + kScriptPath + "\"");
    EXPECT_TRUE(world.system.lastWait);
    EXPECT_EQ(world.system.lastShow, WindowShow::Hidden);
    EXPECT_EQ(world.system.messages, std::vector<Text>{kSucceeded});
    EXPECT_TRUE(world.system.files.empty()) << "the script is left behind";
    EXPECT_EQ(world.controls.LogOf("disable"), kDisableOrder);
    EXPECT_EQ(world.controls.LogOf("enable"), kEnableOrder);
    EXPECT_EQ(world.controls.LogOf("caption"), (std::vector<std::string>{std::string("caption window ") + kBusy,
                                                                         std::string("caption window ") + kProduct}));
}

TEST(ChangeAdapterConfigurationTest, BusyAndDisabledWhileTheBoxIsOpen) {
    ChangeWorld world;
    Text captionDuringBox;
    std::vector<std::string> enabledDuringBox;
    world.system.onMessage = [&](const Text&) {
        captionDuringBox = world.controls.Caption(ControlId::主窗口);
        for (ControlId id : {ControlId::IP修改确定, ControlId::IP修改获取信息, ControlId::IP编辑框1,
                             ControlId::IP编辑框2, ControlId::IP编辑框3, ControlId::IP编辑框4})
            if (!world.controls.IsDisabled(id)) enabledDuringBox.push_back(FakeControls::Name(id));
    };

    ChangeAdapterConfiguration(world.context);

    ASSERT_EQ(world.system.messages.size(), 1u);
    EXPECT_EQ(captionDuringBox, kBusy);
    EXPECT_TRUE(enabledDuringBox.empty())
        << "enabled while the box shows: " << testing::PrintToString(enabledDuringBox);
    EXPECT_EQ(world.controls.Caption(ControlId::主窗口), kProduct);
}

// What the system does, and what it must see the handler do.
struct OutcomeCase {
    const char* label;
    bool filesWritable;
    bool writesSucceed;
    bool commandStarts;
    unsigned long exitCode;
    std::vector<std::string> systemLog;
};

const std::string kOpen = std::string("open ") + kScriptPath;
const std::string kWrite = std::string("write ") + kScriptPath;
const std::string kClose = "close 1";
const std::string kRun = std::string("run cmd /c netsh exec \"") + kScriptPath + "\"";
const std::string kDelete = std::string("delete ") + kScriptPath;
const std::string kSuccessBox = std::string("message ") + kSucceeded;
const std::string kFailureBox = std::string("message ") + kFailed;

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.label; }

class ChangeOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(ChangeOutcomeTest, ReportsTheOutcomeAndLeavesNoScript) {
    const OutcomeCase& c = GetParam();
    ChangeWorld world;
    // A longer script of an earlier run that was never removed.
    world.system.files[kScriptPath] = std::string(500, 'x');
    world.system.filesWritable = c.filesWritable;
    world.system.writesSucceed = c.writesSucceed;
    world.system.commandStarts = c.commandStarts;
    world.system.exitCode = c.exitCode;

    ChangeAdapterConfiguration(world.context);

    EXPECT_EQ(world.system.log, c.systemLog);
    EXPECT_TRUE(world.system.files.empty()) << "a script is left behind";
    EXPECT_EQ(world.controls.LogOf("enable"), kEnableOrder);
    EXPECT_EQ(world.controls.Caption(ControlId::主窗口), kProduct);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeOutcomeTest,
    testing::Values(
        OutcomeCase{"Success", true, true, true, 0, {kOpen, kWrite, kClose, kRun, kSuccessBox, kDelete}},
        // netsh ends with 1 when a line fails, e.g. without administrator rights.
        OutcomeCase{"NonZeroExit", true, true, true, 1, {kOpen, kWrite, kClose, kRun, kFailureBox, kDelete}},
        OutcomeCase{"CrashExit", true, true, true, 0xC0000005ul, {kOpen, kWrite, kClose, kRun, kFailureBox, kDelete}},
        OutcomeCase{"CommandNotStarted", true, true, false, 0, {kOpen, kWrite, kClose, kRun, kFailureBox, kDelete}},
        // A script that did not reach the file whole is never run.
        OutcomeCase{"OpenFails", false, true, true, 0, {kOpen, kFailureBox, kDelete}},
        OutcomeCase{"WriteFails", true, false, true, 0, {kOpen, kClose, kFailureBox, kDelete}}),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.label); });

// The address box as the user left it.
struct RejectedCase {
    const char* label;
    std::array<int, 4> value;
    std::array<bool, 4> blank;
};

void PrintTo(const RejectedCase& c, std::ostream* os) { *os << c.label; }

class RejectedAddressTest : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedAddressTest, ShowsTheErrorAndTouchesNothing) {
    ChangeWorld world;
    world.controls.fields[ControlId::IP编辑框1].value = GetParam().value;
    world.controls.fields[ControlId::IP编辑框1].blank = GetParam().blank;

    ChangeAdapterConfiguration(world.context);

    EXPECT_EQ(world.system.log, std::vector<std::string>{std::string("message ") + kRejected});
    EXPECT_TRUE(world.system.files.empty());
    EXPECT_EQ(world.controls.LogOf("disable"), kDisableOrder);
    EXPECT_EQ(world.controls.LogOf("enable"), kEnableOrder);
    EXPECT_EQ(world.controls.Caption(ControlId::主窗口), kProduct);
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectedAddressTest,
                         testing::Values(RejectedCase{"Blank", {0, 0, 0, 0}, {true, true, true, true}},
                                         RejectedCase{"AllZero", {0, 0, 0, 0}, {false, false, false, false}},
                                         // Blank fields read as 0, so this too reads as 0.0.0.0.
                                         RejectedCase{"ZeroAndThreeBlanks", {0, 0, 0, 0}, {false, true, true, true}}),
                         [](const testing::TestParamInfo<RejectedCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(ChangeAdapterConfigurationTest, EmptyTempPutsTheScriptAtTheDriveRoot) {
    ChangeWorld world;
    world.system.environment.clear();
    world.system.onRun = [&](const Text&) { world.scriptSeen = world.system.files.count("\\tmp1.sh") ? "yes" : "no"; };

    ChangeAdapterConfiguration(world.context);

    EXPECT_EQ(world.system.openPaths, std::vector<Text>{"\\tmp1.sh"});
    EXPECT_EQ(world.scriptSeen, "yes");
    EXPECT_EQ(world.system.commands, std::vector<Text>{"cmd /c netsh exec \"\\tmp1.sh\""});
    EXPECT_TRUE(world.system.files.empty());
}

TEST(ChangeAdapterConfigurationTest, BlankBoxesAndNoNameGoInEmpty) {
    ChangeWorld world;
    world.state.connectionName.clear();
    world.controls.SetAddress(ControlId::IP编辑框2, "");
    world.controls.SetAddress(ControlId::IP编辑框3, "");
    world.controls.SetAddress(ControlId::IP编辑框4, "");

    ChangeAdapterConfiguration(world.context);

    EXPECT_EQ(world.scriptSeen,
              "int ip\r\n"
              "set address name=\"\" source=static addr=192.168.1.100 mask=\r\n"
              "set address name=\"\" gateway= gwmetric=1\r\n"
              "set dns name=\"\" source=static addr=");
    EXPECT_EQ(world.system.messages, std::vector<Text>{kSucceeded});
}

}  // namespace
}  // namespace ruvelka
