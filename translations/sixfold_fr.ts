<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sixfold — Daily #%1</source>
        <translation>Sixfold — Grille du jour n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Sixfold</source>
        <translation>Sixfold</translation>
    </message>
    <message numerus="yes">
        <source>Checked: %n of %1 slots are words, your score %2.</source>
        <extracomment>%n of the board&apos;s %1 slots; %2 is the score.</extracomment>
        <translation>
            <numerusform>Vérifié&#xa0;: %n emplacement sur %1 est un mot, votre score %2.</numerusform>
            <numerusform>Vérifié&#xa0;: %n emplacements sur %1 sont des mots, votre score %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>A new puzzle is dealt.</source>
        <translation>Une nouvelle grille est tirée.</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 and %2</source>
        <comment>two word names, such as 1 across and 2 down</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 across</source>
        <extracomment>a word of the board by its number, such as &quot;1 across&quot;</extracomment>
        <translation>%1 horizontal</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 vertical</translation>
    </message>
    <message>
        <source>given</source>
        <comment>a cell whose letter is given</comment>
        <translation>donnée</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a cell with no letter yet</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2 letters</source>
        <translation>%1, %2 lettres</translation>
    </message>
    <message>
        <source>%1, %2 letters, the first given</source>
        <translation>%1, %2 lettres, la première donnée</translation>
    </message>
    <message>
        <source>letter</source>
        <comment>a cell holding a letter the player typed</comment>
        <translation>lettre</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <comment>a cell&apos;s row and column, then the words through it</comment>
        <translation>%1, dans %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a word, then the cell it starts at</comment>
        <translation>%1 depuis la %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a given letter, then its cell</comment>
        <translation>%1 à la %2</translation>
    </message>
    <message>
        <source>%1 words of %2 letters: %3. Given letters: %4.</source>
        <translation>%1 mots de %2 lettres&#xa0;: %3. Lettres données&#xa0;: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n points</source>
        <extracomment>A word&apos;s points label as a screen reader hears it: &quot;1 across: 8 points&quot;.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n point</numerusform>
            <numerusform>%1&#xa0;: %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle board. %1</source>
        <extracomment>The board&apos;s name for a screen reader, followed by what the board holds.</extracomment>
        <translation>Grille de jeu. %1</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>A word&apos;s points on its last cell: &quot;8 for 1 across&quot; (8 points for the word 1 across).</extracomment>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>Checked: part of a word</source>
        <translation>Vérifiée&#xa0;: fait partie d&apos;un mot</translation>
    </message>
    <message>
        <source>Checked: not part of a word</source>
        <translation>Vérifiée&#xa0;: ne fait partie d&apos;aucun mot</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <extracomment>A cell&apos;s points as a screen reader hears them; %1 is one or two &quot;8 for 1 across&quot;.</extracomment>
        <translation>Points&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code is fifteen characters from 2-9 and A-Z without I, L and O, such as 3STAD-KW9V7-42TMU.</source>
        <translation>Un code de grille compte quinze caractères parmi 2-9 et A-Z sans I, L ni O, par exemple 3STAD-KW9V7-42TMU.</translation>
    </message>
    <message>
        <source>That board code has a typo: its check character does not match the rest.</source>
        <translation>Ce code de grille contient une faute de frappe&#xa0;: son caractère de contrôle ne correspond pas au reste.</translation>
    </message>
    <message>
        <source>That board code was dealt from another word list, so this game cannot deal the same board.</source>
        <translation>Ce code de grille a été tiré d&apos;une autre liste de mots&#xa0;; ce jeu ne peut donc pas tirer la même grille.</translation>
    </message>
    <message>
        <source>A ten-character board code is read only with the word list the game ships, and this one differs; ask for the fifteen-character code.</source>
        <translation>Un code de grille de dix caractères ne se lit qu&apos;avec la liste de mots fournie avec le jeu, et celle-ci est différente&#xa0;; demandez le code de quinze caractères.</translation>
    </message>
    <message>
        <source>Play Board Code</source>
        <translation>Jouer un code de grille</translation>
    </message>
    <message>
        <source>Board code (fifteen characters, such as a friend&apos;s from Copy Board Code):</source>
        <extracomment>&quot;Copy Board Code&quot; is the Game menu&apos;s item as it reads.</extracomment>
        <translation>Code de grille (quinze caractères, par exemple celui d&apos;un ami obtenu par Copier le code de grille)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>BoardKeeper</name>
    <message>
        <source>This board was submitted already, in another game; it is not scored again.
</source>
        <translation>Cette grille a déjà été validée, dans une autre instance du jeu&#xa0;; elle n&apos;est pas comptée à nouveau.
</translation>
    </message>
    <message>
        <source>A board left unfinished is kept: Ctrl+R (Game &gt; Resume Previous Board) brings it back.
</source>
        <translation>Une grille laissée inachevée est conservée&#xa0;: Ctrl+R (Jeu &gt; Reprendre la grille précédente) la fait revenir.
</translation>
    </message>
    <message>
        <source>No board is kept to resume.
</source>
        <translation>Aucune grille n&apos;est conservée pour être reprise.
</translation>
    </message>
    <message>
        <source>The kept board was submitted in another game, so it is not resumed.
</source>
        <translation>La grille conservée a été validée dans une autre instance du jeu&#xa0;; elle n&apos;est donc pas reprise.
</translation>
    </message>
    <message>
        <source>This board was submitted in another game; it is no longer kept and is not scored again.
</source>
        <translation>Cette grille a été validée dans une autre instance du jeu&#xa0;; elle n&apos;est plus conservée et n&apos;est pas comptée à nouveau.
</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un mot.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a word.
</source>
        <translation>«&#xa0;%1&#xa0;» est un mot.
</translation>
    </message>
    <message>
        <source>New best word!
</source>
        <translation>Nouveau meilleur mot&#xa0;!
</translation>
    </message>
    <message>
        <source>New best word: %1!</source>
        <translation>Nouveau meilleur mot&#xa0;: %1&#xa0;!</translation>
    </message>
    <message>
        <source>New best round score!
</source>
        <translation>Nouveau meilleur score de manche&#xa0;!
</translation>
    </message>
    <message>
        <source>New best round score: %1!</source>
        <translation>Nouveau meilleur score de manche&#xa0;: %1&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CheckWord</name>
    <message>
        <source>&apos;%1&apos; is a word
</source>
        <translation>«&#xa0;%1&#xa0;» est un mot
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un mot.
</translation>
    </message>
    <message>
        <source>%1 is a word.</source>
        <translation>%1 est un mot.</translation>
    </message>
    <message>
        <source>%1 is not a word.</source>
        <translation>%1 n&apos;est pas un mot.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4.</source>
        <comment>the verdict, then the term, its part of speech and its first sense</comment>
        <translation>%1 %2, %3&#xa0;: %4.</translation>
    </message>
</context>
<context>
    <name>Daily</name>
    <message>
        <source>There is no daily board before Daily #1, the board of %1 (UTC).</source>
        <translation>Il n&apos;y a pas de grille du jour avant la grille du jour n°&#xa0;1, celle du %1 (UTC).</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Grille du jour n°&#xa0;%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The day&apos;s date, as QDate writes it: &quot;d. MMMM yyyy&quot; in German.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>DailyLine</name>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>No daily board yet
