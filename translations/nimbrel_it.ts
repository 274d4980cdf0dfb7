<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Find more great software from Quorvane at:</source>
        <extracomment>Quorvane is the maker&apos;s name; the maker&apos;s web address follows below this text.</extracomment>
        <translation>Altri ottimi programmi di Quorvane su:</translation>
    </message>
    <message>
        <source>Nimbrel is freeware. You may copy it and give it away, free of charge and unchanged. It comes with no warranty of any kind.</source>
        <translation>Nimbrel è freeware. Può copiarlo e distribuirlo, gratuitamente e senza modifiche. È fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane. All rights reserved.</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>Copyright © %1 Quorvane. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Impossibile avviare il suo programma di posta elettronica.</translation>
    </message>
    <message>
        <source>Could not start your web browser.</source>
        <translation>Impossibile avviare il suo browser web.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message that a link could not be opened.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>names from a hat</source>
        <extracomment>The line under the program&apos;s name in the About box&apos;s picture (shrunk to fit).</extracomment>
        <translation>nomi dal cappello</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel</source>
        <extracomment>Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and &quot;xvfb-run -a nimbrel&quot; as they are.</extracomment>
        <translation>nimbrel: nessuno schermo su cui aprire una finestra (né DISPLAY né WAYLAND_DISPLAY è impostata); per provarlo senza desktop: xvfb-run -a nimbrel</translation>
    </message>
    <message>
        <source>Draws names out of a hat: keep a list of names, shuffle it and stop at random.
The options and the remembered list are kept in %1.</source>
        <extracomment>%1 is the full path of the settings file.</extracomment>
        <translation>Estrae nomi da un cappello: tenga una lista di nomi, la mescoli e la fermi a caso.
