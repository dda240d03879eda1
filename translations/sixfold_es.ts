<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sixfold — Daily #%1</source>
        <translation>Sixfold — Diario #%1</translation>
    </message>
    <message>
        <source>Sixfold</source>
        <translation>Sixfold</translation>
    </message>
    <message numerus="yes">
        <source>Checked: %n of %1 slots are words, your score %2.</source>
        <extracomment>%n of the board&apos;s %1 slots; %2 is the score.</extracomment>
        <translation>
            <numerusform>Comprobado: %n de %1 huecos es palabra; tu puntuación, %2.</numerusform>
            <numerusform>Comprobado: %n de %1 huecos son palabras; tu puntuación, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>A new puzzle is dealt.</source>
        <translation>Se reparte un tablero nuevo.</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 and %2</source>
        <comment>two word names, such as 1 across and 2 down</comment>
        <translation>%1 y %2</translation>
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
        <translation>dada</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a cell with no letter yet</comment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2 letters</source>
        <translation>%1, %2 letras</translation>
    </message>
    <message>
        <source>%1, %2 letters, the first given</source>
        <translation>%1, %2 letras, la primera dada</translation>
    </message>
    <message>
        <source>letter</source>
        <comment>a cell holding a letter the player typed</comment>
        <translation>letra</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <comment>a cell&apos;s row and column, then the words through it</comment>
        <translation>%1, en %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a word, then the cell it starts at</comment>
        <translation>%1 desde la %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a given letter, then its cell</comment>
        <translation>%1 en la %2</translation>
    </message>
    <message>
        <source>%1 words of %2 letters: %3. Given letters: %4.</source>
        <translation>%1 palabras de %2 letras: %3. Letras dadas: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n points</source>
        <extracomment>A word&apos;s points label as a screen reader hears it: &quot;1 across: 8 points&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n punto</numerusform>
            <numerusform>%1: %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzle board. %1</source>
        <extracomment>The board&apos;s name for a screen reader, followed by what the board holds.</extracomment>
        <translation>Tablero de juego. %1</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>A word&apos;s points on its last cell: &quot;8 for 1 across&quot; (8 points for the word 1 across).</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Checked: part of a word</source>
        <translation>Comprobada: parte de una palabra</translation>
    </message>
    <message>
        <source>Checked: not part of a word</source>
        <translation>Comprobada: no es parte de una palabra</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <extracomment>A cell&apos;s points as a screen reader hears them; %1 is one or two &quot;8 for 1 across&quot;.</extracomment>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code is fifteen characters from 2-9 and A-Z without I, L and O, such as 3STAD-KW9V7-42TMU.</source>
        <translation>Un código de tablero tiene quince caracteres de 2-9 y A-Z sin I, L ni O, como 3STAD-KW9V7-42TMU.</translation>
    </message>
    <message>
        <source>That board code has a typo: its check character does not match the rest.</source>
        <translation>Ese código de tablero tiene una errata: su carácter de control no coincide con el resto.</translation>
    </message>
    <message>
        <source>That board code was dealt from another word list, so this game cannot deal the same board.</source>
        <translation>Ese código de tablero se repartió con otra lista de palabras, así que este juego no puede repartir el mismo tablero.</translation>
    </message>
    <message>
        <source>A ten-character board code is read only with the word list the game ships, and this one differs; ask for the fifteen-character code.</source>
        <translation>Un código de tablero de diez caracteres solo se lee con la lista de palabras que trae el juego, y esta es distinta; pide el código de quince caracteres.</translation>
    </message>
    <message>
        <source>Play Board Code</source>
        <translation>Jugar con código de tablero</translation>
    </message>
    <message>
        <source>Board code (fifteen characters, such as a friend&apos;s from Copy Board Code):</source>
        <extracomment>&quot;Copy Board Code&quot; is the Game menu&apos;s item as it reads.</extracomment>
        <translation>Código de tablero (quince caracteres, como el que un amigo copie con Copiar código de tablero):</translation>
    </message>
</context>
<context>
    <name>BoardKeeper</name>
    <message>
        <source>This board was submitted already, in another game; it is not scored again.
</source>
        <translation>Este tablero ya se entregó en otra partida; no vuelve a puntuar.
</translation>
    </message>
    <message>
        <source>A board left unfinished is kept: Ctrl+R (Game &gt; Resume Previous Board) brings it back.
</source>
        <translation>Un tablero sin terminar se guarda: Control+R (Juego &gt; Reanudar el tablero anterior) lo recupera.
</translation>
    </message>
    <message>
        <source>No board is kept to resume.
</source>
        <translation>No hay ningún tablero guardado que reanudar.
</translation>
    </message>
    <message>
        <source>The kept board was submitted in another game, so it is not resumed.
</source>
        <translation>El tablero guardado se entregó en otra partida, así que no se reanuda.
</translation>
    </message>
    <message>
        <source>This board was submitted in another game; it is no longer kept and is not scored again.
</source>
        <translation>Este tablero se entregó en otra partida; ya no se guarda y no vuelve a puntuar.
</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>&apos;%1&apos; no es una palabra.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a word.
</source>
        <translation>&apos;%1&apos; es una palabra.
</translation>
    </message>
    <message>
        <source>New best word!
</source>
        <translation>¡Nueva mejor palabra!
</translation>
    </message>
    <message>
        <source>New best word: %1!</source>
        <translation>¡Nueva mejor palabra: %1!</translation>
    </message>
    <message>
        <source>New best round score!
</source>
        <translation>¡Nueva mejor puntuación de ronda!
</translation>
    </message>
    <message>
        <source>New best round score: %1!</source>
        <translation>¡Nueva mejor puntuación de ronda: %1!</translation>
    </message>
</context>
<context>
    <name>CheckWord</name>
    <message>
        <source>&apos;%1&apos; is a word
</source>
        <translation>&apos;%1&apos; es una palabra
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a word.
</source>
        <translation>&apos;%1&apos; no es una palabra.
</translation>
    </message>
    <message>
        <source>%1 is a word.</source>
        <translation>%1 es una palabra.</translation>
    </message>
    <message>
        <source>%1 is not a word.</source>
        <translation>%1 no es una palabra.</translation>
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
        <translation>No hay tablero del día antes del Diario #1, el tablero del %1 (UTC).</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Diario #%1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The day&apos;s date, as QDate writes it: &quot;d. MMMM yyyy&quot; in German.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>DailyLine</name>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>No daily board yet
Daily #1 in %1</source>
        <translation>Aún no hay tablero del día
