// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class NameOutcome { Ignored, Refused, Changed };

// What came of a name typed to change player, and the sentence the console says of it.
struct NameChange {
    NameOutcome outcome = NameOutcome::Ignored;
    // Why the name was refused; or, for a change, what is said once the new player's record shows.
    QString sentence;
};

// A name is taken exactly as typed. One that does not fit is refused rather than cut, since
// cutting could merge two players into one record; "LastUser" is refused because the store
// keeps the last player under that key. An empty one is ignored. A change saves the bests the
// old player raised, then takes the new name and loads its record.
NameChange changePlayer(const QString& typed);
