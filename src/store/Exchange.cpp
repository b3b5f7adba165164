#include "store/Exchange.h"

#include <cerrno>
#include <cstdio>
#include <functional>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "store/Rebuild.h"
#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Transaction.h"

namespace store {

namespace {

constexpr std::size_t kCommaSearch = 100;

bool French(DataLanguage language) {
    return language == DataLanguage::French;
}

std::string CommasAsHyphens(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '-';
    return out;
}

std::string LeftTrim(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return std::string(text.substr(i));
}

std::string Cut(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, std::min(text.size(), width)));
}

// The last entry equal to the text, case of a-z aside; null when none is.
const std::string* LastMatch(const std::vector<std::string>& entries, std::string_view text) {
    const std::string* found = nullptr;
    const std::string wanted = UpperAZ(RightTrim(text));
    for (const std::string& entry : entries)
        if (UpperAZ(RightTrim(entry)) == wanted) found = &entry;
    return found;
}

// Walks the fields of a line as the import reads them: each field ends at the first comma
// among the 100 characters from the current column.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : line_(line) {}

    // The next field; false when no comma ends it (the column then stays where it is).
    bool next(std::string& field) {
        start_ = position_;
        const std::string_view window = rest().substr(0, std::min(rest().size(), kCommaSearch));
        const std::size_t comma = window.find(',');
        if (comma == std::string_view::npos) {
            field.clear();
            return false;
        }
        field.assign(window.substr(0, comma));
        position_ += comma + 1;
        return true;
    }

    void skip(std::size_t count) { position_ += count; }
    std::string_view rest() const {
        return position_ - 1 < line_.size() ? line_.substr(position_ - 1) : std::string_view{};
    }
    std::size_t start() const { return start_; }
    std::string_view fromStart(std::size_t count) const {
        return start_ - 1 < line_.size() ? line_.substr(start_ - 1, count) : std::string_view{};
    }

private:
    std::string_view line_;
    std::size_t position_ = 1;
    std::size_t start_ = 1;
};

enum class Failure { Colour, Region, Domaine, Owner, Vintage, Quantity, Price, Date, PeakYear };

std::string FailureText(DataLanguage language, Failure failure) {
    const bool fr = French(language);
    switch (failure) {
    case Failure::Colour:
        return fr ? "Couleur incorrecte" : "Incorrect colour";
    case Failure::Region:
        return fr ? Cp1252("Région incorrecte") : "Incorrect region";
    case Failure::Domaine:
        return fr ? Cp1252("Domaine ou château absent") : "Domaine or chateau not found";
    case Failure::Owner:
        return fr ? Cp1252("Propriétaire absent") : "Owner not found";
    case Failure::Vintage:
        return fr ? Cp1252("Millésime incorrect") : "Incorrect vintage";
    case Failure::Quantity:
        return fr ? Cp1252("Quantité incorrecte") : "Incorrect quantity";
    case Failure::Price:
        return fr ? "Prix incorrect" : "Incorrect price";
    case Failure::Date:
        return fr ? "Date achat incorrecte" : "Incorrect purchasing date";
    case Failure::PeakYear:
        return fr ? Cp1252("Année apogée incorrecte") : "Incorrect maturity year";
    }
    return {};
}

bool Blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A price: digits with at most one decimal point, blanks around allowed, below 100000, in cents.
bool ParsePrice(std::string_view text, long& cents) {
    const std::string t = Trim(text);
    const std::size_t point = t.find('.');
    const std::string whole = t.substr(0, point);
    const std::string decimals = point == std::string::npos ? std::string() : t.substr(point + 1);
    if (whole.empty() && decimals.empty()) return false;
    if (!AllDigits(whole) || !AllDigits(decimals)) return false;
    long units = 0;
    for (char c : whole) {
        units = units * 10 + (c - '0');
        if (units >= 100000) return false;
    }
    long fraction = 0; // in thousandths, rounded to cents below
    for (std::size_t i = 0; i < 3; ++i)
        fraction = fraction * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    cents = units * 100 + (fraction + 5) / 10;
    return true;
}

// Two decimals, right-aligned in eight columns.
std::string FormatPrice(long cents) {
    const long rest = cents % 100;
    const std::string text =
        std::to_string(cents / 100) + (rest < 10 ? ".0" : ".") + std::to_string(rest);
    return Blanks(static_cast<int>(8 - std::min<std::size_t>(8, text.size()))) + text;
}

