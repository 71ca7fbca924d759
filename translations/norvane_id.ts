<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>Diperlukan %1 grup baru, tetapi hanya %2 dari %3 nomor grup yang masih kosong</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - jeda: %3 dtk antarulangan</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - jeda: %3 dtk + %4 × ayat antarulangan</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>, jeda %1 dtk</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>, bertahap</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (GRUP: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>Anda memilih lebih dari 80 menit audio.
Biasanya CD-R hanya dapat menampung 80 menit atau kurang.
Hapus beberapa ayat sampai totalnya di bawah 80 menit!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>Anda memilih lebih dari 99 trek.
Sebuah CD hanya dapat menampung paling banyak 99 trek.
Masukkan ayat-ayat ke dalam grup atau hapus beberapa ayat!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>Gagal merekam CD Al-Qur&apos;an: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>tidak semua trek dapat dibuat, jadi tidak ada yang direkam</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>Gagal menyiapkan CD Al-Qur&apos;an: tidak semua trek dapat dibuat</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>Gagal menyiapkan CD Al-Qur&apos;an: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>Selesai menyiapkan CD Al-Qur&apos;an: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>Merekam CD Al-Qur&apos;an ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>Merekam trek: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>Tidak dapat merekam ke cakram ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>Dibatalkan setelah %1 dari %2 trek direkam; cakram kemungkinan besar tidak dapat dipakai.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>CD Al-Qur&apos;an selesai direkam!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao tidak dapat dijalankan: program tersebut belum terpasang (pasang paket cdrdao) atau tidak ada di jalur pencarian</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>Tidak dapat merekam ke cakram!
Pastikan cakramnya CD-R atau CD-RW
Jika CD-RW, pastikan Anda menghapusnya terlebih dahulu!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>Tidak ada cakram di drive, atau bakinya terbuka. Masukkan CD-R atau CD-RW kosong, tutup bakinya, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>Cakram di drive tidak kosong, dan hanya CD-RW yang dapat dihapus. Masukkan CD-R kosong, atau hapus CD-RW itu terlebih dahulu.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>Trek-treknya lebih panjang daripada kapasitas cakram. Hapus beberapa ayat atau kurangi ulangannya, atau gunakan cakram kosong 80 menit.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>Anda tidak berhak memakai perekam CD. Tambahkan akun Anda ke grup cdrom, lalu keluar dan masuk kembali.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>Program lain sedang memakai drive. Tutup program itu, atau tunggu sampai selesai, lalu coba lagi.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>Drive ini tidak dapat menulis CD-TEXT, yaitu judul trek yang dipasang Norvane di setiap cakram. Gunakan perekam CD lain.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>Gagal merekam cakram. Coba kecepatan yang lebih rendah, dan cakram kosong yang baru jika gagal lagi.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>tidak dapat mengganti nama %1 menjadi %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>tidak dapat membuat folder %1</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>Menghapus CD-RW ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>Mulai menghapus CD-RW...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>Penghapusan dibatalkan; cakram kemungkinan besar tidak dapat dipakai.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>Gagal menghapus CD</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>CD selesai dihapus!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>Gagal menghapus CD: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>lebih besar dari %1 MB, jadi bukan rekaman</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>lebih dari %1 pengalihan (yang terakhir ke %2)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>pengalihan ke %1, yang bukan alamat web</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>pengalihan dari alamat aman ke alamat tidak aman (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>tidak ada data selama %1 dtk</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>dibatalkan</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>tidak ada di server (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>server membalas dengan kode %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>server menolak melanjutkan unduhan</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>server melanjutkan dari posisi yang salah</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>tidak dapat menulis %1</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>server tidak memberikan jawaban akhir (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (setelah %2 kali percobaan)</translation>
    </message>
</context>
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
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>trek ini terdiri dari lebih dari %1 potongan, terlalu banyak untuk digabungkan</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>trek ini akan lebih panjang daripada yang dapat ditampung berkas WAV</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>tidak dapat menulis %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>folder sementara &quot;%1&quot; bukan jalur absolut (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>folder sementara &quot;%1&quot; tidak ada (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>folder sementara &quot;%1&quot; bukan folder (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>Tidak dapat membuat folder kerja untuk tugas ini: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>Tidak dapat membuat folder kerja &quot;%1&quot; untuk tugas ini</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>Tidak dapat membuat folder kerja untuk tugas ini di &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>dekoder MP3 tidak dapat disiapkan</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>bukan audio MP3</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>terpotong: hanya %1 dtk dari %2 dtk yang dapat diputar</translation>
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
        <translation>Perekam CD tidak ditemukan: pasang cdrdao, lalu tambahkan akun Anda ke grup pengguna perekam (biasanya &quot;cdrom&quot;). MP3 tetap dapat dibuat.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>Gagal menghapus CD</translation>
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
        <translation>Tambah ayat ini</translation>
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
        <translation>Jika dihentikan sekarang, cakram tidak akan dapat dipakai. Tetap hentikan?</translation>
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
    <message>
        <source>CD Length: </source>
        <translation>Durasi CD: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

Untuk menambahkan bacaan yang sudah Anda miliki (satu berkas MP3 per ayat, bernama SSSAAA.mp3), pilih Berkas &gt; Impor Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;Unduh Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>&amp;Impor Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>Hapus surah</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Hapus semua</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Tetapkan</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>Sepertinya Anda belum memasang paket surah apa pun!
Silakan kunjungi %1 dan unduh beberapa paket!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>“Tambah semua” menjadikan ayat-ayat di setiap halaman mushaf satu grup tersendiri, yang diputar sesuai setelan di kotak Grup</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>Tambah semua</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>Uji Drive CD</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>Hapus CD-RW</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;kualitas rendah&lt;br&gt;berkas lebih kecil&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;kualitas bagus&lt;br&gt;berkas lebih besar&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Telusuri...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> Buat MP3</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Selamat datang di Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Gratis&lt;/font&gt;&lt;/b&gt;&lt;br&gt;Program ini dibuat untuk membantu kita semua menghafal Al-Qur&apos;an dengan mudah. Anda dapat menghafal melalui pemutar CD di mobil, sistem hiburan di rumah, atau pemutar MP3 Anda. &lt;br&gt;&lt;br&gt;Mohon ingat dan doakan saudara-saudari Muslim kita yang sedang menderita di berbagai belahan dunia.&lt;br&gt;&lt;br&gt;Jika Anda memiliki pertanyaan, komentar, atau ingin melaporkan kesalahan program, silakan hubungi &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Kunjungi %4 untuk berita dan paket surah!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>Daftar Putar Ayat Al-Qur&apos;an (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Rubu&apos;</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>Juz %1</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>Hizb %1</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>Rubu&apos; %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%1 dari %2 ayat tersedia.</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>tidak dapat menulis &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>nama entri &quot;%1&quot; lebih panjang dari 255 karakter</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>nama entri &quot;%1&quot; mengandung bita nol</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>ukuran entri &quot;%1&quot; tidak sesuai dengan datanya</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>tidak dapat membaca &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>tidak dapat membaca &quot;%1&quot;: lebih besar dari 2 GiB</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>tidak dapat membuka: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>bukan arsip paket</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>header terpotong</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>jumlah entri %1 melebihi kapasitas paket</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>indeks terpotong pada entri %1</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>nama entri indeks %1 tidak diakhiri bita nol</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>terlalu banyak entri</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>tidak dapat menulis &quot;%1&quot;: arsip akan melebihi 4 GiB</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>paket %1 tidak dapat dibaca (%2): jalankan norvane-pack verify</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>rekaman %1 tidak ada di paket yang terpasang</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; bukan nama berkas biasa</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>rekaman %1 kosong di dalam paketnya</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>rekaman %1 rusak di dalam paket %2: jalankan norvane-pack verify</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>bukan audio MP3 yang dapat diputar</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>tidak ada folder sementara</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>tidak dapat menulis berkas WAV sementara untuk rekaman hening: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>tidak dapat membuat silence.mp3: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame tidak menghasilkan silence.mp3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; bukan folder</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>impor dibatalkan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot; tidak berisi rekaman ayat bernama SSSAAA.mp3</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>namanya bukan SSSAAA.mp3</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>tidak ada surah %1</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>surah %1 tidak memiliki ayat %2</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>tidak ada rekaman ayat yang dipindai</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>tidak dapat membuat folder &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>komputer ini tidak memiliki keluaran audio untuk memutar suara</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>keluaran audio %1 tidak dapat memutar audio CD</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>keluaran audio %1 gagal</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 dan %2 lainnya</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>Berkas ini terlalu besar untuk sebuah daftar putar.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>%1 baris daftar putar tidak dapat dibaca dan dilewati: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>%1 baris memiliki ulangan atau jeda di luar batas; nilainya diubah ke nilai terdekat yang diizinkan: %2.</translation>
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
        <translation>%1 tidak selesai</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 berhenti merespons</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 berakhir dengan status %2</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 berakhir dengan status %2 (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 tidak dapat dijalankan</translation>
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
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>lebih dari %1 entri: sisanya dilewati</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>katalog ini melebihi ukuran maksimum sebuah katalog</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>katalog ini bukan objek JSON: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>katalog ini tidak menyebutkan folder yang dapat dipakai</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; bukan folder server: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>namanya kosong</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>namanya lebih panjang dari %1 karakter</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>namanya berisi karakter selain huruf, angka, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; dan &quot;/&quot;</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>namanya diawali atau diakhiri &quot;/&quot; atau berisi &quot;//&quot;</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>jalurnya keluar dari folder data server</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>ada bagian yang diawali atau diakhiri spasi</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>ukuran tidak diketahui</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>sekitar %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>sekitar %1 MB</translation>
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
        <translation>%1 jam %2 mnt</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 mnt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>terlalu besar</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>tidak dapat menyimpan sementara %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; bukan alamat folder http:// atau https://</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>tidak ada surah %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; bukan daftar surah: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>tulis seperti 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>nomor surah dari 1 sampai %1, dari kecil ke besar</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%1 dari %2 ayat akan diunduh dari %3 (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>tidak dapat membuat folder %1</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>Mengunduh %1 ayat ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>Daftar checksum di server memuat %1 berkas.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>Server tidak memiliki daftar checksum (%1); berkas hanya diperiksa sebagai audio MP3.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>dihentikan setelah %1 berkas berturut-turut gagal diunduh (yang terakhir: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>tidak dapat membaca hasil unduhan: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>bukan audio MP3 yang dapat diputar (server mengirim sesuatu yang lain)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>checksum tidak cocok: bukan berkas yang disebutkan dalam daftar checksum server</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>%1 disimpan (%2 ayat)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>belum ada di paket</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>%1 dari %2 ayat yang diminta tidak tersedia</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%1 dari %2 berkas, %3 MB, %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%1 dari %2 berkas, %3 MB, %4, sekitar %5 lagi</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>Tidak tersedia %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>%1 dari %2 ayat yang diminta tersedia di %3 (%4 berkas, %5 MB diunduh kali ini).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>Unduhan dibatalkan: paket-paket di atas sudah disimpan; unduhan berikutnya akan melanjutkan sisanya.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>Rekaman ini milik para qari dan penerbitnya; hanya untuk penggunaan pribadi.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>Membaca rekaman ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>Menyimpan %1 paket surah ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>%1 disimpan</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Impor gagal.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %2 dari %3 ayat</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %2 dari %3 ayat, tidak ada: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 diabaikan: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>Impor dibatalkan: paket-paket di atas sudah disimpan; paket lain tidak diubah.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>Impor terhenti: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>melebihi ukuran maksimum sebuah manifes</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>bukan manifes (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>tidak dapat membuat folder %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; tidak dapat dipakai sebagai nama bacaan: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>namanya kosong</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>namanya lebih panjang dari %1 karakter</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>nama ini dikhususkan untuk paket yang langsung berada di folder paket</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>namanya diawali titik, atau diawali atau diakhiri spasi</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>namanya berisi karakter yang tidak boleh ada dalam nama folder</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>disk sudah penuh</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>tidak dapat mengunduh katalog %1: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>tidak dapat membaca katalog: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>panjangnya %1 bita, melebihi %2 bita yang dibaca cdrdao</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>berisi tanda petik ganda</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>berisi karakter kontrol</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>berisi garis miring terbalik yang diikuti angka</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>Tidak dapat menulis judul trek &quot;%1&quot; ke daftar isi cakram: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>Tidak dapat menulis berkas trek &quot;%1&quot; ke daftar isi cakram: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1 tidak menghasilkan audio di %2</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 menghasilkan %2 yang terpotong</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 tidak menghasilkan berkas MP3 di %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 rusak: durasinya %2 dtk, bukan %3 dtk</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>trek ini terdiri dari lebih dari %1 potongan, terlalu banyak untuk diputar</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: pendekodean gagal</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>tidak ada terjemahan yang dipilih</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>kunci surah &quot;%1&quot; bukan tiga angka</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>kunci ayat &quot;%1&quot; bukan tiga angka</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>tidak ada surah %1</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>surah %1 tidak memiliki judul</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>dan %1 lainnya</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan setelah tiap ayat tidak dapat diputar: %1. Silakan pasang terjemahan itu, atau pilih &quot;tidak ada&quot; sebagai terjemahan setelah tiap ayat.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan &quot;%1&quot; tidak memiliki rekaman ayat %2. Silakan pasang paket yang memuatnya, atau pilih &quot;tidak ada&quot; sebagai terjemahan setelah tiap ayat.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan &quot;%1&quot; tidak memiliki rekaman ayat-ayat %2. Silakan pasang paket yang memuatnya, atau pilih &quot;tidak ada&quot; sebagai terjemahan setelah tiap ayat.</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>Basmalah diputar dari ayat 1 surah 1 (Al-Fatihah), yang tidak ada di paket terpasang mana pun. Silakan pasang paket Al-Fatihah, atau matikan &quot;Basmalah sebelum ayat 1&quot;.</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>Silakan pilih folder yang valid untuk menyimpan trek MP3 Anda!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>Membuat trek MP3 ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>Membuat trek ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>Menyiapkan trek</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>Trek MP3 selesai dibuat!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Gagal: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>Gagal membuat %1 dari %2 trek: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>Dibatalkan setelah %1 dari %2 trek.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>Silakan tambahkan surah atau ayat yang ingin dihafal!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>pendekodean gagal</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>gagal mengubah laju: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>jeda memerlukan rekaman hening, yang tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>basmalah memerlukan rekamannya, yang tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>penggabungan gagal: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>trek ini bukan audio CD (44,1 kHz, 16-bit, stereo)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>tidak dapat memperpanjang trek hingga durasi minimum CD: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>pengodean gagal: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>Mengodekan MP3 grup: %1 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>Mengodekan MP3: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>Membuat trek: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (terjemahan %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>terjemahan &quot;%1&quot; tidak terpasang</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>bacaan &quot;%1&quot; bukan terjemahan</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>bukan berkas WAV PCM</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>data sampelnya tidak berada di akhir berkas</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>berkas yang diperpanjang akan terlalu besar</translation>
    </message>
</context>
</TS>