Le opzioni e la lista memorizzata sono conservate in %1.</translation>
    </message>
    <message>
        <source>nimbrel: %1 is an unknown option.</source>
        <extracomment>Printed in a terminal; %1 is the option as given, such as --bogus.</extracomment>
        <translation>nimbrel: %1 è un&apos;opzione sconosciuta.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a draw record can be</source>
        <translation>è più grande di %1 MB, il massimo per un registro di estrazione</translation>
    </message>
    <message>
        <source>it is written in %1, a draw record in UTF-8</source>
        <extracomment>%1 is the name of a text encoding, such as UTF-16.</extracomment>
        <translation>è scritto in %1, mentre un registro di estrazione è in UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>la riga %1 non è testo UTF-8</translation>
    </message>
    <message>
        <source>its first line is not &quot;Nimbrel draw record&quot; and a version</source>
        <translation>la sua prima riga non è «Nimbrel draw record» seguito da una versione</translation>
    </message>
    <message>
        <source>it is of version %1 of the format; this program reads version %2</source>
        <translation>è nella versione %1 del formato; questo programma legge la versione %2</translation>
    </message>
    <message>
        <source>it ends early: it was cut short</source>
        <translation>finisce prima del previsto: è stato troncato</translation>
    </message>
    <message>
        <source>line %1 has been edited or is not from a draw record</source>
        <translation>la riga %1 è stata modificata o non proviene da un registro di estrazione</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>manca il campo «%1»</translation>
    </message>
    <message>
        <source>it has more than %1 names, more than a list can hold</source>
        <translation>contiene più di %1 nomi, più di quanti ne possa contenere una lista</translation>
    </message>
    <message>
        <source>its list has %1 names, more than the record counts</source>
        <translation>la sua lista ha %1 nomi, più di quanti ne conti il registro</translation>
    </message>
    <message>
        <source>its list is not the one the draw was made from (the fingerprint differs)</source>
        <translation>la sua lista non è quella da cui è stata fatta l’estrazione (l’impronta è diversa)</translation>
    </message>
    <message>
        <source>its drawn order does not account for every name</source>
        <translation>il suo ordine di estrazione non comprende tutti i nomi</translation>
    </message>
    <message>
        <source>nimbrel: --check-draw needs the file of a draw record</source>
        <translation>nimbrel: --check-draw richiede il file di un registro di estrazione</translation>
    </message>
    <message>
        <source>%1: not a draw record: %2.</source>
        <translation>%1: non è un registro di estrazione: %2.</translation>
    </message>
    <message>
        <source>%1: not a draw record: it records names set aside or brought back.</source>
        <translation>%1: non è un registro di estrazione: registra nomi messi da parte o ripresi.</translation>
    </message>
    <message>
        <source>%1: the draw matches its record (names: %2, re-orders: %3).</source>
        <translation>%1: l’estrazione corrisponde al suo registro (nomi: %2, riordinamenti: %3).</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: position %2: recorded &quot;%3&quot;, the draw gives &quot;%4&quot;.</source>
        <translation>%1: l’estrazione non corrisponde al suo registro: posizione %2: registrato «%3», l’estrazione dà «%4».</translation>
    </message>
    <message>
        <source>Do the draw of a draw record again and say whether it matches; exit with 0 when it does, 1 when it does not, 2 when the file is not a draw record.</source>
        <translation>Rifà l’estrazione di un registro di estrazione e dice se corrisponde; esce con 0 se corrisponde, 1 se non corrisponde, 2 se il file non è un registro di estrazione.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>The records of the last 1,000 draws are kept there too, each with the list it was drawn from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes them.</source>
        <translation>Lì sono conservati anche i registri delle ultime 1.000 estrazioni, ognuno con la lista da cui è stata fatta l’estrazione; la finestra Estrazioni (Ctrl+H) li mostra, e il suo pulsante «Dimentica tutte le estrazioni» li rimuove.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: the public text &quot;%2&quot; gives the seed %3, the record says %4.</source>
        <extracomment>%2 is the public text the record names, %3 and %4 are 64-bit numbers.</extracomment>
        <translation>%1: l’estrazione non corrisponde al suo registro: il testo pubblico «%2» dà il seme %3, il registro dice %4.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: a draw from a public text makes %2 re-orders, the record says %3.</source>
        <translation>%1: l’estrazione non corrisponde al suo registro: un’estrazione da un testo pubblico fa %2 riordinamenti, il registro dice %3.</translation>
    </message>
    <message>
        <source>This shows that the order follows from the list, the seed and the number of re-orders. It does not show that the seed was not chosen to give this order.</source>
        <translation>Questo mostra che l’ordine deriva dalla lista, dal seme e dal numero di riordinamenti. Non mostra che il seme non sia stato scelto per dare quest’ordine.</translation>
    </message>
    <message>
        <source>The seed follows from the list&apos;s fingerprint and the public text &quot;%1&quot;, and the re-orders are fixed: if nobody could know that text when the fingerprint was announced, nobody chose this order.</source>
        <translation>Il seme deriva dall’impronta della lista e dal testo pubblico «%1», e i riordinamenti sono fissi: se nessuno poteva conoscere quel testo quando l’impronta è stata annunciata, nessuno ha scelto quest’ordine.</translation>
    </message>
    <message>
        <source>Team %1: %2</source>
        <extracomment>A line of --check-draw&apos;s output: %1 is the team&apos;s number, %2 its names.</extracomment>
        <translation>Squadra %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawActions</name>
    <message>
        <source>Split into Teams...</source>
        <extracomment>List menu: deals the list, in its drawn order, into teams shown over the whole screen.</extracomment>
        <translation>Dividi in squadre...</translation>
    </message>
    <message>
        <source>Draw from a Public Number...</source>
        <extracomment>List menu: a draw whose seed follows from the list and a number published later.</extracomment>
        <translation>Estrai da un numero pubblico...</translation>
    </message>
    <message>
        <source>Winners Shown</source>
        <extracomment>List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.</extracomment>
        <translation>Vincitori mostrati</translation>
    </message>
    <message>
        <source>Show the Draw On</source>
        <extracomment>List menu: a submenu of the screens Show the Draw can open on.</extracomment>
        <translation>Mostra l’estrazione su</translation>
    </message>
    <message>
        <source>Another Screen than the Window&apos;s</source>
        <extracomment>Submenu Show the Draw On: the first choice, the one made until another is chosen.</extracomment>
        <translation>Uno schermo diverso da quello della finestra</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <extracomment>Submenu Show the Draw On: a screen by its name and size, such as &quot;HDMI-1 (1920 × 1080)&quot;.</extracomment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>The list is not in the order of a draw: it was not shuffled since it last changed. Split it into teams as it stands?</source>
        <extracomment>Asked before Split into Teams when the list was not shuffled since it last changed.</extracomment>
        <translation>La lista non è nell’ordine di un’estrazione: non è stata mescolata dall’ultima modifica. Dividerla in squadre così com’è?</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>%1   Draw of %2 names, first drawn: %3</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.</extracomment>
        <translation>%1   Estrazione tra %2 nomi, primo estratto: %3</translation>
    </message>
    <message>
        <source>%1   Set aside: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.</extracomment>
        <translation>%1   Messi da parte: %2</translation>
    </message>
    <message>
        <source>%1   Brought back: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.</extracomment>
        <translation>%1   Ripresi: %2</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Next: %1</source>
        <extracomment>What a screen reader says after the drawn name; %1 lists the next names in the list.</extracomment>
        <translation>Seguono: %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <extracomment>The heading of a team&apos;s column in the view of the draw, in its printout and its file.</extracomment>
        <translation>Squadra %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 nome</numerusform>
            <numerusform>%1 nomi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>At the foot of the view of the draw: how many winners are shown of how many names took part, such as &quot;1 of 5,000&quot;.</extracomment>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>More Winners</source>
        <extracomment>Menu of the view of the draw (right click): one more of the first names shown large.</extracomment>
        <translation>Più vincitori</translation>
    </message>
    <message>
        <source>Fewer Winners</source>
        <extracomment>Menu of the view of the draw: one fewer of the first names shown large.</extracomment>
        <translation>Meno vincitori</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Menu of the view of the draw: prints the winners or the teams shown.</extracomment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Menu of the view of the draw: saves the winners or the teams shown as a text file.</extracomment>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Menu of the view of the draw: closes it.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>e %1 altro</numerusform>
            <numerusform>e altri %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawsWindow</name>
    <message>
        <source>Draws</source>
        <extracomment>Title of the window that lists the recorded draws.</extracomment>
        <translation>Estrazioni</translation>
    </message>
    <message>
        <source>Recorded draws</source>
        <extracomment>What a screen reader calls the list of recorded draws.</extracomment>
        <translation>Estrazioni registrate</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>What a screen reader calls the text of the selected draw&apos;s record.</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Keep a Record of Draws</source>
        <extracomment>Check box of the Draws window: whether draws are recorded from now on.</extracomment>
        <translation>Registra le estrazioni</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the Draws window: prints the selected record.</extracomment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button of the Draws window: saves the selected draw&apos;s record as a file.</extracomment>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Button of the Draws window: removes every record (the list of names stays).</extracomment>
        <translation>Dimentica tutte le estrazioni</translation>
    </message>
    <message>
        <source>Every List</source>
        <extracomment>Check box of the Draws window, shown when there are several lists: lists the draws of every list.</extracomment>
        <translation>Tutte le liste</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <extracomment>A line of the Draws window showing every list&apos;s draws: %1 the line, %2 the list&apos;s name then.</extracomment>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>Forget the records of every draw, from every list? The lists of names stay as they are.</source>
        <extracomment>Asked before every draw&apos;s record is removed, when there are several lists (the records of each go).</extracomment>
        <translation>Dimenticare i registri di tutte le estrazioni, di tutte le liste? Le liste di nomi restano come sono.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <extracomment>%1 is the name of the file about to be made.</extracomment>
        <translation>%1 non esiste.
