<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Obraz klatki jest za duży</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Dane klatki kończą się przed polem %1 (blok klatki: %n bajt)</numerusform>
            <numerusform>Dane klatki kończą się przed polem %1 (blok klatki: %n bajty)</numerusform>
            <numerusform>Dane klatki kończą się przed polem %1 (blok klatki: %n bajtów)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Plik jest za duży (rozmiar: %1 B)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Klatki wymagają ponad %1 B pamięci</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>opóźnienia</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>pozycji od lewej</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>pozycji od góry</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Nie można zdekodować klatki</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>Nie znaleziono &apos;%1&apos;</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>To nie jest prawidłowy plik *.gif</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Przepełnienie: ponad %1 znaczników klatek</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procedura: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Godzina: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Ta kontrolka wciąż wczytuje plik</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element tablicy kontrolek &apos;%1&apos; nie istnieje</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Niezgodność typów: klatka %1 nie ma opóźnienia (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Nieprawidłowa wartość właściwości: interwał zegara %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Dane nie są strumieniem GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Dane GIF zawierają blok nieznanego typu %1 przed pierwszym obrazem</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Obraz klatki o wymiarach %1 x %2 pikseli jest za duży</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Klatka nie ma tablicy kolorów</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Dane obrazu klatki mają nieprawidłowy rozmiar kodu %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Dane obrazu klatki kończą się przed pierwszym wierszem</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Dane GIF kończą się przed pierwszym obrazem</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Dane GIF nie zawierają obrazu</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Obraz klatki jest pusty</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>O Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Wersja ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Wersja %1.%2.%3</translation>
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
        <translation>Obsługa błędów – błąd programu [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Obsługa błędów</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Obsługa błędów przechwyciła błąd programu.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane przeprasza za niedogodności, ale w aplikacji &apos;Reelkit.ocx&apos; wystąpił błąd.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Błąd:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Jeśli błąd będzie się powtarzał, skontaktuj się z zespołem programistów tej aplikacji i opisz błąd oraz kroki, które pozwalają go odtworzyć (jeśli to możliwe), a jeśli nie – czynności wykonane przed wystąpieniem błędu.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Kontynuuj</translation>
    </message>
</context>
</TS>