Daily #1 in %1</source>
        <translation>Pas encore de grille du jour
Grille du jour n°&#xa0;1 dans %1</translation>
    </message>
    <message>
        <source>today&apos;s result is in</source>
        <translation>résultat du jour enregistré</translation>
    </message>
    <message>
        <source>today&apos;s board to play</source>
        <translation>à jouer aujourd&apos;hui</translation>
    </message>
    <message>
        <source>no streak</source>
        <translation>pas de série</translation>
    </message>
    <message>
        <source>streak 1 day</source>
        <translation>série de 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>streak %n days</source>
        <translation>
            <numerusform>série de %n jour</numerusform>
            <numerusform>série de %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>next in %1</source>
        <translation>suivante dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>%1 (looked for %2)</source>
        <comment>a dictionary source, then where it was looked for</comment>
        <translation>%1 (chemin&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Hunspell&apos;s en_US</source>
        <translation>les fichiers en_US de Hunspell</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two files</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the function words</source>
        <translation>les mots grammaticaux</translation>
    </message>
    <message>
        <source>the list words</source>
        <translation>les mots des listes</translation>
    </message>
    <message>
        <source>the list names</source>
        <translation>les noms des listes</translation>
    </message>
    <message>
        <source>The English dictionary lacks %1; words are judged by its other sources.
</source>
        <translation>Il manque au dictionnaire anglais %1&#xa0;; les mots sont jugés par ses autres sources.
</translation>
    </message>
    <message>
        <source>The English dictionary could not be opened: it lacks %1. No word can be judged, so no round can be submitted.
</source>
        <translation>Le dictionnaire anglais n&apos;a pas pu être ouvert&#xa0;: il lui manque %1. Aucun mot ne peut être jugé, donc aucune manche ne peut être validée.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The word list cannot make a puzzle, so the board stays empty.
</source>
        <translation>La liste de mots ne permet pas de former une grille&#xa0;; la grille reste donc vide.
</translation>
    </message>
    <message>
        <source>Board %1 dealt.</source>
        <translation>Grille %1 tirée.</translation>
    </message>
    <message>
        <source>%1 needs a board, and the word list cannot make one.
</source>
        <comment>%1 is a menu action</comment>
        <translation>«&#xa0;%1&#xa0;» demande une grille, et la liste de mots ne peut pas en former une.
</translation>
    </message>
    <message>
        <source>Daily #%1: you have played it today already, so this round is practice.
</source>
        <translation>Grille du jour n°&#xa0;%1&#xa0;: vous l&apos;avez déjà jouée aujourd&apos;hui, cette manche est donc un entraînement.
</translation>
    </message>
    <message>
        <source>Daily #%1: your first submission of it is today&apos;s result.
</source>
        <translation>Grille du jour n°&#xa0;%1&#xa0;: votre première validation est le résultat du jour.
</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>a menu action</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>This round is not submitted: no word can be judged without the English dictionary.
</source>
        <translation>Cette manche n&apos;est pas validée&#xa0;: aucun mot ne peut être jugé sans le dictionnaire anglais.
</translation>
    </message>
    <message>
        <source>With common words %1.</source>
        <comment>the best possible score with common words only</comment>
        <translation>Avec des mots courants, %1.</translation>
    </message>
    <message>
        <source>Ctrl+E: review.</source>
        <translation>Ctrl+E&#xa0;: bilan.</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>a menu action</extracomment>
        <translation>Indice</translation>
    </message>
    <message>
        <source>This board came back from the kept one, which keeps no code; a dealt board has one.
</source>
        <translation>Cette grille a été reprise de la grille conservée, qui ne garde pas de code&#xa0;; une grille tirée en a un.
</translation>
    </message>
    <message>
        <source>Board code %1 copied.
</source>
        <translation>Code de grille %1 copié.
</translation>
    </message>
    <message>
        <source>Board code copied: %1.</source>
        <translation>Code de grille copié&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Result copied:
%1</source>
        <translation>Résultat copié&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <translation>Résultat copié.</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <extracomment>a menu action</extracomment>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>There is no result to copy yet: Copy Result shares the last round you submitted.
</source>
        <translation>Il n&apos;y a pas encore de résultat à copier&#xa0;: Copier le résultat partage la dernière manche que vous avez validée.
</translation>
    </message>
    <message>
        <source>You have a result for Daily #%1 already; this round was practice.
</source>
        <translation>Vous avez déjà un résultat pour la grille du jour n°&#xa0;%1&#xa0;; cette manche était un entraînement.
</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Grille du jour</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Vérifier tous les mots</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>button: close the How to Play card and play</comment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Return, Space or Escape closes this card; Help ▸ How to Play shows it again.</source>
        <extracomment>&quot;Help ▸ How to Play&quot; names the menu and its item as they read.</extracomment>
        <translation>Retour, Espace ou Échap ferme cette fiche&#xa0;; Aide ▸ Comment jouer l&apos;affiche à nouveau.</translation>
    </message>
    <message>
        <source>About Sixfold</source>
        <translation>À propos de Sixfold</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The goal:&lt;/b&gt; fill the grey cells so that each of the five slots (across, down, across, down, across) reads as an English word. A word scores the sum of its letters&apos; values; beat the computer&apos;s score for its own five words.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Typing:&lt;/b&gt; type only the empty cells; the cursor steps over the blue given letters. To type whole words, given letters included, turn on &lt;i&gt;Type through given letters&lt;/i&gt; in Game &amp;#9656; Preferences. &lt;b&gt;Backspace&lt;/b&gt; empties a cell and steps back; &lt;b&gt;Tab&lt;/b&gt; moves on; the &lt;b&gt;arrow keys&lt;/b&gt; jump to the nearest cell that way. &lt;b&gt;Words&lt;/b&gt; (Ctrl+W) lists the five words, to hear them read or type each one whole.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Check All Words&lt;/b&gt; (Ctrl+K) marks each word as a word or not and shows your score, as often as you like. &lt;b&gt;Submit&lt;/b&gt; (Ctrl+Return) ends the round: it goes into your statistics, the computer&apos;s words are listed and a new puzzle is dealt.&lt;/p&gt;&lt;p&gt;Stuck? &lt;b&gt;Hint&lt;/b&gt; (Ctrl+I) fills one letter of a common word into the word the cursor is in; the round counts its hints.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Game &amp;#9656; Round Review&lt;/b&gt; (Ctrl+E) sets your last round beside the best words that fitted.&lt;/p&gt;&lt;p&gt;Also in the Game menu: New Puzzle (Ctrl+N), the Daily Board (Ctrl+D, the same for everyone; your first submission of it is the day&apos;s result), board codes to share a board, Copy Result and Statistics. Type a word and press Return to look it up; type a name and press Return to change player.&lt;/p&gt;</source>
        <extracomment>Rich text. Keep the letter values line as it is (the letters are the English words&apos; own); name the buttons, menus and the preference as they read in this language, and the keys as the desktop writes them in it (Ctrl may be Strg).</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Le but&#xa0;:&lt;/b&gt; remplir les cases grises pour que chacun des cinq emplacements (horizontal, vertical, horizontal, vertical, horizontal) forme un mot anglais. Un mot rapporte la somme des valeurs de ses lettres&#xa0;; battez le score que l&apos;ordinateur fait avec ses propres cinq mots.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Saisie&#xa0;:&lt;/b&gt; tapez seulement les cases vides&#xa0;; le curseur saute les lettres données, en bleu. Pour taper des mots entiers, lettres données comprises, activez &lt;i&gt;Saisir aussi les lettres données&lt;/i&gt; dans Jeu &amp;#9656; Préférences. &lt;b&gt;Effacement&lt;/b&gt; vide une case et recule&#xa0;; &lt;b&gt;Tab&lt;/b&gt; avance&#xa0;; les &lt;b&gt;touches fléchées&lt;/b&gt; sautent à la case la plus proche dans ce sens. &lt;b&gt;Mots&lt;/b&gt; (Ctrl+W) liste les cinq mots, pour les entendre lus ou taper chacun en entier.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Vérifier tous les mots&lt;/b&gt; (Ctrl+K) indique pour chaque mot s&apos;il en est un ou non et affiche votre score, aussi souvent que vous le voulez. &lt;b&gt;Valider&lt;/b&gt; (Ctrl+Retour) termine la manche&#xa0;: elle entre dans vos statistiques, les mots de l&apos;ordinateur sont listés et une nouvelle grille est tirée.&lt;/p&gt;&lt;p&gt;Bloqué&#xa0;? &lt;b&gt;Indice&lt;/b&gt; (Ctrl+I) place une lettre d&apos;un mot courant dans le mot où se trouve le curseur&#xa0;; la manche compte ses indices.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Jeu &amp;#9656; Bilan de la manche&lt;/b&gt; (Ctrl+E) met votre dernière manche en regard des meilleurs mots qui convenaient.&lt;/p&gt;&lt;p&gt;Aussi dans le menu Jeu&#xa0;: Nouvelle grille (Ctrl+N), la Grille du jour (Ctrl+D, la même pour tous&#xa0;; votre première validation est le résultat du jour), les codes de grille pour partager une grille, Copier le résultat et Statistiques. Tapez un mot et appuyez sur Retour pour le chercher&#xa0;; tapez un nom et appuyez sur Retour pour changer de joueur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A word puzzle of five crossing words.&lt;/p&gt;&lt;p&gt;Sixfold is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The word lists are derived from SCOWL (Kevin Atkinson and contributors); words are judged with WordNet 3.0 (Princeton University) and Hunspell&apos;s en_US dictionary. Their licences allow use and redistribution with their notices, which are in %2.&lt;/p&gt;</source>
        <extracomment>Rich text. %1 is the version; %2 is the path of the file of licence notices.</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Un jeu de lettres de cinq mots croisés.&lt;/p&gt;&lt;p&gt;Sixfold est un logiciel libre&#xa0;: vous pouvez le redistribuer et le modifier selon les termes de la Licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;Les listes de mots sont dérivées de SCOWL (Kevin Atkinson et contributeurs)&#xa0;; les mots sont jugés avec WordNet 3.0 (Université de Princeton) et le dictionnaire en_US de Hunspell. Leurs licences en permettent l&apos;utilisation et la redistribution avec leurs mentions, qui se trouvent dans %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Every cell is filled: a hint fills an empty cell.</source>
        <translation>Toutes les cases sont remplies&#xa0;: un indice remplit une case vide.</translation>
    </message>
    <message>
        <source>This word has no empty cell: a hint fills an empty cell of the word the cursor is in.</source>
        <translation>Ce mot n&apos;a aucune case vide&#xa0;: un indice remplit une case vide du mot où se trouve le curseur.</translation>
    </message>
    <message>
        <source>No common word fits %1.</source>
        <comment>%1 spells the word&apos;s letters, an underscore for each empty cell</comment>
        <translation>Aucun mot courant ne correspond à %1.</translation>
    </message>
    <message>
        <source>Hint: %1 in row %2, column %3.</source>
        <translation>Indice&#xa0;: %1 en ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>1 hint</source>
        <translation>1 indice</translation>
    </message>
    <message numerus="yes">
        <source>%n hints</source>
        <translation>
            <numerusform>%n indice</numerusform>
            <numerusform>%n indices</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hint taken.</source>
        <translation>1 indice pris.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken.</source>
        <translation>
            <numerusform>%n indice pris.</numerusform>
            <numerusform>%n indices pris.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history and its statistics are unavailable: %1</source>
        <extracomment>%1 is why the module cannot be loaded, as the system says it.</extracomment>
        <translation>L&apos;historique et ses statistiques sont indisponibles&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the history cannot be read</source>
        <translation>l&apos;historique ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>il est endommagé et n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins.
</source>
        <translation>L&apos;historique %1 était endommagé&#xa0;; il est conservé sous %2 et un nouvel historique commence.
</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the 1 round that could still be read from it.
</source>
        <translation>L&apos;historique %1 était endommagé&#xa0;; il est conservé sous %2 et un nouvel historique commence avec la seule manche qui pouvait encore y être lue.
</translation>
    </message>
    <message numerus="yes">
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the %n rounds that could still be read from it.
</source>
        <translation>
            <numerusform>L&apos;historique %1 était endommagé&#xa0;; il est conservé sous %2 et un nouvel historique commence avec %n manche qui pouvait encore y être lue.
</numerusform>
            <numerusform>L&apos;historique %1 était endommagé&#xa0;; il est conservé sous %2 et un nouvel historique commence avec les %n manches qui pouvaient encore y être lues.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The history %1 is in use by another program (%2).
</source>
        <translation>L&apos;historique %1 est utilisé par un autre programme (%2).
</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2).
</source>
        <translation>L&apos;historique %1 ne peut pas être lu (%2).
