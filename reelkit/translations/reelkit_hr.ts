<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Slika okvira je prevelika</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Podaci okvira završavaju prije polja %1 (blok okvira od %n bajta)</numerusform>
            <numerusform>Podaci okvira završavaju prije polja %1 (blok okvira od %n bajta)</numerusform>
            <numerusform>Podaci okvira završavaju prije polja %1 (blok okvira od %n bajtova)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Datoteka je prevelika (%1 bajtova)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Okviri trebaju više od %1 bajtova memorije</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>kašnjenje</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>lijevi položaj</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>gornji položaj</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Okvir nije moguće dekodirati</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>Nije pronađeno: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Ova datoteka nije valjana *.gif datoteka</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Preljev: više od %1 oznaka okvira</translation>
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
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Vrijeme: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Pogreška: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nema dovoljno memorije</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Nepoznata pogreška</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Ova kontrola još učitava datoteku</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element polja kontrola &apos;%1&apos; ne postoji</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Neslaganje tipa: okvir %1 nema kašnjenje (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Neispravna vrijednost svojstva: interval mjerača %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Podaci nisu GIF tok</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF podaci sadrže blok nepoznate vrste %1 prije prve slike</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Slika okvira od %1 x %2 piksela je prevelika</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Okvir nema tablicu boja</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Slikovni podaci okvira imaju neispravnu veličinu koda %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Slikovni podaci okvira završavaju prije prvog retka</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF podaci završavaju prije prve slike</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF podaci ne sadrže sliku</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Slika okvira je prazna</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>O Orvane Reelpaneu</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Verzija ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Verzija %1.%2.%3</translation>
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
        <translation>Rukovatelj pogreškama - Programska pogreška [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Rukovatelj pogreškama</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Rukovatelj pogreškama uhvatio je programsku pogrešku.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane se ispričava zbog neugodnosti, ali aplikacija &apos;Reelkit.ocx&apos; izazvala je pogrešku.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Pogreška:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ako se pogreška nastavi, obratite se razvojnom timu ove aplikacije i opišite pogrešku i korake za njezino ponavljanje (ako je moguće) ili što ste radili prije nego što se pogreška dogodila.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Nastavi</translation>
    </message>
</context>
</TS>
