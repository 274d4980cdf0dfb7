<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Find more great software from Quorvane at:</source>
        <extracomment>Quorvane is the maker&apos;s name; the maker&apos;s web address follows below this text.</extracomment>
        <translation>Meer goede software van Quorvane vindt u op:</translation>
    </message>
    <message>
        <source>Nimbrel is freeware. You may copy it and give it away, free of charge and unchanged. It comes with no warranty of any kind.</source>
        <translation>Nimbrel is freeware. U mag het kopiëren en weggeven, kosteloos en ongewijzigd. Het wordt geleverd zonder enige garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane. All rights reserved.</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>Copyright © %1 Quorvane. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Uw e-mailprogramma kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Could not start your web browser.</source>
        <translation>Uw webbrowser kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message that a link could not be opened.</extracomment>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>names from a hat</source>
        <extracomment>The line under the program&apos;s name in the About box&apos;s picture (shrunk to fit).</extracomment>
        <translation>namen uit een hoed</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel</source>
        <extracomment>Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and &quot;xvfb-run -a nimbrel&quot; as they are.</extracomment>
        <translation>nimbrel: geen beeldscherm om een venster op te openen (DISPLAY noch WAYLAND_DISPLAY is ingesteld); om het zonder bureaublad te proberen: xvfb-run -a nimbrel</translation>
    </message>
    <message>
        <source>Draws names out of a hat: keep a list of names, shuffle it and stop at random.
The options and the remembered list are kept in %1.</source>
        <extracomment>%1 is the full path of the settings file.</extracomment>
        <translation>Trekt namen uit een hoed: houd een lijst met namen bij, schud die en stop op een willekeurig moment.
