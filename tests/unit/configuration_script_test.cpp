#include "adapter/configuration_script.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ruvelka {
namespace {

struct ScriptCase {
    const char* label;
    Text name, address, mask, gateway, dns;
    Text expected;
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.label; }

class ConfigurationScriptTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(ConfigurationScriptTest, BuildsTheFourLines) {
    const ScriptCase& c = GetParam();
    EXPECT_EQ(BuildConfigurationScript(c.name, c.address, c.mask, c.gateway, c.dns), c.expected);
}

// 本地连接 in GBK.
const char kChineseName[] = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigurationScriptTest,
    testing::Values(
        ScriptCase{"Normal", "Local Area Connection", "192.168.1.100", "255.255.255.0", "192.168.1.1", "202.96.128.86",
                   "int ip\r\n"
                   "set address name=\"Local Area Connection\" source=static addr=192.168.1.100 mask=255.255.255.0\r\n"
                   "set address name=\"Local Area Connection\" gateway=192.168.1.1 gwmetric=1\r\n"
                   "set dns name=\"Local Area Connection\" source=static addr=202.96.128.86"},
        // Before the first view there is no connection name.
        ScriptCase{"EmptyName", "", "10.0.0.2", "255.0.0.0", "10.0.0.1", "10.0.0.1",
                   "int ip\r\n"
                   "set address name=\"\" source=static addr=10.0.0.2 mask=255.0.0.0\r\n"
                   "set address name=\"\" gateway=10.0.0.1 gwmetric=1\r\n"
                   "set dns name=\"\" source=static addr=10.0.0.1"},
        // Blank boxes leave their fields empty, right before the line end.
        ScriptCase{"BlankBoxes", "LAN", "192.168.0.5", "", "", "",
                   "int ip\r\n"
                   "set address name=\"LAN\" source=static addr=192.168.0.5 mask=\r\n"
                   "set address name=\"LAN\" gateway= gwmetric=1\r\n"
                   "set dns name=\"LAN\" source=static addr="},
        // The name goes in byte for byte (the literals here are GBK too).
        ScriptCase{"ChineseName", kChineseName, "192.168.1.2", "255.255.255.0", "192.168.1.1", "192.168.1.1",
                   "int ip\r\n"
                   "set address name=\"本地连接\" source=static addr=192.168.1.2 mask=255.255.255.0\r\n"
                   "set address name=\"本地连接\" gateway=192.168.1.1 gwmetric=1\r\n"
                   "set dns name=\"本地连接\" source=static addr=192.168.1.1"}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace ruvelka
