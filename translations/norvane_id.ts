<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>terjemahan</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Unduh Bacaan</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>Alamat folder data di server, atau alamat server cerminnya</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>Muat ulang daftar</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>Bacaan di server</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>semua 114, atau misalnya 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>Surah:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>Rekaman ini milik para qari dan penerbitnya, dan hanya untuk penggunaan pribadi. Unduhan yang terhenti dapat dimulai lagi: unduhan akan dilanjutkan dari titik terhentinya.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>daftar bawaan Norvane</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>Membaca daftar dari server …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>daftar dari server</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 ayat, %2. Satu bacaan lengkap berukuran sekitar 0,8 GB pada 64 kbit/s dan 2,5 hingga 2,8 GB pada 128 kbit/s.</translation>
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
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Daftar Putar Norvane</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>Putar ayat</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>Ayat terpilih beserta ulangan dan jedanya, persis seperti yang akan dibuat</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>Putar trek</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>Seluruh trek (grup) dari ayat terpilih, persis seperti yang akan dibuat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Hentikan pemutaran</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>grup: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>ulang: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>jeda tiap putaran (dtk): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>bertahap</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>Putar ayat 1, lalu ayat 1-2, lalu 1-3, ..., tiap tahap diulang sebanyak ulangan grup</translation>
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
        <translation>Dibacakan oleh %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>ulang ayat: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>jeda ayat (dtk): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>grup per halaman</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>“Tambahkan semua ayat” menjadikan ayat-ayat di setiap halaman mushaf satu grup tersendiri, yang diputar sesuai baris Grup</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>Setiap jeda bertambah sebanyak kelipatan ini dari durasi ayat itu sendiri</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× durasi ayat</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>Ayat terpilih sesuai rekamannya, dengan laju yang dipilih (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>Basmalah sebelum ayat 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>Sekali di setiap trek, sebelum ayat 1 suatu surah pertama kali terdengar (kecuali surah 1 dan 9)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>laju:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>Laju bacaan; nada suara qari tetap sama</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>Terjemahan setelah tiap ayat</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>Diputar sekali setelah ulangan tiap ayat, lalu diikuti jeda ayat itu</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>Setelan Perekam CD</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>Drive CD: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>Setelan MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>Simpan ke: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>Beri nomor berkas sesuai urutan putar</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Laju bit saat ini: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>Kecepatan Rekam CD: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>Pilih folder untuk menyimpan berkas MP3 Anda</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>Pilih ayat menurut surah, atau menurut juz, hizb, rubu&apos; (seperempat hizb) atau halaman mushaf 604 halaman</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>Drive CD tidak ditemukan!
Silakan pasang cdrdao, dan pastikan Anda berhak memakai perekam CD:
pada kebanyakan sistem, Anda harus menjadi anggota grup pemiliknya (sering kali &quot;cdrom&quot;).
Pembuatan CD Audio tidak akan berfungsi.
Namun, Anda tetap dapat membuat MP3.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>Perekam CD tidak ditemukan: pasang cdrdao, lalu masuklah ke grup pengguna perekam (biasanya &quot;cdrom&quot;). MP3 tetap bisa dibuat.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>Gagal Menghapus CD</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>Jika pintu drive CD Anda terbuka, berarti Anda memilih drive CD!
Namun pastikan drive itu dapat merekam CD!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>Pilih folder berisi rekaman ayat (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 paket surah diimpor.</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Impor dibatalkan.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Impor gagal.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… dan %1 baris lagi di log.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>Impor Bacaan</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>Tambahkan ayat ini</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>Hapus ayat</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Simpan Daftar Putar</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Buka Daftar Putar</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>Buat CD Al-Qur&apos;an</translation>
    </message>
    <message>
        <source>Make MP3</source>
        <translation>Buat MP3</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Daftar putar</translation>
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
        <translation>Durasi CD</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>Drive CD</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>Nomor grup</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>Laju bit MP3</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>Kecepatan rekam CD</translation>
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
        <translation>Norvane akan tampil dalam %1 setelah dijalankan ulang.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>Jika dihentikan sekarang, cakram tidak akan bisa dipakai. Tetap hentikan?</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Kesalahan Norvane</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>tidak dapat menjalankan perintah</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Paket terpasang</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (terjemahan)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Unduh Bacaan</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 sudah ada di daftar putar.&lt;br&gt;Untuk mengubah jumlah ulangan atau jedanya, hapus dulu dari daftar putar lalu tambahkan lagi.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>Ayat ditambahkan</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;Tidak ada ayat yang ditambahkan.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>Selesai menambahkan surah</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>Selesai menambahkan %1</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>Tidak ada ayat yang dipilih untuk dihapus!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>Tidak ada surah yang dipilih untuk dihapus!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>Pilih nama untuk menyimpan daftar putar</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>Daftar putar tidak dapat disimpan ke %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>Daftar putar selesai disimpan</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>Pilih daftar putar yang akan dibuka</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>Daftar putar %1 tidak dapat dibaca:&lt;br&gt;%2&lt;br&gt;Daftar putar yang sekarang tetap dipertahankan.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>Daftar putar selesai dibuka</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Tidak dapat memutar: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>Tidak dapat memutar %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Memutar %1</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>Selesai diputar</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>Pemutaran terhenti: %1</translation>
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
