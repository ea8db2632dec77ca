<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch embléma</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Tengeri csata egy vagy két főre. Verzió 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>A Reelpane-ről</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>a fiókfájl (%1)</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>a név vagy a jelszó nem tartalmazhat sortörést</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>a név vagy a jelszó csak Latin-1 karaktereket tartalmazhat</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>a név vagy a jelszó hosszabb %n karakternél</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>A fiókfájlt (%1) más felhasználók is olvashatták; mostantól csak te olvashatod.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Az ellenfél következik</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Te következel (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Az ellenfél következik (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Te következel</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Vége a játéknak. Vesztettél</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Nyertél</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Vége a játéknak. Nyertél.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Vége a játéknak. Vesztettél.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Az ellenfél nyert</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>találat</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>mellélövés</translation>
    </message>
    <message>
        <source>water</source>
        <translation>víz</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>Ide nem fér el: %1</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (a sor levágva)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Csevegésnapló</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Csevegőüzenet</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Többjátékos kliens</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Szervergép:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Állapot: Nyomd meg a Belépés gombot</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Belépés</translation>
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
        <translation>Válaszd ki a gép szintjét</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Vissza</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Agyatlan</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Véletlenszerűen lő, akár kétszer is ugyanarra a mezőre.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Mogyorónyi agy</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Véletlenszerűen lő, de sosem kétszer ugyanarra a mezőre.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Ember</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Véletlenszerűen keres, találat után pedig az oszlop mentén követi a hajót.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Okostojás</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Sosem lő mellé.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Lángelme</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Oda lő, ahol a legnagyobb eséllyel hajó van, az összes eddigi találat, mellélövés és süllyesztés alapján.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Ellenfél</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Kész a játék... Te következel</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Válassz játékmódot</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Egyjátékos</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Többjátékos (szerver)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Többjátékos (kliens)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Tovább &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Kilépés</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Lehetetlen</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admirális</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Hálózati</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>A megadott jelszó helytelen vagy érvénytelen</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>A fiókot nem sikerült menteni: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Név:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Meg kell adnod egy nevet</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Meg kell adnod egy jelszót</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>A név vagy a jelszó nem tartalmazhat sortörést</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>A név vagy a jelszó csak nyugat-európai (Latin-1) karaktereket tartalmazhat</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>A név vagy a jelszó nem tartalmazhat ¶ jelet (ez választja el a hálózati üzenetek részeit)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Több játékos nem hozható létre: legfeljebb %1 lehet</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>A név vagy a jelszó legfeljebb %n karakter hosszú lehet</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Új játékos</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Többjátékos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nem adtad meg a szervergépet.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Állapot: Csatlakozva</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Állapot: Nem figyel</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock-hiba: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Az ellenfél bontotta a kapcsolatot.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Megszakadt a kapcsolat</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Várakozás az ellenfélre... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Kész a játék... Te következel (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Kész a játék... Az ellenfél következik (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Az ellenféltől érkezett üzenet elutasítva.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Az ellenfél a játékhoz nem tartozó adatot küldött. A kapcsolat megszakadt.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 felpofozott!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 felpofozta %2 játékost</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Állapot: Várakozás kapcsolatra</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>A géped: %1</translation>
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
        <translation>%1, %2 gépen (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, „%2” néven meghirdetve</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Játékok a hálózaton</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Játékok a hálózaton:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>A hálózati játékok itt nem listázhatók.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Játékok keresése...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Helyezd el a hajóidat</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Hajó törlése</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Minden még el nem helyezett hajót véletlenszerűen elhelyez.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Kész</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>megtelt a lemez</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>a lemez csak olvasható</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>nem hozható létre a mappa (%1)</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>a mappa (%1) csak olvasható</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 nem közönséges fájl</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 csak olvasható</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 szimbolikus link, nem közönséges fájl</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 foglalt, egy másik program használja</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 túl nagy ahhoz, hogy rekordfájl legyen</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Játszott</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Nyert</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Vesztett</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Befejezetlen</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Legkevesebb lövés</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Találat</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 rekordjai</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rekordok</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>A rekordok nem olvashatók: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Többjátékos szerver</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Indítás</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Romboló</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Cirkáló</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Rakétavető</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Anyahajó</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Csatahajó</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nem számít bele a rekordjaidba: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 játék</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n játék</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Itt nem szerepel: a Tidewatch indítása óta játszott %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Nem tölthető be a hálózati könyvtár (%1): %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Nincs függőben lévő kapcsolódási kérés %1.</translation>
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
        <translation>Hadihajó</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>A flottád</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Az ellenfél flottája</translation>
    </message>
</context>
</TS>
