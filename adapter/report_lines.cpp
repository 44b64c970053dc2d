#include "adapter/report_lines.h"

namespace ruvelka {

namespace {

const char kSeparator[] = " : ";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Compares n bytes of a and b from the start, character by character.
bool SamePrefixIgnoringAsciiCase(const Text& a, const Text& b, std::size_t n) {
    std::size_t i = 0;
    while (i < n) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(x)) {
            // Both bytes of a double-byte character must match exactly: its
            // second byte may look like an ASCII letter, but it is not one.
            if (x != y) return false;
            if (i + 1 < n && a[i + 1] != b[i + 1]) return false;
            i += 2;
        } else {
            if (FoldAscii(x) != FoldAscii(y)) return false;
            ++i;
        }
    }
    return true;
}

Text WithoutTrailingLeader(const Text& labelPart) {
    std::size_t begin = 0;
    while (begin < labelPart.size() && IsBlank(labelPart[begin])) ++begin;
    std::size_t end = labelPart.size();
    // Neither a blank nor a dot can be the second byte of a GBK character, so
    // stripping from the right never cuts one in half.
    while (end > begin && (IsBlank(labelPart[end - 1]) || labelPart[end - 1] == '.')) --end;
    return labelPart.substr(begin, end - begin);
}

}  // namespace

std::vector<Text> SplitReportLines(const Text& report) {
    std::vector<Text> lines;
    std::size_t begin = 0;
    while (begin < report.size()) {
        // CR LF ends a line, and so does a CR or LF on its own: no line may
        // hold a line break. Neither byte is ever the second byte of a GBK
        // character.
        std::size_t end = report.find_first_of("\r\n", begin);
        lines.push_back(report.substr(begin, (end == Text::npos ? report.size() : end) - begin));
        if (end == Text::npos) break;
        begin = end + ((report[end] == '\r' && end + 1 < report.size() && report[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

bool IsHeadingLine(const Text& line) { return !line.empty() && !IsBlank(line[0]); }

Text TrimBlanks(const Text& line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && IsBlank(line[begin])) ++begin;
    while (end > begin && IsBlank(line[end - 1])) --end;
    return line.substr(begin, end - begin);
}

bool ReadFieldLine(const Text& line, FieldLine* field) {
    if (line.empty() || !IsBlank(line[0])) return false;
    Text labelPart;
    Text value;
    long long separator = FindText(line, kSeparator);
    if (separator > 0) {
        labelPart = LeftPart(line, separator - 1);
        value = line.substr(static_cast<std::size_t>(separator - 1) + (sizeof kSeparator - 1));
    } else {
        // No value: the line ends in the colon after the leader. An IPv6
        // value such as "2001:db8::" ends in a colon too, but never after a
        // blank or a dot.
        Text trimmed = line;
        while (!trimmed.empty() && IsBlank(trimmed.back())) trimmed.pop_back();
        std::size_t n = trimmed.size();
        if (n < 2 || trimmed[n - 1] != ':' || !(IsBlank(trimmed[n - 2]) || trimmed[n - 2] == '.')) return false;
        labelPart = trimmed.substr(0, n - 1);
    }
    Text label = WithoutTrailingLeader(labelPart);
    if (label.empty()) return false;
    field->label = label;
    field->value = value;
    return true;
}

bool IsContinuationLine(const Text& line) {
    FieldLine ignored;
    return !line.empty() && IsBlank(line[0]) && !TrimBlanks(line).empty() && !ReadFieldLine(line, &ignored);
}

bool SameIgnoringAsciiCase(const Text& a, const Text& b) {
    return a.size() == b.size() && SamePrefixIgnoringAsciiCase(a, b, a.size());
}

bool StartsWithIgnoringAsciiCase(const Text& line, const Text& prefix) {
    return line.size() >= prefix.size() && SamePrefixIgnoringAsciiCase(line, prefix, prefix.size());
}

bool HoldsIpv4Address(const Text& value) {
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i])) ++i;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (i >= value.size() || value[i] != '.') return false;
            ++i;
        }
        int number = 0;
        std::size_t digits = 0;
        while (i < value.size() && IsDigit(value[i]) && digits < 4) {
            number = number * 10 + (value[i] - '0');
            ++digits;
            ++i;
        }
        if (digits == 0 || digits > 3 || number > 255) return false;
    }
    return i >= value.size() || !(IsDigit(value[i]) || value[i] == '.');
}

Text PreferIpv4(const Text& value, const std::vector<Text>& lines, std::size_t first) {
    if (HoldsIpv4Address(value)) return value;
    for (std::size_t i = first; i < lines.size() && IsContinuationLine(lines[i]); ++i) {
        if (HoldsIpv4Address(lines[i])) return TrimBlanks(lines[i]);
    }
    return value;
}

}  // namespace ruvelka
