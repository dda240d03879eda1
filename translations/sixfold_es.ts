<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sixfold — Daily #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixfold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked: %1 of %2 slots are words, your score %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A new puzzle is dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sixfold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check all words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit the round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last round&apos;s outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to look up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word to look up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check All Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume Previous Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Re&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Daily Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Board C&amp;ode…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Board Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Look Up a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;ange Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Sixfold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>&amp;Resume the kept board at launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type through given letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ask before submitting a board with unfinished words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard (green and red)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour-blind safe and high contrast (blue and orange)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing the blue letter the cursor just stepped over takes it as that letter, so a whole word can be typed as it reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The daily board asks before its one scored submission whatever this says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word colours:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your statistics cannot be shown:%1%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundBoardView</name>
    <message>
        <source>Last round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No round yet: the last round you submit is redrawn here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not a word)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your total %1, the computer&apos;s %2: %3. Your words: %4. The computer&apos;s words: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none fitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Best possible %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Best words: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yours: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer&apos;s: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundReviewDialog</name>
    <message>
        <source>Round Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>&amp;All rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score per round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution of your round scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds won, drawn and lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round to review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round –</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review the chosen round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily results: %1. Days in a row: %2 now, %3 at most. Latest: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won %1, drawn %2, lost %3 against the computer. Rounds won in a row: %4 now, %5 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints taken in your last %1 rounds: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rounds yet: rounds won, drawn and lost against the computer show here once you submit a round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best words: your ten best, with their scores, show here once you submit a round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your round scores&lt;br&gt;How often you scored what&lt;br&gt;shows here once you submit a round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your round scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rounds yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rounds in all; the most, %2, scored %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No round yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score per round&lt;br&gt;Your scores and the computer&apos;s&lt;br&gt;show here once you submit a round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score per round&lt;br&gt;Each point: the mean of %1 rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds %1 to %2 shown. Your average %3, best %4. The computer&apos;s average %5, best %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Each point is the mean of %1 rounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote 1 round to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 rounds to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rounds could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordView</name>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a word for a slot and press Return; Up and Down move between the slots, Escape goes back to the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word of %1 letters for %2; Return puts it on the board.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The goal:&lt;/b&gt; fill the grey cells so that each of the five slots (across, down, across, down, across) reads as an English word. A word scores the sum of its letters&apos; values; beat the computer&apos;s score for its own five words.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Typing:&lt;/b&gt; type only the empty cells; the cursor steps over the blue given letters. To type whole words, given letters included, turn on &lt;i&gt;Type through given letters&lt;/i&gt; in Game &amp;#9656; Preferences. &lt;b&gt;Backspace&lt;/b&gt; empties a cell and steps back; &lt;b&gt;Tab&lt;/b&gt; moves on; the &lt;b&gt;arrow keys&lt;/b&gt; jump to the nearest cell that way. &lt;b&gt;Words&lt;/b&gt; (Ctrl+W) lists the five words, to hear them read or type each one whole.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Check All Words&lt;/b&gt; (Ctrl+K) marks each word as a word or not and shows your score, as often as you like. &lt;b&gt;Submit&lt;/b&gt; (Ctrl+Return) ends the round: it goes into your statistics, the computer&apos;s words are listed and a new puzzle is dealt.&lt;/p&gt;&lt;p&gt;Stuck? &lt;b&gt;Hint&lt;/b&gt; (Ctrl+I) fills one letter of a common word into the word the cursor is in; the round counts its hints.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Game &amp;#9656; Round Review&lt;/b&gt; (Ctrl+E) sets your last round beside the best words that fitted.&lt;/p&gt;&lt;p&gt;Also in the Game menu: New Puzzle (Ctrl+N), the Daily Board (Ctrl+D, the same for everyone; your first submission of it is the day&apos;s result), board codes to share a board, Copy Result and Statistics. Type a word and press Return to look it up; type a name and press Return to change player.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A word puzzle of five crossing words.&lt;/p&gt;&lt;p&gt;Sixfold is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The word lists are derived from SCOWL (Kevin Atkinson and contributors); words are judged with WordNet 3.0 (Princeton University) and Hunspell&apos;s en_US dictionary. Their licences allow use and redistribution with their notices, which are in %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