</translation>
    </message>
    <message>
        <source>Rounds are not recorded until the next start: the history %1 failed (%2).
</source>
        <translation>Les manches ne sont pas enregistrées jusqu&apos;au prochain lancement&#xa0;: l&apos;historique %1 a échoué (%2).
</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>schema version %1 is newer than this game&apos;s %2</source>
        <translation>la version de schéma %1 est plus récente que celle de ce jeu, %2</translation>
    </message>
    <message>
        <source>the history is from a newer version of the game</source>
        <translation>l&apos;historique vient d&apos;une version plus récente du jeu</translation>
    </message>
    <message>
        <source>the history is in use by another program</source>
        <translation>l&apos;historique est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>l&apos;historique ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>il n&apos;a pas pu être ouvert</translation>
    </message>
</context>
<context>
    <name>HistoryService</name>
    <message>
        <source>The history %1 is in use by another program: your rounds are kept in %2 and written once it is free.
</source>
        <translation>L&apos;historique %1 est utilisé par un autre programme&#xa0;: vos manches sont conservées dans %2 et y seront écrites dès qu&apos;il sera libre.
</translation>
    </message>
    <message>
        <source>The rounds kept while the history was in use are written to it now.
</source>
        <translation>Les manches conservées pendant que l&apos;historique était occupé y sont maintenant écrites.
