<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>影格圖像太大</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>影格資料在其 %1 欄位之前結束（影格區塊大小為 %n 位元組）</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>檔案太大（%1 位元組）</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>這些影格需要超過 %1 位元組的記憶體</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>延遲時間</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>左側位置</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>頂端位置</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>無法解碼該影格</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>找不到「%1」</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>此檔案不是有效的 *.gif 檔案</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>溢位：影格標記超過 %1 個</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>程序：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>時間：%1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>錯誤：%1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>未知的錯誤</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>此控制項仍在載入檔案</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控制項陣列元素「%1」不存在</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>類型不符：第 %1 個影格沒有延遲時間（「%2」）</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>無效的屬性值：計時器間隔 %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>資料不是 GIF 串流</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF 資料在第一張圖像之前含有未知類型 %1 的區塊</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>%1 x %2 像素的影格圖像太大</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>該影格沒有色彩表</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>影格圖像資料的代碼大小 %1 無效</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>影格圖像資料在第一列之前結束</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF 資料在第一張圖像之前結束</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF 資料不含任何圖像</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>影格圖像為空</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>關於 Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>版本 ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>© 2026 Orvane. LGPL-2.1-or-later.</source>
        <extracomment>Copyright line of the about box; keep the licence identifier LGPL-2.1-or-later as it is</extracomment>
        <translation>© 2026 Orvane。LGPL-2.1-or-later。</translation>
    </message>
</context>
<context>
    <name>reelkit::frmException</name>
    <message>
        <source>Error Handler - Program Error [Reelkit.ocx]</source>
        <extracomment>Title of the library&apos;s error report; Reelkit.ocx is the library&apos;s file name</extracomment>
        <translation>錯誤處理程式 - 程式錯誤 [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>錯誤處理程式</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>錯誤處理程式攔截到一個程式錯誤。</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>應用程式「Reelkit.ocx」發生錯誤，Orvane 對造成的不便深表歉意。</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>錯誤：</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>如果錯誤持續發生，請聯絡本應用程式的開發團隊，告知錯誤情況及重現步驟（如可能），否則請說明出錯前你在做什麼。</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>繼續(&amp;C)</translation>
    </message>
</context>
</TS>