// UTF-8 decoding of one character at `i`; false on an invalid sequence.
bool DecodeUtf8(std::string_view bytes, std::size_t& i, char32_t& cp) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 0;
    if (c < 0x80) {
        cp = c;
        ++i;
        return true;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
    } else {
        return false;
    }
    if (i + len > bytes.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
        const auto d = static_cast<unsigned char>(bytes[i + k]);
        if ((d & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (d & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
    return true;
}

// Whether a file is valid UTF-8 and holds a non-ASCII character, from its bytes in pieces.
class Utf8Scan {
public:
    void feed(std::string_view bytes) {
        for (const char ch : bytes) {
            if (!valid_) return;
            const auto c = static_cast<unsigned char>(ch);
            if (need_ == 0) {
                if (c < 0x80) continue;
                nonAscii_ = true;
                if (c >= 0xC2 && c <= 0xDF)
                    start(1, c & 0x1F, 0x80);
                else if (c >= 0xE0 && c <= 0xEF)
                    start(2, c & 0x0F, 0x800);
                else if (c >= 0xF0 && c <= 0xF4)
                    start(3, c & 0x07, 0x10000);
                else
                    valid_ = false;
                continue;
            }
            if ((c & 0xC0) != 0x80) {
                valid_ = false;
                continue;
            }
            cp_ = (cp_ << 6) | (c & 0x3F);
            if (--need_ == 0 && (cp_ < least_ || cp_ > 0x10FFFF || (cp_ >= 0xD800 && cp_ <= 0xDFFF)))
                valid_ = false;
        }
    }
    bool valid() const { return valid_ && need_ == 0; }
    bool nonAscii() const { return nonAscii_; }

private:
    void start(int need, char32_t cp, char32_t least) {
        need_ = need;
        cp_ = cp;
        least_ = least;
    }

    bool valid_ = true;
    bool nonAscii_ = false;
    int need_ = 0;
    char32_t cp_ = 0;
    char32_t least_ = 0;
};

// Code points 0x80-0x9F of code page 1252 (0 where the code page has no character).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool ToCp1252Byte(char32_t cp, char& out) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        out = static_cast<char>(cp);
        return true;
    }
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] != 0 && kHigh[k] == cp) {
            out = static_cast<char>(0x80 + k);
            return true;
        }
    return false;
}

void ConvertUtf8Line(ImportLine& line) {
    line.text.clear();
    const std::string_view bytes = line.raw;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        char32_t cp = 0;
        DecodeUtf8(bytes, i, cp); // the whole file was checked
        char c = 0;
        if (!ToCp1252Byte(cp, c)) {
            line.stored = false;
            line.refusal = LineRefusal::Unstorable;
            line.refusedAt = line.text.size() + 1;
            line.refused.assign(bytes.substr(at, i - at));
            return;
        }
        line.text.push_back(c);
    }
}