</translation>
    </message>
    <message>
        <source>The rounds kept in %1 cannot be read (%2).
</source>
        <translation>Les manches conservées dans %1 ne peuvent pas être lues (%2).
</translation>
    </message>
    <message>
        <source>its lock is held</source>
        <translation>son verrou est pris</translation>
    </message>
    <message>
        <source>it cannot be removed</source>
        <translation>il ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>The rounds not yet in the history cannot be kept in %1 (%2); they are held until the game quits.
</source>
        <translation>Les manches pas encore dans l&apos;historique ne peuvent pas être conservées dans %1 (%2)&#xa0;; elles sont gardées jusqu&apos;à la fermeture du jeu.
</translation>
    </message>
</context>
<context>
    <name>KeptBoard</name>
    <message>
        <source>word %1 runs the wrong way</source>
        <translation>le mot %1 va dans le mauvais sens</translation>
    </message>
    <message>
        <source>the words do not chain across the board</source>
        <translation>les mots ne s&apos;enchaînent pas sur la grille</translation>
    </message>
    <message>
        <source>two words disagree at column %1, row %2</source>
        <translation>deux mots se contredisent en colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>pas du JSON (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>une version inconnue</translation>
    </message>
    <message>
        <source>an identity that is not one</source>
        <translation>une identité qui n&apos;en est pas une</translation>
    </message>
    <message>
        <source>not five words</source>
        <translation>pas cinq mots</translation>
    </message>
    <message>
        <source>word %1 is not six letters on the board</source>
        <translation>le mot %1 ne fait pas six lettres sur la grille</translation>
    </message>
    <message>
        <source>a typed letter is not on a blank cell of its own</source>
        <translation>une lettre tapée n&apos;est pas sur une case vide qui lui est propre</translation>
    </message>
    <message>
        <source>a typed letter is not one character with a verdict</source>
        <translation>une lettre tapée n&apos;est pas un seul caractère accompagné d&apos;un verdict</translation>
    </message>
    <message>
        <source>a typed letter is a control character or a direction mark</source>
        <translation>une lettre tapée est un caractère de contrôle ou une marque de direction</translation>
    </message>
    <message>
        <source>a score is missing or out of range</source>
        <translation>un score manque ou est hors limites</translation>
    </message>
    <message>
        <source>another game holds it</source>
        <translation>une autre instance du jeu le détient</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>its lock file cannot be written; the disk may be full</source>
        <translation>son fichier de verrou ne peut pas être écrit&#xa0;; le disque est peut-être plein</translation>
    </message>
    <message>
        <source>The kept board %1 is not a regular file; it is left as it is and no board is kept.</source>
        <translation>La grille conservée %1 n&apos;est pas un fichier ordinaire&#xa0;; elle est laissée telle quelle et aucune grille n&apos;est conservée.</translation>
    </message>
    <message>
        <source>The kept board %1 cannot be read (%2); it is left as it is and no board is kept.</source>
        <translation>La grille conservée %1 ne peut pas être lue (%2)&#xa0;; elle est laissée telle quelle et aucune grille n&apos;est conservée.</translation>
    </message>
    <message>
        <source>it is larger than any board</source>
        <translation>il est plus grand que toute grille</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2); it is left as it is.</source>
        <translation>La grille conservée %1 n&apos;est pas une grille (%2)&#xa0;; elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2) and cannot be moved aside.</source>
        <translation>La grille conservée %1 n&apos;est pas une grille (%2) et ne peut pas être mise de côté.</translation>
    </message>
    <message>
        <source>The kept board was not a board (%1); it is moved to %2.</source>
        <translation>La grille conservée n&apos;était pas une grille (%1)&#xa0;; elle est déplacée vers %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The kept board %1 was submitted already and cannot be removed (%2); it is not resumed.</source>
        <translation>La grille conservée %1 a déjà été validée et ne peut pas être supprimée (%2)&#xa0;; elle n&apos;est pas reprise.</translation>
    </message>
    <message>
        <source>The board cannot be kept in %1 (%2); the file is left as it was.</source>
        <translation>La grille ne peut pas être conservée dans %1 (%2)&#xa0;; le fichier reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2); it is remembered as submitted in %3 and is never resumed.</source>
        <translation>La grille validée ne peut pas être supprimée de %1 (%2)&#xa0;; elle est notée comme validée dans %3 et ne sera jamais reprise.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2) nor remembered as submitted (%3), and may come back.</source>
        <translation>La grille validée ne peut ni être supprimée de %1 (%2) ni être notée comme validée (%3), et pourrait revenir.</translation>
    </message>
    <message>
        <source>The kept board cannot be removed from %1 (%2).</source>
        <translation>La grille conservée ne peut pas être supprimée de %1 (%2).</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as its speakers write it in a menu: Deutsch, Français, Español.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Start on the board that CODE names (Game ▸ Copy Board Code gives one).</source>
        <translation>Commencer sur la grille que désigne CODE (Jeu ▸ Copier le code de grille en donne un).</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --board, named in its help</comment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Start on today&apos;s daily board (UTC).</source>
        <translation>Commencer sur la grille du jour (UTC).</translation>
    </message>
    <message>
        <source>A word puzzle: fill in five crossing six-letter words.</source>
        <translation>Un jeu de lettres&#xa0;: remplissez cinq mots croisés de six lettres.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Choose either --board or --daily, not both.</source>
        <translation>Choisissez --board ou --daily, pas les deux.</translation>
    </message>
    <message>
        <source>sixfold: %1
Try &apos;sixfold --help&apos; for the options.
</source>
        <translation>sixfold&#xa0;: %1
Essayez «&#xa0;sixfold --help&#xa0;» pour voir les options.
</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>could not be read</source>
        <translation>n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>is damaged: it has %1 lines where the game was built with %2</source>
        <translation>est endommagé&#xa0;: il a %1 lignes alors que le jeu a été construit avec %2</translation>
    </message>
    <message>
        <source>is damaged: its words differ from those the game was built with</source>
        <translation>est endommagé&#xa0;: ses mots diffèrent de ceux avec lesquels le jeu a été construit</translation>
    </message>
    <message>
        <source>The word lexicon (%1) %2; the best possible score of a board is unknown.
</source>
        <extracomment>%2 says what is wrong with the file, such as &quot;could not be read&quot;</extracomment>
        <translation>Le lexique des mots (%1) %2&#xa0;; le meilleur score possible d&apos;une grille est inconnu.
</translation>
    </message>
    <message>
        <source>The withheld words (withheld_words.txt) could not be read; no best words can be shown.
