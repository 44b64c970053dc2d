#include "adapter/adapter_report_parser.h"

#include <gtest/gtest.h>

#include "tests/unit/fixture_file.h"

namespace ruvelka {
namespace {

struct ReportCase {
    const char* name;
    const char* fixture;
    AdapterSettings expected;
};

class ReportFixtureTest : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportFixtureTest, YieldsNameAndValues) {
    const ReportCase& c = GetParam();
    AdapterSettings s = ParseAdapterReport(ReadFixture(c.fixture));
    EXPECT_EQ(s.connectionName, c.expected.connectionName);
    EXPECT_EQ(s.address, c.expected.address);
    EXPECT_EQ(s.mask, c.expected.mask);
    EXPECT_EQ(s.gateway, c.expected.gateway);
    EXPECT_EQ(s.dns, c.expected.dns);
}

INSTANTIATE_TEST_SUITE_P(
    XpLayout, ReportFixtureTest,
    testing::Values(
        ReportCase{"captured_xp", "ipconfig/windows-xp-en.txt",
                   {"Local Area Connection", "192.168.22.135", "255.255.255.0", "192.168.22.1", "192.168.22.151"}},
        ReportCase{"single_adapter", "ipconfig/xp-single.txt",
                   {"Local Area Connection", "192.168.1.100", "255.255.255.0", "192.168.1.1", "192.168.1.1"}},
        // The name comes from the first (disconnected) adapter, the values from
        // the next one that prints them; only the first DNS server is read.
        ReportCase{"first_adapter_disconnected", "ipconfig/xp-two-adapters.txt",
                   {"Local Area Connection", "10.0.0.23", "255.0.0.0", "10.0.0.1", "10.0.0.2"}},
        ReportCase{"empty_gateway", "ipconfig/xp-empty-gateway.txt",
                   {"Local Area Connection", "192.168.1.100", "255.255.255.0", "", "192.168.1.1"}},
        // 本地连接 in GBK, as the console wrote it.
        ReportCase{"chinese_connection_name", "ipconfig/xp-chinese-name.txt",
                   {"\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3", "192.168.0.5", "255.255.255.0", "192.168.0.1",
                    "202.96.128.86"}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

struct TextCase {
    const char* name;
    Text report;
    AdapterSettings expected;
};

class ReportTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ReportTextTest, YieldsNameAndValues) {
    const TextCase& c = GetParam();
    AdapterSettings s = ParseAdapterReport(c.report);
    EXPECT_EQ(s.connectionName, c.expected.connectionName);
    EXPECT_EQ(s.address, c.expected.address);
    EXPECT_EQ(s.mask, c.expected.mask);
    EXPECT_EQ(s.gateway, c.expected.gateway);
    EXPECT_EQ(s.dns, c.expected.dns);
}

INSTANTIATE_TEST_SUITE_P(
    XpLayout, ReportTextTest,
    testing::Values(
        TextCase{"empty_report", "", {}},
        TextCase{"labels_in_small_letters",
                 "ETHERNET ADAPTER LAN:\r\n   ip address. . . . . . . . . . . . : 10.1.1.1\r\n"
                 "   subnet mask . . . . . . . . . . . : 255.0.0.0\r\n",
                 {"LAN", "10.1.1.1", "255.0.0.0", "", ""}},
        // Items that are missing give empty values, never a slice of the report.
        TextCase{"heading_without_colon", "Ethernet adapter LAN\r\n", {}},
        TextCase{"value_without_line_end",
                 "Ethernet adapter LAN:\r\n   IP Address. . . . . . . . . . . . : 10.1.1.1",
                 {"LAN", "", "", "", ""}},
        TextCase{"label_at_very_end", "   DNS Servers . . . . . . . . . . . : ", {}},
        TextCase{"no_heading_but_values",
                 "   Default Gateway . . . . . . . . . : 10.0.0.1\r\n",
                 {"", "", "", "10.0.0.1", ""}},
        TextCase{"blanks_kept_in_name", "Ethernet adapter  Local  Area :\r\n", {" Local  Area ", "", "", "", ""}}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(FindLabelledValueTest, TakesTheFirstOccurrenceAnywhere) {
    const Text report =
        "Ethernet adapter A:\r\n   Default Gateway . . . . . . . . . : 1.1.1.1\r\n"
        "Ethernet adapter B:\r\n   Default Gateway . . . . . . . . . : 2.2.2.2\r\n";
    EXPECT_EQ(FindLabelledValue(report, kGatewayLabel), "1.1.1.1");
    EXPECT_EQ(FindConnectionName(report), "A");
}

}  // namespace
}  // namespace ruvelka
