<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>Message box text for a day past the end of February (29 February in a common year, 30 or 31 February). Means the same as the message for 31 April.</extracomment>
        <translation>這個日期不存在，請檢查日期與月份。</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Message box text for day 31 in a month of 30 days, such as 31 April. Means the same as the message for 30 February; the English differs only by a blank.</extracomment>
        <translation>這個日期不存在，請檢查日期與月份。</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <extracomment>Message box text when a character other than a letter or a space arrives in the name box. Letters of every script are taken; digits, punctuation and symbols are not.</extracomment>
        <translation>請只輸入文字，不能包含數字或符號。</translation>
    </message>
</context>
<context>
    <name>skyvarre::Interpretation</name>
    <message>
        <source>You will learn to overcome your fears. You will prosper in fields of teaching, education and communication. This will give rise to a significant happening in your life. You will learn to pursue your interests in life and attain satisfaction by achieving happiness in something that you have always wanted to do but never got around to doing it.</source>
        <extracomment>What Sedna in Aries means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation may be about a fifth longer than the English, no more.</extracomment>
        <translation>您將學會克服恐懼，並在教學、教育與溝通的領域中發光發熱，這會為您的人生帶來一件意義重大的事。您會學著追尋自己的興趣，在那件一直想做、卻始終沒有動手的事情裡找到快樂，進而獲得滿足。</translation>
    </message>
    <message>
        <source>This is a time for new births and new beginnings. You may be able to get over the shame of abuse in childhood if you have gone through it. You may also feel unhappy about some unresolved happenings. There may be droughts, floods and mass destruction on a large scale.</source>
        <extracomment>What Sedna in Taurus means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation may be about half as long again as the English, no more.</extracomment>
        <translation>這是新生與全新開始的時期。如果您在童年時曾遭受虐待，或許能就此走出那份羞恥感。一些懸而未決的事情也可能讓您悶悶不樂。世上可能發生大規模的乾旱、水災與浩劫。</translation>
    </message>
</context>
<context>
    <name>skyvarre::Month</name>
    <message>
        <source>January</source>
        <extracomment>A month of the year, alone in the month list of the date of birth (the form used without a day). The list shows 75 pixels of bold 8-point text: no month may be much longer than &quot;September&quot;, which takes 68.</extracomment>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>十二月</translation>
    </message>
</context>
<context>
    <name>skyvarre::Program</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box text when the program is started while a copy of it runs already; this copy then ends.</extracomment>
        <translation>程式已在執行中</translation>
    </message>
</context>
<context>
    <name>skyvarre::SharedLinks</name>
    <message>
        <source>Talk astrology with other readers on our discussion forum. Visit %1</source>
        <extracomment>The banner at the top of the input and result windows, a link: two lines of 472 pixels of bold 9-point text. %1 is the web address of the home page, about 30 characters. The English leaves a quarter of the room free: no more than that longer.</extracomment>
        <translation>到我們的討論區和其他讀者暢聊占星吧！歡迎造訪 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Below the About window&apos;s description: three lines of 385 pixels of bold 8-point text, which the English fills but for a fifth of the last line. No longer than the English if possible, a fifth longer at most.</extracomment>
        <translation>在家創業好機會！開創屬於您自己的網路事業，在線上賺錢。為您的網站取得完全以您品牌呈現的本軟體。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills. The same offer as the About window&apos;s, with a call to click: no longer than the English.</extracomment>
        <translation>在家創業好機會！開創屬於您自己的網路事業，在線上賺錢。為您的網站取得完全以您品牌呈現的本軟體。按這裡了解詳情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills: no longer than the English. The &amp; is a plain ampersand, shown as it is; &quot;Help&quot; is the Help menu. The runs of blanks are as designed, no need to copy them.</extracomment>
        <translation>讓本軟體與您的網站共同掛名，提升訪客的忠誠度與網站流量。這裡可以放上您網站的名稱和連結，詳見「說明」選單。按這裡進一步了解共同品牌方案。</translation>
    </message>
</context>
<context>
    <name>skyvarre::Sign</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>牡羊座</translation>
    </message>
    <message>
        <source>Taurus</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>金牛座</translation>
    </message>
    <message>
        <source>Gemini</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>雙子座</translation>
    </message>
