// Switching the whole program, its texts and the user's data set, to the other language.
#pragma once

#include "store/Vocabulary.h"

namespace shell {

// Converts the data set and loads the texts of the language, then records it as "Language";
// the setting is written even when the language is the one in use. An input/output error
// leaves the program, its settings and its data in the language it was in, save one raised
// after the switch was recorded (store::CommittedWithError): the program is then in the new
// language, as its data are.
void SwitchLanguage(store::DataLanguage language);

} // namespace shell
