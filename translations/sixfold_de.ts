<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sixfold — Daily #%1</source>
        <translation>Sixfold — Tagesrätsel Nr. %1</translation>
    </message>
    <message>
        <source>Sixfold</source>
        <translation>Sixfold</translation>
    </message>
    <message numerus="yes">
        <source>Checked: %n of %1 slots are words, your score %2.</source>
        <extracomment>%n of the board&apos;s %1 slots; %2 is the score.</extracomment>
        <translation>
            <numerusform>Geprüft: %n von %1 Wortplätzen ist ein Wort, Ihre Punktzahl %2.</numerusform>
            <numerusform>Geprüft: %n von %1 Wortplätzen sind Wörter, Ihre Punktzahl %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>A new puzzle is dealt.</source>
        <translation>Ein neues Rätsel liegt bereit.</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 and %2</source>
        <comment>two word names, such as 1 across and 2 down</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 across</source>
        <extracomment>a word of the board by its number, such as &quot;1 across&quot;</extracomment>
        <translation>%1 waagerecht</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 senkrecht</translation>
    </message>
    <message>
        <source>given</source>
        <comment>a cell whose letter is given</comment>
        <translation>vorgegeben</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a cell with no letter yet</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2 letters</source>
        <translation>%1, %2 Buchstaben</translation>
    </message>
    <message>
        <source>%1, %2 letters, the first given</source>
        <translation>%1, %2 Buchstaben, der erste vorgegeben</translation>
    </message>
    <message>
        <source>letter</source>
        <comment>a cell holding a letter the player typed</comment>
        <translation>Buchstabe</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <comment>a cell&apos;s row and column, then the words through it</comment>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a word, then the cell it starts at</comment>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a given letter, then its cell</comment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 words of %2 letters: %3. Given letters: %4.</source>
        <translation>%1 Wörter mit je %2 Buchstaben: %3. Vorgegebene Buchstaben: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n points</source>
        <extracomment>A word&apos;s points label as a screen reader hears it: &quot;1 across: 8 points&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n Punkt</numerusform>
            <numerusform>%1: %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle board. %1</source>
        <extracomment>The board&apos;s name for a screen reader, followed by what the board holds.</extracomment>
        <translation>Spielfeld. %1</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>A word&apos;s points on its last cell: &quot;8 for 1 across&quot; (8 points for the word 1 across).</extracomment>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>Checked: part of a word</source>
        <translation>Geprüft: Teil eines Wortes</translation>
    </message>
    <message>
        <source>Checked: not part of a word</source>
        <translation>Geprüft: nicht Teil eines Wortes</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <extracomment>A cell&apos;s points as a screen reader hears them; %1 is one or two &quot;8 for 1 across&quot;.</extracomment>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code is fifteen characters from 2-9 and A-Z without I, L and O, such as 3STAD-KW9V7-42TMU.</source>
        <translation>Ein Spielfeldcode besteht aus fünfzehn Zeichen aus 2-9 und A-Z ohne I, L und O, etwa 3STAD-KW9V7-42TMU.</translation>
    </message>
    <message>
        <source>That board code has a typo: its check character does not match the rest.</source>
        <translation>Dieser Spielfeldcode enthält einen Tippfehler: Sein Prüfzeichen passt nicht zum Rest.</translation>
    </message>
    <message>
        <source>That board code was dealt from another word list, so this game cannot deal the same board.</source>
        <translation>Dieser Spielfeldcode stammt aus einer anderen Wortliste, daher kann dieses Spiel nicht dasselbe Spielfeld erzeugen.</translation>
    </message>
    <message>
        <source>A ten-character board code is read only with the word list the game ships, and this one differs; ask for the fifteen-character code.</source>
        <translation>Ein zehnstelliger Spielfeldcode gilt nur mit der Wortliste, die dem Spiel beiliegt, und diese hier weicht ab; fragen Sie nach dem fünfzehnstelligen Code.</translation>
    </message>
    <message>
        <source>Play Board Code</source>
        <translation>Spielfeldcode eingeben</translation>
    </message>
    <message>
        <source>Board code (fifteen characters, such as a friend&apos;s from Copy Board Code):</source>
        <extracomment>&quot;Copy Board Code&quot; is the Game menu&apos;s item as it reads.</extracomment>
        <translation>Spielfeldcode (fünfzehn Zeichen, etwa der eines Freundes aus „Spielfeldcode kopieren“):</translation>
    </message>
</context>
<context>
    <name>BoardKeeper</name>
    <message>
        <source>This board was submitted already, in another game; it is not scored again.
</source>
        <translation>Dieses Spielfeld wurde bereits in einem anderen Spiel abgegeben; es wird nicht erneut gewertet.
</translation>
    </message>
    <message>
        <source>A board left unfinished is kept: Ctrl+R (Game &gt; Resume Previous Board) brings it back.
</source>
        <translation>Ein unfertiges Spielfeld wird aufbewahrt: Strg+R (Spiel &gt; Vorheriges Spielfeld fortsetzen) holt es zurück.
</translation>
    </message>
    <message>
        <source>No board is kept to resume.
</source>
        <translation>Es ist kein Spielfeld zum Fortsetzen aufbewahrt.
</translation>
    </message>
    <message>
        <source>The kept board was submitted in another game, so it is not resumed.
</source>
        <translation>Das aufbewahrte Spielfeld wurde in einem anderen Spiel abgegeben und wird daher nicht fortgesetzt.
</translation>
    </message>
    <message>
        <source>This board was submitted in another game; it is no longer kept and is not scored again.
</source>
        <translation>Dieses Spielfeld wurde in einem anderen Spiel abgegeben; es wird nicht mehr aufbewahrt und nicht erneut gewertet.
</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>„%1“ ist kein Wort.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a word.
</source>
        <translation>„%1“ ist ein Wort.
</translation>
    </message>
    <message>
        <source>New best word!
</source>
        <translation>Neues bestes Wort!
</translation>
    </message>
    <message>
        <source>New best word: %1!</source>
        <translation>Neues bestes Wort: %1!</translation>
    </message>
    <message>
        <source>New best round score!
</source>
        <translation>Neuer Rundenrekord!
</translation>
    </message>
    <message>
        <source>New best round score: %1!</source>
        <translation>Neuer Rundenrekord: %1!</translation>
    </message>
</context>
<context>
    <name>CheckWord</name>
    <message>
        <source>&apos;%1&apos; is a word
</source>
        <translation>„%1“ ist ein Wort.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>„%1“ ist kein Wort.
</translation>
    </message>
    <message>
        <source>%1 is a word.</source>
        <translation>%1 ist ein Wort.</translation>
    </message>
    <message>
        <source>%1 is not a word.</source>
        <translation>%1 ist kein Wort.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4.</source>
        <comment>the verdict, then the term, its part of speech and its first sense</comment>
        <translation>%1 %2, %3: %4.</translation>
    </message>
</context>
<context>
    <name>Daily</name>
    <message>
        <source>There is no daily board before Daily #1, the board of %1 (UTC).</source>
        <translation>Vor Tagesrätsel Nr. 1, dem Spielfeld vom %1 (UTC), gibt es kein Tagesrätsel.</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Tagesrätsel Nr. %1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The day&apos;s date, as QDate writes it: &quot;d. MMMM yyyy&quot; in German.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>DailyLine</name>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>No daily board yet