Vuole creare il file?</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the help file %1 was not found.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>il file di aiuto %1 non è stato trovato.</translation>
    </message>
    <message>
        <source>the help file %1 is not a file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>il file di aiuto %1 non è un file.</translation>
    </message>
    <message>
        <source>the help file %1 is too large to be a help file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>il file di aiuto %1 è troppo grande per essere un file di aiuto.</translation>
    </message>
    <message>
        <source>the help file %1 could not be read (%2).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>non è stato possibile leggere il file di aiuto %1 (%2).</translation>
    </message>
    <message>
        <source>the help file %1 is not a text file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>il file di aiuto %1 non è un file di testo.</translation>
    </message>
    <message>
        <source>the help file %1 is damaged (line %2: %3).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a line number, %3 what is wrong there.</extracomment>
        <translation>il file di aiuto %1 è danneggiato (riga %2: %3).</translation>
    </message>
    <message>
        <source>a topic line needs a number from 1 to %1 in square brackets</source>
        <extracomment>What is wrong in a damaged help file; %1 is the highest topic number.</extracomment>
        <translation>una riga di argomento richiede un numero da 1 a %1 tra parentesi quadre</translation>
    </message>
    <message>
        <source>topic %1 appears a second time</source>
        <extracomment>What is wrong in a damaged help file; %1 is a topic number.</extracomment>
        <translation>l&apos;argomento %1 compare una seconda volta</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <extracomment>What is wrong in a damaged help file.</extracomment>
        <translation>testo prima del primo argomento</translation>
    </message>
    <message>
        <source>Help is not available: %1</source>
        <extracomment>Shown instead of a help topic; %1 says why, e.g. &quot;the help file ... was not found.&quot;</extracomment>
        <translation>Aiuto non disponibile: %1</translation>
    </message>
    <message>
        <source>the help file %1 has no topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>il file di aiuto %1 non ha l&apos;argomento %2.</translation>
    </message>
    <message>
        <source>the help file %1 has nothing in topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>il file di aiuto %1 non contiene nulla nell&apos;argomento %2.</translation>
    </message>
