<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Rammens billede er for stort</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Rammedataene slutter før feltet %1 (rammeblok på %n byte)</numerusform>
            <numerusform>Rammedataene slutter før feltet %1 (rammeblok på %n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Filen er for stor (%1 bytes)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Rammerne kræver mere end %1 bytes hukommelse</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>forsinkelse</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>venstre position</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>øverste position</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Rammen kunne ikke afkodes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; blev ikke fundet</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Denne fil er ikke en gyldig *.gif-fil</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Overløb: mere end %1 rammemarkører</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procedure: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Dato: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Klokkeslæt: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Fejl: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Ikke nok hukommelse</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Ukendt fejl</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Denne kontrol indlæser stadig en fil</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Kontrolarray-elementet &apos;%1&apos; findes ikke</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Typeuoverensstemmelse: ramme %1 har ingen forsinkelse (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Ugyldig egenskabsværdi: timerinterval %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Dataene er ikke en GIF-strøm</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF-dataene indeholder en blok af ukendt type %1 før det første billede</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Rammens billede på %1 x %2 pixels er for stort</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Rammen har ingen farvetabel</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Rammens billeddata har en ugyldig kodestørrelse %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Rammens billeddata slutter før første række</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF-dataene slutter før det første billede</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF-dataene indeholder intet billede</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Rammens billede er tomt</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Om Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Version ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Version %1.%2.%3</translation>
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
        <translation>Fejlhåndtering - Programfejl [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Fejlhåndtering</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Fejlhåndteringen fangede en programfejl.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane beklager ulejligheden, men programmet &apos;Reelkit.ocx&apos; har udløst en fejl.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Fejl:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Hvis fejlen fortsætter, så kontakt udviklerne af dette program og fortæl dem om fejlen og om, hvordan den kan genskabes (hvis muligt), eller ellers hvad du gjorde, før fejlen opstod.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsæt</translation>
    </message>
</context>
</TS>
