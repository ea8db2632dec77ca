<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch-emblem</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Et søslag for en eller to spillere. Version 0.0.3</translation>
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
        <translation>kontofilen %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>et navn eller kodeord kan ikke indeholde et linjeskift</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>et navn eller kodeord kan kun bruge Latin-1-tegn</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>et navn eller kodeord er længere end %n tegn</numerusform>
            <numerusform>et navn eller kodeord er længere end %n tegn</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Kontofilen %1 kunne læses af andre brugere; nu kan kun du læse den.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Modstanderens tur</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Din tur (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Modstanderens tur (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Din tur</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Spillet er slut. Du tabte</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Du vandt</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Spillet er slut. Du vandt.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Spillet er slut. Du tabte.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Modstanderen vandt</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>ramt</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>forbi</translation>
    </message>
    <message>
        <source>water</source>
        <translation>vand</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 kan ikke være her</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (linjen er afkortet)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Chatlog</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatbesked</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Flerspillerklient</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Servercomputer:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Status: Venter på, at du trykker på Forbind</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Forbind</translation>
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
        <translation>Vælg sværhedsgrad</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spil</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Tilbage</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Ingen hjerne</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Skyder tilfældigt og kan skyde på samme felt to gange.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Ærtehjerne</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Skyder tilfældigt, aldrig på samme felt to gange.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Menneske</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Søger tilfældigt og følger skibet ned langs kolonnen, når den har ramt.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Kloge Åge</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Skyder aldrig forbi.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Mesterhjerne</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Skyder, hvor et skib mest sandsynligt ligger, ud fra alle træf, forbiskud og sænkede skibe, den har set.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Modstander</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Spillet er klar... Din tur</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Vælg spiltype</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Én spiller</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Flerspiller (server)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Flerspiller (klient)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Næste &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Log ud</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Let</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svær</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Umulig</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Netværk</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Det indtastede kodeord er forkert eller ugyldigt</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Kontoen kunne ikke gemmes: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Bruger:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kodeord:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Du skal indtaste et brugernavn</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Du skal indtaste et kodeord</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Et brugernavn eller kodeord må ikke indeholde et linjeskift</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Et brugernavn eller kodeord må kun bruge vesteuropæiske tegn (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Et brugernavn eller kodeord må ikke indeholde ¶ (det adskiller delene i netværksbeskeder)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Der kan ikke oprettes flere spillere: grænsen er %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Et brugernavn eller kodeord må højst være på %n tegn</numerusform>
            <numerusform>Et brugernavn eller kodeord må højst være på %n tegn</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Opret spiller</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Flerspiller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Annullér</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Der blev ikke angivet nogen vært.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Status: Forbundet</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Status: Lytter ikke</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock-fejl: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Modstanderen har lukket forbindelsen.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Forbindelsen blev afbrudt</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Venter på modstander... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Spillet er klar... Din tur (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Spillet er klar... Modstanderens tur (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(En besked fra modstanderen blev afvist.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Modstanderen sendte data, der ikke hører til spillet. Forbindelsen er blevet lukket.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 gav dig en lussing!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 gav %2 en lussing</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Status: Venter på forbindelse</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Din computer: %1</translation>
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
        <translation>%1, annonceret som “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Spil på netværket</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Spil på netværket:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Spil på netværket kan ikke vises her.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Leder efter spil...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Placér dine skibe</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Fjern skib</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Tilfældigt</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Placerer tilfældigt alle skibe, der endnu ikke er placeret.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Færdig</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disken er fuld</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>mappen %1 kunne ikke oprettes</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>mappen %1 er skrivebeskyttet</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 er skrivebeskyttet</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 er et symbolsk link, ikke en almindelig fil</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 bruges af et andet program</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 er for stor til at være en statistikfil</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Spillede</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vundne</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Tabte</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Ikke afsluttede</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Færrest skud</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Træf</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Statistik for %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Statistikken kunne ikke læses: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Flerspillerserver</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spil</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Destroyer</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Krydser</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Missilaffyrer</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Hangarskib</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Slagskib</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Ikke talt med i din statistik: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 spil</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n spil</numerusform>
            <numerusform>%n spil</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Ikke talt med her: %1 spillet, siden Tidewatch startede (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Netværksbiblioteket %1 kunne ikke indlæses: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Der er ingen ventende forbindelsesanmodning %1.</translation>
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
        <translation>Krigsskib</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hovedmenu</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Din flåde</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Modstanderens flåde</translation>
    </message>
</context>
</TS>
