<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Find more great software from Quorvane at:</source>
        <extracomment>Quorvane is the maker&apos;s name; the maker&apos;s web address follows below this text.</extracomment>
        <translation>Mais programas excelentes da Quorvane em:</translation>
    </message>
    <message>
        <source>Nimbrel is freeware. You may copy it and give it away, free of charge and unchanged. It comes with no warranty of any kind.</source>
        <translation>O Nimbrel é freeware. Pode ser copiado e distribuído, gratuitamente e sem alterações. É fornecido sem nenhum tipo de garantia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane. All rights reserved.</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>Copyright © %1 Quorvane. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>Não foi possível abrir seu programa de e-mail.</translation>
    </message>
    <message>
        <source>Could not start your web browser.</source>
        <translation>Não foi possível abrir seu navegador.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message that a link could not be opened.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>names from a hat</source>
        <extracomment>The line under the program&apos;s name in the About box&apos;s picture (shrunk to fit).</extracomment>
        <translation>nomes da cartola</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel</source>
        <extracomment>Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and &quot;xvfb-run -a nimbrel&quot; as they are.</extracomment>
        <translation>nimbrel: não há tela onde abrir uma janela (nem DISPLAY nem WAYLAND_DISPLAY está definida); para experimentar sem área de trabalho: xvfb-run -a nimbrel</translation>
    </message>
    <message>
        <source>Draws names out of a hat: keep a list of names, shuffle it and stop at random.
The options and the remembered list are kept in %1.</source>
        <extracomment>%1 is the full path of the settings file.</extracomment>
        <translation>Sorteia nomes de uma cartola: mantenha uma lista de nomes, embaralhe-a e pare ao acaso.
