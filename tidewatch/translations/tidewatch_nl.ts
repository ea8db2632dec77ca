<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch-embleem</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Zeeslag voor 1 of 2 spelers. Versie 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Over Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>het accountbestand %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>een naam of wachtwoord mag geen regeleinde bevatten</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>een naam of wachtwoord mag alleen Latin-1-tekens bevatten</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>een naam of wachtwoord is langer dan %n teken</numerusform>
            <numerusform>een naam of wachtwoord is langer dan %n tekens</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Het accountbestand %1 was leesbaar voor andere gebruikers; nu kun alleen jij het lezen.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Tegenstander is aan zet</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Jij bent aan zet (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Tegenstander is aan zet (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Jij bent aan zet</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Game over. Je hebt verloren</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Je hebt gewonnen</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Game over. Je hebt gewonnen.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Game over. Je hebt verloren.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Tegenstander heeft gewonnen</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>raak</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>mis</translation>
    </message>
    <message>
        <source>water</source>
        <translation>water</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 past hier niet</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (ingekort)</translation>
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
        <translation>Chatbericht</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Multiplayer-client</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Status: wacht tot je op Verbinden drukt</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Verbinden</translation>
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
        <translation>Kies moeilijkheid</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Hersenloos</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Schiet willekeurig en kan twee keer op hetzelfde vak schieten.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Erwtenbrein</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Schiet willekeurig, nooit twee keer op hetzelfde vak.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Zoekt willekeurig en volgt na een treffer het schip langs zijn kolom.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Slimmerik</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Mist nooit.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Meesterbrein</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Schiet waar een schip het waarschijnlijkst ligt, op basis van alle treffers, missers en gezonken schepen die hij heeft gezien.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Tegenstander</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Klaar... Jij bent aan zet</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Kies speltype</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Multiplayer (server)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Multiplayer (client)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Verder &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Afmelden</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Onmogelijk</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admiraal</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Netwerk</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Het wachtwoord is onjuist of ongeldig</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Het account kon niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Paswoord:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Voer een gebruikersnaam in</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Voer een wachtwoord in</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Een gebruikersnaam of wachtwoord mag geen regeleinde bevatten</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Een gebruikersnaam of wachtwoord mag alleen West-Europese (Latin-1) tekens bevatten</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Een gebruikersnaam of wachtwoord mag geen ¶ bevatten (dit scheidt de delen van netwerkberichten)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Er kunnen geen spelers meer worden aangemaakt: de limiet is %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Een gebruikersnaam of wachtwoord mag hoogstens %n teken lang zijn</numerusform>
            <numerusform>Een gebruikersnaam of wachtwoord mag hoogstens %n tekens lang zijn</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Nieuwe speler</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Multiplayer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Er is geen host ingevoerd.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Status: verbonden</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Status: luistert niet</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock-fout: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>De tegenstander heeft de verbinding verbroken.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Wachten op tegenstander... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Klaar... Jij bent aan zet (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Klaar... Tegenstander is aan zet (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Een bericht van de tegenstander is geweigerd.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>De tegenstander stuurde gegevens die niet bij het spel horen. De verbinding is verbroken.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 heeft je een klap gegeven!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 heeft %2 een klap gegeven</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Status: wachten op verbinding</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Jouw computer: %1</translation>
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
        <translation>%1 op %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, aangekondigd als “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Spellen op het netwerk</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Spellen op het netwerk:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Spellen op het netwerk kunnen hier niet worden getoond.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Zoeken naar spellen...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Plaats je schepen</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Schip wissen</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Plaatst alle nog niet geplaatste schepen willekeurig.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>de map %1 kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>de map %1 is alleen-lezen</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 is alleen-lezen</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 is een symbolische koppeling, geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wordt gebruikt door een ander programma</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 is te groot voor een scorebestand</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Niet voltooid</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Minste schoten</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Treffers</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Scores van %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Scores</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>De scores konden niet worden gelezen: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Multiplayer-server</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Torpedojager</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kruiser</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Raketwerper</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Vliegdekschip</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Slagschip</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Niet meegeteld in je scores: %1.</translation>
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
            <numerusform>%n spellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Hier niet meegeteld: %1 gespeeld sinds Tidewatch is gestart (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>De netwerkbibliotheek %1 kon niet worden geladen: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Er is geen openstaand verbindingsverzoek %1.</translation>
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
        <translation>Oorlogsschip</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hoofdmenu</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Jouw vloot</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Vloot tegenstander</translation>
    </message>
</context>
</TS>