Diario #1 en %1</translation>
    </message>
    <message>
        <source>today&apos;s result is in</source>
        <translation>resultado de hoy anotado</translation>
    </message>
    <message>
        <source>today&apos;s board to play</source>
        <translation>tablero de hoy por jugar</translation>
    </message>
    <message>
        <source>no streak</source>
        <translation>sin racha</translation>
    </message>
    <message>
        <source>streak 1 day</source>
        <translation>racha de 1 día</translation>
    </message>
    <message numerus="yes">
        <source>streak %n days</source>
        <translation>
            <numerusform>racha de %n día</numerusform>
            <numerusform>racha de %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>next in %1</source>
        <translation>siguiente en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>%1 (looked for %2)</source>
        <comment>a dictionary source, then where it was looked for</comment>
        <translation>%1 (se buscó en %2)</translation>
    </message>
    <message>
        <source>Hunspell&apos;s en_US</source>
        <translation>el en_US de Hunspell</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two files</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the function words</source>
        <translation>las palabras funcionales</translation>
    </message>
    <message>
        <source>the list words</source>
        <translation>las palabras de la lista</translation>
    </message>
    <message>
        <source>the list names</source>
        <translation>los nombres de la lista</translation>
    </message>
    <message>
        <source>The English dictionary lacks %1; words are judged by its other sources.
</source>
        <translation>Al diccionario inglés le falta %1; las palabras se juzgan con sus otras fuentes.
</translation>
    </message>
    <message>
        <source>The English dictionary could not be opened: it lacks %1. No word can be judged, so no round can be submitted.
</source>
        <translation>No se pudo abrir el diccionario inglés: le falta %1. No se puede juzgar ninguna palabra, así que no se puede entregar ninguna ronda.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The word list cannot make a puzzle, so the board stays empty.
</source>
        <translation>La lista de palabras no permite formar un tablero, así que el tablero queda vacío.
</translation>
    </message>
    <message>
        <source>Board %1 dealt.</source>
        <translation>Tablero %1 repartido.</translation>
    </message>
    <message>
        <source>%1 needs a board, and the word list cannot make one.
</source>
        <comment>%1 is a menu action</comment>
        <translation>%1 necesita un tablero, y la lista de palabras no permite formar ninguno.
</translation>
    </message>
    <message>
        <source>Daily #%1: you have played it today already, so this round is practice.
</source>
        <translation>Diario #%1: ya lo has jugado hoy, así que esta ronda es de práctica.
</translation>
    </message>
    <message>
        <source>Daily #%1: your first submission of it is today&apos;s result.
</source>
        <translation>Diario #%1: tu primera entrega es el resultado de hoy.
</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>a menu action</extracomment>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>This round is not submitted: no word can be judged without the English dictionary.
</source>
        <translation>Esta ronda no se entrega: sin el diccionario inglés no se puede juzgar ninguna palabra.
</translation>
    </message>
    <message>
        <source>With common words %1.</source>
        <comment>the best possible score with common words only</comment>
        <translation>Con palabras comunes, %1.</translation>
    </message>
    <message>
        <source>Ctrl+E: review.</source>
        <translation>Control+E: repaso.</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>a menu action</extracomment>
        <translation>Pista</translation>
    </message>
    <message>
        <source>This board came back from the kept one, which keeps no code; a dealt board has one.
</source>
        <translation>Este tablero se recuperó del guardado, que no conserva código; un tablero repartido sí lo tiene.
</translation>
    </message>
    <message>
        <source>Board code %1 copied.
</source>
        <translation>Código de tablero %1 copiado.
</translation>
    </message>
    <message>
        <source>Board code copied: %1.</source>
        <translation>Código de tablero copiado: %1.</translation>
    </message>
    <message>
        <source>Result copied:
%1</source>
        <translation>Resultado copiado:
%1</translation>
    </message>
    <message>
        <source>Result copied.</source>
        <translation>Resultado copiado.</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <extracomment>a menu action</extracomment>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>There is no result to copy yet: Copy Result shares the last round you submitted.
</source>
        <translation>Aún no hay resultado que copiar: Copiar resultado comparte la última ronda que entregaste.
</translation>
    </message>
    <message>
        <source>You have a result for Daily #%1 already; this round was practice.
</source>
        <translation>Ya tienes un resultado del Diario #%1; esta ronda era de práctica.