As opções e a lista lembrada ficam em %1.</translation>
    </message>
    <message>
        <source>nimbrel: %1 is an unknown option.</source>
        <extracomment>Printed in a terminal; %1 is the option as given, such as --bogus.</extracomment>
        <translation>nimbrel: %1 é uma opção desconhecida.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a draw record can be</source>
        <translation>tem mais de %1 MB, o máximo que um registro de sorteio pode ter</translation>
    </message>
    <message>
        <source>it is written in %1, a draw record in UTF-8</source>
        <extracomment>%1 is the name of a text encoding, such as UTF-16.</extracomment>
        <translation>está em %1, e um registro de sorteio é em UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>a linha %1 não é texto UTF-8</translation>
    </message>
    <message>
        <source>its first line is not &quot;Nimbrel draw record&quot; and a version</source>
        <translation>sua primeira linha não é “Nimbrel draw record” seguido de uma versão</translation>
    </message>
    <message>
        <source>it is of version %1 of the format; this program reads version %2</source>
        <translation>está na versão %1 do formato; este programa lê a versão %2</translation>
    </message>
    <message>
        <source>it ends early: it was cut short</source>
        <translation>termina cedo demais: foi truncado</translation>
    </message>
    <message>
        <source>line %1 has been edited or is not from a draw record</source>
        <translation>a linha %1 foi editada ou não vem de um registro de sorteio</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>falta o campo “%1”</translation>
    </message>
    <message>
        <source>it has more than %1 names, more than a list can hold</source>
        <translation>tem mais de %1 nomes, mais do que uma lista comporta</translation>
    </message>
    <message>
        <source>its list has %1 names, more than the record counts</source>
        <translation>sua lista tem %1 nomes, mais do que o registro conta</translation>
    </message>
    <message>
        <source>its list is not the one the draw was made from (the fingerprint differs)</source>
        <translation>sua lista não é aquela da qual o sorteio foi feito (a impressão digital é diferente)</translation>
    </message>
    <message>
        <source>its drawn order does not account for every name</source>
        <translation>sua ordem sorteada não inclui todos os nomes</translation>
    </message>
    <message>
        <source>nimbrel: --check-draw needs the file of a draw record</source>
        <translation>nimbrel: --check-draw precisa do arquivo de um registro de sorteio</translation>
    </message>
    <message>
        <source>%1: not a draw record: %2.</source>
        <translation>%1: não é um registro de sorteio: %2.</translation>
    </message>
    <message>
        <source>%1: not a draw record: it records names set aside or brought back.</source>
        <translation>%1: não é um registro de sorteio: registra nomes separados ou trazidos de volta.</translation>
    </message>
    <message>
        <source>%1: the draw matches its record (names: %2, re-orders: %3).</source>
        <translation>%1: o sorteio confere com seu registro (nomes: %2, reordenações: %3).</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: position %2: recorded &quot;%3&quot;, the draw gives &quot;%4&quot;.</source>
        <translation>%1: o sorteio não confere com seu registro: posição %2: registrado “%3”, o sorteio dá “%4”.</translation>
    </message>
    <message>
        <source>Do the draw of a draw record again and say whether it matches; exit with 0 when it does, 1 when it does not, 2 when the file is not a draw record.</source>
        <translation>Refaz o sorteio de um registro de sorteio e diz se confere; sai com 0 quando confere, 1 quando não confere, 2 quando o arquivo não é um registro de sorteio.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>The records of the last 1,000 draws are kept there too, each with the list it was drawn from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes them.</source>
        <translation>Ali também ficam os registros dos últimos 1.000 sorteios, cada um com a lista da qual foi sorteado; a janela Sorteios (Ctrl+H) os mostra, e seu botão “Esquecer todos os sorteios” os remove.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: the public text &quot;%2&quot; gives the seed %3, the record says %4.</source>
        <extracomment>%2 is the public text the record names, %3 and %4 are 64-bit numbers.</extracomment>
        <translation>%1: o sorteio não confere com seu registro: o texto público “%2” dá a semente %3, o registro diz %4.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: a draw from a public text makes %2 re-orders, the record says %3.</source>
        <translation>%1: o sorteio não confere com seu registro: um sorteio a partir de um texto público faz %2 reordenações, o registro diz %3.</translation>
    </message>
    <message>
        <source>This shows that the order follows from the list, the seed and the number of re-orders. It does not show that the seed was not chosen to give this order.</source>
        <translation>Isso mostra que a ordem decorre da lista, da semente e do número de reordenações. Não mostra que a semente não foi escolhida para dar essa ordem.</translation>
    </message>
    <message>
        <source>The seed follows from the list&apos;s fingerprint and the public text &quot;%1&quot;, and the re-orders are fixed: if nobody could know that text when the fingerprint was announced, nobody chose this order.</source>
        <translation>A semente decorre da impressão digital da lista e do texto público “%1”, e as reordenações são fixas: se ninguém podia conhecer esse texto quando a impressão digital foi anunciada, ninguém escolheu essa ordem.</translation>
    </message>
    <message>
        <source>Team %1: %2</source>
        <extracomment>A line of --check-draw&apos;s output: %1 is the team&apos;s number, %2 its names.</extracomment>
        <translation>Equipe %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawActions</name>
    <message>
        <source>Split into Teams...</source>
        <extracomment>List menu: deals the list, in its drawn order, into teams shown over the whole screen.</extracomment>
        <translation>Dividir em equipes...</translation>
    </message>
    <message>
        <source>Draw from a Public Number...</source>
        <extracomment>List menu: a draw whose seed follows from the list and a number published later.</extracomment>
        <translation>Sortear a partir de um número público...</translation>
    </message>
    <message>
        <source>Winners Shown</source>
        <extracomment>List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.</extracomment>
        <translation>Vencedores mostrados</translation>
    </message>
    <message>
        <source>Show the Draw On</source>
        <extracomment>List menu: a submenu of the screens Show the Draw can open on.</extracomment>
        <translation>Mostrar o sorteio em</translation>
    </message>
    <message>
        <source>Another Screen than the Window&apos;s</source>
        <extracomment>Submenu Show the Draw On: the first choice, the one made until another is chosen.</extracomment>
        <translation>Outra tela que não a da janela</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <extracomment>Submenu Show the Draw On: a screen by its name and size, such as &quot;HDMI-1 (1920 × 1080)&quot;.</extracomment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>The list is not in the order of a draw: it was not shuffled since it last changed. Split it into teams as it stands?</source>
        <extracomment>Asked before Split into Teams when the list was not shuffled since it last changed.</extracomment>
        <translation>A lista não está na ordem de um sorteio: ela não foi embaralhada desde a última alteração. Dividi-la em equipes como está?</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>%1   Draw of %2 names, first drawn: %3</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.</extracomment>
        <translation>%1   Sorteio entre %2 nomes, primeiro sorteado: %3</translation>
    </message>
    <message>
        <source>%1   Set aside: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.</extracomment>
        <translation>%1   Separados: %2</translation>
    </message>
    <message>
        <source>%1   Brought back: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.</extracomment>
        <translation>%1   Trazidos de volta: %2</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Next: %1</source>
        <extracomment>What a screen reader says after the drawn name; %1 lists the next names in the list.</extracomment>
        <translation>Em seguida: %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <extracomment>The heading of a team&apos;s column in the view of the draw, in its printout and its file.</extracomment>
        <translation>Equipe %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 nome</numerusform>
            <numerusform>%1 nomes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>At the foot of the view of the draw: how many winners are shown of how many names took part, such as &quot;1 of 5,000&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>More Winners</source>
        <extracomment>Menu of the view of the draw (right click): one more of the first names shown large.</extracomment>
        <translation>Mais vencedores</translation>
    </message>
    <message>
        <source>Fewer Winners</source>
        <extracomment>Menu of the view of the draw: one fewer of the first names shown large.</extracomment>
        <translation>Menos vencedores</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Menu of the view of the draw: prints the winners or the teams shown.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Menu of the view of the draw: saves the winners or the teams shown as a text file.</extracomment>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Menu of the view of the draw: closes it.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>e mais %1</numerusform>
            <numerusform>e mais %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawsWindow</name>
    <message>
        <source>Draws</source>
        <extracomment>Title of the window that lists the recorded draws.</extracomment>
        <translation>Sorteios</translation>
    </message>
    <message>
        <source>Recorded draws</source>
        <extracomment>What a screen reader calls the list of recorded draws.</extracomment>
        <translation>Sorteios registrados</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>What a screen reader calls the text of the selected draw&apos;s record.</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Keep a Record of Draws</source>
        <extracomment>Check box of the Draws window: whether draws are recorded from now on.</extracomment>
        <translation>Registrar os sorteios</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the Draws window: prints the selected record.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button of the Draws window: saves the selected draw&apos;s record as a file.</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Button of the Draws window: removes every record (the list of names stays).</extracomment>
        <translation>Esquecer todos os sorteios</translation>
    </message>
    <message>
        <source>Every List</source>
        <extracomment>Check box of the Draws window, shown when there are several lists: lists the draws of every list.</extracomment>
        <translation>Todas as listas</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <extracomment>A line of the Draws window showing every list&apos;s draws: %1 the line, %2 the list&apos;s name then.</extracomment>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>Forget the records of every draw, from every list? The lists of names stay as they are.</source>
        <extracomment>Asked before every draw&apos;s record is removed, when there are several lists (the records of each go).</extracomment>
        <translation>Esquecer os registros de todos os sorteios, de todas as listas? As listas de nomes continuam como estão.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <extracomment>%1 is the name of the file about to be made.</extracomment>
        <translation>%1 não existe.
