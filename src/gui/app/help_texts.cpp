// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/help_texts.h"

#include "core/platform/resources.h"

#include <QCoreApplication>
#include <QDir>

QString howToPlayText()
{
    return QCoreApplication::translate(
        "help",
        "<p>The computer lays five six-letter words on the board, crossing across, down, "
        "across, down, across, and shows only the four crossing letters in blue.</p>"
        "<p>Fill the grey cells with any letters. Every slot that reads as a real English "
        "word scores the sum of its letter values:<br>"
        "A E I L N O R S T U 1 &middot; D G 2 &middot; B C M P 3 &middot; F H V W Y 4 &middot; "
        "K 5 &middot; J X 8 &middot; Q Z 10.</p>"
        "<p><b>Typing</b> moves along the word; <b>Backspace</b> empties a cell and steps back; "
        "<b>Tab</b> moves on; the <b>arrow keys</b> jump to the nearest cell that way. "
        "<b>Words</b> (Ctrl+W) lists the five words, to hear them read or type each one whole.</p>"
        "<p><b>Check All Words</b> (Ctrl+K) colours your words green or red and shows your score. "
        "<b>Submit</b> (Ctrl+Return) adds the round to your statistics, lists the computer's "
        "words and deals a new puzzle. <b>New Puzzle</b> (Ctrl+N) deals one without scoring.</p>"
        "<p><b>Daily Board</b> (Ctrl+D) deals today's board, the same for everyone; your first "
        "submission of it is the day's result. <b>Copy Board Code</b> passes any board to a friend, "
        "who deals it with <b>Play Board Code</b>; <b>Copy Result</b> shares your last round "
        "without its letters.</p>"
        "<p>Type a word and press Return to look it up; type a name and press Return to change player.</p>");
}

QString aboutText()
{
    const QString notice = QDir::toNativeSeparators(QDir(resourceDirectory()).filePath(QStringLiteral("NOTICE")));
    return QCoreApplication::translate("help",
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
