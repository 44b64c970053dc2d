#include "router/router_access.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "router/router_address.h"
#include "tests/fakes/fake_system_services.h"

namespace ruvelka {
namespace {

// "路由器地址输入错误！请重新输入！" in GBK.
const char kRefusedMessage[] =
    "\xC2\xB7\xD3\xC9\xC6\xF7\xB5\xD8\xD6\xB7\xCA\xE4\xC8\xEB\xB4\xED\xCE\xF3\xA3\xA1"
    "\xC7\xEB\xD6\xD8\xD0\xC2\xCA\xE4\xC8\xEB\xA3\xA1";

using Log = std::vector<std::string>;

struct AddressCase {
    const char* name;
    Text address;
    bool accepted;
};

void PrintTo(const AddressCase& c, std::ostream* out) { *out << c.name; }

class RouterAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(RouterAddressTest, PingRunsTheAddressOrNothing) {
    const AddressCase& c = GetParam();
    FakeWorld world;
    world.controls.texts[ControlId::网关] = c.address;

    PingRouter(world.context);

    EXPECT_EQ(IsAcceptableRouterAddress(c.address), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(world.system.log, Log({"run cmd /c ping " + c.address}));
        EXPECT_FALSE(world.system.lastWait);
        EXPECT_EQ(world.system.lastShow, WindowShow::Normal);
    } else {
        EXPECT_EQ(world.system.log, Log({std::string("message ") + kRefusedMessage}));
    }
}

TEST_P(RouterAddressTest, AdminPageNavigatesToTheAddressOrDoesNothing) {
    const AddressCase& c = GetParam();
    FakeWorld world;
    world.controls.texts[ControlId::网关] = c.address;

    OpenRouterAdminPage(world.context);

    if (c.accepted) {
        EXPECT_EQ(world.system.log, Log({"create internetexplorer.application", "set visible 1",
                                         "call navigate http://" + c.address, "release"}));
    } else {
        EXPECT_EQ(world.system.log, Log({std::string("message ") + kRefusedMessage}));
    }
}

// Letters are the ASCII letters only: a double-byte character is refused as a
// whole, since its trailing byte may be any ASCII byte (0x81 0x7C ends in '|').
INSTANTIATE_TEST_SUITE_P(
    RouterAccess, RouterAddressTest,
    testing::Values(
        AddressCase{"ipv4", "192.168.1.1", true}, AddressCase{"empty", "", true},
        AddressCase{"port", "192.168.1.1:8080", true}, AddressCase{"host_and_path", "router.lan/admin", true},
        AddressCase{"bracketed_ipv6_with_port", "[fe80::1]:80", true},
        AddressCase{"every_letter_digit_and_sign",
                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.-:/_[]", true},
        AddressCase{"second_command", "192.168.1.1 & del x", false},
        AddressCase{"ampersand_without_blanks", "192.168.1.1&calc", false}, AddressCase{"pipe", "a|b", false},
        AddressCase{"redirection_out", "a>b", false}, AddressCase{"redirection_in", "a<b", false},
        AddressCase{"quote", "\"", false}, AddressCase{"environment_variable", "%PATH%", false},
        AddressCase{"caret", "^", false}, AddressCase{"delayed_expansion", "!x!", false},
        AddressCase{"parentheses", "(a)", false}, AddressCase{"blank", "192.168.1.1 -t", false},
        AddressCase{"only_blanks", "   ", false}, AddressCase{"tab", "192.168.1.1\t", false},
        AddressCase{"newline", "192.168.1.1\nx", false}, AddressCase{"carriage_return", "\r", false},
        AddressCase{"zero_byte", std::string("a\0b", 3), false}, AddressCase{"delete_byte", "a\x7F", false},
        AddressCase{"gbk_name", "\xC2\xB7\xD3\xC9\xC6\xF7", false}, AddressCase{"gbk_trailing_pipe", "\x81\x7C", false},
        AddressCase{"high_byte", "\xFF", false}, AddressCase{"backslash", "a\\b", false},
        AddressCase{"at_sign_before_A", "admin@router", false}, AddressCase{"backtick_before_a", "`", false},
        AddressCase{"brace_after_z", "{", false}, AddressCase{"comma_semicolon_equals", "a,b;c=d", false},
        AddressCase{"query", "router/?a=1", false}),
    [](const testing::TestParamInfo<AddressCase>& info) { return info.param.name; });

TEST(RouterAccessTest, EachClickReadsTheBoxAfresh) {
    FakeWorld world;
    world.controls.texts[ControlId::网关] = "127.0.0.1";
    PingRouter(world.context);
    OpenRouterAdminPage(world.context);
    world.controls.texts[ControlId::网关] = "bad address";
    PingRouter(world.context);
    world.controls.texts[ControlId::网关] = "10.0.0.1";
    PingRouter(world.context);
    OpenRouterAdminPage(world.context);

    EXPECT_EQ(world.system.log,
              Log({"run cmd /c ping 127.0.0.1", "create internetexplorer.application", "set visible 1",
                   "call navigate http://127.0.0.1", "release", std::string("message ") + kRefusedMessage,
                   "run cmd /c ping 10.0.0.1", "create internetexplorer.application", "set visible 1",
                   "call navigate http://10.0.0.1", "release"}));
}

TEST(RouterAccessTest, FailuresAreSilent) {
    FakeWorld world;
    world.controls.texts[ControlId::网关] = "127.0.0.1";
    world.system.automationAvailable = false;
    world.system.commandStarts = false;

    OpenRouterAdminPage(world.context);
    PingRouter(world.context);

    // No object: nothing after the attempt to create one, and no message.
    EXPECT_EQ(world.system.log, Log({"create internetexplorer.application", "run cmd /c ping 127.0.0.1"}));
    EXPECT_TRUE(world.system.messages.empty());
}

TEST(RouterAccessTest, NavigateBrowserPassesTheUrlAsGiven) {
    FakeWorld world;
    NavigateBrowser(world.context, "http://127.0.0.1:8080/a b");
    EXPECT_EQ(world.system.log, Log({"create internetexplorer.application", "set visible 1",
                                     "call navigate http://127.0.0.1:8080/a b", "release"}));
}

}  // namespace
}  // namespace ruvelka
