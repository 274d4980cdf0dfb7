<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Find more great software from Quorvane at:</source>
        <extracomment>Quorvane is the maker&apos;s name; the maker&apos;s web address follows below this text.</extracomment>
        <translation>Więcej świetnych programów firmy Quorvane:</translation>
    </message>
    <message>
        <source>Nimbrel is freeware. You may copy it and give it away, free of charge and unchanged. It comes with no warranty of any kind.</source>
        <translation>Nimbrel jest programem freeware. Wolno go kopiować i przekazywać dalej, bezpłatnie i bez zmian. Jest dostarczany bez jakiejkolwiek gwarancji.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane. All rights reserved.</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>Copyright © %1 Quorvane. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Nie udało się uruchomić programu pocztowego.</translation>
    </message>
    <message>
        <source>Could not start your web browser.</source>
        <translation>Nie udało się uruchomić przeglądarki internetowej.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message that a link could not be opened.</extracomment>
        <translation>Ups!</translation>
    </message>
    <message>
        <source>names from a hat</source>
        <extracomment>The line under the program&apos;s name in the About box&apos;s picture (shrunk to fit).</extracomment>
        <translation>losy z kapelusza</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel</source>
        <extracomment>Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and &quot;xvfb-run -a nimbrel&quot; as they are.</extracomment>
        <translation>nimbrel: brak ekranu, na którym można otworzyć okno (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY); aby wypróbować program bez pulpitu: xvfb-run -a nimbrel</translation>
    </message>
    <message>
        <source>Draws names out of a hat: keep a list of names, shuffle it and stop at random.
The options and the remembered list are kept in %1.</source>
        <extracomment>%1 is the full path of the settings file.</extracomment>
        <translation>Losuje nazwiska z kapelusza: lista nazwisk jest mieszana i zatrzymywana w przypadkowej chwili.
