#include "store/IniFile.h"

#include "store/Files.h"

namespace store {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The section name of a header line, or nothing.
std::optional<std::string_view> HeaderName(std::string_view line) {
    const std::string_view text = Trimmed(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trimmed(text.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    const std::string_view text = Trimmed(line);
    return !text.empty() && (text.front() == ';' || text.front() == '#');
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> KeyOf(std::string_view line) {
    if (IsComment(line) || HeaderName(line)) return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trimmed(line.substr(0, equals));
}

std::string ValueOf(std::string_view line) {
    std::string_view value = Trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// The value as written after "=": quoted when reading would otherwise change it.
std::string Encoded(std::string_view value) {
    // A line break would end the line and start another: the value stops there.
    value = value.substr(0, value.find_first_of("\r\n"));
    const bool quote = (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) ||
                       (value.size() >= 2 && value.front() == '"' && value.back() == '"');
    return quote ? "\"" + std::string(value) + "\"" : std::string(value);
}

} // namespace

IniFile IniFile::Load(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return IniFile();
    return Parse(bytes);
}

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile file;
    while (!bytes.empty()) {
        const auto nl = bytes.find('\n');
        if (nl == std::string_view::npos) {
            // A last line whose LF was lost still ends at its CR, as a data file's line does.
            const bool cr = bytes.back() == '\r';
            file.lines_.push_back({std::string(bytes.substr(0, bytes.size() - (cr ? 1 : 0))),
                                   cr ? "\r" : ""});
            break;
        }
        const bool cr = nl > 0 && bytes[nl - 1] == '\r';
        file.lines_.push_back({std::string(bytes.substr(0, cr ? nl - 1 : nl)), cr ? "\r\n" : "\n"});
        bytes.remove_prefix(nl + 1);
    }
    return file;
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = HeaderName(lines_[i].text); name && SameName(*name, section))
            return i;
    return std::string::npos;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size() && !HeaderName(lines_[i].text); ++i)
        if (const auto k = KeyOf(lines_[i].text); k && SameName(*k, key)) return i;
    return std::string::npos;
}

std::string IniFile::newLineEnd() const {
    for (const Line& line : lines_)
        if (line.end.find('\n') != std::string::npos) return line.end;
    return "\r\n";
}

// A line followed by a new one needs an end that readers take as one: a bare CR is not.
void IniFile::endLineBeforeNew(Line& line, const std::string& end) {
    if (line.end.find('\n') == std::string::npos) line.end = end;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(section);
    if (header == std::string::npos) return std::nullopt;
    const std::size_t at = findKey(header, key);
    if (at == std::string::npos) return std::nullopt;
    return ValueOf(lines_[at].text);
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string end = newLineEnd();
    const std::string encoded = Encoded(value);
    const std::size_t header = findSection(section);
    if (header != std::string::npos) {
        const std::size_t at = findKey(header, key);
        if (at != std::string::npos) {
            if (ValueOf(lines_[at].text) == ValueOf("=" + encoded)) return;
            Line& line = lines_[at];
            line.text = std::string(*KeyOf(line.text)) + "=" + encoded;
            changed_ = true;
            return;
        }
        // After the last line of the section that is not blank, so that the blank lines
        // separating it from the next one stay where they are.
        std::size_t last = header;
        for (std::size_t i = header + 1; i < lines_.size() && !HeaderName(lines_[i].text); ++i)
            if (!Trimmed(lines_[i].text).empty()) last = i;
        endLineBeforeNew(lines_[last], end);
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                      {std::string(key) + "=" + encoded, end});
        changed_ = true;
        return;
    }
    if (!lines_.empty()) endLineBeforeNew(lines_.back(), end);
    lines_.push_back({"[" + std::string(section) + "]", end});
    lines_.push_back({std::string(key) + "=" + encoded, end});
    changed_ = true;
}

std::string IniFile::bytes() const {
    std::string result;
    for (const Line& line : lines_)
        result += line.text + line.end;
    return result;
}

void IniFile::save(const std::string& path) {
    SafeFileWriter out(path);
    out.write(bytes());
    out.commit();
    changed_ = false;
}

} // namespace store
