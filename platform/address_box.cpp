#include "platform/address_box.h"

#include <cstdio>

namespace ruvelka {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

Text Trim(const Text& t) {
    std::size_t b = 0;
    std::size_t e = t.size();
    while (b < e && IsSpace(t[b])) ++b;
    while (e > b && IsSpace(t[e - 1])) --e;
    return t.substr(b, e - b);
}

}  // namespace

long long ReadLeadingInteger(const Text& field) {
    const long long kLimit = 2147483648LL;  // one past INT_MAX: out of any field's range
    std::size_t i = 0;
    while (i < field.size() && IsSpace(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    return negative ? -value : value;
}

AddressFields AddressFieldsFromText(const Text& text) {
    AddressFields blank;
    if (text.empty()) return blank;
    Text t = Trim(text);
    AddressFields shown;
    std::size_t from = 0;
    for (int f = 0; f < 4; ++f) {
        Text part;
        if (f < 3) {
            std::size_t dot = t.find('.', from);
            if (dot == Text::npos) return blank;
            part = t.substr(from, dot - from);
            from = dot + 1;
        } else {
            part = t.substr(from);
        }
        long long v = ReadLeadingInteger(Trim(part));
        if (v < 0 || v > 255) return blank;
        shown.value[f] = static_cast<int>(v);
        shown.blank[f] = false;
    }
    return shown;
}

Text AddressTextFromFields(const AddressFields& fields) {
    if (fields.AllBlank()) return Text();
    int v[4];
    for (int f = 0; f < 4; ++f) v[f] = fields.blank[f] ? 0 : fields.value[f];
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", v[0], v[1], v[2], v[3]);
    return buffer;
}

}  // namespace ruvelka
