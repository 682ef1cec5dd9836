<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
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
        <translation>이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>Message box text for a day past the end of February (29 February in a common year, 30 or 31 February). Means the same as the message for 31 April.</extracomment>
        <translation>존재하지 않는 날짜입니다. 일과 월을 확인하세요.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Message box text for day 31 in a month of 30 days, such as 31 April. Means the same as the message for 30 February; the English differs only by a blank.</extracomment>
        <translation>존재하지 않는 날짜입니다. 일과 월을 확인하세요.</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <extracomment>Message box text when a character other than a letter or a space arrives in the name box. Letters of every script are taken; digits, punctuation and symbols are not.</extracomment>
        <translation>숫자나 기호 없이 문자만 입력하세요.</translation>
    </message>
</context>
<context>
    <name>skyvarre::Interpretation</name>
    <message>
        <source>You will learn to overcome your fears. You will prosper in fields of teaching, education and communication. This will give rise to a significant happening in your life. You will learn to pursue your interests in life and attain satisfaction by achieving happiness in something that you have always wanted to do but never got around to doing it.</source>
        <extracomment>What Sedna in Aries means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation may be about a fifth longer than the English, no more.</extracomment>
        <translation>두려움을 극복하는 법을 배우게 됩니다. 가르치는 일과 교육, 소통 분야에서 성공을 거두고, 이것이 인생의 중요한 사건으로 이어질 것입니다. 자신의 관심사를 좇는 법을 배우고, 늘 하고 싶었지만 미처 시작하지 못했던 일에서 행복을 찾아 만족을 얻게 될 것입니다.</translation>
    </message>
    <message>
        <source>This is a time for new births and new beginnings. You may be able to get over the shame of abuse in childhood if you have gone through it. You may also feel unhappy about some unresolved happenings. There may be droughts, floods and mass destruction on a large scale.</source>
        <extracomment>What Sedna in Taurus means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation may be about half as long again as the English, no more.</extracomment>
        <translation>새로운 탄생과 새로운 시작의 시기입니다. 어린 시절 학대를 겪었다면 이제 그 수치심을 극복할 수 있을지도 모릅니다. 해결되지 않은 일들 때문에 마음이 무거울 수도 있습니다. 대규모 가뭄과 홍수, 파괴가 일어날 수도 있습니다.</translation>
    </message>
</context>
<context>
    <name>skyvarre::Month</name>
    <message>
        <source>January</source>
        <extracomment>A month of the year, alone in the month list of the date of birth (the form used without a day). The list shows 75 pixels of bold 8-point text: no month may be much longer than &quot;September&quot;, which takes 68.</extracomment>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>12월</translation>
    </message>
</context>
<context>
    <name>skyvarre::Program</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box text when the program is started while a copy of it runs already; this copy then ends.</extracomment>
        <translation>프로그램이 이미 실행 중입니다.</translation>
    </message>
</context>
<context>
    <name>skyvarre::SharedLinks</name>
    <message>
        <source>Talk astrology with other readers on our discussion forum. Visit %1</source>
        <extracomment>The banner at the top of the input and result windows, a link: two lines of 472 pixels of bold 9-point text. %1 is the web address of the home page, about 30 characters. The English leaves a quarter of the room free: no more than that longer.</extracomment>
        <translation>토론 포럼에서 다른 독자들과 점성술 이야기를 나눠 보세요. 방문: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Below the About window&apos;s description: three lines of 385 pixels of bold 8-point text, which the English fills but for a fifth of the last line. No longer than the English if possible, a fifth longer at most.</extracomment>
        <translation>재택 창업 기회! 나만의 인터넷 사업을 시작해 온라인으로 돈을 벌어 보세요. 이 소프트웨어를 내 웹사이트의 브랜드로 완전히 바꿔 드립니다.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills. The same offer as the About window&apos;s, with a call to click: no longer than the English.</extracomment>
        <translation>재택 창업 기회! 나만의 인터넷 사업을 시작해 온라인으로 돈을 벌어 보세요. 이 소프트웨어를 내 웹사이트의 브랜드로 완전히 바꿔 드립니다. 자세히 보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills: no longer than the English. The &amp; is a plain ampersand, shown as it is; &quot;Help&quot; is the Help menu. The runs of blanks are as designed, no need to copy them.</extracomment>
        <translation>이 소프트웨어를 내 사이트와 공동 브랜드로 만들어 충성 방문자와 트래픽을 늘리세요. 여기에 사이트 이름과 링크를 넣을 수 있습니다. 자세한 내용은 &apos;도움말&apos;을 보세요. 공동 브랜드에 대해 더 알아보려면 여기를 클릭하세요.</translation>
    </message>
</context>
<context>
    <name>skyvarre::Sign</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>양자리</translation>
    </message>
    <message>
        <source>Taurus</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>황소자리</translation>
    </message>
    <message>
        <source>Gemini</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>쌍둥이자리</translation>
    </message>