De opties en de onthouden lijst staan in %1.</translation>
    </message>
    <message>
        <source>nimbrel: %1 is an unknown option.</source>
        <extracomment>Printed in a terminal; %1 is the option as given, such as --bogus.</extracomment>
        <translation>nimbrel: %1 is een onbekende optie.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a draw record can be</source>
        <translation>het is groter dan %1 MB, het maximum voor een trekkingsverslag</translation>
    </message>
    <message>
        <source>it is written in %1, a draw record in UTF-8</source>
        <extracomment>%1 is the name of a text encoding, such as UTF-16.</extracomment>
        <translation>het is geschreven in %1, een trekkingsverslag in UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>regel %1 is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>its first line is not &quot;Nimbrel draw record&quot; and a version</source>
        <translation>de eerste regel is niet “Nimbrel draw record” met een versie</translation>
    </message>
    <message>
        <source>it is of version %1 of the format; this program reads version %2</source>
        <translation>het heeft versie %1 van het formaat; dit programma leest versie %2</translation>
    </message>
    <message>
        <source>it ends early: it was cut short</source>
        <translation>het houdt te vroeg op: het is afgekapt</translation>
    </message>
    <message>
        <source>line %1 has been edited or is not from a draw record</source>
        <translation>regel %1 is bewerkt of komt niet uit een trekkingsverslag</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>het veld “%1” ontbreekt</translation>
    </message>
    <message>
        <source>it has more than %1 names, more than a list can hold</source>
        <translation>het bevat meer dan %1 namen, meer dan er in een lijst passen</translation>
    </message>
    <message>
        <source>its list has %1 names, more than the record counts</source>
        <translation>de lijst erin heeft %1 namen, meer dan het verslag telt</translation>
    </message>
    <message>
        <source>its list is not the one the draw was made from (the fingerprint differs)</source>
        <translation>de lijst erin is niet die waaruit getrokken is (de vingerafdruk verschilt)</translation>
    </message>
    <message>
        <source>its drawn order does not account for every name</source>
        <translation>de getrokken volgorde erin omvat niet elke naam</translation>
    </message>
    <message>
        <source>nimbrel: --check-draw needs the file of a draw record</source>
        <translation>nimbrel: --check-draw heeft het bestand van een trekkingsverslag nodig</translation>
    </message>
    <message>
        <source>%1: not a draw record: %2.</source>
        <translation>%1: geen trekkingsverslag: %2.</translation>
    </message>
    <message>
        <source>%1: not a draw record: it records names set aside or brought back.</source>
        <translation>%1: geen trekkingsverslag: het legt opzijgezette of teruggehaalde namen vast.</translation>
    </message>
    <message>
        <source>%1: the draw matches its record (names: %2, re-orders: %3).</source>
        <translation>%1: de trekking komt overeen met het verslag (namen: %2, herschikkingen: %3).</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: position %2: recorded &quot;%3&quot;, the draw gives &quot;%4&quot;.</source>
        <translation>%1: de trekking komt niet overeen met het verslag: plaats %2: vastgelegd “%3”, de trekking geeft “%4”.</translation>
    </message>
    <message>
        <source>Do the draw of a draw record again and say whether it matches; exit with 0 when it does, 1 when it does not, 2 when the file is not a draw record.</source>
        <translation>De trekking van een trekkingsverslag opnieuw uitvoeren en zeggen of die overeenkomt; afsluiten met 0 als dat zo is, 1 als dat niet zo is, 2 als het bestand geen trekkingsverslag is.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>The records of the last 1,000 draws are kept there too, each with the list it was drawn from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes them.</source>
        <translation>Daar worden ook de verslagen van de laatste 1.000 trekkingen bewaard, elk met de lijst waaruit getrokken is; het venster Trekkingen (Ctrl+H) toont ze, en de knop “Alle trekkingen vergeten” daarin verwijdert ze.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: the public text &quot;%2&quot; gives the seed %3, the record says %4.</source>
        <extracomment>%2 is the public text the record names, %3 and %4 are 64-bit numbers.</extracomment>
        <translation>%1: de trekking komt niet overeen met het verslag: de openbare tekst “%2” geeft het startgetal %3, het verslag zegt %4.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: a draw from a public text makes %2 re-orders, the record says %3.</source>
        <translation>%1: de trekking komt niet overeen met het verslag: een trekking met een openbare tekst maakt %2 herschikkingen, het verslag zegt %3.</translation>
    </message>
    <message>
        <source>This shows that the order follows from the list, the seed and the number of re-orders. It does not show that the seed was not chosen to give this order.</source>
        <translation>Dit toont dat de volgorde volgt uit de lijst, het startgetal en het aantal herschikkingen. Het toont niet dat het startgetal niet gekozen is om deze volgorde te geven.</translation>
    </message>
    <message>
        <source>The seed follows from the list&apos;s fingerprint and the public text &quot;%1&quot;, and the re-orders are fixed: if nobody could know that text when the fingerprint was announced, nobody chose this order.</source>
        <translation>Het startgetal volgt uit de vingerafdruk van de lijst en de openbare tekst “%1”, en de herschikkingen liggen vast: als niemand die tekst kon kennen toen de vingerafdruk werd aangekondigd, heeft niemand deze volgorde gekozen.</translation>
    </message>
    <message>
        <source>Team %1: %2</source>
        <extracomment>A line of --check-draw&apos;s output: %1 is the team&apos;s number, %2 its names.</extracomment>
        <translation>Team %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawActions</name>
    <message>
        <source>Split into Teams...</source>
        <extracomment>List menu: deals the list, in its drawn order, into teams shown over the whole screen.</extracomment>
        <translation>In teams verdelen...</translation>
    </message>
    <message>
        <source>Draw from a Public Number...</source>
        <extracomment>List menu: a draw whose seed follows from the list and a number published later.</extracomment>
        <translation>Trekken met een openbaar getal...</translation>
    </message>
    <message>
        <source>Winners Shown</source>
        <extracomment>List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.</extracomment>
        <translation>Getoonde winnaars</translation>
    </message>
    <message>
        <source>Show the Draw On</source>
        <extracomment>List menu: a submenu of the screens Show the Draw can open on.</extracomment>
        <translation>Trekking tonen op</translation>
    </message>
    <message>
        <source>Another Screen than the Window&apos;s</source>
        <extracomment>Submenu Show the Draw On: the first choice, the one made until another is chosen.</extracomment>
        <translation>Een ander scherm dan dat van het venster</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <extracomment>Submenu Show the Draw On: a screen by its name and size, such as &quot;HDMI-1 (1920 × 1080)&quot;.</extracomment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>The list is not in the order of a draw: it was not shuffled since it last changed. Split it into teams as it stands?</source>
        <extracomment>Asked before Split into Teams when the list was not shuffled since it last changed.</extracomment>
        <translation>De lijst staat niet in de volgorde van een trekking: hij is sinds de laatste wijziging niet geschud. Toch zo in teams verdelen?</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>%1   Draw of %2 names, first drawn: %3</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.</extracomment>
        <translation>%1   Trekking uit %2 namen, als eerste getrokken: %3</translation>
    </message>
    <message>
        <source>%1   Set aside: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.</extracomment>
        <translation>%1   Opzijgezet: %2</translation>
    </message>
    <message>
        <source>%1   Brought back: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.</extracomment>
        <translation>%1   Teruggehaald: %2</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Next: %1</source>
        <extracomment>What a screen reader says after the drawn name; %1 lists the next names in the list.</extracomment>
        <translation>Daarna: %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <extracomment>The heading of a team&apos;s column in the view of the draw, in its printout and its file.</extracomment>
        <translation>Team %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 naam</numerusform>
            <numerusform>%1 namen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>At the foot of the view of the draw: how many winners are shown of how many names took part, such as &quot;1 of 5,000&quot;.</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>More Winners</source>
        <extracomment>Menu of the view of the draw (right click): one more of the first names shown large.</extracomment>
        <translation>Meer winnaars</translation>
    </message>
    <message>
        <source>Fewer Winners</source>
        <extracomment>Menu of the view of the draw: one fewer of the first names shown large.</extracomment>
        <translation>Minder winnaars</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Menu of the view of the draw: prints the winners or the teams shown.</extracomment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Menu of the view of the draw: saves the winners or the teams shown as a text file.</extracomment>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Menu of the view of the draw: closes it.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>en nog %1</numerusform>
            <numerusform>en nog %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawsWindow</name>
    <message>
        <source>Draws</source>
        <extracomment>Title of the window that lists the recorded draws.</extracomment>
        <translation>Trekkingen</translation>
    </message>
    <message>
        <source>Recorded draws</source>
        <extracomment>What a screen reader calls the list of recorded draws.</extracomment>
        <translation>Vastgelegde trekkingen</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>What a screen reader calls the text of the selected draw&apos;s record.</extracomment>
        <translation>Verslag</translation>
    </message>
    <message>
        <source>Keep a Record of Draws</source>
        <extracomment>Check box of the Draws window: whether draws are recorded from now on.</extracomment>
        <translation>Trekkingen vastleggen</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the Draws window: prints the selected record.</extracomment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button of the Draws window: saves the selected draw&apos;s record as a file.</extracomment>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Button of the Draws window: removes every record (the list of names stays).</extracomment>
        <translation>Alle trekkingen vergeten</translation>
    </message>
    <message>
        <source>Every List</source>
        <extracomment>Check box of the Draws window, shown when there are several lists: lists the draws of every list.</extracomment>
        <translation>Alle lijsten</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <extracomment>A line of the Draws window showing every list&apos;s draws: %1 the line, %2 the list&apos;s name then.</extracomment>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>Forget the records of every draw, from every list? The lists of names stay as they are.</source>
        <extracomment>Asked before every draw&apos;s record is removed, when there are several lists (the records of each go).</extracomment>
        <translation>De verslagen van alle trekkingen uit alle lijsten vergeten? De namenlijsten blijven zoals ze zijn.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <extracomment>%1 is the name of the file about to be made.</extracomment>
        <translation>%1 bestaat niet.
