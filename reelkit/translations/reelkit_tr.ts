<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Karenin görüntüsü çok büyük</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Kare verisi %1 alanından önce bitiyor (%n baytlık kare bloğu)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Dosya çok büyük (%1 bayt)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Kareler %1 bayttan fazla bellek gerektiriyor</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>gecikme</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>sol konum</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>üst konum</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Kare çözülemedi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; bulunamadı</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Bu dosya geçerli bir *.gif dosyası değil</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Taşma: %1 kare işaretinden fazla</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Yordam: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Tarih: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Saat: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Hata: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Bu denetim hâlâ bir dosya yüklüyor</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Denetim dizisi öğesi &apos;%1&apos; yok</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Tür uyuşmazlığı: %1 karesinin gecikmesi yok (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Geçersiz özellik değeri: zamanlayıcı aralığı %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Veri bir GIF akışı değil</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF verisinde ilk görüntüden önce bilinmeyen %1 türünde bir blok var</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>%1 x %2 piksellik kare görüntüsü çok büyük</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Karenin renk tablosu yok</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Kare görüntü verisinin kod boyutu %1 geçersiz</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Kare görüntü verisi ilk satırdan önce bitiyor</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF verisi ilk görüntüden önce bitiyor</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF verisinde görüntü yok</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Karenin görüntüsü boş</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Orvane Reelpane Hakkında</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Sürüm ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Sürüm %1.%2.%3</translation>
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
        <translation>Hata İşleyici - Program Hatası [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Hata İşleyici</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Hata İşleyici bir program hatası yakaladı.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane, yaşanan rahatsızlık için özür diler; &apos;Reelkit.ocx&apos; uygulaması bir hata verdi.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Hata:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Hata sürerse lütfen bu uygulamanın geliştirici ekibiyle iletişime geçin ve onlara hatayı ve (mümkünse) yeniden oluşturma adımlarını, değilse hatadan önce ne yaptığınızı bildirin.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Devam</translation>
    </message>
</context>
</TS>
