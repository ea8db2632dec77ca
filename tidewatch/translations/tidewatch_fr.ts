<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Emblème de Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Bataille navale à 1 ou 2 joueurs. Version 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Infos Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>le fichier des comptes %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>un nom ou un mot de passe ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>un nom ou un mot de passe ne peut utiliser que des caractères Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>un nom ou un mot de passe dépasse %n caractère</numerusform>
            <numerusform>un nom ou un mot de passe dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Le fichier des comptes %1 était lisible par d&apos;autres utilisateurs&#xa0;; il n&apos;est désormais lisible que par vous.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Au tour de l&apos;adversaire</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>À vous de jouer (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Au tour de l&apos;adversaire (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Partie terminée. Vous avez perdu</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Vous avez gagné</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Partie terminée. Vous avez gagné.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Partie terminée. Vous avez perdu.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>L&apos;adversaire a gagné</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>touché</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>à l&apos;eau</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 ne rentre pas ici</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (ligne coupée)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Historique de la discussion</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de discussion</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Client multijoueur</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>État&#xa0;: appuyez sur «&#xa0;Connecter&#xa0;»</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Connecter</translation>
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
        <translation>Choisissez la difficulté</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Sans cervelle</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Tire au hasard et peut tirer deux fois sur la même case.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Cervelle d&apos;oiseau</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Tire au hasard, jamais deux fois sur la même case.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Cherche au hasard puis, après un touché, suit le navire le long de sa colonne.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Grosse tête</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Ne rate jamais.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Cerveau</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Tire là où un navire a le plus de chances de se trouver, d&apos;après chaque touché, tir à l&apos;eau et navire coulé observés.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Partie prête... À vous de jouer</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Choisissez le type de partie</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Multijoueur (serveur)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Multijoueur (client)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Sortir</translation>
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
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossible</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Amiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Réseau</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Le mot de passe saisi est incorrect ou invalide</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Le compte n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Code&#xa0;:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Vous devez saisir un nom de joueur</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Vous devez saisir un mot de passe</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Un nom ou un mot de passe ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Un nom ou un mot de passe ne peut utiliser que des caractères d&apos;Europe occidentale (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Un nom ou un mot de passe ne peut pas contenir ¶ (il sépare les éléments des messages réseau)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Impossible de créer d&apos;autres joueurs&#xa0;: la limite est de %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Un nom ou un mot de passe peut contenir au plus %n caractère</numerusform>
            <numerusform>Un nom ou un mot de passe peut contenir au plus %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Créer le joueur</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Multijoueur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Aucun hôte n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>État&#xa0;: connecté</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>État&#xa0;: pas en écoute</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Erreur Winsock&#xa0;: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>L&apos;adversaire a fermé la connexion.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>En attente de l&apos;adversaire... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Partie prête... À vous de jouer (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Partie prête... Au tour de l&apos;adversaire (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Un message de l&apos;adversaire a été rejeté.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>L&apos;adversaire a envoyé des données étrangères au jeu. La connexion a été fermée.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 vous a giflé&#xa0;!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 a giflé %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>État&#xa0;: en attente de connexion</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Votre ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A chat log line: who wrote, then what they wrote</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>%1 on %2 (%3)</source>
        <extracomment>A row of the games found: the player&apos;s name, their computer&apos;s name, its address</extracomment>
        <translation>%1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, annoncée sous le nom «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Parties sur le réseau</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Parties sur le réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Impossible d&apos;afficher ici les parties sur le réseau.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Recherche de parties...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Placez vos navires</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Retirer le navire</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Place au hasard les navires qui ne sont pas encore placés.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 est un lien symbolique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 est utilisé par un autre programme</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 est trop volumineux pour être un fichier de palmarès</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Non terminées</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Moins de tirs</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Touchés</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Palmarès de %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Le palmarès n&apos;a pas pu être lu&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Serveur multijoueur</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
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
        <translation>Croiseur</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Lance-missiles</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Porte-avions</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Cuirassé</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Partie non comptée dans votre palmarès&#xa0;: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 partie jouée</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partie jouée</numerusform>
            <numerusform>%n parties jouées</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Hors décompte&#xa0;: %1 depuis le lancement de Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>La bibliothèque réseau %1 n&apos;a pas pu être chargée&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Aucune demande de connexion en attente %1.</translation>
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
        <translation>Navire de guerre</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Votre flotte</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Flotte de l&apos;adversaire</translation>
    </message>
</context>
</TS>