Deseja criar o arquivo?</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the help file %1 was not found.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>o arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>the help file %1 is not a file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>o arquivo de ajuda %1 não é um arquivo.</translation>
    </message>
    <message>
        <source>the help file %1 is too large to be a help file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>o arquivo de ajuda %1 é grande demais para ser um arquivo de ajuda.</translation>
    </message>
    <message>
        <source>the help file %1 could not be read (%2).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>não foi possível ler o arquivo de ajuda %1 (%2).</translation>
    </message>
    <message>
        <source>the help file %1 is not a text file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>o arquivo de ajuda %1 não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>the help file %1 is damaged (line %2: %3).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a line number, %3 what is wrong there.</extracomment>
        <translation>o arquivo de ajuda %1 está danificado (linha %2: %3).</translation>
    </message>
    <message>
        <source>a topic line needs a number from 1 to %1 in square brackets</source>
        <extracomment>What is wrong in a damaged help file; %1 is the highest topic number.</extracomment>
        <translation>uma linha de tópico precisa de um número de 1 a %1 entre colchetes</translation>
    </message>
    <message>
        <source>topic %1 appears a second time</source>
        <extracomment>What is wrong in a damaged help file; %1 is a topic number.</extracomment>
        <translation>o tópico %1 aparece uma segunda vez</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <extracomment>What is wrong in a damaged help file.</extracomment>
        <translation>texto antes do primeiro tópico</translation>
    </message>
    <message>
        <source>Help is not available: %1</source>
        <extracomment>Shown instead of a help topic; %1 says why, e.g. &quot;the help file ... was not found.&quot;</extracomment>
        <translation>A ajuda não está disponível: %1</translation>
    </message>
    <message>
        <source>the help file %1 has no topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>o arquivo de ajuda %1 não tem o tópico %2.</translation>
    </message>
    <message>
        <source>the help file %1 has nothing in topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>o arquivo de ajuda %1 não tem nada no tópico %2.</translation>
    </message>
