// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/help_texts.h"

#include "core/platform/resources.h"

#include <QCoreApplication>
#include <QDir>

// Short enough to read before the first round: the goal, the typing rule, the two buttons
// that end a round's work, and where a round is looked back on; the rest in one line.
QString howToPlayText()
{
    //: Rich text. Keep the letter values line as it is (the letters are the English words' own);
    //: name the buttons, menus and the preference as they read in this language, and the keys
    //: as the desktop writes them in it (Ctrl may be Strg).
    return QCoreApplication::translate(
        "Help",
        "<p><b>The goal:</b> fill the grey cells so that each of the five slots (across, down, "
        "across, down, across) reads as an English word. A word scores the sum of its letters' "
        "values; beat the computer's score for its own five words.</p>"
        "<p>A E I L N O R S T U 1 &middot; D G 2 &middot; B C M P 3 &middot; F H V W Y 4 &middot; "
        "K 5 &middot; J X 8 &middot; Q Z 10</p>"
        "<p><b>Typing:</b> type only the empty cells; the cursor steps over the blue given letters. "
        "To type whole words, given letters included, turn on <i>Type through given letters</i> in "
        "Game &#9656; Preferences. <b>Backspace</b> empties a cell and steps back; <b>Tab</b> moves on; "
        "the <b>arrow keys</b> jump to the nearest cell that way. "
        "<b>Words</b> (Ctrl+W) lists the five words, to hear them read or type each one whole.</p>"
        "<p><b>Check All Words</b> (Ctrl+K) marks each word as a word or not and shows your score, "
        "as often as you like. <b>Submit</b> (Ctrl+Return) ends the round: it goes into your "
        "statistics, the computer's words are listed and a new puzzle is dealt.</p>"
        "<p>Stuck? <b>Hint</b> (Ctrl+I) fills one letter of a common word into the word the cursor "
        "is in; the round counts its hints.</p>"
        "<p><b>Game &#9656; Round Review</b> (Ctrl+E) sets your last round beside the best words that fitted.</p>"
        "<p>Also in the Game menu: New Puzzle (Ctrl+N), the Daily Board (Ctrl+D, the same for everyone; "
        "your first submission of it is the day's result), board codes to share a board, Copy Result "
        "and Statistics. Type a word and press Return to look it up; type a name and press Return to "
        "change player.</p>");
}

QString aboutText()
{
    const QString notice = QDir::toNativeSeparators(QDir(resourceDirectory()).filePath(QStringLiteral("NOTICE")));
    //: Rich text. %1 is the version; %2 is the path of the file of licence notices.
    return QCoreApplication::translate("Help",
                                       "<p><b>Sixfold</b> %1</p>"
                                       "<p>A word puzzle of five crossing words.</p>"
                                       "<p>Sixfold is free software: you may redistribute and modify it under the "
                                       "terms of the GNU General Public License, version 3 or (at your option) any "
                                       "later version. It comes with no warranty.</p>"
                                       "<p>The word lists are derived from SCOWL (Kevin Atkinson and contributors); "
                                       "words are judged with WordNet 3.0 (Princeton University) and Hunspell's "
                                       "en_US dictionary. Their licences allow use and redistribution with their "
                                       "notices, which are in %2.</p>")
        .arg(QCoreApplication::applicationVersion().toHtmlEscaped(), notice.toHtmlEscaped());
}
