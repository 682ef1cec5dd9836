<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The writing direction: &quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic, Hebrew, Persian). Not shown.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>skyvarre::InputChecks</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when Find is pressed with an empty name box.</extracomment>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>Message box text for a day past the end of February (29 February in a common year, 30 or 31 February). Means the same as the message for 31 April.</extracomment>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Message box text for day 31 in a month of 30 days, such as 31 April. Means the same as the message for 30 February; the English differs only by a blank.</extracomment>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <extracomment>Message box text when a character other than a letter or a space arrives in the name box. Letters of every script are taken; digits, punctuation and symbols are not.</extracomment>
        <translation>يُرجى إدخال حروف فقط</translation>
    </message>
</context>
<context>
    <name>skyvarre::Interpretation</name>
    <message>
        <source>You will learn to overcome your fears. You will prosper in fields of teaching, education and communication. This will give rise to a significant happening in your life. You will learn to pursue your interests in life and attain satisfaction by achieving happiness in something that you have always wanted to do but never got around to doing it.</source>
        <extracomment>What Sedna in Aries means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation may be about a fifth longer than the English, no more.</extracomment>
        <translation>ستتعلّم التغلّب على مخاوفك. وستزدهر في مجالات التدريس والتعليم والتواصل، ممّا سيؤدّي إلى حدث مهمّ في حياتك. ستتعلّم أن تسعى وراء اهتماماتك في الحياة، وستبلغ الرضا حين تجد سعادتك في أمر طالما رغبت في القيام به ولم تجد إليه سبيلًا.</translation>
    </message>
    <message>
        <source>This is a time for new births and new beginnings. You may be able to get over the shame of abuse in childhood if you have gone through it. You may also feel unhappy about some unresolved happenings. There may be droughts, floods and mass destruction on a large scale.</source>
        <extracomment>What Sedna in Taurus means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation may be about half as long again as the English, no more.</extracomment>
        <translation>هذا وقت الولادات الجديدة والبدايات الجديدة. إن كنت قد تعرّضت للإساءة في طفولتك، فقد تتمكّن من تجاوز ما خلّفته من شعور بالخزي. وقد تشعر أيضًا بالحزن بسبب أحداث لم تُحسم بعد. وقد تحدث موجات جفاف وفيضانات ودمار واسع النطاق.</translation>
    </message>
</context>
<context>
    <name>skyvarre::Month</name>
    <message>
        <source>January</source>
        <extracomment>A month of the year, alone in the month list of the date of birth (the form used without a day). The list shows 75 pixels of bold 8-point text: no month may be much longer than &quot;September&quot;, which takes 68.</extracomment>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>ديسمبر</translation>
    </message>
</context>
<context>
    <name>skyvarre::Program</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box text when the program is started while a copy of it runs already; this copy then ends.</extracomment>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
</context>
<context>
    <name>skyvarre::SharedLinks</name>
    <message>
        <source>Talk astrology with other readers on our discussion forum. Visit %1</source>
        <extracomment>The banner at the top of the input and result windows, a link: two lines of 472 pixels of bold 9-point text. %1 is the web address of the home page, about 30 characters. The English leaves a quarter of the room free: no more than that longer.</extracomment>
        <translation>ناقش علم التنجيم مع قرّاء آخرين في منتدى النقاش الخاص بنا. تفضّل بزيارة %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Below the About window&apos;s description: three lines of 385 pixels of bold 8-point text, which the English fills but for a fifth of the last line. No longer than the English if possible, a fifth longer at most.</extracomment>
        <translation>فرصة عمل من المنزل: اصنع مشروعك الخاص على الإنترنت واكسب المال عبره. احصل على هذا البرنامج حاملًا علامة موقعك بالكامل.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills. The same offer as the About window&apos;s, with a call to click: no longer than the English.</extracomment>
        <translation>فرصة عمل من المنزل: اصنع مشروعك الخاص على الإنترنت واكسب المال عبره. احصل على هذا البرنامج حاملًا علامة موقعك بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills: no longer than the English. The &amp; is a plain ampersand, shown as it is; &quot;Help&quot; is the Help menu. The runs of blanks are as designed, no need to copy them.</extracomment>
        <translation>اجعل هذا البرنامج يحمل علامة موقعك، وزِد ولاء زوّارك وعددهم. ضع اسم موقعك ورابطه هنا. التفاصيل في قائمة «مساعدة». انقر هنا لمعرفة المزيد عن العلامة المشتركة.</translation>
    </message>
</context>
<context>
    <name>skyvarre::Sign</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>الحمل</translation>
    </message>
    <message>
        <source>Taurus</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>الثور</translation>
    </message>
    <message>
        <source>Gemini</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>الجوزاء</translation>
    </message>