</context>
<context>
    <name>HelpMessageDialog</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the small window shown before the help mode starts.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Now click on any area of the program interface for help on that particular feature.</source>
        <translation>Ora faccia clic su una parte qualsiasi della finestra per ricevere aiuto su di essa.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show this message every time</source>
        <extracomment>Check box: whether this message comes again the next time Help is pressed.</extracomment>
        <translation>Mostra sempre il messaggio</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>Metti da parte il %n nome estratto</numerusform>
            <numerusform>Metti da parte i %n nomi estratti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message>
        <source>Lists</source>
        <extracomment>List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.</extracomment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>New List...</source>
        <extracomment>Lists menu: makes an empty list, asking for its name.</extracomment>
        <translation>Nuova lista...</translation>
    </message>
    <message>
        <source>Rename List...</source>
        <extracomment>Lists menu: gives the current list another name.</extracomment>
        <translation>Rinomina lista...</translation>
    </message>
    <message>
        <source>Duplicate List</source>
        <extracomment>Lists menu: makes a copy of the current list, its set-aside names too.</extracomment>
        <translation>Duplica lista</translation>
    </message>
    <message>
        <source>Delete List...</source>
        <extracomment>Lists menu: deletes the current list, after asking.</extracomment>
        <translation>Elimina lista...</translation>
    </message>
    <message>
        <source>New List from File...</source>
        <extracomment>Lists menu: makes a list of the names in a text file, named after the file.</extracomment>
        <translation>Nuova lista da file...</translation>
    </message>
    <message>
        <source>The lists could not be saved: %1.

Nimbrel tries again with the next change and when it closes. The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Non è stato possibile salvare le liste: %1.

Nimbrel riproverà alla prossima modifica e alla chiusura. Il file delle impostazioni è:
%2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>The window&apos;s title when there are several lists: %1 is the current list&apos;s name, %2 the program&apos;s.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Undo Delete List &quot;%1&quot;</source>
        <extracomment>Lists menu, after a list was deleted: brings it back. %1 is its name.</extracomment>
        <translation>Annulla eliminazione della lista «%1»</translation>
    </message>
    <message>
        <source>Nimbrel keeps at most %1 lists. Delete a list to make room for another one.</source>
        <extracomment>%1 is the most lists the program keeps (100).</extracomment>
        <translation>Nimbrel conserva al massimo %1 liste. Elimini una lista per fare posto a un’altra.</translation>
    </message>
    <message>
        <source>A list&apos;s name must have from %1 to %2 characters.</source>
        <extracomment>%1 and %2 are the fewest and the most characters (1 and 100).</extracomment>
        <translation>Il nome di una lista deve avere da %1 a %2 caratteri.</translation>
    </message>
    <message>
        <source>A list&apos;s name must be one line of text, without tabs or other control characters.</source>
        <translation>Il nome di una lista deve stare su una riga, senza tabulazioni né altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>There is already a list with that name (capital and small letters count as the same). Choose another name.</source>
        <translation>Esiste già una lista con questo nome (maiuscole e minuscole contano come uguali). Scelga un altro nome.</translation>
    </message>
    <message>
        <source>The last list cannot be deleted.</source>
        <translation>L’ultima lista non può essere eliminata.</translation>
    </message>
    <message>
        <source>New List</source>
        <extracomment>Title of the box that asks for the new list&apos;s name.</extracomment>
        <translation>Nuova lista</translation>
    </message>
    <message>
        <source>Enter a name for the new list.</source>
        <translation>Inserisca un nome per la nuova lista.</translation>
    </message>
    <message>
        <source>Rename List</source>
        <extracomment>Title of the box that asks for the list&apos;s new name; %1 is its name now.</extracomment>
        <translation>Rinomina lista</translation>
    </message>
    <message>
        <source>Enter a new name for the list &quot;%1&quot;.</source>
        <translation>Inserisca un nuovo nome per la lista «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Eliminare la lista «%1» e il suo %n nome? Le sue estrazioni non saranno più mostrate.

Finché Nimbrel resta aperto, «Annulla eliminazione della lista» nel menu Liste la ripristina.</numerusform>
            <numerusform>Eliminare la lista «%1» e i suoi %n nomi? Le sue estrazioni non saranno più mostrate.