</context>
<context>
    <name>HelpMessageDialog</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the small window shown before the help mode starts.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Now click on any area of the program interface for help on that particular feature.</source>
        <translation>Agora clique em qualquer parte da janela para obter ajuda sobre ela.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show this message every time</source>
        <extracomment>Check box: whether this message comes again the next time Help is pressed.</extracomment>
        <translation>Mostrar sempre esta mensagem</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>Separar o %n nome sorteado</numerusform>
            <numerusform>Separar os %n nomes sorteados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message>
        <source>Lists</source>
        <extracomment>List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.</extracomment>
        <translation>Listas</translation>
    </message>
    <message>
        <source>New List...</source>
        <extracomment>Lists menu: makes an empty list, asking for its name.</extracomment>
        <translation>Nova lista...</translation>
    </message>
    <message>
        <source>Rename List...</source>
        <extracomment>Lists menu: gives the current list another name.</extracomment>
        <translation>Renomear lista...</translation>
    </message>
    <message>
        <source>Duplicate List</source>
        <extracomment>Lists menu: makes a copy of the current list, its set-aside names too.</extracomment>
        <translation>Duplicar lista</translation>
    </message>
    <message>
        <source>Delete List...</source>
        <extracomment>Lists menu: deletes the current list, after asking.</extracomment>
        <translation>Excluir lista...</translation>
    </message>
    <message>
        <source>New List from File...</source>
        <extracomment>Lists menu: makes a list of the names in a text file, named after the file.</extracomment>
        <translation>Nova lista de um arquivo...</translation>
    </message>
    <message>
        <source>The lists could not be saved: %1.

Nimbrel tries again with the next change and when it closes. The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Não foi possível salvar as listas: %1.

O Nimbrel tentará de novo na próxima alteração e ao fechar. O arquivo de configurações é:
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
        <translation>Desfazer exclusão da lista “%1”</translation>
    </message>
    <message>
        <source>Nimbrel keeps at most %1 lists. Delete a list to make room for another one.</source>
        <extracomment>%1 is the most lists the program keeps (100).</extracomment>
        <translation>O Nimbrel guarda no máximo %1 listas. Exclua uma lista para abrir espaço para outra.</translation>
    </message>
    <message>
        <source>A list&apos;s name must have from %1 to %2 characters.</source>
        <extracomment>%1 and %2 are the fewest and the most characters (1 and 100).</extracomment>
        <translation>O nome de uma lista deve ter de %1 a %2 caracteres.</translation>
    </message>
    <message>
        <source>A list&apos;s name must be one line of text, without tabs or other control characters.</source>
        <translation>O nome de uma lista deve ser uma linha de texto, sem tabulações nem outros caracteres de controle.</translation>
    </message>
    <message>
        <source>There is already a list with that name (capital and small letters count as the same). Choose another name.</source>
        <translation>Já existe uma lista com esse nome (maiúsculas e minúsculas contam como iguais). Escolha outro nome.</translation>
    </message>
    <message>
        <source>The last list cannot be deleted.</source>
        <translation>A última lista não pode ser excluída.</translation>
    </message>
    <message>
        <source>New List</source>
        <extracomment>Title of the box that asks for the new list&apos;s name.</extracomment>
        <translation>Nova lista</translation>
    </message>
    <message>
        <source>Enter a name for the new list.</source>
        <translation>Digite um nome para a nova lista.</translation>
    </message>
    <message>
        <source>Rename List</source>
        <extracomment>Title of the box that asks for the list&apos;s new name; %1 is its name now.</extracomment>
        <translation>Renomear lista</translation>
    </message>
    <message>
        <source>Enter a new name for the list &quot;%1&quot;.</source>
        <translation>Digite um novo nome para a lista “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Excluir a lista “%1” e seu %n nome? Os sorteios dela deixarão de ser mostrados.

Até o Nimbrel fechar, “Desfazer exclusão da lista” no menu Listas a traz de volta.</numerusform>
            <numerusform>Excluir a lista “%1” e seus %n nomes? Os sorteios dela deixarão de ser mostrados.

