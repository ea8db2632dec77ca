<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Emblema do Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Batalha naval de 1 ou 2 jogadores. Versão 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Sobre o Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>o arquivo de contas %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>um nome ou senha não pode conter quebra de linha</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>um nome ou senha só pode usar caracteres Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>um nome ou senha tem mais de %n caractere</numerusform>
            <numerusform>um nome ou senha tem mais de %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>O arquivo de contas %1 podia ser lido por outros usuários; agora só você pode lê-lo.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Vez do oponente</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Sua vez (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Vez do oponente (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Fim de jogo. Você perdeu</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Fim de jogo. Você venceu.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Fim de jogo. Você perdeu.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>O oponente venceu</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>atingido</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>tiro na água</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 não cabe aqui</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (linha cortada)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Histórico do chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensagem do chat</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Cliente multijogador</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Status: aguardando você clicar em Conectar</translation>
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
        <translation>Escolha a dificuldade</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Sem cérebro</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Atira ao acaso e pode atirar duas vezes na mesma casa.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Cérebro de ervilha</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Atira ao acaso, nunca duas vezes na mesma casa.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Procura ao acaso e, após atingir um navio, segue-o ao longo da coluna.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Crânio</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Nunca erra.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Gênio</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Atira onde é mais provável haver um navio, com base em cada navio atingido, tiro na água e afundamento que já viu.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Oponente</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Jogo pronto... Sua vez</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Escolha o tipo de jogo</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Multijogador (servidor)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Multijogador (cliente)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avançar &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Sair</translation>
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
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossível</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Almirante</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Rede</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>A senha digitada está incorreta ou é inválida</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Não foi possível salvar a conta: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Você precisa digitar um nome de usuário</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Você precisa digitar uma senha</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>O nome de usuário ou a senha não pode conter quebra de linha</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>O nome de usuário ou a senha só pode usar caracteres da Europa Ocidental (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>O nome de usuário ou a senha não pode conter ¶ (ele separa os campos das mensagens de rede)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Não é possível criar mais jogadores: o limite é %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>O nome de usuário ou a senha pode ter no máximo %n caractere</numerusform>
            <numerusform>O nome de usuário ou a senha pode ter no máximo %n caracteres</numerusform>
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
        <translation>Criar jogador</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Multijogador</translation>
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
        <translation>Nenhum servidor foi informado.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Status: conectado</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Status: não está escutando</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Erro do Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>O oponente encerrou a conexão.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Conexão perdida</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Aguardando o oponente... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Jogo pronto... Sua vez (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Jogo pronto... Vez do oponente (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Uma mensagem do oponente foi rejeitada.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>O oponente enviou dados que não fazem parte do jogo. A conexão foi encerrada.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 deu um tapa em você!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 deu um tapa em %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Status: aguardando conexão</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Seu computador: %1</translation>
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
        <translation>%1 em %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, anunciado como “%2”</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Jogos na rede</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Jogos na rede:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Não é possível listar aqui os jogos na rede.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Procurando jogos...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Posicione seus navios</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Remover navio</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Posiciona ao acaso todos os navios que ainda não foram posicionados.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>a pasta %1 é somente leitura</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 é um link simbólico, não um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está em uso por outro programa</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 é grande demais para ser um arquivo de recordes</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Não concluídas</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Menos tiros</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Recordes de %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Não foi possível ler os recordes: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Servidor multijogador</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Destróier</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Cruzador</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Lança-mísseis</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Porta-aviões</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Encouraçado</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Partida não contabilizada nos seus recordes: %1.</translation>
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
        <translation>Fora da contagem: %1 desde que o Tidewatch foi aberto (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Não foi possível carregar a biblioteca de rede %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Não há nenhuma solicitação de conexão pendente %1.</translation>
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
        <translation>Navio de guerra</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Sua frota</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Frota do oponente</translation>
    </message>
</context>
</TS>