Finché Nimbrel resta aperto, «Annulla eliminazione della lista» nel menu Liste la ripristina.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <extracomment>What a screen reader calls the column of buttons beside the list.</extracomment>
        <translation>Pulsanti</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>What a screen reader calls the list of names.</extracomment>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Add Name</source>
        <extracomment>Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.</extracomment>
        <translation>Aggiungi nome</translation>
    </message>
    <message>
        <source>Remove Name</source>
        <extracomment>Side button (small): removes the selected name.</extracomment>
        <translation>Rimuovi nome</translation>
    </message>
    <message>
        <source>Import from File</source>
        <extracomment>Side button (small): replaces the list with the names in a text file.</extracomment>
        <translation>Importa lista</translation>
    </message>
    <message>
        <source>Export to File</source>
        <extracomment>Side button (small): saves the list to a text file.</extracomment>
        <translation>Esporta lista</translation>
    </message>
    <message>
        <source>Clear All Names</source>
        <extracomment>Side button (small): removes every name.</extracomment>
        <translation>Cancella tutti</translation>
    </message>
    <message>
        <source>Print List</source>
        <extracomment>Side button (small): prints the list.</extracomment>
        <translation>Stampa lista</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Side button (small): opens the Options window.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Side button (small): starts the help mode (click a part of the window to learn about it).</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Side button (small): opens the About box (version, maker).</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Side button (small): ends the program.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Enter a name to add to the list.</source>
        <translation>Digiti il nome da aggiungere alla lista.</translation>
    </message>
    <message>
        <source>A name must be selected to perform this action.</source>
        <translation>Per questa operazione occorre selezionare un nome.</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list?</source>
        <extracomment>%1 is the selected name.</extracomment>
        <translation>Rimuovere «%1» dalla lista?</translation>
    </message>
    <message>
        <source>This will erase all names in the list. Do you wish to continue?</source>
        <translation>Tutti i nomi della lista verranno cancellati. Vuole continuare?</translation>
    </message>
    <message>
        <source>The was an error printing the list.</source>
        <extracomment>&quot;The was&quot; is a slip in the English text, kept as users know it: it means &quot;There was an error printing the list.&quot;</extracomment>
        <translation>Si è verificato un errore durante la stampa della lista.</translation>
    </message>
    <message>
        <source>You must add at least two names to the list first.</source>
        <translation>Aggiunga prima almeno due nomi alla lista.</translation>
    </message>
    <message>
        <source>Nimbrel cannot find the sound file it needs to play sound while shuffling. The file &quot;shuffle.wav&quot; should be in the same folder as the program file. It might have been deleted. You should replace the file or reinstall the program if you wish to play sound while shuffling. Sound will be disabled.</source>
        <extracomment>&quot;shuffle.wav&quot; is the file&apos;s name: keep it as it is.</extracomment>
        <translation>Nimbrel non trova il file audio che gli serve per riprodurre il suono durante il mescolamento. Il file «shuffle.wav» dovrebbe trovarsi nella stessa cartella del programma. Forse è stato eliminato. Se vuole sentire il suono durante il mescolamento, ripristini il file o reinstalli il programma. Il suono verrà disattivato.</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <extracomment>Title of the message that the sound file is missing.</extracomment>
        <translation>Errore audio</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>The big button that starts the draw; while the draw runs it reads &quot;Stop&quot;.</extracomment>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The big button while the draw runs: pressing it ends the draw.</extracomment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a mistake or a failure.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <extracomment>Title of the Yes/No question before a name is removed or the list is cleared.</extracomment>
        <translation>Confermi, per favore</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The names stay as they were last saved, in:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Non è stato possibile salvare la sua lista di nomi: %1.

I nomi restano come erano all’ultimo salvataggio, in:
%2</translation>
    </message>
    <message>
        <source>another program kept the settings file busy</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>un altro programma teneva occupato il file delle impostazioni</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>il file delle impostazioni o la sua cartella non è scrivibile</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the settings file could not be opened or written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>non è stato possibile aprire o scrivere il file delle impostazioni</translation>
    </message>
    <message>
        <source>The settings file was damaged, so Nimbrel starts with its default settings and no remembered names.

The damaged file was kept as:
%1</source>
        <extracomment>%1 is the path the damaged settings file was kept under.</extracomment>
        <translation>Il file delle impostazioni era danneggiato, quindi Nimbrel si avvia con le impostazioni predefinite e senza nomi memorizzati.

Il file danneggiato è stato conservato come:
%1</translation>
    </message>
    <message>
        <source>The list is full. It can hold at most %1 names.</source>
        <extracomment>%1 is the largest number of names (32,767), written as numbers are in the language.</extracomment>
        <translation>La lista è piena. Può contenere al massimo %1 nomi.</translation>
    </message>
    <message>
        <source>The settings file was written by a newer version of Nimbrel. This version leaves it as it is, so changes to the options and the list of names will not be kept.

The settings file is:
%1</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Il file delle impostazioni è stato scritto da una versione più recente di Nimbrel. Questa versione lo lascia com’è, quindi le modifiche alle opzioni e alla lista di nomi non verranno conservate.

