#pragma once
// What typed fields take. A typed value is never changed behind the user's
// back: a key a number field cannot take is refused with a message, and a
// value outside its range, or a text the data files cannot hold, is refused at
// the confirm button.
#include <string>
#include <string_view>

namespace dudode {

struct TNumberFieldRule {
  int Decimals = 4;
  double Minimum = 0;
  double Maximum = 1e9;
};

// Why the character cannot go in between before and after (the field's text
// without its selection); empty when it can. "." and "," stand for the
// decimal separator.
std::string NumberKeyRefusal(std::string_view before, std::string_view after, char32_t ch,
                             const TNumberFieldRule& rule, std::string_view decimalSeparator);

// Why the text is no value of the field (no number, outside the range, more
// decimals than the field holds): a message naming the range; empty when it is one.
std::string NumberValueRefusal(std::string_view text, const TNumberFieldRule& rule,
                               std::string_view decimalSeparator);

// Why the text cannot be stored as typed: the data files are Windows-1252,
// which would turn the characters named in the message into "?". Empty when
// it can.
std::string UnstorableTextRefusal(std::string_view text);

}  // namespace dudode
