<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
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
        <translation>お名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>Message box text for a day past the end of February (29 February in a common year, 30 or 31 February). Means the same as the message for 31 April.</extracomment>
        <translation>この日付は存在しません。日と月を確認してください。</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Message box text for day 31 in a month of 30 days, such as 31 April. Means the same as the message for 30 February; the English differs only by a blank.</extracomment>
        <translation>この日付は存在しません。日と月を確認してください。</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <extracomment>Message box text when a character other than a letter or a space arrives in the name box. Letters of every script are taken; digits, punctuation and symbols are not.</extracomment>
        <translation>名前には文字だけを入力してください。数字や記号は使えません。</translation>
    </message>
</context>
<context>
    <name>skyvarre::Interpretation</name>
    <message>
        <source>You will learn to overcome your fears. You will prosper in fields of teaching, education and communication. This will give rise to a significant happening in your life. You will learn to pursue your interests in life and attain satisfaction by achieving happiness in something that you have always wanted to do but never got around to doing it.</source>
        <extracomment>What Sedna in Aries means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation may be about a fifth longer than the English, no more.</extracomment>
        <translation>あなたは恐れを乗り越えることを学ぶでしょう。教育や指導、コミュニケーションの分野で成功を収め、それが人生の大きな出来事につながります。自分の興味を追い求めることを覚え、ずっとやりたいと思いながら手をつけられずにいたことに喜びを見いだして、満たされるでしょう。</translation>
    </message>
    <message>
        <source>This is a time for new births and new beginnings. You may be able to get over the shame of abuse in childhood if you have gone through it. You may also feel unhappy about some unresolved happenings. There may be droughts, floods and mass destruction on a large scale.</source>
        <extracomment>What Sedna in Taurus means for the reader, below the sign on the result window. Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation may be about half as long again as the English, no more.</extracomment>
        <translation>新たな誕生と新たな始まりの時です。子どもの頃に虐待を受けたことがあるなら、その恥の意識を乗り越えられるかもしれません。一方で、未解決の出来事に心が晴れないこともあるでしょう。大規模な干ばつや洪水、破壊が起こるおそれもあります。</translation>
    </message>
</context>
<context>
    <name>skyvarre::Month</name>
    <message>
        <source>January</source>
        <extracomment>A month of the year, alone in the month list of the date of birth (the form used without a day). The list shows 75 pixels of bold 8-point text: no month may be much longer than &quot;September&quot;, which takes 68.</extracomment>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>See &quot;January&quot;.</extracomment>
        <translation>12月</translation>
    </message>
</context>
<context>
    <name>skyvarre::Program</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Message box text when the program is started while a copy of it runs already; this copy then ends.</extracomment>
        <translation>このプログラムはすでに起動しています。</translation>
    </message>
</context>
<context>
    <name>skyvarre::SharedLinks</name>
    <message>
        <source>Talk astrology with other readers on our discussion forum. Visit %1</source>
        <extracomment>The banner at the top of the input and result windows, a link: two lines of 472 pixels of bold 9-point text. %1 is the web address of the home page, about 30 characters. The English leaves a quarter of the room free: no more than that longer.</extracomment>
        <translation>フォーラムで占星術を語り合いましょう！ %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Below the About window&apos;s description: three lines of 385 pixels of bold 8-point text, which the English fills but for a fifth of the last line. No longer than the English if possible, a fifth longer at most.</extracomment>
        <translation>在宅ビジネスのチャンス！ネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアを、あなたのサイトのブランドで丸ごと提供できます。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills. The same offer as the About window&apos;s, with a call to click: no longer than the English.</extracomment>
        <translation>在宅ビジネスのチャンス！ネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアを、あなたのサイトのブランドで丸ごと提供できます。詳しくはこちらをクリック。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link in the bottom strip of the input and result windows: three lines of 399 pixels of bold 8-point text, which the English fills: no longer than the English. The &amp; is a plain ampersand, shown as it is; &quot;Help&quot; is the Help menu. The runs of blanks are as designed, no need to copy them.</extracomment>
        <translation>このソフトウェアをあなたのサイトとの共同ブランドに。サイトのファンとアクセスを増やせます。ここにサイト名とリンクを表示できます。詳しくは「ヘルプ」をご覧ください。共同ブランドの詳細はこちらをクリック。</translation>
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
        <translation>牡牛座</translation>
    </message>
    <message>
        <source>Gemini</source>
        <extracomment>A zodiac sign, shown on its own after &quot;Sedna in your Chart is Placed in&quot;.</extracomment>
        <translation>双子座</translation>
    </message>
