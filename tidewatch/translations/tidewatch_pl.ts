<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Godło Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Bitwa morska dla 1 lub 2 graczy. Wersja 0.0.3</translation>
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
        <translation>plik kont %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>nazwa ani hasło nie mogą zawierać znaku nowego wiersza</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>nazwa i hasło mogą zawierać tylko znaki Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>nazwa lub hasło jest dłuższe niż %n znak</numerusform>
            <numerusform>nazwa lub hasło jest dłuższe niż %n znaki</numerusform>
            <numerusform>nazwa lub hasło jest dłuższe niż %n znaków</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Plik kont %1 mogli odczytać inni użytkownicy; teraz możesz go odczytać tylko ty.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Tura przeciwnika</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Twoja tura (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Tura przeciwnika (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Twoja tura</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Koniec gry. Przegrana</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Koniec gry. Wygrana.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Koniec gry. Przegrana.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Przeciwnik wygrał</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>trafiony</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>pudło</translation>
    </message>
    <message>
        <source>water</source>
        <translation>woda</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 nie mieści się tutaj</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (wiersz obcięty)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Dziennik czatu</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Wiadomość czatu</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Klient gry sieciowej</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Stan: czekam, aż naciśniesz Połącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Połącz</translation>
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
        <translation>Wybierz poziom trudności</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Zacznij grę</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Bez mózgu</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Strzela losowo i może strzelić dwa razy w to samo pole.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Móżdżek jak orzeszek</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Strzela losowo, ale nigdy dwa razy w to samo pole.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Szuka losowo, a po trafieniu podąża za statkiem wzdłuż jego kolumny.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Mózgowiec</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nigdy nie pudłuje.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Geniusz</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Strzela tam, gdzie najprawdopodobniej stoi statek, biorąc pod uwagę każde trafienie, pudło i zatopienie, jakie widział.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Przeciwnik</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Gra gotowa... Twoja tura</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Wybierz rodzaj gry</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Wielu graczy (serwer)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Wielu graczy (klient)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Dalej &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Wyloguj</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Niemożliwy</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admirał</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Sieć</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Podane hasło jest nieprawidłowe</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Nie udało się zapisać konta: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Musisz podać nazwę użytkownika</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Musisz podać hasło</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Nazwa użytkownika ani hasło nie mogą zawierać znaku nowego wiersza</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Nazwa użytkownika i hasło mogą zawierać tylko znaki zachodnioeuropejskie (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Nazwa użytkownika ani hasło nie mogą zawierać znaku ¶ (oddziela on części wiadomości sieciowych)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Nie można utworzyć więcej graczy: limit wynosi %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Nazwa użytkownika lub hasło może mieć najwyżej %n znak</numerusform>
            <numerusform>Nazwa użytkownika lub hasło może mieć najwyżej %n znaki</numerusform>
            <numerusform>Nazwa użytkownika lub hasło może mieć najwyżej %n znaków</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Utwórz gracza</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Gra sieciowa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nie podano nazwy komputera.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Stan: połączono</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Stan: nie nasłuchuje</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Błąd Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Przeciwnik zamknął połączenie.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Utracono połączenie</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Oczekiwanie na przeciwnika... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Gra gotowa... Twoja tura (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Gra gotowa... Tura przeciwnika (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Odrzucono wiadomość od przeciwnika.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Przeciwnik wysłał dane, które nie należą do gry. Połączenie zostało zamknięte.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 policzkuje cię!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 policzkuje gracza %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Stan: oczekiwanie na połączenie</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Twój komputer: %1</translation>
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
        <translation>%1, ogłoszona jako „%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Gry w sieci</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Gry w sieci:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Nie można tu wyświetlić listy gier w sieci.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Szukanie gier...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Rozmieść swoje statki</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Usuń statek</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Rozmieszcza losowo wszystkie jeszcze nierozmieszczone statki.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>folder %1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 jest dowiązaniem symbolicznym, a nie zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 jest używany przez inny program</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>Plik %1 jest za duży jak na plik wyników</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nieukończone</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Najmniej strzałów</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Trafienia</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Wyniki gracza %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Nie udało się odczytać wyników: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Serwer gry sieciowej</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Zacznij grę</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Niszczyciel</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Krążownik</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Wyrzutnia rakiet</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Lotniskowiec</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Pancernik</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nie wliczono do twoich wyników: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 gra</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n gra</numerusform>
            <numerusform>%n gry</numerusform>
            <numerusform>%n gier</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Gry rozegrane od uruchomienia Tidewatch, niewliczone tutaj: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Nie można wczytać biblioteki sieciowej %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Brak oczekującego żądania połączenia %1.</translation>
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
        <translation>Okręt</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Twoja flota</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flota przeciwnika</translation>
    </message>
</context>
</TS>
