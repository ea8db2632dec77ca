<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Amblem igre Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Pomorska bitka za 1 ili 2 igrača. Verzija 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>O Reelpaneu</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>datoteka računa %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>ime ili lozinka ne smiju sadržavati prijelom retka</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>ime ili lozinka smiju sadržavati samo znakove Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>ime ili lozinka dulji su od %n znaka</numerusform>
            <numerusform>ime ili lozinka dulji su od %n znaka</numerusform>
            <numerusform>ime ili lozinka dulji su od %n znakova</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Datoteku računa %1 mogli su čitati drugi korisnici; sada je možete čitati samo vi.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Potez protivnika</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Vaš potez (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Potez protivnika (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Vaš potez</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Kraj igre. Izgubili ste</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Pobijedili ste</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Kraj igre. Pobijedili ste.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Kraj igre. Izgubili ste.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Protivnik je pobijedio</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>pogodak</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>promašaj</translation>
    </message>
    <message>
        <source>water</source>
        <translation>voda</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 ovdje ne stane</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (redak skraćen)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Zapis razgovora</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Poruka</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Klijent za više igrača</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Poslužitelj:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Stanje: čeka se da pritisnete Poveži</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Poveži</translation>
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
        <translation>Odaberite težinu</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Pokreni igru</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Natrag</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Bez mozga</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Puca nasumice i može dvaput pucati u isto polje.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Mozak od kikirikija</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Puca nasumice, nikad dvaput u isto polje.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Čovjek</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Traži nasumice, a nakon pogotka prati brod duž njegova stupca.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Pametnjaković</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nikad ne promašuje.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Genij</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Puca gdje je brod najvjerojatnije, prema svakom pogotku, promašaju i potapanju koje je vidio.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Protivnik</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Igra spremna... Vaš potez</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Odaberite vrstu igre</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Jedan igrač</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Više igrača (poslužitelj)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Više igrača (klijent)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Dalje &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Odjava</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Lako</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Teško</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Nemoguće</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Mreža</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Unesena lozinka je netočna ili neispravna</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Račun nije moguće spremiti: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Korisnik:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O igri</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Morate unijeti korisničko ime</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Morate unijeti lozinku</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Korisničko ime ili lozinka ne smiju sadržavati prijelom retka</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Korisničko ime ili lozinka smiju sadržavati samo zapadnoeuropske znakove (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Korisničko ime ili lozinka ne smiju sadržavati ¶ (odvaja dijelove mrežnih poruka)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Ne mogu se stvoriti novi igrači: ograničenje je %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Korisničko ime ili lozinka mogu imati najviše %n znak</numerusform>
            <numerusform>Korisničko ime ili lozinka mogu imati najviše %n znaka</numerusform>
            <numerusform>Korisničko ime ili lozinka mogu imati najviše %n znakova</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Novi igrač</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Više igrača</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nije unesen poslužitelj.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Stanje: povezano</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Stanje: ne sluša</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Pogreška Winsocka: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Protivnik je zatvorio vezu.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Veza izgubljena</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Čeka se protivnik... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Igra spremna... Vaš potez (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Igra spremna... Potez protivnika (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Poruka protivnika je odbijena.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Protivnik je poslao podatke koji nisu dio igre. Veza je zatvorena.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 vas je ošamario!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 je ošamario igrača %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Stanje: čeka se veza</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Vaše računalo: %1</translation>
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
        <translation>%1 na %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, najavljeno kao „%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Igre na mreži</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Igre na mreži:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Igre na mreži ne mogu se ovdje prikazati.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Traženje igara...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Postavite svoje brodove</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Ukloni brod</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Nasumično</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Nasumice postavlja sve još nepostavljene brodove.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Završi</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disk je pun</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk je samo za čitanje</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>mapu %1 nije moguće stvoriti</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>mapa %1 je samo za čitanje</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 nije obična datoteka</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 je samo za čitanje</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 je simbolička poveznica, a ne obična datoteka</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 koristi drugi program</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>Datoteka %1 prevelika je za datoteku rezultata</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Odigrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Dobivene</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Izgubljene</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nedovršene</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Najmanje hitaca</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Pogoci</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Rezultati: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Rezultate nije moguće pročitati: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Poslužitelj za više igrača</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Pokreni igru</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Razarač</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Krstarica</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Raketni brod</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Nosač aviona</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Bojni brod</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nije uračunato u vaše rezultate: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 igra</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n igra</numerusform>
            <numerusform>%n igre</numerusform>
            <numerusform>%n igara</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Ovdje nisu uračunate igre odigrane od pokretanja Tidewatcha: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Mrežnu biblioteku %1 nije moguće učitati: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Nema zahtjeva za vezu na čekanju %1.</translation>
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
        <translation>Ratni brod</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Vaša flota</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Protivnička flota</translation>
    </message>
</context>
</TS>
