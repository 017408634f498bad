<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>Orbiclock icon</source>
        <translation>Orbiclock のアイコン</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Orbiclock&apos;s own table of 345 countries, regions and parts of countries, with the rules of the mid-1990s.</source>
        <translation>Orbiclock 独自の 345 の国・地域・国の一部の表 (1990 年代半ばの規則)。</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>このコンピューターのタイムゾーンデータベース (IANA tz データベース、パブリックドメイン)。Orbiclock の表の各地点はそのゾーンの 1 つに結び付けられています。</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database, version %1), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>このコンピューターのタイムゾーンデータベース (IANA tz データベース、バージョン %1、パブリックドメイン)。Orbiclock の表の各地点はそのゾーンの 1 つに結び付けられています。</translation>
    </message>
    <message>
        <source>Land and sea: Natural Earth 1:50m and 1:10m land, public domain (naturalearthdata.com).
Time zones of the land: timezone-boundary-builder, Open Database License 1.0, © OpenStreetMap contributors.
Cities of at least 15,000 people, their names, regions and time zones: GeoNames (geonames.org), Creative Commons Attribution 4.0.
Offsets and daylight-saving rules: %1
Today&apos;s names of countries and their parts: iso-codes %2 (Debian), LGPL 2.1 or later.</source>
        <translation>陸地と海: Natural Earth 1:50m および 1:10m land、パブリックドメイン (naturalearthdata.com)。
陸地のタイムゾーン: timezone-boundary-builder、Open Database License 1.0、© OpenStreetMap contributors。
人口 15,000 人以上の都市とその名前・地域・タイムゾーン: GeoNames (geonames.org)、クリエイティブ・コモンズ 表示 4.0。
時差と夏時間の規則: %1
国とその一部の現在の名前: iso-codes %2 (Debian)、LGPL 2.1 以降。</translation>
    </message>
    <message>
        <source>City names in your language: Unicode CLDR %1 (the time zones&apos; exemplar cities), Unicode License v3.</source>
        <translation>お使いの言語による都市名: Unicode CLDR %1（タイムゾーンの代表都市）、Unicode License v3。</translation>
    </message>
    <message>
        <source>About Orbiclock</source>
        <translation>Orbiclock について</translation>
    </message>
    <message>
        <source>Program name</source>
        <translation>プログラム名</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Data credits</source>
        <translation>データの出典</translation>
    </message>
    <message>
        <source>%1 (install the tzdata package for today&apos;s rules).</source>
        <translation>%1 (現在の規則を使うには tzdata パッケージをインストールしてください)。</translation>
    </message>
    <message>
        <source>No time-zone database</source>
        <translation>タイムゾーンデータベースなし</translation>
    </message>
    <message>
        <source>About buttons</source>
        <translation>バージョン情報のボタン</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Brambleway. Orbiclock is free software under the MIT licence; the data above keeps its own.</source>
        <translation>Copyright © 2026 Brambleway. Orbiclock は MIT ライセンスのフリーソフトウェアです。上記のデータにはそれぞれのライセンスが適用されます。</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
</context>
<context>
    <name>CBitmapWnd</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>CClockApp</name>
    <message>
        <source>%1: a copy runs in this session but does not answer; start with --new-instance to run another.
</source>
        <translation>%1: このセッションで実行中のコピーが応答しません。別のコピーを実行するには --new-instance を付けて起動してください。
</translation>
    </message>
</context>
<context>
    <name>CClockCtrl</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
