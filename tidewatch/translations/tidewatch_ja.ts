<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch のエンブレム</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>1人または2人で遊ぶ海戦ゲーム。バージョン 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Reelpane について</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>アカウントファイル %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>名前やパスワードに改行は使えません</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>名前やパスワードには Latin-1 の文字しか使えません</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>名前やパスワードが %n 文字を超えています</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>アカウントファイル %1 はほかのユーザーも読める状態でした。あなただけが読めるように変更しました。</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>相手のターン</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>あなたのターン (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>相手のターン (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>あなたのターン</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>ゲームオーバー。あなたの負け</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>ゲームオーバー。あなたの勝ち。</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>ゲームオーバー。あなたの負け。</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>相手の勝ち</translation>
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
        <translation>はずれ</translation>
    </message>
    <message>
        <source>water</source>
        <translation>海</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>ここには%1を置けません</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 …（以下省略）</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>チャットログ</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>チャットメッセージ</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>マルチプレイ クライアント</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>サーバーPC：</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>状態：「接続」を押してください</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>接続</translation>
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
        <translation>コンピューターの強さを選択</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>ゲーム開始</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 戻る</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>脳なし</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>ランダムに撃ち、同じマスを二度撃つこともあります。</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>ピーナッツ脳</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>ランダムに撃ちますが、同じマスを二度撃つことはありません。</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>ランダムに探し、命中したらその列に沿って艦を追います。</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>秀才</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>絶対に外しません。</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>天才策士</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>これまでの命中・はずれ・撃沈をすべて踏まえ、艦がいる可能性が最も高いマスを撃ちます。</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>相手</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>準備完了... あなたのターン</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>ゲームの種類を選択</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>1人プレイ</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>マルチプレイ (サーバー)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>マルチプレイ (クライアント)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>次へ &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>ログアウト</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>簡単</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>難しい</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>至難</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>提督</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>ネットワーク</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>入力されたパスワードが正しくないか無効です</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>アカウントを保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>ユーザー名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>ユーザー名を入力してください</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>ユーザー名やパスワードに改行は使えません</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>ユーザー名やパスワードには西欧 (Latin-1) の文字しか使えません</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>ユーザー名やパスワードに ¶ は使えません (ネットワークメッセージの区切りに使われます)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>これ以上プレイヤーを作成できません：上限は %1 人です</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>ユーザー名やパスワードは %n 文字以内にしてください</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>プレイヤー作成</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>マルチプレイ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>ホストが入力されていません。</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>状態：接続済み</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>状態：待ち受けていません</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock エラー：%1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>相手が接続を切断しました。</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>接続が切れました</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>相手を待っています... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>準備完了... あなたのターン (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>準備完了... 相手のターン (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(相手からのメッセージを拒否しました。)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>相手がゲームと関係のないデータを送ってきました。接続を切断しました。</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 にビンタされました！</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 が %2 をビンタしました</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>状態：接続を待っています</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>このPC：%1</translation>
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
        <translation>%2 の %1 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1 (「%2」として公開)</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>ネットワーク上のゲーム</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>ネットワーク上のゲーム：</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>ここではネットワーク上のゲームを一覧表示できません。</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>ゲームを探しています...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>艦を配置してください</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>艦を外す</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>おまかせ配置</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>まだ配置していない艦をすべてランダムに配置します。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ディスクが読み取り専用です</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>フォルダー %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>フォルダー %1 は読み取り専用です</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 は読み取り専用です</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 はシンボリックリンクで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 はほかのプログラムが使用中です</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 は戦績ファイルとしては大きすぎます</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>対戦数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>最少弾数</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>命中率</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 の戦績</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>戦績</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>戦績を読み込めませんでした：%1。</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>マルチプレイ サーバー</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>ゲーム開始</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>駆逐艦</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>巡洋艦</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>ミサイル艦</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>空母</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>戦艦</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>戦績に記録されませんでした：%1。</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1試合</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n試合</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Tidewatch の起動後に遊んだ %1 はここに記録されていません (%2)。</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>ネットワークライブラリ %1 を読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>保留中の接続要求 %1 はありません。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>軍艦</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>自艦隊</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>相手の艦隊</translation>
    </message>
</context>
</TS>
