<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The writing direction: &quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic, Hebrew, Persian). Not shown.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>skyvarre::InputChecks</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when Find is pressed with an empty name box.</extracomment>
        <translation>कृपया अपना नाम दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>Message box text for a day past the end of February (29 February in a common year, 30 or 31 February). Means the same as the message for 31 April.</extracomment>
        <translation>यह तारीख़ मौजूद नहीं है। कृपया दिन और महीना जाँचें।</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Message box text for day 31 in a month of 30 days, such as 31 April. Means the same as the message for 30 February; the English differs only by a blank.</extracomment>
        <translation>यह तारीख़ मौजूद नहीं है। कृपया दिन और महीना जाँचें।</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <extracomment>Message box text when a character other than a letter or a space arrives in the name box. Letters of every script are taken; digits, punctuation and symbols are not.</extracomment>
        <translation>कृपया केवल अक्षर दर्ज करें, अंक या चिह्न नहीं।</translation>
    </message>
</context>
<context>
    <name>skyvarre::Interpretation</name>
    <message>
        <source>You will learn to overcome your fears. You will prosper in fields of teaching, education and communication. This will give rise to a significant happening in your life. You will learn to pursue your interests in life and attain satisfaction by achieving happiness in something that you have always wanted to do but never got around to doing it.</source>
        <extracomment>What Sedna in Aries means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation may be about a fifth longer than the English, no more.</extracomment>
        <translation>आप अपने डर पर काबू पाना सीखेंगे। अध्यापन, शिक्षा और संचार के क्षेत्रों में आप खूब उन्नति करेंगे। इससे आपके जीवन में एक महत्वपूर्ण घटना घटेगी। आप अपनी रुचियों के पीछे चलना सीखेंगे और उस काम में खुशी पाकर संतोष पाएँगे जिसे आप हमेशा करना चाहते थे, पर कभी कर नहीं पाए।</translation>
    </message>
    <message>
        <source>This is a time for new births and new beginnings. You may be able to get over the shame of abuse in childhood if you have gone through it. You may also feel unhappy about some unresolved happenings. There may be droughts, floods and mass destruction on a large scale.</source>
        <extracomment>What Sedna in Taurus means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation may be about half as long again as the English, no more.</extracomment>
        <translation>यह नए जन्म और नई शुरुआत का समय है। यदि बचपन में आपके साथ दुर्व्यवहार हुआ है, तो शायद अब आप उसकी शर्म से उबर पाएँ। कुछ अनसुलझी बातें आपको दुखी भी कर सकती हैं। बड़े पैमाने पर सूखा, बाढ़ और विनाश हो सकता है।</translation>
    </message>
</context>
<context>
    <name>skyvarre::Month</name>
    <message>
        <source>January</source>
        <extracomment>A month of the year, alone in the month list of the date of birth (the form used without a day). The list shows 75 pixels of bold 8-point text: no month may be much longer than &quot;September&quot;, which takes 68.</extracomment>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>अक्तूबर</translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>skyvarre::Program</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box text when the program is started while a copy of it runs already; this copy then ends.</extracomment>
        <translation>प्रोग्राम पहले से चल रहा है।</translation>
    </message>
</context>
<context>
    <name>skyvarre::SharedLinks</name>
    <message>
        <source>Talk astrology with other readers on our discussion forum. Visit %1</source>
        <extracomment>The banner at the top of the input and result windows, a link: two lines of 472 pixels of bold 9-point text. %1 is the web address of the home page, about 30 characters. The English leaves a quarter of the room free: no more than that longer.</extracomment>
        <translation>हमारे फ़ोरम पर पाठकों से ज्योतिष की चर्चा करें: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Below the About window&apos;s description: three lines of 385 pixels of bold 8-point text, which the English fills but for a fifth of the last line. No longer than the English if possible, a fifth longer at most.</extracomment>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड में पाएँ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills. The same offer as the About window&apos;s, with a call to click: no longer than the English.</extracomment>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड में पाएँ। विवरण के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills: no longer than the English. The &amp; is a plain ampersand, shown as it is; &quot;Help&quot; is the Help menu. The runs of blanks are as designed, no need to copy them.</extracomment>
        <translation>इसे अपनी साइट के लिए को-ब्रांड करें और ट्रैफ़िक बढ़ाएँ: विवरण “सहायता” में। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>skyvarre::Sign</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>मिथुन</translation>
    </message>