</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Tablero del día</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <extracomment>A menu item&apos;s name, in the sentence saying it needs a board the word list cannot make.</extracomment>
        <translation>Comprobar todas las palabras</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>button: close the How to Play card and play</comment>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Return, Space or Escape closes this card; Help ▸ How to Play shows it again.</source>
        <extracomment>&quot;Help ▸ How to Play&quot; names the menu and its item as they read.</extracomment>
        <translation>Retorno, Espacio o Escape cierra esta tarjeta; Ayuda ▸ Cómo se juega la vuelve a mostrar.</translation>
    </message>
    <message>
        <source>About Sixfold</source>
        <translation>Acerca de Sixfold</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The goal:&lt;/b&gt; fill the grey cells so that each of the five slots (across, down, across, down, across) reads as an English word. A word scores the sum of its letters&apos; values; beat the computer&apos;s score for its own five words.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Typing:&lt;/b&gt; type only the empty cells; the cursor steps over the blue given letters. To type whole words, given letters included, turn on &lt;i&gt;Type through given letters&lt;/i&gt; in Game &amp;#9656; Preferences. &lt;b&gt;Backspace&lt;/b&gt; empties a cell and steps back; &lt;b&gt;Tab&lt;/b&gt; moves on; the &lt;b&gt;arrow keys&lt;/b&gt; jump to the nearest cell that way. &lt;b&gt;Words&lt;/b&gt; (Ctrl+W) lists the five words, to hear them read or type each one whole.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Check All Words&lt;/b&gt; (Ctrl+K) marks each word as a word or not and shows your score, as often as you like. &lt;b&gt;Submit&lt;/b&gt; (Ctrl+Return) ends the round: it goes into your statistics, the computer&apos;s words are listed and a new puzzle is dealt.&lt;/p&gt;&lt;p&gt;Stuck? &lt;b&gt;Hint&lt;/b&gt; (Ctrl+I) fills one letter of a common word into the word the cursor is in; the round counts its hints.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Game &amp;#9656; Round Review&lt;/b&gt; (Ctrl+E) sets your last round beside the best words that fitted.&lt;/p&gt;&lt;p&gt;Also in the Game menu: New Puzzle (Ctrl+N), the Daily Board (Ctrl+D, the same for everyone; your first submission of it is the day&apos;s result), board codes to share a board, Copy Result and Statistics. Type a word and press Return to look it up; type a name and press Return to change player.&lt;/p&gt;</source>
        <extracomment>Rich text. Keep the letter values line as it is (the letters are the English words&apos; own); name the buttons, menus and the preference as they read in this language, and the keys as the desktop writes them in it (Ctrl may be Strg).</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;El objetivo:&lt;/b&gt; rellena las casillas grises para que cada uno de los cinco huecos (horizontal, vertical, horizontal, vertical, horizontal) forme una palabra inglesa. Una palabra puntúa la suma de los valores de sus letras; supera la puntuación que logra el ordenador con sus propias cinco palabras.&lt;/p&gt;&lt;p&gt;A E I L N O R S T U 1 &amp;middot; D G 2 &amp;middot; B C M P 3 &amp;middot; F H V W Y 4 &amp;middot; K 5 &amp;middot; J X 8 &amp;middot; Q Z 10&lt;/p&gt;&lt;p&gt;&lt;b&gt;Escribir:&lt;/b&gt; escribe solo en las casillas vacías; el cursor salta las letras dadas azules. Para escribir palabras enteras, letras dadas incluidas, activa &lt;i&gt;Escribir también las letras dadas&lt;/i&gt; en Juego &amp;#9656; Preferencias. &lt;b&gt;Borrar&lt;/b&gt; vacía una casilla y retrocede; &lt;b&gt;Tabulador&lt;/b&gt; avanza; las &lt;b&gt;flechas&lt;/b&gt; saltan a la casilla más cercana en esa dirección. &lt;b&gt;Palabras&lt;/b&gt; (Control+W) muestra las cinco palabras en una lista, para oírlas leer o escribir cada una entera.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Comprobar todas las palabras&lt;/b&gt; (Control+K) marca si cada palabra es válida o no y muestra tu puntuación, tantas veces como quieras. &lt;b&gt;Entregar&lt;/b&gt; (Control+Retorno) termina la ronda: pasa a tus estadísticas, se muestran las palabras del ordenador y se reparte un tablero nuevo.&lt;/p&gt;&lt;p&gt;¿Te atascas? &lt;b&gt;Pista&lt;/b&gt; (Control+I) pone una letra de una palabra común en la palabra donde está el cursor; la ronda cuenta sus pistas.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Juego &amp;#9656; Repaso de la ronda&lt;/b&gt; (Control+E) pone tu última ronda junto a las mejores palabras que cabían.&lt;/p&gt;&lt;p&gt;También en el menú Juego: Nuevo tablero (Control+N), el Tablero del día (Control+D, el mismo para todos; tu primera entrega es el resultado del día), códigos de tablero para compartir un tablero, Copiar resultado y Estadísticas. Escribe una palabra y pulsa Retorno para buscarla; escribe un nombre y pulsa Retorno para cambiar de jugador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A word puzzle of five crossing words.&lt;/p&gt;&lt;p&gt;Sixfold is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The word lists are derived from SCOWL (Kevin Atkinson and contributors); words are judged with WordNet 3.0 (Princeton University) and Hunspell&apos;s en_US dictionary. Their licences allow use and redistribution with their notices, which are in %2.&lt;/p&gt;</source>
        <extracomment>Rich text. %1 is the version; %2 is the path of the file of licence notices.</extracomment>
        <translation>&lt;p&gt;&lt;b&gt;Sixfold&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Un pasatiempo de cinco palabras cruzadas.&lt;/p&gt;&lt;p&gt;Sixfold es software libre: puedes redistribuirlo y modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o (a tu elección) cualquier versión posterior. Se ofrece sin ninguna garantía.&lt;/p&gt;&lt;p&gt;Las listas de palabras derivan de SCOWL (Kevin Atkinson y colaboradores); las palabras se juzgan con WordNet 3.0 (Universidad de Princeton) y el diccionario en_US de Hunspell. Sus licencias permiten usarlos y redistribuirlos con sus avisos, que están en %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Every cell is filled: a hint fills an empty cell.</source>
        <translation>Todas las casillas están llenas: una pista rellena una casilla vacía.</translation>
    </message>
    <message>
        <source>This word has no empty cell: a hint fills an empty cell of the word the cursor is in.</source>
        <translation>Esta palabra no tiene casillas vacías: una pista rellena una casilla vacía de la palabra donde está el cursor.</translation>
    </message>
    <message>
        <source>No common word fits %1.</source>
        <comment>%1 spells the word&apos;s letters, an underscore for each empty cell</comment>
        <translation>Ninguna palabra común cabe en %1.</translation>
    </message>
    <message>
        <source>Hint: %1 in row %2, column %3.</source>
        <translation>Pista: %1 en la fila %2, columna %3.</translation>
    </message>
    <message>
        <source>1 hint</source>
        <translation>1 pista</translation>
    </message>
    <message numerus="yes">
        <source>%n hints</source>
        <translation>
            <numerusform>%n pista</numerusform>
            <numerusform>%n pistas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hint taken.</source>
        <translation>1 pista usada.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken.</source>
        <translation>
            <numerusform>%n pista usada.</numerusform>
            <numerusform>%n pistas usadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history and its statistics are unavailable: %1</source>
        <extracomment>%1 is why the module cannot be loaded, as the system says it.</extracomment>
        <translation>El historial y sus estadísticas no están disponibles: %1</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the history cannot be read</source>
        <translation>no se puede leer el historial</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>está dañado y no se pudo apartar</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins.
</source>
        <translation>El historial %1 estaba dañado; se conserva como %2 y empieza un historial nuevo.
</translation>
    </message>
    <message>
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the 1 round that could still be read from it.
</source>
        <translation>El historial %1 estaba dañado; se conserva como %2 y empieza un historial nuevo con 1 ronda que aún se pudo leer de él.
</translation>
    </message>
    <message numerus="yes">
        <source>The history %1 was damaged; it is kept as %2 and a new history begins with the %n rounds that could still be read from it.
</source>
        <translation>
            <numerusform>El historial %1 estaba dañado; se conserva como %2 y empieza un historial nuevo con %n ronda que aún se pudo leer de él.
</numerusform>
            <numerusform>El historial %1 estaba dañado; se conserva como %2 y empieza un historial nuevo con las %n rondas que aún se pudieron leer de él.
</numerusform>
        </translation>
    </message>
    <message>
        <source>The history %1 is in use by another program (%2).
</source>
        <translation>Otro programa está usando el historial %1 (%2).
</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2).
</source>
        <translation>No se puede leer el historial %1 (%2).
</translation>
    </message>
    <message>
        <source>Rounds are not recorded until the next start: the history %1 failed (%2).
</source>
        <translation>Las rondas no se registran hasta el próximo inicio: el historial %1 ha fallado (%2).
</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>schema version %1 is newer than this game&apos;s %2</source>
        <translation>la versión de esquema %1 es más nueva que la %2 de este juego</translation>
    </message>
    <message>
        <source>the history is from a newer version of the game</source>
        <translation>el historial es de una versión más nueva del juego</translation>
    </message>
    <message>
        <source>the history is in use by another program</source>
        <translation>otro programa está usando el historial</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>no se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>no se pudo abrir</translation>
    </message>
</context>
<context>
    <name>HistoryService</name>
    <message>
        <source>The history %1 is in use by another program: your rounds are kept in %2 and written once it is free.
</source>
        <translation>Otro programa está usando el historial %1: tus rondas se guardan en %2 y se escribirán en él cuando quede libre.
</translation>
    </message>
    <message>
        <source>The rounds kept while the history was in use are written to it now.
</source>
        <translation>Las rondas guardadas mientras el historial estaba en uso se escriben ahora en él.