Il file delle impostazioni è:
%1</translation>
    </message>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Il file delle impostazioni contiene più nomi di quanti ne possa contenere la lista. Sono stati caricati i primi %1; %2 è stato tralasciato e non verrà conservato.</numerusform>
            <numerusform>Il file delle impostazioni contiene più nomi di quanti ne possa contenere la lista. Sono stati caricati i primi %1; %2 sono stati tralasciati e non verranno conservati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Tutti i nomi della lista verranno cancellati, insieme a %n nome messo da parte. Vuole continuare?</numerusform>
            <numerusform>Tutti i nomi della lista verranno cancellati, insieme ai %n nomi messi da parte. Vuole continuare?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>Riprendi %n nome messo da parte</numerusform>
            <numerusform>Riprendi %n nomi messi da parte</numerusform>
        </translation>
    </message>
    <message>
        <source>Bring Back Set-Aside Names</source>
        <extracomment>List menu, when no name is set aside (disabled).</extracomment>
        <translation>Riprendi i nomi messi da parte</translation>
    </message>
    <message>
        <source>Show the Draw</source>
        <extracomment>List menu (right click on the list): shows the first name over the whole screen.</extracomment>
        <translation>Mostra l’estrazione</translation>
    </message>
    <message>
        <source>Show Each Draw Large</source>
        <extracomment>List menu, a check mark: after every Stop the drawn name is shown over the whole screen.</extracomment>
        <translation>Mostra in grande ogni estrazione</translation>
    </message>
    <message>
        <source>Set Aside the Drawn Name</source>
        <extracomment>List menu: takes the first name out of the list, so the next shuffle draws from the rest.</extracomment>
        <translation>Metti da parte il nome estratto</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>List menu: takes back the last change to the list.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>List menu: makes the change Undo took back again.</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>another program holds the file %1, which cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot; %1 is the path of a file beside the settings file.</extracomment>
        <translation>un altro programma tiene aperto il file %1, che non è scrivibile</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes?</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Non è stato possibile salvare la sua lista di nomi: %1.

Il file delle impostazioni è:
%2

Vuole esportare i nomi in un file prima che Nimbrel si chiuda?</translation>
    </message>
    <message>
        <source>Changes to the options and the list of names will not be kept: %1.

The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;the settings file or its folder cannot be written&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Le modifiche alle opzioni e alla lista di nomi non verranno conservate: %1.

Il file delle impostazioni è:
%2</translation>
    </message>
    <message>
        <source>The settings file had been moved or deleted while Nimbrel was running. A new one was written with the options and the list of names, at:
%1</source>
        <extracomment>Told at exit; %1 is the settings file&apos;s path.</extracomment>
        <translation>Il file delle impostazioni è stato spostato o eliminato mentre Nimbrel era in esecuzione. Ne è stato scritto uno nuovo con le opzioni e la lista di nomi, in:
%1</translation>
    </message>
    <message>
        <source>Draws...</source>
        <extracomment>Opens the window that lists the recorded draws.</extracomment>
        <translation>Estrazioni...</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Title of the question before every draw&apos;s record is removed.</extracomment>
        <translation>Dimentica tutte le estrazioni</translation>
    </message>
    <message>
        <source>Forget the records of every draw? The list of names stays as it is.</source>
        <translation>Dimenticare i registri di tutte le estrazioni? La lista di nomi resta com’è.</translation>
    </message>
    <message>
        <source>Not every record could be removed from %1.</source>
        <extracomment>%1 is where the settings are kept (a file path, or the registry key).</extracomment>
        <translation>Non è stato possibile rimuovere tutti i registri da %1.</translation>
    </message>
    <message>
        <source>The draw cannot start: the system gives no random numbers to start it from. Try again.</source>
        <translation>L’estrazione non può iniziare: il sistema non fornisce numeri casuali da cui partire. Riprovi.</translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Non è stato possibile salvare la sua lista di nomi: %1.

Il file delle impostazioni è:
%2

Vuole esportare i nomi in un file prima che Nimbrel si chiuda? Il %n nome messo da parte viene scritto dopo la lista.</numerusform>
            <numerusform>Non è stato possibile salvare la sua lista di nomi: %1.

Il file delle impostazioni è:
%2

Vuole esportare i nomi in un file prima che Nimbrel si chiuda? I %n nomi messi da parte vengono scritti dopo la lista.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListCodec</name>
    <message>
        <source>It begins as UTF-16 text but is not valid UTF-16</source>
        <translation>Inizia come testo UTF-16 ma non è UTF-16 valido</translation>
    </message>
    <message>
        <source>It holds NUL bytes, so it is not a text file</source>
        <translation>Contiene byte NUL, quindi non è un file di testo</translation>
    </message>
    <message>
        <source>Its text could not be decoded</source>
        <translation>Non è stato possibile decodificarne il testo</translation>
    </message>
    <message>
        <source>It holds NUL characters, so it is not a list of names</source>
        <translation>Contiene caratteri NUL, quindi non è una lista di nomi</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>È una cartella, non un file</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>It is larger than 64 MiB, far more than any list of names needs</source>
        <translation>Supera i 64 MiB, molto più di quanto serva a qualsiasi lista di nomi</translation>
    </message>
    <message>
        <source>It is the program&apos;s settings file</source>
        <translation>È il file delle impostazioni del programma</translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.txt)&quot;.</extracomment>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.*)&quot;.</extracomment>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a failed import, export or paste.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>This will overwrite any names you currently have in the list. Do you wish to continue?</source>
        <translation>Tutti i nomi ora presenti nella lista verranno sostituiti. Vuole continuare?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <extracomment>Title of the Yes/No question before an import replaces the list.</extracomment>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Select file to import...</source>
        <extracomment>Title of the file dialog that chooses the file to import.</extracomment>
        <translation>Selezioni il file da importare...</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;.
