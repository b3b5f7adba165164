// Text helpers of the data layer. All text is code page 1252, one byte per character.
#pragma once

#include <string>
#include <string_view>

namespace store {

// A fixed-width text: the first `width` characters, padded with blanks.
std::string PadText(std::string_view text, int width);

// A text of n blanks (empty when n <= 0).
std::string Blanks(int n);

std::string RightTrim(std::string_view text);
// Blanks removed on both sides.
std::string Trim(std::string_view text);

// Upper case for the letters a-z only; accented letters stay as they are.
std::string UpperAZ(std::string_view text);

// Characters [first, first + count) counted from 1, clipped to the text (shorter or empty).
std::string_view Columns(std::string_view line, std::size_t first, std::size_t count);

// True for a dd/mm/yyyy date (separators "/" or "-"), every year divisible by 4 a leap year,
// day and month from 01.
bool IsValidDate(std::string_view text);

// The sort key yyyymmdd of a dd/mm/yyyy text; a blank date gives 8 blanks.
std::string DateKey(std::string_view date);

// True when every character is a digit 0-9 (an empty text too).
bool AllDigits(std::string_view text);

// A whole number with optional leading blanks and sign, nothing after the digits.
bool ParseWholeNumber(std::string_view text, long& value);

} // namespace store

namespace store {

// Code page 1252 bytes of a UTF-8 text written in the sources (accented literals stay
// readable there). Characters outside the code page become "?"; only literals go through here.
std::string Cp1252(std::string_view utf8);

} // namespace store