</translation>
    </message>
    <message>
        <source>The rounds kept in %1 cannot be read (%2).
</source>
        <translation>No se pueden leer las rondas guardadas en %1 (%2).
</translation>
    </message>
    <message>
        <source>its lock is held</source>
        <translation>está bloqueado</translation>
    </message>
    <message>
        <source>it cannot be removed</source>
        <translation>no se puede eliminar</translation>
    </message>
    <message>
        <source>The rounds not yet in the history cannot be kept in %1 (%2); they are held until the game quits.
</source>
        <translation>Las rondas que aún no están en el historial no se pueden guardar en %1 (%2); se conservan hasta que se cierre el juego.
</translation>
    </message>
</context>
<context>
    <name>KeptBoard</name>
    <message>
        <source>word %1 runs the wrong way</source>
        <translation>la palabra %1 va en la dirección equivocada</translation>
    </message>
    <message>
        <source>the words do not chain across the board</source>
        <translation>las palabras no se encadenan por el tablero</translation>
    </message>
    <message>
        <source>two words disagree at column %1, row %2</source>
        <translation>dos palabras no coinciden en la columna %1, fila %2</translation>
    </message>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>no es JSON (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>an unknown version</source>
        <translation>una versión desconocida</translation>
    </message>
    <message>
        <source>an identity that is not one</source>
        <translation>una identidad no válida</translation>
    </message>
    <message>
        <source>not five words</source>
        <translation>no son cinco palabras</translation>
    </message>
    <message>
        <source>word %1 is not six letters on the board</source>
        <translation>la palabra %1 no ocupa seis letras en el tablero</translation>
    </message>
    <message>
        <source>a typed letter is not on a blank cell of its own</source>
        <translation>una letra escrita no está en una casilla vacía propia</translation>
    </message>
    <message>
        <source>a typed letter is not one character with a verdict</source>
        <translation>una letra escrita no es un solo carácter con veredicto</translation>
    </message>
    <message>
        <source>a typed letter is a control character or a direction mark</source>
        <translation>una letra escrita es un carácter de control o una marca de dirección</translation>
    </message>
    <message>
        <source>a score is missing or out of range</source>
        <translation>falta una puntuación o está fuera de rango</translation>
    </message>
    <message>
        <source>another game holds it</source>
        <translation>otra partida lo está usando</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>its lock file cannot be written; the disk may be full</source>
        <translation>no se puede escribir su archivo de bloqueo; puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>The kept board %1 is not a regular file; it is left as it is and no board is kept.</source>
        <translation>El tablero guardado %1 no es un archivo normal; se deja como está y no se guarda ningún tablero.</translation>
    </message>
    <message>
        <source>The kept board %1 cannot be read (%2); it is left as it is and no board is kept.</source>
        <translation>No se puede leer el tablero guardado %1 (%2); se deja como está y no se guarda ningún tablero.</translation>
    </message>
    <message>
        <source>it is larger than any board</source>
        <translation>es más grande que cualquier tablero</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2); it is left as it is.</source>
        <translation>El tablero guardado %1 no es un tablero (%2); se deja como está.</translation>
    </message>
    <message>
        <source>The kept board %1 is not a board (%2) and cannot be moved aside.</source>
        <translation>El tablero guardado %1 no es un tablero (%2) y no se puede apartar.</translation>
    </message>
    <message>
        <source>The kept board was not a board (%1); it is moved to %2.</source>
        <translation>El tablero guardado no era un tablero (%1); se ha movido a %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The kept board %1 was submitted already and cannot be removed (%2); it is not resumed.</source>
        <translation>El tablero guardado %1 ya se entregó y no se puede eliminar (%2); no se reanuda.</translation>
    </message>
    <message>
        <source>The board cannot be kept in %1 (%2); the file is left as it was.</source>
        <translation>El tablero no se puede guardar en %1 (%2); el archivo se deja como estaba.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2); it is remembered as submitted in %3 and is never resumed.</source>
        <translation>El tablero entregado no se puede eliminar de %1 (%2); se recuerda como entregado en %3 y nunca se reanuda.</translation>
    </message>
    <message>
        <source>The submitted board cannot be removed from %1 (%2) nor remembered as submitted (%3), and may come back.</source>
        <translation>El tablero entregado no se puede eliminar de %1 (%2) ni recordar como entregado (%3), y puede volver.</translation>
    </message>
    <message>
        <source>The kept board cannot be removed from %1 (%2).</source>
        <translation>El tablero guardado no se puede eliminar de %1 (%2).</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as its speakers write it in a menu: Deutsch, Français, Español.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Start on the board that CODE names (Game ▸ Copy Board Code gives one).</source>
        <translation>Empezar con el tablero que indica CÓDIGO (Juego ▸ Copiar código de tablero da uno).</translation>
    </message>
    <message>
        <source>CODE</source>
        <comment>the value of --board, named in its help</comment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Start on today&apos;s daily board (UTC).</source>
        <translation>Empezar con el tablero del día de hoy (UTC).</translation>
    </message>
    <message>
        <source>A word puzzle: fill in five crossing six-letter words.</source>
        <translation>Un pasatiempo de palabras: rellena cinco palabras cruzadas de seis letras.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Choose either --board or --daily, not both.</source>
        <translation>Elige --board o --daily, no los dos.</translation>
    </message>
    <message>
        <source>sixfold: %1
Try &apos;sixfold --help&apos; for the options.
</source>
        <translation>sixfold: %1
Prueba &apos;sixfold --help&apos; para ver las opciones.
</translation>
    </message>
</context>
<context>
    <name>Lexicon</name>
    <message>
        <source>could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>is damaged: it has %1 lines where the game was built with %2</source>
        <translation>está dañado: tiene %1 líneas donde el juego se compiló con %2</translation>
    </message>
    <message>
        <source>is damaged: its words differ from those the game was built with</source>
        <translation>está dañado: sus palabras difieren de aquellas con las que se compiló el juego</translation>
    </message>
    <message>
        <source>The word lexicon (%1) %2; the best possible score of a board is unknown.
</source>
        <extracomment>%2 says what is wrong with the file, such as &quot;could not be read&quot;</extracomment>
        <translation>El léxico (%1) %2; se desconoce la mejor puntuación posible de los tableros.
</translation>
    </message>
    <message>
        <source>The withheld words (withheld_words.txt) could not be read; no best words can be shown.