</context>
<context>
    <name>skyvarre::TellAFriend</name>
    <message>
        <source>Your Name</source>
        <extracomment>Prompt inside the empty field for the user&apos;s own name on the farewell window, which holds about 35 characters.</extracomment>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when the user&apos;s own name is left empty.</extracomment>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Prompt inside the empty field for the user&apos;s e-mail address (35 characters).</extracomment>
        <translation>عنوان بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box text when the user&apos;s e-mail address is left empty.</extracomment>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Prompt in the message field, which the window keeps out of sight: the form submits it when the field is never touched. No length limit.</extracomment>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box text when the message is left empty.</extracomment>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s name (35 characters).</extracomment>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box text when the friend&apos;s name is left empty.</extracomment>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s e-mail address (35 characters).</extracomment>
        <translation>عنوان البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box text when the friend&apos;s e-mail address is left empty.</extracomment>
        <translation>يُرجى إدخال البريد الإلكتروني لصديقك</translation>
    </message>
</context>
<context>
    <name>skyvarre::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page. Two lines: put a line break between the statement and the question. (&quot;There maybe&quot; is as designed; translate the meaning: there may be an update.)</extracomment>
        <translation>قد يتوفّر تحديث لهذا البرنامج.
هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmAbout</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>أيقونة Skyvarre</translation>
    </message>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This asteroid is also known as the Goddess of the Sea. This sign helps you understand yourself and prepare yourself to survive against all odds. Skyvarre is published by Varnholt Softwares.</source>
        <extracomment>The About window&apos;s description: five lines of 383 pixels of 8-point text, of which the English takes four. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>يصف برنامج Skyvarre موقع الكويكب سدنا في خريطة ميلادك. ويُعرف هذا الكويكب أيضًا باسم «إلهة البحر». يساعدك هذا البرج على فهم نفسك والاستعداد للصمود في وجه كل الصعاب. برنامج Skyvarre من إصدار Varnholt Softwares.</translation>
    </message>
    <message>
        <source>Click here for more details about fully branded editions</source>
        <extracomment>What a screen reader says of the link &quot;Click here for more details&quot; below the offer of fully branded editions.</extracomment>
        <translation>انقر هنا لمزيد من التفاصيل عن الإصدارات التي تحمل علامتك التجارية بالكامل</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>A link at the bottom right of the About window, under the offer of fully branded editions: about 180 pixels of bold 8-point text, of which the English takes 165.</extracomment>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 84 pixels wide; closes the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;حسنًا</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link that opens the home page, one line of bold 8-point text under the description. %1 is the web address of the home page, about 30 characters. Hardly any room: the words around the address no longer than &quot;Click here to visit&quot; (120 pixels), say &quot;Visit %1&quot; in the translation&apos;s words.</extracomment>
        <translation>زُر %1</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmDisplay</name>
    <message>
        <source>Sedna in your Chart is Placed in</source>
        <extracomment>The sign&apos;s name follows on the same line, in a label of its own (&quot;... Placed in Aries&quot;): phrase it so that the sign can come last. The line holds about 450 pixels of bold 9-point text for both, of which the English takes 255 (with &quot;Aries&quot;).</extracomment>
        <translation>يقع سدنا في خريطة ميلادك في برج</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the input window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;عودة</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 81 pixels wide (about 12 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;مساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>&amp;زُر موقعنا</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>البحث عن &amp;تحديثات البرنامج</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>&amp;تبرّع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>ا&amp;ربح المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmMain</name>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This helps you face the gravest of problems and come out a winner. </source>
        <extracomment>Under the top strip of the input window: three lines of 465 pixels of bold 8-point text, of which the English takes two.</extracomment>
        <translation>يصف برنامج Skyvarre موقع الكويكب سدنا في خريطة ميلادك، وهذا يساعدك على مواجهة أصعب المشكلات والخروج منها منتصرًا. </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Left of the name box, which starts about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The day of the month (1 to 31), as the heading of the day list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Heading of the month list: about 90 pixels of 8-point text (14 characters).</extracomment>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the year list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <extracomment>Left of the three date lists, which start about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Day of the date of birth</source>
        <extracomment>What a screen reader says of the day list, after its name.</extracomment>
        <translation>يوم تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Month of the date of birth</source>
        <translation>شهر تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Year of the date of birth</source>
        <translation>سنة تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Find My &amp;Sedna Astrology Sign</source>
        <extracomment>The main button, 401 pixels wide: up to twice as long as the English. The letter after &amp; is the Alt key shortcut; choose one that no other control or menu title of this window has.</extracomment>
        <translation>&amp;اكتشف برج سدنا الخاص بي</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 68 pixels wide (about 10 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;مساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>&amp;زُر موقعنا</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن &amp;تحديثات البرنامج</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>&amp;تبرّع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>ا&amp;ربح المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmReferFriend</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>أيقونة Skyvarre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button 83 pixels wide (about 12 characters); ends the program. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Title of the frame around the refer-a-friend form, 471 pixels wide.</extracomment>
        <translation>ادع صديقك</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>What a screen reader says of the field for the user&apos;s own name.</extracomment>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>عنوان بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>عنوان البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide, of which the English takes 120. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>أخبر صديقًا &amp;الآن</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader says of the message field of the refer-a-friend form.</extracomment>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Download Varnholt Softwares</source>
        <extracomment>Title of the navy frame about the maker&apos;s other programs: 249 pixels of bold 10-point text, of which the English takes 218. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>برامج Varnholt Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Varnholt Softwares</source>
        <extracomment>A link at the foot of the navy frame, to the maker&apos;s catalogue of programs: one line of 239 pixels of bold 8-point text, which the English fills. No longer than the English.</extracomment>
        <translation>زُر موقع Varnholt Softwares</translation>
    </message>
    <message>
        <source>Programs like Skyvarre can only be created and kept up with your support. The best support is to visit our discussion forum regularly and to take part in its discussions and activities.</source>
        <extracomment>One of four requests, chosen at random, at the top of the farewell window: four lines of 465 pixels of bold 10-point text; the English takes three, so a translation may be a quarter longer at most. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>لا يمكن إنشاء برامج مثل Skyvarre وتطويرها إلا بدعمك. وأفضل دعم هو أن تزور منتدى النقاش الخاص بنا بانتظام وتشارك في نقاشاته وأنشطته.</translation>
    </message>
    <message>
        <source>Please visit our discussion forum regularly and take part in its discussions and other activities. Without your visits we cannot support and keep up programs like this one.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>يُرجى زيارة منتدى النقاش الخاص بنا بانتظام والمشاركة في نقاشاته وأنشطته الأخرى. فمن دون زياراتك لا يمكننا دعم برامج مثل هذا البرنامج وتطويرها.</translation>
    </message>
    <message>
        <source>Our discussion forum is a free online forum on astrology, tarot, numerology and the other subjects of our programs. Visiting it regularly helps us develop and keep up Skyvarre.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>منتدى النقاش الخاص بنا منتدى مجاني على الإنترنت يتناول التنجيم والتاروت وعلم الأعداد وسائر موضوعات برامجنا. وزيارتك له بانتظام تساعدنا على تطوير Skyvarre وصيانته.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help! Regular visits and taking part in its discussions and activities help us keep up Skyvarre and develop more Varnholt Softwares programs.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>منتدى النقاش الخاص بنا بحاجة إلى مساعدتك! فزياراتك المنتظمة ومشاركتك في نقاشاته وأنشطته تساعدنا على صيانة Skyvarre وتطوير المزيد من برامج Varnholt Softwares.</translation>
    </message>
    <message>
        <source>Yes, take me to the Varnholt Softwares discussion forum now</source>
        <extracomment>A check box under the support request; ticking it opens the forum in the browser. One line of 8-point text, 479 pixels wide with the box: a third longer than the English at most.</extracomment>
        <translation>نعم، انقلني الآن إلى منتدى نقاش Varnholt Softwares</translation>
    </message>
    <message>
        <source>Enjoyed Skyvarre?

Varnholt Softwares offers a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult.

They are simple to use and full of information. Try them, and share them with your friends and family!

The whole collection is waiting for you on our web site: click the link below.</source>
        <extracomment>On the navy frame at the right of the farewell window, above the link to the maker&apos;s web site (&quot;the link below&quot;): 18 lines of 233 pixels of 9-point text, of which the English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.</extracomment>
        <translation>هل استمتعت ببرنامج Skyvarre؟

تقدّم Varnholt Softwares مجموعة كبيرة من البرامج في التنجيم والظواهر الروحانية والتاروت وعلم الأعداد والعلوم الخفية.

إنها سهلة الاستخدام وغنية بالمعلومات. جرّبها، وشاركها مع أصدقائك وعائلتك!

المجموعة الكاملة في انتظارك على موقعنا: انقر الرابط أدناه.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box text when a space is typed or pasted into an e-mail address field.</extracomment>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box text when the user&apos;s and the friend&apos;s e-mail addresses are the same.</extracomment>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box text when an e-mail address lacks an @ or a dot.</extracomment>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
</context>
</TS>