Daily #1 in %1</source>
        <translation>Noch kein Tagesrätsel
Nr. 1 in %1</translation>
    </message>
    <message>
        <source>today&apos;s result is in</source>
        <translation>heute gespielt</translation>
    </message>
    <message>
        <source>today&apos;s board to play</source>
        <translation>heute noch zu spielen</translation>
    </message>
    <message>
        <source>no streak</source>
        <translation>keine Serie</translation>
    </message>
    <message>
        <source>streak 1 day</source>
        <translation>Serie: 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>streak %n days</source>
        <translation>
            <numerusform>Serie: %n Tag</numerusform>
            <numerusform>Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>next in %1</source>
        <translation>nächstes in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>%1 (looked for %2)</source>
        <comment>a dictionary source, then where it was looked for</comment>
        <translation>%1 (gesucht in %2)</translation>
    </message>
    <message>
        <source>Hunspell&apos;s en_US</source>
        <translation>Hunspells en_US</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two files</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the function words</source>
        <translation>die Funktionswörter</translation>
    </message>
    <message>
        <source>the list words</source>
        <translation>die Listenwörter</translation>
    </message>
    <message>
        <source>the list names</source>
        <translation>die Listennamen</translation>
    </message>
    <message>
        <source>The English dictionary lacks %1; words are judged by its other sources.
</source>
        <translation>Dem englischen Wörterbuch fehlt Folgendes: %1. Wörter werden nach seinen übrigen Quellen beurteilt.
</translation>
    </message>
    <message>
        <source>The English dictionary could not be opened: it lacks %1. No word can be judged, so no round can be submitted.
</source>
        <translation>Das englische Wörterbuch ließ sich nicht öffnen, es fehlt Folgendes: %1. Kein Wort kann beurteilt werden, daher kann keine Runde abgegeben werden.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The word list cannot make a puzzle, so the board stays empty.
</source>
        <translation>Aus der Wortliste lässt sich kein Rätsel bilden, daher bleibt das Spielfeld leer.
</translation>
    </message>
    <message>
        <source>Board %1 dealt.</source>
        <translation>Spielfeld %1 liegt bereit.</translation>
    </message>
    <message>
        <source>%1 needs a board, and the word list cannot make one.
</source>
        <comment>%1 is a menu action</comment>
        <translation>„%1“ braucht ein Spielfeld, und aus der Wortliste lässt sich keines bilden.
</translation>
    </message>
    <message>
        <source>Daily #%1: you have played it today already, so this round is practice.
</source>
        <translation>Tagesrätsel Nr. %1: Sie haben es heute schon gespielt, daher ist diese Runde eine Übungsrunde.
</translation>
    </message>
    <message>
        <source>Daily #%1: your first submission of it is today&apos;s result.
</source>
        <translation>Tagesrätsel Nr. %1: Ihre erste Abgabe zählt als heutiges Ergebnis.
</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>a menu action</extracomment>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>This round is not submitted: no word can be judged without the English dictionary.
</source>
        <translation>Diese Runde wird nicht abgegeben: Ohne das englische Wörterbuch kann kein Wort beurteilt werden.
</translation>
    </message>
    <message>
        <source>With common words %1.</source>
        <comment>the best possible score with common words only</comment>
        <translation>Mit gebräuchlichen Wörtern %1.</translation>
    </message>
    <message>
        <source>Ctrl+E: review.</source>
        <translation>Strg+E: Rückblick.</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>a menu action</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>This board came back from the kept one, which keeps no code; a dealt board has one.
</source>
        <translation>Dieses Spielfeld stammt aus dem aufbewahrten, das keinen Code speichert; ein neu erzeugtes Spielfeld hat einen.
</translation>
    </message>
    <message>
        <source>Board code %1 copied.
</source>
        <translation>Spielfeldcode %1 kopiert.
</translation>
    </message>
    <message>
        <source>Board code copied: %1.</source>
        <translation>Spielfeldcode kopiert: %1.</translation>
    </message>
    <message>
        <source>Result copied:
%1</source>
        <translation>Ergebnis kopiert:
%1</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <translation>Ergebnis kopiert.</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <extracomment>a menu action</extracomment>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>There is no result to copy yet: Copy Result shares the last round you submitted.
</source>
        <translation>Noch kein Ergebnis zum Kopieren: „Ergebnis kopieren“ teilt die Runde, die Sie zuletzt abgegeben haben.
</translation>
    </message>
    <message>
        <source>You have a result for Daily #%1 already; this round was practice.
</source>
        <translation>Sie haben bereits ein Ergebnis für Tagesrätsel Nr. %1; diese Runde war eine Übungsrunde.