</source>
        <translation>No se pudieron leer las palabras reservadas (withheld_words.txt); no se pueden mostrar las mejores palabras.
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
        <translation>Tablero de juego</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tu puntuación</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Puntuación del ordenador</translation>
    </message>
    <message>
        <source>Check all words</source>
        <translation>Comprobar todas las palabras</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Comprobar todas las palabras</translation>
    </message>
    <message>
        <source>Submit the round</source>
        <translation>Entregar la ronda</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nuevo tablero</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuevo tablero</translation>
    </message>
    <message>
        <source>Last round&apos;s outcome</source>
        <translation>Resultado de la última ronda</translation>
    </message>
    <message>
        <source>Daily board</source>
        <translation>Tablero del día</translation>
    </message>
    <message>
        <source>Player&apos;s statistics</source>
        <translation>Estadísticas del jugador</translation>
    </message>
    <message>
        <source>Word to look up</source>
        <translation>Palabra que buscar</translation>
    </message>
    <message>
        <source>A word to look up</source>
        <translation>Una palabra que buscar</translation>
    </message>
    <message>
        <source>Check the word</source>
        <translation>Comprobar la palabra</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Comprobar palabra</translation>
    </message>
    <message>
        <source>New player&apos;s name</source>
        <translation>Nombre del nuevo jugador</translation>
    </message>
    <message>
        <source>Player&apos;s name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Change player</source>
        <translation>Cambiar de jugador</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Cambiar de jugador</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation>&amp;Nuevo tablero</translation>
    </message>
    <message>
        <source>&amp;Check All Words</source>
        <translation>&amp;Comprobar todas las palabras</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <translation>&amp;Entregar</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Words…</source>
        <translation>Pa&amp;labras…</translation>
    </message>
    <message>
        <source>&amp;Resume Previous Board</source>
        <translation>&amp;Reanudar el tablero anterior</translation>
    </message>
    <message>
        <source>Round Re&amp;view…</source>
        <translation>Repas&amp;o de la ronda…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Estadís&amp;ticas…</translation>
    </message>
    <message>
        <source>&amp;Daily Board</source>
        <translation>Tablero del &amp;día</translation>
    </message>
    <message>
        <source>Play Board C&amp;ode…</source>
        <translation>&amp;Jugar con código de tablero…</translation>
    </message>
    <message>
        <source>Copy &amp;Board Code</source>
        <translation>Copi&amp;ar código de tablero</translation>
    </message>
    <message>
        <source>Cop&amp;y Result</source>
        <translation>Copiar res&amp;ultado</translation>
    </message>
    <message>
        <source>&amp;Look Up a Word</source>
        <translation>&amp;Buscar una palabra</translation>
    </message>
    <message>
        <source>Ch&amp;ange Player</source>
        <translation>Ca&amp;mbiar de jugador</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>Pre&amp;ferencias…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About Sixfold</source>
        <translation>Acerca &amp;de Sixfold</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Last round: you %1, computer %2 – you won by %3.</source>
        <translation>Última ronda: tú %1, el ordenador %2 – has ganado por %3.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – you lost by %3.</source>
        <translation>Última ronda: tú %1, el ordenador %2 – has perdido por %3.</translation>
    </message>
    <message>
        <source>Last round: you %1, computer %2 – a draw.</source>
        <translation>Última ronda: tú %1, el ordenador %2 – empate.</translation>
    </message>
    <message>
        <source>The board allowed %1.</source>
        <translation>El tablero permitía %1.</translation>
    </message>
    <message>
        <source>The best possible is unknown.</source>
        <translation>Se desconoce la mejor puntuación posible.</translation>
    </message>
    <message>
        <source>you won by %1</source>
        <translation>has ganado por %1</translation>
    </message>
    <message>
        <source>the computer won by %1</source>
        <translation>ha ganado el ordenador por %1</translation>
    </message>
    <message>
        <source>a draw</source>
        <translation>empate</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, a draw.</source>
        <translation>Fin de la ronda: tu puntuación %1, la del ordenador %2; empate.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, you won by %3.</source>
        <translation>Fin de la ronda: tu puntuación %1, la del ordenador %2; has ganado por %3.</translation>
    </message>
    <message>
        <source>Round over: your score %1, the computer&apos;s %2, the computer won by %3.</source>
        <translation>Fin de la ronda: tu puntuación %1, la del ordenador %2; ha ganado el ordenador por %3.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>&apos;%1&apos; is too long for a player&apos;s name (at most %2 bytes); the player stays &apos;%3&apos;.</source>
        <translation>&apos;%1&apos; es demasiado largo para un nombre de jugador (%2 bytes como máximo); el jugador sigue siendo &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>&apos;LastUser&apos; cannot be a player&apos;s name; the player stays &apos;%1&apos;.</source>
        <translation>&apos;LastUser&apos; no puede ser un nombre de jugador; el jugador sigue siendo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>User changed to &apos;%1&apos;</source>
        <translation>Jugador cambiado a &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences cannot be saved in %1; they hold until the game quits.</source>
        <translation>Las preferencias no se pueden guardar en %1; se mantienen hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>The preferences cannot be saved; they hold until the game quits.</source>
        <translation>Las preferencias no se pueden guardar; se mantienen hasta que se cierre el juego.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>&amp;Resume the kept board at launch</source>
        <translation>&amp;Reanudar el tablero guardado al iniciar</translation>
    </message>
    <message>
        <source>&amp;Type through given letters</source>
        <translation>&amp;Escribir también las letras dadas</translation>
    </message>
    <message>
        <source>&amp;Ask before submitting a board with unfinished words</source>
        <translation>&amp;Preguntar antes de entregar un tablero con palabras sin terminar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Word colours</source>
        <translation>Colores de las palabras</translation>
    </message>
    <message>
        <source>Standard (green and red)</source>
        <translation>Estándar (verde y rojo)</translation>
    </message>
    <message>
        <source>Colour-blind safe and high contrast (blue and orange)</source>
        <translation>Apto para daltónicos y de alto contraste (azul y naranja)</translation>
    </message>
    <message>
        <source>Typing the blue letter the cursor just stepped over takes it as that letter, so a whole word can be typed as it reads</source>
        <translation>Si escribes la letra azul que el cursor acaba de saltar, cuenta como esa letra: así puedes escribir una palabra entera tal como se lee</translation>
    </message>
    <message>
        <source>The daily board asks before its one scored submission whatever this says.</source>
        <translation>El tablero del día pregunta siempre antes de su única entrega puntuada, sea cual sea esta opción.</translation>
    </message>
    <message>
        <source>&amp;Word colours:</source>
        <translation>&amp;Colores de las palabras:</translation>
    </message>
    <message>
        <source>Sixfold speaks the language chosen from its next launch.</source>
        <translation>Sixfold usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>El idioma del escritorio (%1)</translation>
    </message>
    <message>
        <source>The menus, dialogs and messages; the words played stay English.</source>
        <translation>Los menús, diálogos y mensajes; las palabras jugadas siguen en inglés.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>a word</source>
        <translation>es palabra</translation>
    </message>
    <message>
        <source>not all six cells filled</source>
        <translation>faltan casillas por rellenar</translation>
    </message>
    <message>
        <source>not a word</source>
        <translation>no es palabra</translation>
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
            <numerusform>Palabra %1 (%2): %3 – %4, %n punto.</numerusform>
            <numerusform>Palabra %1 (%2): %3 – %4, %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 (rare)</source>
        <comment>a word that fitted, its score, and that it is rare</comment>
        <translation>%1 %2 (rara)</translation>
    </message>
    <message>
        <source>Best that fitted: %1.</source>
        <translation>Lo mejor que cabía: %1.</translation>
    </message>
    <message>
        <source>Best that fitted: %1; also %2.</source>
        <translation>Lo mejor que cabía: %1; también %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s word: %1.</source>
        <translation>La palabra del ordenador: %1.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the best possible is unknown.</source>
        <translation>Tú %1, el ordenador %2; se desconoce la mejor puntuación posible.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3, with common words %4.</source>
        <translation>Tú %1, el ordenador %2; el tablero permitía %3, con palabras comunes %4.</translation>
    </message>
    <message>
        <source>You %1, computer %2; the board allowed %3.</source>
        <translation>Tú %1, el ordenador %2; el tablero permitía %3.</translation>
    </message>
