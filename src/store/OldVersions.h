// The data files of versions 1 and 2.0 brought to the current layouts, once, at start-up. Each
// old file stays under a backup name ("Cave.13", "Vins.20", ...).
#pragma once

namespace store {

// Convert the cellar, the history, the appellation base, the vintage chart and the colour and
// region lists of the current language. The appellation base is converted last: until it is,
// the conversion is still due, and running it again after an interruption converts from the
// backups already made rather than from half-converted files.
void ConvertVersion1Files();
void ConvertVersion2Files();

} // namespace store
