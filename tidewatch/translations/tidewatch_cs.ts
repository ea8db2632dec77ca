<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Znak hry Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Námořní bitva pro 1 nebo 2 hráče. Verze 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>O Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>soubor účtů %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>jméno ani heslo nesmí obsahovat zalomení řádku</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>jméno a heslo smí obsahovat jen znaky Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>jméno nebo heslo je delší než %n znak</numerusform>
            <numerusform>jméno nebo heslo je delší než %n znaky</numerusform>
            <numerusform>jméno nebo heslo je delší než %n znaků</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Soubor účtů %1 mohli číst i jiní uživatelé; nyní ho můžete číst jen vy.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Tah soupeře</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Váš tah (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Tah soupeře (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Váš tah</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Konec hry. Prohráli jste</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Vyhráli jste</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Konec hry. Vyhráli jste.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Konec hry. Prohráli jste.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Soupeř vyhrál</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>zásah</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>vedle</translation>
    </message>
    <message>
        <source>water</source>
        <translation>voda</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 se sem nevejde</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (řádek zkrácen)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Záznam chatu</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Zpráva do chatu</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Klient síťové hry</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Počítač serveru:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Stav: Čeká se, až stisknete Připojit</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Připojit</translation>
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
        <translation>Vyberte obtížnost</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spustit hru</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zpět</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Bez mozku</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Střílí náhodně a může vystřelit dvakrát na stejné pole.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Mozek jak oříšek</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Střílí náhodně, ale nikdy dvakrát na stejné pole.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Hledá náhodně a po zásahu sleduje loď dál po jejím sloupci.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Chytrá hlava</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nikdy nemine.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Génius</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Střílí tam, kde loď nejspíš leží, podle všech zásahů, střel vedle a potopení, které viděl.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Soupeř</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Hra připravena... Váš tah</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Vyberte typ hry</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Jeden hráč</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Více hráčů (server)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Více hráčů (klient)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Další &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Odhlásit</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Snadná</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Nemožná</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admirál</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Síť</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Zadané heslo je nesprávné nebo neplatné</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Účet se nepodařilo uložit: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Přihlášení</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Musíte zadat uživatelské jméno</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Musíte zadat heslo</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Uživatelské jméno ani heslo nesmí obsahovat zalomení řádku</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Uživatelské jméno a heslo smí obsahovat jen západoevropské znaky (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Uživatelské jméno ani heslo nesmí obsahovat znak ¶ (odděluje části síťových zpráv)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Další hráče už nelze vytvořit: limit je %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Uživatelské jméno nebo heslo smí mít nejvýše %n znak</numerusform>
            <numerusform>Uživatelské jméno nebo heslo smí mít nejvýše %n znaky</numerusform>
            <numerusform>Uživatelské jméno nebo heslo smí mít nejvýše %n znaků</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Vytvořit hráče</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Síťová hra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nebyl zadán počítač.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Stav: Připojeno</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Stav: Nenaslouchá</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Chyba Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Soupeř ukončil spojení.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Spojení ztraceno</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Čeká se na soupeře... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Hra připravena... Váš tah (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Hra připravena... Tah soupeře (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Zpráva od soupeře byla odmítnuta.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Soupeř poslal data, která nepatří ke hře. Spojení bylo ukončeno.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 vám dává facku!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 dává facku hráči %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Stav: Čeká se na spojení</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Váš počítač: %1</translation>
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
        <translation>%1, ohlášená jako „%2“</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Hry v síti</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Hry v síti:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Hry v síti zde nelze zobrazit.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Hledají se hry...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Rozmístěte své lodě</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Odebrat loď</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Náhodně</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Náhodně rozmístí všechny lodě, které ještě nejsou rozmístěné.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disk je plný</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk je jen pro čtení</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>složku %1 nelze vytvořit</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>složka %1 je jen pro čtení</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 není obyčejný soubor</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 je jen pro čtení</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 je symbolický odkaz, ne obyčejný soubor</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 používá jiný program</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>Soubor %1 je na soubor výsledků příliš velký</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Odehrané</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vyhrané</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Prohrané</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nedohrané</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Nejméně střel</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Zásahy</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Výsledky hráče %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Výsledky nelze načíst: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Server síťové hry</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spustit hru</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Torpédoborec</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Křižník</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Raketomet</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Letadlová loď</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Bitevní loď</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nezapočteno do vašich výsledků: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 hra</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n hra</numerusform>
            <numerusform>%n hry</numerusform>
            <numerusform>%n her</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Hry odehrané od spuštění Tidewatch, které zde nejsou započteny: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Síťovou knihovnu %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Neexistuje žádný čekající požadavek na spojení %1.</translation>
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
        <translation>Válečná loď</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hlavní nabídka</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Vaše flotila</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flotila soupeře</translation>
    </message>
</context>
</TS>
