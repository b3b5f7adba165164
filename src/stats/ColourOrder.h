// The order in which the charts show the colours their wines have.
#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace stats {

// The colours met that the colour list holds come first, in its order, then the others in the
// order of their text; appended to `ordered`. Returns, for each colour met, its place there.
inline std::vector<std::size_t> OrderColours(const std::vector<std::string>& met,
                                             const std::vector<std::string>& list,
                                             std::vector<std::string>& ordered) {
    std::vector<std::size_t> place(met.size(), 0);
    std::vector<bool> listed(met.size(), false);
    for (const std::string& term : list) {
        const auto at = std::find(met.begin(), met.end(), term);
        if (at == met.end()) continue;
        place[static_cast<std::size_t>(at - met.begin())] = ordered.size();
        listed[static_cast<std::size_t>(at - met.begin())] = true;
        ordered.push_back(term);
    }
    std::map<std::string, std::size_t> others;
    for (std::size_t c = 0; c < met.size(); ++c)
        if (!listed[c]) others[met[c]] = c;
    for (const auto& [term, c] : others) {
        place[c] = ordered.size();
        ordered.push_back(term);
    }
    return place;
}

} // namespace stats