// One line of an import file, its end and any byte-order mark already gone.
ImportLine MakeImportLine(std::string raw, bool tooLong, bool utf8) {
    ImportLine line;
    line.raw = std::move(raw);
    if (tooLong) {
        // Not read further: no line the import takes is this long.
        line.stored = false;
        line.refusal = LineRefusal::TooLong;
        line.refusedAt = 1;
        return line;
    }
    if (utf8)
        ConvertUtf8Line(line);
    else
        line.text = line.raw;
    // A control character before the first character the code page cannot hold is the first
    // fault of the line (the text stops at that one).
    for (std::size_t i = 0; i < line.text.size(); ++i)
        if (static_cast<unsigned char>(line.text[i]) < 32) {
            line.stored = false;
            line.refusal = LineRefusal::ControlCharacter;
            line.refusedAt = i + 1;
            line.control = static_cast<unsigned char>(line.text[i]);
            line.refused.clear();
            break;
        }
    return line;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

RejectedLine Refused(const ImportLine& line, long number, DataLanguage language) {
    const bool fr = French(language);
    RejectedLine rejected;
    rejected.number = number;
    rejected.error.position = line.refusedAt;
    switch (line.refusal) {
    case LineRefusal::TooLong:
        rejected.error.message =
            (fr ? Cp1252("ligne de plus de ") : std::string("line longer than ")) +
            std::to_string(kLongestImportLine) + (fr ? Cp1252(" caractères") : " characters");
        break;
    case LineRefusal::ControlCharacter:
        rejected.error.message = (fr ? Cp1252("caractère de contrôle n° ")
                                     : std::string("control character number ")) +
                                 std::to_string(line.control);
        break;
    default:
        rejected.error.message = fr ? Cp1252("caractère que Tonnelix ne peut pas enregistrer")
                                    : "character that Tonnelix cannot store";
        rejected.refusedUtf8 = line.refused;
        break;
    }
    return rejected;
}

void AddRejected(ImportPlan& plan, RejectedLine rejected) {
    ++plan.rejectedCount;
    if (!plan.rejectedRuns.empty() && plan.rejectedRuns.back().second + 1 == rejected.number)
        plan.rejectedRuns.back().second = rejected.number;
    else
        plan.rejectedRuns.emplace_back(rejected.number, rejected.number);
    if (plan.rejected.size() < kShownRejections) plan.rejected.push_back(std::move(rejected));
}

// Copies the rejected lines of the planned copy, each whole however long, with CR LF.
void WriteRejectedLines(const ImportPlan& plan, SafeFileWriter& out) {
    TextLines lines;
    if (!lines.open(plan.saved->temporary())) throw IoError::FromErrno(ENOENT, plan.source);
    std::size_t markLeft = plan.byteOrderMark ? kByteOrderMark.size() : 0;
    const std::function<void(std::string_view)> keep = [&](std::string_view piece) {
        const std::size_t gone = std::min(markLeft, piece.size());
        markLeft -= gone;
        out.write(piece.substr(gone));
    };
    const std::function<void(std::string_view)> skip;
    std::string none;
    bool whole = true;
    auto run = plan.rejectedRuns.begin();
    for (long number = 1; run != plan.rejectedRuns.end(); ++number) {
        const bool rejected = number >= run->first;
        // Nothing is held: every byte of a rejected line goes straight to the error file.
        if (!lines.next(none, 0, whole, rejected ? keep : skip))
            throw IoError::FromErrno(EIO, plan.saved->temporary());
        markLeft = 0;
        if (!rejected) continue;
        out.write("\r\n");
        if (number == run->second) ++run;
    }
}

std::string CurrentDirectoryPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::current_path(error);
    return error ? name : (dir / name).string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace

std::string ExchangeLine(const CellarWine& wine) {
    const std::string fields[] = {
        RightTrim(wine.colour),
        RightTrim(wine.region),
        RightTrim(wine.appellation),
        CommasAsHyphens(RightTrim(wine.domaine)),
        CommasAsHyphens(RightTrim(wine.owner)),
        RightTrim(wine.vintage),
        LeftTrim(wine.quantity),
        LeftTrim(wine.price),
        RightTrim(wine.purchaseDate),
        RightTrim(wine.peakYear),
        RightTrim(wine.mark),
        RightTrim(wine.bottleFormat),
        CommasAsHyphens(RightTrim(wine.remarks)),
        CommasAsHyphens(RightTrim(wine.location)),
        RightTrim(wine.purchasePlace),
    };
    std::string line;
    for (const std::string& field : fields) {
        if (&field != fields) line += ',';
        line += field;
    }
    return line;
}

bool ExportCellar(const std::string& target) {
    LineReader in;
    if (!OpenTextForReading(in, State().files.cellar)) return false;
    SafeFileWriter out(target);
    CellarWine wine;
    while (!in.eof() && ReadCellarWine(in, wine))
        out.writeLine(ExchangeLine(wine));
    in.close();
    out.commit();
    return true;
}

ExchangeContext CurrentExchangeContext() {
    const StoreState& state = State();
    ExchangeContext context;
    context.language = state.language;
    context.colours = state.lists.colours.entries;
    context.regions = state.lists.regions.entries;
    if (!state.lists.regions.fixedEntry.empty())
        context.regions.push_back(state.lists.regions.fixedEntry);
    context.marks = state.lists.marks.entries;
    context.noMark = state.lists.marks.fixedEntry;
    if (!context.noMark.empty()) context.marks.push_back(context.noMark);
    context.bottleFormats = state.lists.bottleFormats.entries;
    for (const AppellationKey& key : AppellationSections())
        context.appellations.try_emplace(
            {PadText(key.colour, 10), PadText(key.region, 20), UpperAZ(RightTrim(key.appellation))},
            PadText(key.appellation, 30));
    return context;
}

std::variant<CellarWine, ExchangeError> ParseExchangeLine(std::string_view line,
                                                          const ExchangeContext& context) {
    CellarWine wine;
    FieldCursor cursor(line);
    std::string field;
    auto fail = [&](Failure failure, bool hadComma) -> ExchangeError {
        ExchangeError error;
        error.position = cursor.start();
        error.field = hadComma ? field : std::string(cursor.fromStart(29));
        error.message = FailureText(context.language, failure);
        return error;
    };

    bool comma = cursor.next(field);
    const std::string* colour = comma ? LastMatch(context.colours, field) : nullptr;
    if (!colour) return fail(Failure::Colour, comma);
    wine.colour = *colour;

    comma = cursor.next(field);
    const std::string* region = comma ? LastMatch(context.regions, field) : nullptr;
    if (!region) return fail(Failure::Region, comma);
    wine.region = *region;

    wine.appellation = PadText(OtherAppellation(context.language), 30);
    if (cursor.next(field)) {
        const auto found = context.appellations.find(
            {PadText(wine.colour, 10), PadText(wine.region, 20), UpperAZ(RightTrim(field))});
        if (found != context.appellations.end()) wine.appellation = found->second;
    } else {
        cursor.skip(30);
    }

    if (!cursor.next(field)) return fail(Failure::Domaine, false);
    wine.domaine = PadText(field, 50);
    if (!cursor.next(field)) return fail(Failure::Owner, false);
    wine.owner = PadText(field, 50);

    comma = cursor.next(field);
    if (!comma || Cut(field, 4).size() != 4 || !AllDigits(Cut(field, 4)))
        return fail(Failure::Vintage, comma);
    wine.vintage = Cut(field, 4);

    comma = cursor.next(field);
    long quantity = 0;
    // A negative count of bottles is refused too.
    if (!comma || !ParseWholeNumber(Cut(field, 2), quantity) || quantity < 1 || quantity > 99)
        return fail(Failure::Quantity, comma);
    wine.quantity = (quantity < 10 ? " " : "") + std::to_string(quantity);

    wine.price = Blanks(8);
    if (cursor.next(field) && !Blank(Cut(field, 8))) {
        long cents = 0;
        if (!ParsePrice(Cut(field, 8), cents)) return fail(Failure::Price, true);
        wine.price = FormatPrice(cents);
    }

    wine.purchaseDate = Blanks(10);
    if (cursor.next(field) && !Blank(Cut(field, 10))) {
        if (!IsValidDate(Cut(field, 10))) return fail(Failure::Date, true);
        wine.purchaseDate = PadText(Cut(field, 10), 10);
    }

    wine.peakYear = Blanks(4);
    if (cursor.next(field) && !Blank(Cut(field, 4))) {
        if (Cut(field, 4).size() != 4 || !AllDigits(Cut(field, 4)))
            return fail(Failure::PeakYear, true);
        wine.peakYear = Cut(field, 4);
    }

    wine.mark = context.noMark;
    if (cursor.next(field) && !Blank(Cut(field, 10)))
        if (const std::string* mark = LastMatch(context.marks, Cut(field, 10))) wine.mark = *mark;

    wine.bottleFormat = Blanks(10);
    if (cursor.next(field) && !Blank(Cut(field, 10)))
        if (const std::string* format = LastMatch(context.bottleFormats, Cut(field, 10)))
            wine.bottleFormat = *format;

    cursor.next(field);
    wine.remarks = PadText(field, 50);
    cursor.next(field);
    wine.location = PadText(field, 10);
    wine.purchasePlace = PadText(Cut(cursor.rest(), 50), 50);
    return PaddedCellarWine(wine);
}

std::vector<ImportLine> SplitImportFile(std::string_view bytes) {
    const bool mark = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (mark) bytes.remove_prefix(kByteOrderMark.size());
    Utf8Scan scan;
    scan.feed(bytes);
    // Bytes that are not valid UTF-8 are code page 1252, whatever their first three.
    const bool utf8 = scan.valid() && (mark || scan.nonAscii());
    std::vector<ImportLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        std::size_t next = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n')
            ++next;
        const std::string_view raw = bytes.substr(start, end - start);
        lines.push_back(MakeImportLine(std::string(raw), raw.size() > kLongestImportLine, utf8));
        start = next;
    }
    return lines;
}

