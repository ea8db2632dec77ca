<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>フレームの画像が大きすぎます</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>フレームデータが %1 フィールドの前で終わっています (%n バイトのフレームブロック)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>ファイルが大きすぎます (%1 バイト)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>フレームに %1 バイトを超えるメモリが必要です</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>遅延時間</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>左端位置</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>上端位置</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>フレームをデコードできませんでした</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; が見つかりません</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>このファイルは有効な *.gif ファイルではありません</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>オーバーフロー：フレームマーカーが %1 個を超えています</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>プロシージャ：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>日付：%1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>時刻：%1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリ不足です</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>このコントロールはまだファイルを読み込み中です</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>コントロール配列の要素 &apos;%1&apos; は存在しません</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>型が一致しません：フレーム %1 に遅延時間がありません (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>プロパティの値が無効です：タイマー間隔 %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>データが GIF ストリームではありません</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF データの最初の画像の前に、不明な種類 %1 のブロックがあります</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>フレームの画像 (%1 x %2 ピクセル) が大きすぎます</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>フレームにカラーテーブルがありません</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>フレームの画像データのコードサイズ %1 が無効です</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>フレームの画像データが最初の行の前で終わっています</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF データが最初の画像の前で終わっています</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF データに画像がありません</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>フレームの画像が空です</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Orvane Reelpane について</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>バージョン ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <source>© 2026 Orvane. LGPL-2.1-or-later.</source>
        <extracomment>Copyright line of the about box; keep the licence identifier LGPL-2.1-or-later as it is</extracomment>
        <translation>© 2026 Orvane. LGPL-2.1-or-later.</translation>
    </message>
</context>
<context>
    <name>reelkit::frmException</name>
    <message>
        <source>Error Handler - Program Error [Reelkit.ocx]</source>
        <extracomment>Title of the library&apos;s error report; Reelkit.ocx is the library&apos;s file name</extracomment>
        <translation>エラーハンドラー - プログラムエラー [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>エラーハンドラー</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>エラーハンドラーがプログラムエラーを検出しました。</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>アプリケーション &apos;Reelkit.ocx&apos; でエラーが発生しました。ご迷惑をおかけしたことを Orvane よりお詫び申し上げます。</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>エラー：</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>エラーが続く場合は、このアプリケーションの開発チームに連絡し、エラーの内容と再現手順を (可能であれば) お知らせください。難しい場合は、エラーが起きる前に何をしていたかをお知らせください。</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>続行(&amp;C)</translation>
    </message>
</context>
</TS>
