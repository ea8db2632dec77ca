<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutView</name>
    <message>
        <source>Tidewatch emblem</source>
        <translation>Tidewatch amblemi</translation>
    </message>
    <message>
        <source>A sea battle for one or two players. Version 0.0.3</source>
        <translation>Bir veya iki oyunculu deniz savaşı. Sürüm 0.0.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>About Reelpane</source>
        <translation>Reelpane Hakkında</translation>
    </message>
</context>
<context>
    <name>AccountFile</name>
    <message>
        <source>the account file %1</source>
        <extracomment>How error texts name the account file; %1 is its path</extracomment>
        <translation>hesap dosyası %1</translation>
    </message>
    <message>
        <source>a name or password cannot hold a line break</source>
        <translation>ad veya parola satır sonu içeremez</translation>
    </message>
    <message>
        <source>a name or password can only use Latin-1 characters</source>
        <translation>ad veya parola yalnızca Latin-1 karakterleri içerebilir</translation>
    </message>
    <message numerus="yes">
        <source>a name or password is longer than %n characters</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>ad veya parola %n karakterden uzun</numerusform>
        </translation>
    </message>
    <message>
        <source>The account file %1 was readable by other users; it is now readable by you only.</source>
        <translation>%1 hesap dosyasını diğer kullanıcılar okuyabiliyordu; artık yalnızca sen okuyabilirsin.</translation>
    </message>
</context>
<context>
    <name>BattleFlow</name>
    <message>
        <source>Opponents Turn</source>
        <extracomment>Status line while the computer aims (no apostrophe, as the game always wrote it)</extracomment>
        <translation>Rakibin sırası</translation>
    </message>
    <message>
        <source>Your Turn (%1)</source>
        <extracomment>%1 is the player&apos;s own name</extracomment>
        <translation>Sıra sende (%1)</translation>
    </message>
    <message>
        <source>Opponents Turn (%1)</source>
        <extracomment>%1 is the other player&apos;s name</extracomment>
        <translation>Rakibin sırası (%1)</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Sıra sende</translation>
    </message>
    <message>
        <source>Game Over. You Lose</source>
        <extracomment>Shown when the other player announces the win (written without a full stop)</extracomment>
        <translation>Oyun bitti. Kaybettin</translation>
    </message>
    <message>
        <source>You Won</source>
        <translation>Kazandın</translation>
    </message>
    <message>
        <source>Game Over. You Win.</source>
        <translation>Oyun bitti. Kazandın.</translation>
    </message>
    <message>
        <source>Game Over. You Lose.</source>
        <translation>Oyun bitti. Kaybettin.</translation>
    </message>
    <message>
        <source>Opponent Won</source>
        <translation>Rakip kazandı</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>hit</source>
        <translation>isabet</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>karavana</translation>
    </message>
    <message>
        <source>water</source>
        <translation>su</translation>
    </message>
    <message>
        <source>%1 does not fit here</source>
        <extracomment>Read out on the cell where the chosen ship does not fit; %1 is the ship</extracomment>
        <translation>%1 buraya sığmıyor</translation>
    </message>
</context>
<context>
    <name>ChatLogLimits</name>
    <message>
        <source>%1 … (line cut)</source>
        <extracomment>The end of a chat log line too long to show whole; %1 is its beginning</extracomment>
        <translation>%1 … (satır kesildi)</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat log</source>
        <translation>Sohbet günlüğü</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Sohbet iletisi</translation>
    </message>