bool PlanImport(const std::string& source, const ExchangeContext& context, ImportPlan& plan) {
    plan = ImportPlan{};
    plan.source = source;
    // The copy kept as "Import.sav" is made first and every line is read from it, so the lines
    // parsed, the lines kept aside and the bytes kept are one and the same.
    std::unique_ptr<SafeFileWriter> saved;
    Utf8Scan scan;
    std::size_t head = 0;
    char first[3] = {};
    const bool found = ReadInPieces(source, [&](std::string_view piece) {
        if (!saved) saved = std::make_unique<SafeFileWriter>(kImportSaveFile);
        for (std::size_t i = 0; head < 3 && i < piece.size(); ++i)
            first[head++] = piece[i];
        saved->write(piece);
        scan.feed(piece);
    });
    if (!found) return false;
    if (!saved) saved = std::make_unique<SafeFileWriter>(kImportSaveFile);
    saved->finish();
    plan.byteOrderMark = head == 3 && std::string_view(first, 3) == kByteOrderMark;
    // The mark is a whole UTF-8 character: scanned with the rest, it changes nothing.
    const bool utf8 = scan.valid() && (plan.byteOrderMark || scan.nonAscii());

    TextLines lines;
    if (!lines.open(saved->temporary())) throw IoError::FromErrno(ENOENT, saved->temporary());
    std::string raw;
    bool whole = true;
    long number = 0;
    const std::size_t markSize = plan.byteOrderMark ? kByteOrderMark.size() : 0;
    while (lines.next(raw, kLongestImportLine + markSize + 1, whole)) {
        if (++number == 1) raw.erase(0, markSize);
        const bool tooLong = !whole || raw.size() > kLongestImportLine;
        if (tooLong) raw.resize(std::min(raw.size(), kLongestImportLine));
        const ImportLine line = MakeImportLine(std::move(raw), tooLong, utf8);
        if (!line.stored) {
            AddRejected(plan, Refused(line, number, context.language));
            continue;
        }
        auto parsed = ParseExchangeLine(line.text, context);
        if (auto* wine = std::get_if<CellarWine>(&parsed))
            plan.accepted.push_back(std::move(*wine));
        else
            AddRejected(plan, {number, std::get<ExchangeError>(parsed), {}});
    }
    plan.saved = std::move(saved);
    return true;
}