</context>
<context>
    <name>RoundBoardView</name>
    <message>
        <source>Last round</source>
        <translation>Última ronda</translation>
    </message>
    <message>
        <source>No round yet: the last round you submit is redrawn here.</source>
        <translation>Aún no hay rondas: aquí se vuelve a dibujar la última ronda que entregues.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A word the player made and its score: &quot;GARDEN (12)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not a word)</source>
        <translation>%1 (no es palabra)</translation>
    </message>
    <message>
        <source>Your total %1, the computer&apos;s %2: %3. Your words: %4. The computer&apos;s words: %5.</source>
        <translation>Tu total %1, el del ordenador %2: %3. Tus palabras: %4. Las palabras del ordenador: %5.</translation>
    </message>
    <message>
        <source>none fitted</source>
        <translation>no cabía ninguna</translation>
    </message>
    <message>
        <source>Yours: %1</source>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <source>The computer&apos;s: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>Best possible: %1</source>
        <translation>Mejor posible: %1</translation>
    </message>
    <message>
        <source>Best words</source>
        <translation>Mejores palabras</translation>
    </message>
    <message>
        <source>Best possible %1: %2.</source>
        <translation>Mejor posible %1: %2.</translation>
    </message>
    <message>
        <source>Best words: %1.</source>
        <translation>Mejores palabras: %1.</translation>
    </message>
</context>
<context>
    <name>RoundReview</name>
    <message>
        <source>Round Review</source>
        <translation>Repaso de la ronda</translation>
    </message>
    <message>
        <source>Submit a round to review it here.</source>
        <translation>Entrega una ronda para repasarla aquí.</translation>
    </message>
</context>
<context>
    <name>RoundReviewDialog</name>
    <message>
        <source>Round Review</source>
        <translation>Repaso de la ronda</translation>
    </message>
    <message>
        <source>Round board</source>
        <translation>Tablero de la ronda</translation>
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
        <translation>%1 (práctica)</translation>
    </message>
    <message>
        <source>Me %1 · computer %2 · best possible %3</source>
        <translation>Yo %1 · ordenador %2 · mejor posible %3</translation>
    </message>
    <message>
        <source>Me %1 · computer %2</source>
        <translation>Yo %1 · ordenador %2</translation>
    </message>
    <message>
        <source>%1/%2 words</source>
        <comment>words made out of the board&apos;s words</comment>
        <translation>%1/%2 palabras</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source> or </source>
        <extracomment>Between two keys that do the same, spaces included.</extracomment>
        <translation> o </translation>
    </message>
    <message>
        <source>a letter</source>
        <extracomment>Any letter key, typed into a cell of the board.</extracomment>
        <translation>una letra</translation>
    </message>
    <message>
        <source>fills the cell and moves on along the word</source>
        <translation>rellena la casilla y avanza por la palabra</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>empties the cell and steps back</source>
        <translation>vacía la casilla y retrocede</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>moves on along the word; from its last cell, to the next word&apos;s first empty cell, and after the last word on to Check All Words; elsewhere, on to the next control</source>
        <translation>avanza por la palabra; desde su última casilla, a la primera casilla vacía de la palabra siguiente, y tras la última palabra, a Comprobar todas las palabras; en otros sitios, al control siguiente</translation>
    </message>
    <message>
        <source>Shift+Tab</source>
        <translation>Mayúsculas+Tabulador</translation>
    </message>
    <message>
        <source>to the previous word&apos;s first empty cell, and from the first word out of the board; elsewhere, back to the control before</source>
        <translation>a la primera casilla vacía de la palabra anterior, y desde la primera palabra, fuera del tablero; en otros sitios, al control anterior</translation>
    </message>
    <message>
        <source>arrow keys</source>
        <translation>flechas</translation>
    </message>
    <message>
        <source>jump to the nearest cell in that direction</source>
        <translation>saltan a la casilla más cercana en esa dirección</translation>
    </message>
    <message>
        <source>Check All Words</source>
        <translation>Comprobar todas las palabras</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Words: the board as a list of its words, each read aloud and typed whole</source>
        <translation>Palabras: el tablero como lista de sus palabras, cada una leída en voz alta y escrita entera</translation>
    </message>
    <message>
        <source>Hint: one letter of a common word for the word the cursor is in</source>
        <translation>Pista: una letra de una palabra común para la palabra donde está el cursor</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuevo tablero</translation>
    </message>
    <message>
        <source>Daily Board: today&apos;s board, the same for everyone</source>
        <translation>Tablero del día: el tablero de hoy, el mismo para todos</translation>
    </message>
    <message>
        <source>Resume Previous Board (again: back to the board before)</source>
        <translation>Reanudar el tablero anterior (otra vez: vuelve al tablero de antes)</translation>
    </message>
    <message>
        <source>Round Review: the last round slot by slot, and the best words each slot allowed</source>
        <translation>Repaso de la ronda: la última ronda hueco a hueco, y las mejores palabras que permitía cada hueco</translation>
    </message>
    <message>
        <source>Statistics: the history of your rounds</source>
        <translation>Estadísticas: el historial de tus rondas</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Zoom In: the whole window larger, up to 200 %</source>
        <translation>Ampliar: toda la ventana más grande, hasta el 200 %</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Look Up a Word: to the word field</source>
        <extracomment>The words before the colon are the word field&apos;s name in its tooltip.</extracomment>
        <translation>Buscar una palabra: al campo de palabra</translation>
    </message>
    <message>
        <source>Return in the word field</source>
        <translation>Retorno en el campo de palabra</translation>
    </message>
    <message>
        <source>Check Word</source>
        <translation>Comprobar palabra</translation>
    </message>
    <message>
        <source>Change Player: to the name field</source>
        <extracomment>The words before the colon are the name field&apos;s name in its tooltip.</extracomment>
        <translation>Cambiar de jugador: al campo de nombre</translation>
    </message>
    <message>
        <source>Return in the name field</source>
        <translation>Retorno en el campo de nombre</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Cambiar de jugador</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>closes the Words, Statistics, Preferences or help window</source>
        <translation>cierra la ventana de Palabras, Estadísticas, Preferencias o ayuda</translation>
    </message>
    <message>
        <source>How to Play: the goal and the rules</source>
        <translation>Cómo se juega: el objetivo y las reglas</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
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
        <translation>%1 no cabe: la primera letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 2nd letter is given as %2.</source>
        <translation>%1 no cabe: la segunda letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 3rd letter is given as %2.</source>
        <translation>%1 no cabe: la tercera letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 4th letter is given as %2.</source>
        <translation>%1 no cabe: la cuarta letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 5th letter is given as %2.</source>
        <translation>%1 no cabe: la quinta letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: the 6th letter is given as %2.</source>
        <translation>%1 no cabe: la sexta letra dada es %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a spoken list&apos;s last item, after the others</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, given %2</source>
        <comment>a word&apos;s letters read out, then its given letters</comment>
        <translation>%1; dadas: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; a word, %n points</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>
            <numerusform>%1; es palabra, %n punto</numerusform>
            <numerusform>%1; es palabra, %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1; es palabra</translation>
    </message>
    <message>
        <source>%1; not a word</source>
        <comment>a word&apos;s letters read out, then its verdict</comment>
        <translation>%1; no es palabra</translation>
    </message>
    <message>
        <source>There is no board to type a word into.</source>
        <translation>No hay ningún tablero en el que escribir una palabra.</translation>
    </message>
    <message>
        <source>Type a word of %1 letters for %2.</source>
        <translation>Escribe una palabra de %1 letras para %2.</translation>
    </message>
    <message>
        <source>%1 does not fit: a word is letters from A to Z only.</source>
        <translation>%1 no cabe: una palabra solo lleva letras de la A a la Z.</translation>
    </message>
    <message>
        <source>%1 does not fit: %2 has %3 letters, not %4.</source>
        <translation>%1 no cabe: %2 tiene %3 letras, no %4.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>The stored statistics of %1 held no readable value under %2; replaced with the current figures.
