<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Эмблема Tidewatch</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Морской бой для 1 или 2 игроков. Версия 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>О Reelpane</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>файл учётных записей %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>имя или пароль не может содержать перевод строки</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>имя или пароль может содержать только символы Latin-1</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>имя или пароль длиннее %n символа</numerusform>
            <numerusform>имя или пароль длиннее %n символов</numerusform>
            <numerusform>имя или пароль длиннее %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>Файл учётных записей %1 был доступен для чтения другим пользователям; теперь он доступен только вам.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Ход противника</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Ваш ход (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Ход противника (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Игра окончена. Вы проиграли</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Вы победили</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Игра окончена. Вы победили.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Игра окончена. Вы проиграли.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Противник победил</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>попадание</translation>
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
        <translation>%1 здесь не помещается</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (строка обрезана)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Журнал чата</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Сообщение чата</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Сетевая игра: клиент</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Статус: ожидание нажатия «Войти»</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Войти</translation>
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
        <translation>Выберите сложность</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Начать игру</translation>
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
        <translation>Без мозгов</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Стреляет наугад и может дважды выстрелить в одну клетку.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Мозг с горошину</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Стреляет наугад, но никогда дважды в одну клетку.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Ищет наугад, а после попадания идёт вдоль корабля по столбцу.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Умник</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Никогда не промахивается.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Гений</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Стреляет туда, где корабль вероятнее всего, учитывая все попадания, промахи и потопления.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Противник</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Игра готова... Ваш ход</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Выберите тип игры</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Один игрок</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Сеть (сервер)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Сеть (клиент)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Невозможный</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Адмирал</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Сеть</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Введён неверный пароль</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Не удалось сохранить учётную запись: %1</translation>
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
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Введите имя пользователя</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Имя или пароль не может содержать перевод строки</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Имя или пароль может содержать только западноевропейские символы (Latin-1)</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Имя или пароль не может содержать ¶ (он разделяет части сетевых сообщений)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Больше игроков создать нельзя: предел — %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Имя или пароль может быть не длиннее %n символа</numerusform>
            <numerusform>Имя или пароль может быть не длиннее %n символов</numerusform>
            <numerusform>Имя или пароль может быть не длиннее %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Сетевая игра</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Не указан сервер.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Статус: подключено</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Статус: подключения не принимаются</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Ошибка Winsock: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Противник закрыл соединение.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Соединение потеряно</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Ожидание противника... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Игра готова... Ваш ход (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Игра готова... Ход противника (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Сообщение от противника отклонено.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Противник прислал данные, не относящиеся к игре. Соединение закрыто.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 шлёпнул вас!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1 шлёпнул %2</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Статус: ожидание подключения</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Ваш компьютер: %1</translation>
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
        <translation>%1, объявлена как «%2»</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Игры в сети</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Игры в сети:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Список сетевых игр здесь недоступен.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Поиск игр...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Расставьте корабли</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Расставляет наугад все ещё не расставленные корабли.</translation>
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
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>не удалось создать папку %1</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>папка %1 доступна только для чтения</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 доступен только для чтения</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 — символьная ссылка, а не обычный файл</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 используется другой программой</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 слишком велик для файла рекордов</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Не окончено</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>Мин. выстрелов</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>Попадания</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>Рекорды: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Не удалось прочитать рекорды: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Сетевая игра: сервер</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Начать игру</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Эсминец</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Крейсер</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Ракетоносец</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Авианосец</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Линкор</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Не учтено в ваших рекордах: %1.</translation>
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
            <numerusform>%n игры</numerusform>
            <numerusform>%n игр</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Здесь не учтены игры, сыгранные с запуска Tidewatch: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>Не удалось загрузить сетевую библиотеку %1: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Нет ожидающего запроса на подключение %1.</translation>
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
        <translation>Военный корабль</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Ваш флот</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Флот противника</translation>
    </message>
</context>
</TS>
