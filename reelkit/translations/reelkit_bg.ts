<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>Изображението на кадъра е твърде голямо</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>Данните на кадъра свършват преди полето „%1“ (блок на кадъра от %n байт)</numerusform>
            <numerusform>Данните на кадъра свършват преди полето „%1“ (блок на кадъра от %n байта)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>Файлът е твърде голям (%1 байта)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>Кадрите изискват повече от %1 байта памет</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>забавяне</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>отстъп отляво</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>отстъп отгоре</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>Кадърът не можа да бъде декодиран</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>„%1“ не е намерен</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>Този файл не е валиден файл *.gif</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>Препълване: повече от %1 маркера за кадри</translation>
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
        <translation>Грешка: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Няма достатъчно памет</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>Неизвестна грешка</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>Елементът все още зарежда файл</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елементът „%1“ от масива с контроли не съществува</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>Несъответствие на типа: кадър %1 няма забавяне („%2“)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>Невалидна стойност на свойство: интервал на таймера %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>Данните не са GIF поток</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>Данните на GIF съдържат блок от неизвестен тип %1 преди първото изображение</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>Изображението на кадъра от %1 x %2 пиксела е твърде голямо</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>Кадърът няма цветова таблица</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>Данните на изображението на кадъра имат невалиден размер на кода %1</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>Данните на изображението на кадъра свършват преди първия ред</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>Данните на GIF свършват преди първото изображение</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>Данните на GIF не съдържат изображение</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>Изображението на кадъра е празно</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>За Orvane Reelpane</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>Версия ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>Версия %1.%2.%3</translation>
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
        <translation>Обработка на грешки – програмна грешка [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>Обработка на грешки</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>Обработката на грешки прихвана програмна грешка.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>Orvane се извинява за неудобството, но в приложението „Reelkit.ocx“ възникна грешка.</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>Грешка:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>Ако грешката продължава, моля, свържете се с екипа разработчици на това приложение и им съобщете за грешката и стъпките за възпроизвеждането ѝ (ако е възможно), иначе – какво правехте преди грешката.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Продължи</translation>
    </message>
</context>
</TS>
