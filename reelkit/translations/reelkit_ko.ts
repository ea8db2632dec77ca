<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ReelkitGif</name>
    <message>
        <source>The frame&apos;s image is too large</source>
        <translation>프레임 이미지가 너무 큽니다</translation>
    </message>
    <message numerus="yes">
        <source>The frame data ends before its %1 field (frame block of %n bytes)</source>
        <extracomment>%1 is the field&apos;s name (delay, left position, top position); %n the block&apos;s size</extracomment>
        <translation>
            <numerusform>프레임 데이터가 %1 필드 전에 끝납니다 (%n바이트 프레임 블록)</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes)</source>
        <translation>파일이 너무 큽니다 (%1바이트)</translation>
    </message>
    <message>
        <source>The frames need more than %1 bytes of memory</source>
        <translation>프레임에 %1바이트보다 많은 메모리가 필요합니다</translation>
    </message>
    <message>
        <source>delay</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>지연 시간</translation>
    </message>
    <message>
        <source>left position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>왼쪽 위치</translation>
    </message>
    <message>
        <source>top position</source>
        <extracomment>Name of a frame&apos;s field, shown in &quot;The frame data ends before its %1 field&quot;</extracomment>
        <translation>위쪽 위치</translation>
    </message>
    <message>
        <source>The frame could not be decoded</source>
        <translation>프레임을 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <extracomment>%1 is the path of the GIF file</extracomment>
        <translation>&apos;%1&apos;을(를) 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>This file is not a valid *.gif file</source>
        <translation>올바른 *.gif 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Overflow: more than %1 frame markers</source>
        <translation>오버플로: 프레임 표식이 %1개보다 많습니다</translation>
    </message>
</context>
<context>
    <name>ReelkitReport</name>
    <message>
        <source>Procedure: %1</source>
        <extracomment>Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()</extracomment>
        <translation>프로시저: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>Report line 2; %1 is the date in the system&apos;s short format</extracomment>
        <translation>날짜: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <extracomment>Report line 3; %1 is the time in the system&apos;s format</extracomment>
        <translation>시간: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>Report line 4; %1 is the description of the failure</extracomment>
        <translation>오류: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>메모리 부족</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <extracomment>Error description of a failure that carries no text of its own</extracomment>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>Reelpane</name>
    <message>
        <source>This control is still loading a file</source>
        <translation>이 컨트롤은 아직 파일을 불러오는 중입니다</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameElements</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>컨트롤 배열 요소 &apos;%1&apos;이(가) 없습니다</translation>
    </message>
    <message>
        <source>Type mismatch: frame %1 has no delay (&apos;%2&apos;)</source>
        <extracomment>%1 is the frame&apos;s number, %2 the text that stands where its delay should be</extracomment>
        <translation>형식 불일치: 프레임 %1에 지연 시간이 없습니다 (&apos;%2&apos;)</translation>
    </message>
</context>
<context>
    <name>reelkit::FrameStepper</name>
    <message>
        <source>Invalid property value: timer interval %1</source>
        <translation>잘못된 속성 값: 타이머 간격 %1</translation>
    </message>
</context>
<context>
    <name>reelkit::GifStreamParser</name>
    <message>
        <source>The data is not a GIF stream</source>
        <translation>데이터가 GIF 스트림이 아닙니다</translation>
    </message>
    <message>
        <source>The GIF data holds a block of unknown type %1 before its first image</source>
        <extracomment>%1 is the block&apos;s type byte as a decimal number</extracomment>
        <translation>GIF 데이터의 첫 이미지 앞에 알 수 없는 유형 %1의 블록이 있습니다</translation>
    </message>
    <message>
        <source>The frame&apos;s image of %1 x %2 pixels is too large</source>
        <extracomment>%1 x %2: width and height of the image in pixels</extracomment>
        <translation>프레임 이미지(%1 x %2 픽셀)가 너무 큽니다</translation>
    </message>
    <message>
        <source>The frame has no colour table</source>
        <translation>프레임에 색상표가 없습니다</translation>
    </message>
    <message>
        <source>The frame&apos;s image data has an invalid code size %1</source>
        <translation>프레임 이미지 데이터의 코드 크기 %1이(가) 잘못되었습니다</translation>
    </message>
    <message>
        <source>The frame&apos;s image data ends before its first row</source>
        <translation>프레임 이미지 데이터가 첫 행 전에 끝납니다</translation>
    </message>
    <message>
        <source>The GIF data ends before its first image</source>
        <translation>GIF 데이터가 첫 이미지 전에 끝납니다</translation>
    </message>
    <message>
        <source>The GIF data holds no image</source>
        <translation>GIF 데이터에 이미지가 없습니다</translation>
    </message>
    <message>
        <source>The frame&apos;s image is empty</source>
        <translation>프레임 이미지가 비어 있습니다</translation>
    </message>
</context>
<context>
    <name>reelkit::frmAbout</name>
    <message>
        <source>About Orvane Reelpane</source>
        <translation>Orvane Reelpane 정보</translation>
    </message>
    <message>
        <source>Version ?.?.?</source>
        <extracomment>Version label before the dialog is shown; the version numbers replace it at once</extracomment>
        <translation>버전 ?.?.?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1, %2, %3: major, minor and revision number of the library</extracomment>
        <translation>버전 %1.%2.%3</translation>
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
        <translation>오류 처리기 - 프로그램 오류 [Reelkit.ocx]</translation>
    </message>
    <message>
        <source>Error Handler</source>
        <extracomment>Bold heading of the error report</extracomment>
        <translation>오류 처리기</translation>
    </message>
    <message>
        <source>Error Handler caught a Program Error.</source>
        <translation>오류 처리기가 프로그램 오류를 발견했습니다.</translation>
    </message>
    <message>
        <source>Orvane apologizes for the inconvenience caused but there has been an error raised by the application &apos;Reelkit.ocx&apos;.</source>
        <translation>응용 프로그램 &apos;Reelkit.ocx&apos;에서 오류가 발생했습니다. 불편을 드려 죄송합니다. - Orvane</translation>
    </message>
    <message>
        <source>Error:</source>
        <extracomment>Bold label beside the box that holds the report</extracomment>
        <translation>오류:</translation>
    </message>
    <message>
        <source>If the error continues please contact the Developer Team of this application and inform them about the error and the steps to reproduce it (if possible) otherwise what you were doing before the error occurred.</source>
        <translation>오류가 계속되면 이 응용 프로그램의 개발팀에 연락하여 오류 내용과 (가능하면) 재현 단계를, 어렵다면 오류가 나기 전에 무엇을 하고 있었는지 알려 주십시오.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>계속(&amp;C)</translation>
    </message>
</context>
</TS>