Wilt u het bestand aanmaken?</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the help file %1 was not found.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>het helpbestand %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>the help file %1 is not a file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>het helpbestand %1 is geen bestand.</translation>
    </message>
    <message>
        <source>the help file %1 is too large to be a help file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>het helpbestand %1 is te groot voor een helpbestand.</translation>
    </message>
    <message>
        <source>the help file %1 could not be read (%2).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>het helpbestand %1 kon niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>the help file %1 is not a text file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>het helpbestand %1 is geen tekstbestand.</translation>
    </message>
    <message>
        <source>the help file %1 is damaged (line %2: %3).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a line number, %3 what is wrong there.</extracomment>
        <translation>het helpbestand %1 is beschadigd (regel %2: %3).</translation>
    </message>
    <message>
        <source>a topic line needs a number from 1 to %1 in square brackets</source>
        <extracomment>What is wrong in a damaged help file; %1 is the highest topic number.</extracomment>
        <translation>een onderwerpregel heeft een getal van 1 tot en met %1 tussen vierkante haken nodig</translation>
    </message>
    <message>
        <source>topic %1 appears a second time</source>
        <extracomment>What is wrong in a damaged help file; %1 is a topic number.</extracomment>
        <translation>onderwerp %1 komt een tweede keer voor</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <extracomment>What is wrong in a damaged help file.</extracomment>
        <translation>tekst vóór het eerste onderwerp</translation>
    </message>
    <message>
        <source>Help is not available: %1</source>
        <extracomment>Shown instead of a help topic; %1 says why, e.g. &quot;the help file ... was not found.&quot;</extracomment>
        <translation>Help is niet beschikbaar: %1</translation>
    </message>
    <message>
        <source>the help file %1 has no topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>het helpbestand %1 heeft geen onderwerp %2.</translation>
    </message>
    <message>
        <source>the help file %1 has nothing in topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>het helpbestand %1 heeft niets in onderwerp %2.</translation>
    </message>