%2.
The list is unchanged.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read (a sentence without its full stop).</extracomment>
        <translation>Impossibile importare «%1».
%2.
La lista non è cambiata.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Il file contiene più nomi di quanti ne possa contenere la lista. Sono stati importati i primi %1; %2 è stato tralasciato.</numerusform>
            <numerusform>Il file contiene più nomi di quanti ne possa contenere la lista. Sono stati importati i primi %1; %2 sono stati tralasciati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select export file...</source>
        <extracomment>Title of the file dialog that chooses the file to export to.</extracomment>
        <translation>Selezioni il file di esportazione...</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the list.</source>
        <translation>Il file poteva essere sovrascritto solo sul posto, quindi ora potrebbe contenere solo una parte della lista.</translation>
    </message>
    <message>
        <source>A file already there is unchanged.</source>
        <translation>Un file già presente non è stato modificato.</translation>
    </message>
    <message>
        <source>No file was made.</source>
        <translation>Non è stato creato alcun file.</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;.
%2.
%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written (a sentence without its full stop), %3 what became of the file (&quot;A file already there is unchanged.&quot;, ...).</extracomment>
        <translation>Impossibile esportare in «%1».
%2.
%3</translation>
    </message>
    <message>
        <source>Only one file can be imported at a time. The list is unchanged.</source>
        <extracomment>Several files were dropped on the window.</extracomment>
        <translation>Si può importare un solo file alla volta. La lista non è cambiata.</translation>
    </message>
    <message>
        <source>Could not add the names.
%1.
The list is unchanged.</source>
        <extracomment>Pasted or dropped text; %1 is why (a sentence without its full stop).</extracomment>
        <translation>Impossibile aggiungere i nomi.
%1.
La lista non è cambiata.</translation>
    </message>
    <message>
        <source>none of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2.</extracomment>
        <translation>nessuno dei nuovi nomi è stato aggiunto</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 dei nuovi nomi è stato aggiunto</numerusform>
            <numerusform>%1 dei nuovi nomi sono stati aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 è stato tralasciato</numerusform>
            <numerusform>%1 sono stati tralasciati</numerusform>
        </translation>
    </message>
    <message>
        <source>The list can hold at most %1 names: %2, %3.</source>
        <extracomment>Pasted or dropped names beyond the list&apos;s room. %1 is the most names the list holds (32,767), %2 and %3 how many of the new names were added and left out (&quot;none of the new names were added&quot;, &quot;2 were left out&quot;).</extracomment>
        <translation>La lista può contenere al massimo %1 nomi: %2, %3.</translation>
    </message>
    <message>
        <source>Export Draw</source>
        <extracomment>Title of the file dialog that chooses the file a draw&apos;s record is exported to.</extracomment>
        <translation>Esporta estrazione</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the record.</source>
        <translation>Il file poteva essere sovrascritto solo sul posto, quindi ora potrebbe contenere solo una parte del registro.</translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>Tutti i nomi ora presenti nella lista verranno sostituiti, e verrà tolto anche %n nome messo da parte. Vuole continuare?</numerusform>
            <numerusform>Tutti i nomi ora presenti nella lista verranno sostituiti, e verranno tolti anche i %n nomi messi da parte. Vuole continuare?</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the Draw Shown</source>
        <extracomment>Title of the file dialog that saves the winners or the teams the view of the draw shows.</extracomment>
        <translation>Esporta l’estrazione mostrata</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options window.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Special Effects While Shuffling:</source>
        <extracomment>Heading of the three check boxes below it.</extracomment>
        <translation>Effetti speciali mentre si mescola:</translation>
    </message>
    <message>
        <source>Flash different colors</source>
        <extracomment>Check box: the window flashes colours while the names are shuffled.</extracomment>
        <translation>Lampeggia a colori</translation>
    </message>
    <message>
        <source>Shake window</source>
        <extracomment>Check box: the window shakes while the names are shuffled.</extracomment>
        <translation>Scuoti la finestra</translation>
    </message>
    <message>
        <source>Play sound</source>
        <extracomment>Check box: a sound plays while the names are shuffled.</extracomment>
        <translation>Riproduci suono</translation>
    </message>
    <message>
        <source>Remember name list between sessions.</source>
        <extracomment>Check box: the list comes back the next time the program starts.</extracomment>
        <translation>Ricorda la lista al prossimo avvio.</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: keeps the choices and closes the window.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: closes the window without keeping the choices.</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PublicDrawDialog</name>
    <message>
        <source>Draw from a Public Number</source>
        <extracomment>Title of the dialog that starts a draw from a public number.</extracomment>
        <translation>Estrai da un numero pubblico</translation>
    </message>
    <message>
        <source>The list&apos;s fingerprint (SHA-256 of the names in their order):</source>
        <extracomment>Above the list&apos;s fingerprint in the dialog of a draw from a public number.</extracomment>
        <translation>L’impronta della lista (SHA-256 dei nomi nel loro ordine):</translation>
    </message>
    <message>
        <source>Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the next lottery numbers, say, or a public randomness beacon&apos;s next round); it fixes the list and its order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.</source>
        <extracomment>The method, in two sentences. %1 is the fixed number of re-orders (200).</extracomment>
        <translation>Annunci l’impronta, o i suoi primi 8 caratteri, prima che chiunque possa conoscere il numero pubblico (i prossimi numeri del lotto, per esempio, o il prossimo turno di un faro pubblico di casualità); essa fissa la lista e il suo ordine, che poi non devono più cambiare. Il seme sono allora i primi 8 byte dello SHA-256 dell’impronta, di un a capo e del testo scritto qui sotto, e il mescolamento fa %1 riordinamenti, così chiunque abbia la lista e quel testo ottiene lo stesso ordine, con Nimbrel o con lo script check-public-draw.py.</translation>
    </message>
    <message>
        <source>The public number or text, exactly as published:</source>
        <extracomment>Above the box where the host types the public number.</extracomment>
        <translation>Il numero o testo pubblico, esattamente come pubblicato:</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>The button that starts the draw from the public text.</extracomment>
        <translation>Estrai</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>Names</source>
        <extracomment>The name of the one list the program keeps until the user makes another.</extracomment>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a copy of a list; %1 is the list&apos;s name.</extracomment>
        <translation>%1 (copia)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Nimbrel is already running, but it does not answer.
