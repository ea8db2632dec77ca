<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Emblema de Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Batalla naval para 1 o 2 jugadores. Versión 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Sobre Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>el archivo de cuentas %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>un nombre o una contraseña no puede contener saltos de línea</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>un nombre o una contraseña solo puede usar caracteres Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>un nombre o una contraseña tiene más de %n carácter</numerusform>
            <numerusform>un nombre o una contraseña tiene más de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Otros usuarios podían leer el archivo de cuentas %1; ahora solo puedes leerlo tú.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Turno del rival</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Tu turno (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Turno del rival (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Tu turno</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Fin de la partida. Has perdido</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Fin de la partida. Has ganado.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Fin de la partida. Has perdido.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Ha ganado el rival</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>tocado</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>water</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 no cabe aquí</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (línea cortada)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Historial del chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje del chat</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Cliente multijugador</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Estado: esperando a que pulses Conectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Conectar</translation>
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
        <translation>Elige la dificultad</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Sin cerebro</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Dispara al azar y puede disparar dos veces a la misma casilla.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Cerebro de mosquito</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Dispara al azar, nunca dos veces a la misma casilla.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Busca al azar y, cuando toca un barco, lo sigue por su columna.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Cerebrito</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nunca falla.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Mente maestra</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Dispara donde es más probable que haya un barco, según cada tocado, agua y hundido que ha visto.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Partida lista... Tu turno</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Elige el tipo de partida</translation>
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
        <translation>Multijugador (cliente)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Seguir &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Imposible</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Almirante</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>En red</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>La contraseña introducida es incorrecta o no válida</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>No se ha podido guardar la cuenta: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Clave:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Debes introducir un nombre de usuario</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Debes introducir una contraseña</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Un nombre de usuario o una contraseña no puede contener saltos de línea</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Un nombre de usuario o una contraseña solo puede usar caracteres de Europa occidental (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Un nombre de usuario o una contraseña no puede contener ¶ (separa los campos de los mensajes de red)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>No se pueden crear más jugadores: el límite es %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Un nombre de usuario o una contraseña puede tener como máximo %n carácter</numerusform>
            <numerusform>Un nombre de usuario o una contraseña puede tener como máximo %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Crear jugador</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>No se ha indicado ningún servidor.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Estado: conectado</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Estado: no está escuchando</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Error de Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>El rival ha cerrado la conexión.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Esperando al rival... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Partida lista... Tu turno (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Partida lista... Turno del rival (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Se ha rechazado un mensaje del rival.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>El rival ha enviado datos que no son de la partida. Se ha cerrado la conexión.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>¡%1 te ha dado una bofetada!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 le ha dado una bofetada a %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Estado: esperando conexión</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Tu equipo: %1</translation>
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
        <translation>%1 en %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, anunciada como “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Partidas en la red</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Partidas en la red:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Aquí no se pueden mostrar las partidas en la red.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Buscando partidas...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Coloca tus barcos</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Quitar barco</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Colocar al azar</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Coloca al azar todos los barcos que aún no estén colocados.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>no se ha podido crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 es un enlace simbólico, no un archivo normal</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está en uso por otro programa</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 es demasiado grande para ser un archivo de récords</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Menos disparos</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Récords de %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>No se han podido leer los récords: %1.</translation>
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
        <translation>Empezar</translation>
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
        <translation>Crucero</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Lanzamisiles</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Portaaviones</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Acorazado</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>No cuenta para tus récords: %1.</translation>
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
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Fuera de estos récords: %1 desde que se abrió Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>No se ha podido cargar la biblioteca de red %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>No hay ninguna solicitud de conexión pendiente %1.</translation>
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
        <translation>Buque de guerra</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Tu flota</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flota del rival</translation>
    </message>
</context>
</TS>
