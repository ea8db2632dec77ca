<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>A képkocka képe túl nagy</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>A képkocka adatai a %1 mező előtt véget érnek (%n bájtos képkockablokk)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>A fájl túl nagy (%1 bájt)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>A képkockákhoz több mint %1 bájt memória kell</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>késleltetés</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>bal pozíció</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>felső pozíció</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>A képkocka nem dekódolható</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; nem található</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Ez a fájl nem érvényes *.gif fájl</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Túlcsordulás: több mint %1 képkockajelölő</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Eljárás: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Dátum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Idő: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Hiba: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Elfogyott a memória</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Ismeretlen hiba</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>A vezérlő még egy fájl betöltésén dolgozik</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Nem létező vezérlőtömb-elem: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Típuseltérés: nincs késleltetés (%1. képkocka: &apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Érvénytelen tulajdonságérték: időzítő-intervallum %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Az adat nem GIF-folyam</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>A GIF-adatban az első kép előtt ismeretlen típusú blokk áll (%1)</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>A képkocka %1 x %2 képpontos képe túl nagy</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>A képkockának nincs színtáblája</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>A képkocka képadatainak kódmérete érvénytelen: %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>A képkocka képadatai az első sor előtt véget érnek</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>A GIF-adat az első kép előtt véget ér</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>A GIF-adat nem tartalmaz képet</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>A képkocka képe üres</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Az Orvane Reelpane-ről</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Verzió ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Verzió %1.%2.%3</translation>
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
        <translation>Hibakezelő - Programhiba [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Hibakezelő</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>A Hibakezelő programhibát észlelt.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Az Orvane elnézést kér a kellemetlenségért, de a &apos;Reelkit.ocx&apos; alkalmazás hibát jelzett.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Hiba:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ha a hiba továbbra is fennáll, értesítsd az alkalmazás fejlesztőcsapatát a hibáról és – ha lehet – a reprodukálás lépéseiről, vagy arról, mit csináltál a hiba előtt.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Folytatás</translation>
    </message>
</context>
</TS>