</context>
<context>
    <name>HelpMessageDialog</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the small window shown before the help mode starts.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Now click on any area of the program interface for help on that particular feature.</source>
        <translation>Klik nu op een willekeurig deel van het venster voor hulp bij dat onderdeel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show this message every time</source>
        <extracomment>Check box: whether this message comes again the next time Help is pressed.</extracomment>
        <translation>Dit bericht altijd tonen</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>De %n getrokken naam opzijzetten</numerusform>
            <numerusform>De %n getrokken namen opzijzetten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message>
        <source>Lists</source>
        <extracomment>List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.</extracomment>
        <translation>Lijsten</translation>
    </message>
    <message>
        <source>New List...</source>
        <extracomment>Lists menu: makes an empty list, asking for its name.</extracomment>
        <translation>Nieuwe lijst...</translation>
    </message>
    <message>
        <source>Rename List...</source>
        <extracomment>Lists menu: gives the current list another name.</extracomment>
        <translation>Lijst hernoemen...</translation>
    </message>
    <message>
        <source>Duplicate List</source>
        <extracomment>Lists menu: makes a copy of the current list, its set-aside names too.</extracomment>
        <translation>Lijst dupliceren</translation>
    </message>
    <message>
        <source>Delete List...</source>
        <extracomment>Lists menu: deletes the current list, after asking.</extracomment>
        <translation>Lijst verwijderen...</translation>
    </message>
    <message>
        <source>New List from File...</source>
        <extracomment>Lists menu: makes a list of the names in a text file, named after the file.</extracomment>
        <translation>Nieuwe lijst uit bestand...</translation>
    </message>
    <message>
        <source>The lists could not be saved: %1.

Nimbrel tries again with the next change and when it closes. The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>De lijsten konden niet worden opgeslagen: %1.

Nimbrel probeert het opnieuw bij de volgende wijziging en bij het afsluiten. Het instellingenbestand is:
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
        <translation>Verwijderen van lijst “%1” ongedaan maken</translation>
    </message>
    <message>
        <source>Nimbrel keeps at most %1 lists. Delete a list to make room for another one.</source>
        <extracomment>%1 is the most lists the program keeps (100).</extracomment>
        <translation>Nimbrel bewaart hoogstens %1 lijsten. Verwijder een lijst om ruimte te maken voor een andere.</translation>
    </message>
    <message>
        <source>A list&apos;s name must have from %1 to %2 characters.</source>
        <extracomment>%1 and %2 are the fewest and the most characters (1 and 100).</extracomment>
        <translation>De naam van een lijst moet %1 tot %2 tekens lang zijn.</translation>
    </message>
    <message>
        <source>A list&apos;s name must be one line of text, without tabs or other control characters.</source>
        <translation>De naam van een lijst moet één regel tekst zijn, zonder tabs of andere stuurtekens.</translation>
    </message>
    <message>
        <source>There is already a list with that name (capital and small letters count as the same). Choose another name.</source>
        <translation>Er is al een lijst met die naam (hoofdletters en kleine letters tellen als gelijk). Kies een andere naam.</translation>
    </message>
    <message>
        <source>The last list cannot be deleted.</source>
        <translation>De laatste lijst kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>New List</source>
        <extracomment>Title of the box that asks for the new list&apos;s name.</extracomment>
        <translation>Nieuwe lijst</translation>
    </message>
    <message>
        <source>Enter a name for the new list.</source>
        <translation>Voer een naam in voor de nieuwe lijst.</translation>
    </message>
    <message>
        <source>Rename List</source>
        <extracomment>Title of the box that asks for the list&apos;s new name; %1 is its name now.</extracomment>
        <translation>Lijst hernoemen</translation>
    </message>
    <message>
        <source>Enter a new name for the list &quot;%1&quot;.</source>
        <translation>Voer een nieuwe naam in voor de lijst “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>De lijst “%1” met zijn %n naam verwijderen? De trekkingen ervan worden niet meer getoond.

Tot Nimbrel sluit, zet “Verwijderen van lijst ongedaan maken” in het menu Lijsten hem terug.</numerusform>
            <numerusform>De lijst “%1” met zijn %n namen verwijderen? De trekkingen ervan worden niet meer getoond.