</context>
<context>
    <name>skyvarre::TellAFriend</name>
    <message>
        <source>Your Name</source>
        <extracomment>Prompt inside the empty field for the user&apos;s own name on the farewell window, which holds about 35 characters.</extracomment>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when the user&apos;s own name is left empty.</extracomment>
        <translation>कृपया अपना नाम दर्ज करें।</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Prompt inside the empty field for the user&apos;s e-mail address (35 characters).</extracomment>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box text when the user&apos;s e-mail address is left empty.</extracomment>
        <translation>कृपया अपना ईमेल पता दर्ज करें।</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Prompt in the message field, which the window keeps out of sight: the form submits it when the field is never touched. No length limit.</extracomment>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box text when the message is left empty.</extracomment>
        <translation>कृपया अपना संदेश दर्ज करें।</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s name (35 characters).</extracomment>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box text when the friend&apos;s name is left empty.</extracomment>
        <translation>कृपया अपने मित्र का नाम दर्ज करें।</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s e-mail address (35 characters).</extracomment>
        <translation>मित्र का ईमेल पता</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box text when the friend&apos;s e-mail address is left empty.</extracomment>
        <translation>कृपया अपने मित्र का ईमेल पता दर्ज करें।</translation>
    </message>
</context>
<context>
    <name>skyvarre::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page. Two lines: put a line break between the statement and the question. (&quot;There maybe&quot; is as designed; translate the meaning: there may be an update.)</extracomment>
        <translation>इस सॉफ़्टवेयर का कोई अपडेट उपलब्ध हो सकता है।
