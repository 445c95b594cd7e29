#pragma once

#include "platform/messages.h"
#include "wordlists/wordlists.h"

#include <QString>

namespace rating {

// True when a recording's file name follows the scheme first number "_" word number "_" target
// word "." extension, with both numbers in range and the target word somewhere in the word list
// table. On false the reason has been shown.
bool IsValidWavFilename(const QString& WavFilename, const wordlists::WordLists& wordLists,
                        platform::Messages& messages);

// The word number as it stands in a name, between its first and second "_" (leading zeros kept).
QString wordNumberText(const QString& fileName);

} // namespace rating
