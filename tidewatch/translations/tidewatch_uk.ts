<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Емблема Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Морський бій для 1 чи 2 гравців. Версія 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Про Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>файл облікових записів %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>ім&apos;я або пароль не може містити розрив рядка</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>ім&apos;я або пароль може містити лише символи Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>ім&apos;я або пароль довший за %n символ</numerusform>
            <numerusform>ім&apos;я або пароль довший за %n символи</numerusform>
            <numerusform>ім&apos;я або пароль довший за %n символів</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Файл облікових записів %1 могли читати інші користувачі; тепер його можете читати лише ви.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Хід суперника</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Ваш хід (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Хід суперника (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Ваш хід</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Гру закінчено. Ви програли</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Ви перемогли</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Гру закінчено. Ви перемогли.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Гру закінчено. Ви програли.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Суперник переміг</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>влучання</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>промах</translation>
    </message>
    <message>
        <source>water</source>
        <translation>вода</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 тут не вміщається</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (рядок обрізано)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Журнал чату</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Повідомлення чату</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Мережева гра: клієнт</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Стан: натисніть «З&apos;єднати»</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>З&apos;єднати</translation>
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
        <translation>Виберіть рівень складності</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Почати гру</translation>
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
        <translation>Без мізків</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Стріляє навмання й може двічі вистрілити в ту саму клітинку.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Мозок з горошину</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Стріляє навмання, але ніколи двічі в ту саму клітинку.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Шукає навмання, а після влучання йде за кораблем уздовж стовпця.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Розумник</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Ніколи не промахується.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Геній</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Стріляє туди, де найімовірніше стоїть корабель, зважаючи на всі влучання, промахи й потоплення, які бачив.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Суперник</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Гра готова... Ваш хід</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Виберіть тип гри</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Один гравець</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Мережева гра (сервер)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Мережева гра (клієнт)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далі &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Неможливий</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Адмірал</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Мережа</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Введено неправильний або недійсний пароль</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Не вдалося зберегти обліковий запис: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Вхід</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Введіть ім&apos;я користувача</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Введіть пароль</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Ім&apos;я або пароль не може містити розрив рядка</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Ім&apos;я або пароль може містити лише західноєвропейські символи (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Ім&apos;я або пароль не може містити ¶ (він розділяє частини мережевих повідомлень)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Більше гравців створити не можна: обмеження — %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Ім&apos;я або пароль може мати щонайбільше %n символ</numerusform>
            <numerusform>Ім&apos;я або пароль може мати щонайбільше %n символи</numerusform>
            <numerusform>Ім&apos;я або пароль може мати щонайбільше %n символів</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Увійти</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Створити</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Мережева гра</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Не вказано сервер.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Стан: з&apos;єднано</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Стан: не очікує з&apos;єднань</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Помилка Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Суперник розірвав з&apos;єднання.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>З&apos;єднання втрачено</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Очікування суперника... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Гра готова... Ваш хід (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Гра готова... Хід суперника (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Повідомлення від суперника відхилено.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Суперник надіслав дані, що не стосуються гри. З&apos;єднання закрито.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 дає вам ляпаса!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 дає ляпаса гравцеві %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Стан: очікування з&apos;єднання</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Ваш комп&apos;ютер: %1</translation>
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
        <translation>%1, оголошено як «%2»</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Ігри в мережі</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Ігри в мережі:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Ігри в мережі тут не можна показати.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Пошук ігор...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Розставте кораблі</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Зняти корабель</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Випадково</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Розставляє навмання всі ще не розставлені кораблі.</translation>
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
        <translation>диск заповнено</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступний лише для читання</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>не вдалося створити теку %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>тека %1 доступна лише для читання</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 не є звичайним файлом</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 доступний лише для читання</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 — символічне посилання, а не звичайний файл</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 використовується іншою програмою</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 завеликий для файлу рекордів</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Зіграно</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Перемоги</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Поразки</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Не завершено</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Найменше пострілів</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Влучання</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Рекорди гравця %1</translation>
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
        <translation>Не вдалося прочитати рекорди: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Мережева гра: сервер</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Почати гру</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Есмінець</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Крейсер</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Ракетоносець</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Авіаносець</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Лінкор</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Не враховано у ваших рекордах: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 гра</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n гра</numerusform>
            <numerusform>%n гри</numerusform>
            <numerusform>%n ігор</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Тут не враховано: %1 від запуску Tidewatch (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Не вдалося завантажити мережеву бібліотеку %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Немає запиту на з&apos;єднання в черзі %1.</translation>
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
        <translation>Військовий корабель</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Головне меню</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Ваш флот</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Флот суперника</translation>
    </message>
</context>
</TS>
