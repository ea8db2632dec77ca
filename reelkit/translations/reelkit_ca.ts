<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>La imatge del fotograma és massa gran</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Les dades del fotograma s&apos;acaben abans del camp %1 (bloc de fotograma de %n byte)</numerusform>
            <numerusform>Les dades del fotograma s&apos;acaben abans del camp %1 (bloc de fotograma de %n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>El fitxer és massa gran (%1 bytes)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Els fotogrames necessiten més de %1 bytes de memòria</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>retard</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>posició esquerra</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>posició superior</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>No s&apos;ha pogut descodificar el fotograma</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>No s&apos;ha trobat &apos;%1&apos;</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Aquest fitxer no és un fitxer *.gif vàlid</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Desbordament: més de %1 marcadors de fotograma</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procediment: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Hora: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memòria insuficient</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Error desconegut</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Aquest control encara està carregant un fitxer</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;element &apos;%1&apos; de la matriu de controls no existeix</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Els tipus no coincideixen: el fotograma %1 no té retard (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Valor de propietat no vàlid: interval del temporitzador %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Les dades no són un flux GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Les dades GIF contenen un bloc de tipus desconegut %1 abans de la primera imatge</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>La imatge del fotograma, de %1 x %2 píxels, és massa gran</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>El fotograma no té taula de colors</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Les dades d&apos;imatge del fotograma tenen una mida de codi no vàlida: %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Les dades d&apos;imatge del fotograma s&apos;acaben abans de la primera fila</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Les dades GIF s&apos;acaben abans de la primera imatge</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Les dades GIF no contenen cap imatge</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>La imatge del fotograma és buida</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Quant a Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Versió ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Versió %1.%2.%3</translation>
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
        <translation>Gestor d&apos;errors - Error del programa [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Gestor d&apos;errors</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>El gestor d&apos;errors ha detectat un error del programa.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane demana disculpes per les molèsties, però l&apos;aplicació &apos;Reelkit.ocx&apos; ha generat un error.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Error:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Si l&apos;error persisteix, contacta amb l&apos;equip de desenvolupament d&apos;aquesta aplicació i explica&apos;ls l&apos;error i els passos per reproduir-lo (si és possible) o, si no, què feies abans que es produís.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
</context>
</TS>
