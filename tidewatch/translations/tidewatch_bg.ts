<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Емблема на Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Морски шах за 1 или 2 играчи. Версия 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>За Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>файлът с акаунти %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>името или паролата не може да съдържа нов ред</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>името или паролата може да съдържа само знаци от Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>името или паролата надхвърля %n знак</numerusform>
            <numerusform>името или паролата надхвърля %n знака</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Файлът с акаунти %1 беше достъпен за четене от други потребители; сега е достъпен само за вас.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Ход на противника</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Ваш ход (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Ход на противника (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Край на играта. Загубихте</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Победихте</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Край на играта. Победихте.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Край на играта. Загубихте.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Противникът победи</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>попадение</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>пропуск</translation>
    </message>
    <message>
        <source>water</source>
        <translation>вода</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 не се побира тук</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (редът е съкратен)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Дневник на чата</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Съобщение в чата</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Мрежова игра: клиент</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Сървър:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Състояние: чака да натиснете „Свържи“</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Свържи</translation>
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
        <translation>Изберете трудност</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Започни</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Без мозък</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Стреля наслуки и може два пъти да избере едно и също поле.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Мозък колкото фъстък</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Стреля наслуки, но никога два пъти по едно и също поле.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Човек</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Търси наслуки, а след попадение следва кораба по колоната му.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Умник</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Никога не пропуска.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Гений</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Стреля там, където най-вероятно има кораб, според всички попадения, пропуски и потопени кораби досега.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Противник</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Играта е готова... Ваш ход</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Изберете вид игра</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Един играч</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Мрежова игра (сървър)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Мрежова игра (клиент)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Напред &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Излизане</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Лесно</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Средно</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Невъзможно</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Адмирал</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Мрежа</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Въведената парола е грешна или невалидна</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Акаунтът не можа да бъде запазен: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Име:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Парола:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Трябва да въведете потребителско име</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Трябва да въведете парола</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Името или паролата не може да съдържа нов ред</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Името или паролата може да съдържа само западноевропейски знаци (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Името или паролата не може да съдържа ¶ (той разделя частите на мрежовите съобщения)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Не могат да се създават повече играчи: ограничението е %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Името или паролата може да има най-много %n знак</numerusform>
            <numerusform>Името или паролата може да има най-много %n знака</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Създай играч</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Мрежова игра</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Не е въведен сървър.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Състояние: свързан</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Състояние: не чака връзка</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Грешка на Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Противникът затвори връзката.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Връзката е загубена</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Чакане на противника... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Играта е готова... Ваш ход (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Играта е готова... Ход на противника (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Съобщение от противника беше отхвърлено.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Противникът изпрати данни, които не са част от играта. Връзката е затворена.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 ви плесна!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 плесна %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Състояние: чака връзка</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Вашият компютър: %1</translation>
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
        <translation>%1 на %2 (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, обявена като „%2“</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Игри в мрежата</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Игри в мрежата:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Игрите в мрежата не могат да бъдат показани тук.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Търсене на игри...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Разположете корабите си</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Премахни кораб</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Наслуки</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Разполага наслуки всички още неразположени кораби.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>дискът е пълен</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>дискът е само за четене</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>папката %1 не можа да бъде създадена</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>папката %1 е само за четене</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 не е обикновен файл</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 е само за четене</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 е символна връзка, а не обикновен файл</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 се използва от друга програма</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 е твърде голям за файл с рекорди</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Изиграни</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Победи</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Загуби</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Недовършени</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Най-малко изстрели</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Попадения</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Рекорди на %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Рекордите не можаха да бъдат прочетени: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Мрежова игра: сървър</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Започни</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Разрушител</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Крайцер</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Ракетоносец</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Самолетоносач</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Линеен кораб</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Не е отчетено в рекордите ви: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 игра</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n игра</numerusform>
            <numerusform>%n игри</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Тук не е отчетено: %1 от стартирането на Tidewatch насам (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Мрежовата библиотека %1 не можа да бъде заредена: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Няма чакаща заявка за връзка %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Warship</source>
        <translation>Боен кораб</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Вашият флот</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Флотът на противника</translation>
    </message>
</context>
</TS>
