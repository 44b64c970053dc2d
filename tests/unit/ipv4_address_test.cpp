#include "netcheck/ipv4_address.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ruvelka {
namespace {

struct FirstCase {
    const char* name;
    Text text;
    Text expected;
};

void PrintTo(const FirstCase& c, std::ostream* os) { *os << c.name; }

class FirstIpv4AddressTest : public testing::TestWithParam<FirstCase> {};

TEST_P(FirstIpv4AddressTest, Finds) {
    const FirstCase& c = GetParam();
    EXPECT_EQ(FirstIpv4Address(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ipv4, FirstIpv4AddressTest,
    testing::Values(FirstCase{"whole_text", "203.0.113.5", "203.0.113.5"},
                    FirstCase{"sentence_ending_in_a_dot", "Your IP is 203.0.113.5.", "203.0.113.5"},
                    // The full-width colon is EF BC 9A in UTF-8 and A3 BA in GBK; stepping
                    // over double-byte characters would swallow the first digit.
                    FirstCase{"after_utf8_full_width_colon",
                              "IP\xEF\xBC\x9A"
                              "198.51.100.7 ok",
                              "198.51.100.7"},
                    FirstCase{"after_gbk_full_width_colon",
                              "IP\xA3\xBA"
                              "198.51.100.8",
                              "198.51.100.8"},
                    FirstCase{"highest_and_lowest", "255.255.255.255 0.0.0.0", "255.255.255.255"},
                    FirstCase{"zeros", "<b>0.0.0.0</b>", "0.0.0.0"},
                    FirstCase{"number_above_255_skipped", "1.2.3.256 then 9.8.7.6", "9.8.7.6"},
                    FirstCase{"four_digit_number_skipped", "1.2.3.2555 then 9.8.7.6", "9.8.7.6"},
                    FirstCase{"leading_zero_skipped", "01.2.3.4 1.2.3.04 then 9.8.7.6", "9.8.7.6"},
                    FirstCase{"version_number_skipped", "v1.2.3.4.5 then 6.7.8.9", "6.7.8.9"},
                    FirstCase{"digits_before_skipped", "1234.5.6.7", ""}, FirstCase{"three_numbers", "1.2.3", ""},
                    FirstCase{"dot_without_fourth_number", "1.2.3.", ""},
                    FirstCase{"first_of_two", "a 10.0.0.1 b 10.0.0.2", "10.0.0.1"}, FirstCase{"empty", "", ""}),
    [](const testing::TestParamInfo<FirstCase>& info) { return info.param.name; });

struct AtCase {
    const char* name;
    Text text;
    long long position;
    Text expected;
};

void PrintTo(const AtCase& c, std::ostream* os) { *os << c.name; }

class Ipv4AddressAtTest : public testing::TestWithParam<AtCase> {};

TEST_P(Ipv4AddressAtTest, StartsThere) {
    const AtCase& c = GetParam();
    EXPECT_EQ(Ipv4AddressAt(c.text, c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ipv4, Ipv4AddressAtTest,
                         testing::Values(AtCase{"starts_there", "xx203.0.113.5yy", 3, "203.0.113.5"},
                                         AtCase{"inside_a_longer_number", "xx203.0.113.5yy", 4, ""},
                                         AtCase{"one_byte_early", "xx203.0.113.5yy", 2, ""},
                                         AtCase{"part_of_a_dotted_run", "1.2.3.4.5", 3, ""},
                                         AtCase{"position_zero", "1.2.3.4", 0, ""},
                                         AtCase{"beyond_the_end", "1.2.3.4", 8, ""},
                                         AtCase{"runs_to_the_end", "ip=1.2.3.4", 4, "1.2.3.4"}),
                         [](const testing::TestParamInfo<AtCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ruvelka