क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmAbout</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre आइकन</translation>
    </message>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This asteroid is also known as the Goddess of the Sea. This sign helps you understand yourself and prepare yourself to survive against all odds. Skyvarre is published by Varnholt Softwares.</source>
        <extracomment>The About window&apos;s description: five lines of 383 pixels of 8-point text, of which the English takes four. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre आपकी जन्म कुंडली में क्षुद्रग्रह सेडना की स्थिति बताता है। इस क्षुद्रग्रह को समुद्र की देवी के नाम से भी जाना जाता है। इसकी राशि आपको स्वयं को समझने और हर विपरीत परिस्थिति में टिके रहने की तैयारी करने में मदद करती है। Skyvarre को Varnholt Softwares प्रकाशित करता है।</translation>
    </message>
    <message>
        <source>Click here for more details about fully branded editions</source>
        <extracomment>What a screen reader says of the link &quot;Click here for more details&quot; below the offer of fully branded editions.</extracomment>
        <translation>अपने ब्रांड वाले संस्करणों की अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>A link at the bottom right of the About window, under the offer of fully branded editions: about 180 pixels of bold 8-point text, of which the English takes 165.</extracomment>
        <translation>विवरण के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 84 pixels wide; closes the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link that opens the home page, one line of bold 8-point text under the description. %1 is the web address of the home page, about 30 characters. Hardly any room: the words around the address no longer than &quot;Click here to visit&quot; (120 pixels), say &quot;Visit %1&quot; in the translation&apos;s words.</extracomment>
        <translation>हमारी साइट: %1</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmDisplay</name>
    <message>
        <source>Sedna in your Chart is Placed in</source>
        <extracomment>The sign&apos;s name follows on the same line, in a label of its own (&quot;... Placed in Aries&quot;): phrase it so that the sign can come last. The line holds about 450 pixels of bold 9-point text for both, of which the English takes 255 (with &quot;Aries&quot;).</extracomment>
        <translation>आपकी कुंडली में सेडना की राशि:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the input window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 81 pixels wide (about 12 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>बंद करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>इस सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmMain</name>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This helps you face the gravest of problems and come out a winner. </source>
        <extracomment>Under the top strip of the input window: three lines of 465 pixels of bold 8-point text, of which the English takes two.</extracomment>
        <translation>Skyvarre आपकी जन्म कुंडली में क्षुद्रग्रह सेडना की स्थिति बताता है। इससे आपको सबसे गंभीर समस्याओं का सामना करने और विजेता बनकर निकलने में मदद मिलती है। </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Left of the name box, which starts about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The day of the month (1 to 31), as the heading of the day list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Heading of the month list: about 90 pixels of 8-point text (14 characters).</extracomment>
        <translation>महीना</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the year list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <extracomment>Left of the three date lists, which start about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>जन्मतिथि</translation>
    </message>
    <message>
        <source>Day of the date of birth</source>
        <extracomment>What a screen reader says of the day list, after its name.</extracomment>
        <translation>जन्मतिथि का दिन</translation>
    </message>
    <message>
        <source>Month of the date of birth</source>
        <translation>जन्मतिथि का महीना</translation>
    </message>
    <message>
        <source>Year of the date of birth</source>
        <translation>जन्मतिथि का वर्ष</translation>
    </message>
    <message>
        <source>Find My &amp;Sedna Astrology Sign</source>
        <extracomment>The main button, 401 pixels wide: up to twice as long as the English. The letter after &amp; is the Alt key shortcut; choose one that no other control or menu title of this window has.</extracomment>
        <translation>मेरी सेडना राशि खोजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 68 pixels wide (about 10 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>बंद करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>इस सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmReferFriend</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre आइकन</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button 83 pixels wide (about 12 characters); ends the program. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Title of the frame around the refer-a-friend form, 471 pixels wide.</extracomment>
        <translation>यार तक बात पहुंचाएं</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>What a screen reader says of the field for the user&apos;s own name.</extracomment>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide, of which the English takes 120. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>अभी मित्र को सुझाएँ (&amp;N)</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader says of the message field of the refer-a-friend form.</extracomment>
        <translation>संदेश</translation>
    </message>
    <message>
        <source>Download Varnholt Softwares</source>
        <extracomment>Title of the navy frame about the maker&apos;s other programs: 249 pixels of bold 10-point text, of which the English takes 218. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Varnholt Softwares पाएं</translation>
    </message>
    <message>
        <source>Click Here To Visit Varnholt Softwares</source>
        <extracomment>A link at the foot of the navy frame, to the maker&apos;s catalogue of programs: one line of 239 pixels of bold 8-point text, which the English fills. No longer than the English.</extracomment>
        <translation>Varnholt Softwares</translation>
    </message>
    <message>
        <source>Programs like Skyvarre can only be created and kept up with your support. The best support is to visit our discussion forum regularly and to take part in its discussions and activities.</source>
        <extracomment>One of four requests, chosen at random, at the top of the farewell window: four lines of 465 pixels of bold 10-point text; the English takes three, so a translation may be a quarter longer at most. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre जैसे प्रोग्राम आपके सहयोग से ही बन और चल सकते हैं। सबसे अच्छा सहयोग है हमारे चर्चा फ़ोरम पर नियमित रूप से आना और उसकी चर्चाओं व गतिविधियों में भाग लेना।</translation>
    </message>
    <message>
        <source>Please visit our discussion forum regularly and take part in its discussions and other activities. Without your visits we cannot support and keep up programs like this one.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>कृपया हमारे चर्चा फ़ोरम पर नियमित रूप से आएँ और उसकी चर्चाओं व अन्य गतिविधियों में भाग लें। आपके आए बिना हम ऐसे प्रोग्रामों को सहायता देना और चलाए रखना जारी नहीं रख सकते।</translation>
    </message>
    <message>
        <source>Our discussion forum is a free online forum on astrology, tarot, numerology and the other subjects of our programs. Visiting it regularly helps us develop and keep up Skyvarre.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>हमारा चर्चा फ़ोरम ज्योतिष, टैरो, अंकशास्त्र और हमारे प्रोग्रामों के अन्य विषयों पर एक निःशुल्क ऑनलाइन फ़ोरम है। वहाँ नियमित रूप से आकर आप Skyvarre को आगे बढ़ाने और चलाए रखने में हमारी मदद करते हैं।</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help! Regular visits and taking part in its discussions and activities help us keep up Skyvarre and develop more Varnholt Softwares programs.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>हमारे चर्चा फ़ोरम को आपकी मदद चाहिए! नियमित रूप से आना और चर्चाओं व गतिविधियों में भाग लेना हमें Skyvarre को चलाए रखने और Varnholt Softwares के और प्रोग्राम बनाने में मदद करता है।</translation>
    </message>
    <message>
        <source>Yes, take me to the Varnholt Softwares discussion forum now</source>
        <extracomment>A check box under the support request; ticking it opens the forum in the browser. One line of 8-point text, 479 pixels wide with the box: a third longer than the English at most.</extracomment>
        <translation>हाँ, मुझे अभी Varnholt Softwares के चर्चा फ़ोरम पर ले चलें</translation>
    </message>
    <message>
        <source>Enjoyed Skyvarre?

Varnholt Softwares offers a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult.

They are simple to use and full of information. Try them, and share them with your friends and family!

The whole collection is waiting for you on our web site: click the link below.</source>
        <extracomment>On the navy frame at the right of the farewell window, above the link to the maker&apos;s web site (&quot;the link below&quot;): 18 lines of 233 pixels of 9-point text, of which the English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.</extracomment>
        <translation>क्या आपको Skyvarre पसंद आया?

Varnholt Softwares ज्योतिष, परामनोविज्ञान, टैरो, अंकशास्त्र और गूढ़ विद्याओं पर प्रोग्रामों का बड़ा संग्रह प्रस्तुत करता है।

ये इस्तेमाल में आसान और जानकारी से भरपूर हैं। इन्हें आज़माएँ और अपने मित्रों व परिवार के साथ साझा करें!

पूरा संग्रह हमारी वेबसाइट पर आपकी प्रतीक्षा कर रहा है: नीचे दिए लिंक पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box text when a space is typed or pasted into an e-mail address field.</extracomment>
        <translation>ईमेल पते में रिक्त स्थान नहीं हो सकता।</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box text when the user&apos;s and the friend&apos;s e-mail addresses are the same.</extracomment>
        <translation>कृपया दो अलग-अलग ईमेल पते दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box text when an e-mail address lacks an @ or a dot.</extracomment>
        <translation>कृपया सही ईमेल पता दर्ज करें।</translation>
    </message>
</context>
</TS>
