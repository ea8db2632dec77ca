<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Suaicheantas Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Blàr-mara airson aon no dithis. Tionndadh 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ceart</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Mu Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>faidhle nan cunntasan %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>chan fhaod loidhne ùr a bhith ann an ainm no facal-faire</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>chan fhaod ach caractaran Latin-1 a bhith ann an ainm no facal-faire</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>tha ainm no facal-faire nas fhaide na %n charactar</numerusform>
            <numerusform>tha ainm no facal-faire nas fhaide na %n charactar</numerusform>
            <numerusform>tha ainm no facal-faire nas fhaide na %n caractaran</numerusform>
            <numerusform>tha ainm no facal-faire nas fhaide na %n caractar</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Bha faidhle nan cunntasan %1 ri leughadh le cleachdaichean eile; chan urrainn ach dhut fhèin a leughadh a-nis.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Turas an nàmhad</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Do thuras (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Turas an nàmhad (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Do thuras</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Tha an geama seachad. Chaill thu</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Bhuannaich thu</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Tha an geama seachad. Bhuannaich thu.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Tha an geama seachad. Chaill thu.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Bhuannaich an nàmhaid</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>buille</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>iomrall</translation>
    </message>
    <message>
        <source>water</source>
        <translation>uisge</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>Cha tèid %1 an-seo</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (loidhne air a gearradh)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Loga na cabadaich</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Teachdaireachd cabadaich</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Dà chluicheadair (cliant)</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Frithealaiche:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Staid: A&apos; feitheamh gus am brùth thu Ceangail</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Ceangail</translation>
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
        <translation>Tagh ìre a&apos; choimpiutair</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Tòisich</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Air ais</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Gun eanchainn</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Loisgidh e air thuaiream agus dh&apos;fhaoidte air an aon cheàrnag dà thuras.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Eanchainn cnò-thalmhainn</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Loisgidh e air thuaiream, ach chan ann air an aon cheàrnag dà thuras.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Duine</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Lorgaidh e air thuaiream agus, às dèidh buille, leanaidh e an long sìos a colbh.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Eanchainn mhòr</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Cha tèid e iomrall idir.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Sàr-inntinn</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Loisgidh e far as coltaiche gu bheil long, a rèir gach buille, iomrall is long a chaidh fodha a chunnaic e.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Nàmhaid</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Geama deiseil... Do thuras</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Tagh seòrsa geama</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Aon chluicheadair</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Dà chluicheadair (frithealaiche)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Dà chluicheadair (cliant)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Lean air &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Falbh</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Furasta</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Meadhanach</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Doirbh</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Do-dhèanta</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Àrd-mharaiche</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Lìonra</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Tha am facal-faire a chuir thu a-steach ceàrr no mì-dhligheach</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Cha b&apos; urrainn dhuinn an cunntas a shàbhaladh: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Clàradh a-steach</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Ainm:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Facal-faire:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Fios</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fàg</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Feumaidh tu ainm-cleachdaiche a chur a-steach</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Feumaidh tu facal-faire a chur a-steach</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Chan fhaod loidhne ùr a bhith ann an ainm-cleachdaiche no facal-faire</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Chan fhaod ach caractaran taobh an iar na Roinn-Eòrpa (Latin-1) a bhith ann an ainm-cleachdaiche no facal-faire</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Chan fhaod ¶ a bhith ann an ainm-cleachdaiche no facal-faire (sgaraidh e pàirtean nan teachdaireachdan lìonra)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Chan urrainn dhut barrachd chluicheadairean a chruthachadh: &apos;s e %1 an àireamh as motha</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Chan fhaod ainm-cleachdaiche no facal-faire a bhith nas fhaide na %n charactar</numerusform>
            <numerusform>Chan fhaod ainm-cleachdaiche no facal-faire a bhith nas fhaide na %n charactar</numerusform>
            <numerusform>Chan fhaod ainm-cleachdaiche no facal-faire a bhith nas fhaide na %n caractaran</numerusform>
            <numerusform>Chan fhaod ainm-cleachdaiche no facal-faire a bhith nas fhaide na %n caractar</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Clàraich a-steach</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Cluicheadair ùr</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Dà chluicheadair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Sguir</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Cha deach òstair a chur a-steach.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Staid: Ceangailte</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Staid: Chan eil e ag èisteachd</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Mearachd Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Dhùin an nàmhaid an ceangal.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Chaidh an ceangal a chall</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>A&apos; feitheamh ris an nàmhaid... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Geama deiseil... Do thuras (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Geama deiseil... Turas an nàmhad (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Chaidh teachdaireachd on nàmhaid a dhiùltadh.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Chuir an nàmhaid dàta nach buin ris a&apos; gheama. Chaidh an ceangal a dhùnadh.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>Thug %1 sgailc dhut!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>Thug %1 sgailc do %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Staid: A&apos; feitheamh ri ceangal</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>An coimpiutair agad: %1</translation>
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
        <translation>%1 air %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, air ainmeachadh mar “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Geamannan air an lìonra</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Geamannan air an lìonra:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Cha ghabh na geamannan air an lìonra a liostadh an-seo.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>A&apos; lorg geamannan...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Suidhich na longan agad</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Sguab às an long</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Suidhich dhomh</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Suidhichidh seo air thuaiream gach long nach deach a suidheachadh fhathast.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Deiseil</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>tha an diosga làn</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>chan eil an diosga ach ri leughadh</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>cha b&apos; urrainn dhuinn am pasgan %1 a chruthachadh</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>chan eil am pasgan %1 ach ri leughadh</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>chan eil %1 na fhaidhle àbhaisteach</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>chan eil %1 ach ri leughadh</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>tha %1 na cheangal samhlachail, chan e faidhle àbhaisteach</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>tha prògram eile a&apos; cleachdadh %1</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>tha %1 ro mhòr gu bhith na fhaidhle chlàran</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Cluichte</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Buannaichte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Caillte</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Gun chrìochnachadh</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Urchraichean as lugha</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Buillean</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Clàran aig %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Clàran</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Cha b&apos; urrainn dhuinn na clàran a leughadh: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Dà chluicheadair (frithealaiche)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Tòisich</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Milltear</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Crùsair</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Long-rocaidean</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Long-itealan</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Long-bhlàir</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Cha deach seo a chunntadh sna clàran agad: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 gheama</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n gheama</numerusform>
            <numerusform>%n gheama</numerusform>
            <numerusform>%n geamannan</numerusform>
            <numerusform>%n geama</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Gun chunntadh an-seo: %1 a chluicheadh on a thòisich Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Cha b&apos; urrainn dhuinn leabharlann an lìonraidh %1 a luchdadh: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Chan eil iarrtas ceangail a&apos; feitheamh %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>Long-chogaidh</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Clàr-taice</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>An cabhlach agad</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Cabhlach an nàmhad</translation>
    </message>
</context>
</TS>
