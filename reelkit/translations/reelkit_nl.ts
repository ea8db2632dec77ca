<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>De afbeelding van het frame is te groot</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>De framegegevens eindigen vóór het veld %1 (frameblok van %n byte)</numerusform>
            <numerusform>De framegegevens eindigen vóór het veld %1 (frameblok van %n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Het bestand is te groot (%1 bytes)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>De frames hebben meer dan %1 bytes geheugen nodig</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>vertraging</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>linkerpositie</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>bovenpositie</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Het frame kon niet worden gedecodeerd</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; niet gevonden</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Dit is geen geldig *.gif-bestand</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Overloop: meer dan %1 framemarkeringen</translation>
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
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Dit besturingselement laadt nog een bestand</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element &apos;%1&apos; van de besturingselementmatrix bestaat niet</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Type komt niet overeen: frame %1 heeft geen vertraging (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Ongeldige eigenschapswaarde: timerinterval %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>De gegevens zijn geen GIF-stroom</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>De GIF-gegevens bevatten vóór de eerste afbeelding een blok van onbekend type %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>De afbeelding van het frame van %1 x %2 pixels is te groot</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Het frame heeft geen kleurentabel</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>De afbeeldingsgegevens van het frame hebben een ongeldige codegrootte %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>De afbeeldingsgegevens van het frame eindigen vóór de eerste rij</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>De GIF-gegevens eindigen vóór de eerste afbeelding</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>De GIF-gegevens bevatten geen afbeelding</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>De afbeelding van het frame is leeg</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Over Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Versie ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Versie %1.%2.%3</translation>
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
        <translation>Foutafhandeling - Programmafout [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Foutafhandeling</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>De foutafhandeling heeft een programmafout onderschept.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane verontschuldigt zich voor het ongemak, maar de toepassing &apos;Reelkit.ocx&apos; heeft een fout veroorzaakt.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Fout:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Als de fout blijft optreden, neem dan contact op met het ontwikkelteam van deze toepassing en beschrijf de fout en de stappen om die te reproduceren (indien mogelijk), of anders wat je deed voordat de fout optrad.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Doorgaan</translation>
    </message>
</context>
</TS>
