#include "adapter/adapter_report_parser.h"

#include <gtest/gtest.h>

#include "tests/unit/fixture_file.h"

namespace ruvelka {
namespace {

void ExpectSettings(const AdapterSettings& s, const AdapterSettings& expected) {
    EXPECT_EQ(s.connectionName, expected.connectionName);
    EXPECT_EQ(s.address, expected.address);
    EXPECT_EQ(s.mask, expected.mask);
    EXPECT_EQ(s.gateway, expected.gateway);
    EXPECT_EQ(s.dns, expected.dns);
}

struct ReportCase {
    const char* name;
    const char* fixture;
    AdapterSettings expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class ReportFixtureTest : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportFixtureTest, YieldsNameAndValues) {
    const ReportCase& c = GetParam();
    ExpectSettings(ParseAdapterReport(ReadFixture(c.fixture)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    XpLayout, ReportFixtureTest,
    testing::Values(
        ReportCase{"captured_xp",
                   "ipconfig/windows-xp-en.txt",
                   {"Local Area Connection", "192.168.22.135", "255.255.255.0", "192.168.22.1", "192.168.22.151"}},
        ReportCase{"single_adapter",
                   "ipconfig/xp-single.txt",
                   {"Local Area Connection", "192.168.1.100", "255.255.255.0", "192.168.1.1", "192.168.1.1"}},
        // The name comes from the first (disconnected) adapter, the values from
        // the next one that prints them; only the first DNS server is read.
        ReportCase{"first_adapter_disconnected",
                   "ipconfig/xp-two-adapters.txt",
                   {"Local Area Connection", "10.0.0.23", "255.0.0.0", "10.0.0.1", "10.0.0.2"}},
        ReportCase{"empty_gateway",
                   "ipconfig/xp-empty-gateway.txt",
                   {"Local Area Connection", "192.168.1.100", "255.255.255.0", "", "192.168.1.1"}},
        // 本地连接 in GBK, as the console wrote it.
        ReportCase{
            "chinese_connection_name",
            "ipconfig/xp-chinese-name.txt",
            {"\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3", "192.168.0.5", "255.255.255.0", "192.168.0.1", "202.96.128.86"}},
        // The IPv6 gateway printed first gives way to the IPv4 one below it; a
        // DNS server without any IPv4 address is kept as printed.
        ReportCase{"ipv6_gateway_first",
                   "ipconfig/xp-ipv6-gateway-first.txt",
                   {"Local Area Connection", "192.168.0.5", "255.255.255.0", "192.168.0.1", "fec0:0:0:ffff::1%1"}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

// Windows Vista to 11: one wired adapter's section gives all five values.
INSTANTIATE_TEST_SUITE_P(
    LaterLayout, ReportFixtureTest,
    testing::Values(
        ReportCase{
            "captured_windows_7",
            "ipconfig/windows-7-en.txt",
            {"Local Area Connection", "192.168.22.33(Preferred)", "255.255.255.0", "192.168.22.1", "192.168.22.151"}},
        // A VPN ("Unknown adapter") with its own address goes first.
        ReportCase{"captured_windows_10",
                   "ipconfig/windows-10-en.txt",
                   {"Ethernet 2", "10.50.13.132(Preferred)", "255.255.255.0", "10.50.13.1", "10.50.13.1"}},
        // A connected wireless adapter goes first.
        ReportCase{"windows_7_chinese",
                   "ipconfig/windows-7-zh.txt",
                   {"本地连接", "192.168.10.220(首选)", "255.255.255.0", "192.168.10.254", "192.168.10.12"}},
        // IPv6 gateway first, a disconnected Bluetooth "以太网适配器" after.
        ReportCase{"windows_10_chinese",
                   "ipconfig/windows-10-zh.txt",
                   {"以太网", "192.168.1.105(首选)", "255.255.255.0", "192.168.1.1", "114.114.114.114"}},
        ReportCase{"ipv6_gateway_and_dns_first",
                   "ipconfig/ipv6-gateway-first.txt",
                   {"Ethernet", "192.168.31.120(Preferred)", "255.255.255.0", "192.168.31.1", "192.168.31.1"}},
        // PPP and unknown-kind VPN adapters with address and gateway, then a
        // host-only adapter with an address and no gateway.
        ReportCase{"vpn_and_host_only_before_wired",
                   "ipconfig/vpn-host-only-before-wired.txt",
                   {"Ethernet", "192.168.0.101(Preferred)", "255.255.255.0", "192.168.0.1", "192.168.0.1"}},
        ReportCase{
            "first_ethernet_disconnected",
            "ipconfig/disconnected-first-ethernet.txt",
            {"Local Area Connection 2", "192.168.1.100(Preferred)", "255.255.255.0", "192.168.1.1", "192.168.1.1"}},
        // No wired adapter has a gateway: the first with an address, even
        // though the wireless one has both; its IPv6-only DNS is kept.
        ReportCase{
            "host_only_when_wired_unplugged",
            "ipconfig/host-only-wired-unplugged.txt",
            {"VirtualBox Host-Only Network", "192.168.56.1(Preferred)", "255.255.255.0", "", "fec0:0:0:ffff::1%1"}},
        // No wired adapter has an address: its name only.
        ReportCase{"chinese_wired_unplugged", "ipconfig/zh-wired-unplugged.txt", {"以太网", "", "", "", ""}},
        ReportCase{"no_wired_adapter", "ipconfig/no-wired-adapter.txt", {}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

struct TextCase {
    const char* name;
    Text report;
    AdapterSettings expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ReportTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ReportTextTest, YieldsNameAndValues) {
    const TextCase& c = GetParam();
    ExpectSettings(ParseAdapterReport(c.report), c.expected);
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
                 "   IP Address. . . . . . . . . . . . : 10.0.0.5\r\n"
                 "   Default Gateway . . . . . . . . . : 10.0.0.1\r\n",
                 {"", "10.0.0.5", "", "10.0.0.1", ""}},
        TextCase{"blanks_kept_in_name", "Ethernet adapter  Local  Area :\r\n", {" Local  Area ", "", "", "", ""}},
        // A name or value never reaches past its own line (found by fuzzing):
        // the ":" of the next line does not end the name, a stray CR ends a value.
        TextCase{"colon_only_on_a_later_line",
                 "Ethernet adapter LAN\r\n   IP Address. . . . . . . . . . . . : 10.1.1.1\r\n",
                 {"", "10.1.1.1", "", "", ""}},
        TextCase{"stray_line_breaks_end_a_value",
                 "Ethernet adapter LAN:\r\n   IP Address. . . . . . . . . . . . : 10.1.1.1\rset x\r\n"
                 "   Subnet Mask . . . . . . . . . . . : 255.0.0.0\nset y\r\n",
                 {"LAN", "10.1.1.1", "255.0.0.0", "", ""}}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    LaterLayout, ReportTextTest,
    testing::Values(
        // The last line counts even without a line end.
        TextCase{"value_at_end_without_line_end",
                 "Ethernet adapter LAN:\r\n   IPv4 Address. . . . . . . . . . . : 10.1.1.5",
                 {"LAN", "10.1.1.5", "", "", ""}},
        TextCase{"continuation_at_end_without_line_end",
                 "Ethernet adapter LAN:\r\n   IPv4 Address. . . . . . . . . . . : 10.1.1.5\r\n"
                 "   Default Gateway . . . . . . . . . :\r\n                                       10.1.1.1",
                 {"LAN", "10.1.1.5", "", "10.1.1.1", ""}},
        TextCase{"labels_in_mixed_case",
                 "ETHERNET ADAPTER LAN:\r\n\r\n   ipv4 address. . . . . . . . . . . : 10.1.1.5(Preferred)\r\n"
                 "   SUBNET MASK . . . . . . . . . . . : 255.0.0.0\r\n"
                 "   Default GATEWAY . . . . . . . . . : 10.1.1.1\r\n"
                 "   dns servers . . . . . . . . . . . : 10.1.1.2\r\n",
                 {"LAN", "10.1.1.5(Preferred)", "255.0.0.0", "10.1.1.1", "10.1.1.2"}},
        TextCase{"chinese_labels_in_mixed_case",
                 "以太网适配器 本地连接:\r\n\r\n   ipv4 地址 . . . . . . . . . . . . : 10.1.1.5(首选)\r\n"
                 "   子网掩码  . . . . . . . . . . . . : 255.0.0.0\r\n"
                 "   默认网关. . . . . . . . . . . . . : 10.1.1.1\r\n"
                 "   dns 服务器  . . . . . . . . . . . : 10.1.1.2\r\n",
                 {"本地连接", "10.1.1.5(首选)", "255.0.0.0", "10.1.1.1", "10.1.1.2"}},
        // 區域網路連線: the second bytes 0x5E, 0x57 and 0x42 read as "^", "W"
        // and "B" in ASCII, and must come through unfolded.
        TextCase{"name_with_bytes_that_look_like_ascii",
                 "以太网适配器 \x85\x5E\xD3\xF2\xBE\x57\xC2\xB7\xDF\x42\xBE\x80:\r\n\r\n"
                 "   IPv4 地址 . . . . . . . . . . . . : 10.1.1.5(首选)\r\n",
                 {"\x85\x5E\xD3\xF2\xBE\x57\xC2\xB7\xDF\x42\xBE\x80", "10.1.1.5(首选)", "", "", ""}},
        // "自动配置 IPv4 地址" (no DHCP server answered) is not the address label.
        TextCase{"autoconfiguration_address_is_not_the_address",
                 "以太网适配器 本地连接:\r\n\r\n   自动配置 IPv4 地址  . . . . . . . : 169.254.23.7(首选)\r\n"
                 "   子网掩码  . . . . . . . . . . . . : 255.255.0.0\r\n",
                 {"本地连接", "", "", "", ""}},
        // The section ends at the next heading: the wireless gateway below is
        // not the wired adapter's.
        TextCase{"values_stay_inside_the_section",
                 "Ethernet adapter LAN:\r\n   IPv4 Address. . . . . . . . . . . : 10.1.1.5\r\n\r\n"
                 "Wireless LAN adapter Wi-Fi:\r\n   Default Gateway . . . . . . . . . : 10.9.9.1\r\n"
                 "   DNS Servers . . . . . . . . . . . : 10.9.9.2\r\n",
                 {"LAN", "10.1.1.5", "", "", ""}},
        // Continuation lines end at the next field line: the DHCP server is
        // not a gateway.
        TextCase{"ipv6_gateway_alone_is_kept",
                 "Ethernet adapter LAN:\r\n   IPv4 Address. . . . . . . . . . . : 10.1.1.5\r\n"
                 "   Default Gateway . . . . . . . . . : fe80::1%7\r\n"
                 "   DHCP Server . . . . . . . . . . . : 10.1.1.1\r\n",
                 {"LAN", "10.1.1.5", "", "fe80::1%7", ""}},
        // An IPv4 gateway on the label's line stands; the line below is not read.
        TextCase{"ipv4_gateway_on_the_label_line_stands",
                 "Ethernet adapter LAN:\r\n   IPv4 Address. . . . . . . . . . . : 10.1.1.5\r\n"
                 "   Default Gateway . . . . . . . . . : 10.1.1.1\r\n"
                 "                                       10.1.1.254\r\n",
                 {"LAN", "10.1.1.5", "", "10.1.1.1", ""}}),
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
