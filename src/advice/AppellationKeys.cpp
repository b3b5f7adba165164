#include "advice/AppellationKeys.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

#include "store/Files.h"
#include "store/Records.h"
#include "store/State.h"
#include "store/Text.h"

namespace advice {

namespace {

constexpr std::size_t kIdentity = 60; // region, colour and appellation of a key

std::string Field(const std::string& key, std::size_t first, std::size_t count) {
    return store::RightTrim(store::Columns(key, first, count));
}

} // namespace

AppellationKeys BuildAppellationKeys() {
    AppellationKeys keys;
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.appellations)) return keys;
    std::string line;
    while (in.readLine(line)) {
        if (line.empty() || line[0] != '[') continue;
        // A header cut short still gives a key of full width.
        keys.push_back(store::PadText(store::Columns(line, 2, 20), 20) +
                       store::PadText(store::Columns(line, 24, 10), 10) +
                       store::PadText(store::Columns(line, 36, 30), 30) + "N");
    }
    return keys;
}

void MarkCellarKeys(AppellationKeys& keys) {
    store::LineReader in;
    if (!store::OpenTextForReading(in, store::State().files.cellar)) return;

    // One look-up per wine rather than a search of every key.
    std::unordered_map<std::string, std::deque<std::size_t>> unmarked;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].size() > kIdentity && keys[i][kIdentity] == 'N')
            unmarked[keys[i].substr(0, kIdentity)].push_back(i);

    std::vector<std::size_t> marked;
    store::CellarWine wine;
    while (!in.eof() && store::ReadCellarWine(in, wine)) {
        const std::string identity = store::PadText(wine.region, 20) +
                                     store::PadText(wine.colour, 10) +
                                     store::PadText(wine.appellation, 30);
        auto found = unmarked.find(identity);
        if (found == unmarked.end() || found->second.empty()) continue;
        marked.push_back(found->second.front());
        found->second.pop_front();
    }
    if (marked.empty()) return;

    std::vector<bool> isMarked(keys.size(), false);
    for (std::size_t i : marked)
        isMarked[i] = true;
    AppellationKeys reordered;
    reordered.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!isMarked[i]) reordered.push_back(std::move(keys[i]));
    for (std::size_t i : marked) {
        keys[i][kIdentity] = 'O';
        reordered.push_back(std::move(keys[i]));
    }
    keys = std::move(reordered);
}

std::vector<KeyRow> ShownKeys(const AppellationKeys& keys, const std::string& colour,
                              bool cellarOnly) {
    const std::string wanted =
        store::RightTrim(colour.substr(0, std::min<std::size_t>(colour.size(), 10)));
    const bool everyColour = store::IsAllEntry(wanted);
    std::vector<KeyRow> rows;
    for (const std::string& key : keys) {
        KeyRow row{Field(key, 31, 30), Field(key, 21, 10), Field(key, 1, 20)};
        if (!everyColour && row.colour != wanted) continue;
        if (cellarOnly && store::Columns(key, 61, 1) != "O") continue;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace advice