Até o Nimbrel fechar, “Desfazer exclusão da lista” no menu Listas a traz de volta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <extracomment>What a screen reader calls the column of buttons beside the list.</extracomment>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>What a screen reader calls the list of names.</extracomment>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Add Name</source>
        <extracomment>Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.</extracomment>
        <translation>Adicionar nome</translation>
    </message>
    <message>
        <source>Remove Name</source>
        <extracomment>Side button (small): removes the selected name.</extracomment>
        <translation>Remover nome</translation>
    </message>
    <message>
        <source>Import from File</source>
        <extracomment>Side button (small): replaces the list with the names in a text file.</extracomment>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>Export to File</source>
        <extracomment>Side button (small): saves the list to a text file.</extracomment>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Clear All Names</source>
        <extracomment>Side button (small): removes every name.</extracomment>
        <translation>Apagar todos</translation>
    </message>
    <message>
        <source>Print List</source>
        <extracomment>Side button (small): prints the list.</extracomment>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Side button (small): opens the Options window.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Side button (small): starts the help mode (click a part of the window to learn about it).</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Side button (small): opens the About box (version, maker).</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Side button (small): ends the program.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Enter a name to add to the list.</source>
        <translation>Digite o nome a adicionar à lista.</translation>
    </message>
    <message>
        <source>A name must be selected to perform this action.</source>
        <translation>Para isso, é preciso selecionar um nome na lista.</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list?</source>
        <extracomment>%1 is the selected name.</extracomment>
        <translation>Remover “%1” da lista?</translation>
    </message>
    <message>
        <source>This will erase all names in the list. Do you wish to continue?</source>
        <translation>Todos os nomes da lista serão apagados. Deseja continuar?</translation>
    </message>
    <message>
        <source>The was an error printing the list.</source>
        <extracomment>&quot;The was&quot; is a slip in the English text, kept as users know it: it means &quot;There was an error printing the list.&quot;</extracomment>
        <translation>Ocorreu um erro ao imprimir a lista.</translation>
    </message>
    <message>
        <source>You must add at least two names to the list first.</source>
        <translation>Adicione primeiro pelo menos dois nomes à lista.</translation>
    </message>
    <message>
        <source>Nimbrel cannot find the sound file it needs to play sound while shuffling. The file &quot;shuffle.wav&quot; should be in the same folder as the program file. It might have been deleted. You should replace the file or reinstall the program if you wish to play sound while shuffling. Sound will be disabled.</source>
        <extracomment>&quot;shuffle.wav&quot; is the file&apos;s name: keep it as it is.</extracomment>
        <translation>O Nimbrel não encontra o arquivo de som de que precisa para tocar som ao embaralhar. O arquivo “shuffle.wav” deveria estar na mesma pasta que o arquivo do programa. Talvez tenha sido apagado. Reponha o arquivo ou reinstale o programa se quiser ouvir som ao embaralhar. O som será desativado.</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <extracomment>Title of the message that the sound file is missing.</extracomment>
        <translation>Erro de som</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>The big button that starts the draw; while the draw runs it reads &quot;Stop&quot;.</extracomment>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The big button while the draw runs: pressing it ends the draw.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a mistake or a failure.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <extracomment>Title of the Yes/No question before a name is removed or the list is cleared.</extracomment>
        <translation>Confirme, por favor</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The names stay as they were last saved, in:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Não foi possível salvar sua lista de nomes: %1.

Os nomes continuam como foram salvos pela última vez, em:
%2</translation>
    </message>
    <message>
        <source>another program kept the settings file busy</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>outro programa mantinha ocupado o arquivo de configurações</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>não é possível gravar no arquivo de configurações ou em sua pasta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the settings file could not be opened or written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>não foi possível abrir ou gravar o arquivo de configurações</translation>
    </message>
    <message>
        <source>The settings file was damaged, so Nimbrel starts with its default settings and no remembered names.

The damaged file was kept as:
%1</source>
        <extracomment>%1 is the path the damaged settings file was kept under.</extracomment>
        <translation>O arquivo de configurações estava danificado, por isso o Nimbrel inicia com as configurações padrão e sem nomes lembrados.

O arquivo danificado foi guardado como:
%1</translation>
    </message>
    <message>
        <source>The list is full. It can hold at most %1 names.</source>
        <extracomment>%1 is the largest number of names (32,767), written as numbers are in the language.</extracomment>
        <translation>A lista está cheia. Ela comporta no máximo %1 nomes.</translation>
    </message>
    <message>
        <source>The settings file was written by a newer version of Nimbrel. This version leaves it as it is, so changes to the options and the list of names will not be kept.

The settings file is:
%1</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>O arquivo de configurações foi gravado por uma versão mais nova do Nimbrel. Esta versão o deixa como está, por isso as alterações nas opções e na lista de nomes não serão guardadas.