</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Tagesrätsel</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Alle Wörter prüfen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>button: close the How to Play card and play</comment>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Return, Space or Escape closes this card; Help ▸ How to Play shows it again.</source>
        <extracomment>&quot;Help ▸ How to Play&quot; names the menu and its item as they read.</extracomment>
        <translation>Return, Leertaste oder Esc schließt diese Karte; Hilfe ▸ Spielanleitung zeigt sie wieder an.</translation>
    </message>
    <message>
        <source>About Sixfold</source>
        <translation>Über Sixfold</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The goal:&lt;/b&gt; fill the grey cells so that each of the five slots (across, down, across, down, across) reads as an English word. A word scores the sum of its letters&apos; values; beat the computer&apos;s score for its own five words.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Typing:&lt;/b&gt; type only the empty cells; the cursor steps over the blue given letters. To type whole words, given letters included, turn on &lt;i&gt;Type through given letters&lt;/i&gt; in Game &amp;#9656; Preferences. &lt;b&gt;Backspace&lt;/b&gt; empties a cell and steps back; &lt;b&gt;Tab&lt;/b&gt; moves on; the &lt;b&gt;arrow keys&lt;/b&gt; jump to the nearest cell that way. &lt;b&gt;Words&lt;/b&gt; (Ctrl+W) lists the five words, to hear them read or type each one whole.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Check All Words&lt;/b&gt; (Ctrl+K) marks each word as a word or not and shows your score, as often as you like. &lt;b&gt;Submit&lt;/b&gt; (Ctrl+Return) ends the round: it goes into your statistics, the computer&apos;s words are listed and a new puzzle is dealt.&lt;/p&gt;&lt;p&gt;Stuck? &lt;b&gt;Hint&lt;/b&gt; (Ctrl+I) fills one letter of a common word into the word the cursor is in; the round counts its hints.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Game &amp;#9656; Round Review&lt;/b&gt; (Ctrl+E) sets your last round beside the best words that fitted.&lt;/p&gt;&lt;p&gt;Also in the Game menu: New Puzzle (Ctrl+N), the Daily Board (Ctrl+D, the same for everyone; your first submission of it is the day&apos;s result), board codes to share a board, Copy Result and Statistics. Type a word and press Return to look it up; type a name and press Return to change player.&lt;/p&gt;</source>
        <extracomment>Rich text. Keep the letter values line as it is (the letters are the English words&apos; own); name the buttons, menus and the preference as they read in this language, and the keys as the desktop writes them in it (Ctrl may be Strg).</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Das Ziel:&lt;/b&gt; Füllen Sie die grauen Felder so, dass jeder der fünf Wortplätze (waagerecht, senkrecht, waagerecht, senkrecht, waagerecht) ein englisches Wort ergibt. Ein Wort bringt die Summe seiner Buchstabenwerte; schlagen Sie die Punktzahl des Computers für seine eigenen fünf Wörter.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Eingabe:&lt;/b&gt; Tippen Sie nur in die leeren Felder; der Cursor überspringt die blauen vorgegebenen Buchstaben. Für ganze Wörter samt vorgegebenen Buchstaben schalten Sie &lt;i&gt;Vorgegebene Buchstaben mittippen&lt;/i&gt; unter Spiel &amp;#9656; Einstellungen ein. &lt;b&gt;Rücktaste&lt;/b&gt; leert ein Feld und geht zurück; &lt;b&gt;Tab&lt;/b&gt; geht weiter; die &lt;b&gt;Pfeiltasten&lt;/b&gt; springen zum nächsten Feld in diese Richtung. &lt;b&gt;Wörter&lt;/b&gt; (Strg+W) listet die fünf Wörter zum Vorlesen oder Eintippen am Stück.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Alle Wörter prüfen&lt;/b&gt; (Strg+K) zeigt, welche Wörter gültig sind, und Ihre Punktzahl, beliebig oft. &lt;b&gt;Abgeben&lt;/b&gt; (Strg+Return) beendet die Runde: Sie zählt in Ihre Statistik, die Wörter des Computers werden aufgelistet und ein neues Rätsel liegt bereit.&lt;/p&gt;&lt;p&gt;Festgefahren? &lt;b&gt;Tipp&lt;/b&gt; (Strg+I) setzt einen Buchstaben eines gebräuchlichen Wortes in das Wort am Cursor; die Runde zählt ihre Tipps.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Spiel &amp;#9656; Rundenrückblick&lt;/b&gt; (Strg+E) stellt Ihre letzte Runde neben die besten passenden Wörter.&lt;/p&gt;&lt;p&gt;Außerdem im Menü Spiel: Neues Rätsel (Strg+N), das Tagesrätsel (Strg+D, für alle gleich; Ihre erste Abgabe zählt als Tagesergebnis), Spielfeldcodes zum Teilen eines Spielfelds, Ergebnis kopieren und Statistik. Tippen Sie ein Wort und Return, um es nachzuschlagen, oder einen Namen und Return, um den Spieler zu wechseln.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A word puzzle of five crossing words.&lt;/p&gt;&lt;p&gt;Sixfold is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The word lists are derived from SCOWL (Kevin Atkinson and contributors); words are judged with WordNet 3.0 (Princeton University) and Hunspell&apos;s en_US dictionary. Their licences allow use and redistribution with their notices, which are in %2.&lt;/p&gt;</source>
        <extracomment>Rich text. %1 is the version; %2 is the path of the file of licence notices.</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Ein Worträtsel aus fünf sich kreuzenden Wörtern.&lt;/p&gt;&lt;p&gt;Sixfold ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Es wird ohne jede Gewährleistung geliefert.&lt;/p&gt;&lt;p&gt;Die Wortlisten sind von SCOWL abgeleitet (Kevin Atkinson und Mitwirkende); Wörter werden mit WordNet 3.0 (Princeton University) und dem en_US-Wörterbuch von Hunspell beurteilt. Deren Lizenzen erlauben Nutzung und Weitergabe mit ihren Hinweisen, die in %2 stehen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Every cell is filled: a hint fills an empty cell.</source>
        <translation>Alle Felder sind gefüllt: Ein Tipp füllt ein leeres Feld.</translation>
    </message>
    <message>
        <source>This word has no empty cell: a hint fills an empty cell of the word the cursor is in.</source>
        <translation>Dieses Wort hat kein leeres Feld: Ein Tipp füllt ein leeres Feld des Wortes, in dem der Cursor steht.</translation>
    </message>
    <message>
        <source>No common word fits %1.</source>
        <comment>%1 spells the word&apos;s letters, an underscore for each empty cell</comment>
        <translation>Kein gebräuchliches Wort passt zu %1.</translation>
    </message>
    <message>
        <source>Hint: %1 in row %2, column %3.</source>
        <translation>Tipp: %1 in Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>1 hint</source>
        <translation>1 Tipp</translation>
    </message>
    <message numerus="yes">
        <source>%n hints</source>
        <translation>
            <numerusform>%n Tipp</numerusform>
            <numerusform>%n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hint taken.</source>
        <translation>1 Tipp genutzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken.</source>
        <translation>
            <numerusform>%n Tipp genutzt.</numerusform>
            <numerusform>%n Tipps genutzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history and its statistics are unavailable: %1</source>
        <extracomment>%1 is why the module cannot be loaded, as the system says it.</extracomment>
        <translation>Verlauf und Statistik sind nicht verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the history cannot be read</source>
        <translation>der Verlauf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>er ist beschädigt und ließ sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins.
</source>
        <translation>Der Verlauf %1 war beschädigt; er wird als %2 aufbewahrt, und ein neuer Verlauf beginnt.
</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the 1 round that could still be read from it.
</source>
        <translation>Der Verlauf %1 war beschädigt; er wird als %2 aufbewahrt, und ein neuer Verlauf beginnt mit der 1 Runde, die sich noch daraus lesen ließ.
</translation>
    </message>
    <message numerus="yes">
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the %n rounds that could still be read from it.
</source>
        <translation>
            <numerusform>Der Verlauf %1 war beschädigt; er wird als %2 aufbewahrt, und ein neuer Verlauf beginnt mit der %n Runde, die sich noch daraus lesen ließ.
</numerusform>
            <numerusform>Der Verlauf %1 war beschädigt; er wird als %2 aufbewahrt, und ein neuer Verlauf beginnt mit den %n Runden, die sich noch daraus lesen ließen.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The history %1 is in use by another program (%2).
</source>
        <translation>Der Verlauf %1 wird von einem anderen Programm benutzt (%2).
</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2).
</source>
        <translation>Der Verlauf %1 kann nicht gelesen werden (%2).
</translation>
    </message>
    <message>
        <source>Rounds are not recorded until the next start: the history %1 failed (%2).
</source>
        <translation>Bis zum nächsten Start werden keine Runden aufgezeichnet: Der Verlauf %1 ist ausgefallen (%2).
</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>schema version %1 is newer than this game&apos;s %2</source>
        <translation>Schemaversion %1 ist neuer als Version %2 dieses Spiels</translation>
    </message>
    <message>
        <source>the history is from a newer version of the game</source>
        <translation>der Verlauf stammt aus einer neueren Version des Spiels</translation>
    </message>
    <message>
        <source>the history is in use by another program</source>
        <translation>der Verlauf wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>er ließ sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>HistoryService</name>
    <message>
        <source>The history %1 is in use by another program: your rounds are kept in %2 and written once it is free.
</source>
        <translation>Der Verlauf %1 wird von einem anderen Programm benutzt: Ihre Runden werden in %2 aufbewahrt und eingetragen, sobald er frei ist.
</translation>
    </message>
    <message>
        <source>The rounds kept while the history was in use are written to it now.
</source>
        <translation>Die Runden, die aufbewahrt wurden, während der Verlauf benutzt wurde, werden jetzt eingetragen.
</translation>
    </message>
    <message>
        <source>The rounds kept in %1 cannot be read (%2).
