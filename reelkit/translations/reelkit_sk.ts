<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Obrázok snímky je príliš veľký</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Dáta snímky končia pred poľom %1 (blok snímky má %n bajt)</numerusform>
            <numerusform>Dáta snímky končia pred poľom %1 (blok snímky má %n bajty)</numerusform>
            <numerusform>Dáta snímky končia pred poľom %1 (blok snímky má %n bajtov)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Súbor je príliš veľký (%1 B)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Snímky potrebujú viac ako %1 B pamäte</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>oneskorenie</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>pozícia zľava</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>pozícia zhora</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Snímku nemožno dekódovať</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; sa nenašiel</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Tento súbor nie je platný súbor *.gif</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Pretečenie: viac ako %1 značiek snímok</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procedúra: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Dátum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Čas: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Chyba: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatok pamäte</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Neznáma chyba</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Tento ovládací prvok ešte načítava súbor</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Prvok poľa ovládacích prvkov &apos;%1&apos; neexistuje</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Nezhoda typov: snímka %1 nemá oneskorenie (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Neplatná hodnota vlastnosti: interval časovača %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Dáta nie sú dátový prúd GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Dáta GIF obsahujú pred prvým obrázkom blok neznámeho typu %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Obrázok snímky s rozmermi %1 x %2 pixelov je príliš veľký</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Snímka nemá tabuľku farieb</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Obrazové dáta snímky majú neplatnú veľkosť kódu %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Obrazové dáta snímky končia pred prvým riadkom</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Dáta GIF končia pred prvým obrázkom</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Dáta GIF neobsahujú žiadny obrázok</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Obrázok snímky je prázdny</translation>
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
        <translation>Verzia ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Verzia %1.%2.%3</translation>
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
        <translation>Obsluha chýb - Chyba programu [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Obsluha chýb</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Obsluha chýb zachytila chybu programu.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane sa ospravedlňuje za spôsobené nepríjemnosti, ale v aplikácii &apos;Reelkit.ocx&apos; došlo k chybe.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Chyba:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ak chyba pretrváva, obráťte sa na vývojársky tím tejto aplikácie a popíšte mu chybu a kroky, ako ju vyvolať (ak je to možné), inak to, čo ste robili predtým, ako chyba nastala.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Pokračovať</translation>
    </message>
</context>
</TS>
