<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Emblema di Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Battaglia navale a 1 o 2 giocatori. Versione 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Info su Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>il file degli account %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>un nome o una password non può contenere ritorni a capo</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>un nome o una password può usare solo caratteri Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>un nome o una password supera %n carattere</numerusform>
            <numerusform>un nome o una password supera %n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Il file degli account %1 era leggibile da altri utenti; ora è leggibile solo da te.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Turno dell&apos;avversario</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Tocca a te (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Turno dell&apos;avversario (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Tocca a te</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Partita finita. Hai perso</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Partita finita. Hai vinto.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Partita finita. Hai perso.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>L&apos;avversario ha vinto</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>colpito</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>acqua</translation>
    </message>
    <message>
        <source>water</source>
        <translation>mare</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 non ci sta qui</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (riga tagliata)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Registro chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Messaggio chat</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Client multigiocatore</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Stato: in attesa che premi Connetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Connetti</translation>
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
        <translation>Scegli la difficoltà</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Senza cervello</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Spara a caso e può sparare due volte sulla stessa casella.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Cervello di gallina</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Spara a caso, mai due volte sulla stessa casella.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Cerca a caso e, dopo un colpo a segno, segue la nave lungo la sua colonna.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Cervellone</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Non sbaglia mai.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Spara dove è più probabile che ci sia una nave, in base a ogni colpo a segno, tiro in acqua e affondamento che ha visto.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Pronti... Tocca a te</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Scegli tipo di partita</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Giocatore singolo</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Multigiocatore (server)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Multigiocatore (client)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Disconnetti</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossibile</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Ammiraglio</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Rete</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>La password inserita è errata o non valida</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Impossibile salvare l&apos;account: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Devi inserire un nome utente</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Devi inserire una password</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Nome utente o password non possono contenere ritorni a capo</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Nome utente o password possono usare solo caratteri dell&apos;Europa occidentale (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Nome utente o password non possono contenere ¶ (separa le parti dei messaggi di rete)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Impossibile creare altri giocatori: il limite è %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Nome utente o password possono avere al massimo %n carattere</numerusform>
            <numerusform>Nome utente o password possono avere al massimo %n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Crea giocatore</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Multigiocatore</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Nessun host inserito.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Stato: connesso</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Stato: non in ascolto</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Errore Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>L&apos;avversario ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Connessione persa</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>In attesa dell&apos;avversario... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Pronti... Tocca a te (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Pronti... Turno dell&apos;avversario (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Un messaggio dell&apos;avversario è stato rifiutato.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>L&apos;avversario ha inviato dati estranei al gioco. La connessione è stata chiusa.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 ti ha dato uno schiaffo!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 ha dato uno schiaffo a %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Stato: in attesa di connessione</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Il tuo computer: %1</translation>
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
        <translation>%1 su %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, annunciato come “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Partite in rete</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Partite in rete:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Impossibile elencare qui le partite in rete.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Ricerca partite...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Schiera le navi</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Togli nave</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Posiziona a caso tutte le navi non ancora piazzate.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la cartella %1 è di sola lettura</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 è di sola lettura</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 è un collegamento simbolico, non un file normale</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 è in uso da un altro programma</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 è troppo grande per essere un file dei record</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Non finite</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Meno colpi</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>A segno</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Record di %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Impossibile leggere i record: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Server multigiocatore</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Cacciatorpediniere</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Incrociatore</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Lanciamissili</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Portaerei</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Corazzata</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Non conteggiate nei tuoi record: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 partita</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partita</numerusform>
            <numerusform>%n partite</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Non conteggiate qui: %1 dall&apos;avvio di Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Impossibile caricare la libreria di rete %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Nessuna richiesta di connessione in sospeso %1.</translation>
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
        <translation>Nave da guerra</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>La tua flotta</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flotta avversaria</translation>
    </message>
</context>
</TS>