Tot Nimbrel sluit, zet “Verwijderen van lijst ongedaan maken” in het menu Lijsten hem terug.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <extracomment>What a screen reader calls the column of buttons beside the list.</extracomment>
        <translation>Knoppen</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>What a screen reader calls the list of names.</extracomment>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Add Name</source>
        <extracomment>Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.</extracomment>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Remove Name</source>
        <extracomment>Side button (small): removes the selected name.</extracomment>
        <translation>Naam wissen</translation>
    </message>
    <message>
        <source>Import from File</source>
        <extracomment>Side button (small): replaces the list with the names in a text file.</extracomment>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Export to File</source>
        <extracomment>Side button (small): saves the list to a text file.</extracomment>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Clear All Names</source>
        <extracomment>Side button (small): removes every name.</extracomment>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Print List</source>
        <extracomment>Side button (small): prints the list.</extracomment>
        <translation>Lijst afdrukken</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Side button (small): opens the Options window.</extracomment>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Side button (small): starts the help mode (click a part of the window to learn about it).</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Side button (small): opens the About box (version, maker).</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Side button (small): ends the program.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Enter a name to add to the list.</source>
        <translation>Typ een naam om aan de lijst toe te voegen.</translation>
    </message>
    <message>
        <source>A name must be selected to perform this action.</source>
        <translation>Selecteer hiervoor eerst een naam in de lijst.</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list?</source>
        <extracomment>%1 is the selected name.</extracomment>
        <translation>“%1” uit de lijst verwijderen?</translation>
    </message>
    <message>
        <source>This will erase all names in the list. Do you wish to continue?</source>
        <translation>Hiermee worden alle namen in de lijst gewist. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>The was an error printing the list.</source>
        <extracomment>&quot;The was&quot; is a slip in the English text, kept as users know it: it means &quot;There was an error printing the list.&quot;</extracomment>
        <translation>Er is een fout opgetreden bij het afdrukken van de lijst.</translation>
    </message>
    <message>
        <source>You must add at least two names to the list first.</source>
        <translation>Voeg eerst minstens twee namen aan de lijst toe.</translation>
    </message>
    <message>
        <source>Nimbrel cannot find the sound file it needs to play sound while shuffling. The file &quot;shuffle.wav&quot; should be in the same folder as the program file. It might have been deleted. You should replace the file or reinstall the program if you wish to play sound while shuffling. Sound will be disabled.</source>
        <extracomment>&quot;shuffle.wav&quot; is the file&apos;s name: keep it as it is.</extracomment>
        <translation>Nimbrel kan het geluidsbestand niet vinden dat het nodig heeft om tijdens het schudden geluid af te spelen. Het bestand “shuffle.wav” hoort in dezelfde map te staan als het programmabestand. Misschien is het verwijderd. Zet het bestand terug of installeer het programma opnieuw als u tijdens het schudden geluid wilt horen. Het geluid wordt uitgeschakeld.</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <extracomment>Title of the message that the sound file is missing.</extracomment>
        <translation>Geluidsfout</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>The big button that starts the draw; while the draw runs it reads &quot;Stop&quot;.</extracomment>
        <translation>Schudden</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The big button while the draw runs: pressing it ends the draw.</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a mistake or a failure.</extracomment>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <extracomment>Title of the Yes/No question before a name is removed or the list is cleared.</extracomment>
        <translation>Graag bevestigen</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The names stay as they were last saved, in:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Uw namenlijst kon niet worden opgeslagen: %1.

De namen blijven zoals ze het laatst zijn opgeslagen, in:
%2</translation>
    </message>
    <message>
        <source>another program kept the settings file busy</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>een ander programma hield het instellingenbestand bezet</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>het instellingenbestand of de map ervan is niet beschrijfbaar</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the settings file could not be opened or written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>het instellingenbestand kon niet worden geopend of geschreven</translation>
    </message>
    <message>
        <source>The settings file was damaged, so Nimbrel starts with its default settings and no remembered names.

The damaged file was kept as:
%1</source>
        <extracomment>%1 is the path the damaged settings file was kept under.</extracomment>
        <translation>Het instellingenbestand was beschadigd. Nimbrel start daarom met de standaardinstellingen en zonder onthouden namen.

Het beschadigde bestand is bewaard als:
%1</translation>
    </message>
    <message>
        <source>The list is full. It can hold at most %1 names.</source>
        <extracomment>%1 is the largest number of names (32,767), written as numbers are in the language.</extracomment>
        <translation>De lijst is vol. Er passen hoogstens %1 namen in.</translation>
    </message>
    <message>
        <source>The settings file was written by a newer version of Nimbrel. This version leaves it as it is, so changes to the options and the list of names will not be kept.

The settings file is:
%1</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>Het instellingenbestand is geschreven door een nieuwere versie van Nimbrel. Deze versie laat het zoals het is; wijzigingen in de opties en de namenlijst worden dus niet bewaard.