</context>
<context>
    <name>skyvarre::TellAFriend</name>
    <message>
        <source>Your Name</source>
        <extracomment>Prompt inside the empty field for the user&apos;s own name on the farewell window, which holds about 35 characters.</extracomment>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when the user&apos;s own name is left empty.</extracomment>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Prompt inside the empty field for the user&apos;s e-mail address (35 characters).</extracomment>
        <translation>您的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box text when the user&apos;s e-mail address is left empty.</extracomment>
        <translation>請輸入您的電子郵件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Prompt in the message field, which the window keeps out of sight: the form submits it when the field is never touched. No length limit.</extracomment>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box text when the message is left empty.</extracomment>
        <translation>請輸入您的留言</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s name (35 characters).</extracomment>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box text when the friend&apos;s name is left empty.</extracomment>
        <translation>請輸入朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s e-mail address (35 characters).</extracomment>
        <translation>朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box text when the friend&apos;s e-mail address is left empty.</extracomment>
        <translation>請輸入朋友的電子郵件地址</translation>
    </message>
</context>
<context>
    <name>skyvarre::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page. Two lines: put a line break between the statement and the question. (&quot;There maybe&quot; is as designed; translate the meaning: there may be an update.)</extracomment>
        <translation>本軟體可能有新版本。
要檢查更新嗎？</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmAbout</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre 圖示</translation>
    </message>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This asteroid is also known as the Goddess of the Sea. This sign helps you understand yourself and prepare yourself to survive against all odds. Skyvarre is published by Varnholt Softwares.</source>
        <extracomment>The About window&apos;s description: five lines of 383 pixels of 8-point text, of which the English takes four. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre 為您解讀小行星賽德娜在您本命星盤中的位置。這顆小行星又稱為「海洋女神」。它所在的星座能幫助您認識自己，做好準備，不論遇到多大的逆境都能撐過去。Skyvarre 由 Varnholt Softwares 發行。</translation>
    </message>
    <message>
        <source>Click here for more details about fully branded editions</source>
        <extracomment>What a screen reader says of the link &quot;Click here for more details&quot; below the offer of fully branded editions.</extracomment>
        <translation>按這裡，進一步了解完全自有品牌版本</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>A link at the bottom right of the About window, under the offer of fully branded editions: about 180 pixels of bold 8-point text, of which the English takes 165.</extracomment>
        <translation>按這裡了解詳情</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 84 pixels wide; closes the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link that opens the home page, one line of bold 8-point text under the description. %1 is the web address of the home page, about 30 characters. Hardly any room: the words around the address no longer than &quot;Click here to visit&quot; (120 pixels), say &quot;Visit %1&quot; in the translation&apos;s words.</extracomment>
        <translation>造訪 %1</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmDisplay</name>
    <message>
        <source>Sedna in your Chart is Placed in</source>
        <extracomment>The sign&apos;s name follows on the same line, in a label of its own (&quot;... Placed in Aries&quot;): phrase it so that the sign can come last. The line holds about 450 pixels of bold 9-point text for both, of which the English takes 255 (with &quot;Aries&quot;).</extracomment>
        <translation>您星盤中的賽德娜落在</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the input window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 81 pixels wide (about 12 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>檢查軟體更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>贊助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>線上賺錢(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmMain</name>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This helps you face the gravest of problems and come out a winner. </source>
        <extracomment>Under the top strip of the input window: three lines of 465 pixels of bold 8-point text, of which the English takes two.</extracomment>
        <translation>Skyvarre 為您解讀小行星賽德娜在您本命星盤中的位置，幫助您勇敢面對最嚴峻的難題，最後成為贏家。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Left of the name box, which starts about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The day of the month (1 to 31), as the heading of the day list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Heading of the month list: about 90 pixels of 8-point text (14 characters).</extracomment>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the year list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>年</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <extracomment>Left of the three date lists, which start about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Day of the date of birth</source>
        <extracomment>What a screen reader says of the day list, after its name.</extracomment>
        <translation>出生日期：日</translation>
    </message>
    <message>
        <source>Month of the date of birth</source>
        <translation>出生日期：月</translation>
    </message>
    <message>
        <source>Year of the date of birth</source>
        <translation>出生日期：年</translation>
    </message>
    <message>
        <source>Find My &amp;Sedna Astrology Sign</source>
        <extracomment>The main button, 401 pixels wide: up to twice as long as the English. The letter after &amp; is the Alt key shortcut; choose one that no other control or menu title of this window has.</extracomment>
        <translation>查詢我的賽德娜星座(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 68 pixels wide (about 10 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟體更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>贊助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>線上賺錢(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmReferFriend</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre 圖示</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button 83 pixels wide (about 12 characters); ends the program. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Title of the frame around the refer-a-friend form, 471 pixels wide.</extracomment>
        <translation>推薦給朋友</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>What a screen reader says of the field for the user&apos;s own name.</extracomment>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>您的電子郵件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide, of which the English takes 120. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>立即推薦給朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader says of the message field of the refer-a-friend form.</extracomment>
        <translation>留言</translation>
    </message>
    <message>
        <source>Download Varnholt Softwares</source>
        <extracomment>Title of the navy frame about the maker&apos;s other programs: 249 pixels of bold 10-point text, of which the English takes 218. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Varnholt Softwares 軟體下載</translation>
    </message>
    <message>
        <source>Click Here To Visit Varnholt Softwares</source>
        <extracomment>A link at the foot of the navy frame, to the maker&apos;s catalogue of programs: one line of 239 pixels of bold 8-point text, which the English fills. No longer than the English.</extracomment>
        <translation>按這裡造訪 Varnholt Softwares</translation>
    </message>
    <message>
        <source>Programs like Skyvarre can only be created and kept up with your support. The best support is to visit our discussion forum regularly and to take part in its discussions and activities.</source>
        <extracomment>One of four requests, chosen at random, at the top of the farewell window: four lines of 465 pixels of bold 10-point text; the English takes three, so a translation may be a quarter longer at most. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>像 Skyvarre 這樣的程式，唯有靠您的支持才能開發出來並持續維護。對我們最好的支持，就是常來我們的討論區，參與其中的討論與活動。</translation>
    </message>
    <message>
        <source>Please visit our discussion forum regularly and take part in its discussions and other activities. Without your visits we cannot support and keep up programs like this one.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>請常來我們的討論區，參與其中的討論和各項活動。少了您的造訪，我們就無法繼續支援並維護像本程式這樣的軟體。</translation>
    </message>
    <message>
        <source>Our discussion forum is a free online forum on astrology, tarot, numerology and the other subjects of our programs. Visiting it regularly helps us develop and keep up Skyvarre.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>我們的討論區是免費的線上論壇，話題涵蓋占星、塔羅、數字命理，以及我們程式涉及的其他主題。常來造訪，就是在幫助我們開發和維護 Skyvarre。</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help! Regular visits and taking part in its discussions and activities help us keep up Skyvarre and develop more Varnholt Softwares programs.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>我們的討論區需要您的幫忙！常來造訪並參與其中的討論和活動，能幫助我們維護 Skyvarre，並開發更多 Varnholt Softwares 程式。</translation>
    </message>
    <message>
        <source>Yes, take me to the Varnholt Softwares discussion forum now</source>
        <extracomment>A check box under the support request; ticking it opens the forum in the browser. One line of 8-point text, 479 pixels wide with the box: a third longer than the English at most.</extracomment>
        <translation>好，現在就帶我前往 Varnholt Softwares 討論區</translation>
    </message>
    <message>
        <source>Enjoyed Skyvarre?

Varnholt Softwares offers a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult.

They are simple to use and full of information. Try them, and share them with your friends and family!

The whole collection is waiting for you on our web site: click the link below.</source>
        <extracomment>On the navy frame at the right of the farewell window, above the link to the maker&apos;s web site (&quot;the link below&quot;): 18 lines of 233 pixels of 9-point text, of which the English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.</extracomment>
        <translation>喜歡 Skyvarre 嗎？

Varnholt Softwares 提供大量關於占星、通靈、塔羅、數字命理與神祕學的程式。

這些程式簡單好用，內容豐富。快來試試看，也和親朋好友分享吧！

所有程式都在我們的網站上等著您：請按下方的連結。</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box text when a space is typed or pasted into an e-mail address field.</extracomment>
        <translation>電子郵件地址不能包含空格</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box text when the user&apos;s and the friend&apos;s e-mail addresses are the same.</extracomment>
        <translation>您和朋友的電子郵件地址不能相同，請重新輸入</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box text when an e-mail address lacks an @ or a dot.</extracomment>
        <translation>請輸入有效的電子郵件地址</translation>
    </message>
</context>
</TS>