</source>
        <translation>Die in %1 aufbewahrten Runden können nicht gelesen werden (%2).
</translation>
    </message>
    <message>
        <source>its lock is held</source>
        <translation>die Sperre ist belegt</translation>
    </message>
    <message>
        <source>it cannot be removed</source>
        <translation>die Datei lässt sich nicht entfernen</translation>
    </message>
    <message>
        <source>The rounds not yet in the history cannot be kept in %1 (%2); they are held until the game quits.
</source>
        <translation>Die Runden, die noch nicht im Verlauf stehen, können nicht in %1 aufbewahrt werden (%2); sie bleiben bis zum Beenden des Spiels erhalten.
</translation>
    </message>
</context>
<context>
    <name>KeptBoard</name>
    <message>
        <source>word %1 runs the wrong way</source>
        <translation>Wort %1 verläuft in die falsche Richtung</translation>
    </message>
    <message>
        <source>the words do not chain across the board</source>
        <translation>die Wörter bilden keine Kette über das Spielfeld</translation>
    </message>
    <message>
        <source>two words disagree at column %1, row %2</source>
        <translation>zwei Wörter widersprechen sich in Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>eine unbekannte Version</translation>
    </message>
    <message>
        <source>an identity that is not one</source>
        <translation>eine ungültige Kennung</translation>
    </message>
    <message>
        <source>not five words</source>
        <translation>nicht fünf Wörter</translation>
    </message>
    <message>
        <source>word %1 is not six letters on the board</source>
        <translation>Wort %1 hat auf dem Spielfeld nicht sechs Buchstaben</translation>
    </message>
    <message>
        <source>a typed letter is not on a blank cell of its own</source>
        <translation>ein getippter Buchstabe steht nicht auf einem eigenen leeren Feld</translation>
    </message>
    <message>
        <source>a typed letter is not one character with a verdict</source>
        <translation>ein getippter Buchstabe ist nicht genau ein Zeichen mit Bewertung</translation>
    </message>
    <message>
        <source>a typed letter is a control character or a direction mark</source>
        <translation>ein getippter Buchstabe ist ein Steuerzeichen oder eine Richtungsmarke</translation>
    </message>
    <message>
        <source>a score is missing or out of range</source>
        <translation>eine Punktzahl fehlt oder liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>another game holds it</source>
        <translation>ein anderes Spiel belegt die Datei</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>its lock file cannot be written; the disk may be full</source>
        <translation>die Sperrdatei kann nicht geschrieben werden; vielleicht ist der Datenträger voll</translation>
    </message>
    <message>
        <source>The kept board %1 is not a regular file; it is left as it is and no board is kept.</source>
        <translation>Das aufbewahrte Spielfeld %1 ist keine reguläre Datei; es bleibt unverändert, und kein Spielfeld wird aufbewahrt.</translation>
    </message>
    <message>
        <source>The kept board %1 cannot be read (%2); it is left as it is and no board is kept.</source>
        <translation>Das aufbewahrte Spielfeld %1 kann nicht gelesen werden (%2); es bleibt unverändert, und kein Spielfeld wird aufbewahrt.</translation>
    </message>
    <message>
        <source>it is larger than any board</source>
        <translation>die Datei ist größer als jedes Spielfeld</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2); it is left as it is.</source>
        <translation>Das aufbewahrte Spielfeld %1 ist kein Spielfeld (%2); es bleibt unverändert.</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2) and cannot be moved aside.</source>
        <translation>Das aufbewahrte Spielfeld %1 ist kein Spielfeld (%2) und lässt sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <source>The kept board was not a board (%1); it is moved to %2.</source>
        <translation>Das aufbewahrte Spielfeld war kein Spielfeld (%1); es wird nach %2 verschoben.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The kept board %1 was submitted already and cannot be removed (%2); it is not resumed.</source>
        <translation>Das aufbewahrte Spielfeld %1 wurde bereits abgegeben und lässt sich nicht entfernen (%2); es wird nicht fortgesetzt.</translation>
    </message>
    <message>
        <source>The board cannot be kept in %1 (%2); the file is left as it was.</source>
        <translation>Das Spielfeld kann nicht in %1 aufbewahrt werden (%2); die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2); it is remembered as submitted in %3 and is never resumed.</source>
        <translation>Das abgegebene Spielfeld lässt sich nicht aus %1 entfernen (%2); es ist in %3 als abgegeben vermerkt und wird nie fortgesetzt.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2) nor remembered as submitted (%3), and may come back.</source>
        <translation>Das abgegebene Spielfeld lässt sich weder aus %1 entfernen (%2) noch als abgegeben vermerken (%3) und kann wiederkommen.</translation>
    </message>
    <message>
        <source>The kept board cannot be removed from %1 (%2).</source>
        <translation>Das aufbewahrte Spielfeld lässt sich nicht aus %1 entfernen (%2).</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as its speakers write it in a menu: Deutsch, Français, Español.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Start on the board that CODE names (Game ▸ Copy Board Code gives one).</source>
        <translation>Mit dem Spielfeld starten, das CODE angibt (Spiel ▸ Spielfeldcode kopieren liefert einen).</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --board, named in its help</comment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Start on today&apos;s daily board (UTC).</source>
        <translation>Mit dem heutigen Tagesrätsel starten (UTC).</translation>
    </message>
    <message>
        <source>A word puzzle: fill in five crossing six-letter words.</source>
        <translation>Ein Worträtsel: Füllen Sie fünf sich kreuzende Wörter aus sechs Buchstaben aus.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Choose either --board or --daily, not both.</source>
        <translation>Wählen Sie entweder --board oder --daily, nicht beides.</translation>
    </message>
    <message>
        <source>sixfold: %1
Try &apos;sixfold --help&apos; for the options.
</source>
        <translation>sixfold: %1
„sixfold --help“ zeigt die Optionen.
</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>is damaged: it has %1 lines where the game was built with %2</source>
        <translation>ist beschädigt: Es hat %1 Zeilen, das Spiel wurde aber mit %2 gebaut</translation>
    </message>
    <message>
        <source>is damaged: its words differ from those the game was built with</source>
        <translation>ist beschädigt: Seine Wörter weichen von denen ab, mit denen das Spiel gebaut wurde</translation>
    </message>
    <message>
        <source>The word lexicon (%1) %2; the best possible score of a board is unknown.
</source>
        <extracomment>%2 says what is wrong with the file, such as &quot;could not be read&quot;</extracomment>
        <translation>Das Wortlexikon (%1) %2; die bestmögliche Punktzahl eines Spielfelds ist unbekannt.
</translation>
    </message>
    <message>
        <source>The withheld words (withheld_words.txt) could not be read; no best words can be shown.
