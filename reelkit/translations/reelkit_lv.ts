<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Kadra attēls ir pārāk liels</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Kadra dati beidzas pirms lauka %1 (kadra bloks ir %n baits)</numerusform>
            <numerusform>Kadra dati beidzas pirms lauka %1 (kadra bloks ir %n baiti)</numerusform>
            <numerusform>Kadra dati beidzas pirms lauka %1 (kadra bloks ir %n baitu)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Fails ir pārāk liels (%1 baiti)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Kadriem vajag vairāk nekā %1 baitu atmiņas</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>aizture</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>kreisā pozīcija</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>augšējā pozīcija</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Kadru nevarēja atkodēt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; nav atrasts</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Šis nav derīgs *.gif fails</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Pārpilde: vairāk nekā %1 kadru marķieru</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procedūra: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Datums: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Laiks: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Kļūda: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nepietiek atmiņas</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Nezināma kļūme</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Šī vadīkla vēl ielādē failu</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Vadīklu masīva elements &apos;%1&apos; nepastāv</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Tipu neatbilstība: kadram %1 nav aiztures (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Nederīga rekvizīta vērtība: taimera intervāls %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Dati nav GIF plūsma</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF datos pirms pirmā attēla ir nezināma tipa %1 bloks</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Kadra attēls (%1 x %2 pikseļi) ir pārāk liels</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Kadram nav krāsu tabulas</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Kadra attēla datiem ir nederīgs koda izmērs %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Kadra attēla dati beidzas pirms pirmās rindas</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF dati beidzas pirms pirmā attēla</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF datos nav neviena attēla</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Kadra attēls ir tukšs</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Par Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Versija ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Versija %1.%2.%3</translation>
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
        <translation>Kļūdu apstrādātājs – programmas kļūda [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Kļūdu apstrādātājs</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Kļūdu apstrādātājs notvēra programmas kļūdu.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane atvainojas par sagādātajām neērtībām, bet lietotnē &apos;Reelkit.ocx&apos; radusies kļūda.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Kļūda:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ja kļūda atkārtojas, lūdzu, sazinies ar šīs lietotnes izstrādātāju komandu un pastāsti par kļūdu un soļiem, kā to atkārtot (ja iespējams), vai arī to, ko darīji pirms kļūdas.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Turpināt</translation>
    </message>
</context>
</TS>