</source>
        <translation>Las estadísticas guardadas de %1 no tenían ningún valor legible en %2; se sustituyen por las cifras actuales.
</translation>
    </message>
    <message>
        <source>You appear to be a new user, welcome!
</source>
        <translation>Parece que es tu primera vez: ¡te damos la bienvenida!
</translation>
    </message>
    <message>
        <source>Stats for %1:</source>
        <translation>Estadísticas de %1:</translation>
    </message>
    <message>
        <source>Average Score: %1</source>
        <translation>Puntuación media: %1</translation>
    </message>
    <message>
        <source>Average Valid Words Per Puzzle: %1</source>
        <translation>Media de palabras válidas por tablero: %1</translation>
    </message>
    <message>
        <source>Average Word Score: %1</source>
        <translation>Puntuación media por palabra: %1</translation>
    </message>
    <message>
        <source>Total Puzzle Submissions: %1</source>
        <translation>Total de tableros entregados: %1</translation>
    </message>
    <message>
        <source>Total Words Made: %1</source>
        <translation>Total de palabras formadas: %1</translation>
    </message>
    <message>
        <source>Computer Average: %1</source>
        <translation>Media del ordenador: %1</translation>
    </message>
    <message numerus="yes">
        <source>Best Word: &apos;%1&apos;, %n points</source>
        <translation>
            <numerusform>Mejor palabra: &apos;%1&apos;, %n punto</numerusform>
            <numerusform>Mejor palabra: &apos;%1&apos;, %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Best Round Score: %1</source>
        <translation>Mejor puntuación de ronda: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>&amp;All rounds</source>
        <translation>&amp;Todas las rondas</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Score per round</source>
        <translation>Puntuación por ronda</translation>
    </message>
    <message>
        <source>Distribution of your round scores</source>
        <translation>Distribución de tus puntuaciones por ronda</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Repasar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Show all rounds</source>
        <translation>Mostrar todas las rondas</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Rounds won, drawn and lost</source>
        <translation>Rondas ganadas, empatadas y perdidas</translation>
    </message>
    <message>
        <source>Your best words</source>
        <translation>Tus mejores palabras</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Last round</source>
        <translation>Última ronda</translation>
    </message>
    <message>
        <source>Round to review</source>
        <translation>Ronda que repasar</translation>
    </message>
    <message>
        <source>Round </source>
        <extracomment>Before the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation>Ronda </translation>
    </message>
    <message>
        <source>Round –</source>
        <extracomment>The round chooser while it has no round to offer.</extracomment>
        <translation>Ronda –</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Leyendo el historial…</translation>
    </message>
    <message>
        <source>Review the chosen round</source>
        <translation>Repasar la ronda elegida</translation>
    </message>
    <message>
        <source>#%1 %2 to %3</source>
        <extracomment>A daily result: the daily board&apos;s number, the player&apos;s score, the computer&apos;s: &quot;#2 25 to 20&quot;.</extracomment>
        <translation>#%1 %2 a %3</translation>
    </message>
    <message>
        <source>Daily results: %1. Days in a row: %2 now, %3 at most. Latest: %4.</source>
        <translation>Resultados diarios: %1. Días seguidos: %2 ahora, %3 como máximo. Últimos: %4.</translation>
    </message>
    <message>
        <source>Won %1, drawn %2, lost %3 against the computer. Rounds won in a row: %4 now, %5 at most.</source>
        <translation>Contra el ordenador: %1 ganadas, %2 empatadas, %3 perdidas. Rondas ganadas seguidas: %4 ahora, %5 como máximo.</translation>
    </message>
    <message>
        <source>No rounds yet: rounds won, drawn and lost against the computer show here once you submit a round.</source>
        <translation>Aún no hay rondas: las rondas ganadas, empatadas y perdidas contra el ordenador aparecen aquí cuando entregues una ronda.</translation>
    </message>
    <message>
        <source>Your best words: your ten best, with their scores, show here once you submit a round</source>
        <translation>Tus mejores palabras: las diez mejores, con sus puntuaciones, aparecen aquí cuando entregues una ronda</translation>
    </message>
    <message>
        <source>Your round scores&lt;br&gt;How often you scored what&lt;br&gt;shows here once you submit a round</source>
        <translation>Tus puntuaciones por ronda&lt;br&gt;Cuántas veces lograste cada una&lt;br&gt;aparece aquí cuando entregues una ronda</translation>
    </message>
    <message>
        <source>Your round scores</source>
        <translation>Tus puntuaciones por ronda</translation>
    </message>
    <message>
        <source>No rounds yet.</source>
        <translation>Aún no hay rondas.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of round scores: &quot;10 to 11&quot;.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>No round yet</source>
        <translation>Ninguna ronda aún</translation>
    </message>
    <message>
        <source> of %1</source>
        <extracomment>After the round number in the chooser: &quot;Round 3 of 12&quot;.</extracomment>
        <translation> de %1</translation>
    </message>
    <message>
        <source>Score per round&lt;br&gt;Your scores and the computer&apos;s&lt;br&gt;show here once you submit a round</source>
        <translation>Puntuación por ronda&lt;br&gt;Tus puntuaciones y las del ordenador&lt;br&gt;aparecen aquí cuando entregues una ronda</translation>
    </message>
    <message>
        <source>Rounds %1 to %2 shown. Your average %3, best %4. The computer&apos;s average %5, best %6.</source>
        <translation>Se muestran las rondas %1 a %2. Tu media: %3; tu mejor: %4. Media del ordenador: %5; su mejor: %6.</translation>
    </message>
    <message>
        <source>Export rounds</source>
        <translation>Exportar rondas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
    <message>
        <source>Wrote 1 round to %1</source>
        <translation>1 ronda escrita en %1</translation>
    </message>
    <message>
        <source>The rounds could not be written: %1</source>
        <translation>No se pudieron escribir las rondas: %1</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of round scores under a bar of the chart: &quot;10–11&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Round score</source>
        <translation>Puntuación de la ronda</translation>
    </message>
    <message>
        <source>Your statistics cannot be shown:%1%2.</source>
        <extracomment>%1 is a space or a line break, %2 why the history could not be read.</extracomment>
        <translation>No se pueden mostrar tus estadísticas:%1%2.</translation>
    </message>
    <message numerus="yes">
        <source>Hints taken in your last %n rounds: %1.</source>
        <translation>
            <numerusform>Pistas usadas en %n ronda, la última: %1.</numerusform>
            <numerusform>Pistas usadas en tus últimas %n rondas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds in all; the most, %1, scored %2.</source>
        <translation>
            <numerusform>%n ronda en total; la puntuación más frecuente, %2, en %1 de ellas.</numerusform>
            <numerusform>%n rondas en total; la puntuación más frecuente, %2, en %1 de ellas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score per round&lt;br&gt;Each point: the mean of %n rounds</source>
        <translation>
            <numerusform>Puntuación por ronda&lt;br&gt;Cada punto: la media de %n ronda</numerusform>
            <numerusform>Puntuación por ronda&lt;br&gt;Cada punto: la media de %n rondas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each point is the mean of %n rounds.</source>
        <translation>
            <numerusform>Cada punto es la media de %n ronda.</numerusform>
            <numerusform>Cada punto es la media de %n rondas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n rounds to %1</source>
        <translation>
            <numerusform>%n ronda escrita en %1</numerusform>
            <numerusform>%n rondas escritas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hints taken in your one round: %1.</source>
        <translation>Pistas usadas en tu única ronda: %1.</translation>
    </message>
    <message>
        <source>1 round in all, which scored %1.</source>
        <translation>1 ronda en total, con %1 puntos.</translation>
    </message>