Het instellingenbestand is:
%1</translation>
    </message>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Het instellingenbestand bevat meer namen dan er in de lijst passen. De eerste %1 zijn geladen; %2 is weggelaten en wordt niet bewaard.</numerusform>
            <numerusform>Het instellingenbestand bevat meer namen dan er in de lijst passen. De eerste %1 zijn geladen; %2 zijn weggelaten en worden niet bewaard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Hiermee worden alle namen in de lijst gewist, en ook de %n opzijgezette naam. Wilt u doorgaan?</numerusform>
            <numerusform>Hiermee worden alle namen in de lijst gewist, en ook de %n opzijgezette namen. Wilt u doorgaan?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>%n opzijgezette naam terughalen</numerusform>
            <numerusform>%n opzijgezette namen terughalen</numerusform>
        </translation>
    </message>
    <message>
        <source>Bring Back Set-Aside Names</source>
        <extracomment>List menu, when no name is set aside (disabled).</extracomment>
        <translation>Opzijgezette namen terughalen</translation>
    </message>
    <message>
        <source>Show the Draw</source>
        <extracomment>List menu (right click on the list): shows the first name over the whole screen.</extracomment>
        <translation>Trekking groot tonen</translation>
    </message>
    <message>
        <source>Show Each Draw Large</source>
        <extracomment>List menu, a check mark: after every Stop the drawn name is shown over the whole screen.</extracomment>
        <translation>Elke trekking groot tonen</translation>
    </message>
    <message>
        <source>Set Aside the Drawn Name</source>
        <extracomment>List menu: takes the first name out of the list, so the next shuffle draws from the rest.</extracomment>
        <translation>Getrokken naam opzijzetten</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>List menu: takes back the last change to the list.</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>List menu: makes the change Undo took back again.</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>another program holds the file %1, which cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot; %1 is the path of a file beside the settings file.</extracomment>
        <translation>een ander programma houdt het bestand %1 open, dat niet beschrijfbaar is</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes?</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Uw namenlijst kon niet worden opgeslagen: %1.

Het instellingenbestand is:
%2

Wilt u de namen naar een bestand exporteren voordat Nimbrel wordt afgesloten?</translation>
    </message>
    <message>
        <source>Changes to the options and the list of names will not be kept: %1.

The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;the settings file or its folder cannot be written&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Wijzigingen in de opties en de namenlijst worden niet bewaard: %1.

Het instellingenbestand is:
%2</translation>
    </message>
    <message>
        <source>The settings file had been moved or deleted while Nimbrel was running. A new one was written with the options and the list of names, at:
%1</source>
        <extracomment>Told at exit; %1 is the settings file&apos;s path.</extracomment>
        <translation>Het instellingenbestand is verplaatst of verwijderd terwijl Nimbrel draaide. Er is een nieuw bestand met de opties en de namenlijst geschreven, in:
%1</translation>
    </message>
    <message>
        <source>Draws...</source>
        <extracomment>Opens the window that lists the recorded draws.</extracomment>
        <translation>Trekkingen...</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Title of the question before every draw&apos;s record is removed.</extracomment>
        <translation>Alle trekkingen vergeten</translation>
    </message>
    <message>
        <source>Forget the records of every draw? The list of names stays as it is.</source>
        <translation>De verslagen van alle trekkingen vergeten? De namenlijst blijft zoals hij is.</translation>
    </message>
    <message>
        <source>Not every record could be removed from %1.</source>
        <extracomment>%1 is where the settings are kept (a file path, or the registry key).</extracomment>
        <translation>Niet alle verslagen konden uit %1 worden verwijderd.</translation>
    </message>
    <message>
        <source>The draw cannot start: the system gives no random numbers to start it from. Try again.</source>
        <translation>De trekking kan niet beginnen: het systeem geeft geen willekeurige getallen om mee te beginnen. Probeer het opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Uw namenlijst kon niet worden opgeslagen: %1.

Het instellingenbestand is:
%2

Wilt u de namen naar een bestand exporteren voordat Nimbrel wordt afgesloten? De %n opzijgezette naam wordt na de lijst geschreven.</numerusform>
            <numerusform>Uw namenlijst kon niet worden opgeslagen: %1.

Het instellingenbestand is:
%2

Wilt u de namen naar een bestand exporteren voordat Nimbrel wordt afgesloten? De %n opzijgezette namen worden na de lijst geschreven.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListCodec</name>
    <message>
        <source>It begins as UTF-16 text but is not valid UTF-16</source>
        <translation>Het begint als UTF-16-tekst, maar is geen geldige UTF-16</translation>
    </message>
    <message>
        <source>It holds NUL bytes, so it is not a text file</source>
        <translation>Het bevat NUL-bytes en is dus geen tekstbestand</translation>
    </message>
    <message>
        <source>Its text could not be decoded</source>
        <translation>De tekst kon niet worden gedecodeerd</translation>
    </message>
    <message>
        <source>It holds NUL characters, so it is not a list of names</source>
        <translation>Het bevat NUL-tekens en is dus geen namenlijst</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Het is een map, geen bestand</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>It is larger than 64 MiB, far more than any list of names needs</source>
        <translation>Het is groter dan 64 MiB, veel meer dan een namenlijst ooit nodig heeft</translation>
    </message>
    <message>
        <source>It is the program&apos;s settings file</source>
        <translation>Het is het instellingenbestand van het programma</translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.txt)&quot;.</extracomment>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.*)&quot;.</extracomment>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a failed import, export or paste.</extracomment>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>This will overwrite any names you currently have in the list. Do you wish to continue?</source>
        <translation>Hiermee worden alle namen vervangen die nu in de lijst staan. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <extracomment>Title of the Yes/No question before an import replaces the list.</extracomment>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>Select file to import...</source>
        <extracomment>Title of the file dialog that chooses the file to import.</extracomment>
        <translation>Bestand om te importeren kiezen...</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;.
