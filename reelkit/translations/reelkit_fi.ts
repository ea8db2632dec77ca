<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Kehyksen kuva on liian suuri</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Kehyksen tiedot loppuvat ennen kenttää %1 (%n tavun kehyslohko)</numerusform>
            <numerusform>Kehyksen tiedot loppuvat ennen kenttää %1 (%n tavun kehyslohko)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Tiedosto on liian suuri (%1 tavua)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Kehykset tarvitsevat yli %1 tavua muistia</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>viive</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>vasen reuna</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>yläreuna</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Kehystä ei voitu purkaa</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>Tiedostoa &apos;%1&apos; ei löytynyt</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Tämä tiedosto ei ole kelvollinen *.gif-tiedosto</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Ylivuoto: yli %1 kehysmerkintää</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Aliohjelma: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Päivämäärä: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Aika: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Virhe: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Muisti loppui</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Tuntematon virhe</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Tämä komponentti lataa vielä tiedostoa</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Komponenttitaulukon alkiota &apos;%1&apos; ei ole olemassa</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Tyyppivirhe: kehyksellä %1 ei ole viivettä (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Virheellinen ominaisuuden arvo: ajastimen väli %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Tiedot eivät ole GIF-virta</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF-tiedoissa on tuntematonta tyyppiä %1 oleva lohko ennen ensimmäistä kuvaa</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Kehyksen kuva (%1 x %2 pikseliä) on liian suuri</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Kehyksellä ei ole väritaulukkoa</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Kehyksen kuvatiedoissa on virheellinen koodikoko %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Kehyksen kuvatiedot loppuvat ennen ensimmäistä riviä</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF-tiedot loppuvat ennen ensimmäistä kuvaa</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF-tiedoissa ei ole kuvaa</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Kehyksen kuva on tyhjä</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Tietoja: Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Versio ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Versio %1.%2.%3</translation>
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
        <translation>Virheenkäsittelijä - Ohjelmavirhe [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Virheenkäsittelijä</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Virheenkäsittelijä sieppasi ohjelmavirheen.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane pahoittelee aiheutunutta haittaa, mutta sovellus &apos;Reelkit.ocx&apos; on tuottanut virheen.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Virhe:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Jos virhe toistuu, ota yhteyttä tämän sovelluksen kehittäjätiimiin ja kerro heille virheestä ja sen toistamisen vaiheista (jos mahdollista) tai muuten siitä, mitä teit ennen virheen ilmenemistä.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Jatka</translation>
    </message>
</context>
</TS>