</source>
        <translation>Les mots réservés (withheld_words.txt) n&apos;ont pas pu être lus&#xa0;; aucun meilleur mot ne peut être affiché.
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
        <translation>Grille de jeu</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Score de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Check all words</source>
        <translation>Vérifier tous les mots</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Vérifier tous les mots</translation>
    </message>
    <message>
        <source>Submit the round</source>
        <translation>Valider la manche</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Last round&apos;s outcome</source>
        <translation>Résultat de la dernière manche</translation>
    </message>
    <message>
        <source>Daily board</source>
        <translation>Grille du jour</translation>
    </message>
    <message>
        <source>Player&apos;s statistics</source>
        <translation>Statistiques du joueur</translation>
    </message>
    <message>
        <source>Word to look up</source>
        <translation>Mot à chercher</translation>
    </message>
    <message>
        <source>A word to look up</source>
        <translation>Un mot à chercher</translation>
    </message>
    <message>
        <source>Check the word</source>
        <translation>Vérifier le mot</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Vérifier le mot</translation>
    </message>
    <message>
        <source>New player&apos;s name</source>
        <translation>Nom du nouveau joueur</translation>
    </message>
    <message>
        <source>Player&apos;s name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Change player</source>
        <translation>Changer de joueur</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Changer de joueur</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation>&amp;Nouvelle grille</translation>
    </message>
    <message>
        <source>&amp;Check All Words</source>
        <translation>&amp;Vérifier tous les mots</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>V&amp;alider</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Words…</source>
        <translation>&amp;Mots…</translation>
    </message>
    <message>
        <source>&amp;Resume Previous Board</source>
        <translation>&amp;Reprendre la grille précédente</translation>
    </message>
    <message>
        <source>Round Re&amp;view…</source>
        <translation>&amp;Bilan de la manche…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <source>&amp;Daily Board</source>
        <translation>Grille du &amp;jour</translation>
    </message>
    <message>
        <source>Play Board C&amp;ode…</source>
        <translation>Jouer un &amp;code de grille…</translation>
    </message>
    <message>
        <source>Copy &amp;Board Code</source>
        <translation>Co&amp;pier le code de grille</translation>
    </message>
    <message>
        <source>Cop&amp;y Result</source>
        <translation>Copier le résul&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Look Up a Word</source>
        <translation>C&amp;hercher un mot</translation>
    </message>
    <message>
        <source>Ch&amp;ange Player</source>
        <translation>Chan&amp;ger de joueur</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Pré&amp;férences…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About Sixfold</source>
        <translation>À &amp;propos de Sixfold</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Last round: you %1, computer %2 – you won by %3.</source>
        <translation>Dernière manche&#xa0;: vous %1, ordinateur %2 – vous avez gagné de %3.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – you lost by %3.</source>
        <translation>Dernière manche&#xa0;: vous %1, ordinateur %2 – vous avez perdu de %3.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – a draw.</source>
        <translation>Dernière manche&#xa0;: vous %1, ordinateur %2 – égalité.</translation>
    </message>
    <message>
        <source>The board allowed %1.</source>
        <translation>La grille permettait %1.</translation>
    </message>
    <message>
        <source>The best possible is unknown.</source>
        <translation>Le meilleur possible est inconnu.</translation>
    </message>
    <message>
        <source>you won by %1</source>
        <translation>vous avez gagné de %1</translation>
    </message>
    <message>
        <source>the computer won by %1</source>
        <translation>l&apos;ordinateur a gagné de %1</translation>
    </message>
    <message>
        <source>a draw</source>
        <translation>égalité</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, a draw.</source>
        <translation>Manche terminée&#xa0;: votre score %1, celui de l&apos;ordinateur %2, égalité.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, you won by %3.</source>
        <translation>Manche terminée&#xa0;: votre score %1, celui de l&apos;ordinateur %2, vous avez gagné de %3.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, the computer won by %3.</source>
        <translation>Manche terminée&#xa0;: votre score %1, celui de l&apos;ordinateur %2, l&apos;ordinateur a gagné de %3.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>&apos;%1&apos; is too long for a player&apos;s name (at most %2 bytes); the player stays &apos;%3&apos;.</source>
        <translation>«&#xa0;%1&#xa0;» est trop long pour un nom de joueur (%2 octets au plus)&#xa0;; le joueur reste «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;LastUser&apos; cannot be a player&apos;s name; the player stays &apos;%1&apos;.</source>
        <translation>«&#xa0;LastUser&#xa0;» ne peut pas être un nom de joueur&#xa0;; le joueur reste «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>User changed to &apos;%1&apos;</source>
        <translation>Le joueur est maintenant «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences cannot be saved in %1; they hold until the game quits.</source>
        <translation>Les préférences ne peuvent pas être enregistrées dans %1&#xa0;; elles valent jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>The preferences cannot be saved; they hold until the game quits.</source>
        <translation>Les préférences ne peuvent pas être enregistrées&#xa0;; elles valent jusqu&apos;à la fermeture du jeu.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>&amp;Resume the kept board at launch</source>
        <translation>&amp;Reprendre la grille conservée au lancement</translation>
    </message>
    <message>
        <source>&amp;Type through given letters</source>
        <translation>&amp;Saisir aussi les lettres données</translation>
    </message>
    <message>
        <source>&amp;Ask before submitting a board with unfinished words</source>
        <translation>&amp;Demander avant de valider une grille aux mots inachevés</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Word colours</source>
        <translation>Couleurs des mots</translation>
    </message>
    <message>
        <source>Standard (green and red)</source>
        <translation>Standard (vert et rouge)</translation>
    </message>
    <message>
        <source>Colour-blind safe and high contrast (blue and orange)</source>
        <translation>Adapté aux daltoniens, contraste élevé (bleu et orange)</translation>
    </message>
    <message>
        <source>Typing the blue letter the cursor just stepped over takes it as that letter, so a whole word can be typed as it reads</source>
        <translation>Taper la lettre bleue que le curseur vient de sauter compte comme cette lettre&#xa0;: un mot entier se tape ainsi tel qu&apos;il s&apos;écrit</translation>
    </message>
    <message>
        <source>The daily board asks before its one scored submission whatever this says.</source>
        <translation>La grille du jour demande toujours avant son unique validation comptée, quel que soit ce réglage.</translation>
    </message>
    <message>
        <source>&amp;Word colours:</source>
        <translation>&amp;Couleurs des mots&#xa0;:</translation>
    </message>
    <message>
        <source>Sixfold speaks the language chosen from its next launch.</source>
        <translation>Sixfold utilisera la langue choisie dès son prochain lancement.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Langue du bureau (%1)</translation>
    </message>
    <message>
        <source>The menus, dialogs and messages; the words played stay English.</source>
        <translation>Menus, boîtes de dialogue et messages&#xa0;; les mots joués restent en anglais.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>a word</source>
        <translation>un mot</translation>
    </message>
    <message>
        <source>not all six cells filled</source>
        <translation>cases pas toutes remplies</translation>
    </message>
    <message>
        <source>not a word</source>
        <translation>pas un mot</translation>
    </message>
    <message>
        <source>across</source>
        <comment>a word&apos;s direction</comment>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>down</source>
        <comment>a word&apos;s direction</comment>
        <translation>vertical</translation>
    </message>
    <message numerus="yes">
        <source>Word %1 (%2): %3 – %4, %n points.</source>
        <extracomment>%1 the word&apos;s number, %2 its direction, %3 its letters, %4 whether it is a word</extracomment>
        <translation>
            <numerusform>Mot %1 (%2)&#xa0;: %3 – %4, %n point.</numerusform>
            <numerusform>Mot %1 (%2)&#xa0;: %3 – %4, %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 (rare)</source>
        <comment>a word that fitted, its score, and that it is rare</comment>
        <translation>%1 %2 (rare)</translation>
    </message>
    <message>
        <source>Best that fitted: %1.</source>
        <translation>Meilleur mot possible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Best that fitted: %1; also %2.</source>
        <translation>Meilleur mot possible&#xa0;: %1&#xa0;; aussi %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s word: %1.</source>
        <translation>Mot de l&apos;ordinateur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the best possible is unknown.</source>
        <translation>Vous %1, ordinateur %2&#xa0;; le meilleur possible est inconnu.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3, with common words %4.</source>
        <translation>Vous %1, ordinateur %2&#xa0;; la grille permettait %3, avec des mots courants %4.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3.</source>
        <translation>Vous %1, ordinateur %2&#xa0;; la grille permettait %3.</translation>
    </message>