</context>
<context>
    <name>Submit</name>
    <message>
        <source>Computer Words for Previous Puzzle: 
</source>
        <translation>Palabras del ordenador en el tablero anterior: 
</translation>
    </message>
    <message>
        <source>The computer&apos;s words: %1.</source>
        <translation>Las palabras del ordenador: %1.</translation>
    </message>
</context>
<context>
    <name>SubmitQuestion</name>
    <message>
        <source>1 of %1 words is unfinished. Submit anyway?</source>
        <extracomment>%1 is the number of words on the board, all of them.</extracomment>
        <translation>1 de %1 palabras está sin terminar. ¿Entregar de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 words are unfinished. Submit anyway?</source>
        <translation>
            <numerusform>%n de %1 palabras está sin terminar. ¿Entregar de todos modos?</numerusform>
            <numerusform>%n de %1 palabras están sin terminar. ¿Entregar de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Submit Unfinished Board</source>
        <translation>Entregar tablero sin terminar</translation>
    </message>
    <message>
        <source>This is your one scored submission of Daily #%1.</source>
        <translation>Esta es tu única entrega puntuada del Diario #%1.</translation>
    </message>
    <message>
        <source>&amp;Submit Anyway</source>
        <translation>&amp;Entregar de todos modos</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <translation>&amp;Seguir jugando</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask again</source>
        <translation>&amp;No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>UserDefaultsStore</name>
    <message>
        <source>The saved statistics in %1 cannot be read (%2); they are left as they are and play goes on without saving.
</source>
        <translation>No se pueden leer las estadísticas guardadas en %1 (%2); se dejan como están y el juego sigue sin guardar.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read, nor moved aside; they are left as they are and play goes on without saving.
</source>
        <translation>No se pudieron leer ni apartar las estadísticas guardadas en %1; se dejan como están y el juego sigue sin guardar.
</translation>
    </message>
    <message>
        <source>The saved statistics in %1 could not be read; they were moved to %2 and play goes on with none.
</source>
        <translation>No se pudieron leer las estadísticas guardadas en %1; se han movido a %2 y el juego sigue sin ellas.
</translation>
    </message>
    <message>
        <source>The statistics cannot be saved in %1; play goes on without saving.
</source>
        <translation>No se pueden guardar las estadísticas en %1; el juego sigue sin guardar.
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
            <numerusform>La lista de palabras tiene %n línea de más de seis letras; se ha omitido.
</numerusform>
            <numerusform>La lista de palabras tiene %n líneas de más de seis letras; se han omitido.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list holds more than %1 words; %n line(s) were not stored.
</source>
        <translation>
            <numerusform>La lista de palabras tiene más de %1 palabras; %n línea no se ha guardado.
</numerusform>
            <numerusform>La lista de palabras tiene más de %1 palabras; %n líneas no se han guardado.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Null list.
</source>
        <translation>No hay lista de palabras.
</translation>
    </message>
    <message>
        <source>The word list %1 cannot be read (%2).
</source>
        <translation>No se puede leer la lista de palabras %1 (%2).
</translation>
    </message>
    <message>
        <source>The word list %1 is missing.
</source>
        <translation>Falta la lista de palabras %1.
</translation>
    </message>
    <message>
        <source>The word list %1 is empty.
</source>
        <translation>La lista de palabras %1 está vacía.
</translation>
    </message>
    <message>
        <source>The word list %1 holds no six-letter word.
</source>
        <translation>La lista de palabras %1 no contiene ninguna palabra de seis letras.
</translation>
    </message>
</context>
<context>
    <name>WordView</name>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Type a word for a slot and press Return; Up and Down move between the slots, Escape goes back to the board.</source>
        <translation>Escribe una palabra para un hueco y pulsa Retorno; Arriba y Abajo pasan de un hueco a otro, Escape vuelve al tablero.</translation>
    </message>
    <message>
        <source>Type the word</source>
        <translation>Escribe la palabra</translation>
    </message>
    <message>
        <source>Back to the Board</source>
        <translation>Volver al tablero</translation>
    </message>
    <message>
        <source>A word of %1 letters for %2; Return puts it on the board.</source>
        <translation>Una palabra de %1 letras para %2; Retorno la pone en el tablero.</translation>
    </message>
    <message>
        <source>Escape</source>
        <comment>the key that goes back to the board</comment>
        <translation>Escape</translation>
    </message>
</context>
</TS>
