<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Das Bild des Frames ist zu groß</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Die Framedaten enden vor dem Feld %1 (Frameblock mit %n Byte)</numerusform>
            <numerusform>Die Framedaten enden vor dem Feld %1 (Frameblock mit %n Byte)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Die Datei ist zu groß (%1 Byte)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Die Frames brauchen mehr als %1 Byte Speicher</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>linke Position</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>obere Position</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Der Frame konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>„%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Dies ist keine gültige *.gif-Datei</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Überlauf: mehr als %1 Framemarken</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Prozedur: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Uhrzeit: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Dieses Steuerelement lädt noch eine Datei</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Steuerelementfeld-Element „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Typen unverträglich: Frame %1 hat keine Verzögerung („%2“)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Ungültiger Eigenschaftswert: Timer-Intervall %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Die Daten sind kein GIF-Datenstrom</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Die GIF-Daten enthalten vor dem ersten Bild einen Block unbekannten Typs %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Das Bild des Frames mit %1 x %2 Pixeln ist zu groß</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Der Frame hat keine Farbtabelle</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Die Bilddaten des Frames haben eine ungültige Codegröße %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Die Bilddaten des Frames enden vor der ersten Zeile</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Die GIF-Daten enden vor dem ersten Bild</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Die GIF-Daten enthalten kein Bild</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Das Bild des Frames ist leer</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Über Orvane Reelpane</translation>
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
        <translation>Fehlerbehandlung - Programmfehler [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Fehlerbehandlung</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Die Fehlerbehandlung hat einen Programmfehler abgefangen.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane bittet um Entschuldigung, aber in der Anwendung „Reelkit.ocx“ ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Wenn der Fehler weiterhin auftritt, wende dich bitte an das Entwicklerteam dieser Anwendung und beschreibe den Fehler und die Schritte, um ihn zu reproduzieren (wenn möglich), oder sonst, was du vor dem Fehler getan hast.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
</TS>
