#include "store/Text.h"

#include <limits>

namespace store {

std::string PadText(std::string_view text, int width) {
    if (width <= 0) return {};
    std::string result(text.substr(0, static_cast<std::size_t>(width)));
    result.resize(static_cast<std::size_t>(width), ' ');
    return result;
}

std::string Blanks(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string(); }

std::string RightTrim(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ') ++begin;
    return RightTrim(text.substr(begin));
}

std::string UpperAZ(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t count) {
    if (first == 0 || first > line.size()) return {};
    return line.substr(first - 1, count);
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int TwoDigits(std::string_view s, std::size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); }
} // namespace

bool IsValidDate(std::string_view text) {
    if (text.size() != 10) return false;
    for (std::size_t i = 0; i < 10; ++i) {
        if (i == 2 || i == 5) {
            if (text[i] != '/' && text[i] != '-') return false;
        } else if (!IsDigit(text[i])) {
            return false;
        }
    }
    const int day = TwoDigits(text, 0);
    const int month = TwoDigits(text, 3);
    const int year = TwoDigits(text, 6) * 100 + TwoDigits(text, 8);
    // A day or month of 00 names no date.
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1000) return false;
    int length = 31;
    switch (month) {
    case 4: case 6: case 9: case 11: length = 30; break;
    case 2: length = year % 4 == 0 ? 29 : 28; break;
    default: break;
    }
    return day <= length;
}

std::string DateKey(std::string_view date) {
    const std::string d = PadText(date, 10);
    return d.substr(6, 4) + d.substr(3, 2) + d.substr(0, 2);
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

bool ParseWholeNumber(std::string_view text, long& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    long result = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
        if (result > (std::numeric_limits<long>::max() - 9) / 10) return false;
        result = result * 10 + (text[i] - '0');
    }
    value = negative ? -result : result;
    return true;
}

} // namespace store

namespace store {

namespace {
// Code points 0x80-0x9F of code page 1252 (0 where the code page has no character).
constexpr char32_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

std::string Cp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = c;
        std::size_t len = 1;
        if (c >= 0xF0) { cp = c & 0x07; len = 4; }
        else if (c >= 0xE0) { cp = c & 0x0F; len = 3; }
        else if (c >= 0xC0) { cp = c & 0x1F; len = 2; }
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == cp && cp != 0) mapped = static_cast<char>(0x80 + k);
        out.push_back(mapped);
    }
    return out;
}

} // namespace store
