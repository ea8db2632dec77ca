<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>miss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionNotice</name>
    <message>
        <source>(%1)</source>
        <extracomment>A chat log line telling of the connection, set apart from what the players typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DifficultyPanel</name>
    <message>
        <source>Select Computer Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chat log line: who wrote, then what they wrote</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>%1 on %2 (%3)</source>
        <extracomment>A row of the games found: the player&apos;s name, their computer&apos;s name, its address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
