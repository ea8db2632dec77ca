<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>L&apos;image de la trame est trop grande</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Les données de la trame s&apos;arrêtent avant son champ %1 (bloc de trame de %n octet)</numerusform>
            <numerusform>Les données de la trame s&apos;arrêtent avant son champ %1 (bloc de trame de %n octets)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Le fichier est trop volumineux (%1 octets)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Les trames nécessitent plus de %1 octets de mémoire</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>délai</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>position gauche</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>position haute</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>La trame n&apos;a pas pu être décodée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos; introuvable</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Ce fichier n&apos;est pas un fichier *.gif valide</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Dépassement&#xa0;: plus de %1 marqueurs de trame</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Procédure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Heure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Ce composant charge encore un fichier</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;élément &apos;%1&apos; du tableau de contrôles n&apos;existe pas</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Incompatibilité de type&#xa0;: la trame %1 n&apos;a pas de délai (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Valeur de propriété non valide&#xa0;: intervalle du minuteur %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Les données ne sont pas un flux GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Les données GIF contiennent un bloc de type inconnu %1 avant la première image</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>L&apos;image de la trame de %1 x %2 pixels est trop grande</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>La trame n&apos;a pas de table de couleurs</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Les données d&apos;image de la trame ont une taille de code non valide %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Les données d&apos;image de la trame s&apos;arrêtent avant la première ligne</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Les données GIF s&apos;arrêtent avant la première image</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Les données GIF ne contiennent aucune image</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>L&apos;image de la trame est vide</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>À propos d&apos;Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Version&#xa0;?.?.?</translation>
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
        <translation>Gestionnaire d&apos;erreurs - Erreur du programme [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Gestionnaire d&apos;erreurs</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Le gestionnaire d&apos;erreurs a détecté une erreur.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane vous prie d&apos;excuser la gêne occasionnée&#xa0;: l&apos;application &apos;Reelkit.ocx&apos; a déclenché une erreur.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Erreur&#xa0;:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Si l&apos;erreur persiste, contactez l&apos;équipe de développement de cette application en décrivant l&apos;erreur et les étapes pour la reproduire (si possible), sinon ce que vous faisiez avant qu&apos;elle survienne.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
</TS>
