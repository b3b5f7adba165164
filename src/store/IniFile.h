// A profile file of sections and "key=value" lines, read whole, changed in memory and
// written back through the safe writer. Lines the program does not know (comments, other keys
// and sections, blank lines) keep their bytes and their place; a changed key keeps its line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class IniFile {
public:
    // An empty profile when the file does not exist; an IoError when it exists but cannot be
    // read.
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view bytes);

    // Sections and keys are found without regard to ASCII case, as profile files are; the first
    // of duplicated keys wins. Blanks around the value are dropped, then one pair of enclosing
    // double quotes.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Sets the value, replacing the key's line or adding one at the end of its section (the
    // section at the end of the file when it is new). Setting the value it already has is no
    // change.
    void set(std::string_view section, std::string_view key, std::string_view value);

    bool changed() const { return changed_; }
    std::string bytes() const;
    // Replaces the file with the content, atomically; an IoError leaves the old file whole.
    void save(const std::string& path);

private:
    struct Line {
        std::string text;
        std::string end; // "\r\n", "\n", or "" for a last line without one
    };
    // Index of the header line of `section`, or npos.
    std::size_t findSection(std::string_view section) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;
    std::string newLineEnd() const;
    static void endLineBeforeNew(Line& line, const std::string& end);

    std::vector<Line> lines_;
    bool changed_ = false;
};

} // namespace store
