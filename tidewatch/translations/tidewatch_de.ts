<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch-Emblem</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Seeschlacht für 1 oder 2 Spieler. Version 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Über Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>die Kontodatei %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>ein Name oder Passwort darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>ein Name oder Passwort darf nur Latin-1-Zeichen enthalten</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>ein Name oder Passwort ist länger als %n Zeichen</numerusform>
            <numerusform>ein Name oder Passwort ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Die Kontodatei %1 war für andere Benutzer lesbar; jetzt kannst nur du sie lesen.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Gegner am Zug</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Du bist dran (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Gegner am Zug (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Du bist dran</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Spiel vorbei. Du hast verloren</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Du hast gewonnen</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Spiel vorbei. Du hast gewonnen.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Spiel vorbei. Du hast verloren.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Der Gegner hat gewonnen</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>Fehlschuss</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 passt hier nicht</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (gekürzt)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Chatverlauf</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Mehrspieler-Client</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Status: Warte auf „Verbinden“</translation>
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
        <translation>Schwierigkeit wählen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Hohlkopf</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Schießt zufällig und kann zweimal auf dasselbe Feld schießen.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Erbsenhirn</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Schießt zufällig, nie zweimal auf dasselbe Feld.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Sucht zufällig und folgt nach einem Treffer dem Schiff entlang der Spalte.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Schlaukopf</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Verfehlt nie.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Superhirn</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Schießt dorthin, wo am wahrscheinlichsten ein Schiff liegt – nach allen bisherigen Treffern, Fehlschüssen und versenkten Schiffen.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Bereit... Du bist dran</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Spielart wählen</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Einzelspieler</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Mehrspieler (Server)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Mehrspieler (Client)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Unmöglich</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Admiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Netzwerk</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Das Passwort ist falsch oder ungültig</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Das Konto konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Bitte einen Benutzernamen eingeben</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Bitte ein Passwort eingeben</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Benutzername oder Passwort darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Benutzername oder Passwort darf nur westeuropäische (Latin-1-)Zeichen enthalten</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Benutzername oder Passwort darf kein ¶ enthalten (es trennt die Teile von Netzwerknachrichten)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Es können keine weiteren Spieler angelegt werden: Das Maximum ist %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Benutzername oder Passwort darf höchstens %n Zeichen lang sein</numerusform>
            <numerusform>Benutzername oder Passwort darf höchstens %n Zeichen lang sein</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Spieler anlegen</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Mehrspieler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Es wurde kein Host eingegeben.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Status: Verbunden</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Status: Lauscht nicht</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock-Fehler: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Der Gegner hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Verbindung unterbrochen</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Warte auf Gegner... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Bereit... Du bist dran (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Bereit... Gegner am Zug (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Eine Nachricht des Gegners wurde abgewiesen.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Der Gegner hat Daten gesendet, die nicht zum Spiel gehören. Die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 hat dich geohrfeigt!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 hat %2 geohrfeigt</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Status: Warte auf Verbindung</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Dein Computer: %1</translation>
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
        <translation>%1 auf %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, angekündigt als „%2“</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Spiele im Netzwerk</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Spiele im Netzwerk:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Spiele im Netzwerk können hier nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Suche nach Spielen...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Schiffe platzieren</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Schiff entfernen</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Zufällig setzen</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Setzt alle noch nicht gesetzten Schiffe zufällig.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 ist eine symbolische Verknüpfung, keine normale Datei</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm verwendet</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 ist zu groß für eine Bilanzdatei</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
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
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Wenigste Schüsse</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Die Bilanz konnte nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Mehrspieler-Server</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Zerstörer</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kreuzer</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Raketenwerfer</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Flugzeugträger</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Schlachtschiff</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Nicht in deiner Bilanz gezählt: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 Spiel</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Hier nicht gezählt: %1 seit dem Start von Tidewatch gespielt (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Die Netzwerkbibliothek %1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Es gibt keine ausstehende Verbindungsanfrage %1.</translation>
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
        <translation>Kriegsschiff</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Deine Flotte</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Gegnerflotte</translation>
    </message>
</context>
</TS>