ImportResult CommitImport(const ImportPlan& plan) {
    ImportResult result;
    if (!plan.saved) return result;
    // The imported file may itself be one of the files written below (an error file read back
    // after mending its lines): then it is replaced, not removed.
    const bool sourceIsErrorFile = SameFile(plan.source, kImportErrorFile);
    const bool sourceIsSaveFile = SameFile(plan.source, kImportSaveFile);

    // One transaction: the cellar, the error file, the saved copy and the removal of the source
    // happen together, so an import is never half done and never done twice.
    Transaction transaction;
    if (plan.rejectedCount > 0) {
        SafeFileWriter errors(kImportErrorFile);
        WriteRejectedLines(plan, errors);
        errors.commit();
    } else if (!sourceIsErrorFile) {
        DeleteFileIfPresent(kImportErrorFile);
    }
    // The older spelling: on a file system that ignores case it is the same file, and removals
    // come before the renames.
    DeleteFileIfPresent("Import.Sav");
    plan.saved->commit(); // written whole when planned; the transaction takes it
    if (!plan.accepted.empty()) InsertCellarWines(plan.accepted);
    const bool keepSource = sourceIsSaveFile || (sourceIsErrorFile && plan.rejectedCount > 0);
    if (!keepSource) transaction.removeIfPossible(plan.source);
    transaction.commit();
    result.originalKept = !keepSource && transaction.kept(plan.source);
    return result;
}

std::string ImportErrorHead(DataLanguage language, const RejectedLine& line) {
    return std::string(French(language) ? "Erreur ligne " : "Error line ") +
           std::to_string(line.number) + " position " + std::to_string(line.error.position) +
           "\n\n";
}

std::string ImportErrorTail(const RejectedLine& line) {
    return " (" + line.error.message + ")";
}

std::string ImportSummary(DataLanguage language, const ImportPlan& plan, const ImportResult& result,
                          const std::string& errorFilePath) {
    const bool fr = French(language);
    std::string text =
        std::to_string(plan.accepted.size()) +
        (fr ? Cp1252(" ligne(s) importée(s) avec succès") : " line(s) imported with success") +
        "\n\n" + std::to_string(plan.rejectedCount) +
        (fr ? Cp1252(" ligne(s) en échec") : " line(s) canceled");
    if (plan.rejectedCount > 0)
        text += (fr ? Cp1252("\n\nLes lignes en échec sont dans le fichier ")
                    : "\n\nThe canceled lines are in the file ") +
                (errorFilePath.empty() ? CurrentDirectoryPath(kImportErrorFile) : errorFilePath);
    if (result.originalKept)
        text += fr ? Cp1252("\n\nLe fichier importé n'a pas pu être retiré de sa place ; une "
                            "copie est dans ") +
                         kImportSaveFile
                   : std::string("\n\nThe imported file could not be removed from its place; a "
                                 "copy is in ") +
                         kImportSaveFile;
    return text;
}

} // namespace store