</context>
<context>
    <name>skyvarre::TellAFriend</name>
    <message>
        <source>Your Name</source>
        <extracomment>Prompt inside the empty field for the user&apos;s own name on the farewell window, which holds about 35 characters.</extracomment>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>Message box text when the user&apos;s own name is left empty.</extracomment>
        <translation>お名前を入力してください。</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <extracomment>Prompt inside the empty field for the user&apos;s e-mail address (35 characters).</extracomment>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <extracomment>Message box text when the user&apos;s e-mail address is left empty.</extracomment>
        <translation>メールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>Prompt in the message field, which the window keeps out of sight: the form submits it when the field is never touched. No length limit.</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <extracomment>Message box text when the message is left empty.</extracomment>
        <translation>メッセージを入力してください。</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s name (35 characters).</extracomment>
        <translation>お友達のお名前</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <extracomment>Message box text when the friend&apos;s name is left empty.</extracomment>
        <translation>お友達のお名前を入力してください。</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <extracomment>Prompt inside the empty field for the friend&apos;s e-mail address (35 characters).</extracomment>
        <translation>お友達のメールアドレス</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <extracomment>Message box text when the friend&apos;s e-mail address is left empty.</extracomment>
        <translation>お友達のメールアドレスを入力してください。</translation>
    </message>
</context>
<context>
    <name>skyvarre::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page. Two lines: put a line break between the statement and the question. (&quot;There maybe&quot; is as designed; translate the meaning: there may be an update.)</extracomment>
        <translation>このソフトウェアの新しいバージョンが公開されているかもしれません。