</context>
<context>
    <name>skyvarre::TellAFriend</name>
    <message>
        <source>Your Name</source>
        <extracomment>Prompt inside the empty field for the user&apos;s own name on the farewell window, which holds about 35 characters.</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when the user&apos;s own name is left empty.</extracomment>
        <translation>이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Prompt inside the empty field for the user&apos;s e-mail address (35 characters).</extracomment>
        <translation>이메일 주소</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box text when the user&apos;s e-mail address is left empty.</extracomment>
        <translation>이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Prompt in the message field, which the window keeps out of sight: the form submits it when the field is never touched. No length limit.</extracomment>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box text when the message is left empty.</extracomment>
        <translation>메시지를 입력하세요.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s name (35 characters).</extracomment>
        <translation>친구 이름</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box text when the friend&apos;s name is left empty.</extracomment>
        <translation>친구 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s e-mail address (35 characters).</extracomment>
        <translation>친구 이메일 주소</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box text when the friend&apos;s e-mail address is left empty.</extracomment>
        <translation>친구 이메일 주소를 입력하세요.</translation>
    </message>
</context>
<context>
    <name>skyvarre::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page. Two lines: put a line break between the statement and the question. (&quot;There maybe&quot; is as designed; translate the meaning: there may be an update.)</extracomment>
        <translation>이 소프트웨어의 업데이트가 나와 있을 수 있습니다.
