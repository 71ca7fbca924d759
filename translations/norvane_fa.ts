<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1 گروه تازه لازم است، اما فقط %2 شماره از %3 شمارهٔ گروه آزاد است</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - مکث: %3 ثانیه بین تکرارها</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - مکث: %3 ثانیه + %4 × طول آیه بین تکرارها</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>، مکث %1 ثانیه</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>، تجمعی</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (گروه: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>بیش از 80 دقیقه صدا انتخاب کرده‌اید.
دیسک‌های CD-R معمولاً حداکثر 80 دقیقه جا دارند.
لطفاً آیه‌هایی را حذف کنید تا مدت کمتر از 80 دقیقه شود!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>بیش از 99 قطعه انتخاب کرده‌اید.
یک CD حداکثر 99 قطعه جا دارد.
لطفاً آیه‌ها را در گروه‌ها قرار دهید یا چند آیه را حذف کنید!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>رایت CD قرآن ناموفق بود: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>برخی از قطعه‌ها ساخته نشدند، پس چیزی رایت نشد</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>آماده‌سازی CD قرآن ناموفق بود: برخی از قطعه‌ها ساخته نشدند</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>آماده‌سازی CD قرآن ناموفق بود: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>آماده‌سازی CD قرآن تمام شد: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>در حال رایت CD قرآن ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>در حال رایت قطعه: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>نوشتن روی دیسک ممکن نیست ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>پس از رایت %1 از %2 قطعه لغو شد؛ احتمالاً دیسک قابل استفاده نیست.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>رایت CD قرآن تمام شد!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao اجرا نمی‌شود: نصب نیست (بستهٔ cdrdao را نصب کنید) یا در مسیر جستجو نیست</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>نوشتن روی دیسک ممکن نیست!
مطمئن شوید دیسک از نوع CD-R یا CD-RW است
اگر CD-RW است، اول آن را پاک کنید!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>دیسکی در درایو نیست، یا سینی آن باز است. یک CD-R یا CD-RW خالی بگذارید، سینی را ببندید و دوباره امتحان کنید.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>دیسک داخل درایو خالی نیست و فقط CD-RW را می‌توان پاک کرد. یک CD-R خالی بگذارید، یا اول CD-RW را پاک کنید.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>قطعه‌ها از گنجایش دیسک طولانی‌ترند. چند آیه را حذف کنید یا تکرارشان را کم کنید، یا از دیسک خالی 80 دقیقه‌ای استفاده کنید.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>اجازهٔ استفاده از رایتر CD را ندارید. خودتان را به گروه کاربری cdrom اضافه کنید و دوباره وارد شوید.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>برنامهٔ دیگری از درایو استفاده می‌کند. آن را ببندید یا صبر کنید تا کارش تمام شود، و دوباره امتحان کنید.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>این درایو نمی‌تواند CD-TEXT بنویسد، یعنی عنوان قطعه‌ها که Norvane روی هر دیسک می‌گذارد. از رایتر CD دیگری استفاده کنید.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>رایت دیسک ناموفق بود. سرعت کمتری را امتحان کنید، و اگر باز ناموفق بود، یک دیسک خالی نو.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>تغییر نام %1 به %2 ممکن نیست: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>ساختن پوشهٔ %1 ممکن نیست</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>در حال پاک کردن CD-RW ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>شروع پاک کردن CD-RW...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>پاک کردن لغو شد؛ احتمالاً دیسک قابل استفاده نیست.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>پاک کردن CD ناموفق بود</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>پاک کردن CD تمام شد!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>پاک کردن CD ناموفق بود: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>بزرگ‌تر از %1 MB، پس فایل صوتی آیه نیست</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>بیش از %1 تغییر مسیر (آخرین به %2)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>تغییر مسیر به %1 که نشانی وب نیست</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>تغییر مسیر از نشانی امن به نشانی ناامن (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 ثانیه داده‌ای نرسید</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>لغو شد</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>روی سرور نیست (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>پاسخ سرور: %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>سرور ادامهٔ دانلود را نپذیرفت</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>سرور از جای نادرستی ادامه داد</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>نوشتن %1 ممکن نیست</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>سرور پاسخ نهایی نداد (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (پس از %2 بار تلاش)</translation>
    </message>
</context>
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>ترجمه</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>دریافت تلاوت</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>سرور:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>نشانی پوشهٔ داده‌های سرور، یا نشانی یک سرور آینه‌ای از آن</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>تازه‌سازی فهرست</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>تلاوت‌های موجود در سرور</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>همهٔ 114 سوره، یا برای نمونه 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>سوره‌ها:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>این ضبط‌ها از آنِ قاریان و ناشرانشان است و برای استفادهٔ شخصی است. اگر دانلود متوقف شد، می‌توانید دوباره آغازش کنید: از همان جایی که مانده بود ادامه می‌یابد.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>دانلود</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>فهرست همراه Norvane</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>خواندن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>در حال خواندن فهرست سرور …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>فهرست سرور</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 آیه، %2. حجم یک تلاوت کامل با 64 kbit/s حدود 0.8 GB و با 128 kbit/s بین 2.5 تا 2.8 GB است.</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>ابتدا یک تلاوت انتخاب کنید.</translation>
    </message>
</context>
<context>
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>قطعه بیش از %1 تکه دارد و این برای به هم پیوستن زیاد است</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>قطعه طولانی‌تر از گنجایش یک فایل WAV می‌شود</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>نوشتن %1 ممکن نیست</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>پوشهٔ موقت &quot;%1&quot; مسیر مطلق نیست (TMPDIR را ببینید)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>پوشهٔ موقت &quot;%1&quot; وجود ندارد (TMPDIR را ببینید)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>پوشهٔ موقت &quot;%1&quot; پوشه نیست (TMPDIR را ببینید)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>ساختن پوشهٔ کاری این عملیات ممکن نیست: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>ساختن پوشهٔ کاری &quot;%1&quot; برای این عملیات ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>ساختن پوشهٔ کاری این عملیات در &quot;%1&quot; ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>رمزگشای MP3 راه‌اندازی نشد</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>صدای MP3 نیست</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>ناقص است: %1 ثانیه از %2 ثانیه پخش می‌شود</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فایل</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;زبان</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>فهرست پخش Norvane</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>پخش آیه</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>آیهٔ انتخاب‌شده با تکرارها و مکث‌هایش، همان‌گونه که ساخته خواهد شد</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>پخش قطعه</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>کل قطعهٔ (گروهِ) آیهٔ انتخاب‌شده، همان‌گونه که ساخته خواهد شد</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>توقف پخش</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>گروه‌ها</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>شمارهٔ گروه: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>تکرار: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>مکث پس از هر دور (ثانیه): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>تجمعی</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>پخش آیهٔ 1، سپس آیه‌های 1-2، سپس 1-3، ...، هر مرحله به تعداد تکرار گروه</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>سوره‌ها</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>تلاوت:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>با صدای %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>تکرار آیه: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>مکث آیه (ثانیه): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>هر صفحه یک گروه</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>به هر مکث، طول خود آیه ضربدر این عدد افزوده می‌شود</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× طول آیه</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>آیهٔ انتخاب‌شده همان‌گونه که ضبط شده، با سرعت انتخاب‌شده (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>بسم‌الله پیش از آیهٔ 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>یک بار در هر قطعه، پیش از نخستین باری که آیهٔ 1 یک سوره شنیده می‌شود (به‌جز سوره‌های 1 و 9)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>سرعت:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>سرعت تلاوت؛ زیر و بمی صدای قاری ثابت می‌ماند</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>ترجمه پس از هر آیه</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>یک بار پس از تکرارهای هر آیه پخش می‌شود و پس از آن مکث آیه می‌آید</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>تنظیمات رایتر CD</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>درایو CD: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>تنظیمات MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>ذخیره در: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>شماره‌گذاری فایل‌ها به ترتیب پخش</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>نرخ بیت فعلی: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>سرعت رایت CD: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>پوشه‌ای برای ذخیرهٔ فایل‌های MP3 انتخاب کنید</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>آیه‌ها را بر اساس سوره، یا بر اساس جزء، حزب، ربع یا صفحهٔ مصحف 604 صفحه‌ای انتخاب کنید</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>هیچ درایو CD پیدا نشد!
لطفاً cdrdao را نصب کنید و مطمئن شوید که اجازهٔ استفاده از رایتر CD را دارید:
در بیشتر سیستم‌ها باید عضو گروه کاربری‌ای باشید که مالک آن است (معمولاً &quot;cdrom&quot;).
ساختن CDهای صوتی کار نخواهد کرد.
با این حال، همچنان می‌توانید MP3 بسازید.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>رایتر CD پیدا نشد: cdrdao را نصب کنید و عضو گروه کاربری‌ای باشید که اجازهٔ استفاده از رایتر را دارد (معمولاً &quot;cdrom&quot;). ساخت MP3 بدون آن هم کار می‌کند.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>پاک کردن CD ناموفق بود</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>اگر درِ درایو CD باز شد، یک درایو CD را انتخاب کرده‌اید!
اما مطمئن شوید که می‌تواند CD رایت کند!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>پوشه‌ای از فایل‌های صوتی آیه‌ها انتخاب کنید (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 بستهٔ سوره وارد شد.</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>وارد کردن لغو شد.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>وارد کردن ناموفق بود.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… و %1 سطر دیگر در گزارش.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>وارد کردن تلاوت</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>افزودن این آیه</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>حذف آیه</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>ذخیرهٔ فهرست</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>باز کردن فهرست</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>ساخت CD قرآن</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>فهرست پخش</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>آیه‌های سوره</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>سوره</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>تلاوت</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>مدت CD</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>درایو CD</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>شمارهٔ گروه</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>نرخ بیت MP3</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>سرعت رایت CD</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>پیشرفت</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>زبان سیستم</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>زبان Norvane از اجرای بعدی %1 خواهد بود.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>توقف در این لحظه دیسک را غیرقابل استفاده می‌کند. با این حال متوقف شود؟</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>خطای Norvane</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>اجرای فرمان ممکن نیست</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>بسته‌های نصب‌شده</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (ترجمه)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>دریافت تلاوت</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>آیهٔ %1 از قبل در فهرست پخش هست.&lt;br&gt;اگر می‌خواهید تکرار یا مکث آن را تغییر دهید، آن را از فهرست پخش حذف کنید و دوباره اضافه کنید.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>آیه اضافه شد</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;هیچ آیه‌ای اضافه نشد.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>سوره اضافه شد</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>%1 اضافه شد</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>هیچ آیه‌ای برای حذف انتخاب نشده است!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>هیچ سوره‌ای برای حذف انتخاب نشده است!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>نامی برای ذخیرهٔ فهرست پخش انتخاب کنید</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>فهرست پخش در %1 ذخیره نشد:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>فهرست پخش ذخیره شد</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>فهرست پخشی را برای باز کردن انتخاب کنید</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>فهرست پخش %1 خوانده نشد:&lt;br&gt;%2&lt;br&gt;فهرست پخش فعلی حفظ شد.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>فهرست پخش باز شد</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>پخش ممکن نیست: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>پخش %1 ممکن نیست:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>در حال پخش %1</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>پخش به پایان رسید</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>پخش قطع شد: %1</translation>
    </message>
    <message>
        <source>CD Length: </source>
        <translation>مدت دیسک: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

برای افزودن تلاوتی که خودتان دارید (یک فایل MP3 برای هر آیه، با نام SSSAAA.mp3)، فایل &gt; وارد کردن تلاوت… را انتخاب کنید.</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;دریافت تلاوت…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>&amp;وارد کردن تلاوت…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;درباره Norvane</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>حذف سوره</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>حذف همه</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>اختصاص</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>به نظر می‌رسد هیچ بستهٔ سوره‌ای نصب نکرده‌اید!
لطفاً به %1 بروید و چند بسته دانلود کنید!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>با «افزودن همهٔ آیه‌ها»، آیه‌های هر صفحهٔ مصحف گروهی جداگانه می‌شوند و همان‌گونه که در کادر «گروه‌ها» آمده پخش می‌شوند</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>افزودن همهٔ آیه‌ها</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>پخش</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>آزمایش درایو CD</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>پاک کردن CD-RW</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;کیفیت بهتر&lt;br&gt;فایل بزرگ‌تر&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;کیفیت پایین‌تر&lt;br&gt;فایل کوچک‌تر&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>انتخاب...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> ساخت MP3</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>به Norvane خوش آمدید!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;نرم‌افزار رایگان&lt;/font&gt;&lt;/b&gt;&lt;br&gt;این برنامه نوشته شده تا حفظ قرآن را برای همهٔ ما آسان کند. می‌توانید با پخش‌کنندهٔ CD خودرو، سیستم صوتی خانه یا پخش‌کنندهٔ MP3 حفظ کنید. &lt;br&gt;&lt;br&gt;لطفاً برادران و خواهران مسلمان ما را که در جهان رنج می‌کشند به یاد داشته باشید و برایشان دعا کنید.&lt;br&gt;&lt;br&gt;اگر پرسش یا نظری دارید، یا اشکالی را می‌خواهید گزارش کنید، لطفاً به &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt; نامه بنویسید.&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;برای اخبار و بسته‌های سوره به %4 سر بزنید!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>فهرست پخش آیه‌های قرآن (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>جزء</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>حزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>ربع</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>صفحه</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>جزء %1</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>حزب %1</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>ربع %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>صفحهٔ %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%1 از %2 آیه موجود است.</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>نوشتن &quot;%1&quot; ممکن نیست: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>نام مدخل &quot;%1&quot; بیش از 255 نویسه است</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>نام مدخل &quot;%1&quot; بایت صفر دارد</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>اندازهٔ مدخل &quot;%1&quot; با داده‌هایش جور نیست</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>خواندن &quot;%1&quot; ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>خواندن &quot;%1&quot; ممکن نیست: بزرگ‌تر از 2 GiB است</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>باز کردن ممکن نیست: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>بایگانی بسته نیست</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>سرآیند ناقص است</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>تعداد مدخل‌ها (%1) بیش از گنجایش یک بسته است</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>فهرست در مدخل %1 قطع شده است</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>نام مدخل %1 فهرست بایت صفر پایانی ندارد</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>مدخل‌ها بیش از حد زیادند</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>نوشتن &quot;%1&quot; ممکن نیست: بایگانی از 4 GiB بزرگ‌تر می‌شود</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>بستهٔ %1 خوانده نمی‌شود (%2): norvane-pack verify را اجرا کنید</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>فایل صوتی %1 در بسته‌های نصب‌شده نیست</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; نام سادهٔ فایل نیست</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>فایل صوتی %1 در بسته‌اش خالی است</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>فایل صوتی %1 در بستهٔ %2 آسیب دیده است: norvane-pack verify را اجرا کنید</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>صدای MP3 قابل پخش نیست</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>پوشهٔ موقتی وجود ندارد</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>نوشتن فایل WAV موقت برای فایل صوتی سکوت ممکن نیست: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>ساختن silence.mp3 ممکن نیست: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame فایل silence.mp3 را نساخت</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; پوشه نیست</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>وارد کردن لغو شد</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot; هیچ فایل صوتی آیه با نام SSSAAA.mp3 ندارد</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>نامش به شکل SSSAAA.mp3 نیست</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورهٔ %1 وجود ندارد</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>سورهٔ %1 آیهٔ %2 ندارد</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>هیچ فایل صوتی آیه‌ای بررسی نشد</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>ساختن پوشهٔ &quot;%1&quot; ممکن نیست</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>این رایانه هیچ خروجی صدایی برای پخش ندارد</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>خروجی صدای %1 نمی‌تواند صدای CD پخش کند</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>خروجی صدای %1 از کار افتاد</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 و %2 مورد دیگر</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>این فایل بزرگ‌تر از آن است که فهرست پخش باشد.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>%1 سطر از فهرست پخش خوانده نشد و نادیده گرفته شد: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>تکرار یا مکث %1 سطر خارج از محدوده بود و به نزدیک‌ترین مقدار مجاز تنظیم شد: %2.</translation>
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
        <translation>%1 تمام نشد</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 دیگر پاسخ نمی‌دهد</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 با وضعیت %2 پایان یافت</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 با وضعیت %2 پایان یافت (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 اجرا نشد</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>در حال لغو ...</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>خواندن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>بیش از %1 مدخل: بقیه نادیده گرفته شد</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>فهرست تلاوت‌ها از حد مجاز بزرگ‌تر است</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>فهرست تلاوت‌ها شیء JSON نیست: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>فهرست تلاوت‌ها هیچ پوشهٔ قابل استفاده‌ای را نام نمی‌برد</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>خواندن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; پوشهٔ سرور نیست: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>خالی است</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>بیش از %1 نویسه است</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>نویسه‌ای جز حرف، رقم، &quot;_&quot;، &quot;-&quot;، &quot;.&quot;، &quot; &quot; و &quot;/&quot; دارد</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>با &quot;/&quot; شروع یا تمام می‌شود یا &quot;//&quot; دارد</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>از پوشهٔ داده‌های سرور بیرون می‌رود</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>بخشی از آن با فاصله شروع یا تمام می‌شود</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>اندازه نامعلوم</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>حدود %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>حدود %1 MB</translation>
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
        <translation>%1 ساعت و %2 دقیقه</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 دقیقه</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ثانیه</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>بیش از حد بزرگ</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>آماده‌سازی %1 ممکن نیست</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; نشانی http:// یا https:// یک پوشه نیست</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورهٔ %1 وجود ندارد</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; فهرست سوره‌ها نیست: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>آن را به شکل 1-2,78-114 بنویسید</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>شمارهٔ سوره‌ها از 1 تا %1 است، از کوچک به بزرگ</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%1 از %2 آیه باید از %3 دریافت شود (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>ساختن پوشهٔ %1 ممکن نیست</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>در حال دریافت %1 آیه ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>فهرست چک‌سام سرور %1 فایل را نام می‌برد.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>سرور فهرست چک‌سام ندارد (%1)؛ فایل‌ها فقط از نظر صدای MP3 بودن بررسی می‌شوند.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>پس از آنکه %1 فایل پشت سر هم دریافت نشد، متوقف شد (آخرین: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>خواندن دادهٔ دریافت‌شده ممکن نیست: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>صدای MP3 قابل پخش نیست (سرور چیز دیگری فرستاد)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>چک‌سام مطابقت ندارد: این همان فایلی نیست که فهرست چک‌سام سرور نام می‌برد</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>خواندن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>بستهٔ %1 نوشته شد (%2 آیه)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>هنوز در بسته‌ای نیست</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>%1 از %2 آیهٔ درخواستی موجود نیست</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%1 از %2 فایل، %3 MB، %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%1 از %2 فایل، %3 MB، %4، حدود %5 مانده</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>ناموجود %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>%1 از %2 آیهٔ درخواستی در %3 موجود است (اکنون %4 فایل، %5 MB دریافت شد).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>دانلود لغو شد: بسته‌های بالا نوشته شدند؛ اجرای دوباره کار را ادامه می‌دهد.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>این ضبط‌ها از آنِ قاریان و ناشرانشان است و برای استفادهٔ شخصی است.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>در حال خواندن فایل‌های صوتی ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>در حال نوشتن %1 بستهٔ سوره ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>بستهٔ %1 نوشته شد</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>وارد کردن ناموفق بود.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %2 از %3 آیه</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %2 از %3 آیه، ناموجود: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 نادیده گرفته شد: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>وارد کردن لغو شد: بسته‌های بالا نوشته شدند؛ هیچ بستهٔ دیگری تغییر نکرد.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>وارد کردن متوقف شد: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>بزرگ‌تر از حد مجاز یک مانیفست</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>مانیفست نیست (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>ساختن پوشهٔ %1 ممکن نیست</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; نمی‌تواند نام تلاوت باشد: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>خالی است</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>بیش از %1 نویسه است</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>این نام برای بسته‌هایی که مستقیم در پوشهٔ بسته‌ها هستند کنار گذاشته شده است</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>با نقطه شروع می‌شود، یا با فاصله شروع یا تمام می‌شود</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>نویسه‌ای دارد که در نام پوشه مجاز نیست</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>فضای دیسک پر است</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>دریافت فهرست تلاوت‌ها (%1) ممکن نیست: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>خواندن فهرست تلاوت‌ها ممکن نیست: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>طول آن %1 بایت است، بیشتر از %2 بایتی که cdrdao می‌خواند</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>علامت نقل‌قول دوتایی (&quot;) دارد</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>نویسهٔ کنترلی دارد</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>بک‌اسلشی دارد که رقمی پس از آن آمده است</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>نوشتن عنوان قطعهٔ &quot;%1&quot; در جدول محتویات ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>نوشتن فایل قطعهٔ &quot;%1&quot; در جدول محتویات ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>نوشتن %1 ممکن نیست: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1 هیچ صدایی در %2 باقی نگذاشت</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 فایل %2 را ناقص باقی گذاشت</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 هیچ فایل MP3 در %2 باقی نگذاشت</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 آسیب دیده است: %2 ثانیه پخش می‌شود، نه %3 ثانیه</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>قطعه بیش از %1 تکه دارد و این برای پخش زیاد است</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: رمزگشایی ناموفق بود</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>هیچ ترجمه‌ای انتخاب نشده است</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>کلید سورهٔ &quot;%1&quot; سه‌رقمی نیست</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>کلید آیهٔ &quot;%1&quot; سه‌رقمی نیست</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورهٔ %1 وجود ندارد</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>سورهٔ %1 عنوان ندارد</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>و %1 مورد دیگر</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ترجمهٔ پس از هر آیه پخش نمی‌شود: %1. لطفاً آن را نصب کنید، یا در «ترجمه پس از هر آیه» گزینهٔ «هیچ» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ترجمهٔ &quot;%1&quot; فایل صوتی آیهٔ %2 را ندارد. لطفاً بسته‌هایی را که آن را دارند نصب کنید، یا در «ترجمه پس از هر آیه» گزینهٔ «هیچ» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ترجمهٔ &quot;%1&quot; فایل‌های صوتی آیه‌های %2 را ندارد. لطفاً بسته‌هایی را که آن‌ها را دارند نصب کنید، یا در «ترجمه پس از هر آیه» گزینهٔ «هیچ» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>بسم‌الله از آیهٔ 1 سورهٔ 1 (فاتحه) پخش می‌شود که در هیچ بستهٔ نصب‌شده‌ای نیست. لطفاً بستهٔ فاتحه را نصب کنید، یا «بسم‌الله پیش از آیهٔ 1» را خاموش کنید.</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>لطفاً پوشهٔ معتبری برای ذخیرهٔ قطعه‌های MP3 انتخاب کنید!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>در حال ساخت قطعه‌های MP3 ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>در حال ساخت قطعه‌ها ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>آماده‌سازی قطعه‌ها</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>ساخت قطعه‌های MP3 تمام شد!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>ناموفق: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>ساخت %1 از %2 قطعه ناموفق بود: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>پس از %1 از %2 قطعه لغو شد.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>لطفاً چند سوره یا آیه برای حفظ اضافه کنید!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>رمزگشایی ناموفق بود</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>تغییر سرعت ناموفق بود: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>مکث به فایل صوتی سکوت نیاز دارد که ساخته نشد: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>بسم‌الله به فایل صوتی خودش نیاز دارد که ساخته نشد: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>به هم پیوستن ناموفق بود: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>قطعه صدای CD نیست (44.1 kHz، 16-bit، استریو)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>رساندن قطعه به کمترین طولی که CD می‌پذیرد ممکن نیست: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>رمزگذاری ناموفق بود: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>در حال رمزگذاری گروه %1 به MP3 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>در حال رمزگذاری MP3: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>در حال ساخت قطعه: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (ترجمهٔ %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>ترجمه‌ای به نام &quot;%1&quot; نصب نیست</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>تلاوت &quot;%1&quot; ترجمه نیست</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>فایل WAV از نوع PCM نیست</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>نمونه‌های صوتی‌اش در انتهای فایل نیستند</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>فایل پس از افزودن سکوت بیش از حد بزرگ می‌شود</translation>
    </message>
</context>
</TS>
