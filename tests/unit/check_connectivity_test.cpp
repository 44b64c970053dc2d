#include "netcheck/check_connectivity.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "netcheck/public_ip_page.h"
#include "tests/fakes/fake_system_services.h"

namespace ruvelka {
namespace {

const char kProduct[] = "Ruvelka V2.0 [免费软件]";
const char kBusy[] = "Ruvelka V2.0 [免费软件] 正在检测IP地址。。。";
const char kNotDetected[] = "没有检测到";
const char kSorry[] = "  Sorry！您的计算机没有接入互联网络！请检查您的路由器设置或WAN口连接";
const char kCongratulations[] = "  恭喜，您的计算机已经接入互联网络！路由器工作正常！";

// A page of length bytes of filler with texts placed at 1-based positions.
Text Page(std::size_t length, std::initializer_list<std::pair<std::size_t, Text>> placed = {}) {
    Text page(length, '_');
    for (const auto& p : placed) page.replace(p.first - 1, p.second.size(), p.second);
    return page;
}

Text Filler(std::size_t n) { return Text(n, '_'); }

struct PageCase {
    const char* name;
    std::string page;  // the body bytes the fetch gives back
    Text pageText;
    Text addressField;
    Text publicAddress;
    Text label2;
    bool connected;
};

std::vector<PageCase> PageCases() {
    const Text utf8Page =
        "\xE5\xBD\x93\xE5\x89\x8D IP\xEF\xBC\x9A"
        "198.51.100.7  \xE6\x9D\xA5\xE8\x87\xAA\xE4\xBA\x8E\xEF\xBC\x9A\xE4\xB8\xAD\xE5\x9B\xBD\n";
    const Text gbkPage = "您的IP：198.51.100.8，来自北京";
    const Text fullAddress = Page(1400, {{1245, "255.255.255.255"}});
    const Text shortAddress = Page(1300, {{1245, "203.0.113.5 from here"}});
    const Text clipped = Page(1244) + "203.0.113.5";
    const Text otherText = Page(1400, {{100, "192.0.2.44"}, {1245, "not an address"}});
    const Text bothPlaces = Page(1400, {{100, "192.0.2.44"}, {1245, "203.0.113.5"}});
    const Text digitBefore = Page(1400, {{1242, "IP12.0.113.5"}});
    const Text dottedRun = Page(1400, {{1245, "1.2.3.4.5 or 198.51.100.9"}});
    // 中 (D6 D0) at bytes 1244-1245: the field starts on its second byte.
    const Text cutCharacter = Page(1300, {{1244,
                                           "\xD6\xD0"
                                           "1.2.3.4"}});
    const Text zeroLater = Text("IP 10.1.2.3") + '\0' + Page(1400, {{1245, "203.0.113.5"}});
    const std::string zeroFirst = std::string(1, '\0') + Page(1400, {{1245, "203.0.113.5"}});

    return {
        {"address_of_15_bytes_at_1245", fullAddress, fullAddress, "255.255.255.255" + Filler(31), "255.255.255.255_",
         "255.255.255.255", true},
        {"shorter_address_at_1245", shortAddress, shortAddress, "203.0.113.5 from here" + Filler(25),
         "203.0.113.5 from", "203.0.113.5", true},
        {"field_clipped_at_the_end", clipped, clipped, "203.0.113.5", "203.0.113.5", "203.0.113.5", true},
        {"page_of_1244_bytes", Page(1244, {{10, "10.0.0.7"}}), Page(1244, {{10, "10.0.0.7"}}), "", "", "10.0.0.7",
         true},
        {"short_utf8_page", utf8Page, utf8Page, "", "", "198.51.100.7", true},
        {"short_gbk_page", gbkPage, gbkPage, "", "", "198.51.100.8", true},
        {"short_page_without_address", "<html>hello</html>", "<html>hello</html>", "", "", "", true},
        {"other_text_at_1245", otherText, otherText, "not an address" + Filler(32), "not an address__", "192.0.2.44",
         true},
        {"address_at_1245_wins", bothPlaces, bothPlaces, "203.0.113.5" + Filler(35), "203.0.113.5_____", "203.0.113.5",
         true},
        {"digit_just_before_1245", digitBefore, digitBefore, "2.0.113.5" + Filler(37), "2.0.113.5_______", "12.0.113.5",
         true},
        {"dotted_run_at_1245", dottedRun, dottedRun, "1.2.3.4.5 or 198.51.100.9" + Filler(21), "1.2.3.4.5 or 198",
         "198.51.100.9", true},
        {"field_cuts_a_double_byte_character", cutCharacter, cutCharacter,
         "\xD0"
         "1.2.3.4" +
             Filler(38),
         "\xD0"
         "1.2.3.4" +
             Filler(8),
         "1.2.3.4", true},
        {"zero_byte_ends_the_page", zeroLater, "IP 10.1.2.3", "", "", "10.1.2.3", true},
        {"zero_byte_first", zeroFirst, "", "", "", kNotDetected, false},
        {"empty_page", "", "", "", "", kNotDetected, false},
    };
}

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class CheckConnectivityPageTest : public testing::TestWithParam<PageCase> {};

TEST_P(CheckConnectivityPageTest, StateLabelsAndVerdict) {
    const PageCase& c = GetParam();
    FakeWorld world;
    world.system.hostName = "office-pc";
    world.system.hostAddresses["office-pc"] = "192.168.1.100";
    world.system.page = c.page;
    world.controls.SetCaption(ControlId::标签2, "stale");

    CheckConnectivity(world.context);

    EXPECT_EQ(world.state.pageText, c.pageText);
    EXPECT_EQ(world.state.addressField, c.addressField);
    EXPECT_EQ(world.state.publicAddress, c.publicAddress);
    EXPECT_EQ(world.controls.Caption(ControlId::标签2), c.label2);
    EXPECT_EQ(world.controls.Caption(ControlId::标签4), "192.168.1.100");
    EXPECT_EQ(world.controls.Caption(ControlId::标签5), c.connected ? kCongratulations : kSorry);
    EXPECT_EQ(world.controls.Caption(ControlId::主窗口), kProduct);
    ASSERT_EQ(world.system.urls.size(), 1u);
    EXPECT_EQ(world.system.urls[0], kPublicIpPageUrl);
}

INSTANTIATE_TEST_SUITE_P(Pages, CheckConnectivityPageTest, testing::ValuesIn(PageCases()),
                         [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

// Records the system calls in the controls' log, so that the whole order of
// events can be read from one list.
class OrderedSystem : public FakeSystemServices {
public:
    explicit OrderedSystem(std::vector<std::string>& log) : shared_(log) {}
    Text GetLocalHostName() override {
        shared_.push_back("hostname");
        return FakeSystemServices::GetLocalHostName();
    }
    Text ResolveHostName(const Text& name) override {
        shared_.push_back("resolve " + name);
        return FakeSystemServices::ResolveHostName(name);
    }
    std::string HttpGet(const Text& url) override {
        shared_.push_back("http " + url);
        return FakeSystemServices::HttpGet(url);
    }

private:
    std::vector<std::string>& shared_;
};

struct OrderCase {
    const char* name;
    std::string page;
    std::vector<std::string> expected;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class CheckConnectivityOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(CheckConnectivityOrderTest, CaptionFirstVerdictLast) {
    const OrderCase& c = GetParam();
    FakeControls controls;
    OrderedSystem system(controls.log);
    FakeWindowSystem windows;
    ProgramState state;
    CommandContext context{controls, system, windows, state};
    system.hostName = "office-pc";
    system.hostAddresses["office-pc"] = "192.168.1.100";
    system.page = c.page;

    CheckConnectivity(context);

    EXPECT_EQ(controls.log, c.expected);
}

const std::string kUrl = kPublicIpPageUrl;

INSTANTIATE_TEST_SUITE_P(
    Order, CheckConnectivityOrderTest,
    testing::Values(OrderCase{"connected",
                              Page(1300, {{1245, "203.0.113.5"}}),
                              {std::string("caption window ") + kBusy, std::string("caption label2 ") + kNotDetected,
                               "hostname", "resolve office-pc", "caption label4 192.168.1.100", "http " + kUrl,
                               "caption label2 203.0.113.5", std::string("caption window ") + kProduct,
                               std::string("caption label5 ") + kCongratulations}},
                    OrderCase{"nothing_came",
                              "",
                              {std::string("caption window ") + kBusy, std::string("caption label2 ") + kNotDetected,
                               "hostname", "resolve office-pc", "caption label4 192.168.1.100", "http " + kUrl,
                               std::string("caption window ") + kProduct, std::string("caption label5 ") + kSorry}}),
    [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

struct HostCase {
    const char* name;
    Text hostName;  // empty: the name could not be read
    std::map<Text, Text> addresses;
    Text label4;
};

void PrintTo(const HostCase& c, std::ostream* os) { *os << c.name; }

class CheckConnectivityHostTest : public testing::TestWithParam<HostCase> {};

TEST_P(CheckConnectivityHostTest, LanAddressNeverChangesTheVerdict) {
    const HostCase& c = GetParam();
    FakeWorld world;
    world.system.hostName = c.hostName;
    world.system.hostAddresses = c.addresses;
    world.system.page = "ok";
    world.controls.SetCaption(ControlId::标签4, "10.9.9.9");

    CheckConnectivity(world.context);

    ASSERT_EQ(world.system.resolved.size(), 1u);
    EXPECT_EQ(world.system.resolved[0], c.hostName);
    EXPECT_EQ(world.controls.Caption(ControlId::标签4), c.label4);
    EXPECT_EQ(world.controls.Caption(ControlId::标签5), kCongratulations);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, CheckConnectivityHostTest,
    testing::Values(
        HostCase{"resolved", "office-pc", {{"office-pc", "192.168.1.100"}, {"", "10.0.0.1"}}, "192.168.1.100"},
        HostCase{"unreadable_name_looked_up_as_empty", "", {{"", "10.0.0.1"}}, "10.0.0.1"},
        HostCase{"lookup_fails", "office-pc", {}, ""}, HostCase{"both_fail", "", {}, ""}),
    [](const testing::TestParamInfo<HostCase>& info) { return info.param.name; });

TEST(CheckConnectivityTest, EachCheckReplacesThePreviousState) {
    FakeWorld world;
    world.system.page = Page(1400, {{1245, "203.0.113.5 first"}});
    CheckConnectivity(world.context);
    ASSERT_EQ(world.state.publicAddress, "203.0.113.5 firs");

    const Text second = Page(1300, {{200, "192.0.2.1"}, {1245, "198.51.100.20"}});
    world.system.page = second;
    CheckConnectivity(world.context);
    EXPECT_EQ(world.state.pageText, second);
    EXPECT_EQ(world.state.addressField, "198.51.100.20" + Filler(33));
    EXPECT_EQ(world.state.publicAddress, "198.51.100.20___");
    EXPECT_EQ(world.controls.Caption(ControlId::标签2), "198.51.100.20");

    // Nothing came: the page text and the field are emptied, and the public
    // address is written only for a page that came back, so it stays.
    world.system.page.clear();
    CheckConnectivity(world.context);
    EXPECT_EQ(world.state.pageText, "");
    EXPECT_EQ(world.state.addressField, "");
    EXPECT_EQ(world.state.publicAddress, "198.51.100.20___");
    EXPECT_EQ(world.controls.Caption(ControlId::标签2), kNotDetected);
    EXPECT_EQ(world.controls.Caption(ControlId::标签5), kSorry);
    EXPECT_EQ(world.system.urls.size(), 3u);
}

}  // namespace
}  // namespace ruvelka
