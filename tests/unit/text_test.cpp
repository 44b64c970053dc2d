#include "platform/text.h"

#include <gtest/gtest.h>

namespace ruvelka {
namespace {

// "中文" in GBK is D6 D0 CE C4; "中" alone is D6 D0.
const Text kChinese = "\xD6\xD0\xCE\xC4";

struct SliceCase {
    const char* name;
    Text text;
    long long start;
    long long count;
    Text left;    // LeftPart(text, count)
    Text middle;  // MiddlePart(text, start, count)
};

class SliceTest : public testing::TestWithParam<SliceCase> {};

TEST_P(SliceTest, LeftAndMiddleParts) {
    const SliceCase& c = GetParam();
    EXPECT_EQ(LeftPart(c.text, c.count), c.left);
    EXPECT_EQ(MiddlePart(c.text, c.start, c.count), c.middle);
}

INSTANTIATE_TEST_SUITE_P(
    Text, SliceTest,
    testing::Values(SliceCase{"inside", "abcdef", 2, 3, "abc", "bcd"},
                    SliceCase{"clipped_at_end", "abcdef", 5, 46, "abcdef", "ef"},
                    SliceCase{"start_is_last_byte", "abcdef", 6, 1, "a", "f"},
                    SliceCase{"start_beyond_end", "abcdef", 7, 1, "a", ""},
                    SliceCase{"start_zero", "abcdef", 0, 2, "ab", ""},
                    SliceCase{"start_negative", "abcdef", -3, 2, "ab", ""},
                    SliceCase{"count_zero", "abcdef", 1, 0, "", ""},
                    SliceCase{"count_negative", "abcdef", 1, -1, "", ""},
                    SliceCase{"empty_text", "", 1, 5, "", ""},
                    SliceCase{"cuts_double_byte_character", kChinese, 2, 2, "\xD6\xD0", "\xD0\xCE"}),
    [](const testing::TestParamInfo<SliceCase>& info) { return info.param.name; });

struct FindCase {
    const char* name;
    Text text;
    Text needle;
    long long start;
    bool ignoreCase;
    long long expected;
};

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, Position) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindText(c.text, c.needle, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FindTest,
    testing::Values(
        FindCase{"first_byte", "abcabc", "abc", 1, false, 1},
        FindCase{"from_start", "abcabc", "abc", 2, false, 4},
        FindCase{"start_below_one_means_one", "abcabc", "abc", -5, false, 1},
        FindCase{"start_beyond_end", "abcabc", "c", 7, false, -1},
        FindCase{"start_far_beyond_end", "abc", "c", 1000, false, -1},
        FindCase{"absent", "abcabc", "x", 1, false, -1},
        FindCase{"needle_longer_than_text", "ab", "abc", 1, false, -1},
        FindCase{"case_sensitive_misses", "ABC", "abc", 1, false, -1},
        FindCase{"case_folded", "xxABC", "abc", 1, true, 3},
        FindCase{"position_counts_from_beginning", "a:b:c", ":", 3, false, 4},
        // "中文" followed by "Z": the needle D0 CE would match across the two
        // characters, but it would begin on the first character's second byte.
        FindCase{"no_match_on_trailing_byte", kChinese + "Z", "\xD0\xCE", 1, false, -1},
        FindCase{"match_after_double_byte", kChinese + ":", ":", 1, false, 5},
        FindCase{"double_byte_needle", "ab" + kChinese, "\xCE\xC4", 1, false, 5},
        // Folding leaves bytes of 0x80 and above alone: 0xC1 is not 0xE1.
        FindCase{"folding_ignores_high_bytes", "\xC1\xA1", "\xE1\xA1", 1, true, -1},
        FindCase{"folding_with_double_byte_around", kChinese + "Ethernet", "ETHERNET", 1, true, 5}),
    [](const testing::TestParamInfo<FindCase>& info) { return info.param.name; });

TEST(BytesToTextTest, StopsAtFirstZeroByte) {
    EXPECT_EQ(BytesToText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(BytesToText(std::string("abcd")), "abcd");
    EXPECT_EQ(BytesToText(std::string("\0abc", 4)), "");
    EXPECT_EQ(BytesToText(nullptr, 3), "");
}

}  // namespace
}  // namespace ruvelka
