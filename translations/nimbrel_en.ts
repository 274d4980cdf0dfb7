<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DrawView</name>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 name</numerusform>
            <numerusform>%1 names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>and %1 more</numerusform>
            <numerusform>and %1 more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>Set Aside the %n Drawn Name</numerusform>
            <numerusform>Set Aside the %n Drawn Names</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Delete the list &quot;%1&quot; and its %n name? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</numerusform>
            <numerusform>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>The settings file holds more names than the list can hold. The first %1 were loaded; %2 was left out and will not be kept.</numerusform>
            <numerusform>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>This will erase all names in the list, and the %n set-aside name. Do you wish to continue?</numerusform>
            <numerusform>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>Bring Back %n Set-Aside Name</numerusform>
            <numerusform>Bring Back %n Set-Aside Names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside name is written after the list.</numerusform>
            <numerusform>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>The file holds more names than the list can hold. The first %1 were imported; %2 was left out.</numerusform>
            <numerusform>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 of the new names was added</numerusform>
            <numerusform>%1 of the new names were added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 was left out</numerusform>
            <numerusform>%1 were left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>This will overwrite any names you currently have in the list, and the %n set-aside name. Do you wish to continue?</numerusform>
            <numerusform>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</numerusform>
        </translation>
    </message>
</context>
</TS>