Opcje i zapamiętana lista są przechowywane w %1.</translation>
    </message>
    <message>
        <source>nimbrel: %1 is an unknown option.</source>
        <extracomment>Printed in a terminal; %1 is the option as given, such as --bogus.</extracomment>
        <translation>nimbrel: %1 to nieznana opcja.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie da się go odczytać (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a draw record can be</source>
        <translation>jest większy niż %1 MB, a tyle może mieć najwyżej protokół losowania</translation>
    </message>
    <message>
        <source>it is written in %1, a draw record in UTF-8</source>
        <extracomment>%1 is the name of a text encoding, such as UTF-16.</extracomment>
        <translation>jest zapisany w kodowaniu %1, a protokół losowania — w UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>wiersz %1 nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>its first line is not &quot;Nimbrel draw record&quot; and a version</source>
        <translation>jego pierwszy wiersz to nie „Nimbrel draw record” z numerem wersji</translation>
    </message>
    <message>
        <source>it is of version %1 of the format; this program reads version %2</source>
        <translation>ma wersję %1 formatu; ten program odczytuje wersję %2</translation>
    </message>
    <message>
        <source>it ends early: it was cut short</source>
        <translation>kończy się przedwcześnie: został obcięty</translation>
    </message>
    <message>
        <source>line %1 has been edited or is not from a draw record</source>
        <translation>wiersz %1 został zmieniony lub nie pochodzi z protokołu losowania</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>brak pola „%1”</translation>
    </message>
    <message>
        <source>it has more than %1 names, more than a list can hold</source>
        <translation>zawiera ponad %1 nazwisk, więcej, niż mieści lista</translation>
    </message>
    <message>
        <source>its list has %1 names, more than the record counts</source>
        <translation>jego lista ma %1 nazwisk, więcej, niż podaje protokół</translation>
    </message>
    <message>
        <source>its list is not the one the draw was made from (the fingerprint differs)</source>
        <translation>jego lista nie jest tą, z której losowano (odcisk się nie zgadza)</translation>
    </message>
    <message>
        <source>its drawn order does not account for every name</source>
        <translation>zapisana w nim kolejność losowania nie obejmuje wszystkich nazwisk</translation>
    </message>
    <message>
        <source>nimbrel: --check-draw needs the file of a draw record</source>
        <translation>nimbrel: --check-draw wymaga pliku protokołu losowania</translation>
    </message>
    <message>
        <source>%1: not a draw record: %2.</source>
        <translation>%1: to nie jest protokół losowania: %2.</translation>
    </message>
    <message>
        <source>%1: not a draw record: it records names set aside or brought back.</source>
        <translation>%1: to nie jest protokół losowania: zawiera zapis nazwisk odłożonych lub przywróconych.</translation>
    </message>
    <message>
        <source>%1: the draw matches its record (names: %2, re-orders: %3).</source>
        <translation>%1: losowanie zgadza się z protokołem (nazwiska: %2, zmiany kolejności: %3).</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: position %2: recorded &quot;%3&quot;, the draw gives &quot;%4&quot;.</source>
        <translation>%1: losowanie nie zgadza się z protokołem: pozycja %2: zapisano „%3”, losowanie daje „%4”.</translation>
    </message>
    <message>
        <source>Do the draw of a draw record again and say whether it matches; exit with 0 when it does, 1 when it does not, 2 when the file is not a draw record.</source>
        <translation>Ponownie przeprowadza losowanie z protokołu losowania i informuje, czy wynik się zgadza; kończy działanie z kodem 0, jeśli tak, 1, jeśli nie, 2, jeśli plik nie jest protokołem losowania.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>plik</translation>
    </message>
    <message>
        <source>The records of the last 1,000 draws are kept there too, each with the list it was drawn from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes them.</source>
        <translation>Przechowywane są tam też protokoły ostatnich 1000 losowań, każdy z listą, z której losowano; okno Losowania (Ctrl+H) je pokazuje, a jego przycisk „Zapomnij wszystkie losowania” je usuwa.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: the public text &quot;%2&quot; gives the seed %3, the record says %4.</source>
        <extracomment>%2 is the public text the record names, %3 and %4 are 64-bit numbers.</extracomment>
        <translation>%1: losowanie nie zgadza się z protokołem: tekst publiczny „%2” daje ziarno %3, protokół podaje %4.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: a draw from a public text makes %2 re-orders, the record says %3.</source>
        <translation>%1: losowanie nie zgadza się z protokołem: losowanie z tekstu publicznego wykonuje %2 zmian kolejności, protokół podaje %3.</translation>
    </message>
    <message>
        <source>This shows that the order follows from the list, the seed and the number of re-orders. It does not show that the seed was not chosen to give this order.</source>
        <translation>To pokazuje, że kolejność wynika z listy, ziarna i liczby zmian kolejności. Nie pokazuje, że ziarno nie zostało wybrane tak, by dać tę kolejność.</translation>
    </message>
    <message>
        <source>The seed follows from the list&apos;s fingerprint and the public text &quot;%1&quot;, and the re-orders are fixed: if nobody could know that text when the fingerprint was announced, nobody chose this order.</source>
        <translation>Ziarno wynika z odcisku listy i tekstu publicznego „%1”, a liczba zmian kolejności jest stała: jeśli nikt nie mógł znać tego tekstu, gdy ogłoszono odcisk, nikt nie wybrał tej kolejności.</translation>
    </message>
    <message>
        <source>Team %1: %2</source>
        <extracomment>A line of --check-draw&apos;s output: %1 is the team&apos;s number, %2 its names.</extracomment>
        <translation>Drużyna %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawActions</name>
    <message>
        <source>Split into Teams...</source>
        <extracomment>List menu: deals the list, in its drawn order, into teams shown over the whole screen.</extracomment>
        <translation>Podziel na drużyny...</translation>
    </message>
    <message>
        <source>Draw from a Public Number...</source>
        <extracomment>List menu: a draw whose seed follows from the list and a number published later.</extracomment>
        <translation>Losuj z liczby publicznej...</translation>
    </message>
    <message>
        <source>Winners Shown</source>
        <extracomment>List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.</extracomment>
        <translation>Liczba pokazanych zwycięzców</translation>
    </message>
    <message>
        <source>Show the Draw On</source>
        <extracomment>List menu: a submenu of the screens Show the Draw can open on.</extracomment>
        <translation>Pokaż losowanie na</translation>
    </message>
    <message>
        <source>Another Screen than the Window&apos;s</source>
        <extracomment>Submenu Show the Draw On: the first choice, the one made until another is chosen.</extracomment>
        <translation>Innym ekranie niż ekran okna</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <extracomment>Submenu Show the Draw On: a screen by its name and size, such as &quot;HDMI-1 (1920 × 1080)&quot;.</extracomment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>The list is not in the order of a draw: it was not shuffled since it last changed. Split it into teams as it stands?</source>
        <extracomment>Asked before Split into Teams when the list was not shuffled since it last changed.</extracomment>
        <translation>Lista nie jest w kolejności losowania: nie została przemieszana od ostatniej zmiany. Podzielić ją na drużyny w obecnej postaci?</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>%1   Draw of %2 names, first drawn: %3</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.</extracomment>
        <translation>%1   Losowanie spośród %2 nazwisk, pierwsze wylosowane: %3</translation>
    </message>
    <message>
        <source>%1   Set aside: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.</extracomment>
        <translation>%1   Odłożone: %2</translation>
    </message>
    <message>
        <source>%1   Brought back: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.</extracomment>
        <translation>%1   Przywrócone: %2</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Next: %1</source>
        <extracomment>What a screen reader says after the drawn name; %1 lists the next names in the list.</extracomment>
        <translation>Następne: %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <extracomment>The heading of a team&apos;s column in the view of the draw, in its printout and its file.</extracomment>
        <translation>Drużyna %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 nazwisko</numerusform>
            <numerusform>%1 nazwiska</numerusform>
            <numerusform>%1 nazwisk</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>At the foot of the view of the draw: how many winners are shown of how many names took part, such as &quot;1 of 5,000&quot;.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>More Winners</source>
        <extracomment>Menu of the view of the draw (right click): one more of the first names shown large.</extracomment>
        <translation>Więcej zwycięzców</translation>
    </message>
    <message>
        <source>Fewer Winners</source>
        <extracomment>Menu of the view of the draw: one fewer of the first names shown large.</extracomment>
        <translation>Mniej zwycięzców</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Menu of the view of the draw: prints the winners or the teams shown.</extracomment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Menu of the view of the draw: saves the winners or the teams shown as a text file.</extracomment>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Menu of the view of the draw: closes it.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>i jeszcze %1</numerusform>
            <numerusform>i jeszcze %1</numerusform>
            <numerusform>i jeszcze %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawsWindow</name>
    <message>
        <source>Draws</source>
        <extracomment>Title of the window that lists the recorded draws.</extracomment>
        <translation>Losowania</translation>
    </message>
    <message>
        <source>Recorded draws</source>
        <extracomment>What a screen reader calls the list of recorded draws.</extracomment>
        <translation>Zapisane losowania</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>What a screen reader calls the text of the selected draw&apos;s record.</extracomment>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Keep a Record of Draws</source>
        <extracomment>Check box of the Draws window: whether draws are recorded from now on.</extracomment>
        <translation>Protokołowanie losowań</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the Draws window: prints the selected record.</extracomment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button of the Draws window: saves the selected draw&apos;s record as a file.</extracomment>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Button of the Draws window: removes every record (the list of names stays).</extracomment>
        <translation>Zapomnij wszystkie losowania</translation>
    </message>
    <message>
        <source>Every List</source>
        <extracomment>Check box of the Draws window, shown when there are several lists: lists the draws of every list.</extracomment>
        <translation>Wszystkie listy</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <extracomment>A line of the Draws window showing every list&apos;s draws: %1 the line, %2 the list&apos;s name then.</extracomment>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>Forget the records of every draw, from every list? The lists of names stay as they are.</source>
        <extracomment>Asked before every draw&apos;s record is removed, when there are several lists (the records of each go).</extracomment>
        <translation>Zapomnieć protokoły wszystkich losowań ze wszystkich list? Listy nazwisk pozostaną bez zmian.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <extracomment>%1 is the name of the file about to be made.</extracomment>
        <translation>%1 nie istnieje.
Czy utworzyć ten plik?</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the help file %1 was not found.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>nie znaleziono pliku pomocy %1.</translation>
    </message>
    <message>
        <source>the help file %1 is not a file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>plik pomocy %1 nie jest plikiem.</translation>
    </message>
    <message>
        <source>the help file %1 is too large to be a help file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>plik pomocy %1 jest za duży jak na plik pomocy.</translation>
    </message>
    <message>
        <source>the help file %1 could not be read (%2).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>nie udało się odczytać pliku pomocy %1 (%2).</translation>
    </message>
    <message>
        <source>the help file %1 is not a text file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>plik pomocy %1 nie jest plikiem tekstowym.</translation>
    </message>
    <message>
        <source>the help file %1 is damaged (line %2: %3).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a line number, %3 what is wrong there.</extracomment>
        <translation>plik pomocy %1 jest uszkodzony (wiersz %2: %3).</translation>
    </message>
    <message>
        <source>a topic line needs a number from 1 to %1 in square brackets</source>
        <extracomment>What is wrong in a damaged help file; %1 is the highest topic number.</extracomment>
        <translation>wiersz tematu wymaga liczby od 1 do %1 w nawiasach kwadratowych</translation>
    </message>
    <message>
        <source>topic %1 appears a second time</source>
        <extracomment>What is wrong in a damaged help file; %1 is a topic number.</extracomment>
        <translation>temat %1 występuje po raz drugi</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <extracomment>What is wrong in a damaged help file.</extracomment>
        <translation>tekst przed pierwszym tematem</translation>
    </message>
    <message>
        <source>Help is not available: %1</source>
        <extracomment>Shown instead of a help topic; %1 says why, e.g. &quot;the help file ... was not found.&quot;</extracomment>
        <translation>Pomoc jest niedostępna: %1</translation>
    </message>
    <message>
        <source>the help file %1 has no topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>plik pomocy %1 nie zawiera tematu %2.</translation>
    </message>
    <message>
        <source>the help file %1 has nothing in topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>plik pomocy %1 nie ma nic w temacie %2.</translation>
    </message>
</context>
<context>
    <name>HelpMessageDialog</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the small window shown before the help mode starts.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Now click on any area of the program interface for help on that particular feature.</source>
        <translation>Proszę teraz kliknąć dowolną część okna, aby uzyskać pomoc na jej temat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show this message every time</source>
        <extracomment>Check box: whether this message comes again the next time Help is pressed.</extracomment>
        <translation>Zawsze pokazywać komunikat</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>Odłóż %n wylosowane nazwisko</numerusform>
            <numerusform>Odłóż %n wylosowane nazwiska</numerusform>
            <numerusform>Odłóż %n wylosowanych nazwisk</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message>
        <source>Lists</source>
        <extracomment>List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.</extracomment>
        <translation>Listy</translation>
    </message>
    <message>
        <source>New List...</source>
        <extracomment>Lists menu: makes an empty list, asking for its name.</extracomment>
        <translation>Nowa lista...</translation>
    </message>
    <message>
        <source>Rename List...</source>
        <extracomment>Lists menu: gives the current list another name.</extracomment>
        <translation>Zmień nazwę listy...</translation>
    </message>
    <message>
        <source>Duplicate List</source>
        <extracomment>Lists menu: makes a copy of the current list, its set-aside names too.</extracomment>
        <translation>Powiel listę</translation>
    </message>
    <message>
        <source>Delete List...</source>
        <extracomment>Lists menu: deletes the current list, after asking.</extracomment>
        <translation>Usuń listę...</translation>
    </message>
    <message>
        <source>New List from File...</source>
        <extracomment>Lists menu: makes a list of the names in a text file, named after the file.</extracomment>
        <translation>Nowa lista z pliku...</translation>
    </message>
    <message>
        <source>The lists could not be saved: %1.

Nimbrel tries again with the next change and when it closes. The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Nie udało się zapisać list: %1.

Nimbrel spróbuje ponownie przy następnej zmianie i przy zamykaniu. Plik ustawień:
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
        <translation>Cofnij usunięcie listy „%1”</translation>
    </message>
    <message>
        <source>Nimbrel keeps at most %1 lists. Delete a list to make room for another one.</source>
        <extracomment>%1 is the most lists the program keeps (100).</extracomment>
        <translation>Nimbrel przechowuje najwyżej %1 list. Usuń którąś listę, aby zrobić miejsce na inną.</translation>
    </message>
    <message>
        <source>A list&apos;s name must have from %1 to %2 characters.</source>
        <extracomment>%1 and %2 are the fewest and the most characters (1 and 100).</extracomment>
        <translation>Nazwa listy musi mieć od %1 do %2 znaków.</translation>
    </message>
    <message>
        <source>A list&apos;s name must be one line of text, without tabs or other control characters.</source>
        <translation>Nazwa listy musi być jednym wierszem tekstu, bez tabulatorów i innych znaków sterujących.</translation>
    </message>
    <message>
        <source>There is already a list with that name (capital and small letters count as the same). Choose another name.</source>
        <translation>Istnieje już lista o tej nazwie (wielkie i małe litery liczą się jako takie same). Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>The last list cannot be deleted.</source>
        <translation>Nie można usunąć ostatniej listy.</translation>
    </message>
    <message>
        <source>New List</source>
        <extracomment>Title of the box that asks for the new list&apos;s name.</extracomment>
        <translation>Nowa lista</translation>
    </message>
    <message>
        <source>Enter a name for the new list.</source>
        <translation>Wpisz nazwę nowej listy.</translation>
    </message>
    <message>
        <source>Rename List</source>
        <extracomment>Title of the box that asks for the list&apos;s new name; %1 is its name now.</extracomment>
        <translation>Zmień nazwę listy</translation>
    </message>
    <message>
        <source>Enter a new name for the list &quot;%1&quot;.</source>
        <translation>Wpisz nową nazwę listy „%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Usunąć listę „%1” wraz z %n nazwiskiem? Jej losowania nie będą już wyświetlane.

Do zamknięcia programu Nimbrel polecenie „Cofnij usunięcie listy” w menu Listy przywraca ją.</numerusform>
            <numerusform>Usunąć listę „%1” wraz z %n nazwiskami? Jej losowania nie będą już wyświetlane.

Do zamknięcia programu Nimbrel polecenie „Cofnij usunięcie listy” w menu Listy przywraca ją.</numerusform>
            <numerusform>Usunąć listę „%1” wraz z %n nazwiskami? Jej losowania nie będą już wyświetlane.

Do zamknięcia programu Nimbrel polecenie „Cofnij usunięcie listy” w menu Listy przywraca ją.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <extracomment>What a screen reader calls the column of buttons beside the list.</extracomment>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>What a screen reader calls the list of names.</extracomment>
        <translation>Nazwiska</translation>
    </message>
    <message>
        <source>Add Name</source>
        <extracomment>Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.</extracomment>
        <translation>Dodaj nazwisko</translation>
    </message>
    <message>
        <source>Remove Name</source>
        <extracomment>Side button (small): removes the selected name.</extracomment>
        <translation>Usuń nazwisko</translation>
    </message>
    <message>
        <source>Import from File</source>
        <extracomment>Side button (small): replaces the list with the names in a text file.</extracomment>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Export to File</source>
        <extracomment>Side button (small): saves the list to a text file.</extracomment>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Clear All Names</source>
        <extracomment>Side button (small): removes every name.</extracomment>
        <translation>Usuń wszystkie</translation>
    </message>
    <message>
        <source>Print List</source>
        <extracomment>Side button (small): prints the list.</extracomment>
        <translation>Drukuj listę</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Side button (small): opens the Options window.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Side button (small): starts the help mode (click a part of the window to learn about it).</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Side button (small): opens the About box (version, maker).</extracomment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Side button (small): ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Enter a name to add to the list.</source>
        <translation>Proszę wpisać nazwisko, które ma zostać dodane do listy.</translation>
    </message>
    <message>
        <source>A name must be selected to perform this action.</source>
        <translation>Aby to zrobić, należy zaznaczyć nazwisko na liście.</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list?</source>
        <extracomment>%1 is the selected name.</extracomment>
        <translation>Usunąć „%1” z listy?</translation>
    </message>
    <message>
        <source>This will erase all names in the list. Do you wish to continue?</source>
        <translation>Wszystkie nazwiska zostaną usunięte z listy. Czy kontynuować?</translation>
    </message>
    <message>
        <source>The was an error printing the list.</source>
        <extracomment>&quot;The was&quot; is a slip in the English text, kept as users know it: it means &quot;There was an error printing the list.&quot;</extracomment>
        <translation>Podczas drukowania listy wystąpił błąd.</translation>
    </message>
    <message>
        <source>You must add at least two names to the list first.</source>
        <translation>Najpierw należy dodać do listy co najmniej dwa nazwiska.</translation>
    </message>
    <message>
        <source>Nimbrel cannot find the sound file it needs to play sound while shuffling. The file &quot;shuffle.wav&quot; should be in the same folder as the program file. It might have been deleted. You should replace the file or reinstall the program if you wish to play sound while shuffling. Sound will be disabled.</source>
        <extracomment>&quot;shuffle.wav&quot; is the file&apos;s name: keep it as it is.</extracomment>
        <translation>Nimbrel nie może znaleźć pliku dźwiękowego potrzebnego do odtwarzania dźwięku podczas mieszania. Plik „shuffle.wav” powinien znajdować się w tym samym folderze co plik programu. Mógł zostać usunięty. Aby słyszeć dźwięk podczas mieszania, należy przywrócić plik lub ponownie zainstalować program. Dźwięk zostanie wyłączony.</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <extracomment>Title of the message that the sound file is missing.</extracomment>
        <translation>Błąd dźwięku</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>The big button that starts the draw; while the draw runs it reads &quot;Stop&quot;.</extracomment>
        <translation>Mieszaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The big button while the draw runs: pressing it ends the draw.</extracomment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a mistake or a failure.</extracomment>
        <translation>Ups!</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <extracomment>Title of the Yes/No question before a name is removed or the list is cleared.</extracomment>
        <translation>Proszę potwierdzić</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The names stay as they were last saved, in:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Nie udało się zapisać listy nazwisk: %1.

Nazwiska pozostają takie, jak przy ostatnim zapisie, w pliku:
%2</translation>
    </message>
    <message>
        <source>another program kept the settings file busy</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>inny program blokował plik ustawień</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>nie można zapisywać w pliku ustawień lub w jego folderze</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the settings file could not be opened or written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>nie udało się otworzyć lub zapisać pliku ustawień</translation>
    </message>
    <message>
        <source>The settings file was damaged, so Nimbrel starts with its default settings and no remembered names.

The damaged file was kept as:
%1</source>
        <extracomment>%1 is the path the damaged settings file was kept under.</extracomment>
        <translation>Plik ustawień był uszkodzony, dlatego Nimbrel uruchamia się z ustawieniami domyślnymi i bez zapamiętanych nazwisk.

Uszkodzony plik zachowano jako:
%1</translation>
    </message>
    <message>
        <source>The list is full. It can hold at most %1 names.</source>
        <extracomment>%1 is the largest number of names (32,767), written as numbers are in the language.</extracomment>
        <translation>Lista jest pełna. Mieści najwyżej %1 nazwisk.</translation>
    </message>
    <message>
        <source>The settings file was written by a newer version of Nimbrel. This version leaves it as it is, so changes to the options and the list of names will not be kept.

The settings file is:
%1</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Plik ustawień został zapisany przez nowszą wersję programu Nimbrel. Ta wersja pozostawia go bez zmian, więc zmiany opcji i listy nazwisk nie zostaną zachowane.

Plik ustawień:
%1</translation>
    </message>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Plik ustawień zawiera więcej nazwisk, niż mieści lista. Wczytano pierwszych %1; liczba pominiętych nazwisk, które nie zostaną zachowane: %2.</numerusform>
            <numerusform>Plik ustawień zawiera więcej nazwisk, niż mieści lista. Wczytano pierwszych %1; liczba pominiętych nazwisk, które nie zostaną zachowane: %2.</numerusform>
            <numerusform>Plik ustawień zawiera więcej nazwisk, niż mieści lista. Wczytano pierwszych %1; liczba pominiętych nazwisk, które nie zostaną zachowane: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Wszystkie nazwiska zostaną usunięte z listy, a wraz z nimi %n odłożone nazwisko. Czy kontynuować?</numerusform>
            <numerusform>Wszystkie nazwiska zostaną usunięte z listy, a wraz z nimi %n odłożone nazwiska. Czy kontynuować?</numerusform>
            <numerusform>Wszystkie nazwiska zostaną usunięte z listy, a wraz z nimi %n odłożonych nazwisk. Czy kontynuować?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>Przywróć %n odłożone nazwisko</numerusform>
            <numerusform>Przywróć %n odłożone nazwiska</numerusform>
            <numerusform>Przywróć %n odłożonych nazwisk</numerusform>
        </translation>
    </message>
    <message>
        <source>Bring Back Set-Aside Names</source>
        <extracomment>List menu, when no name is set aside (disabled).</extracomment>
        <translation>Przywróć odłożone nazwiska</translation>
    </message>
    <message>
        <source>Show the Draw</source>
        <extracomment>List menu (right click on the list): shows the first name over the whole screen.</extracomment>
        <translation>Pokaż losowanie</translation>
    </message>
    <message>
        <source>Show Each Draw Large</source>
        <extracomment>List menu, a check mark: after every Stop the drawn name is shown over the whole screen.</extracomment>
        <translation>Pokazuj każde losowanie na pełnym ekranie</translation>
    </message>
    <message>
        <source>Set Aside the Drawn Name</source>
        <extracomment>List menu: takes the first name out of the list, so the next shuffle draws from the rest.</extracomment>
        <translation>Odłóż wylosowane nazwisko</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>List menu: takes back the last change to the list.</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>List menu: makes the change Undo took back again.</extracomment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>another program holds the file %1, which cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot; %1 is the path of a file beside the settings file.</extracomment>
        <translation>inny program blokuje plik %1, w którym nie można zapisywać</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes?</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Nie udało się zapisać listy nazwisk: %1.

Plik ustawień:
%2

Czy wyeksportować nazwiska do pliku przed zamknięciem programu Nimbrel?</translation>
    </message>
    <message>
        <source>Changes to the options and the list of names will not be kept: %1.

The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;the settings file or its folder cannot be written&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Zmiany opcji i listy nazwisk nie zostaną zachowane: %1.

Plik ustawień:
%2</translation>
    </message>
    <message>
        <source>The settings file had been moved or deleted while Nimbrel was running. A new one was written with the options and the list of names, at:
%1</source>
        <extracomment>Told at exit; %1 is the settings file&apos;s path.</extracomment>
        <translation>Plik ustawień został przeniesiony lub usunięty podczas działania programu Nimbrel. Zapisano nowy plik z opcjami i listą nazwisk w:
%1</translation>
    </message>
    <message>
        <source>Draws...</source>
        <extracomment>Opens the window that lists the recorded draws.</extracomment>
        <translation>Losowania...</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Title of the question before every draw&apos;s record is removed.</extracomment>
        <translation>Zapomnij wszystkie losowania</translation>
    </message>
    <message>
        <source>Forget the records of every draw? The list of names stays as it is.</source>
        <translation>Zapomnieć protokoły wszystkich losowań? Lista nazwisk pozostanie bez zmian.</translation>
    </message>
    <message>
        <source>Not every record could be removed from %1.</source>
        <extracomment>%1 is where the settings are kept (a file path, or the registry key).</extracomment>
        <translation>Nie udało się usunąć wszystkich protokołów z %1.</translation>
    </message>
    <message>
        <source>The draw cannot start: the system gives no random numbers to start it from. Try again.</source>
        <translation>Nie można rozpocząć losowania: system nie dostarcza liczb losowych, od których można by zacząć. Proszę spróbować ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Nie udało się zapisać listy nazwisk: %1.

Plik ustawień:
%2

Czy wyeksportować nazwiska do pliku przed zamknięciem programu Nimbrel? %n odłożone nazwisko zostanie zapisane po liście.</numerusform>
            <numerusform>Nie udało się zapisać listy nazwisk: %1.

Plik ustawień:
%2

Czy wyeksportować nazwiska do pliku przed zamknięciem programu Nimbrel? %n odłożone nazwiska zostaną zapisane po liście.</numerusform>
            <numerusform>Nie udało się zapisać listy nazwisk: %1.

Plik ustawień:
%2

Czy wyeksportować nazwiska do pliku przed zamknięciem programu Nimbrel? %n odłożonych nazwisk zostanie zapisanych po liście.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListCodec</name>
    <message>
        <source>It begins as UTF-16 text but is not valid UTF-16</source>
        <translation>Zaczyna się jak tekst UTF-16, ale nie jest poprawnym tekstem UTF-16</translation>
    </message>
    <message>
        <source>It holds NUL bytes, so it is not a text file</source>
        <translation>Zawiera bajty NUL, więc nie jest plikiem tekstowym</translation>
    </message>
    <message>
        <source>Its text could not be decoded</source>
        <translation>Nie udało się zdekodować jego tekstu</translation>
    </message>
    <message>
        <source>It holds NUL characters, so it is not a list of names</source>
        <translation>Zawiera znaki NUL, więc nie jest listą nazwisk</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>To folder, a nie plik</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>It is larger than 64 MiB, far more than any list of names needs</source>
        <translation>Ma ponad 64 MiB, znacznie więcej, niż potrzebuje jakakolwiek lista nazwisk</translation>
    </message>
    <message>
        <source>It is the program&apos;s settings file</source>
        <translation>To plik ustawień programu</translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.txt)&quot;.</extracomment>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.*)&quot;.</extracomment>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a failed import, export or paste.</extracomment>
        <translation>Ups!</translation>
    </message>
    <message>
        <source>This will overwrite any names you currently have in the list. Do you wish to continue?</source>
        <translation>Wszystkie nazwiska obecnie na liście zostaną zastąpione. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <extracomment>Title of the Yes/No question before an import replaces the list.</extracomment>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Select file to import...</source>
        <extracomment>Title of the file dialog that chooses the file to import.</extracomment>
        <translation>Wybór pliku do importu...</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;.
