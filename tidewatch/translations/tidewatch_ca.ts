<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Emblema de Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Batalla naval d&apos;un o dos jugadors. Versió 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Quant a Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>el fitxer de comptes %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>un nom o una contrasenya no poden contenir salts de línia</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>un nom o una contrasenya només poden tenir caràcters Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>un nom o una contrasenya supera el límit de %n caràcter</numerusform>
            <numerusform>un nom o una contrasenya supera el límit de %n caràcters</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Altres usuaris podien llegir el fitxer de comptes %1; ara només el pots llegir tu.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Torn del rival</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>El teu torn (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Torn del rival (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>El teu torn</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Fi de la partida. Has perdut</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Has guanyat</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Fi de la partida. Has guanyat.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Fi de la partida. Has perdut.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Ha guanyat el rival</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>tocat</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>aigua</translation>
    </message>
    <message>
        <source>water</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 no hi cap</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (línia tallada)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Registre del xat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Missatge del xat</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Client multijugador</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Estat: esperant que premis Connecta</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Connecta</translation>
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
        <translation>Tria el nivell de l&apos;ordinador</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Comença</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Enrere</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Sense cervell</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Dispara a l&apos;atzar i pot disparar dues vegades a la mateixa casella.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Cervell de mosquit</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Dispara a l&apos;atzar, però mai dues vegades a la mateixa casella.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humà</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Busca a l&apos;atzar i, després d&apos;un tocat, segueix el vaixell per la columna.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Llumenera</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>No falla mai.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Geni</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Dispara on és més probable que hi hagi un vaixell, tenint en compte cada tocat, cada aigua i cada enfonsament que ha vist.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Partida a punt... El teu torn</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Tria el tipus de partida</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Multijugador (servidor)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Multijugador (client)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Següent &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Surt</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderat</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossible</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Almirall</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Xarxa</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>La contrasenya introduïda és incorrecta o no és vàlida</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>No s&apos;ha pogut desar el compte: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Inici de sessió</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuari:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Clau:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Has d&apos;introduir un nom d&apos;usuari</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Has d&apos;introduir una contrasenya</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>El nom d&apos;usuari o la contrasenya no poden contenir salts de línia</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>El nom d&apos;usuari o la contrasenya només poden tenir caràcters d&apos;Europa occidental (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>El nom d&apos;usuari o la contrasenya no poden contenir ¶ (separa els camps dels missatges de xarxa)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>No es poden crear més jugadors: el límit és %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>El nom d&apos;usuari o la contrasenya poden tenir com a màxim %n caràcter</numerusform>
            <numerusform>El nom d&apos;usuari o la contrasenya poden tenir com a màxim %n caràcters</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Crea jugador</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Multijugador</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>No has indicat cap servidor.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Estat: connectat</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Estat: sense escoltar</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Error de Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>El rival ha tancat la connexió.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Connexió perduda</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Esperant el rival... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Partida a punt... El teu torn (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Partida a punt... Torn del rival (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(S&apos;ha rebutjat un missatge del rival.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>El rival ha enviat dades que no formen part del joc. S&apos;ha tancat la connexió.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 t&apos;ha clavat una bufetada!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 ha clavat una bufetada a %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Estat: esperant connexió</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>El teu ordinador: %1</translation>
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
        <translation>%1 a %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, anunciada com a “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Partides a la xarxa</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Partides a la xarxa:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Aquí no es poden mostrar les partides de la xarxa.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Cercant partides...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Col·loca els teus vaixells</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Treu el vaixell</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>A l&apos;atzar</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Col·loca a l&apos;atzar tots els vaixells que encara no has col·locat.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalitza</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>el disc és ple</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>no s&apos;ha pogut crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 és només de lectura</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 no és un fitxer normal</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 és només de lectura</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 és un enllaç simbòlic, no un fitxer normal</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>un altre programa està fent servir %1</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 és massa gran per ser un fitxer de rècords</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Jugades</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Guanyades</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdudes</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sense acabar</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Menys trets</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Rècords de %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>No s&apos;han pogut llegir els rècords: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Servidor multijugador</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Comença</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Destructor</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Creuer</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Llançamíssils</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Portaavions</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Cuirassat</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Aquesta partida no compta per als teus rècords: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 partida</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partides</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Sense comptar aquí: %1 des que s&apos;ha iniciat Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>No s&apos;ha pogut carregar la biblioteca de xarxa %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>No hi ha cap sol·licitud de connexió pendent %1.</translation>
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
        <translation>Vaixell de guerra</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>La teva flota</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flota del rival</translation>
    </message>
</context>
</TS>
