<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1 yeni grup gerekiyor, ancak %3 grup numarasından yalnızca %2 tanesi boş</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - tekrarlar arası %3 sn</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - tekrarlar arası %3 sn + %4 × ayet süresi</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>, ara %1 sn</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>, kademeli</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (grup %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>80 dakikadan uzun ses seçtiniz.
CD-R diskler genellikle en çok 80 dakika alır.
Lütfen 80 dakikanın altına inene kadar ayet kaldırın!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>99&apos;dan fazla parça seçtiniz.
Bir CD en çok 99 parça alabilir.
Lütfen ayetleri gruplara koyun ya da bazı ayetleri kaldırın!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>Kur&apos;an CD&apos;si yazılamadı: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>bazı parçalar oluşturulamadı, bu yüzden hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>Kur&apos;an CD&apos;si hazırlanamadı: bazı parçalar oluşturulamadı</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>Kur&apos;an CD&apos;si hazırlanamadı: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>Kur&apos;an CD&apos;si hazırlandı: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>Kur&apos;an CD&apos;si yazılıyor ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>Parça yazılıyor: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>Diske yazılamıyor ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>%2 parçanın %1 tanesi yazıldıktan sonra iptal edildi; disk büyük olasılıkla kullanılamaz.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>Kur&apos;an CD&apos;si yazıldı!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao çalıştırılamıyor: kurulu değil (cdrdao paketini kurun) ya da arama yolunda değil</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>Diske yazılamıyor!
Diskin CD-R ya da CD-RW olduğundan emin olun
CD-RW ise önce silin!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>Sürücüde disk yok ya da tepsisi açık. Boş bir CD-R ya da CD-RW takın, tepsiyi kapatın ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>Sürücüdeki disk boş değil ve yalnızca CD-RW silinebilir. Boş bir CD-R takın ya da önce CD-RW&apos;yi silin.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>Parçalar diskin alabileceğinden uzun. Bazı ayetleri kaldırın, tekrarlarını azaltın ya da 80 dakikalık boş bir disk kullanın.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>CD yazıcıyı kullanma izniniz yok. Kendinizi cdrom grubuna ekleyin ve yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>Sürücüyü başka bir program kullanıyor. O programı kapatın ya da işini bitirmesini bekleyin ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>Bu sürücü CD-TEXT yazamıyor (Norvane her diske parça adlarını CD-TEXT olarak yazar). Başka bir CD yazıcı kullanın.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>Disk yazılamadı. Daha düşük bir hız deneyin; yine olmazsa yeni bir boş disk kullanın.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1, %2 olarak yeniden adlandırılamıyor: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>CD-RW siliniyor ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>CD-RW silinmeye başlanıyor...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>Silme iptal edildi; disk büyük olasılıkla kullanılamaz.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD silinemedi</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>CD silindi!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>CD silinemedi: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>bir kayıt için fazla büyük (%1 MB üzeri)</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>%1 yönlendirmeden fazla (sonuncusu %2 adresine)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>web adresi olmayan %1 adresine yönlendirme</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>güvenli bir adresten güvenli olmayan bir adrese yönlendirme (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 sn boyunca veri gelmedi</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>iptal edildi</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>sunucuda yok (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>sunucunun yanıtı: %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>sunucu kaldığı yerden devam etmeyi reddetti</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>sunucu yanlış yerden devam etti</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 yazılamıyor</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>sunucu kesin bir yanıt vermedi (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (%2 denemeden sonra)</translation>
    </message>
</context>
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>meal</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Tilavet indir</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Sunucu:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>Sunucunun veri klasörünün ya da onun bir yansısının adresi</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>Listeyi yenile</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>Sunucudaki tilavetler</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>114 surenin tümü ya da örneğin 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>Sureler:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>Kayıtlar kârilerine ve yayımcılarına aittir, kişisel kullanım içindir. Yarıda kalan bir indirme yeniden başlatılabilir: kaldığı yerden devam eder.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>Norvane ile gelen liste</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>Sunucunun listesi okunuyor …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>sunucunun listesi</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 ayet, %2. Tam bir tilavet 64 kbit/s&apos;de yaklaşık 0,8 GB, 128 kbit/s&apos;de 2,5-2,8 GB tutar.</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>Önce bir tilavet seçin.</translation>
    </message>
</context>
<context>
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>parça %1 kesitten fazlasından oluşuyor; birleştirmek için çok fazla</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>parça bir WAV dosyasına sığmayacak kadar uzun olur</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 yazılamıyor</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>geçici klasör &quot;%1&quot; mutlak bir yol değil (bkz. TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>geçici klasör &quot;%1&quot; yok (bkz. TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>geçici klasör &quot;%1&quot; bir klasör değil (bkz. TMPDIR)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>İşin çalışma klasörü oluşturulamıyor: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>İşin çalışma klasörü &quot;%1&quot; oluşturulamıyor</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>İşin çalışma klasörü &quot;%1&quot; içinde oluşturulamıyor: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>MP3 çözücü hazırlanamadı</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>MP3 sesi değil</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>eksik: %2 sn yerine %1 sn çalıyor</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Norvane çalma listesi</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>Ayeti dinle</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>Seçili ayet, tekrarları ve aralarıyla, hazırlanacağı hâliyle</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>Parçayı dinle</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>Seçili ayetin bütün parçası (grubu), hazırlanacağı hâliyle</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Çalmayı durdur</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruplar</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>grup: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>tekrar: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>her turdan sonra ara (sn): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>kademeli</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>Önce 1. ayet, sonra 1-2. ayetler, sonra 1-3, ... çalınır; her aşama, grubun tekrar sayısı kadar tekrarlanır</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sureler</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>Tilavet:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>Kâri: %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>ayet tekrarı: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>ayet arası (sn): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>sayfa başına grup</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>Her ara, ayetin kendi süresinin bu katı kadar uzar</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× ayet süresi</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>Seçili ayet, kaydedildiği gibi, seçilen hızda (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>1. ayetten önce besmele</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>Her parçada bir kez, bir surenin 1. ayeti ilk kez duyulmadan önce (1. ve 9. sureler hariç)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>hız:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>Tilavet hızı; kârinin ses perdesi değişmez</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>Her ayetten sonra meal</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>Her ayetin tekrarlarından sonra bir kez çalınır, ardından ayetin arası gelir</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>CD yazıcı ayarları</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>CD sürücüsü: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>MP3 ayarları</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>Klasör: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>Dosyaları çalma sırasına göre numarala</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Geçerli bit hızı: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>CD yazma hızı: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>MP3 dosyalarının konacağı klasörü seçin</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>Ayetleri sureye ya da 604 sayfalık mushafın cüz, hizip, çeyrek veya sayfasına göre seçin</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>Hiç CD yazıcı bulunamadı!
Lütfen cdrdao&apos;yu kurun ve CD yazıcıyı kullanma izniniz olduğundan emin olun:
çoğu sistemde bunun için yazıcının sahibi olan grubun (çoğunlukla &quot;cdrom&quot;) üyesi olmanız gerekir.
Ses CD&apos;si oluşturulamayacak.
Yine de MP3 oluşturabilirsiniz.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>CD yazıcı bulunamadı: cdrdao&apos;yu kurun ve yazıcıyı kullanabilen grubun (çoğunlukla &quot;cdrom&quot;) üyesi olun. MP3 için yazıcı gerekmez.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD silinemedi</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>CD sürücünüzün kapağı açıldıysa bir CD sürücüsü seçtiniz!
Ama CD yazabildiğinden emin olun!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>Ayet kayıtlarının bulunduğu klasörü seçin (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 sure paketi içe aktarıldı.</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>İçe aktarma iptal edildi.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>İçe aktarma başarısız oldu.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… ve günlükte %1 satır daha.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>Tilavet içe aktar</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>Bu ayeti ekle</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>Ayeti kaldır</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Listeyi kaydet</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Listeyi yükle</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>Kur&apos;an CD&apos;si yaz</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Çalma listesi</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>Surenin ayetleri</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Tilavet</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>CD süresi</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>CD sürücüsü</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>Grup numarası</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>MP3 bit hızı</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>CD yazma hızı</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sistemin dili</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>Norvane bir sonraki açılışta şu dili kullanacak: %1.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>Şimdi durdurmak diski kullanılamaz hâle getirir. Yine de durdurulsun mu?</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Norvane hatası</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>komut çalıştırılamıyor</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Kurulu paketler</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (meal)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Tilavet indir</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 zaten çalma listesinde.&lt;br&gt;Tekrar sayısını ya da arayı değiştirmek istiyorsanız ayeti listeden kaldırıp yeniden ekleyin.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>Ayet eklendi</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;Hiçbir ayet eklenmedi.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>Sure eklendi</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>Kaldırılacak ayet seçilmedi!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>Kaldırılacak sure seçilmedi!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>Kaydedilecek çalma listesi için bir ad seçin</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>Çalma listesi %1 konumuna kaydedilemedi:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>Çalma listesi kaydedildi</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>Açılacak çalma listesini seçin</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>%1 çalma listesi okunamadı:&lt;br&gt;%2&lt;br&gt;Mevcut çalma listesi korundu.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>Çalma listesi yüklendi</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Çalınamıyor: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>%1 çalınamıyor:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 çalınıyor</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>Çalma bitti</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>Çalma yarıda kesildi: %1</translation>
    </message>
    <message>
        <source>CD Length: </source>
        <translation>CD süresi: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

Elinizde zaten olan bir tilaveti (ayet başına bir MP3 dosyası, adı SSSAAA.mp3) eklemek için Dosya &gt; Tilavet içe aktar… komutunu seçin.</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;Tilavet indir…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>T&amp;ilavet içe aktar…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>Sureyi kaldır</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Ata</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>Görünüşe göre hiç sure paketi kurulu değil!
Lütfen %1 adresine gidip paket indirin!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>&quot;Tüm ayetleri ekle&quot;, mushafın her sayfasındaki ayetleri ayrı bir grup yapar; gruplar, Gruplar kutusundaki ayarlarla çalınır</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>Tüm ayetleri ekle</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Dinle</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>Sürücüyü test et</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>CD-RW&apos;yi sil</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;düşük kalite&lt;br&gt;küçük dosya&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;iyi kalite&lt;br&gt;büyük dosya&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gözat...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> MP3 oluştur</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Norvane – hoş geldiniz!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Ücretsiz yazılım&lt;/font&gt;&lt;/b&gt;&lt;br&gt;Bu program, hepimizin Kur&apos;an&apos;ı kolayca ezberlemesine yardımcı olmak için yazıldı. Arabanızın CD çalarıyla, ev müzik sisteminizle ya da MP3 çalarınızla ezberleyebilirsiniz. &lt;br&gt;&lt;br&gt;Lütfen dünyada acı çeken Müslüman kardeşlerimizi hatırlayın ve onlar için dua edin.&lt;br&gt;&lt;br&gt;Sorularınız, görüşleriniz ya da bildirmek istediğiniz hatalar için lütfen &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt; adresine yazın.&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Haberler ve sure paketleri için %4 sitesini ziyaret edin!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>Kur&apos;an ayet çalma listesi (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Cüz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizip</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Çeyrek</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>%1. cüz</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>%1. hizip</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>%1. çeyrek</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>%1. sayfa</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%2 ayetin %1 tanesi mevcut.</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; yazılamıyor: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>&quot;%1&quot; girdi adı 255 karakterden uzun</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>&quot;%1&quot; girdi adı bir sıfır baytı içeriyor</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>&quot;%1&quot; girdisinin boyutu verisiyle uyuşmuyor</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>&quot;%1&quot; okunamıyor: boyutu 2 GiB üzerinde</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>açılamıyor: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>paket arşivi değil</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>başlık yarıda kesiliyor</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>girdi sayısı (%1) bir paketin alabileceğinden fazla</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>dizin %1. girdide kesiliyor</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>dizinin %1. girdisinin adında sonlandırıcı sıfır baytı yok</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>çok fazla girdi</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>&quot;%1&quot; yazılamıyor: arşiv 4 GiB sınırını aşardı</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>%1 paketi okunamıyor (%2): norvane-pack verify komutunu çalıştırın</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>%1 kaydı kurulu paketlerde yok</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; düz bir dosya adı değil</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>%1 kaydı, paketinde boş</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>%1 kaydı, %2 paketinde bozuk: norvane-pack verify komutunu çalıştırın</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>çalınabilir MP3 sesi değil</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>geçici klasör yok</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>sessizlik kaydı için geçici WAV dosyası yazılamıyor: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>silence.mp3 oluşturulamıyor: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame, silence.mp3 dosyasını oluşturmadı</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; bir klasör değil</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>içe aktarma iptal edildi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot; içinde SSSAAA.mp3 adlı ayet kaydı yok</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>adı SSSAAA.mp3 biçiminde değil</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 numaralı sure yok</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>%1. surenin %2. ayeti yok</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>hiç ayet kaydı taranmadı</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>&quot;%1&quot; klasörü oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>bu bilgisayarda çalmak için ses çıkışı yok</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>%1 ses çıkışı CD sesini çalamıyor</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>%1 ses çıkışı hata verdi</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ve %2 tane daha</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>Dosya, bir çalma listesi olamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>Çalma listesinin %1 satırı okunamadı ve atlandı: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>%1 satırdaki tekrar ya da ara değerleri sınır dışındaydı; izin verilen en yakın değere ayarlandı: %2.</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a problem happened to, then the problem: &quot;002.mat: the file is cut short&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ProcessWrap</name>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 işini bitirmedi</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 yanıt vermiyor</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1, %2 durum koduyla sonlandı</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1, %2 durum koduyla sonlandı (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 başlatılamadı</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>İptal ediliyor ...</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>%1 girdiden fazla: geri kalanı atlandı</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>katalog, bir kataloğun olabileceğinden büyük</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>katalog bir JSON nesnesi değil: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>katalogda kullanılabilir bir klasör yok</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; bir sunucu klasörü değil: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>%1 karakterden uzun</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>harf, rakam, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; ve &quot;/&quot; dışında bir karakter içeriyor</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>&quot;/&quot; ile başlıyor ya da bitiyor veya &quot;//&quot; içeriyor</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>sunucunun veri klasörünün dışına çıkıyor</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>bir bölümü boşlukla başlıyor ya da bitiyor</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>boyut bilinmiyor</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>yaklaşık %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>yaklaşık %1 MB</translation>
    </message>
</context>
<context>
    <name>RecitationDownload</name>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>%1 kB/s</source>
        <translation>%1 kB/s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 sa %2 dk</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 dk</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>çok büyük</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>%1 geçici olarak kaydedilemiyor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; bir klasörün http:// ya da https:// adresi değil</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 numaralı sure yok</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; bir sure listesi değil: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>1-2,78-114 biçiminde yazın</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>sure numaraları 1 ile %1 arasında olur, küçükten büyüğe yazılır</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%2 ayetten %1 tanesi %3 adresinden indirilecek (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>%1 ayet indiriliyor ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>Sunucunun sağlama toplamı listesinde %1 dosya var.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>Sunucuda sağlama toplamı listesi yok (%1); dosyalar yalnızca MP3 sesi olarak denetleniyor.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>arka arkaya %1 dosya indirilemeyince durduruldu (son hata: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>indirilen veri okunamıyor: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>çalınabilir MP3 sesi değil (sunucu başka bir şey gönderdi)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>sağlama toplamı uyuşmuyor: sunucunun sağlama toplamı listesindeki dosya bu değil</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>%1 yazıldı (%2 ayet)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>henüz bir pakette değil</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>istenen %2 ayetten %1 tanesi mevcut değil</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%1/%2 dosya, %3 MB, %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%1/%2 dosya, %3 MB, %4, yaklaşık %5 kaldı</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>Eksik %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>İstenen %2 ayetten %1 tanesi %3 içinde mevcut (bu sefer %4 dosya, %5 MB indirildi).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>İndirme iptal edildi: yukarıda listelenen paketler yazıldı; yeniden başlatılırsa kaldığı yerden devam eder.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>Kayıtlar kârilerine ve yayımcılarına aittir; kişisel kullanım içindir.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>Kayıtlar okunuyor ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>%1 sure paketi yazılıyor ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>%1 yazıldı</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>İçe aktarma başarısız oldu.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %3 ayetten %2 tanesi</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %3 ayetten %2 tanesi, eksik: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 yok sayıldı: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>İçe aktarma iptal edildi: yukarıda listelenen paketler yazıldı; başka hiçbir paket değiştirilmedi.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>İçe aktarma durdu: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>bir manifest dosyasının olabileceğinden büyük</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>manifest dosyası değil (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; bir tilavet adı olamaz: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>%1 karakterden uzun</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>bu ad, doğrudan paket klasöründeki paketlere ayrılmıştır</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>nokta ile başlıyor ya da boşlukla başlıyor veya bitiyor</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>klasör adında bulunamayacak bir karakter içeriyor</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>%1 kataloğu indirilemiyor: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>katalog okunamıyor: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>%1 bayt uzunluğunda, cdrdao&apos;nun okuduğu %2 bayttan fazla</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>çift tırnak içeriyor</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>denetim karakteri içeriyor</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>ardından rakam gelen bir ters eğik çizgi içeriyor</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>&quot;%1&quot; parça adı içindekiler tablosuna yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>&quot;%1&quot; parça dosyası içindekiler tablosuna yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1, %2 içinde hiç ses bırakmadı</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1, %2 dosyasını eksik bıraktı</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1, %2 konumunda MP3 dosyası bırakmadı</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 bozuk: %3 sn yerine %2 sn çalıyor</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>parça %1 kesitten fazlasından oluşuyor; çalmak için çok fazla</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: kod çözülemedi</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>meal seçilmedi</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>&quot;%1&quot; sure anahtarı üç basamaklı değil</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>&quot;%1&quot; ayet anahtarı üç basamaklı değil</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 numaralı sure yok</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>%1 numaralı surenin adı yok</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Her ayetten sonraki meal çalınamıyor: %1. Lütfen meali kurun ya da &quot;Her ayetten sonra meal&quot; için &quot;yok&quot; seçeneğini seçin.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>&quot;%1&quot; mealinde %2 ayetinin kaydı yok. Lütfen bu kaydı içeren paketleri kurun ya da &quot;Her ayetten sonra meal&quot; için &quot;yok&quot; seçeneğini seçin.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>&quot;%1&quot; mealinde %2 ayetlerinin kaydı yok. Lütfen bu kayıtları içeren paketleri kurun ya da &quot;Her ayetten sonra meal&quot; için &quot;yok&quot; seçeneğini seçin.</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>Besmele, 1. surenin (Fâtiha) 1. ayetinden çalınır, ancak bu ayet kurulu paketlerin hiçbirinde yok. Lütfen Fâtiha suresinin paketini kurun ya da &quot;1. ayetten önce besmele&quot; seçeneğini kapatın.</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>Lütfen MP3 parçalarınız için geçerli bir klasör seçin!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>MP3 parçaları oluşturuluyor ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>Parçalar oluşturuluyor ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>Parçalar hazırlanıyor</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>MP3 parçaları oluşturuldu!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Başarısız: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>%2 parçanın %1 tanesi oluşturulamadı: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>%2 parçanın %1 tanesinden sonra iptal edildi.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>Lütfen ezberlemek için sure ya da ayet ekleyin!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>kod çözülemedi</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>hız değiştirilemedi: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>ara için sessizlik kaydı gerekiyor, ancak oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>besmelenin kaydı gerekiyor, ancak oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>birleştirme başarısız: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>parça CD sesi değil (44,1 kHz, 16 bit, stereo)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>parça, CD&apos;nin en kısa parça süresine uzatılamıyor: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>kodlama başarısız: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>MP3 kodlanıyor, grup %1 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>MP3 kodlanıyor: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>Parça oluşturuluyor: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (%2 meali)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>&quot;%1&quot; adlı meal kurulu değil</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>&quot;%1&quot; tilaveti bir meal değil</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>PCM WAV dosyası değil</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>örnekleri dosyanın sonunda bitmiyor</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>uzatılan dosya çok büyük olurdu</translation>
    </message>
</context>
</TS>
