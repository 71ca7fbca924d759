<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
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
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>“Tüm ayetleri ekle”, mushafın her sayfasındaki ayetleri ayrı bir grup yapar; bu gruplar Gruplar satırındaki ayarlarla çalınır</translation>
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
        <source>Make MP3</source>
        <translation>MP3 oluştur</translation>
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
</TS>