%2.
The list is unchanged.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read (a sentence without its full stop).</extracomment>
        <translation>Nie udało się zaimportować „%1”.
%2.
Lista pozostała bez zmian.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Plik zawiera więcej nazwisk, niż mieści lista. Zaimportowano pierwszych %1; liczba pominiętych nazwisk: %2.</numerusform>
            <numerusform>Plik zawiera więcej nazwisk, niż mieści lista. Zaimportowano pierwszych %1; liczba pominiętych nazwisk: %2.</numerusform>
            <numerusform>Plik zawiera więcej nazwisk, niż mieści lista. Zaimportowano pierwszych %1; liczba pominiętych nazwisk: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select export file...</source>
        <extracomment>Title of the file dialog that chooses the file to export to.</extracomment>
        <translation>Wybór pliku eksportu...</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the list.</source>
        <translation>Plik dało się nadpisać tylko w miejscu, więc może teraz zawierać tylko część listy.</translation>
    </message>
    <message>
        <source>A file already there is unchanged.</source>
        <translation>Plik, który już tam był, pozostał bez zmian.</translation>
    </message>
    <message>
        <source>No file was made.</source>
        <translation>Nie utworzono żadnego pliku.</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;.
%2.
%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written (a sentence without its full stop), %3 what became of the file (&quot;A file already there is unchanged.&quot;, ...).</extracomment>
        <translation>Nie udało się wyeksportować do „%1”.