%2.
The list is unchanged.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read (a sentence without its full stop).</extracomment>
        <translation>“%1” kon niet worden geïmporteerd.
%2.
De lijst is niet gewijzigd.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Het bestand bevat meer namen dan er in de lijst passen. De eerste %1 zijn geïmporteerd; %2 is weggelaten.</numerusform>
            <numerusform>Het bestand bevat meer namen dan er in de lijst passen. De eerste %1 zijn geïmporteerd; %2 zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select export file...</source>
        <extracomment>Title of the file dialog that chooses the file to export to.</extracomment>
        <translation>Exportbestand kiezen...</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the list.</source>
        <translation>Het bestand kon alleen ter plekke worden overschreven en bevat nu misschien maar een deel van de lijst.</translation>
    </message>
    <message>
        <source>A file already there is unchanged.</source>
        <translation>Een bestand dat er al stond, is niet gewijzigd.</translation>
    </message>
    <message>
        <source>No file was made.</source>
        <translation>Er is geen bestand aangemaakt.</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;.
%2.
%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written (a sentence without its full stop), %3 what became of the file (&quot;A file already there is unchanged.&quot;, ...).</extracomment>
        <translation>Exporteren naar “%1” is mislukt.
%2.
%3</translation>
    </message>
    <message>
        <source>Only one file can be imported at a time. The list is unchanged.</source>
        <extracomment>Several files were dropped on the window.</extracomment>
        <translation>Er kan maar één bestand tegelijk worden geïmporteerd. De lijst is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Could not add the names.
%1.
The list is unchanged.</source>
        <extracomment>Pasted or dropped text; %1 is why (a sentence without its full stop).</extracomment>
        <translation>De namen konden niet worden toegevoegd.
%1.
De lijst is niet gewijzigd.</translation>
    </message>
    <message>
        <source>none of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2.</extracomment>
        <translation>geen van de nieuwe namen is toegevoegd</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 van de nieuwe namen is toegevoegd</numerusform>
            <numerusform>%1 van de nieuwe namen zijn toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 is weggelaten</numerusform>
            <numerusform>%1 zijn weggelaten</numerusform>
        </translation>
    </message>
    <message>
        <source>The list can hold at most %1 names: %2, %3.</source>
        <extracomment>Pasted or dropped names beyond the list&apos;s room. %1 is the most names the list holds (32,767), %2 and %3 how many of the new names were added and left out (&quot;none of the new names were added&quot;, &quot;2 were left out&quot;).</extracomment>
        <translation>Er passen hoogstens %1 namen in de lijst: %2, %3.</translation>
    </message>
    <message>
        <source>Export Draw</source>
        <extracomment>Title of the file dialog that chooses the file a draw&apos;s record is exported to.</extracomment>
        <translation>Trekking exporteren</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the record.</source>
        <translation>Het bestand kon alleen ter plekke worden overschreven en bevat nu misschien maar een deel van het verslag.</translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>Hiermee worden alle namen vervangen die nu in de lijst staan, en verdwijnt ook de %n opzijgezette naam. Wilt u doorgaan?</numerusform>
            <numerusform>Hiermee worden alle namen vervangen die nu in de lijst staan, en verdwijnen ook de %n opzijgezette namen. Wilt u doorgaan?</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the Draw Shown</source>
        <extracomment>Title of the file dialog that saves the winners or the teams the view of the draw shows.</extracomment>
        <translation>Getoonde trekking exporteren</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options window.</extracomment>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Special Effects While Shuffling:</source>
        <extracomment>Heading of the three check boxes below it.</extracomment>
        <translation>Speciale effecten bij het schudden:</translation>
    </message>
    <message>
        <source>Flash different colors</source>
        <extracomment>Check box: the window flashes colours while the names are shuffled.</extracomment>
        <translation>In kleuren knipperen</translation>
    </message>
    <message>
        <source>Shake window</source>
        <extracomment>Check box: the window shakes while the names are shuffled.</extracomment>
        <translation>Venster laten trillen</translation>
    </message>
    <message>
        <source>Play sound</source>
        <extracomment>Check box: a sound plays while the names are shuffled.</extracomment>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Remember name list between sessions.</source>
        <extracomment>Check box: the list comes back the next time the program starts.</extracomment>
        <translation>Lijst onthouden voor de volgende keer.</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: keeps the choices and closes the window.</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: closes the window without keeping the choices.</extracomment>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PublicDrawDialog</name>
    <message>
        <source>Draw from a Public Number</source>
        <extracomment>Title of the dialog that starts a draw from a public number.</extracomment>
        <translation>Trekken met een openbaar getal</translation>
    </message>
    <message>
        <source>The list&apos;s fingerprint (SHA-256 of the names in their order):</source>
        <extracomment>Above the list&apos;s fingerprint in the dialog of a draw from a public number.</extracomment>
        <translation>De vingerafdruk van de lijst (SHA-256 van de namen in hun volgorde):</translation>
    </message>
    <message>
        <source>Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the next lottery numbers, say, or a public randomness beacon&apos;s next round); it fixes the list and its order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.</source>
        <extracomment>The method, in two sentences. %1 is the fixed number of re-orders (200).</extracomment>
        <translation>Maak de vingerafdruk, of de eerste 8 tekens ervan, bekend voordat iemand het openbare getal kan kennen (de volgende lottotrekking bijvoorbeeld, of de volgende ronde van een openbaar willekeurigheidsbaken); die legt de lijst en haar volgorde vast, die daarna niet meer mogen veranderen. Het startgetal is dan de eerste 8 bytes van de SHA-256 van de vingerafdruk, een regeleinde en de tekst die u hieronder typt, en het schudden maakt %1 herschikkingen, zodat iedereen met de lijst en die tekst dezelfde volgorde krijgt, met Nimbrel of met het script check-public-draw.py.</translation>
    </message>
    <message>
        <source>The public number or text, exactly as published:</source>
        <extracomment>Above the box where the host types the public number.</extracomment>
        <translation>Het openbare getal of de tekst, precies zoals gepubliceerd:</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>The button that starts the draw from the public text.</extracomment>
        <translation>Trekken</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>Names</source>
        <extracomment>The name of the one list the program keeps until the user makes another.</extracomment>
        <translation>Namen</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a copy of a list; %1 is the list&apos;s name.</extracomment>
        <translation>%1 (kopie)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Nimbrel is already running, but it does not answer.
