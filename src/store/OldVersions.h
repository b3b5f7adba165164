// The data files of versions 1 and 2.0 brought to the current layouts, once, at start-up. Each
// old file stays under a backup name ("Cave.13", "Vins.20", ...).
#pragma once

#include <functional>

namespace store {

// Convert the cellar, the history, the appellation base, the vintage chart and the colour and
// region lists of the current language, and call `record` to record the new version (the
// settings file it writes takes part): all of it is one transaction, so an interruption leaves
// the old files and the old version, and the next start converts again from them.
void ConvertVersion1Files(const std::function<void()>& record = {});
void ConvertVersion2Files(const std::function<void()>& record = {});

} // namespace store