%2.
%3</translation>
    </message>
    <message>
        <source>Only one file can be imported at a time. The list is unchanged.</source>
        <extracomment>Several files were dropped on the window.</extracomment>
        <translation>Naraz można zaimportować tylko jeden plik. Lista pozostała bez zmian.</translation>
    </message>
    <message>
        <source>Could not add the names.
%1.
The list is unchanged.</source>
        <extracomment>Pasted or dropped text; %1 is why (a sentence without its full stop).</extracomment>
        <translation>Nie udało się dodać nazwisk.
%1.
Lista pozostała bez zmian.</translation>
    </message>
    <message>
        <source>none of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2.</extracomment>
        <translation>nie dodano żadnego z nowych nazwisk</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>dodano %1 z nowych nazwisk</numerusform>
            <numerusform>dodano %1 z nowych nazwisk</numerusform>
            <numerusform>dodano %1 z nowych nazwisk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>pominięto %1</numerusform>
            <numerusform>pominięto %1</numerusform>
            <numerusform>pominięto %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The list can hold at most %1 names: %2, %3.</source>
        <extracomment>Pasted or dropped names beyond the list&apos;s room. %1 is the most names the list holds (32,767), %2 and %3 how many of the new names were added and left out (&quot;none of the new names were added&quot;, &quot;2 were left out&quot;).</extracomment>
        <translation>Lista mieści najwyżej %1 nazwisk: %2, %3.</translation>
    </message>
    <message>
        <source>Export Draw</source>
        <extracomment>Title of the file dialog that chooses the file a draw&apos;s record is exported to.</extracomment>
        <translation>Eksport losowania</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the record.</source>
        <translation>Plik dało się nadpisać tylko w miejscu, więc może teraz zawierać tylko część protokołu.</translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>Wszystkie nazwiska obecnie na liście zostaną zastąpione, a wraz z nimi zniknie %n odłożone nazwisko. Czy kontynuować?</numerusform>
            <numerusform>Wszystkie nazwiska obecnie na liście zostaną zastąpione, a wraz z nimi znikną %n odłożone nazwiska. Czy kontynuować?</numerusform>
            <numerusform>Wszystkie nazwiska obecnie na liście zostaną zastąpione, a wraz z nimi zniknie %n odłożonych nazwisk. Czy kontynuować?</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the Draw Shown</source>
        <extracomment>Title of the file dialog that saves the winners or the teams the view of the draw shows.</extracomment>
        <translation>Eksportuj pokazane losowanie</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options window.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Special Effects While Shuffling:</source>
        <extracomment>Heading of the three check boxes below it.</extracomment>
        <translation>Efekty specjalne podczas mieszania:</translation>
    </message>
    <message>
        <source>Flash different colors</source>
        <extracomment>Check box: the window flashes colours while the names are shuffled.</extracomment>
        <translation>Migające kolory</translation>
    </message>
    <message>
        <source>Shake window</source>
        <extracomment>Check box: the window shakes while the names are shuffled.</extracomment>
        <translation>Potrząsanie oknem</translation>
    </message>
    <message>
        <source>Play sound</source>
        <extracomment>Check box: a sound plays while the names are shuffled.</extracomment>
        <translation>Odtwarzanie dźwięku</translation>
    </message>
    <message>
        <source>Remember name list between sessions.</source>
        <extracomment>Check box: the list comes back the next time the program starts.</extracomment>
        <translation>Pamiętanie listy między sesjami.</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: keeps the choices and closes the window.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: closes the window without keeping the choices.</extracomment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PublicDrawDialog</name>
    <message>
        <source>Draw from a Public Number</source>
        <extracomment>Title of the dialog that starts a draw from a public number.</extracomment>
        <translation>Losuj z liczby publicznej</translation>
    </message>
    <message>
        <source>The list&apos;s fingerprint (SHA-256 of the names in their order):</source>
        <extracomment>Above the list&apos;s fingerprint in the dialog of a draw from a public number.</extracomment>
        <translation>Odcisk listy (SHA-256 nazwisk w ich kolejności):</translation>
    </message>
    <message>
        <source>Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the next lottery numbers, say, or a public randomness beacon&apos;s next round); it fixes the list and its order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.</source>
        <extracomment>The method, in two sentences. %1 is the fixed number of re-orders (200).</extracomment>
        <translation>Odcisk lub jego pierwsze 8 znaków należy ogłosić, zanim ktokolwiek może znać liczbę publiczną (na przykład najbliższe wyniki loterii albo następną rundę publicznej latarni losowości); ustala on listę i jej kolejność, które potem nie mogą się już zmienić. Ziarnem jest wtedy pierwsze 8 bajtów SHA-256 z odcisku, znaku nowego wiersza i tekstu wpisanego poniżej, a mieszanie wykonuje %1 zmian kolejności, więc każdy, kto ma listę i ten tekst, otrzyma tę samą kolejność, w programie Nimbrel albo skryptem check-public-draw.py.</translation>
    </message>
    <message>
        <source>The public number or text, exactly as published:</source>
        <extracomment>Above the box where the host types the public number.</extracomment>
        <translation>Liczba lub tekst publiczny, dokładnie tak, jak opublikowano:</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>The button that starts the draw from the public text.</extracomment>
        <translation>Losuj</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>Names</source>
        <extracomment>The name of the one list the program keeps until the user makes another.</extracomment>
        <translation>Nazwiska</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a copy of a list; %1 is the list&apos;s name.</extracomment>
        <translation>%1 (kopia)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Nimbrel is already running, but it does not answer.