O arquivo de configurações é:
%1</translation>
    </message>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>O arquivo de configurações tem mais nomes do que cabem na lista. Os primeiros %1 foram carregados; %2 foi deixado de fora e não será guardado.</numerusform>
            <numerusform>O arquivo de configurações tem mais nomes do que cabem na lista. Os primeiros %1 foram carregados; %2 foram deixados de fora e não serão guardados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Todos os nomes da lista serão apagados, e também o %n nome separado. Deseja continuar?</numerusform>
            <numerusform>Todos os nomes da lista serão apagados, e também os %n nomes separados. Deseja continuar?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>Trazer de volta %n nome separado</numerusform>
            <numerusform>Trazer de volta %n nomes separados</numerusform>
        </translation>
    </message>
    <message>
        <source>Bring Back Set-Aside Names</source>
        <extracomment>List menu, when no name is set aside (disabled).</extracomment>
        <translation>Trazer de volta os nomes separados</translation>
    </message>
    <message>
        <source>Show the Draw</source>
        <extracomment>List menu (right click on the list): shows the first name over the whole screen.</extracomment>
        <translation>Mostrar o sorteio</translation>
    </message>
    <message>
        <source>Show Each Draw Large</source>
        <extracomment>List menu, a check mark: after every Stop the drawn name is shown over the whole screen.</extracomment>
        <translation>Mostrar cada sorteio em tela cheia</translation>
    </message>
    <message>
        <source>Set Aside the Drawn Name</source>
        <extracomment>List menu: takes the first name out of the list, so the next shuffle draws from the rest.</extracomment>
        <translation>Separar o nome sorteado</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>List menu: takes back the last change to the list.</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>List menu: makes the change Undo took back again.</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>another program holds the file %1, which cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot; %1 is the path of a file beside the settings file.</extracomment>
        <translation>outro programa mantém aberto o arquivo %1, no qual não é possível gravar</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes?</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>Não foi possível salvar sua lista de nomes: %1.

O arquivo de configurações é:
%2

Deseja exportar os nomes para um arquivo antes que o Nimbrel feche?</translation>
    </message>
    <message>
        <source>Changes to the options and the list of names will not be kept: %1.

The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;the settings file or its folder cannot be written&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>As alterações nas opções e na lista de nomes não serão guardadas: %1.

O arquivo de configurações é:
%2</translation>
    </message>
    <message>
        <source>The settings file had been moved or deleted while Nimbrel was running. A new one was written with the options and the list of names, at:
%1</source>
        <extracomment>Told at exit; %1 is the settings file&apos;s path.</extracomment>
        <translation>O arquivo de configurações foi movido ou excluído enquanto o Nimbrel estava em execução. Um novo foi gravado com as opções e a lista de nomes, em:
%1</translation>
    </message>
    <message>
        <source>Draws...</source>
        <extracomment>Opens the window that lists the recorded draws.</extracomment>
        <translation>Sorteios...</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Title of the question before every draw&apos;s record is removed.</extracomment>
        <translation>Esquecer todos os sorteios</translation>
    </message>
    <message>
        <source>Forget the records of every draw? The list of names stays as it is.</source>
        <translation>Esquecer os registros de todos os sorteios? A lista de nomes continua como está.</translation>
    </message>
    <message>
        <source>Not every record could be removed from %1.</source>
        <extracomment>%1 is where the settings are kept (a file path, or the registry key).</extracomment>
        <translation>Nem todos os registros puderam ser removidos de %1.</translation>
    </message>
    <message>
        <source>The draw cannot start: the system gives no random numbers to start it from. Try again.</source>
        <translation>O sorteio não pode começar: o sistema não fornece números aleatórios para iniciá-lo. Tente de novo.</translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>Não foi possível salvar sua lista de nomes: %1.

O arquivo de configurações é:
%2

Deseja exportar os nomes para um arquivo antes que o Nimbrel feche? O %n nome separado é gravado depois da lista.</numerusform>
            <numerusform>Não foi possível salvar sua lista de nomes: %1.

O arquivo de configurações é:
%2

Deseja exportar os nomes para um arquivo antes que o Nimbrel feche? Os %n nomes separados são gravados depois da lista.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListCodec</name>
    <message>
        <source>It begins as UTF-16 text but is not valid UTF-16</source>
        <translation>Começa como texto UTF-16, mas não é UTF-16 válido</translation>
    </message>
    <message>
        <source>It holds NUL bytes, so it is not a text file</source>
        <translation>Contém bytes NUL, portanto não é um arquivo de texto</translation>
    </message>
    <message>
        <source>Its text could not be decoded</source>
        <translation>Não foi possível decodificar seu texto</translation>
    </message>
    <message>
        <source>It holds NUL characters, so it is not a list of names</source>
        <translation>Contém caracteres NUL, portanto não é uma lista de nomes</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>É uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>It is larger than 64 MiB, far more than any list of names needs</source>
        <translation>Tem mais de 64 MiB, muito mais do que qualquer lista de nomes precisa</translation>
    </message>
    <message>
        <source>It is the program&apos;s settings file</source>
        <translation>É o arquivo de configurações do programa</translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.txt)&quot;.</extracomment>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.*)&quot;.</extracomment>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a failed import, export or paste.</extracomment>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>This will overwrite any names you currently have in the list. Do you wish to continue?</source>
        <translation>Todos os nomes que estão agora na lista serão substituídos. Deseja continuar?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <extracomment>Title of the Yes/No question before an import replaces the list.</extracomment>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Select file to import...</source>
        <extracomment>Title of the file dialog that chooses the file to import.</extracomment>
        <translation>Selecione o arquivo a importar...</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;.
