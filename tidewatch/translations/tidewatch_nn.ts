<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch-emblem</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Eit sjøslag for éin eller to spelarar. Versjon 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Om Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>kontofila %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>eit namn eller passord kan ikkje innehalde linjeskift</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>eit namn eller passord kan berre bruke Latin-1-teikn</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>eit namn eller passord er lengre enn %n teikn</numerusform>
            <numerusform>eit namn eller passord er lengre enn %n teikn</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Kontofila %1 kunne lesast av andre brukarar; no kan berre du lese ho.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Motspelaren sin tur</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Din tur (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Motspelaren sin tur (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Din tur</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Spelet er slutt. Du tapte</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Du vann</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Spelet er slutt. Du vann.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Spelet er slutt. Du tapte.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Motspelaren vann</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>treff</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>bom</translation>
    </message>
    <message>
        <source>water</source>
        <translation>vatn</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 får ikkje plass her</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (linja er kutta)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Chattelogg</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chattemelding</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Fleirspelarklient</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Tenarmaskin:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Status: Ventar på at du trykkjer Kople til</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Kople til</translation>
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
        <translation>Vel nivå for datamaskina</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spelet</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Tilbake</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Hjernelaus</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Skyt tilfeldig og kan skyte på same rute to gonger.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Peanøtthjerne</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Skyt tilfeldig, aldri på same rute to gonger.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Menneske</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Leitar tilfeldig og følgjer skipet langs kolonnen etter eit treff.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Luring</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Bommar aldri.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Meisterhjerne</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Skyt der eit skip truleg ligg, ut frå kvart treff, bom og senka skip det har sett.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Motspelar</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Spelet er klart ... Din tur</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Vel speltype</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Éin spelar</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Fleirspelar (tenar)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Fleirspelar (klient)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Neste &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Logg ut</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Lett</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vanskeleg</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Umogleg</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Nettverk</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Passordet er feil eller ugyldig</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Kunne ikkje lagre kontoen: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Logg inn</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brukar:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Du må skrive inn eit brukarnamn</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Du må skrive inn eit passord</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Brukarnamn eller passord kan ikkje innehalde linjeskift</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Brukarnamn eller passord kan berre bruke vesteuropeiske (Latin-1) teikn</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Brukarnamn eller passord kan ikkje innehalde ¶ (det skil delane av nettverksmeldingar)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Kan ikkje lage fleire spelarar: grensa er %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Brukarnamn eller passord kan vere på høgst %n teikn</numerusform>
            <numerusform>Brukarnamn eller passord kan vere på høgst %n teikn</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Logg inn</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Ny spelar</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Fleirspelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Du skreiv ikkje inn nokon vert.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Status: Tilkopla</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Status: Lyttar ikkje</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock-feil: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Motspelaren har lukka tilkoplinga.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Tilkoplinga vart broten</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Ventar på motspelaren ... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Spelet er klart ... Din tur (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Spelet er klart ... Motspelaren sin tur (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Ei melding frå motspelaren vart avvist.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Motspelaren sende data som ikkje høyrer til spelet. Tilkoplinga er lukka.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 gav deg ein lusing!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 gav %2 ein lusing</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Status: Ventar på tilkopling</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Datamaskina di: %1</translation>
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
        <translation>%1 på %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, kunngjort som «%2»</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Spel på nettverket</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Spel på nettverket:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Spel på nettverket kan ikkje visast her.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Leitar etter spel ...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Plasser skipa dine</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Fjern skip</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Plasser for meg</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Plasserer tilfeldig alle skip som ikkje er plasserte enno.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fullfør</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disken er full</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken er skriveverna</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>kunne ikkje lage mappa %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>mappa %1 er skriveverna</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 er ikkje ei vanleg fil</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 er skriveverna</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 er ei symbolsk lenkje, ikkje ei vanleg fil</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 er i bruk av eit anna program</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 er for stor til å vere ei rekordfil</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Spelt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vunne</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Tapt</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Ikkje ferdig</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Færrast skot</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Treff</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Rekordane til %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rekordar</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Kunne ikkje lese rekordane: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Fleirspelartenar</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spelet</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Jagar</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kryssar</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Rakettskip</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Hangarskip</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Slagskip</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Ikkje rekna med i rekordane dine: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 spel</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n spel</numerusform>
            <numerusform>%n spel</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Ikkje rekna med her: %1 spelt sidan Tidewatch starta (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Kunne ikkje laste nettverksbiblioteket %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Det finst ingen ventande tilkoplingsførespurnad %1.</translation>
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
        <translation>Krigsskip</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hovudmeny</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Flåten din</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flåten til motspelaren</translation>
    </message>
</context>
</TS>