Your names stay with it; try again once it has ended.</source>
        <extracomment>A second start of the program while the first one does not respond.</extracomment>
        <translation>Nimbrel jest już uruchomiony, ale nie odpowiada.
Nazwiska pozostają w nim; proszę spróbować ponownie, gdy zostanie zamknięty.</translation>
    </message>
    <message>
        <source>Nimbrel is already running as process %1, but it does not answer.
Your names stay with it: continue or end process %1, then start Nimbrel again.</source>
        <extracomment>A second start of the program while the first one does not respond; %1 is the first one&apos;s process number.</extracomment>
        <translation>Nimbrel już działa jako proces %1, ale nie odpowiada.
Nazwiska pozostają w nim: wznów lub zakończ proces %1, a potem uruchom Nimbrel ponownie.</translation>
    </message>
    <message>
        <source>Start anyway? Nothing you change will be kept.</source>
        <extracomment>Asked below &quot;Nimbrel is already running, but it does not answer.&quot;</extracomment>
        <translation>Uruchomić mimo to? Żadne zmiany nie zostaną zachowane.</translation>
    </message>
</context>
<context>
    <name>TeamsDialog</name>
    <message>
        <source>Split into Teams</source>
        <extracomment>Title of the dialog that splits the list into teams.</extracomment>
        <translation>Podziel na drużyny</translation>
    </message>
    <message>
        <source>The names are dealt into teams in the order drawn: the first name to Team 1, the second to Team 2, and so on.</source>
        <extracomment>The first line of the dialog that splits the list into teams.</extracomment>
        <translation>Nazwiska są rozdzielane między drużyny w wylosowanej kolejności: pierwsze do drużyny 1, drugie do drużyny 2 i tak dalej.</translation>
    </message>
    <message>
        <source>Number of teams:</source>
        <extracomment>Split into Teams: a choice, followed by a number box.</extracomment>
        <translation>Liczba drużyn:</translation>
    </message>
    <message>
        <source>Names in each team:</source>
        <extracomment>Split into Teams: the other choice, followed by a number box.</extracomment>
        <translation>Nazwisk w drużynie:</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>Split into Teams: the sizes of teams that differ by one, as &quot;3–4&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Teams: %1; names in each team: %2</source>
        <extracomment>Split into Teams: what the choice makes; %1 is the number of teams, %2 their size (&quot;4&quot; or &quot;3–4&quot;).</extracomment>
        <translation>Drużyny: %1; nazwisk w drużynie: %2</translation>
    </message>
    <message>
        <source>There are fewer names (%1) than teams (%2).</source>
        <extracomment>Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.</extracomment>
        <translation>Nazwisk (%1) jest mniej niż drużyn (%2).</translation>
    </message>
</context>
</TS>
