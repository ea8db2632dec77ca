<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch emblēma</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Jūras kauja 1 vai 2 spēlētājiem. Versija 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Par Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>kontu fails %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>vārdā vai parolē nedrīkst būt rindas pārnesums</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>vārdā vai parolē drīkst būt tikai Latin-1 rakstzīmes</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>vārds vai parole ir garāka par %n rakstzīmi</numerusform>
            <numerusform>vārds vai parole ir garāka par %n rakstzīmēm</numerusform>
            <numerusform>vārds vai parole ir garāka par %n rakstzīmēm</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Kontu failu %1 varēja lasīt citi lietotāji; tagad to vari lasīt tikai tu.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Pretinieka gājiens</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Tavs gājiens (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Pretinieka gājiens (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Tavs gājiens</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Spēle beigusies. Tu zaudēji</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Tu uzvarēji</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Spēle beigusies. Tu uzvarēji.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Spēle beigusies. Tu zaudēji.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Pretinieks uzvarēja</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>trāpīts</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>garām</translation>
    </message>
    <message>
        <source>water</source>
        <translation>ūdens</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 šeit neietilpst</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (rinda saīsināta)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Tērzēšanas žurnāls</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Tērzēšanas ziņa</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Tīkla spēles klients</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Servera dators:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Statuss: gaida, kad nospiedīsi Savienot</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Savienot</translation>
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
        <translation>Izvēlies datora līmeni</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Sākt spēli</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atpakaļ</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Bez smadzenēm</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Šauj uz labu laimi un var divreiz šaut uz to pašu rūtiņu.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Zemesrieksta smadzenes</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Šauj uz labu laimi, nekad divreiz uz to pašu rūtiņu.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Cilvēks</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Meklē uz labu laimi un pēc trāpījuma seko kuģim pa tā kolonnu.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Gudrinieks</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nekad nešauj garām.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Ģēnijs</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Šauj tur, kur kuģis visticamāk atrodas, ņemot vērā katru redzēto trāpījumu, garāmšāvienu un nogremdēšanu.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Pretinieks</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Spēle gatava... Tavs gājiens</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Izvēlies spēles veidu</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Viens spēlētājs</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Tīkla spēle (serveris)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Tīkla spēle (klients)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Tālāk &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Atteikties</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Viegls</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Vidējs</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Grūts</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Neiespējams</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admirālis</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Tīkls</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Ievadītā parole ir nepareiza vai nederīga</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Kontu nevarēja saglabāt: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Pieteikšanās</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Lietotājs:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parole:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Jāievada lietotājvārds</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Jāievada parole</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Lietotājvārdā vai parolē nedrīkst būt rindas pārnesums</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Lietotājvārdā vai parolē drīkst būt tikai Rietumeiropas (Latin-1) rakstzīmes</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Lietotājvārdā vai parolē nedrīkst būt ¶ (tā atdala tīkla ziņojumu daļas)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Vairāk spēlētāju izveidot nevar: ierobežojums ir %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Lietotājvārdā vai parolē drīkst būt ne vairāk kā %n rakstzīme</numerusform>
            <numerusform>Lietotājvārdā vai parolē drīkst būt ne vairāk kā %n rakstzīmes</numerusform>
            <numerusform>Lietotājvārdā vai parolē drīkst būt ne vairāk kā %n rakstzīmes</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Ienākt</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Jauns spēlētājs</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Tīkla spēle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nav ievadīts resursdators.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Statuss: savienots</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Statuss: negaida savienojumu</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock kļūda: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Pretinieks aizvēra savienojumu.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Savienojums zaudēts</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Gaida pretinieku... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Spēle gatava... Tavs gājiens (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Spēle gatava... Pretinieka gājiens (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Pretinieka ziņa tika noraidīta.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Pretinieks nosūtīja datus, kas nav spēles daļa. Savienojums ir aizvērts.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 tevi iepļaukāja!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 iepļaukāja spēlētāju %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Statuss: gaida savienojumu</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Tavs dators: %1</translation>
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
        <translation>%1 datorā %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, izziņota kā “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Spēles tīklā</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Spēles tīklā:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Spēles tīklā šeit nevar parādīt.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Meklē spēles...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Izvieto savus kuģus</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Noņemt kuģi</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Automātiski</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Nejauši izvieto visus vēl neizvietotos kuģus.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Pabeigt</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disks ir pilns</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disks ir tikai lasāms</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>mapi %1 nevarēja izveidot</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>mape %1 ir tikai lasāma</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 nav parasts fails</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ir tikai lasāms</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 ir simboliskā saite, nevis parasts fails</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 izmanto cita programma</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 ir pārāk liels, lai būtu rekordu fails</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Spēles</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Uzvaras</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Zaudējumi</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nepabeigtas</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Vismazāk šāvienu</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Trāpījumi</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 rekordi</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rekordi</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Rekordus nevarēja nolasīt: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Tīkla spēles serveris</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Sākt spēli</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Iznīcinātājs</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kreiseris</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Raķešu kuģis</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Aviobāzes kuģis</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Līnijkuģis</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nav ieskaitīts tavos rekordos: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 spēle</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n spēle</numerusform>
            <numerusform>%n spēles</numerusform>
            <numerusform>%n spēles</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Šeit nav ieskaitīts: %1 kopš Tidewatch palaišanas (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Tīkla bibliotēku %1 nevarēja ielādēt: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Nav gaidoša savienojuma pieprasījuma %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>Radars</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>Karakuģis</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Izvēlne</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Tava flote</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Pretinieka flote</translation>
    </message>
</context>
</TS>