%2.
The list is unchanged.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read (a sentence without its full stop).</extracomment>
        <translation>Não foi possível importar “%1”.
%2.
A lista não foi alterada.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>O arquivo tem mais nomes do que cabem na lista. Os primeiros %1 foram importados; %2 foi deixado de fora.</numerusform>
            <numerusform>O arquivo tem mais nomes do que cabem na lista. Os primeiros %1 foram importados; %2 foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select export file...</source>
        <extracomment>Title of the file dialog that chooses the file to export to.</extracomment>
        <translation>Selecione o arquivo de exportação...</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the list.</source>
        <translation>O arquivo só pôde ser sobrescrito no lugar, por isso agora pode conter apenas parte da lista.</translation>
    </message>
    <message>
        <source>A file already there is unchanged.</source>
        <translation>Um arquivo que já estava lá não foi alterado.</translation>
    </message>
    <message>
        <source>No file was made.</source>
        <translation>Nenhum arquivo foi criado.</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;.
%2.
%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written (a sentence without its full stop), %3 what became of the file (&quot;A file already there is unchanged.&quot;, ...).</extracomment>
        <translation>Não foi possível exportar para “%1”.
%2.
%3</translation>
    </message>
    <message>
        <source>Only one file can be imported at a time. The list is unchanged.</source>
        <extracomment>Several files were dropped on the window.</extracomment>
        <translation>Só é possível importar um arquivo de cada vez. A lista não foi alterada.</translation>
    </message>
    <message>
        <source>Could not add the names.
%1.
The list is unchanged.</source>
        <extracomment>Pasted or dropped text; %1 is why (a sentence without its full stop).</extracomment>
        <translation>Não foi possível adicionar os nomes.
%1.
A lista não foi alterada.</translation>
    </message>
    <message>
        <source>none of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2.</extracomment>
        <translation>nenhum dos nomes novos foi adicionado</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 dos nomes novos foi adicionado</numerusform>
            <numerusform>%1 dos nomes novos foram adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>%1 foi deixado de fora</numerusform>
            <numerusform>%1 foram deixados de fora</numerusform>
        </translation>
    </message>
    <message>
        <source>The list can hold at most %1 names: %2, %3.</source>
        <extracomment>Pasted or dropped names beyond the list&apos;s room. %1 is the most names the list holds (32,767), %2 and %3 how many of the new names were added and left out (&quot;none of the new names were added&quot;, &quot;2 were left out&quot;).</extracomment>
        <translation>A lista comporta no máximo %1 nomes: %2, %3.</translation>
    </message>
    <message>
        <source>Export Draw</source>
        <extracomment>Title of the file dialog that chooses the file a draw&apos;s record is exported to.</extracomment>
        <translation>Exportar sorteio</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the record.</source>
        <translation>O arquivo só pôde ser sobrescrito no lugar, por isso agora pode conter apenas parte do registro.</translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>Todos os nomes que estão agora na lista serão substituídos, e também sairá o %n nome separado. Deseja continuar?</numerusform>
            <numerusform>Todos os nomes que estão agora na lista serão substituídos, e também sairão os %n nomes separados. Deseja continuar?</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the Draw Shown</source>
        <extracomment>Title of the file dialog that saves the winners or the teams the view of the draw shows.</extracomment>
        <translation>Exportar o sorteio mostrado</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options window.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Special Effects While Shuffling:</source>
        <extracomment>Heading of the three check boxes below it.</extracomment>
        <translation>Efeitos especiais ao embaralhar:</translation>
    </message>
    <message>
        <source>Flash different colors</source>
        <extracomment>Check box: the window flashes colours while the names are shuffled.</extracomment>
        <translation>Piscar em cores</translation>
    </message>
    <message>
        <source>Shake window</source>
        <extracomment>Check box: the window shakes while the names are shuffled.</extracomment>
        <translation>Sacudir a janela</translation>
    </message>
    <message>
        <source>Play sound</source>
        <extracomment>Check box: a sound plays while the names are shuffled.</extracomment>
        <translation>Tocar som</translation>
    </message>
    <message>
        <source>Remember name list between sessions.</source>
        <extracomment>Check box: the list comes back the next time the program starts.</extracomment>
        <translation>Lembrar a lista para a próxima vez.</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: keeps the choices and closes the window.</extracomment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: closes the window without keeping the choices.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PublicDrawDialog</name>
    <message>
        <source>Draw from a Public Number</source>
        <extracomment>Title of the dialog that starts a draw from a public number.</extracomment>
        <translation>Sortear a partir de um número público</translation>
    </message>
    <message>
        <source>The list&apos;s fingerprint (SHA-256 of the names in their order):</source>
        <extracomment>Above the list&apos;s fingerprint in the dialog of a draw from a public number.</extracomment>
        <translation>A impressão digital da lista (SHA-256 dos nomes na sua ordem):</translation>
    </message>
    <message>
        <source>Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the next lottery numbers, say, or a public randomness beacon&apos;s next round); it fixes the list and its order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.</source>
        <extracomment>The method, in two sentences. %1 is the fixed number of re-orders (200).</extracomment>
        <translation>Anuncie a impressão digital, ou seus 8 primeiros caracteres, antes que alguém possa conhecer o número público (os próximos números da loteria, por exemplo, ou a próxima rodada de um farol público de aleatoriedade); ela fixa a lista e sua ordem, que não devem mudar depois. A semente são então os 8 primeiros bytes do SHA-256 da impressão digital, de uma quebra de linha e do texto digitado abaixo, e o embaralhamento faz %1 reordenações, de modo que qualquer pessoa com a lista e esse texto obtém a mesma ordem, com o Nimbrel ou com o script check-public-draw.py.</translation>
    </message>
    <message>
        <source>The public number or text, exactly as published:</source>
        <extracomment>Above the box where the host types the public number.</extracomment>
        <translation>O número ou texto público, exatamente como publicado:</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>The button that starts the draw from the public text.</extracomment>
        <translation>Sortear</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>Names</source>
        <extracomment>The name of the one list the program keeps until the user makes another.</extracomment>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a copy of a list; %1 is the list&apos;s name.</extracomment>
        <translation>%1 (cópia)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Nimbrel is already running, but it does not answer.
