<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Зображення кадру завелике</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Дані кадру закінчуються перед полем «%1» (блок кадру: %n байт)</numerusform>
            <numerusform>Дані кадру закінчуються перед полем «%1» (блок кадру: %n байти)</numerusform>
            <numerusform>Дані кадру закінчуються перед полем «%1» (блок кадру: %n байтів)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Файл завеликий (розмір у байтах: %1)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Кадрам потрібно понад %1 байтів пам&apos;яті</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>затримка</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>відступ зліва</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>відступ згори</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Не вдалося декодувати кадр</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>«%1» не знайдено</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Цей файл не є коректним файлом *.gif</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Переповнення: понад %1 міток кадрів</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>Процедура: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>Час: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>Помилка: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатньо пам&apos;яті</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Невідомий збій</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Цей елемент керування ще завантажує файл</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елемент масиву елементів керування «%1» не існує</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Невідповідність типу: кадр %1 не має затримки («%2»)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Неприпустиме значення властивості: інтервал таймера %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Дані не є потоком GIF</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Дані GIF містять блок невідомого типу %1 перед першим зображенням</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Зображення кадру розміром %1 x %2 пікселів завелике</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Кадр не має таблиці кольорів</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Дані зображення кадру мають недійсний розмір коду %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Дані зображення кадру закінчуються перед першим рядком</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Дані GIF закінчуються перед першим зображенням</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Дані GIF не містять жодного зображення</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Зображення кадру порожнє</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Про Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Версія ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Версія %1.%2.%3</translation>
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
        <translation>Обробник помилок — помилка програми [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Обробник помилок</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Обробник помилок перехопив помилку програми.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane перепрошує за незручності: у програмі «Reelkit.ocx» сталася помилка.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Помилка:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Якщо помилка повториться, зверніться до команди розробників цієї програми й повідомте про помилку та кроки для її відтворення (якщо можливо) або про те, що ви робили перед її появою.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Далі</translation>
    </message>
</context>
</TS>