업데이트를 확인하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmAbout</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre 아이콘</translation>
    </message>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This asteroid is also known as the Goddess of the Sea. This sign helps you understand yourself and prepare yourself to survive against all odds. Skyvarre is published by Varnholt Softwares.</source>
        <extracomment>The About window&apos;s description: five lines of 383 pixels of 8-point text, of which the English takes four. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre는 출생 차트에서 소행성 세드나가 놓인 자리를 알려 줍니다. 이 소행성은 &apos;바다의 여신&apos;으로도 불립니다. 세드나의 별자리는 자신을 이해하고, 어떤 역경 속에서도 살아남을 수 있도록 준비하는 데 도움을 줍니다. Skyvarre는 Varnholt Softwares에서 펴냅니다.</translation>
    </message>
    <message>
        <source>Click here for more details about fully branded editions</source>
        <extracomment>What a screen reader says of the link &quot;Click here for more details&quot; below the offer of fully branded editions.</extracomment>
        <translation>완전 브랜드판에 대해 자세히 알아보려면 여기를 클릭하세요</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>A link at the bottom right of the About window, under the offer of fully branded editions: about 180 pixels of bold 8-point text, of which the English takes 165.</extracomment>
        <translation>자세히 보려면 여기를 클릭</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 84 pixels wide; closes the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link that opens the home page, one line of bold 8-point text under the description. %1 is the web address of the home page, about 30 characters. Hardly any room: the words around the address no longer than &quot;Click here to visit&quot; (120 pixels), say &quot;Visit %1&quot; in the translation&apos;s words.</extracomment>
        <translation>%1 방문</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmDisplay</name>
    <message>
        <source>Sedna in your Chart is Placed in</source>
        <extracomment>The sign&apos;s name follows on the same line, in a label of its own (&quot;... Placed in Aries&quot;): phrase it so that the sign can come last. The line holds about 450 pixels of bold 9-point text for both, of which the English takes 255 (with &quot;Aries&quot;).</extracomment>
        <translation>출생 차트에서 세드나가 자리한 별자리는</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the input window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 81 pixels wide (about 12 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>종료(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>파일</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>웹사이트 방문(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>소프트웨어 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>후원(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>온라인으로 돈 벌기(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmMain</name>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This helps you face the gravest of problems and come out a winner. </source>
        <extracomment>Under the top strip of the input window: three lines of 465 pixels of bold 8-point text, of which the English takes two.</extracomment>
        <translation>Skyvarre는 출생 차트에서 소행성 세드나가 놓인 자리를 알려 줍니다. 가장 심각한 문제에도 맞서 승리할 수 있도록 도와줍니다. </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Left of the name box, which starts about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>The day of the month (1 to 31), as the heading of the day list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>일</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>Heading of the month list: about 90 pixels of 8-point text (14 characters).</extracomment>
        <translation>월</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the year list: about 80 pixels of 8-point text (12 characters).</extracomment>
        <translation>연도</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <extracomment>Left of the three date lists, which start about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>생년월일</translation>
    </message>
    <message>
        <source>Day of the date of birth</source>
        <extracomment>What a screen reader says of the day list, after its name.</extracomment>
        <translation>생년월일 중 일</translation>
    </message>
    <message>
        <source>Month of the date of birth</source>
        <translation>생년월일 중 월</translation>
    </message>
    <message>
        <source>Year of the date of birth</source>
        <translation>생년월일 중 연도</translation>
    </message>
    <message>
        <source>Find My &amp;Sedna Astrology Sign</source>
        <extracomment>The main button, 401 pixels wide: up to twice as long as the English. The letter after &amp; is the Alt key shortcut; choose one that no other control or menu title of this window has.</extracomment>
        <translation>내 세드나 별자리 찾기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 68 pixels wide (about 10 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>종료(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>파일</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>웹사이트 방문(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>소프트웨어 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>후원(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>온라인으로 돈 벌기(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmReferFriend</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre 아이콘</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button 83 pixels wide (about 12 characters); ends the program. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Title of the frame around the refer-a-friend form, 471 pixels wide.</extracomment>
        <translation>친구에게 추천하기</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>What a screen reader says of the field for the user&apos;s own name.</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>이메일 주소</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>친구 이름</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>친구 이메일 주소</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide, of which the English takes 120. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>지금 친구에게 추천(&amp;N)</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader says of the message field of the refer-a-friend form.</extracomment>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Download Varnholt Softwares</source>
        <extracomment>Title of the navy frame about the maker&apos;s other programs: 249 pixels of bold 10-point text, of which the English takes 218. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Varnholt Softwares 다운로드</translation>
    </message>
    <message>
        <source>Click Here To Visit Varnholt Softwares</source>
        <extracomment>A link at the foot of the navy frame, to the maker&apos;s catalogue of programs: one line of 239 pixels of bold 8-point text, which the English fills. No longer than the English.</extracomment>
        <translation>Varnholt Softwares 방문하기</translation>
    </message>
    <message>
        <source>Programs like Skyvarre can only be created and kept up with your support. The best support is to visit our discussion forum regularly and to take part in its discussions and activities.</source>
        <extracomment>One of four requests, chosen at random, at the top of the farewell window: four lines of 465 pixels of bold 10-point text; the English takes three, so a translation may be a quarter longer at most. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre 같은 프로그램은 여러분의 후원이 있어야만 만들고 유지할 수 있습니다. 가장 좋은 후원은 저희 토론 포럼을 꾸준히 방문하여 토론과 활동에 참여하는 것입니다.</translation>
    </message>
    <message>
        <source>Please visit our discussion forum regularly and take part in its discussions and other activities. Without your visits we cannot support and keep up programs like this one.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>저희 토론 포럼을 꾸준히 방문하여 토론과 여러 활동에 참여해 주세요. 여러분의 방문이 없으면 이 같은 프로그램을 지원하고 유지할 수 없습니다.</translation>
    </message>
    <message>
        <source>Our discussion forum is a free online forum on astrology, tarot, numerology and the other subjects of our programs. Visiting it regularly helps us develop and keep up Skyvarre.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>저희 토론 포럼은 점성술, 타로, 수비학 등 저희 프로그램이 다루는 주제에 관한 무료 온라인 포럼입니다. 꾸준히 방문해 주시면 Skyvarre를 개발하고 유지하는 데 도움이 됩니다.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help! Regular visits and taking part in its discussions and activities help us keep up Skyvarre and develop more Varnholt Softwares programs.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>저희 토론 포럼에 여러분의 도움이 필요합니다! 꾸준한 방문과 토론 및 활동 참여는 Skyvarre를 유지하고 더 많은 Varnholt Softwares 프로그램을 개발하는 데 도움이 됩니다.</translation>
    </message>
    <message>
        <source>Yes, take me to the Varnholt Softwares discussion forum now</source>
        <extracomment>A check box under the support request; ticking it opens the forum in the browser. One line of 8-point text, 479 pixels wide with the box: a third longer than the English at most.</extracomment>
        <translation>예, 지금 Varnholt Softwares 토론 포럼으로 이동합니다</translation>
    </message>
    <message>
        <source>Enjoyed Skyvarre?

Varnholt Softwares offers a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult.

They are simple to use and full of information. Try them, and share them with your friends and family!

The whole collection is waiting for you on our web site: click the link below.</source>
        <extracomment>On the navy frame at the right of the farewell window, above the link to the maker&apos;s web site (&quot;the link below&quot;): 18 lines of 233 pixels of 9-point text, of which the English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.</extracomment>
        <translation>Skyvarre가 마음에 드셨나요?

Varnholt Softwares는 점성술, 심령, 타로, 수비학, 오컬트에 관한 다양한 프로그램을 제공합니다.

모두 사용하기 쉽고 유익한 정보로 가득합니다. 직접 사용해 보시고 친구와 가족에게도 알려 주세요!

모든 프로그램이 저희 웹사이트에서 기다리고 있습니다. 아래 링크를 클릭하세요.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box text when a space is typed or pasted into an e-mail address field.</extracomment>
        <translation>이메일 주소에는 공백을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box text when the user&apos;s and the friend&apos;s e-mail addresses are the same.</extracomment>
        <translation>내 이메일 주소와 친구의 이메일 주소를 서로 다르게 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box text when an e-mail address lacks an @ or a dot.</extracomment>
        <translation>올바른 이메일 주소를 입력하세요.</translation>
    </message>
</context>
</TS>
