<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>حول...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Find more great software from Quorvane at:</source>
        <extracomment>Quorvane is the maker&apos;s name; the maker&apos;s web address follows below this text.</extracomment>
        <translation>مزيد من البرامج الرائعة من Quorvane على العنوان:</translation>
    </message>
    <message>
        <source>Nimbrel is freeware. You may copy it and give it away, free of charge and unchanged. It comes with no warranty of any kind.</source>
        <translation>Nimbrel برنامج مجاني. يجوز لك نسخه وتوزيعه مجانًا ودون تعديل. ويُقدَّم دون أي ضمان من أي نوع.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane. All rights reserved.</source>
        <extracomment>%1 is the current year.</extracomment>
        <translation>حقوق النشر © %1 Quorvane. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Could not start your email program.</source>
        <translation>تعذّر تشغيل برنامج البريد الإلكتروني لديك.</translation>
    </message>
    <message>
        <source>Could not start your web browser.</source>
        <translation>تعذّر تشغيل متصفح الويب لديك.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message that a link could not be opened.</extracomment>
        <translation>عذرًا!</translation>
    </message>
    <message>
        <source>names from a hat</source>
        <extracomment>The line under the program&apos;s name in the About box&apos;s picture (shrunk to fit).</extracomment>
        <translation>أسماء من القبعة</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه التعليمات ثم الخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض رقم الإصدار ثم الخروج.</translation>
    </message>
    <message>
        <source>nimbrel: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a nimbrel</source>
        <extracomment>Printed in a terminal; keep DISPLAY, WAYLAND_DISPLAY and &quot;xvfb-run -a nimbrel&quot; as they are.</extracomment>
        <translation>nimbrel: لا توجد شاشة لفتح نافذة عليها (لم يُضبط DISPLAY ولا WAYLAND_DISPLAY)؛ لتجربة البرنامج دون سطح مكتب: xvfb-run -a nimbrel</translation>
    </message>
    <message>
        <source>Draws names out of a hat: keep a list of names, shuffle it and stop at random.
The options and the remembered list are kept in %1.</source>
        <extracomment>%1 is the full path of the settings file.</extracomment>
        <translation>يسحب الأسماء من القبعة: احتفظ بقائمة أسماء واخلطها ثم أوقفها في لحظة عشوائية.
