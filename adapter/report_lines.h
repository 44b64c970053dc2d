// The lines of an `ipconfig /all` report and what each of them holds: adapter
// headings, field lines ("   label . . . : value") and the continuation lines
// that carry a field's further values. Everything works on the console's bytes
// (GBK on a Chinese system) and never looks inside a double-byte character.
#pragma once

#include <vector>

#include "platform/text.h"

namespace ruvelka {

// The report cut at its line feeds; a carriage return before the line feed is
// dropped, and the last line counts even without a line end.
std::vector<Text> SplitReportLines(const Text& report);

// A heading names an adapter (or the report itself): a line that holds
// something and does not begin with a blank.
bool IsHeadingLine(const Text& line);

// Label and value of a field line: three blanks, the label, a dot leader, then
// " : " and the value, or ":" at the line end and no value.
struct FieldLine {
    Text label;  // without the blanks before it and without its dot leader
    Text value;  // the rest of the line after " : ", as printed
};

// True, with the label and value filled in, for a field line.
bool ReadFieldLine(const Text& line, FieldLine* field);

// A further value of the field above: blanks, then one value, no label.
bool IsContinuationLine(const Text& line);

// The line without the blanks at its ends.
Text TrimBlanks(const Text& line);

// True when the two Texts are equal with ASCII letters folded; the bytes of a
// double-byte character are compared as they are.
bool SameIgnoringAsciiCase(const Text& a, const Text& b);

// True when line begins with prefix, compared as SameIgnoringAsciiCase does.
bool StartsWithIgnoringAsciiCase(const Text& line, const Text& prefix);

// True when the value begins (after blanks) with a dotted IPv4 address: four
// numbers 0..255 whose last is not followed by a digit or a dot. A suffix such
// as "(Preferred)" may follow.
bool HoldsIpv4Address(const Text& value);

// value itself when it holds an IPv4 address; otherwise the first of the
// continuation lines that start at lines[first] which holds one, without its
// blanks; value itself when none does.
Text PreferIpv4(const Text& value, const std::vector<Text>& lines, std::size_t first);

}  // namespace ruvelka