</source>
        <translation>Die zurückgehaltenen Wörter (withheld_words.txt) konnten nicht gelesen werden; es können keine besten Wörter gezeigt werden.
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sixfold</source>
        <translation>Sixfold</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Ihre Punktzahl</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Punktzahl des Computers</translation>
    </message>
    <message>
        <source>Check all words</source>
        <translation>Alle Wörter prüfen</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Alle Wörter prüfen</translation>
    </message>
    <message>
        <source>Submit the round</source>
        <translation>Runde abgeben</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Last round&apos;s outcome</source>
        <translation>Ergebnis der letzten Runde</translation>
    </message>
    <message>
        <source>Daily board</source>
        <translation>Tagesrätsel</translation>
    </message>
    <message>
        <source>Player&apos;s statistics</source>
        <translation>Statistik des Spielers</translation>
    </message>
    <message>
        <source>Word to look up</source>
        <translation>Wort zum Nachschlagen</translation>
    </message>
    <message>
        <source>A word to look up</source>
        <translation>Wort nachschlagen</translation>
    </message>
    <message>
        <source>Check the word</source>
        <translation>Wort prüfen</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Wort prüfen</translation>
    </message>
    <message>
        <source>New player&apos;s name</source>
        <translation>Name des neuen Spielers</translation>
    </message>
    <message>
        <source>Player&apos;s name</source>
        <translation>Name des Spielers</translation>
    </message>
    <message>
        <source>Change player</source>
        <translation>Spieler wechseln</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Spieler wechseln</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation>&amp;Neues Rätsel</translation>
    </message>
    <message>
        <source>&amp;Check All Words</source>
        <translation>Alle Wörter &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Abgeben</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>T&amp;ipp</translation>
    </message>
    <message>
        <source>&amp;Words…</source>
        <translation>&amp;Wörter…</translation>
    </message>
    <message>
        <source>&amp;Resume Previous Board</source>
        <translation>Vorheriges Spielfeld &amp;fortsetzen</translation>
    </message>
    <message>
        <source>Round Re&amp;view…</source>
        <translation>&amp;Rundenrückblick…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>&amp;Daily Board</source>
        <translation>&amp;Tagesrätsel</translation>
    </message>
    <message>
        <source>Play Board C&amp;ode…</source>
        <translation>Spielfeld&amp;code eingeben…</translation>
    </message>
    <message>
        <source>Copy &amp;Board Code</source>
        <translation>Spielfeldcode &amp;kopieren</translation>
    </message>
    <message>
        <source>Cop&amp;y Result</source>
        <translation>Er&amp;gebnis kopieren</translation>
    </message>
    <message>
        <source>&amp;Look Up a Word</source>
        <translation>W&amp;ort nachschlagen</translation>
    </message>
    <message>
        <source>Ch&amp;ange Player</source>
        <translation>Spie&amp;ler wechseln</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About Sixfold</source>
        <translation>&amp;Über Sixfold</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Last round: you %1, computer %2 – you won by %3.</source>
        <translation>Letzte Runde: Sie %1, Computer %2 – gewonnen mit %3 Vorsprung.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – you lost by %3.</source>
        <translation>Letzte Runde: Sie %1, Computer %2 – verloren mit %3 Rückstand.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – a draw.</source>
        <translation>Letzte Runde: Sie %1, Computer %2 – unentschieden.</translation>
    </message>
    <message>
        <source>The board allowed %1.</source>
        <translation>Möglich waren %1.</translation>
    </message>
    <message>
        <source>The best possible is unknown.</source>
        <translation>Die bestmögliche Punktzahl ist unbekannt.</translation>
    </message>
    <message>
        <source>you won by %1</source>
        <translation>Sie haben mit %1 Vorsprung gewonnen</translation>
    </message>
    <message>
        <source>the computer won by %1</source>
        <translation>der Computer hat mit %1 Vorsprung gewonnen</translation>
    </message>
    <message>
        <source>a draw</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, a draw.</source>
        <translation>Runde vorbei: Ihre Punktzahl %1, die des Computers %2, unentschieden.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, you won by %3.</source>
        <translation>Runde vorbei: Ihre Punktzahl %1, die des Computers %2, Sie haben mit %3 Vorsprung gewonnen.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, the computer won by %3.</source>
        <translation>Runde vorbei: Ihre Punktzahl %1, die des Computers %2, der Computer hat mit %3 Vorsprung gewonnen.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>&apos;%1&apos; is too long for a player&apos;s name (at most %2 bytes); the player stays &apos;%3&apos;.</source>
        <translation>„%1“ ist zu lang für einen Spielernamen (höchstens %2 Bytes); Spieler bleibt „%3“.</translation>
    </message>
    <message>
        <source>&apos;LastUser&apos; cannot be a player&apos;s name; the player stays &apos;%1&apos;.</source>
        <translation>„LastUser“ kann kein Spielername sein; Spieler bleibt „%1“.</translation>
    </message>
    <message>
        <source>User changed to &apos;%1&apos;</source>
        <translation>Spieler gewechselt zu „%1“</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences cannot be saved in %1; they hold until the game quits.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden; sie gelten bis zum Beenden des Spiels.</translation>
    </message>
    <message>
        <source>The preferences cannot be saved; they hold until the game quits.</source>
        <translation>Die Einstellungen können nicht gespeichert werden; sie gelten bis zum Beenden des Spiels.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>&amp;Resume the kept board at launch</source>
        <translation>Aufbewahrtes Spielfeld beim Start &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Type through given letters</source>
        <translation>Vorgegebene Buchstaben &amp;mittippen</translation>
    </message>
    <message>
        <source>&amp;Ask before submitting a board with unfinished words</source>
        <translation>Vor dem Abgeben mit unfertigen Wörtern &amp;nachfragen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Word colours</source>
        <translation>Wortfarben</translation>
    </message>
    <message>
        <source>Standard (green and red)</source>
        <translation>Standard (Grün und Rot)</translation>
    </message>
    <message>
        <source>Colour-blind safe and high contrast (blue and orange)</source>
        <translation>Für Farbenblinde, kontrastreich (Blau und Orange)</translation>
    </message>
    <message>
        <source>Typing the blue letter the cursor just stepped over takes it as that letter, so a whole word can be typed as it reads</source>
        <translation>Wird der blaue Buchstabe getippt, den der Cursor gerade übersprungen hat, zählt er als dieser Buchstabe; so lässt sich ein ganzes Wort am Stück tippen</translation>
    </message>
    <message>
        <source>The daily board asks before its one scored submission whatever this says.</source>
        <translation>Beim Tagesrätsel wird vor der einen gewerteten Abgabe immer nachgefragt, unabhängig von dieser Einstellung.</translation>
    </message>
    <message>
        <source>&amp;Word colours:</source>
        <translation>&amp;Wortfarben:</translation>
    </message>
    <message>
        <source>Sixfold speaks the language chosen from its next launch.</source>
        <translation>Sixfold verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Sprache des Desktops (%1)</translation>
    </message>
    <message>
        <source>The menus, dialogs and messages; the words played stay English.</source>
        <translation>Menüs, Dialoge und Meldungen; die gespielten Wörter bleiben englisch.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>a word</source>
        <translation>ein Wort</translation>
    </message>
    <message>
        <source>not all six cells filled</source>
        <translation>nicht alle sechs Felder gefüllt</translation>
    </message>
    <message>
        <source>not a word</source>
        <translation>kein Wort</translation>
    </message>
    <message>
        <source>across</source>
        <comment>a word&apos;s direction</comment>
        <translation>waagerecht</translation>
    </message>
    <message>
        <source>down</source>
        <comment>a word&apos;s direction</comment>
        <translation>senkrecht</translation>
    </message>
    <message numerus="yes">
        <source>Word %1 (%2): %3 – %4, %n points.</source>
        <extracomment>%1 the word&apos;s number, %2 its direction, %3 its letters, %4 whether it is a word</extracomment>
        <translation>
            <numerusform>Wort %1 (%2): %3 – %4, %n Punkt.</numerusform>
            <numerusform>Wort %1 (%2): %3 – %4, %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 (rare)</source>
        <comment>a word that fitted, its score, and that it is rare</comment>
        <translation>%1 %2 (selten)</translation>
    </message>
    <message>
        <source>Best that fitted: %1.</source>
        <translation>Am besten gepasst hätte: %1.</translation>
    </message>
    <message>
        <source>Best that fitted: %1; also %2.</source>
        <translation>Am besten gepasst hätte: %1; außerdem %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s word: %1.</source>
        <translation>Wort des Computers: %1.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the best possible is unknown.</source>
        <translation>Sie %1, Computer %2; die bestmögliche Punktzahl ist unbekannt.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3, with common words %4.</source>
        <translation>Sie %1, Computer %2; möglich waren %3, mit gebräuchlichen Wörtern %4.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3.</source>
        <translation>Sie %1, Computer %2; möglich waren %3.</translation>
    </message>