</context>
<context>
    <name>RoundBoardView</name>
    <message>
        <source>Last round</source>
        <translation>Dernière manche</translation>
    </message>
    <message>
        <source>No round yet: the last round you submit is redrawn here.</source>
        <translation>Aucune manche pour l&apos;instant&#xa0;: la dernière manche que vous validez s&apos;affiche ici.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A word the player made and its score: &quot;GARDEN (12)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not a word)</source>
        <translation>%1 (pas un mot)</translation>
    </message>
    <message>
        <source>Your total %1, the computer&apos;s %2: %3. Your words: %4. The computer&apos;s words: %5.</source>
        <translation>Votre total %1, celui de l&apos;ordinateur %2&#xa0;: %3. Vos mots&#xa0;: %4. Mots de l&apos;ordinateur&#xa0;: %5.</translation>
    </message>
    <message>
        <source>none fitted</source>
        <translation>aucun ne convenait</translation>
    </message>
    <message>
        <source>Yours: %1</source>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>The computer&apos;s: %1</source>
        <translation>L&apos;ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best possible: %1</source>
        <translation>Meilleur possible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best words</source>
        <translation>Meilleurs mots</translation>
    </message>
    <message>
        <source>Best possible %1: %2.</source>
        <translation>Meilleur possible %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Best words: %1.</source>
        <translation>Meilleurs mots&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>RoundReview</name>
    <message>
        <source>Round Review</source>
        <translation>Bilan de la manche</translation>
    </message>
    <message>
        <source>Submit a round to review it here.</source>
        <translation>Validez une manche pour en voir le bilan ici.</translation>
    </message>
