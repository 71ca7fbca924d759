<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
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
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>دکمهٔ «افزودن همهٔ آیه‌ها» آیه‌های هر صفحهٔ مصحف را یک گروه جداگانه می‌کند که طبق ردیف «گروه‌ها» پخش می‌شود</translation>
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
        <source>Make MP3</source>
        <translation>ساخت MP3</translation>
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
</TS>