</context>
<context>
    <name>RoundBoardView</name>
    <message>
        <source>Last round</source>
        <translation>Letzte Runde</translation>
    </message>
    <message>
        <source>No round yet: the last round you submit is redrawn here.</source>
        <translation>Noch keine Runde: Die Runde, die Sie zuletzt abgeben, wird hier gezeigt.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A word the player made and its score: &quot;GARDEN (12)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not a word)</source>
        <translation>%1 (kein Wort)</translation>
    </message>
    <message>
        <source>Your total %1, the computer&apos;s %2: %3. Your words: %4. The computer&apos;s words: %5.</source>
        <translation>Ihre Punktzahl %1, die des Computers %2: %3. Ihre Wörter: %4. Die Wörter des Computers: %5.</translation>
    </message>
    <message>
        <source>none fitted</source>
        <translation>keines passte</translation>
    </message>
    <message>
        <source>Yours: %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>The computer&apos;s: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Best possible: %1</source>
        <translation>Bestmöglich: %1</translation>
    </message>
    <message>
        <source>Best words</source>
        <translation>Beste Wörter</translation>
    </message>
    <message>
        <source>Best possible %1: %2.</source>
        <translation>Bestmöglich %1: %2.</translation>
    </message>
    <message>
        <source>Best words: %1.</source>
        <translation>Beste Wörter: %1.</translation>
    </message>
</context>
<context>
    <name>RoundReview</name>
    <message>
        <source>Round Review</source>
        <translation>Rundenrückblick</translation>
    </message>
    <message>
        <source>Submit a round to review it here.</source>
        <translation>Geben Sie eine Runde ab, um sie hier anzusehen.</translation>
    </message>
</context>
<context>
    <name>RoundReviewDialog</name>
    <message>
        <source>Round Review</source>
        <translation>Rundenrückblick</translation>
    </message>
    <message>
        <source>Round board</source>
        <translation>Spielfeld der Runde</translation>
    </message>
</context>
<context>
    <name>SharedResult</name>
    <message>
        <source>Sixfold %1</source>
        <comment>%1 names the board: a daily board or a board code</comment>
        <translation>Sixfold %1</translation>
    </message>
    <message>
        <source>%1 (practice)</source>
        <comment>a shared result&apos;s heading of a daily board played again</comment>
        <translation>%1 (Übung)</translation>
    </message>
    <message>
        <source>Me %1 · computer %2 · best possible %3</source>
        <translation>Ich %1 · Computer %2 · bestmöglich %3</translation>
    </message>
    <message>
        <source>Me %1 · computer %2</source>
        <translation>Ich %1 · Computer %2</translation>
    </message>
    <message>
        <source>%1/%2 words</source>
        <comment>words made out of the board&apos;s words</comment>
        <translation>%1/%2 Wörter</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source> or </source>
        <extracomment>Between two keys that do the same, spaces included.</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <source>a letter</source>
        <extracomment>Any letter key, typed into a cell of the board.</extracomment>
        <translation>ein Buchstabe</translation>
    </message>
    <message>
        <source>fills the cell and moves on along the word</source>
        <translation>füllt das Feld und geht im Wort weiter</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>empties the cell and steps back</source>
        <translation>leert das Feld und geht zurück</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>moves on along the word; from its last cell, to the next word&apos;s first empty cell, and after the last word on to Check All Words; elsewhere, on to the next control</source>
        <translation>geht im Wort weiter; vom letzten Feld zum ersten leeren Feld des nächsten Wortes und nach dem letzten Wort zu „Alle Wörter prüfen“; anderswo zum nächsten Bedienelement</translation>
    </message>
    <message>
        <source>Shift+Tab</source>
        <translation>Umschalt+Tab</translation>
    </message>
    <message>
        <source>to the previous word&apos;s first empty cell, and from the first word out of the board; elsewhere, back to the control before</source>
        <translation>zum ersten leeren Feld des vorigen Wortes und vom ersten Wort aus dem Spielfeld hinaus; anderswo zurück zum vorigen Bedienelement</translation>
    </message>
    <message>
        <source>arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>jump to the nearest cell in that direction</source>
        <translation>springen zum nächsten Feld in dieser Richtung</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Alle Wörter prüfen</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Words: the board as a list of its words, each read aloud and typed whole</source>
        <translation>Wörter: das Spielfeld als Liste seiner Wörter, jedes vorgelesen und am Stück getippt</translation>
    </message>
    <message>
        <source>Hint: one letter of a common word for the word the cursor is in</source>
        <translation>Tipp: ein Buchstabe eines gebräuchlichen Wortes für das Wort, in dem der Cursor steht</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Daily Board: today&apos;s board, the same for everyone</source>
        <translation>Tagesrätsel: das heutige Spielfeld, für alle gleich</translation>
    </message>
    <message>
        <source>Resume Previous Board (again: back to the board before)</source>
        <translation>Vorheriges Spielfeld fortsetzen (erneut: zurück zum Spielfeld davor)</translation>
    </message>
    <message>
        <source>Round Review: the last round slot by slot, and the best words each slot allowed</source>
        <translation>Rundenrückblick: die letzte Runde Wortplatz für Wortplatz und die besten Wörter, die jeder Wortplatz zuließ</translation>
    </message>
    <message>
        <source>Statistics: the history of your rounds</source>
        <translation>Statistik: der Verlauf Ihrer Runden</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Zoom In: the whole window larger, up to 200 %</source>
        <translation>Vergrößern: das ganze Fenster größer, bis 200 %</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Look Up a Word: to the word field</source>
        <extracomment>The words before the colon are the word field&apos;s name in its tooltip.</extracomment>
        <translation>Wort nachschlagen: ins Wortfeld</translation>
    </message>
    <message>
        <source>Return in the word field</source>
        <translation>Return im Wortfeld</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Wort prüfen</translation>
    </message>
    <message>
        <source>Change Player: to the name field</source>
        <extracomment>The words before the colon are the name field&apos;s name in its tooltip.</extracomment>
        <translation>Spieler wechseln: ins Namensfeld</translation>
    </message>
    <message>
        <source>Return in the name field</source>
        <translation>Return im Namensfeld</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Spieler wechseln</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>closes the Words, Statistics, Preferences or help window</source>
        <translation>schließt das Fenster Wörter, Statistik, Einstellungen oder Hilfe</translation>
    </message>
    <message>
        <source>How to Play: the goal and the rules</source>
        <translation>Spielanleitung: Ziel und Regeln</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A control&apos;s tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>SlotWords</name>
    <message>
        <source>%1 does not fit: the 1st letter is given as %2.</source>
        <translation>%1 passt nicht: Der 1. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 2nd letter is given as %2.</source>
        <translation>%1 passt nicht: Der 2. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 3rd letter is given as %2.</source>
        <translation>%1 passt nicht: Der 3. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 4th letter is given as %2.</source>
        <translation>%1 passt nicht: Der 4. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 5th letter is given as %2.</source>
        <translation>%1 passt nicht: Der 5. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 6th letter is given as %2.</source>
        <translation>%1 passt nicht: Der 6. Buchstabe ist als %2 vorgegeben.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a spoken list&apos;s last item, after the others</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, given %2</source>
        <comment>a word&apos;s letters read out, then its given letters</comment>
        <translation>%1, vorgegeben %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; a word, %n points</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>
            <numerusform>%1; ein Wort, %n Punkt</numerusform>
            <numerusform>%1; ein Wort, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1; ein Wort</translation>
    </message>
    <message>
        <source>%1; not a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1; kein Wort</translation>
    </message>
    <message>
        <source>There is no board to type a word into.</source>
        <translation>Es gibt kein Spielfeld, in das sich ein Wort tippen ließe.</translation>
    </message>
    <message>
        <source>Type a word of %1 letters for %2.</source>
        <translation>Tippen Sie ein Wort mit %1 Buchstaben für %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: a word is letters from A to Z only.</source>
        <translation>%1 passt nicht: Ein Wort besteht nur aus Buchstaben von A bis Z.</translation>
    </message>
    <message>
        <source>%1 does not fit: %2 has %3 letters, not %4.</source>
        <translation>%1 passt nicht: %2 hat %3 Buchstaben, nicht %4.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>The stored statistics of %1 held no readable value under %2; replaced with the current figures.