</context>
<context>
    <name>CConvertTimeDialog</name>
    <message>
        <source>Convert a Time</source>
        <translation>時刻の換算</translation>
    </message>
    <message>
        <source>Type a time such as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00; Up and Down change the part at the cursor</source>
        <translation>12:00、12月7日 14:30、2026年12月7日(月) 12:00 のように時刻を入力します。上下キーでカーソル位置の部分を変更します</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>時差</translation>
    </message>
    <message>
        <source>Change day</source>
        <translation>切り替えの日</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>現在(&amp;N)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>no home chosen</source>
        <translation>ホーム未設定</translation>
    </message>
    <message>
        <source>&amp;Home, %1:</source>
        <translation>ホーム、%1(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Selected, %1:</source>
        <translation>選択した場所、%1(&amp;S):</translation>
    </message>
    <message>
        <source>Time at home, %1</source>
        <translation>ホームの時刻、%1</translation>
    </message>
    <message>
        <source>Time at the selected place, %1</source>
        <translation>選択した場所の時刻、%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time Orbiclock can read: type it as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00.</source>
        <translation>「%1」は Orbiclock が読み取れる日時ではありません。12:00、12月7日 14:30、2026年12月7日(月) 12:00 のように入力してください。</translation>
    </message>
    <message>
        <source>Same day</source>
        <translation>同じ日</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>翌日</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>前日</translation>
    </message>
    <message>
        <source>%1 days apart</source>
        <translation>%1 日の差</translation>
    </message>
    <message>
        <source>%1 there, %2.</source>
        <translation>向こうは%1、%2。</translation>
    </message>
    <message>
        <source>at home</source>
        <translation>ホームでは</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1では</translation>
    </message>
    <message>
        <source>%1 does not exist %2: the clocks go forward past it. Shown as %3.</source>
        <translation>%2 %1 は存在しません。時計がその時刻を飛ばして進みます。%3 として表示します。</translation>
    </message>
    <message>
        <source>%1 happens twice %2: the clocks go back. Shown for the first; the second is %3 %4.</source>
        <translation>%2 %1 は 2 回あります。時計が戻るためです。1 回目で表示しています。2 回目は%4 %3 です。</translation>
    </message>
    <message>
        <source>there</source>
        <translation>向こうでは</translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>ホームと同じ時刻</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>%1 ahead of home</source>
        <translation>ホームより %1 進んでいます</translation>
    </message>
    <message>
        <source>%1 behind home</source>
        <translation>ホームより %1 遅れています</translation>
    </message>
</context>
<context>
    <name>CCountryTree</name>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>アフリカ</translation>
    </message>
    <message>
        <source>Asia (exc SE Asia)</source>
        <translation>アジア (東南アジアを除く)</translation>
    </message>
    <message>
        <source>SE Asia</source>
        <translation>東南アジア</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北アメリカ</translation>
    </message>
    <message>
        <source>Central America &amp; West Indies</source>
        <translation>中央アメリカと西インド諸島</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南アメリカ</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>オセアニア</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>国と地域</translation>
    </message>
</context>
<context>
    <name>CFindCountryPage</name>
    <message>
        <source>Find Country/Region</source>
        <translation>国/地域の検索</translation>
    </message>
    <message>
        <source>Country to search for</source>
        <translation>検索する国</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>一致した項目</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>What</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>現在の時刻</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>一部</translation>
    </message>
    <message>
        <source>Found place menu</source>
        <translation>見つかった場所のメニュー</translation>
    </message>
    <message>
        <source>&amp;Pin	Ctrl+P</source>
        <translation>ピン留め(&amp;P)	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>CItemTipWnd</name>
    <message>
        <source>Item tip</source>
        <translation>項目のヒント</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>&amp;Hide</source>
        <translation>隠す(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Set Home</source>
        <translation>ホーム設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Adjust Time</source>
        <translation>時刻の調整(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>国を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>国/地域</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>国と地域</translation>
    </message>
    <message>
        <source>Select &amp;time from list only</source>
        <translation>一覧からのみ時刻を選択(&amp;T)</translation>
    </message>
    <message>
        <source>Select time from list only</source>
        <translation>一覧からのみ時刻を選択</translation>
    </message>
    <message>
        <source>Show &amp;daylight saving</source>
        <translation>夏時間を表示(&amp;D)</translation>
    </message>
    <message>
        <source>Show daylight saving</source>
        <translation>夏時間を表示</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Map offset</source>
        <translation>地図の時差</translation>
    </message>
    <message>
        <source>Home date</source>
        <translation>ホームの日付</translation>
    </message>
    <message>
        <source>Home time</source>
        <translation>ホームの時刻</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>選択した場所の日付</translation>
    </message>
    <message>
        <source>Selected time</source>
        <translation>選択した場所の時刻</translation>
    </message>
    <message>
        <source>Find Country/Region</source>
        <translation>国/地域の検索</translation>
    </message>
    <message>
        <source>No date and time settings found (looked for %1)</source>
        <translation>日付と時刻の設定が見つかりません (%1 を探しました)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>ウィンドウメニュー</translation>
    </message>
    <message>
        <source>&amp;Show At Startup</source>
        <translation>起動時に表示(&amp;S)</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>ログイン時に起動(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Orbiclock...</source>
        <translation>Orbiclock について(&amp;A)...</translation>
    </message>
    <message>
        <source>Orbiclock tray menu</source>
        <translation>通知領域の Orbiclock メニュー</translation>
    </message>
    <message>
        <source>&amp;Show Orbiclock</source>
        <translation>Orbiclock を表示(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit Orbiclock</source>
        <translation>Orbiclock を終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Exit question</source>
        <translation>終了の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Orbiclock ?</source>
        <translation>Orbiclock を終了しますか?</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>設定が保存されていません</translation>
    </message>
    <message>
        <source>Orbiclock could not save its settings in %1 (the file or its folder cannot be written or read, or the file is too large): changes since the last save will be lost at exit.</source>
        <translation>Orbiclock は設定を %1 に保存できませんでした (ファイルまたはフォルダーの読み書きができないか、ファイルが大きすぎます)。前回の保存以降の変更は終了時に失われます。</translation>
    </message>
    <message>
        <source>Place menu</source>
        <translation>場所のメニュー</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>ピン留め(&amp;P)</translation>
    </message>
</context>
<context>
    <name>CMapColourWaitDialog</name>
    <message>
        <source>Changing Map Colours</source>
        <translation>地図の色を変更中</translation>
    </message>
    <message>
        <source>Please wait while the map colour is changed ...</source>
        <translation>地図の色を変更しています。お待ちください...</translation>
    </message>
</context>
<context>
    <name>CMapWnd</name>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
    <message>
        <source>World map: %1 lit</source>
        <translation>世界地図: %1 を強調表示</translation>
    </message>
    <message>
        <source>World map: %1 lit, %2 selected</source>
        <translation>世界地図: %1 を強調表示、%2 を選択</translation>
    </message>
</context>
<context>
    <name>CPanelWnd</name>
    <message>
        <source>Panel</source>
        <translation>パネル</translation>
    </message>
</context>
<context>
    <name>CPinnedList</name>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Pinned places</source>
        <translation>ピン留めした場所</translation>
    </message>
    <message>
        <source>Pinned place menu</source>
        <translation>ピン留めした場所のメニュー</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Rename...	F2</source>
        <translation>名前の変更(&amp;R)...	F2</translation>
    </message>
    <message>
        <source>Move &amp;Up	Ctrl+Up</source>
        <translation>上へ移動(&amp;U)	Ctrl+Up</translation>
    </message>
    <message>
        <source>Move &amp;Down	Ctrl+Down</source>
        <translation>下へ移動(&amp;D)	Ctrl+Down</translation>
    </message>
    <message>
        <source>U&amp;npin	Del</source>
        <translation>ピン留めを外す(&amp;N)	Del</translation>
    </message>
</context>
<context>
    <name>CPropertySheet</name>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Sheet buttons</source>
        <translation>ダイアログのボタン</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CSetCountryPage</name>
    <message>
        <source>Country/Region</source>
        <translation>国/地域</translation>
    </message>
    <message>
        <source>Current Home Country/Region</source>
        <translation>現在のホームの国/地域</translation>
    </message>
    <message>
        <source>Available Countries/Regions</source>
        <translation>選択できる国/地域</translation>
    </message>
</context>
<context>
    <name>CSetDaylightPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>week of the month</comment>
        <translation>第1</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>week of the month</comment>
        <translation>第2</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>week of the month</comment>
        <translation>第3</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>week of the month</comment>
        <translation>第4</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month</comment>
        <translation>最終</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>調整</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Begin daylight saving</source>
        <translation>夏時間の開始</translation>
    </message>
    <message>
        <source>End daylight saving</source>
        <translation>夏時間の終了</translation>
    </message>
    <message>
        <source>Have Orbiclock make adjustments automatically for me </source>
        <translation>Orbiclock に自動で調整させる</translation>
    </message>
    <message>
        <source>I will make adjustments myself by hand</source>
        <translation>自分で手動で調整する</translation>
    </message>
    <message>
        <source>Don&apos;t adjust my clock for daylight saving</source>
        <translation>夏時間に合わせて時計を調整しない</translation>
    </message>
    <message>
        <source>There&apos;s no daylight saving in this country/region</source>
        <translation>この国/地域には夏時間がない</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>Use Orbiclock&apos;s default dates</source>
        <translation>Orbiclock の既定の日付</translation>
    </message>
    <message>
        <source>Use the following dates</source>
        <translation>次の日付を使う</translation>
    </message>
    <message>
        <source>Begin daylight saving: week</source>
        <translation>夏時間の開始: 週</translation>
    </message>
    <message>
        <source>Begin daylight saving: month</source>
        <translation>夏時間の開始: 月</translation>
    </message>
    <message>
        <source>Begin daylight saving: day</source>
        <translation>夏時間の開始: 曜日</translation>
    </message>
    <message>
        <source>End daylight saving: week</source>
        <translation>夏時間の終了: 週</translation>
    </message>
    <message>
        <source>End daylight saving: month</source>
        <translation>夏時間の終了: 月</translation>
    </message>
    <message>
        <source>End daylight saving: day</source>
        <translation>夏時間の終了: 曜日</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the last Sunday in March</comment>
        <translation>/</translation>
    </message>
    <message>
        <source>&amp;Use this computer&apos;s time-zone database (current rules)</source>
        <translation>このコンピューターのタイムゾーンデータベースを使う (現在の規則)(&amp;U)</translation>
    </message>
    <message>
        <source>Use this computer&apos;s time-zone database (current rules)</source>
        <translation>このコンピューターのタイムゾーンデータベースを使う (現在の規則)</translation>
    </message>
    <message>
        <source>Begins %1</source>
        <translation>%1 に開始</translation>
    </message>
    <message>
        <source>No start ahead</source>
        <translation>今後の開始なし</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>%1 に終了</translation>
    </message>
    <message>
        <source>No end ahead</source>
        <translation>今後の終了なし</translation>
    </message>
</context>
<context>
    <name>CSetHomeSheet</name>
    <message>
        <source>Set Home Country</source>
        <translation>ホームの国の設定</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>国を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>国を検索</translation>
    </message>
    <message>
        <source>Find Home Country/Region</source>
        <translation>ホームの国/地域の検索</translation>
    </message>
</context>
<context>
    <name>CTextWnd</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
</context>
<context>
    <name>CTipTreeCtrl</name>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
</context>
<context>
    <name>ClockCaptions</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The selected clocks&apos; caption: the place and its offset, &quot;Phoenix (GMT-7:00)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Selected (%1)</source>
        <translation>選択 (%1)</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>国/地域</translation>
    </message>
    <message>
        <source>Countries/Regions in %1</source>
        <translation>%1 の国/地域</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>ホーム(%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>World clock for the desktop: time and date at home and anywhere in the world.</source>
        <translation>デスクトップ用の世界時計: ホームと世界中の時刻と日付。</translation>
    </message>
    <message>
        <source>Start another copy, even when one runs in this session.</source>
        <translation>このセッションで実行中でも、別のコピーを起動します。</translation>
    </message>
    <message>
        <source>Started at login: show the window only when &quot;Show At Startup&quot; is ticked. Any other start shows it.</source>
        <translation>ログイン時の起動: 「起動時に表示」がオンのときだけウィンドウを表示します。それ以外の起動では常に表示します。</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.
</source>
        <translation>%1: 予期しない引数「%2」です。
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>詳しくは「%1 --help」を実行してください。
</translation>
    </message>
    <message>
        <source>%1: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
</source>
        <translation>%1: ウィンドウを表示するディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。
</translation>
    </message>
</context>
<context>
    <name>PinnedRows</name>
    <message>
        <source>0 h</source>
        <translation>0 時間</translation>
    </message>
    <message>
        <source>%1%2 h</source>
        <translation>%1%2 時間</translation>
    </message>
    <message>
        <source>%1%2 h %3</source>
        <translation>%1%2 時間 %3 分</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a pinned place&apos;s sentence</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>ホームと同じ時刻</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Hours and minutes apart: &quot;5 hours 30 minutes&quot;.
----------
A time and its day: &quot;14:05 tomorrow&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 進んでいる</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 遅れている</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>%1 日後</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>not in the built-in table</source>
        <translation>内蔵の表にありません</translation>
    </message>
    <message>
        <source>night</source>
        <translation>夜</translation>
    </message>
</context>
<context>
    <name>PlaceSearch</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Region of %1</source>
        <translation>%1 の地域</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Time zone, %1</source>
        <translation>タイムゾーン、%1</translation>
    </message>
</context>
<context>
    <name>PopupMenus</name>
    <message>
        <source>Map menu</source>
        <translation>地図のメニュー</translation>
    </message>
    <message>
        <source>&amp;Scroll Speed</source>
        <translation>スクロール速度(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>遅い(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>普通(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>速い(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>陸(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sea</source>
        <translation>海(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;Night</source>
        <translation>夜を表示(&amp;N)</translation>
    </message>
    <message>
        <source>C&amp;ancel	Esc</source>
        <translation>キャンセル(&amp;A)	Esc</translation>
    </message>
    <message>
        <source>Time clock menu</source>
        <translation>時計のメニュー</translation>
    </message>
    <message>
        <source>Date clock menu</source>
        <translation>日付のメニュー</translation>
    </message>
    <message>
        <source>&amp;Show Seconds</source>
        <translation>秒を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;24-Hour Clock</source>
        <translation>24 時間表示(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>Con&amp;vert a Time...	Ctrl+T</source>
        <translation>時刻の換算(&amp;V)...	Ctrl+T</translation>
    </message>
    <message>
        <source>C&amp;ancel             	Esc</source>
        <comment>date clock menu: blanks pad it to the time clock menu&apos;s width</comment>
        <translation>キャンセル(&amp;A)             	Esc</translation>
    </message>
    <message>
        <source>Gr&amp;ey</source>
        <comment>colour</comment>
        <translation>灰色(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <comment>colour</comment>
        <translation>青(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <comment>colour</comment>
        <translation>緑(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <comment>colour</comment>
        <translation>赤(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Magenta</source>
        <comment>colour</comment>
        <translation>マゼンタ(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <comment>colour</comment>
        <translation>黄(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Cyan</source>
        <comment>colour</comment>
        <translation>シアン(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>colour</comment>
        <translation>白(&amp;W)</translation>
    </message>
    <message>
        <source>B&amp;lack</source>
        <comment>colour</comment>
        <translation>黒(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Pin Selected Place	Ctrl+P</source>
        <translation>選択した場所をピン留め(&amp;P)	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Pin This Place	Ctrl+P</source>
        <translation>この場所をピン留め(&amp;P)	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>h:mm Ap</source>
        <comment>12-hour time of day as a QLocale pattern: h hour, mm minute, Ap the day period (AM/PM) as the locale writes it; put the period where the language puts it</comment>
        <translation>Ap h:mm</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day and a time, as the lists show them: %1 the day&apos;s short name, %2 the time of day.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy</source>
        <comment>a day as a QLocale pattern: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year</comment>
        <translation>yyyy/MM/dd (ddd)</translation>
    </message>
</context>
<context>
    <name>ZoneDatabase</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A time change&apos;s day and the time before it: &quot;Sun 25 Oct 2026, 03:00&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Clocks change %1 → %2</source>
        <translation>時刻の変更 %1 → %2</translation>
    </message>
    <message>
        <source>Winter time begins %1 → %2</source>
        <translation>冬時間の開始 %1 → %2</translation>
    </message>
    <message>
        <source>Winter time ends %1 → %2</source>
        <translation>冬時間の終了 %1 → %2</translation>
    </message>
    <message>
        <source>Summer time begins %1 → %2</source>
        <translation>夏時間の開始 %1 → %2</translation>
    </message>
    <message>
        <source>Summer time ends %1 → %2</source>
        <translation>夏時間の終了 %1 → %2</translation>
    </message>
    <message>
        <source>No time-zone database: times follow the built-in table</source>
        <translation>タイムゾーンデータベースがありません: 時刻は内蔵の表に従います</translation>
    </message>
    <message>
        <source>No time change ahead</source>
        <translation>今後の時刻の変更なし</translation>
    </message>
</context>
</TS>