Your names stay with it; try again once it has ended.</source>
        <extracomment>A second start of the program while the first one does not respond.</extracomment>
        <translation>Nimbrel draait al, maar reageert niet.
Uw namen blijven daar; probeer het opnieuw zodra het is afgesloten.</translation>
    </message>
    <message>
        <source>Nimbrel is already running as process %1, but it does not answer.
Your names stay with it: continue or end process %1, then start Nimbrel again.</source>
        <extracomment>A second start of the program while the first one does not respond; %1 is the first one&apos;s process number.</extracomment>
        <translation>Nimbrel draait al als proces %1, maar reageert niet.
Uw namen blijven daar: laat proces %1 verdergaan of beëindig het, en start Nimbrel dan opnieuw.</translation>
    </message>
    <message>
        <source>Start anyway? Nothing you change will be kept.</source>
        <extracomment>Asked below &quot;Nimbrel is already running, but it does not answer.&quot;</extracomment>
        <translation>Toch starten? Niets wat u wijzigt wordt bewaard.</translation>
    </message>
</context>
<context>
    <name>TeamsDialog</name>
    <message>
        <source>Split into Teams</source>
        <extracomment>Title of the dialog that splits the list into teams.</extracomment>
        <translation>In teams verdelen</translation>
    </message>
    <message>
        <source>The names are dealt into teams in the order drawn: the first name to Team 1, the second to Team 2, and so on.</source>
        <extracomment>The first line of the dialog that splits the list into teams.</extracomment>
        <translation>De namen worden in de getrokken volgorde over de teams verdeeld: de eerste naam naar team 1, de tweede naar team 2, enzovoort.</translation>
    </message>
    <message>
        <source>Number of teams:</source>
        <extracomment>Split into Teams: a choice, followed by a number box.</extracomment>
        <translation>Aantal teams:</translation>
    </message>
    <message>
        <source>Names in each team:</source>
        <extracomment>Split into Teams: the other choice, followed by a number box.</extracomment>
        <translation>Namen per team:</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>Split into Teams: the sizes of teams that differ by one, as &quot;3–4&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Teams: %1; names in each team: %2</source>
        <extracomment>Split into Teams: what the choice makes; %1 is the number of teams, %2 their size (&quot;4&quot; or &quot;3–4&quot;).</extracomment>
        <translation>Teams: %1; namen per team: %2</translation>
    </message>
    <message>
        <source>There are fewer names (%1) than teams (%2).</source>
        <extracomment>Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.</extracomment>
        <translation>Er zijn minder namen (%1) dan teams (%2).</translation>
    </message>
</context>
</TS>