</context>
<context>
    <name>ClientPanel</name>
    <message>
        <source>Multiplayer client</source>
        <translation>Çok oyunculu istemci</translation>
    </message>
    <message>
        <source>Server Computer:</source>
        <translation>Sunucu:</translation>
    </message>
    <message>
        <source>Status: Waiting for you to press Connect</source>
        <translation>Durum: Bağlan&apos;a basman bekleniyor</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button that connects to the server computer typed</extracomment>
        <translation>Bağlan</translation>
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
        <translation>Zorluk Seviyesini Seç</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Oyunu Başlat</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Geri</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>No Brain</source>
        <translation>Beyinsiz</translation>
    </message>
    <message>
        <source>Fires at random and may fire at the same cell twice.</source>
        <translation>Rastgele ateş eder, aynı kareye iki kez ateş edebilir.</translation>
    </message>
    <message>
        <source>Peanut Sized Brain</source>
        <translation>Fıstık Beyinli</translation>
    </message>
    <message>
        <source>Fires at random, never at the same cell twice.</source>
        <translation>Rastgele ateş eder, aynı kareye asla iki kez ateş etmez.</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>İnsan</translation>
    </message>
    <message>
        <source>Searches at random and, after a hit, follows the ship along its column.</source>
        <translation>Rastgele arar, bir isabetin ardından gemiyi sütunu boyunca takip eder.</translation>
    </message>
    <message>
        <source>Brainbox</source>
        <translation>Zeki</translation>
    </message>
    <message>
        <source>Never misses.</source>
        <translation>Asla ıskalamaz.</translation>
    </message>
    <message>
        <source>Mastermind</source>
        <translation>Dâhi</translation>
    </message>
    <message>
        <source>Fires where a ship most likely lies, by every hit, miss and sinking it has seen.</source>
        <translation>Gördüğü her isabet, karavana ve batışa göre geminin en olası yerine ateş eder.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <extracomment>The other player&apos;s name until their fleet arrives</extracomment>
        <translation>Rakip</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn</source>
        <translation>Oyun hazır... Sıra sende</translation>
    </message>
</context>
<context>
    <name>GameTypePanel</name>
    <message>
        <source>Select Game Type</source>
        <translation>Oyun Türünü Seç</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Tek Oyunculu</translation>
    </message>
    <message>
        <source>Multiplayer (Server)</source>
        <translation>Çok Oyunculu (Sunucu)</translation>
    </message>
    <message>
        <source>Multiplayer (Client)</source>
        <translation>Çok Oyunculu (İstemci)</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>İleri &gt;</translation>
    </message>
    <message>
        <source>Log Off</source>
        <translation>Çıkış Yap</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>İmkânsız</translation>
    </message>
    <message>
        <source>Admiral</source>
        <translation>Amiral</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The records&apos; row for games played over the network</extracomment>
        <translation>Ağ</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>The Entered Password is Incorrect or Invalid</source>
        <translation>Girilen parola yanlış veya geçersiz</translation>
    </message>
    <message>
        <source>The account could not be saved: %1</source>
        <extracomment>A message box; %1 says why, as in &quot;the disk is full&quot;</extracomment>
        <translation>Hesap kaydedilemedi: %1</translation>
    </message>
</context>
<context>
    <name>LoginPanel</name>
    <message>
        <source>Login</source>
        <comment>screen title</comment>
        <extracomment>The log-in screen&apos;s name for a screen reader, and its title</extracomment>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Kullanıcı:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>LoginRules</name>
    <message>
        <source>You Must Enter a Username</source>
        <translation>Bir kullanıcı adı girmelisin</translation>
    </message>
    <message>
        <source>You Must Enter a Password</source>
        <translation>Bir parola girmelisin</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain a Line Break</source>
        <translation>Kullanıcı adı veya parola satır sonu içeremez</translation>
    </message>
    <message>
        <source>A Username or Password Can Only Use Western European (Latin-1) Characters</source>
        <translation>Kullanıcı adı veya parola yalnızca Batı Avrupa (Latin-1) karakterleri içerebilir</translation>
    </message>
    <message>
        <source>A Username or Password Cannot Contain ¶ (It Separates the Parts of Network Messages)</source>
        <translation>Kullanıcı adı veya parola ¶ içeremez (ağ iletilerinin bölümlerini ayırır)</translation>
    </message>
    <message>
        <source>No More Players Can Be Created: the Limit is %1</source>
        <extracomment>%1 is the number of accounts the file can hold</extracomment>
        <translation>Daha fazla oyuncu oluşturulamaz: sınır %1</translation>
    </message>
    <message numerus="yes">
        <source>A Username or Password Can Be at Most %n Characters Long</source>
        <extracomment>%n is the longest a name or password may be, in characters</extracomment>
        <translation>
            <numerusform>Kullanıcı adı veya parola en fazla %n karakter olabilir</numerusform>
        </translation>
    </message>
    <message>
        <source>Login</source>
        <extracomment>The log-in button when the name typed is an account&apos;s</extracomment>
        <translation>Giriş Yap</translation>
    </message>
    <message>
        <source>Create Player</source>
        <extracomment>The log-in button when the name typed is new</extracomment>
        <translation>Oyuncu Oluştur</translation>
    </message>
