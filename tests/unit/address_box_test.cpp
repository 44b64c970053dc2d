#include "platform/address_box.h"

#include <gtest/gtest.h>

namespace ruvelka {
namespace {

struct WriteCase {
    const char* name;
    Text written;
    Text readBack;  // what the box gives back afterwards; "" is a blank box
};

class AddressWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(AddressWriteTest, ShowsWhatTheRulesAllow) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(AddressTextFromFields(AddressFieldsFromText(c.written)), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    AddressBox, AddressWriteTest,
    testing::Values(WriteCase{"plain", "192.168.1.100", "192.168.1.100"},
                    WriteCase{"preferred_suffix", "192.168.1.100(Preferred)", "192.168.1.100"},
                    WriteCase{"chinese_suffix", "192.168.10.220(\xCA\xD7\xD1\xA1)", "192.168.10.220"},
                    WriteCase{"five_fields", "1.2.3.4.5", "1.2.3.4"},
                    WriteCase{"letters_read_as_zero", "a.b.c.d", "0.0.0.0"},
                    WriteCase{"three_fields", "1.2.3", ""},
                    WriteCase{"out_of_range", "256.1.1.1", ""},
                    WriteCase{"negative", "1.-2.3.4", ""},
                    WriteCase{"minus_zero", "-0.1.2.3", "0.1.2.3"},
                    WriteCase{"plus_sign", "+1.2.3.+4", "1.2.3.4"},
                    WriteCase{"blanks_around", " \t192.168.1.1\r\n", "192.168.1.1"},
                    WriteCase{"blanks_inside_fields", "1 . 2. 3 .4", "1.2.3.4"},
                    WriteCase{"empty_fields_are_zero", "...", "0.0.0.0"},
                    WriteCase{"huge_field_is_out_of_range", "99999999999999999999999.1.1.1", ""},
                    WriteCase{"wraps_to_small_if_overflowing", "4294967297.1.1.1", ""},
                    WriteCase{"leading_zeros", "010.001.000.255", "10.1.0.255"},
                    WriteCase{"only_blanks", "   ", ""},
                    WriteCase{"empty", "", ""},
                    WriteCase{"zero_address", "0.0.0.0", "0.0.0.0"},
                    WriteCase{"ipv6", "fe80::1%6", ""}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(AddressReadTest, BlankFieldsCountAsZeroUnlessAllAreBlank) {
    AddressFields fields;
    EXPECT_EQ(AddressTextFromFields(fields), "");
    fields.value = {{10, 0, 0, 1}};
    fields.blank = {{false, false, false, true}};
    EXPECT_EQ(AddressTextFromFields(fields), "10.0.0.0");
    fields.blank = {{true, true, true, false}};
    EXPECT_EQ(AddressTextFromFields(fields), "0.0.0.1");
}

TEST(ReadLeadingIntegerTest, ReadsLikeAtoiWithoutOverflow) {
    EXPECT_EQ(ReadLeadingInteger("  42abc"), 42);
    EXPECT_EQ(ReadLeadingInteger("-7"), -7);
    EXPECT_EQ(ReadLeadingInteger("x1"), 0);
    EXPECT_EQ(ReadLeadingInteger("+-1"), 0);
    EXPECT_GT(ReadLeadingInteger("18446744073709551617"), 255);
    EXPECT_LT(ReadLeadingInteger("-18446744073709551617"), 0);
}

}  // namespace
}  // namespace ruvelka