</source>
        <translation>Die gespeicherte Statistik von %1 enthielt unter %2 keinen lesbaren Wert; durch die aktuellen Zahlen ersetzt.
</translation>
    </message>
    <message>
        <source>You appear to be a new user, welcome!
</source>
        <translation>Sie sind offenbar ein neuer Spieler, willkommen!
</translation>
    </message>
    <message>
        <source>Stats for %1:</source>
        <translation>Statistik für %1:</translation>
    </message>
    <message>
        <source>Average Score: %1</source>
        <translation>Punktzahl im Schnitt: %1</translation>
    </message>
    <message>
        <source>Average Valid Words Per Puzzle: %1</source>
        <translation>Gültige Wörter pro Rätsel: %1</translation>
    </message>
    <message>
        <source>Average Word Score: %1</source>
        <translation>Punkte pro Wort: %1</translation>
    </message>
    <message>
        <source>Total Puzzle Submissions: %1</source>
        <translation>Abgegebene Rätsel insgesamt: %1</translation>
    </message>
    <message>
        <source>Total Words Made: %1</source>
        <translation>Gebildete Wörter insgesamt: %1</translation>
    </message>
    <message>
        <source>Computer Average: %1</source>
        <translation>Computer im Schnitt: %1</translation>
    </message>
    <message numerus="yes">
        <source>Best Word: &apos;%1&apos;, %n points</source>
        <translation>
            <numerusform>Bestes Wort: „%1“, %n Punkt</numerusform>
            <numerusform>Bestes Wort: „%1“, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Best Round Score: %1</source>
        <translation>Rundenrekord: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>&amp;All rounds</source>
        <translation>&amp;Alle Runden</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Score per round</source>
        <translation>Punkte pro Runde</translation>
    </message>
    <message>
        <source>Distribution of your round scores</source>
        <translation>Verteilung Ihrer Rundenpunktzahlen</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rückblick</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Show all rounds</source>
        <translation>Alle Runden zeigen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Rounds won, drawn and lost</source>
        <translation>Gewonnene, unentschiedene und verlorene Runden</translation>
    </message>
    <message>
        <source>Your best words</source>
        <translation>Ihre besten Wörter</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt am</translation>
    </message>
    <message>
        <source>Last round</source>
        <translation>Letzte Runde</translation>
    </message>
    <message>
        <source>Round to review</source>
        <translation>Runde für den Rückblick</translation>
    </message>
    <message>
        <source>Round </source>
        <extracomment>Before the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation>Runde </translation>
    </message>
    <message>
        <source>Round –</source>
        <extracomment>The round chooser while it has no round to offer.</extracomment>
        <translation>Runde –</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Verlauf wird gelesen…</translation>
    </message>
    <message>
        <source>Review the chosen round</source>
        <translation>Gewählte Runde im Rückblick zeigen</translation>
    </message>
    <message>
        <source>#%1 %2 to %3</source>
        <extracomment>A daily result: the daily board&apos;s number, the player&apos;s score, the computer&apos;s: &quot;#2 25 to 20&quot;.</extracomment>
        <translation>Nr. %1 (%2 zu %3)</translation>
    </message>
    <message>
        <source>Daily results: %1. Days in a row: %2 now, %3 at most. Latest: %4.</source>
        <translation>Tagesergebnisse: %1. Tage in Folge: jetzt %2, bisher höchstens %3. Zuletzt: %4.</translation>
    </message>
    <message>
        <source>Won %1, drawn %2, lost %3 against the computer. Rounds won in a row: %4 now, %5 at most.</source>
        <translation>Gegen den Computer %1 gewonnen, %2 unentschieden, %3 verloren. Siege in Folge: jetzt %4, bisher höchstens %5.</translation>
    </message>
    <message>
        <source>No rounds yet: rounds won, drawn and lost against the computer show here once you submit a round.</source>
        <translation>Noch keine Runden: Gewonnene, unentschiedene und verlorene Runden gegen den Computer erscheinen hier, sobald Sie eine Runde abgeben.</translation>
    </message>
    <message>
        <source>Your best words: your ten best, with their scores, show here once you submit a round</source>
        <translation>Ihre besten Wörter: Ihre zehn besten samt Punkten erscheinen hier, sobald Sie eine Runde abgeben</translation>
    </message>
    <message>
        <source>Your round scores&lt;br&gt;How often you scored what&lt;br&gt;shows here once you submit a round</source>
        <translation>Ihre Rundenpunktzahlen&lt;br&gt;Wie oft Sie welche Punktzahl erreicht haben,&lt;br&gt;erscheint hier, sobald Sie eine Runde abgeben</translation>
    </message>
    <message>
        <source>Your round scores</source>
        <translation>Ihre Rundenpunktzahlen</translation>
    </message>
    <message>
        <source>No rounds yet.</source>
        <translation>Noch keine Runden.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of round scores: &quot;10 to 11&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>No round yet</source>
        <translation>Noch keine Runde</translation>
    </message>
    <message>
        <source> of %1</source>
        <extracomment>After the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation> von %1</translation>
    </message>
    <message>
        <source>Score per round&lt;br&gt;Your scores and the computer&apos;s&lt;br&gt;show here once you submit a round</source>
        <translation>Punkte pro Runde&lt;br&gt;Ihre Punktzahlen und die des Computers&lt;br&gt;erscheinen hier, sobald Sie eine Runde abgeben</translation>
    </message>
    <message>
        <source>Rounds %1 to %2 shown. Your average %3, best %4. The computer&apos;s average %5, best %6.</source>
        <translation>Runden %1 bis %2 gezeigt. Ihr Schnitt %3, Bestwert %4. Schnitt des Computers %5, Bestwert %6.</translation>
    </message>
    <message>
        <source>Export rounds</source>
        <translation>Runden exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message>
        <source>Wrote 1 round to %1</source>
        <translation>1 Runde nach %1 geschrieben</translation>
    </message>
    <message>
        <source>The rounds could not be written: %1</source>
        <translation>Die Runden konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of round scores under a bar of the chart: &quot;10–11&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Round score</source>
        <translation>Rundenpunktzahl</translation>
    </message>
    <message>
        <source>Your statistics cannot be shown:%1%2.</source>
        <extracomment>%1 is a space or a line break, %2 why the history could not be read.</extracomment>
        <translation>Ihre Statistik kann nicht angezeigt werden:%1%2.</translation>
    </message>
    <message numerus="yes">
        <source>Hints taken in your last %n rounds: %1.</source>
        <translation>
            <numerusform>Genutzte Tipps (letzte %n Runde): %1.</numerusform>
            <numerusform>Genutzte Tipps in Ihren letzten %n Runden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds in all; the most, %1, scored %2.</source>
        <translation>
            <numerusform>%n Runde insgesamt; am häufigsten (%1-mal) erzielt: %2.</numerusform>
            <numerusform>%n Runden insgesamt; am häufigsten (%1-mal) erzielt: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score per round&lt;br&gt;Each point: the mean of %n rounds</source>
        <translation>
            <numerusform>Punkte pro Runde&lt;br&gt;Jeder Datenpunkt: Mittel aus %n Runde</numerusform>
            <numerusform>Punkte pro Runde&lt;br&gt;Jeder Datenpunkt: Mittel aus %n Runden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each point is the mean of %n rounds.</source>
        <translation>
            <numerusform>Jeder Datenpunkt ist das Mittel aus %n Runde.</numerusform>
            <numerusform>Jeder Datenpunkt ist das Mittel aus %n Runden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n rounds to %1</source>
        <translation>
            <numerusform>%n Runde nach %1 geschrieben</numerusform>
            <numerusform>%n Runden nach %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Hints taken in your one round: %1.</source>
        <translation>Genutzte Tipps in Ihrer einzigen Runde: %1.</translation>
    </message>
    <message>
        <source>1 round in all, which scored %1.</source>
        <translation>1 Runde insgesamt; sie erzielte %1.</translation>
    </message>