</context>
<context>
    <name>MultiplayerTexts</name>
    <message>
        <source>Multiplayer</source>
        <extracomment>Title of the server and client screens</extracomment>
        <translation>Çok Oyunculu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that goes back to the choice of game</extracomment>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>NetworkFlow</name>
    <message>
        <source>No host was entered.</source>
        <translation>Sunucu girilmedi.</translation>
    </message>
    <message>
        <source>Status: Connected</source>
        <translation>Durum: Bağlı</translation>
    </message>
    <message>
        <source>Status: Not Listening</source>
        <translation>Durum: Dinlemiyor</translation>
    </message>
    <message>
        <source>Winsock Error: %1</source>
        <extracomment>A message box; %1 says what went wrong with the connection</extracomment>
        <translation>Winsock Hatası: %1</translation>
    </message>
    <message>
        <source>The opponent has closed the connection.</source>
        <translation>Rakip bağlantıyı kapattı.</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <extracomment>Status line of the game-over screen</extracomment>
        <translation>Bağlantı koptu</translation>
    </message>
    <message>
        <source>Waiting for Opponent... (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name</extracomment>
        <translation>Rakip bekleniyor... (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Your Turn (%1)</source>
        <extracomment>Status line; %1 is the player&apos;s own name</extracomment>
        <translation>Oyun hazır... Sıra sende (%1)</translation>
    </message>
    <message>
        <source>Game Ready... Opponents Turn (%1)</source>
        <extracomment>Status line; %1 is the opponent&apos;s name. &quot;Opponents&quot; without an apostrophe is how the game has always said it</extracomment>
        <translation>Oyun hazır... Rakibin sırası (%1)</translation>
    </message>
    <message>
        <source>(A message from the opponent was rejected.)</source>
        <extracomment>A chat log line</extracomment>
        <translation>(Rakipten gelen bir ileti reddedildi.)</translation>
    </message>
    <message>
        <source>The opponent sent data that is not part of the game. The connection has been closed.</source>
        <translation>Rakip oyuna ait olmayan veri gönderdi. Bağlantı kapatıldı.</translation>
    </message>
    <message>
        <source>%1 slapped you!</source>
        <extracomment>A chat log line; %1 is the opponent&apos;s name</extracomment>
        <translation>%1 sana tokat attı!</translation>
    </message>
    <message>
        <source>%1 slapped %2</source>
        <extracomment>A chat log line: the player&apos;s name, then the opponent&apos;s</extracomment>
        <translation>%1, %2 adlı oyuncuya tokat attı</translation>
    </message>
    <message>
        <source>Status: Waiting for Connection</source>
        <extracomment>The server screen&apos;s status line</extracomment>
        <translation>Durum: Bağlantı bekleniyor</translation>
    </message>
    <message>
        <source>Your Computer: %1</source>
        <extracomment>The server screen: %1 is this computer&apos;s host name and IP address, or 0.0.0.0 before it listens</extracomment>
        <translation>Bilgisayarın: %1</translation>
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
        <translation>%1, %2 üzerinde (%3)</translation>
    </message>
    <message>
        <source>%1, announced as “%2”</source>
        <extracomment>A row that reads like another, then the name the game was announced under</extracomment>
        <translation>%1, “%2” adıyla duyuruldu</translation>
    </message>
</context>
<context>
    <name>NetworkGamesList</name>
    <message>
        <source>Games on the network</source>
        <translation>Ağdaki oyunlar</translation>
    </message>
    <message>
        <source>Games on the network:</source>
        <translation>Ağdaki oyunlar:</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed here.</source>
        <translation>Ağdaki oyunlar burada listelenemiyor.</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Oyunlar aranıyor...</translation>
    </message>
</context>
<context>
    <name>PlacementFlow</name>
    <message>
        <source>Place Your Ships</source>
        <translation>Gemilerini Yerleştir</translation>
    </message>
</context>
<context>
    <name>PlacementPanel</name>
    <message>
        <source>Clear Ship</source>
        <translation>Gemiyi Kaldır</translation>
    </message>
    <message>
        <source>Place for Me</source>
        <translation>Rastgele Diz</translation>
    </message>
    <message>
        <source>Places every ship not yet placed at random.</source>
        <translation>Henüz yerleştirilmemiş tüm gemileri rastgele yerleştirir.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a file could not be written, as in &quot;The account could not be saved: the disk is full&quot;</extracomment>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk salt okunur</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>%1 klasörü oluşturulamadı</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>%1 klasörü salt okunur</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <extracomment>%1 names the file, as in &quot;the account file /home/sam/.tidewatch/accounts.txt&quot;</extracomment>
        <translation>%1 normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 salt okunur</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not a plain file</source>
        <translation>%1 sembolik bağ, normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 başka bir program tarafından kullanılıyor</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>%1 is too large to be a record file</source>
        <extracomment>%1 is the record file&apos;s name</extracomment>
        <translation>%1 rekor dosyası olamayacak kadar büyük</translation>
    </message>
</context>
<context>
    <name>RecordsView</name>
    <message>
        <source>Played</source>
        <translation>Oynanan</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Kazanılan</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Kaybedilen</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Bitmemiş</translation>
    </message>
    <message>
        <source>Fewest shots</source>
        <translation>En az atış</translation>
    </message>
    <message>
        <source>Hits</source>
        <extracomment>Column header: the share of shots that hit</extracomment>
        <translation>İsabet</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <extracomment>The records view&apos;s heading; %1 is the player&apos;s name</extracomment>
        <translation>%1 - Rekorlar</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of shots, as in &quot;37.5 %&quot;</extracomment>
        <translation>%%1</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the records view and caption of the button that opens it</extracomment>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>The records could not be read: %1.</source>
        <translation>Rekorlar okunamadı: %1.</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>Multiplayer server</source>
        <translation>Çok oyunculu sunucu</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Oyunu Başlat</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Destroyer</source>
        <translation>Muhrip</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kruvazör</translation>
    </message>
    <message>
        <source>Missile Launcher</source>
        <translation>Füzeatar</translation>
    </message>
    <message>
        <source>Aircraft Carrier</source>
        <translation>Uçak Gemisi</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Zırhlı</translation>
    </message>
</context>
<context>
    <name>UncountedGames</name>
    <message>
        <source>Not counted in your records: %1.</source>
        <extracomment>The end of a game that could not be counted; %1 says why</extracomment>
        <translation>Rekorlarına sayılmadı: %1.</translation>
    </message>
    <message>
        <source>1 game</source>
        <extracomment>Fills in &quot;Not counted here: %1 played since Tidewatch started&quot;; &quot;%n games&quot; is used for every other count</extracomment>
        <translation>1 oyun</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n oyun</numerusform>
        </translation>
    </message>
    <message>
        <source>Not counted here: %1 played since Tidewatch started (%2).</source>
        <extracomment>The records view&apos;s note; %1 is a number of games, %2 why they were not counted</extracomment>
        <translation>Burada sayılmadı: Tidewatch açıldığından beri oynanan %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>The network library %1 could not be loaded: %2</source>
        <translation>%1 ağ kitaplığı yüklenemedi: %2</translation>
    </message>
    <message>
        <source>There is no pending connection request %1.</source>
        <translation>Bekleyen bağlantı isteği yok %1.</translation>
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
        <translation>Savaş Gemisi</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Ana Menü</translation>
    </message>
    <message>
        <source>Your Fleet</source>
        <translation>Filon</translation>
    </message>
    <message>
        <source>Opponent&apos;s Fleet</source>
        <translation>Rakibin Filosu</translation>
    </message>
</context>
</TS>
