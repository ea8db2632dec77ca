<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch 徽标</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>单人或双人海战游戏。版本 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>关于 Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>账户文件 %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>名称或密码不能包含换行符</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>名称或密码只能使用 Latin-1 字符</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>名称或密码超过 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>账户文件 %1 原先可被其他用户读取，现已改为仅你本人可读。</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>对手回合</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>你的回合（%1）</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>对手回合（%1）</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>你的回合</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>游戏结束。你输了</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>游戏结束。你赢了。</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>游戏结束。你输了。</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>对手赢了</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>击中</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>未击中</translation>
    </message>
    <message>
        <source>water</source>
        <translation>海水</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>这里放不下%1</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 …（已截断）</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>聊天记录</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>聊天消息</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>多人游戏客户端</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>服务器计算机：</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>状态：等待你按“连接”</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>连接</translation>
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
        <translation>选择电脑难度</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>开始游戏</translation>
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
        <translation>无脑</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>随机开火，可能重复打同一格。</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>花生脑</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>随机开火，从不重复打同一格。</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>常人</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>随机搜索，击中后沿该列追踪敌舰。</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>智多星</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>从不失手。</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>军师</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>根据见过的每次击中、未击中和击沉，向敌舰最可能的位置开火。</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>对手</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>游戏就绪……你的回合</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>选择游戏类型</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>单人游戏</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>多人游戏（服务器）</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>多人游戏（客户端）</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>注销</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>不可能</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>海军上将</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>网络</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>输入的密码不正确或无效</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>无法保存账户：%1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>登录</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>请输入用户名</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>用户名或密码不能包含换行符</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>用户名或密码只能使用西欧（Latin-1）字符</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>用户名或密码不能包含 ¶（它用于分隔网络消息的各部分）</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>无法再创建玩家：上限为 %1 名</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>用户名或密码最多 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>登录</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>创建玩家</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>多人游戏</translation>
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
        <translation>未输入主机。</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>状态：已连接</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>状态：未监听</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock 错误：%1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>对手已断开连接。</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>正在等待对手……（%1）</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>游戏就绪……你的回合（%1）</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>游戏就绪……对手回合（%1）</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>（对手的一条消息被拒绝。）</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>对手发送了不属于游戏的数据。连接已关闭。</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 扇了你一巴掌！</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 扇了 %2 一巴掌</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>状态：正在等待连接</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>你的计算机：%1</translation>
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
        <translation>%1，公布名称为“%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>网络上的游戏</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>网络上的游戏：</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>无法在此列出网络上的游戏。</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>正在查找游戏……</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>部署你的舰船</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>移除舰船</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>自动部署</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>随机部署所有尚未部署的舰船。</translation>
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
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>文件夹 %1 为只读</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 为只读</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 是符号链接，不是普通文件</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 正被另一个程序使用</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 太大，不可能是战绩文件</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>场次</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>最少射击数</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>命中率</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 的战绩</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>战绩</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>无法读取战绩：%1。</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>多人游戏服务器</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>开始游戏</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>驱逐舰</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>巡洋舰</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>导弹舰</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>航空母舰</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>战列舰</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>未计入你的战绩：%1。</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 局游戏</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n 局游戏</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>此处未计入：自 Tidewatch 启动以来玩过的 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>无法加载网络库 %1：%2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>没有待处理的连接请求 %1。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>雷达</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>战舰</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>你的舰队</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>对手的舰队</translation>
    </message>
</context>
</TS>
