<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch 標誌</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>單人或雙人海戰遊戲。版本 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>關於 Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>帳號檔案 %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>名稱或密碼不能包含換行字元</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>名稱或密碼只能使用 Latin-1 字元</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>名稱或密碼超過 %n 個字元</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>帳號檔案 %1 原先可被其他使用者讀取，現已改為僅你本人可讀。</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>對手回合</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>你的回合（%1）</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>對手回合（%1）</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>你的回合</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>遊戲結束。你輸了</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>你贏了</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>遊戲結束。你贏了。</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>遊戲結束。你輸了。</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>對手贏了</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>命中</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>未命中</translation>
    </message>
    <message>
        <source>water</source>
        <translation>海水</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>這裡放不下%1</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 …（已截斷）</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>聊天記錄</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>聊天訊息</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>多人遊戲用戶端</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>伺服器電腦：</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>狀態：等待你按下「連線」</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>連線</translation>
    </message>
</context>
<context>
    <name>ConnectionNotice</name>
    <message>
        <source>(%1)</source>
        <extracomment>A chat log line telling of the connection, set apart from what the players typed</extracomment>
        <translation>（%1）</translation>
    </message>
</context>
<context>
    <name>DifficultyPanel</name>
    <message>
        <source>Select Computer Difficulty</source>
        <translation>選擇電腦難度</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>開始遊戲</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 上一步</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>無腦</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>隨機開火，可能重複打同一格。</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>花生腦</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>隨機開火，從不重複打同一格。</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>常人</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>隨機搜尋，命中後沿該欄追蹤敵艦。</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>智多星</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>百發百中。</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>軍師</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>依據見過的每次命中、未命中和擊沉，朝敵艦最可能的位置開火。</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>對手</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>遊戲就緒……你的回合</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>選擇遊戲類型</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>單人遊戲</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>多人遊戲（伺服器）</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>多人遊戲（用戶端）</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>登出</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>簡單</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>不可能</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>海軍上將</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>網路</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>輸入的密碼不正確或無效</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>無法儲存帳號：%1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>登入</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>請輸入使用者名稱</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>使用者名稱或密碼不能包含換行字元</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>使用者名稱或密碼只能使用西歐（Latin-1）字元</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>使用者名稱或密碼不能包含 ¶（它用來分隔網路訊息的各部分）</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>無法再建立玩家：上限為 %1 名</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>使用者名稱或密碼最多 %n 個字元</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>登入</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>建立玩家</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>多人遊戲</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>未輸入主機。</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>狀態：已連線</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>狀態：未監聽</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock 錯誤：%1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>對手已中斷連線。</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>連線中斷</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>正在等待對手……（%1）</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>遊戲就緒……你的回合（%1）</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>遊戲就緒……對手回合（%1）</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>（對手的一則訊息遭到拒絕。）</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>對手傳送了不屬於遊戲的資料。連線已關閉。</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 賞了你一巴掌！</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 賞了 %2 一巴掌</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>狀態：正在等待連線</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>你的電腦：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chat log line: who wrote, then what they wrote</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>%1 on %2 (%3)</source>
        <extracomment>A row of the games found: the player&apos;s name, their computer&apos;s name, its address</extracomment>
        <translation>%2 上的 %1（%3）</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1，公告名稱為「%2」</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>網路上的遊戲</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>網路上的遊戲：</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>無法在此列出網路上的遊戲。</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>正在尋找遊戲……</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>部署你的艦艇</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>移除艦艇</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>自動部署</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>隨機部署所有尚未部署的艦艇。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁碟為唯讀</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>無法建立資料夾 %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>資料夾 %1 為唯讀</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 不是一般檔案</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 為唯讀</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 是符號連結，不是一般檔案</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 正被另一個程式使用</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 太大，不可能是戰績檔案</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>場次</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>敗</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>最少射擊數</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>命中率</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 的戰績</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>戰績</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>無法讀取戰績：%1。</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>多人遊戲伺服器</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>開始遊戲</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>驅逐艦</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>巡洋艦</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>飛彈艦</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>航空母艦</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>戰艦</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>未計入你的戰績：%1。</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 局遊戲</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n 局遊戲</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>此處未計入：自 Tidewatch 啟動以來玩過的 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>無法載入網路程式庫 %1：%2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>沒有待處理的連線要求 %1。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>軍艦</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>主選單</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>你的艦隊</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>對手的艦隊</translation>
    </message>
</context>
</TS>