</context>
<context>
    <name>Submit</name>
    <message>
        <source>Computer Words for Previous Puzzle: 
</source>
        <translation>Wörter des Computers für das vorige Rätsel: 
</translation>
    </message>
    <message>
        <source>The computer&apos;s words: %1.</source>
        <translation>Wörter des Computers: %1.</translation>
    </message>
</context>
<context>
    <name>SubmitQuestion</name>
    <message>
        <source>1 of %1 words is unfinished. Submit anyway?</source>
        <extracomment>%1 is the number of words on the board, all of them.</extracomment>
        <translation>1 von %1 Wörtern ist unfertig. Trotzdem abgeben?</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 words are unfinished. Submit anyway?</source>
        <translation>
            <numerusform>%n von %1 Wörtern ist unfertig. Trotzdem abgeben?</numerusform>
            <numerusform>%n von %1 Wörtern sind unfertig. Trotzdem abgeben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Submit Unfinished Board</source>
        <translation>Unfertiges Spielfeld abgeben</translation>
    </message>
    <message>
        <source>This is your one scored submission of Daily #%1.</source>
        <translation>Dies ist Ihre einzige gewertete Abgabe für Tagesrätsel Nr. %1.</translation>
    </message>
    <message>
        <source>&amp;Submit Anyway</source>
        <translation>&amp;Trotzdem abgeben</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask again</source>
        <translation>&amp;Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>UserDefaultsStore</name>
    <message>
        <source>The saved statistics in %1 cannot be read (%2); they are left as they are and play goes on without saving.
</source>
        <translation>Die gespeicherte Statistik in %1 kann nicht gelesen werden (%2); sie bleibt unverändert, und es wird ohne Speichern weitergespielt.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read, nor moved aside; they are left as they are and play goes on without saving.
</source>
        <translation>Die gespeicherte Statistik in %1 ließ sich weder lesen noch beiseitelegen; sie bleibt unverändert, und es wird ohne Speichern weitergespielt.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.
</source>
        <translation>Die gespeicherte Statistik in %1 ließ sich nicht lesen; sie wurde nach %2 verschoben, und es geht mit leerer Statistik weiter.
</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in %1; play goes on without saving.
</source>
        <translation>Die Statistik kann nicht in %1 gespeichert werden; es wird ohne Speichern weitergespielt.
</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader hears it, after its caption: &quot;Your score: 12&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message numerus="yes">
        <source>The word list has %n line(s) longer than six letters; they were skipped.
</source>
        <translation>
            <numerusform>Die Wortliste hat %n Zeile mit mehr als sechs Buchstaben; sie wurde übersprungen.
</numerusform>
            <numerusform>Die Wortliste hat %n Zeilen mit mehr als sechs Buchstaben; sie wurden übersprungen.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list holds more than %1 words; %n line(s) were not stored.
</source>
        <translation>
            <numerusform>Die Wortliste enthält mehr als %1 Wörter; %n Zeile wurde nicht gespeichert.
</numerusform>
            <numerusform>Die Wortliste enthält mehr als %1 Wörter; %n Zeilen wurden nicht gespeichert.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Null list.
</source>
        <translation>Keine Liste.
</translation>
    </message>
    <message>
        <source>The word list %1 cannot be read (%2).
</source>
        <translation>Die Wortliste %1 kann nicht gelesen werden (%2).
</translation>
    </message>
    <message>
        <source>The word list %1 is missing.
</source>
        <translation>Die Wortliste %1 fehlt.
</translation>
    </message>
    <message>
        <source>The word list %1 is empty.
</source>
        <translation>Die Wortliste %1 ist leer.
</translation>
    </message>
    <message>
        <source>The word list %1 holds no six-letter word.
</source>
        <translation>Die Wortliste %1 enthält kein Wort mit sechs Buchstaben.
</translation>
    </message>
</context>
<context>
    <name>WordView</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Type a word for a slot and press Return; Up and Down move between the slots, Escape goes back to the board.</source>
        <translation>Tippen Sie ein Wort für einen Wortplatz und drücken Sie Return; Hoch und Herunter wechseln den Wortplatz, Esc führt zurück zum Spielfeld.</translation>
    </message>
    <message>
        <source>Type the word</source>
        <translation>Wort eintippen</translation>
    </message>
    <message>
        <source>Back to the Board</source>
        <translation>Zurück zum Spielfeld</translation>
    </message>
    <message>
        <source>A word of %1 letters for %2; Return puts it on the board.</source>
        <translation>Ein Wort mit %1 Buchstaben für %2; Return setzt es aufs Spielfeld.</translation>
    </message>
    <message>
        <source>Escape</source>
        <comment>the key that goes back to the board</comment>
        <translation>Esc</translation>
    </message>
</context>
</TS>