تُحفظ الخيارات والقائمة المحفوظة في %1.</translation>
    </message>
    <message>
        <source>nimbrel: %1 is an unknown option.</source>
        <extracomment>Printed in a terminal; %1 is the option as given, such as --bogus.</extracomment>
        <translation>nimbrel: %1 خيار غير معروف.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>تتعذّر قراءته (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a draw record can be</source>
        <translation>حجمه أكبر من %1 MB، وهو أقصى ما يمكن أن يبلغه سجل السحب</translation>
    </message>
    <message>
        <source>it is written in %1, a draw record in UTF-8</source>
        <extracomment>%1 is the name of a text encoding, such as UTF-16.</extracomment>
        <translation>مكتوب بترميز %1، بينما يُكتب سجل السحب بترميز UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>السطر %1 ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>its first line is not &quot;Nimbrel draw record&quot; and a version</source>
        <translation>سطره الأول ليس «Nimbrel draw record» متبوعًا برقم إصدار</translation>
    </message>
    <message>
        <source>it is of version %1 of the format; this program reads version %2</source>
        <translation>إصداره من التنسيق هو %1؛ وهذا البرنامج يقرأ الإصدار %2</translation>
    </message>
    <message>
        <source>it ends early: it was cut short</source>
        <translation>ينتهي قبل أوانه: فقد اقتُطع</translation>
    </message>
    <message>
        <source>line %1 has been edited or is not from a draw record</source>
        <translation>السطر %1 عُدِّل أو ليس من سجل سحب</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>الحقل «%1» مفقود</translation>
    </message>
    <message>
        <source>it has more than %1 names, more than a list can hold</source>
        <translation>يحتوي على أكثر من %1 من الأسماء، أي أكثر مما تتسع له القائمة</translation>
    </message>
    <message>
        <source>its list has %1 names, more than the record counts</source>
        <translation>قائمته تضم %1 من الأسماء، أي أكثر مما يحصيه السجل</translation>
    </message>
    <message>
        <source>its list is not the one the draw was made from (the fingerprint differs)</source>
        <translation>قائمته ليست القائمة التي أُجري منها السحب (البصمة مختلفة)</translation>
    </message>
    <message>
        <source>its drawn order does not account for every name</source>
        <translation>ترتيب السحب فيه لا يشمل كل الأسماء</translation>
    </message>
    <message>
        <source>nimbrel: --check-draw needs the file of a draw record</source>
        <translation>nimbrel: يحتاج الخيار --check-draw إلى ملف سجل سحب</translation>
    </message>
    <message>
        <source>%1: not a draw record: %2.</source>
        <translation>%1: ليس سجل سحب: %2.</translation>
    </message>
    <message>
        <source>%1: not a draw record: it records names set aside or brought back.</source>
        <translation>%1: ليس سجل سحب: إنه يسجّل أسماءً نُحّيت جانبًا أو أُعيدت.</translation>
    </message>
    <message>
        <source>%1: the draw matches its record (names: %2, re-orders: %3).</source>
        <translation>%1: السحب يطابق سجله (الأسماء: %2، إعادات الترتيب: %3).</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: position %2: recorded &quot;%3&quot;, the draw gives &quot;%4&quot;.</source>
        <translation>%1: السحب لا يطابق سجله: الموضع %2: المسجَّل «%3»، والسحب يعطي «%4».</translation>
    </message>
    <message>
        <source>Do the draw of a draw record again and say whether it matches; exit with 0 when it does, 1 when it does not, 2 when the file is not a draw record.</source>
        <translation>إعادة السحب من سجل سحب وبيان ما إذا كان يطابقه؛ الخروج بالرمز 0 إن طابق، و1 إن لم يطابق، و2 إن لم يكن الملف سجل سحب.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>The records of the last 1,000 draws are kept there too, each with the list it was drawn from; the Draws window (Ctrl+H) shows them, and its Forget All Draws button removes them.</source>
        <translation>وتُحفظ هناك أيضًا سجلات آخر 1000 سحب، كلٌّ منها مع القائمة التي سُحب منها؛ تعرضها نافذة «السحوبات» (Ctrl+H)، ويحذفها زر «نسيان كل السحوبات» فيها.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: the public text &quot;%2&quot; gives the seed %3, the record says %4.</source>
        <extracomment>%2 is the public text the record names, %3 and %4 are 64-bit numbers.</extracomment>
        <translation>%1: السحب لا يطابق سجله: النص العلني «%2» يعطي البذرة %3، والسجل يذكر %4.</translation>
    </message>
    <message>
        <source>%1: the draw does not match its record: a draw from a public text makes %2 re-orders, the record says %3.</source>
        <translation>%1: السحب لا يطابق سجله: السحب من نص علني يجري %2 إعادة ترتيب، والسجل يذكر %3.</translation>
    </message>
    <message>
        <source>This shows that the order follows from the list, the seed and the number of re-orders. It does not show that the seed was not chosen to give this order.</source>
        <translation>يبيّن هذا أن الترتيب ناتج عن القائمة والبذرة وعدد إعادات الترتيب. ولا يبيّن أن البذرة لم تُختر لتعطي هذا الترتيب.</translation>
    </message>
    <message>
        <source>The seed follows from the list&apos;s fingerprint and the public text &quot;%1&quot;, and the re-orders are fixed: if nobody could know that text when the fingerprint was announced, nobody chose this order.</source>
        <translation>البذرة ناتجة عن بصمة القائمة والنص العلني «%1»، وعدد إعادات الترتيب ثابت: إن لم يكن بوسع أحد معرفة هذا النص حين أُعلنت البصمة، فلم يختر أحد هذا الترتيب.</translation>
    </message>
    <message>
        <source>Team %1: %2</source>
        <extracomment>A line of --check-draw&apos;s output: %1 is the team&apos;s number, %2 its names.</extracomment>
        <translation>الفريق %1: %2</translation>
    </message>
</context>
<context>
    <name>DrawActions</name>
    <message>
        <source>Split into Teams...</source>
        <extracomment>List menu: deals the list, in its drawn order, into teams shown over the whole screen.</extracomment>
        <translation>التقسيم إلى فرق...</translation>
    </message>
    <message>
        <source>Draw from a Public Number...</source>
        <extracomment>List menu: a draw whose seed follows from the list and a number published later.</extracomment>
        <translation>السحب من رقم علني...</translation>
    </message>
    <message>
        <source>Winners Shown</source>
        <extracomment>List menu: a submenu of 1 to 10, how many of the first names Show the Draw shows large.</extracomment>
        <translation>عدد الفائزين المعروضين</translation>
    </message>
    <message>
        <source>Show the Draw On</source>
        <extracomment>List menu: a submenu of the screens Show the Draw can open on.</extracomment>
        <translation>عرض السحب على</translation>
    </message>
    <message>
        <source>Another Screen than the Window&apos;s</source>
        <extracomment>Submenu Show the Draw On: the first choice, the one made until another is chosen.</extracomment>
        <translation>شاشة غير شاشة النافذة</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <extracomment>Submenu Show the Draw On: a screen by its name and size, such as &quot;HDMI-1 (1920 × 1080)&quot;.</extracomment>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>The list is not in the order of a draw: it was not shuffled since it last changed. Split it into teams as it stands?</source>
        <extracomment>Asked before Split into Teams when the list was not shuffled since it last changed.</extracomment>
        <translation>القائمة ليست بترتيب سحب: لم تُخلط منذ آخر تغيير فيها. هل تريد تقسيمها إلى فرق كما هي؟</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>%1   Draw of %2 names, first drawn: %3</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 how many names took part, %3 the first name drawn.</extracomment>
        <translation>%1   سحب من %2 من الأسماء، أول اسم مسحوب: %3</translation>
    </message>
    <message>
        <source>%1   Set aside: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names set aside from the next rounds.</extracomment>
        <translation>%1   نُحّيت جانبًا: %2</translation>
    </message>
    <message>
        <source>%1   Brought back: %2</source>
        <extracomment>A line of the Draws window. %1 is the time, %2 the names brought back into the rounds.</extracomment>
        <translation>%1   أُعيدت: %2</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Next: %1</source>
        <extracomment>What a screen reader says after the drawn name; %1 lists the next names in the list.</extracomment>
        <translation>التالي: %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <extracomment>The heading of a team&apos;s column in the view of the draw, in its printout and its file.</extracomment>
        <translation>الفريق %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 names</source>
        <extracomment>At the foot of the view of teams: how many names were dealt into them (%1, the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>%1 اسم</numerusform>
            <numerusform>%1 اسم</numerusform>
            <numerusform>%1 اسمان</numerusform>
            <numerusform>%1 أسماء</numerusform>
            <numerusform>%1 اسمًا</numerusform>
            <numerusform>%1 اسم</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>At the foot of the view of the draw: how many winners are shown of how many names took part, such as &quot;1 of 5,000&quot;.</extracomment>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>More Winners</source>
        <extracomment>Menu of the view of the draw (right click): one more of the first names shown large.</extracomment>
        <translation>فائزون أكثر</translation>
    </message>
    <message>
        <source>Fewer Winners</source>
        <extracomment>Menu of the view of the draw: one fewer of the first names shown large.</extracomment>
        <translation>فائزون أقل</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Menu of the view of the draw: prints the winners or the teams shown.</extracomment>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Menu of the view of the draw: saves the winners or the teams shown as a text file.</extracomment>
        <translation>تصدير...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Menu of the view of the draw: closes it.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>Under the names of a team too long for the screen: how many more it has (%1, the plural form&apos;s number); Print and Export give them all.</extracomment>
        <translation>
            <numerusform>و%1 أخرى</numerusform>
            <numerusform>و%1 أخرى</numerusform>
            <numerusform>و%1 أخرى</numerusform>
            <numerusform>و%1 أخرى</numerusform>
            <numerusform>و%1 أخرى</numerusform>
            <numerusform>و%1 أخرى</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawsWindow</name>
    <message>
        <source>Draws</source>
        <extracomment>Title of the window that lists the recorded draws.</extracomment>
        <translation>السحوبات</translation>
    </message>
    <message>
        <source>Recorded draws</source>
        <extracomment>What a screen reader calls the list of recorded draws.</extracomment>
        <translation>السحوبات المسجلة</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>What a screen reader calls the text of the selected draw&apos;s record.</extracomment>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Keep a Record of Draws</source>
        <extracomment>Check box of the Draws window: whether draws are recorded from now on.</extracomment>
        <translation>تسجيل السحوبات</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button of the Draws window: prints the selected record.</extracomment>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Button of the Draws window: saves the selected draw&apos;s record as a file.</extracomment>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Button of the Draws window: removes every record (the list of names stays).</extracomment>
        <translation>نسيان كل السحوبات</translation>
    </message>
    <message>
        <source>Every List</source>
        <extracomment>Check box of the Draws window, shown when there are several lists: lists the draws of every list.</extracomment>
        <translation>كل القوائم</translation>
    </message>
    <message>
        <source>%1   (%2)</source>
        <extracomment>A line of the Draws window showing every list&apos;s draws: %1 the line, %2 the list&apos;s name then.</extracomment>
        <translation>%1   (%2)</translation>
    </message>
    <message>
        <source>Forget the records of every draw, from every list? The lists of names stay as they are.</source>
        <extracomment>Asked before every draw&apos;s record is removed, when there are several lists (the records of each go).</extracomment>
        <translation>هل تريد نسيان سجلات جميع السحوبات من كل القوائم؟ ستبقى قوائم الأسماء كما هي.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <extracomment>%1 is the name of the file about to be made.</extracomment>
        <translation>الملف %1 غير موجود.
هل تريد إنشاءه؟</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the help file %1 was not found.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>لم يُعثر على ملف التعليمات %1.</translation>
    </message>
    <message>
        <source>the help file %1 is not a file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>ملف التعليمات %1 ليس ملفًا.</translation>
    </message>
    <message>
        <source>the help file %1 is too large to be a help file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>ملف التعليمات %1 أكبر من أن يكون ملف تعليمات.</translation>
    </message>
    <message>
        <source>the help file %1 could not be read (%2).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>تعذّرت قراءة ملف التعليمات %1 (%2).</translation>
    </message>
    <message>
        <source>the help file %1 is not a text file.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path.</extracomment>
        <translation>ملف التعليمات %1 ليس ملفًا نصيًا.</translation>
    </message>
    <message>
        <source>the help file %1 is damaged (line %2: %3).</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a line number, %3 what is wrong there.</extracomment>
        <translation>ملف التعليمات %1 تالف (السطر %2: %3).</translation>
    </message>
    <message>
        <source>a topic line needs a number from 1 to %1 in square brackets</source>
        <extracomment>What is wrong in a damaged help file; %1 is the highest topic number.</extracomment>
        <translation>يحتاج سطر الموضوع إلى رقم من 1 إلى %1 بين قوسين معقوفين</translation>
    </message>
    <message>
        <source>topic %1 appears a second time</source>
        <extracomment>What is wrong in a damaged help file; %1 is a topic number.</extracomment>
        <translation>يظهر الموضوع %1 مرة ثانية</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <extracomment>What is wrong in a damaged help file.</extracomment>
        <translation>يوجد نص قبل الموضوع الأول</translation>
    </message>
    <message>
        <source>Help is not available: %1</source>
        <extracomment>Shown instead of a help topic; %1 says why, e.g. &quot;the help file ... was not found.&quot;</extracomment>
        <translation>التعليمات غير متاحة: %1</translation>
    </message>
    <message>
        <source>the help file %1 has no topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>لا يحتوي ملف التعليمات %1 على الموضوع %2.</translation>
    </message>
    <message>
        <source>the help file %1 has nothing in topic %2.</source>
        <extracomment>Completes &quot;Help is not available: %1&quot;. %1 is the help file&apos;s path, %2 a topic number.</extracomment>
        <translation>الموضوع %2 في ملف التعليمات %1 فارغ.</translation>
    </message>
</context>
<context>
    <name>HelpMessageDialog</name>
    <message>
        <source>Help</source>
        <extracomment>Title of the small window shown before the help mode starts.</extracomment>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Now click on any area of the program interface for help on that particular feature.</source>
        <translation>انقر الآن على أي جزء من واجهة البرنامج للحصول على تعليمات حول تلك الميزة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Show this message every time</source>
        <extracomment>Check box: whether this message comes again the next time Help is pressed.</extracomment>
        <translation>عرض هذه الرسالة في كل مرة</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message numerus="yes">
        <source>Set Aside the %n Drawn Names</source>
        <extracomment>List menu: takes the first %n names (the winners shown) out of the list.</extracomment>
        <translation>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
            <numerusform>تنحية الأسماء الـ%n المسحوبة جانبًا</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListsMenu</name>
    <message>
        <source>Lists</source>
        <extracomment>List menu: the submenu with every list, and the ways to make, rename, copy and delete lists.</extracomment>
        <translation>القوائم</translation>
    </message>
    <message>
        <source>New List...</source>
        <extracomment>Lists menu: makes an empty list, asking for its name.</extracomment>
        <translation>قائمة جديدة...</translation>
    </message>
    <message>
        <source>Rename List...</source>
        <extracomment>Lists menu: gives the current list another name.</extracomment>
        <translation>إعادة تسمية القائمة...</translation>
    </message>
    <message>
        <source>Duplicate List</source>
        <extracomment>Lists menu: makes a copy of the current list, its set-aside names too.</extracomment>
        <translation>نسخ القائمة</translation>
    </message>
    <message>
        <source>Delete List...</source>
        <extracomment>Lists menu: deletes the current list, after asking.</extracomment>
        <translation>حذف القائمة...</translation>
    </message>
    <message>
        <source>New List from File...</source>
        <extracomment>Lists menu: makes a list of the names in a text file, named after the file.</extracomment>
        <translation>قائمة جديدة من ملف...</translation>
    </message>
    <message>
        <source>The lists could not be saved: %1.

Nimbrel tries again with the next change and when it closes. The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>تعذّر حفظ القوائم: %1.

سيحاول Nimbrel مرة أخرى عند التغيير التالي وعند الإغلاق. ملف الإعدادات هو:
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
        <translation>التراجع عن حذف القائمة «%1»</translation>
    </message>
    <message>
        <source>Nimbrel keeps at most %1 lists. Delete a list to make room for another one.</source>
        <extracomment>%1 is the most lists the program keeps (100).</extracomment>
        <translation>يحتفظ Nimbrel بـ %1 قائمة على الأكثر. احذف قائمة لإفساح المجال لأخرى.</translation>
    </message>
    <message>
        <source>A list&apos;s name must have from %1 to %2 characters.</source>
        <extracomment>%1 and %2 are the fewest and the most characters (1 and 100).</extracomment>
        <translation>يجب أن يتكون اسم القائمة من %1 إلى %2 حرفًا.</translation>
    </message>
    <message>
        <source>A list&apos;s name must be one line of text, without tabs or other control characters.</source>
        <translation>يجب أن يكون اسم القائمة سطرًا واحدًا من النص، بلا علامات جدولة أو أحرف تحكم أخرى.</translation>
    </message>
    <message>
        <source>There is already a list with that name (capital and small letters count as the same). Choose another name.</source>
        <translation>توجد قائمة بهذا الاسم بالفعل (لا فرق بين الأحرف الكبيرة والصغيرة). اختر اسمًا آخر.</translation>
    </message>
    <message>
        <source>The last list cannot be deleted.</source>
        <translation>لا يمكن حذف القائمة الأخيرة.</translation>
    </message>
    <message>
        <source>New List</source>
        <extracomment>Title of the box that asks for the new list&apos;s name.</extracomment>
        <translation>قائمة جديدة</translation>
    </message>
    <message>
        <source>Enter a name for the new list.</source>
        <translation>أدخل اسمًا للقائمة الجديدة.</translation>
    </message>
    <message>
        <source>Rename List</source>
        <extracomment>Title of the box that asks for the list&apos;s new name; %1 is its name now.</extracomment>
        <translation>إعادة تسمية القائمة</translation>
    </message>
    <message>
        <source>Enter a new name for the list &quot;%1&quot;.</source>
        <translation>أدخل اسمًا جديدًا للقائمة «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Delete the list &quot;%1&quot; and its %n names? Its draws will no longer be shown.

Until Nimbrel closes, Undo Delete List in the Lists menu brings it back.</source>
        <extracomment>%1 is the list&apos;s name, %n how many names it holds (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>هل تريد حذف القائمة «%1» وأسماءها (%n)؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
            <numerusform>هل تريد حذف القائمة «%1» واسمها الوحيد (%n)؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
            <numerusform>هل تريد حذف القائمة «%1» واسميها (%n)؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
            <numerusform>هل تريد حذف القائمة «%1» و%n أسماء فيها؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
            <numerusform>هل تريد حذف القائمة «%1» و%n اسمًا فيها؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
            <numerusform>هل تريد حذف القائمة «%1» و%n اسم فيها؟ لن تُعرض سحوباتها بعد الآن.

إلى أن يُغلق Nimbrel، يمكنك استعادتها بالأمر «التراجع عن حذف القائمة» في «القوائم».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Buttons</source>
        <extracomment>What a screen reader calls the column of buttons beside the list.</extracomment>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>What a screen reader calls the list of names.</extracomment>
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>Add Name</source>
        <extracomment>Side button (small: about 87 x 23 pixels); also the title of the box that asks for the name.</extracomment>
        <translation>إضافة اسم</translation>
    </message>
    <message>
        <source>Remove Name</source>
        <extracomment>Side button (small): removes the selected name.</extracomment>
        <translation>حذف اسم</translation>
    </message>
    <message>
        <source>Import from File</source>
        <extracomment>Side button (small): replaces the list with the names in a text file.</extracomment>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Export to File</source>
        <extracomment>Side button (small): saves the list to a text file.</extracomment>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Clear All Names</source>
        <extracomment>Side button (small): removes every name.</extracomment>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Print List</source>
        <extracomment>Side button (small): prints the list.</extracomment>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Side button (small): opens the Options window.</extracomment>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Side button (small): starts the help mode (click a part of the window to learn about it).</extracomment>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Side button (small): opens the About box (version, maker).</extracomment>
        <translation>حول</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Side button (small): ends the program.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Enter a name to add to the list.</source>
        <translation>أدخل اسمًا لإضافته إلى القائمة.</translation>
    </message>
    <message>
        <source>A name must be selected to perform this action.</source>
        <translation>يجب تحديد اسم لتنفيذ هذا الإجراء.</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list?</source>
        <extracomment>%1 is the selected name.</extracomment>
        <translation>هل تريد حذف «%1» من القائمة؟</translation>
    </message>
    <message>
        <source>This will erase all names in the list. Do you wish to continue?</source>
        <translation>سيؤدي هذا إلى مسح جميع الأسماء في القائمة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>The was an error printing the list.</source>
        <extracomment>&quot;The was&quot; is a slip in the English text, kept as users know it: it means &quot;There was an error printing the list.&quot;</extracomment>
        <translation>حدث خطأ أثناء طباعة القائمة.</translation>
    </message>
    <message>
        <source>You must add at least two names to the list first.</source>
        <translation>يجب أولًا إضافة اسمين على الأقل إلى القائمة.</translation>
    </message>
    <message>
        <source>Nimbrel cannot find the sound file it needs to play sound while shuffling. The file &quot;shuffle.wav&quot; should be in the same folder as the program file. It might have been deleted. You should replace the file or reinstall the program if you wish to play sound while shuffling. Sound will be disabled.</source>
        <extracomment>&quot;shuffle.wav&quot; is the file&apos;s name: keep it as it is.</extracomment>
        <translation>لا يستطيع Nimbrel العثور على ملف الصوت الذي يحتاج إليه لتشغيل الصوت أثناء الخلط. يجب أن يكون الملف «shuffle.wav» في المجلد نفسه الذي يوجد فيه ملف البرنامج، وربما يكون قد حُذف. إذا كنت تريد تشغيل الصوت أثناء الخلط، فاستبدل الملف أو أعد تثبيت البرنامج. سيتم إيقاف الصوت.</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <extracomment>Title of the message that the sound file is missing.</extracomment>
        <translation>خطأ في الصوت</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>The big button that starts the draw; while the draw runs it reads &quot;Stop&quot;.</extracomment>
        <translation>خلط</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The big button while the draw runs: pressing it ends the draw.</extracomment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a mistake or a failure.</extracomment>
        <translation>عذرًا!</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <extracomment>Title of the Yes/No question before a name is removed or the list is cleared.</extracomment>
        <translation>يُرجى التأكيد</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The names stay as they were last saved, in:
%2</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>تعذّر حفظ قائمة الأسماء: %1.

تبقى الأسماء كما حُفظت آخر مرة، في:
%2</translation>
    </message>
    <message>
        <source>another program kept the settings file busy</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>كان برنامج آخر يشغل ملف الإعدادات</translation>
    </message>
    <message>
        <source>the settings file or its folder cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>لا يمكن الكتابة في ملف الإعدادات أو في مجلده</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the settings file could not be opened or written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot;</extracomment>
        <translation>تعذّر فتح ملف الإعدادات أو الكتابة فيه</translation>
    </message>
    <message>
        <source>The settings file was damaged, so Nimbrel starts with its default settings and no remembered names.

The damaged file was kept as:
%1</source>
        <extracomment>%1 is the path the damaged settings file was kept under.</extracomment>
        <translation>كان ملف الإعدادات تالفًا، لذا يبدأ Nimbrel بإعداداته الافتراضية ودون أسماء محفوظة.

احتُفظ بالملف التالف باسم:
%1</translation>
    </message>
    <message>
        <source>The list is full. It can hold at most %1 names.</source>
        <extracomment>%1 is the largest number of names (32,767), written as numbers are in the language.</extracomment>
        <translation>القائمة ممتلئة. لا تتسع القائمة لأكثر من %1 من الأسماء.</translation>
    </message>
    <message>
        <source>The settings file was written by a newer version of Nimbrel. This version leaves it as it is, so changes to the options and the list of names will not be kept.

The settings file is:
%1</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>كُتب ملف الإعدادات بإصدار أحدث من Nimbrel. يتركه هذا الإصدار كما هو، لذا لن تُحفظ التغييرات على الخيارات وقائمة الأسماء.

ملف الإعدادات هو:
%1</translation>
    </message>
    <message numerus="yes">
        <source>The settings file holds more names than the list can hold. The first %1 were loaded; %2 were left out and will not be kept.</source>
        <extracomment>%1 is the most names the list holds (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن تُحفظ.</numerusform>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن يُحفظ.</numerusform>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن تُحفظ.</numerusform>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن تُحفظ.</numerusform>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن تُحفظ.</numerusform>
            <numerusform>يحتوي ملف الإعدادات على أسماء أكثر مما تتسع له القائمة. حُمِّل أول %1 من الأسماء، واستُبعد منها %2 ولن تُحفظ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will erase all names in the list, and the %n set-aside names. Do you wish to continue?</source>
        <extracomment>%n is the number of names set aside from the list (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها الأسماء المنحّاة جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها الاسم المنحّى جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها الاسمان المنحّيان جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها %n أسماء منحّاة جانبًا. هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها %n اسمًا منحّى جانبًا. هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى مسح جميع الأسماء في القائمة، ومعها %n اسم منحّى جانبًا. هل تريد المتابعة؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bring Back %n Set-Aside Names</source>
        <extracomment>List menu: puts the %n names set aside back at the end of the list.</extracomment>
        <translation>
            <numerusform>إرجاع الأسماء المنحّاة جانبًا (%n)</numerusform>
            <numerusform>إرجاع الاسم المنحّى جانبًا (%n)</numerusform>
            <numerusform>إرجاع الاسمين المنحّيين جانبًا (%n)</numerusform>
            <numerusform>إرجاع %n أسماء منحّاة جانبًا</numerusform>
            <numerusform>إرجاع %n اسمًا منحّى جانبًا</numerusform>
            <numerusform>إرجاع %n اسم منحّى جانبًا</numerusform>
        </translation>
    </message>
    <message>
        <source>Bring Back Set-Aside Names</source>
        <extracomment>List menu, when no name is set aside (disabled).</extracomment>
        <translation>إرجاع الأسماء المنحّاة جانبًا</translation>
    </message>
    <message>
        <source>Show the Draw</source>
        <extracomment>List menu (right click on the list): shows the first name over the whole screen.</extracomment>
        <translation>عرض السحب</translation>
    </message>
    <message>
        <source>Show Each Draw Large</source>
        <extracomment>List menu, a check mark: after every Stop the drawn name is shown over the whole screen.</extracomment>
        <translation>عرض كل سحب بحجم كبير</translation>
    </message>
    <message>
        <source>Set Aside the Drawn Name</source>
        <extracomment>List menu: takes the first name out of the list, so the next shuffle draws from the rest.</extracomment>
        <translation>تنحية الاسم المسحوب جانبًا</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>List menu: takes back the last change to the list.</extracomment>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>List menu: makes the change Undo took back again.</extracomment>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>another program holds the file %1, which cannot be written</source>
        <extracomment>Completes &quot;Your list of names could not be saved: %1.&quot; %1 is the path of a file beside the settings file.</extracomment>
        <translation>برنامج آخر يُبقي الملف %1 مفتوحًا، ولا يمكن الكتابة فيه</translation>
    </message>
    <message>
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes?</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟</translation>
    </message>
    <message>
        <source>Changes to the options and the list of names will not be kept: %1.

The settings file is:
%2</source>
        <extracomment>%1 is one of the reasons &quot;the settings file or its folder cannot be written&quot;, ...; %2 the settings file&apos;s path.</extracomment>
        <translation>لن تُحفظ التغييرات على الخيارات وقائمة الأسماء: %1.

ملف الإعدادات هو:
%2</translation>
    </message>
    <message>
        <source>The settings file had been moved or deleted while Nimbrel was running. A new one was written with the options and the list of names, at:
%1</source>
        <extracomment>Told at exit; %1 is the settings file&apos;s path.</extracomment>
        <translation>نُقل ملف الإعدادات أو حُذف أثناء تشغيل Nimbrel. كُتب ملف جديد بالخيارات وقائمة الأسماء في:
%1</translation>
    </message>
    <message>
        <source>Draws...</source>
        <extracomment>Opens the window that lists the recorded draws.</extracomment>
        <translation>السحوبات...</translation>
    </message>
    <message>
        <source>Forget All Draws</source>
        <extracomment>Title of the question before every draw&apos;s record is removed.</extracomment>
        <translation>نسيان كل السحوبات</translation>
    </message>
    <message>
        <source>Forget the records of every draw? The list of names stays as it is.</source>
        <translation>هل تريد نسيان سجلات جميع السحوبات؟ ستبقى قائمة الأسماء كما هي.</translation>
    </message>
    <message>
        <source>Not every record could be removed from %1.</source>
        <extracomment>%1 is where the settings are kept (a file path, or the registry key).</extracomment>
        <translation>تعذّر حذف كل السجلات من %1.</translation>
    </message>
    <message>
        <source>The draw cannot start: the system gives no random numbers to start it from. Try again.</source>
        <translation>لا يمكن بدء السحب: لا يوفّر النظام أرقامًا عشوائية يبدأ منها. حاول مرة أخرى.</translation>
    </message>
    <message numerus="yes">
        <source>Your list of names could not be saved: %1.

The settings file is:
%2

Do you want to export the names to a file before Nimbrel closes? The %n set-aside names are written after the list.</source>
        <extracomment>%1 is one of the reasons &quot;another program kept the settings file busy&quot;, ...; %2 the settings file&apos;s path; %n the number of names set aside (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ وتُكتب الأسماء المنحّاة جانبًا (%n) بعد القائمة.</numerusform>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ ويُكتب الاسم المنحّى جانبًا (%n) بعد القائمة.</numerusform>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ ويُكتب الاسمان المنحّيان جانبًا (%n) بعد القائمة.</numerusform>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ وتُكتب %n أسماء منحّاة جانبًا بعد القائمة.</numerusform>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ ويُكتب %n اسمًا منحّى جانبًا بعد القائمة.</numerusform>
            <numerusform>تعذّر حفظ قائمة الأسماء: %1.

ملف الإعدادات هو:
%2

هل تريد تصدير الأسماء إلى ملف قبل أن يُغلق Nimbrel؟ ويُكتب %n اسم منحّى جانبًا بعد القائمة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameListCodec</name>
    <message>
        <source>It begins as UTF-16 text but is not valid UTF-16</source>
        <translation>يبدأ الملف كنص UTF-16 لكنه ليس UTF-16 صالحًا</translation>
    </message>
    <message>
        <source>It holds NUL bytes, so it is not a text file</source>
        <translation>يحتوي الملف على بايتات NUL، لذا فهو ليس ملفًا نصيًا</translation>
    </message>
    <message>
        <source>Its text could not be decoded</source>
        <translation>تعذّر فك ترميز نص الملف</translation>
    </message>
    <message>
        <source>It holds NUL characters, so it is not a list of names</source>
        <translation>يحتوي الملف على محارف NUL، لذا فهو ليس قائمة أسماء</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>هذا مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>هذا ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>It is larger than 64 MiB, far more than any list of names needs</source>
        <translation>حجم الملف أكبر من 64 MiB، وهو أكثر بكثير مما تحتاج إليه أي قائمة أسماء</translation>
    </message>
    <message>
        <source>It is the program&apos;s settings file</source>
        <translation>هذا ملف إعدادات البرنامج</translation>
    </message>
</context>
<context>
    <name>NameListFiles</name>
    <message>
        <source>Text Files (*.txt)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.txt)&quot;.</extracomment>
        <translation>ملفات نصية (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A choice in the file dialog&apos;s file type list; keep &quot;(*.*)&quot;.</extracomment>
        <translation>جميع الملفات (*.*)</translation>
    </message>
    <message>
        <source>Oops!</source>
        <extracomment>Title of the message boxes that report a failed import, export or paste.</extracomment>
        <translation>عذرًا!</translation>
    </message>
    <message>
        <source>This will overwrite any names you currently have in the list. Do you wish to continue?</source>
        <translation>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <extracomment>Title of the Yes/No question before an import replaces the list.</extracomment>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Select file to import...</source>
        <extracomment>Title of the file dialog that chooses the file to import.</extracomment>
        <translation>اختر ملفًا لاستيراده...</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;.
%2.
The list is unchanged.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read (a sentence without its full stop).</extracomment>
        <translation>تعذّر استيراد «%1».
%2.
لم تتغير القائمة.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more names than the list can hold. The first %1 were imported; %2 were left out.</source>
        <extracomment>%1 is the number of names imported (32,767), %2 the number left out (the plural form&apos;s number).</extracomment>
        <translation>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
            <numerusform>يحتوي الملف على أسماء أكثر مما تتسع له القائمة. استُورد أول %1 من الأسماء، واستُبعد منها %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select export file...</source>
        <extracomment>Title of the file dialog that chooses the file to export to.</extracomment>
        <translation>اختر ملف التصدير...</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the list.</source>
        <translation>لم تكن الكتابة فوق الملف ممكنة إلا في مكانه، لذا قد لا يحتوي الآن إلا على جزء من القائمة.</translation>
    </message>
    <message>
        <source>A file already there is unchanged.</source>
        <translation>لم يتغير الملف الذي كان موجودًا هناك.</translation>
    </message>
    <message>
        <source>No file was made.</source>
        <translation>لم يُنشأ أي ملف.</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;.
%2.
%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written (a sentence without its full stop), %3 what became of the file (&quot;A file already there is unchanged.&quot;, ...).</extracomment>
        <translation>تعذّر التصدير إلى «%1».
%2.
%3</translation>
    </message>
    <message>
        <source>Only one file can be imported at a time. The list is unchanged.</source>
        <extracomment>Several files were dropped on the window.</extracomment>
        <translation>لا يمكن استيراد أكثر من ملف واحد في كل مرة. لم تتغير القائمة.</translation>
    </message>
    <message>
        <source>Could not add the names.
%1.
The list is unchanged.</source>
        <extracomment>Pasted or dropped text; %1 is why (a sentence without its full stop).</extracomment>
        <translation>تعذّرت إضافة الأسماء.
%1.
لم تتغير القائمة.</translation>
    </message>
    <message>
        <source>none of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2.</extracomment>
        <translation>لم يُضف أي من الأسماء الجديدة</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the new names were added</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %2; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
            <numerusform>أُضيف %1 من الأسماء الجديدة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 were left out</source>
        <extracomment>Completes &quot;The list can hold at most %1 names: %2, %3.&quot; as %3; %1 is the plural form&apos;s number.</extracomment>
        <translation>
            <numerusform>استُبعد %1</numerusform>
            <numerusform>استُبعد %1</numerusform>
            <numerusform>استُبعد %1</numerusform>
            <numerusform>استُبعد %1</numerusform>
            <numerusform>استُبعد %1</numerusform>
            <numerusform>استُبعد %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The list can hold at most %1 names: %2, %3.</source>
        <extracomment>Pasted or dropped names beyond the list&apos;s room. %1 is the most names the list holds (32,767), %2 and %3 how many of the new names were added and left out (&quot;none of the new names were added&quot;, &quot;2 were left out&quot;).</extracomment>
        <translation>لا تتسع القائمة لأكثر من %1 من الأسماء: %2، و%3.</translation>
    </message>
    <message>
        <source>Export Draw</source>
        <extracomment>Title of the file dialog that chooses the file a draw&apos;s record is exported to.</extracomment>
        <translation>تصدير السحب</translation>
    </message>
    <message>
        <source>The file could only be written over in place, so it may now hold only part of the record.</source>
        <translation>لم تكن الكتابة فوق الملف ممكنة إلا في مكانه، لذا قد لا يحتوي الآن إلا على جزء من السجل.</translation>
    </message>
    <message numerus="yes">
        <source>This will overwrite any names you currently have in the list, and the %n set-aside names. Do you wish to continue?</source>
        <translation>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها الأسماء المنحّاة جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها الاسم المنحّى جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها الاسمان المنحّيان جانبًا (%n). هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها %n أسماء منحّاة جانبًا. هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها %n اسمًا منحّى جانبًا. هل تريد المتابعة؟</numerusform>
            <numerusform>سيؤدي هذا إلى استبدال جميع الأسماء الموجودة حاليًا في القائمة، ومعها %n اسم منحّى جانبًا. هل تريد المتابعة؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the Draw Shown</source>
        <extracomment>Title of the file dialog that saves the winners or the teams the view of the draw shows.</extracomment>
        <translation>تصدير السحب المعروض</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options window.</extracomment>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Special Effects While Shuffling:</source>
        <extracomment>Heading of the three check boxes below it.</extracomment>
        <translation>مؤثرات خاصة أثناء الخلط:</translation>
    </message>
    <message>
        <source>Flash different colors</source>
        <extracomment>Check box: the window flashes colours while the names are shuffled.</extracomment>
        <translation>وميض بألوان مختلفة</translation>
    </message>
    <message>
        <source>Shake window</source>
        <extracomment>Check box: the window shakes while the names are shuffled.</extracomment>
        <translation>هز النافذة</translation>
    </message>
    <message>
        <source>Play sound</source>
        <extracomment>Check box: a sound plays while the names are shuffled.</extracomment>
        <translation>تشغيل الصوت</translation>
    </message>
    <message>
        <source>Remember name list between sessions.</source>
        <extracomment>Check box: the list comes back the next time the program starts.</extracomment>
        <translation>تذكّر قائمة الأسماء بين الجلسات.</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: keeps the choices and closes the window.</extracomment>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: closes the window without keeping the choices.</extracomment>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>PublicDrawDialog</name>
    <message>
        <source>Draw from a Public Number</source>
        <extracomment>Title of the dialog that starts a draw from a public number.</extracomment>
        <translation>السحب من رقم علني</translation>
    </message>
    <message>
        <source>The list&apos;s fingerprint (SHA-256 of the names in their order):</source>
        <extracomment>Above the list&apos;s fingerprint in the dialog of a draw from a public number.</extracomment>
        <translation>بصمة القائمة (SHA-256 للأسماء بترتيبها):</translation>
    </message>
    <message>
        <source>Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the next lottery numbers, say, or a public randomness beacon&apos;s next round); it fixes the list and its order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.</source>
        <extracomment>The method, in two sentences. %1 is the fixed number of re-orders (200).</extracomment>
        <translation>أعلن البصمة، أو أحرفها الثمانية الأولى، قبل أن يتمكن أحد من معرفة الرقم العلني (أرقام اليانصيب القادمة مثلًا، أو الجولة القادمة لمنارة عشوائية علنية)؛ فهي تثبّت القائمة وترتيبها، ولا يجوز أن يتغيرا بعد ذلك. وتكون البذرة عندئذ أول 8 بايتات من SHA-256 للبصمة وفاصل سطر والنص المكتوب أدناه، ويجري الخلط %1 إعادة ترتيب، فيحصل كل من لديه القائمة وذلك النص على الترتيب نفسه، باستخدام Nimbrel أو البرنامج النصي check-public-draw.py.</translation>
    </message>
    <message>
        <source>The public number or text, exactly as published:</source>
        <extracomment>Above the box where the host types the public number.</extracomment>
        <translation>الرقم أو النص العلني، تمامًا كما نُشر:</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>The button that starts the draw from the public text.</extracomment>
        <translation>اسحب</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>Names</source>
        <extracomment>The name of the one list the program keeps until the user makes another.</extracomment>
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a copy of a list; %1 is the list&apos;s name.</extracomment>
        <translation>%1 (نسخة)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Nimbrel is already running, but it does not answer.
Your names stay with it; try again once it has ended.</source>
        <extracomment>A second start of the program while the first one does not respond.</extracomment>
        <translation>‏Nimbrel يعمل بالفعل، لكنه لا يستجيب.
تبقى أسماؤك معه؛ حاول مرة أخرى بعد أن ينتهي.</translation>
    </message>
    <message>
        <source>Nimbrel is already running as process %1, but it does not answer.
Your names stay with it: continue or end process %1, then start Nimbrel again.</source>
        <extracomment>A second start of the program while the first one does not respond; %1 is the first one&apos;s process number.</extracomment>
        <translation>Nimbrel قيد التشغيل بالفعل بوصفه العملية %1، لكنه لا يستجيب.
تبقى أسماؤك معه: تابِع العملية %1 أو أنهِها، ثم شغّل Nimbrel من جديد.</translation>
    </message>
    <message>
        <source>Start anyway? Nothing you change will be kept.</source>
        <extracomment>Asked below &quot;Nimbrel is already running, but it does not answer.&quot;</extracomment>
        <translation>هل تريد البدء على أي حال؟ لن يُحفظ أي شيء تغيّره.</translation>
    </message>
</context>
<context>
    <name>TeamsDialog</name>
    <message>
        <source>Split into Teams</source>
        <extracomment>Title of the dialog that splits the list into teams.</extracomment>
        <translation>التقسيم إلى فرق</translation>
    </message>
    <message>
        <source>The names are dealt into teams in the order drawn: the first name to Team 1, the second to Team 2, and so on.</source>
        <extracomment>The first line of the dialog that splits the list into teams.</extracomment>
        <translation>تُوزَّع الأسماء على الفرق بترتيب السحب: الاسم الأول إلى الفريق 1، والثاني إلى الفريق 2، وهكذا.</translation>
    </message>
    <message>
        <source>Number of teams:</source>
        <extracomment>Split into Teams: a choice, followed by a number box.</extracomment>
        <translation>عدد الفرق:</translation>
    </message>
    <message>
        <source>Names in each team:</source>
        <extracomment>Split into Teams: the other choice, followed by a number box.</extracomment>
        <translation>عدد الأسماء في كل فريق:</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>Split into Teams: the sizes of teams that differ by one, as &quot;3–4&quot;.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Teams: %1; names in each team: %2</source>
        <extracomment>Split into Teams: what the choice makes; %1 is the number of teams, %2 their size (&quot;4&quot; or &quot;3–4&quot;).</extracomment>
        <translation>الفرق: %1؛ الأسماء في كل فريق: %2</translation>
    </message>
    <message>
        <source>There are fewer names (%1) than teams (%2).</source>
        <extracomment>Split into Teams, refused: %1 is the number of names in the list, %2 the teams asked for.</extracomment>
        <translation>عدد الأسماء (%1) أقل من عدد الفرق (%2).</translation>
    </message>
</context>
</TS>
