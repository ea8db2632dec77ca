<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Tha dealbh an fhrèama ro mhòr</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Tha dàta an fhrèama a&apos; crìochnachadh ron raon %1 aige (bloca frèama le %n bhaidht)</numerusform>
            <numerusform>Tha dàta an fhrèama a&apos; crìochnachadh ron raon %1 aige (bloca frèama le %n bhaidht)</numerusform>
            <numerusform>Tha dàta an fhrèama a&apos; crìochnachadh ron raon %1 aige (bloca frèama le %n baidhtichean)</numerusform>
            <numerusform>Tha dàta an fhrèama a&apos; crìochnachadh ron raon %1 aige (bloca frèama le %n baidht)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Tha am faidhle ro mhòr (%1 baidht)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Feumaidh na frèamaichean barrachd air %1 baidht de chuimhne</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>dàil</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>ionad clì</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>ionad mullaich</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Cha b&apos; urrainn dhuinn am frèam a dhì-chòdachadh</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>Cha deach &apos;%1&apos; a lorg</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Chan e faidhle *.gif dligheach a tha seo</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Cur thairis: barrachd air %1 comharra frèama</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Modh-obrach: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Ceann-là: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Àm: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Mearachd: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Chan eil cuimhne gu leòr ann</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Fàilligeadh neo-aithnichte</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Tha an uidheam-smachd seo fhathast a&apos; luchdadh faidhle</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Chan eil an eileamaid &apos;%1&apos; de dh&apos;arraigh nan uidheaman-smachd ann</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Seòrsa ceàrr: chan eil dàil aig frèam %1 (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Luach roghainn mì-dhligheach: eadar-ama an tìmeir %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Chan e sruth GIF a tha san dàta</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Tha bloca de sheòrsa neo-aithnichte %1 san dàta GIF ron chiad dealbh</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Tha dealbh an fhrèama de %1 x %2 piogsail ro mhòr</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Chan eil clàr dhathan aig an fhrèam</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Tha meud còd mì-dhligheach %1 aig dàta dealbh an fhrèama</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Tha dàta dealbh an fhrèama a&apos; crìochnachadh ron chiad sreath</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Tha an dàta GIF a&apos; crìochnachadh ron chiad dealbh</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Chan eil dealbh sam bith san dàta GIF</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Tha dealbh an fhrèama falamh</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Mu Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Tionndadh ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ceart</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Tionndadh %1.%2.%3</translation>
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
        <translation>Làimhsichear nam mearachdan - Mearachd prògraim [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Làimhsichear nam mearachdan</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Ghlac làimhsichear nam mearachdan mearachd prògraim.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Tha Orvane duilich mun dragh ach thog an aplacaid &apos;Reelkit.ocx&apos; mearachd.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Mearachd:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ma mhaireas a&apos; mhearachd, cuir fios gu sgioba leasachaidh na h-aplacaid seo is innis dhaibh mun mhearachd is na ceuman gus a h-ath-chruthachadh (mas urrainn dhut) no dè bha thu a&apos; dèanamh roimhpe.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Lean air</translation>
    </message>
</context>
</TS>