Your names stay with it; try again once it has ended.</source>
        <extracomment>A second start of the program while the first one does not respond.</extracomment>
        <translation>Nimbrel è già in esecuzione, ma non risponde.
I Suoi nomi restano lì; riprovi quando sarà terminato.</translation>
    </message>
    <message>
        <source>Nimbrel is already running as process %1, but it does not answer.
Your names stay with it: continue or end process %1, then start Nimbrel again.</source>
        <extracomment>A second start of the program while the first one does not respond; %1 is the first one&apos;s process number.</extracomment>
        <translation>Nimbrel è già in esecuzione come processo %1, ma non risponde.
I suoi nomi restano lì: riprenda o termini il processo %1, poi avvii di nuovo Nimbrel.</translation>
    </message>
    <message>
        <source>Start anyway? Nothing you change will be kept.</source>
        <extracomment>Asked below &quot;Nimbrel is already running, but it does not answer.&quot;</extracomment>
        <translation>Avviare comunque? Nulla di ciò che cambia verrà conservato.</translation>
    </message>
</context>
<context>
    <name>TeamsDialog</name>
    <message>
        <source>Split into Teams</source>
        <extracomment>Title of the dialog that splits the list into teams.</extracomment>
        <translation>Dividi in squadre</translation>
    </message>
    <message>
        <source>The names are dealt into teams in the order drawn: the first name to Team 1, the second to Team 2, and so on.</source>
        <extracomment>The first line of the dialog that splits the list into teams.</extracomment>
        <translation>I nomi vengono distribuiti nelle squadre nell’ordine estratto: il primo nome alla squadra 1, il secondo alla squadra 2, e così via.</translation>
    </message>
    <message>
        <source>Number of teams:</source>
        <extracomment>Split into Teams: a choice, followed by a number box.</extracomment>
        <translation>Numero di squadre:</translation>
    </message>
    <message>
        <source>Names in each team:</source>
        <extracomment>Split into Teams: the other choice, followed by a number box.</extracomment>
        <translation>Nomi per squadra:</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>Split into Teams: the sizes of teams that differ by one, as &quot;3–4&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Teams: %1; names in each team: %2</source>
        <extracomment>Split into Teams: what the choice makes; %1 is the number of teams, %2 their size (&quot;4&quot; or &quot;3–4&quot;).</extracomment>
        <translation>Squadre: %1; nomi per squadra: %2</translation>
    </message>
    <message>
        <source>There are fewer names (%1) than teams (%2).</source>
        <extracomment>Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.</extracomment>
        <translation>Ci sono meno nomi (%1) che squadre (%2).</translation>
    </message>
</context>
</TS>