</context>
<context>
    <name>RoundReviewDialog</name>
    <message>
        <source>Round Review</source>
        <translation>Bilan de la manche</translation>
    </message>
    <message>
        <source>Round board</source>
        <translation>Grille de la manche</translation>
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
        <translation>%1 (entraînement)</translation>
    </message>
    <message>
        <source>Me %1 · computer %2 · best possible %3</source>
        <translation>Moi %1 · ordinateur %2 · meilleur possible %3</translation>
    </message>
    <message>
        <source>Me %1 · computer %2</source>
        <translation>Moi %1 · ordinateur %2</translation>
    </message>
    <message>
        <source>%1/%2 words</source>
        <comment>words made out of the board&apos;s words</comment>
        <translation>%1/%2 mots</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source> or </source>
        <extracomment>Between two keys that do the same, spaces included.</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <source>a letter</source>
        <extracomment>Any letter key, typed into a cell of the board.</extracomment>
        <translation>une lettre</translation>
    </message>
    <message>
        <source>fills the cell and moves on along the word</source>
        <translation>remplit la case et avance dans le mot</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>empties the cell and steps back</source>
        <translation>vide la case et recule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>moves on along the word; from its last cell, to the next word&apos;s first empty cell, and after the last word on to Check All Words; elsewhere, on to the next control</source>
        <translation>avance dans le mot&#xa0;; depuis sa dernière case, vers la première case vide du mot suivant, et après le dernier mot vers Vérifier tous les mots&#xa0;; ailleurs, vers la commande suivante</translation>
    </message>
    <message>
        <source>Shift+Tab</source>
        <translation>Maj+Tab</translation>
    </message>
    <message>
        <source>to the previous word&apos;s first empty cell, and from the first word out of the board; elsewhere, back to the control before</source>
        <translation>vers la première case vide du mot précédent, et depuis le premier mot hors de la grille&#xa0;; ailleurs, vers la commande précédente</translation>
    </message>
    <message>
        <source>arrow keys</source>
        <translation>touches fléchées</translation>
    </message>
    <message>
        <source>jump to the nearest cell in that direction</source>
        <translation>sautent à la case la plus proche dans cette direction</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Vérifier tous les mots</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Words: the board as a list of its words, each read aloud and typed whole</source>
        <translation>Mots&#xa0;: la grille sous forme de liste de ses mots, chacun lu à voix haute et tapé en entier</translation>
    </message>
    <message>
        <source>Hint: one letter of a common word for the word the cursor is in</source>
        <translation>Indice&#xa0;: une lettre d&apos;un mot courant pour le mot où se trouve le curseur</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Daily Board: today&apos;s board, the same for everyone</source>
        <translation>Grille du jour&#xa0;: la grille d&apos;aujourd&apos;hui, la même pour tous</translation>
    </message>
    <message>
        <source>Resume Previous Board (again: back to the board before)</source>
        <translation>Reprendre la grille précédente (à nouveau&#xa0;: retour à la grille d&apos;avant)</translation>
    </message>
    <message>
        <source>Round Review: the last round slot by slot, and the best words each slot allowed</source>
        <translation>Bilan de la manche&#xa0;: la dernière manche emplacement par emplacement, et les meilleurs mots que chacun permettait</translation>
    </message>
    <message>
        <source>Statistics: the history of your rounds</source>
        <translation>Statistiques&#xa0;: l&apos;historique de vos manches</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Zoom In: the whole window larger, up to 200 %</source>
        <translation>Zoom avant&#xa0;: toute la fenêtre plus grande, jusqu&apos;à 200&#xa0;%</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Look Up a Word: to the word field</source>
        <extracomment>The words before the colon are the word field&apos;s name in its tooltip.</extracomment>
        <translation>Chercher un mot&#xa0;: vers le champ du mot</translation>
    </message>
    <message>
        <source>Return in the word field</source>
        <translation>Retour dans le champ du mot</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Vérifier le mot</translation>
    </message>
    <message>
        <source>Change Player: to the name field</source>
        <extracomment>The words before the colon are the name field&apos;s name in its tooltip.</extracomment>
        <translation>Changer de joueur&#xa0;: vers le champ du nom</translation>
    </message>
    <message>
        <source>Return in the name field</source>
        <translation>Retour dans le champ du nom</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Changer de joueur</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>closes the Words, Statistics, Preferences or help window</source>
        <translation>ferme la fenêtre Mots, Statistiques, Préférences ou d&apos;aide</translation>
    </message>
    <message>
        <source>How to Play: the goal and the rules</source>
        <translation>Comment jouer&#xa0;: le but et les règles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
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
        <translation>%1 ne convient pas&#xa0;: la 1re lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 2nd letter is given as %2.</source>
        <translation>%1 ne convient pas&#xa0;: la 2e lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 3rd letter is given as %2.</source>
        <translation>%1 ne convient pas&#xa0;: la 3e lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 4th letter is given as %2.</source>
        <translation>%1 ne convient pas&#xa0;: la 4e lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 5th letter is given as %2.</source>
        <translation>%1 ne convient pas&#xa0;: la 5e lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 6th letter is given as %2.</source>
        <translation>%1 ne convient pas&#xa0;: la 6e lettre donnée est %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a spoken list&apos;s last item, after the others</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, given %2</source>
        <comment>a word&apos;s letters read out, then its given letters</comment>
        <translation>%1, lettres données %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; a word, %n points</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>
            <numerusform>%1&#xa0;; un mot, %n point</numerusform>
            <numerusform>%1&#xa0;; un mot, %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1&#xa0;; un mot</translation>
    </message>
    <message>
        <source>%1; not a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1&#xa0;; pas un mot</translation>
    </message>
    <message>
        <source>There is no board to type a word into.</source>
        <translation>Il n&apos;y a aucune grille où taper un mot.</translation>
    </message>
    <message>
        <source>Type a word of %1 letters for %2.</source>
        <translation>Tapez un mot de %1 lettres pour %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: a word is letters from A to Z only.</source>
        <translation>%1 ne convient pas&#xa0;: un mot ne contient que des lettres de A à Z.</translation>
    </message>
    <message>
        <source>%1 does not fit: %2 has %3 letters, not %4.</source>
        <translation>%1 ne convient pas&#xa0;: %2 a %3 lettres, pas %4.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>The stored statistics of %1 held no readable value under %2; replaced with the current figures.
</source>
        <translation>Les statistiques enregistrées de %1 n&apos;avaient aucune valeur lisible sous %2&#xa0;; elle est remplacée par les chiffres actuels.
</translation>
    </message>
    <message>
        <source>You appear to be a new user, welcome!
</source>
        <translation>Vous semblez être un nouveau joueur, bienvenue&#xa0;!
</translation>
    </message>
    <message>
        <source>Stats for %1:</source>
        <translation>Statistiques de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Average Score: %1</source>
        <translation>Score moyen&#xa0;: %1</translation>
    </message>
    <message>
        <source>Average Valid Words Per Puzzle: %1</source>
        <translation>Mots valides par grille (moyenne)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Average Word Score: %1</source>
        <translation>Score moyen par mot&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Puzzle Submissions: %1</source>
        <translation>Grilles validées au total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Words Made: %1</source>
        <translation>Mots formés au total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Computer Average: %1</source>
        <translation>Moyenne de l&apos;ordinateur&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Best Word: &apos;%1&apos;, %n points</source>
        <translation>
            <numerusform>Meilleur mot&#xa0;: «&#xa0;%1&#xa0;», %n point</numerusform>
            <numerusform>Meilleur mot&#xa0;: «&#xa0;%1&#xa0;», %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Best Round Score: %1</source>
        <translation>Meilleur score de manche&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>&amp;All rounds</source>
        <translation>&amp;Toutes les manches</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Score per round</source>
        <translation>Score par manche</translation>
    </message>
    <message>
        <source>Distribution of your round scores</source>
        <translation>Répartition de vos scores de manche</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revoir</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Show all rounds</source>
        <translation>Afficher toutes les manches</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Rounds won, drawn and lost</source>
        <translation>Manches gagnées, nulles et perdues</translation>
    </message>
    <message>
        <source>Your best words</source>
        <translation>Vos meilleurs mots</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joué le</translation>
    </message>
    <message>
        <source>Last round</source>
        <translation>Dernière manche</translation>
    </message>
    <message>
        <source>Round to review</source>
        <translation>Manche à revoir</translation>
    </message>
    <message>
        <source>Round </source>
        <extracomment>Before the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation>Manche </translation>
    </message>
    <message>
        <source>Round –</source>
        <extracomment>The round chooser while it has no round to offer.</extracomment>
        <translation>Manche –</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Lecture de l&apos;historique…</translation>
    </message>
    <message>
        <source>Review the chosen round</source>
        <translation>Revoir la manche choisie</translation>
    </message>
    <message>
        <source>#%1 %2 to %3</source>
        <extracomment>A daily result: the daily board&apos;s number, the player&apos;s score, the computer&apos;s: &quot;#2 25 to 20&quot;.</extracomment>
        <translation>n°&#xa0;%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>Daily results: %1. Days in a row: %2 now, %3 at most. Latest: %4.</source>
        <translation>Résultats du jour&#xa0;: %1. Jours d&apos;affilée&#xa0;: %2 actuellement, %3 au plus. Derniers&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Won %1, drawn %2, lost %3 against the computer. Rounds won in a row: %4 now, %5 at most.</source>
        <translation>Gagnées %1, nulles %2, perdues %3 contre l&apos;ordinateur. Manches gagnées d&apos;affilée&#xa0;: %4 actuellement, %5 au plus.</translation>
    </message>
    <message>
        <source>No rounds yet: rounds won, drawn and lost against the computer show here once you submit a round.</source>
        <translation>Aucune manche pour l&apos;instant&#xa0;: les manches gagnées, nulles et perdues contre l&apos;ordinateur s&apos;affichent ici dès que vous validez une manche.</translation>
    </message>
    <message>
        <source>Your best words: your ten best, with their scores, show here once you submit a round</source>
        <translation>Vos meilleurs mots&#xa0;: vos dix meilleurs, avec leur score, s&apos;affichent ici dès que vous validez une manche</translation>
    </message>
    <message>
        <source>Your round scores&lt;br&gt;How often you scored what&lt;br&gt;shows here once you submit a round</source>
        <translation>Vos scores de manche&lt;br&gt;La fréquence de chaque score&lt;br&gt;s&apos;affiche ici dès que vous validez une manche</translation>
    </message>
    <message>
        <source>Your round scores</source>
        <translation>Vos scores de manche</translation>
    </message>
    <message>
        <source>No rounds yet.</source>
        <translation>Aucune manche pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of round scores: &quot;10 to 11&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>No round yet</source>
        <translation>Aucune manche pour l&apos;instant</translation>
    </message>
    <message>
        <source> of %1</source>
        <extracomment>After the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation> sur %1</translation>
    </message>
    <message>
        <source>Score per round&lt;br&gt;Your scores and the computer&apos;s&lt;br&gt;show here once you submit a round</source>
        <translation>Score par manche&lt;br&gt;Vos scores et ceux de l&apos;ordinateur&lt;br&gt;s&apos;affichent ici dès que vous validez une manche</translation>
    </message>
    <message>
        <source>Rounds %1 to %2 shown. Your average %3, best %4. The computer&apos;s average %5, best %6.</source>
        <translation>Manches %1 à %2 affichées. Votre moyenne %3, meilleur %4. Moyenne de l&apos;ordinateur %5, meilleur %6.</translation>
    </message>
    <message>
        <source>Export rounds</source>
        <translation>Exporter les manches</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
    <message>
        <source>Wrote 1 round to %1</source>
        <translation>1 manche écrite dans %1</translation>
    </message>
    <message>
        <source>The rounds could not be written: %1</source>
        <translation>Les manches n&apos;ont pas pu être écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of round scores under a bar of the chart: &quot;10–11&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Round score</source>
        <translation>Score de manche</translation>
    </message>
    <message>
        <source>Your statistics cannot be shown:%1%2.</source>
        <extracomment>%1 is a space or a line break, %2 why the history could not be read.</extracomment>
        <translation>Vos statistiques ne peuvent pas être affichées&#xa0;:%1%2.</translation>
    </message>
    <message numerus="yes">
        <source>Hints taken in your last %n rounds: %1.</source>
        <translation>
            <numerusform>Indices pris, %n dernière manche&#xa0;: %1.</numerusform>
            <numerusform>Indices pris, %n dernières manches&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds in all; the most, %1, scored %2.</source>
        <translation>
            <numerusform>%n manche en tout&#xa0;; score le plus fréquent&#xa0;: %2, obtenu %1 fois.</numerusform>
            <numerusform>%n manches en tout&#xa0;; score le plus fréquent&#xa0;: %2, obtenu %1 fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score per round&lt;br&gt;Each point: the mean of %n rounds</source>
        <translation>
            <numerusform>Score par manche&lt;br&gt;Chaque point&#xa0;: moyenne de %n manche</numerusform>
            <numerusform>Score par manche&lt;br&gt;Chaque point&#xa0;: moyenne de %n manches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each point is the mean of %n rounds.</source>
        <translation>
            <numerusform>Chaque point est la moyenne de %n manche.</numerusform>
            <numerusform>Chaque point est la moyenne de %n manches.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n rounds to %1</source>
        <translation>
            <numerusform>%n manche écrite dans %1</numerusform>
            <numerusform>%n manches écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hints taken in your one round: %1.</source>
        <translation>Indices pris dans votre seule manche&#xa0;: %1.</translation>
    </message>
    <message>
        <source>1 round in all, which scored %1.</source>
        <translation>1 manche en tout, avec un score de %1.</translation>
    </message>
</context>
<context>
    <name>Submit</name>
    <message>
        <source>Computer Words for Previous Puzzle: 
</source>
        <translation>Mots de l&apos;ordinateur pour la grille précédente&#xa0;: 
</translation>
    </message>
    <message>
        <source>The computer&apos;s words: %1.</source>
        <translation>Mots de l&apos;ordinateur&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>SubmitQuestion</name>
    <message>
        <source>1 of %1 words is unfinished. Submit anyway?</source>
        <extracomment>%1 is the number of words on the board, all of them.</extracomment>
        <translation>1 mot sur %1 est inachevé. Valider quand même&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 words are unfinished. Submit anyway?</source>
        <translation>
            <numerusform>%n mot sur %1 est inachevé. Valider quand même&#xa0;?</numerusform>
            <numerusform>%n mots sur %1 sont inachevés. Valider quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Submit Unfinished Board</source>
        <translation>Valider une grille inachevée</translation>
    </message>
    <message>
        <source>This is your one scored submission of Daily #%1.</source>
        <translation>C&apos;est votre unique validation comptée de la grille du jour n°&#xa0;%1.</translation>
    </message>
    <message>
        <source>&amp;Submit Anyway</source>
        <translation>&amp;Valider quand même</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <translation>&amp;Continuer à jouer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask again</source>
        <translation>Ne plus &amp;demander</translation>
    </message>
</context>
<context>
    <name>UserDefaultsStore</name>
    <message>
        <source>The saved statistics in %1 cannot be read (%2); they are left as they are and play goes on without saving.
</source>
        <translation>Les statistiques enregistrées dans %1 ne peuvent pas être lues (%2)&#xa0;; elles restent telles quelles et le jeu continue sans enregistrer.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read, nor moved aside; they are left as they are and play goes on without saving.
</source>
        <translation>Les statistiques enregistrées dans %1 n&apos;ont pu être ni lues ni mises de côté&#xa0;; elles restent telles quelles et le jeu continue sans enregistrer.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.
</source>
        <translation>Les statistiques enregistrées dans %1 n&apos;ont pas pu être lues&#xa0;; elles ont été déplacées vers %2 et le jeu continue sans statistiques.
</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in %1; play goes on without saving.
</source>
        <translation>Les statistiques ne peuvent pas être enregistrées dans %1&#xa0;; le jeu continue sans enregistrer.
</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader hears it, after its caption: &quot;Your score: 12&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message numerus="yes">
        <source>The word list has %n line(s) longer than six letters; they were skipped.
</source>
        <translation>
            <numerusform>La liste de mots a %n ligne de plus de six lettres&#xa0;; elle a été ignorée.
</numerusform>
            <numerusform>La liste de mots a %n lignes de plus de six lettres&#xa0;; elles ont été ignorées.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list holds more than %1 words; %n line(s) were not stored.
</source>
        <translation>
            <numerusform>La liste de mots contient plus de %1 mots&#xa0;; %n ligne n&apos;a pas été retenue.
</numerusform>
            <numerusform>La liste de mots contient plus de %1 mots&#xa0;; %n lignes n&apos;ont pas été retenues.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Null list.
</source>
        <translation>Liste nulle.
</translation>
    </message>
    <message>
        <source>The word list %1 cannot be read (%2).
</source>
        <translation>La liste de mots %1 ne peut pas être lue (%2).
</translation>
    </message>
    <message>
        <source>The word list %1 is missing.
</source>
        <translation>La liste de mots %1 est introuvable.
</translation>
    </message>
    <message>
        <source>The word list %1 is empty.
</source>
        <translation>La liste de mots %1 est vide.
</translation>
    </message>
    <message>
        <source>The word list %1 holds no six-letter word.
</source>
        <translation>La liste de mots %1 ne contient aucun mot de six lettres.
</translation>
    </message>
</context>
<context>
    <name>WordView</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Type a word for a slot and press Return; Up and Down move between the slots, Escape goes back to the board.</source>
        <translation>Tapez un mot pour un emplacement et appuyez sur Retour&#xa0;; Haut et Bas passent d&apos;un emplacement à l&apos;autre, Échap revient à la grille.</translation>
    </message>
    <message>
        <source>Type the word</source>
        <translation>Tapez le mot</translation>
    </message>
    <message>
        <source>Back to the Board</source>
        <translation>Retour à la grille</translation>
    </message>
    <message>
        <source>A word of %1 letters for %2; Return puts it on the board.</source>
        <translation>Un mot de %1 lettres pour %2&#xa0;; Retour le place sur la grille.</translation>
    </message>
    <message>
        <source>Escape</source>
        <comment>the key that goes back to the board</comment>
        <translation>Échap</translation>
    </message>
</context>
</TS>
