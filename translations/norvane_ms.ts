<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>terjemahan</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Muat Turun Bacaan</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Pelayan:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>Alamat folder data di pelayan, atau alamat pelayan cerminnya</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>Segar semula senarai</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>Bacaan di pelayan</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>kesemua 114, atau contohnya 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>Surah:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>Rakaman ini milik para qari dan penerbitnya, dan hanya untuk kegunaan peribadi. Muat turun yang terhenti boleh dimulakan semula: ia akan bersambung dari tempat ia berhenti.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Muat Turun</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>senarai yang disertakan bersama Norvane</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>Membaca senarai daripada pelayan …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>senarai daripada pelayan</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 ayat, %2. Satu bacaan lengkap bersaiz kira-kira 0.8 GB pada 64 kbit/s dan 2.5 hingga 2.8 GB pada 128 kbit/s.</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>Pilih bacaan terlebih dahulu.</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Senarai Main Norvane</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>Main ayat</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>Ayat yang dipilih berserta ulangan dan jedanya, sama seperti yang akan dihasilkan</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>Main trek</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>Seluruh trek (kumpulan) bagi ayat yang dipilih, sama seperti yang akan dihasilkan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Henti</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Berhenti memainkan</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Kumpulan</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>no.: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>ulang: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>jeda tiap putaran (saat): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>bertahap</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>Mainkan ayat 1, kemudian ayat 1-2, kemudian 1-3, ..., setiap tahap diulang sebanyak ulangan kumpulan</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>Bacaan:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>Dibaca oleh %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>ulang ayat: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>jeda ayat (saat): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>kumpulan halaman</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>“Tambah semua ayat” menjadikan ayat-ayat dalam setiap halaman mushaf satu kumpulan tersendiri, yang dimainkan mengikut baris Kumpulan</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>Setiap jeda bertambah sebanyak gandaan ini daripada masa bacaan ayat itu sendiri</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× masa ayat</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>Ayat yang dipilih seperti dalam rakamannya, pada laju yang dipilih (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>Basmalah sebelum ayat 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>Sekali dalam setiap trek, sebelum ayat 1 sesuatu surah mula-mula kedengaran (kecuali surah 1 dan 9)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>laju:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>Laju bacaan; nada suara qari kekal</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>Terjemahan selepas setiap ayat</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>Dimainkan sekali selepas ulangan setiap ayat, kemudian diikuti jeda ayat itu</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>Tetapan Perakam CD</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>Pemacu CD: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>Tetapan MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>Simpan ke: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>Nomborkan fail ikut urutan main</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Kadar bit semasa: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>Kelajuan Rakam CD: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>Pilih folder untuk menyimpan fail MP3 anda</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>Pilih ayat mengikut surah, atau mengikut juz, hizb, rubu&apos; (suku hizb) atau halaman mushaf 604 halaman</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>Pemacu CD tidak ditemui!
Sila pasang cdrdao, dan pastikan anda dibenarkan menggunakan perakam CD:
pada kebanyakan sistem, anda perlu menjadi ahli kumpulan yang memilikinya (selalunya &quot;cdrom&quot;).
CD Audio tidak dapat dibuat.
Walau bagaimanapun, anda masih boleh membuat MP3.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>Perakam CD tidak ditemui: pasang cdrdao, kemudian sertai kumpulan pengguna perakam (selalunya &quot;cdrom&quot;). MP3 tetap boleh dibuat.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>Gagal Memadam CD</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>Jika pintu pemacu CD anda terbuka, anda telah memilih pemacu CD!
Tetapi pastikan pemacu itu boleh merakam CD!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>Pilih folder yang mengandungi rakaman ayat (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 pakej surah diimport.</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import dibatalkan.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import gagal.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… dan %1 baris lagi dalam log.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>Import Bacaan</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>Tambah ayat ini</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>Buang ayat</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Simpan Senarai Main</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Buka Senarai Main</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>Buat CD al-Quran</translation>
    </message>
    <message>
        <source>Make MP3</source>
        <translation>Buat MP3</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Senarai main</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>Ayat-ayat surah</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Bacaan</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>Tempoh CD</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>Pemacu CD</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>Nombor kumpulan</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>Kadar bit MP3</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>Kelajuan rakam CD</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Bahasa sistem</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>Norvane akan dipaparkan dalam %1 apabila dimulakan semula.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>Jika dihentikan sekarang, cakera tidak boleh digunakan lagi. Hentikan juga?</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Ralat Norvane</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>tidak dapat menjalankan arahan</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Pakej terpasang</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (terjemahan)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tiada</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Muat Turun Bacaan</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 sudah ada dalam senarai main.&lt;br&gt;Untuk mengubah bilangan ulangan atau jedanya, buang dahulu daripada senarai main kemudian tambah semula.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>Ayat ditambah</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;Tiada ayat yang ditambah.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>Selesai menambah surah</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>Selesai menambah %1</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>Tiada ayat dipilih untuk dibuang!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>Tiada surah dipilih untuk dibuang!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>Pilih nama untuk menyimpan senarai main</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>Senarai main tidak dapat disimpan ke %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>Senarai main telah disimpan</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>Pilih senarai main untuk dibuka</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>Senarai main %1 tidak dapat dibaca:&lt;br&gt;%2&lt;br&gt;Senarai main semasa dikekalkan.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>Senarai main telah dibuka</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Tidak dapat dimainkan: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>Tidak dapat memainkan %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Memainkan %1</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>Selesai dimainkan</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>Main balik terhenti: %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>Membatalkan ...</translation>
    </message>
</context>
</TS>