更新を確認しますか?</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmAbout</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre のアイコン</translation>
    </message>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This asteroid is also known as the Goddess of the Sea. This sign helps you understand yourself and prepare yourself to survive against all odds. Skyvarre is published by Varnholt Softwares.</source>
        <extracomment>The About window&apos;s description: five lines of 383 pixels of 8-point text, of which the English takes four. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre は、あなたの出生チャートにおける小惑星セドナの位置を読み解きます。この小惑星は「海の女神」としても知られています。その星座は、あなたが自分自身を理解し、どんな逆境にも負けずに生き抜く備えをする助けとなります。Skyvarre は Varnholt Softwares が発行しています。</translation>
    </message>
    <message>
        <source>Click here for more details about fully branded editions</source>
        <extracomment>What a screen reader says of the link &quot;Click here for more details&quot; below the offer of fully branded editions.</extracomment>
        <translation>完全ブランド版の詳細はこちらをクリックしてください</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>A link at the bottom right of the About window, under the offer of fully branded editions: about 180 pixels of bold 8-point text, of which the English takes 165.</extracomment>
        <translation>詳しくはこちらをクリック</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button 84 pixels wide; closes the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link that opens the home page, one line of bold 8-point text under the description. %1 is the web address of the home page, about 30 characters. Hardly any room: the words around the address no longer than &quot;Click here to visit&quot; (120 pixels), say &quot;Visit %1&quot; in the translation&apos;s words.</extracomment>
        <translation>%1 にアクセス</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmDisplay</name>
    <message>
        <source>Sedna in your Chart is Placed in</source>
        <extracomment>The sign&apos;s name follows on the same line, in a label of its own (&quot;... Placed in Aries&quot;): phrase it so that the sign can come last. The line holds about 450 pixels of bold 9-point text for both, of which the English takes 255 (with &quot;Aries&quot;).</extracomment>
        <translation>あなたのチャートでセドナが位置する星座は</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the input window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 81 pixels wide (about 12 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンライン ヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>Web サイトにアクセス(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmMain</name>
    <message>
        <source>Skyvarre describes the placement of the asteroid Sedna in your birth chart. This helps you face the gravest of problems and come out a winner. </source>
        <extracomment>Under the top strip of the input window: three lines of 465 pixels of bold 8-point text, of which the English takes two.</extracomment>
        <translation>Skyvarre は、あなたの出生チャートにおける小惑星セドナの位置を読み解きます。どんなに困難な問題にも立ち向かい、勝者となる助けになります。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Left of the name box, which starts about 95 pixels further right: 14 characters of bold 8-point text at most.</extracomment>
        <translation>お名前</translation>
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
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Day of the date of birth</source>
        <extracomment>What a screen reader says of the day list, after its name.</extracomment>
        <translation>生年月日の日</translation>
    </message>
    <message>
        <source>Month of the date of birth</source>
        <translation>生年月日の月</translation>
    </message>
    <message>
        <source>Year of the date of birth</source>
        <translation>生年月日の年</translation>
    </message>
    <message>
        <source>Find My &amp;Sedna Astrology Sign</source>
        <extracomment>The main button, 401 pixels wide: up to twice as long as the English. The letter after &amp; is the Alt key shortcut; choose one that no other control or menu title of this window has.</extracomment>
        <translation>私のセドナ星座を調べる(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A button 68 pixels wide (about 10 characters); leaves the window. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu, as a screen reader names it.</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu, as a screen reader names it.</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Item of the File menu that leaves the window.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンライン ヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <extracomment>Opens the maker&apos;s web site.</extracomment>
        <translation>Web サイトにアクセス(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. A title that opens the donation page itself.</extracomment>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>A title on the menu bar, which holds four of them in 484 pixels. Switched off; it would open the offer of fully branded editions.</extracomment>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>skyvarre::frmReferFriend</name>
    <message>
        <source>Skyvarre icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon.</extracomment>
        <translation>Skyvarre のアイコン</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button 83 pixels wide (about 12 characters); ends the program. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <extracomment>Title of the frame around the refer-a-friend form, 471 pixels wide.</extracomment>
        <translation>お友達に紹介</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>What a screen reader says of the field for the user&apos;s own name.</extracomment>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>お友達のお名前</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>お友達のメールアドレス</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide, of which the English takes 120. The letter after &amp; is the Alt key shortcut.</extracomment>
        <translation>今すぐお友達に紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader says of the message field of the refer-a-friend form.</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Download Varnholt Softwares</source>
        <extracomment>Title of the navy frame about the maker&apos;s other programs: 249 pixels of bold 10-point text, of which the English takes 218. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Varnholt Softwares ダウンロード</translation>
    </message>
    <message>
        <source>Click Here To Visit Varnholt Softwares</source>
        <extracomment>A link at the foot of the navy frame, to the maker&apos;s catalogue of programs: one line of 239 pixels of bold 8-point text, which the English fills. No longer than the English.</extracomment>
        <translation>Varnholt Softwares のサイトへ</translation>
    </message>
    <message>
        <source>Programs like Skyvarre can only be created and kept up with your support. The best support is to visit our discussion forum regularly and to take part in its discussions and activities.</source>
        <extracomment>One of four requests, chosen at random, at the top of the farewell window: four lines of 465 pixels of bold 10-point text; the English takes three, so a translation may be a quarter longer at most. Varnholt Softwares is the maker&apos;s name: keep it as it is.</extracomment>
        <translation>Skyvarre のようなプログラムは、皆さまのご支援があってこそ開発し、維持していくことができます。いちばんのご支援は、私たちのフォーラムを定期的に訪れ、議論や活動に参加していただくことです。</translation>
    </message>
    <message>
        <source>Please visit our discussion forum regularly and take part in its discussions and other activities. Without your visits we cannot support and keep up programs like this one.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>私たちのフォーラムを定期的に訪れ、議論やその他の活動にご参加ください。皆さまのご訪問がなければ、このようなプログラムをサポートし、維持していくことはできません。</translation>
    </message>
    <message>
        <source>Our discussion forum is a free online forum on astrology, tarot, numerology and the other subjects of our programs. Visiting it regularly helps us develop and keep up Skyvarre.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>私たちのフォーラムは、占星術、タロット、数秘術など、当社のプログラムが扱うテーマについての無料のオンライン フォーラムです。定期的に訪れていただくことが、Skyvarre の開発と維持の支えになります。</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help! Regular visits and taking part in its discussions and activities help us keep up Skyvarre and develop more Varnholt Softwares programs.</source>
        <extracomment>See the first support request: the same box.</extracomment>
        <translation>私たちのフォーラムは皆さまの助けを必要としています！定期的な訪問と、議論や活動への参加が、Skyvarre の維持と Varnholt Softwares の新しいプログラムの開発を支えます。</translation>
    </message>
    <message>
        <source>Yes, take me to the Varnholt Softwares discussion forum now</source>
        <extracomment>A check box under the support request; ticking it opens the forum in the browser. One line of 8-point text, 479 pixels wide with the box: a third longer than the English at most.</extracomment>
        <translation>はい、今すぐ Varnholt Softwares のフォーラムを開きます</translation>
    </message>
    <message>
        <source>Enjoyed Skyvarre?

Varnholt Softwares offers a large collection of programs on astrology, psychic subjects, tarot, numerology and the occult.

They are simple to use and full of information. Try them, and share them with your friends and family!

The whole collection is waiting for you on our web site: click the link below.</source>
        <extracomment>On the navy frame at the right of the farewell window, above the link to the maker&apos;s web site (&quot;the link below&quot;): 18 lines of 233 pixels of 9-point text, of which the English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.</extracomment>
        <translation>Skyvarre はいかがでしたか？

Varnholt Softwares は、占星術、超能力、タロット、数秘術、オカルトに関するプログラムを豊富に取りそろえています。

どれも使いやすく、情報が満載です。ぜひお試しいただき、ご友人やご家族にも教えてあげてください！

すべてのプログラムを当社の Web サイトでご覧いただけます。下のリンクをクリックしてください。</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Message box text when a space is typed or pasted into an e-mail address field.</extracomment>
        <translation>メールアドレスにスペースは使用できません。</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>Message box text when the user&apos;s and the friend&apos;s e-mail addresses are the same.</extracomment>
        <translation>あなたとお友達とで異なるメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <extracomment>Message box text when an e-mail address lacks an @ or a dot.</extracomment>
        <translation>有効なメールアドレスを入力してください。</translation>
    </message>
</context>
</TS>