Your names stay with it; try again once it has ended.</source>
        <extracomment>A second start of the program while the first one does not respond.</extracomment>
        <translation>O Nimbrel já está em execução, mas não responde.
Os nomes ficam com ele; tente de novo quando ele tiver terminado.</translation>
    </message>
    <message>
        <source>Nimbrel is already running as process %1, but it does not answer.
Your names stay with it: continue or end process %1, then start Nimbrel again.</source>
        <extracomment>A second start of the program while the first one does not respond; %1 is the first one&apos;s process number.</extracomment>
        <translation>O Nimbrel já está em execução como processo %1, mas não responde.
Seus nomes continuam nele: retome ou encerre o processo %1 e inicie o Nimbrel de novo.</translation>
    </message>
    <message>
        <source>Start anyway? Nothing you change will be kept.</source>
        <extracomment>Asked below &quot;Nimbrel is already running, but it does not answer.&quot;</extracomment>
        <translation>Iniciar mesmo assim? Nada do que você mudar será mantido.</translation>
    </message>
</context>
<context>
    <name>TeamsDialog</name>
    <message>
        <source>Split into Teams</source>
        <extracomment>Title of the dialog that splits the list into teams.</extracomment>
        <translation>Dividir em equipes</translation>
    </message>
    <message>
        <source>The names are dealt into teams in the order drawn: the first name to Team 1, the second to Team 2, and so on.</source>
        <extracomment>The first line of the dialog that splits the list into teams.</extracomment>
        <translation>Os nomes são distribuídos nas equipes na ordem sorteada: o primeiro nome para a equipe 1, o segundo para a equipe 2, e assim por diante.</translation>
    </message>
    <message>
        <source>Number of teams:</source>
        <extracomment>Split into Teams: a choice, followed by a number box.</extracomment>
        <translation>Número de equipes:</translation>
    </message>
    <message>
        <source>Names in each team:</source>
        <extracomment>Split into Teams: the other choice, followed by a number box.</extracomment>
        <translation>Nomes em cada equipe:</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>Split into Teams: the sizes of teams that differ by one, as &quot;3–4&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Teams: %1; names in each team: %2</source>
        <extracomment>Split into Teams: what the choice makes; %1 is the number of teams, %2 their size (&quot;4&quot; or &quot;3–4&quot;).</extracomment>
        <translation>Equipes: %1; nomes em cada equipe: %2</translation>
    </message>
    <message>
        <source>There are fewer names (%1) than teams (%2).</source>
        <extracomment>Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.</extracomment>
        <translation>Há menos nomes (%1) do que equipes (%2).</translation>
    </message>
</context>
</TS>
