// The update of the appellation base or of the vintage chart from a reference file, asked for
// from the main window's menu.
#pragma once

namespace admin {

// Asks for the reference file and makes it the base of its kind, the user's previous values
// merged back. Nothing is said on success; an input/output error shows its box.
void Misejour1Click();

} // namespace admin
