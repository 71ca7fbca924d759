<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1 kumpulan baharu diperlukan, tetapi hanya %2 daripada %3 nombor kumpulan yang masih kosong</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - jeda: %3 saat antara ulangan</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - jeda: %3 saat + %4 × ayat antara ulangan</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>, jeda %1 saat</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>, bertahap</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (KUMPULAN: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>Anda telah memilih lebih daripada 80 minit audio.
Biasanya CD-R hanya boleh memuatkan 80 minit atau kurang.
Sila buang beberapa ayat sehingga jumlahnya kurang daripada 80 minit!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>Anda telah memilih lebih daripada 99 trek.
Sebuah CD hanya boleh memuatkan paling banyak 99 trek.
Sila masukkan ayat ke dalam kumpulan atau buang beberapa ayat!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>Gagal merakam CD al-Quran: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>tidak semua trek dapat dibuat, jadi tiada apa-apa yang dirakam</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>Gagal menyediakan CD al-Quran: tidak semua trek dapat dibuat</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>Gagal menyediakan CD al-Quran: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>Selesai menyediakan CD al-Quran: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>Merakam CD al-Quran ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>Merakam trek: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>Tidak dapat merakam ke cakera ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>Dibatalkan selepas %1 daripada %2 trek dirakam; cakera itu kemungkinan besar tidak boleh digunakan lagi.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>CD al-Quran selesai dirakam!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao tidak dapat dijalankan: ia belum dipasang (pasang pakej cdrdao) atau tiada dalam laluan carian</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>Tidak dapat merakam ke cakera!
Pastikan cakera itu CD-R atau CD-RW
Jika ia CD-RW, pastikan anda memadamnya terlebih dahulu!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>Tiada cakera dalam pemacu, atau dulangnya terbuka. Masukkan CD-R atau CD-RW kosong, tutup dulangnya, kemudian cuba lagi.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>Cakera dalam pemacu tidak kosong, dan hanya CD-RW yang boleh dipadam. Masukkan CD-R kosong, atau padam CD-RW itu terlebih dahulu.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>Trek-trek itu lebih panjang daripada muatan cakera. Buang beberapa ayat atau kurangkan ulangannya, atau gunakan cakera kosong 80 minit.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>Anda tidak dibenarkan menggunakan perakam CD. Tambah akaun anda ke dalam kumpulan cdrom, kemudian log keluar dan log masuk semula.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>Program lain sedang menggunakan pemacu. Tutup program itu, atau tunggu sehingga ia selesai, kemudian cuba lagi.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>Pemacu ini tidak boleh menulis CD-TEXT, iaitu tajuk trek yang diletakkan oleh Norvane pada setiap cakera. Gunakan perakam CD lain.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>Gagal merakam cakera. Cuba kelajuan yang lebih rendah, dan cakera kosong yang baharu jika gagal lagi.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>tidak dapat menamakan semula %1 kepada %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>tidak dapat mencipta folder %1</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>Memadam CD-RW ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>Mula memadam CD-RW...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>Pemadaman dibatalkan; cakera itu kemungkinan besar tidak boleh digunakan lagi.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>Gagal memadam CD</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>CD selesai dipadam!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>Gagal memadam CD: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>lebih besar daripada %1 MB, jadi bukan rakaman</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>lebih daripada %1 ubah hala (yang terakhir ke %2)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>ubah hala ke %1, yang bukan alamat web</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>ubah hala daripada alamat selamat ke alamat tidak selamat (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>tiada data selama %1 saat</translation>
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
        <translation>tiada di pelayan (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>pelayan membalas dengan kod %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>pelayan enggan menyambung semula muat turun</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>pelayan menyambung semula dari kedudukan yang salah</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>tidak dapat menulis %1</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>pelayan tidak memberikan jawapan akhir (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (selepas %2 kali cubaan)</translation>
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
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>trek ini terdiri daripada lebih daripada %1 bahagian, terlalu banyak untuk dicantumkan</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>trek ini akan lebih panjang daripada yang boleh dimuatkan oleh fail WAV</translation>
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
        <translation>folder sementara &quot;%1&quot; bukan laluan mutlak (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>folder sementara &quot;%1&quot; tidak wujud (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>folder sementara &quot;%1&quot; bukan folder (lihat TMPDIR)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>Tidak dapat mencipta folder kerja untuk tugas ini: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>Tidak dapat mencipta folder kerja &quot;%1&quot; untuk tugas ini</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>Tidak dapat mencipta folder kerja untuk tugas ini dalam &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>penyahkod MP3 tidak dapat disediakan</translation>
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
        <translation>terpotong: hanya %1 saat daripada %2 saat yang boleh dimainkan</translation>
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
        <translation>Ba&amp;ntuan</translation>
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
        <translation>Terjemahan selepas ayat</translation>
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
        <translation>Gagal memadam CD</translation>
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
    <message>
        <source>CD Length: </source>
        <translation>Tempoh CD: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

Untuk menambah bacaan yang sudah anda miliki (satu fail MP3 bagi setiap ayat, dinamakan SSSAAA.mp3), pilih Fail &gt; Import Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;Muat Turun Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>&amp;Import Bacaan…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Perihal</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>Buang surah</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Kosongkan</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Tetapkan</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>Nampaknya anda belum memasang sebarang pakej surah!
Sila layari %1 dan muat turun beberapa pakej!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>“Tambah semua” menjadikan ayat-ayat setiap halaman mushaf satu kumpulan tersendiri, yang dimainkan mengikut tetapan dalam kotak Kumpulan</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>Tambah semua</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>Uji Pemacu CD</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>Padam CD-RW</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;kualiti rendah&lt;br&gt;fail lebih kecil&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;kualiti baik&lt;br&gt;fail lebih besar&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Semak imbas...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> Buat MP3</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Selamat datang ke Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Perisian Percuma&lt;/font&gt;&lt;/b&gt;&lt;br&gt;Program ini ditulis untuk membantu kita semua menghafaz al-Quran dengan mudah. Anda boleh menghafaz menggunakan pemain CD kereta, sistem hiburan di rumah, atau pemain MP3 anda. &lt;br&gt;&lt;br&gt;Sila ingati dan doakan saudara-saudari Muslim kita yang sedang menderita di seluruh dunia.&lt;br&gt;&lt;br&gt;Jika anda mempunyai sebarang soalan, komen, atau pepijat untuk dilaporkan, sila hubungi &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Layari %4 untuk berita dan pakej surah!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>Senarai Main Ayat al-Quran (*.qap)</translation>
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
        <translation>%1 daripada %2 ayat tersedia.</translation>
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
        <translation>nama entri &quot;%1&quot; melebihi 255 aksara</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>nama entri &quot;%1&quot; mengandungi bait sifar</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>saiz entri &quot;%1&quot; tidak sepadan dengan datanya</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>tidak dapat membaca &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>tidak dapat membaca &quot;%1&quot;: lebih besar daripada 2 GiB</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>tidak dapat membuka: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>bukan arkib pakej</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>pengepala terpotong</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>bilangan entri %1 melebihi muatan pakej</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>indeks terpotong pada entri %1</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>nama entri indeks %1 tidak diakhiri dengan bait sifar</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>terlalu banyak entri</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>tidak dapat menulis &quot;%1&quot;: arkib akan melebihi 4 GiB</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>pakej %1 tidak dapat dibaca (%2): jalankan norvane-pack verify</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>rakaman %1 tiada dalam pakej yang terpasang</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; bukan nama fail biasa</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>rakaman %1 kosong dalam pakejnya</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>rakaman %1 rosak dalam pakej %2: jalankan norvane-pack verify</translation>
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
        <translation>bukan audio MP3 yang boleh dimainkan</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>tiada folder sementara</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>tidak dapat menulis fail WAV sementara untuk rakaman senyap: %1</translation>
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
        <translation>import dibatalkan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot; tidak mengandungi rakaman ayat bernama SSSAAA.mp3</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>namanya bukan SSSAAA.mp3</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>tiada surah %1</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>surah %1 tidak mempunyai ayat %2</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>tiada rakaman ayat yang diimbas</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>tidak dapat mencipta folder &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>komputer ini tiada output audio untuk memainkan bunyi</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>output audio %1 tidak boleh memainkan audio CD</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>output audio %1 gagal</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 dan %2 lagi</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>Fail ini terlalu besar untuk menjadi senarai main.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>%1 baris senarai main tidak dapat dibaca dan telah dilangkau: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>%1 baris mempunyai ulangan atau jeda di luar julat; nilainya ditetapkan kepada nilai terdekat yang dibenarkan: %2.</translation>
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
        <translation>%1 berhenti bertindak balas</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 tamat dengan status %2</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 tamat dengan status %2 (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 tidak dapat dimulakan</translation>
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
        <translation>lebih daripada %1 entri: selebihnya dilangkau</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>katalog ini melebihi saiz maksimum sesebuah katalog</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>katalog ini bukan objek JSON: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>katalog ini tidak menamakan sebarang folder yang boleh digunakan</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>tidak dapat membaca %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; bukan folder pelayan: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>namanya kosong</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>namanya melebihi %1 aksara</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>namanya mengandungi aksara selain huruf, digit, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; dan &quot;/&quot;</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>namanya bermula atau berakhir dengan &quot;/&quot; atau mengandungi &quot;//&quot;</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>laluannya keluar dari folder data pelayan</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>terdapat bahagian yang bermula atau berakhir dengan ruang kosong</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>saiz tidak diketahui</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>kira-kira %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>kira-kira %1 MB</translation>
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
        <translation>%1 jam %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 saat</translation>
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
        <translation>tiada surah %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; bukan senarai surah: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>tulis seperti 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>nombor surah dari 1 hingga %1, dari kecil ke besar</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%1 daripada %2 ayat akan dimuat turun dari %3 (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>tidak dapat mencipta folder %1</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>Memuat turun %1 ayat ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>Senarai checksum di pelayan menyenaraikan %1 fail.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>Pelayan tiada senarai checksum (%1); fail hanya diperiksa sebagai audio MP3.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>dihentikan selepas %1 fail berturut-turut gagal dimuat turun (yang terakhir: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>tidak dapat membaca fail yang dimuat turun: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>bukan audio MP3 yang boleh dimainkan (pelayan menghantar sesuatu yang lain)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>checksum tidak sepadan: bukan fail yang dinyatakan dalam senarai checksum pelayan</translation>
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
        <translation>belum ada dalam pakej</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>%1 daripada %2 ayat yang diminta tidak tersedia</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%1 daripada %2 fail, %3 MB, %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%1 daripada %2 fail, %3 MB, %4, kira-kira %5 lagi</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>Tidak tersedia %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>%1 daripada %2 ayat yang diminta tersedia dalam %3 (%4 fail, %5 MB dimuat turun kali ini).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>Muat turun dibatalkan: pakej-pakej di atas telah disimpan; muat turun seterusnya akan menyambung bakinya.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>Rakaman ini milik para qari dan penerbitnya; ia hanya untuk kegunaan peribadi.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>Membaca rakaman ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>Menyimpan %1 pakej surah ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>%1 disimpan</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import gagal.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %2 daripada %3 ayat</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %2 daripada %3 ayat, tiada: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 diabaikan: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>Import dibatalkan: pakej-pakej di atas telah disimpan; pakej lain tidak diubah.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>Import terhenti: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>melebihi saiz maksimum sesebuah manifes</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>bukan manifes (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>tidak dapat mencipta folder %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; tidak boleh dijadikan nama bacaan: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>namanya kosong</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>namanya melebihi %1 aksara</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>nama ini dikhaskan untuk pakej yang terus berada dalam folder pakej</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>namanya bermula dengan titik, atau bermula atau berakhir dengan ruang kosong</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>namanya mengandungi aksara yang tidak dibenarkan dalam nama folder</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>ruang cakera sudah penuh</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>tidak dapat memuat turun katalog %1: %2</translation>
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
        <translation>panjangnya %1 bait, melebihi %2 bait yang dibaca oleh cdrdao</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>mengandungi tanda petikan berganda</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>mengandungi aksara kawalan</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>mengandungi garis condong ke belakang yang diikuti digit</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>Tidak dapat menulis tajuk trek &quot;%1&quot; ke dalam jadual kandungan cakera: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>Tidak dapat menulis fail trek &quot;%1&quot; ke dalam jadual kandungan cakera: %2</translation>
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
        <translation>%1 tidak menghasilkan audio dalam %2</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 menghasilkan %2 yang terpotong</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 tidak menghasilkan fail MP3 di %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 rosak: masanya %2 saat, bukan %3 saat</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>trek ini terdiri daripada lebih daripada %1 bahagian, terlalu banyak untuk dimainkan</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: penyahkodan gagal</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>tiada terjemahan yang dipilih</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>kunci surah &quot;%1&quot; bukan tiga digit</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>kunci ayat &quot;%1&quot; bukan tiga digit</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>tiada surah %1</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>surah %1 tiada tajuk</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>dan %1 lagi</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan selepas setiap ayat tidak dapat dimainkan: %1. Sila pasang terjemahan itu, atau pilih &quot;tiada&quot; sebagai terjemahan selepas setiap ayat.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan &quot;%1&quot; tiada rakaman ayat %2. Sila pasang pakej yang mengandunginya, atau pilih &quot;tiada&quot; sebagai terjemahan selepas setiap ayat.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>Terjemahan &quot;%1&quot; tiada rakaman bagi ayat-ayat %2. Sila pasang pakej yang mengandunginya, atau pilih &quot;tiada&quot; sebagai terjemahan selepas setiap ayat.</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>Basmalah dimainkan daripada ayat 1 surah 1 (al-Fatihah), yang tiada dalam mana-mana pakej yang terpasang. Sila pasang pakej al-Fatihah, atau matikan &quot;Basmalah sebelum ayat 1&quot;.</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>Sila pilih folder yang sah untuk menyimpan trek MP3 anda!</translation>
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
        <translation>Menyediakan trek</translation>
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
        <translation>Gagal membuat %1 daripada %2 trek: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>Dibatalkan selepas %1 daripada %2 trek.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>Sila tambah surah atau ayat yang ingin dihafaz!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>penyahkodan gagal</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>gagal mengubah laju: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>jeda memerlukan rakaman senyap, yang tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>basmalah memerlukan rakamannya, yang tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>pencantuman gagal: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>trek ini bukan audio CD (44.1 kHz, 16-bit, stereo)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>tidak dapat memanjangkan trek hingga tempoh minimum CD: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>pengekodan gagal: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>Mengekod MP3 kumpulan: %1 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>Mengekod MP3: %1.mp3 ...</translation>
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
        <translation>terjemahan &quot;%1&quot; tidak dipasang</translation>
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
        <translation>ia bukan fail WAV PCM</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>data sampelnya tidak berada di hujung fail</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>fail yang dipanjangkan akan terlalu besar</translation>
    </message>
</context>
</TS>
