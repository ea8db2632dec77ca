<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch 엠블럼</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>1인 또는 2인용 해전 게임. 버전 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Reelpane 정보</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>계정 파일 %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>이름이나 암호에는 줄바꿈을 넣을 수 없습니다</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>이름이나 암호에는 Latin-1 문자만 쓸 수 있습니다</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>이름이나 암호가 %n자보다 깁니다</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>계정 파일 %1을(를) 다른 사용자도 읽을 수 있었습니다. 이제 본인만 읽을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>상대 차례</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>내 차례 (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>상대 차례 (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>내 차례</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>게임 종료. 패배</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>게임 종료. 승리했습니다.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>게임 종료. 패배했습니다.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>상대 승리</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>명중</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>빗나감</translation>
    </message>
    <message>
        <source>water</source>
        <translation>바다</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>여기에는 %1을(를) 놓을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (줄 잘림)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>채팅 기록</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>채팅 메시지</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>멀티플레이 클라이언트</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>서버 컴퓨터:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>상태: 연결 버튼을 누르세요</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>연결</translation>
    </message>
</context>
<context>
    <name>ConnectionNotice</name>
    <message>
        <source>(%1)</source>
        <extracomment>A chat log line telling of the connection, set apart from what the players typed</extracomment>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>DifficultyPanel</name>
    <message>
        <source>Select Computer Difficulty</source>
        <translation>컴퓨터 난이도 선택</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>게임 시작</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 뒤로</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>뇌 없음</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>무작위로 쏘며, 같은 칸을 두 번 쏠 수도 있습니다.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>땅콩만 한 뇌</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>무작위로 쏘지만, 같은 칸을 두 번 쏘지는 않습니다.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>인간</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>무작위로 탐색하다가 명중하면 그 열을 따라 배를 추적합니다.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>수재</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>절대 빗나가지 않습니다.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>천재 전략가</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>지금까지 본 모든 명중, 빗나감, 격침을 바탕으로 배가 있을 확률이 가장 높은 곳을 쏩니다.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>상대</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>게임 준비 완료... 내 차례</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>게임 유형 선택</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>1인 플레이</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>멀티플레이 (서버)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>멀티플레이 (클라이언트)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>다음 &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>로그아웃</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>불가능</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>제독</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>네트워크</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>입력한 암호가 틀렸거나 올바르지 않습니다</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>계정을 저장할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>암호:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>사용자 이름을 입력하세요</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>암호를 입력하세요</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>사용자 이름이나 암호에는 줄바꿈을 넣을 수 없습니다</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>사용자 이름이나 암호에는 서유럽(Latin-1) 문자만 쓸 수 있습니다</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>사용자 이름이나 암호에는 ¶ 기호를 쓸 수 없습니다 (네트워크 메시지를 구분하는 데 쓰입니다)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>더 이상 플레이어를 만들 수 없습니다: 최대 %1명입니다</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>사용자 이름이나 암호는 최대 %n자까지 쓸 수 있습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>플레이어 생성</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>멀티플레이</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>호스트를 입력하지 않았습니다.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>상태: 연결됨</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>상태: 대기하지 않음</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock 오류: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>상대가 연결을 끊었습니다.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>상대를 기다리는 중... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>게임 준비 완료... 내 차례 (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>게임 준비 완료... 상대 차례 (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(상대가 보낸 메시지를 거부했습니다.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>상대가 게임과 관계없는 데이터를 보냈습니다. 연결을 끊었습니다.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 님이 당신의 뺨을 때렸습니다!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 님이 %2 님의 뺨을 때렸습니다</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>상태: 연결 대기 중</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>내 컴퓨터: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chat log line: who wrote, then what they wrote</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>%1 on %2 (%3)</source>
        <extracomment>A row of the games found: the player&apos;s name, their computer&apos;s name, its address</extracomment>
        <translation>%1 - %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, “%2”(으)로 공개됨</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>네트워크 게임</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>네트워크 게임:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>여기에서는 네트워크 게임 목록을 볼 수 없습니다.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>게임 찾는 중...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>배를 배치하세요</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>배 제거</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>자동 배치</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>아직 배치하지 않은 배를 모두 무작위로 배치합니다.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>디스크가 읽기 전용입니다</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>폴더 %1은(는) 읽기 전용입니다</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1은(는) 읽기 전용입니다</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1은(는) 심볼릭 링크이며 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1을(를) 다른 프로그램에서 사용 중입니다</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1은(는) 전적 파일로 쓰기에 너무 큽니다</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>경기 수</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>승</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>패</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>미완료</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>최소 발사 수</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>명중률</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1의 전적</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>전적</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>전적을 읽을 수 없습니다: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>멀티플레이 서버</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>게임 시작</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>구축함</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>순양함</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>미사일함</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>항공모함</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>전함</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>전적에 기록되지 않음: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1게임</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n게임</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>여기에 기록되지 않음: Tidewatch 시작 후 플레이한 %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>네트워크 라이브러리 %1을(를) 불러올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>대기 중인 연결 요청 %1이(가) 없습니다.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>군함</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>메인 메뉴</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>내 함대</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>상대 함대</translation>
    </message>
</context>
</TS>
