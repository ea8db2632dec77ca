<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>La imagen del fotograma es demasiado grande</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Los datos del fotograma terminan antes de su campo %1 (bloque de fotograma de %n byte)</numerusform>
            <numerusform>Los datos del fotograma terminan antes de su campo %1 (bloque de fotograma de %n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>El archivo es demasiado grande (%1 bytes)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Los fotogramas necesitan más de %1 bytes de memoria</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>retardo</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>posición izquierda</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>posición superior</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>No se ha podido descodificar el fotograma</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>No se ha encontrado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Este archivo no es un archivo *.gif válido</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Desbordamiento: más de %1 marcas de fotograma</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procedimiento: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Fecha: %1</translation>
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
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Este control aún está cargando un archivo</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>El elemento &apos;%1&apos; de la matriz de controles no existe</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Los tipos no coinciden: el fotograma %1 no tiene retardo (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Valor de propiedad no válido: intervalo del temporizador %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Los datos no son un flujo GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Los datos GIF contienen un bloque de tipo desconocido %1 antes de su primera imagen</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>La imagen del fotograma, de %1 x %2 píxeles, es demasiado grande</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>El fotograma no tiene tabla de colores</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Los datos de imagen del fotograma tienen un tamaño de código no válido: %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Los datos de imagen del fotograma terminan antes de su primera fila</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Los datos GIF terminan antes de su primera imagen</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Los datos GIF no contienen ninguna imagen</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>La imagen del fotograma está vacía</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Acerca de Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Versión ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Versión %1.%2.%3</translation>
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
        <translation>Gestor de errores - Error del programa [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Gestor de errores</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>El gestor de errores ha detectado un error del programa.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane lamenta las molestias, pero la aplicación &apos;Reelkit.ocx&apos; ha producido un error.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Error:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Si el error persiste, contacta con el equipo de desarrollo de esta aplicación e infórmale del error y de los pasos para reproducirlo (si es posible) o, si no, de lo que hacías antes del error.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
</TS>
