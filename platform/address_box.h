// What an IPv4 address box shows for a Text written into it, and what it gives
// back when read. The Win32 control and the test fake both follow these rules.
#pragma once

#include <array>

#include "platform/text.h"

namespace ruvelka {

// Four fields; a field is either blank or holds 0..255.
struct AddressFields {
    std::array<int, 4> value{{0, 0, 0, 0}};
    std::array<bool, 4> blank{{true, true, true, true}};

    bool AllBlank() const { return blank[0] && blank[1] && blank[2] && blank[3]; }
};

// Writing a Text: empty blanks every field. Otherwise the text is trimmed,
// split at its first three dots (the fourth field is the rest), each field read
// as atoi reads it; four values in 0..255 are shown, anything else blanks all.
AddressFields AddressFieldsFromText(const Text& text);

// Reading: the empty Text when every field is blank, else "%d.%d.%d.%d" with a
// blank field counting as 0.
Text AddressTextFromFields(const AddressFields& fields);

// Reads a decimal integer the way atoi does (leading white space, optional
// sign, digits up to the first other byte). Values beyond the int range are
// clamped instead of overflowing, which keeps them out of 0..255.
long long ReadLeadingInteger(const Text& field);

}  // namespace ruvelka
