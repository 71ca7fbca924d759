<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>عدد المجموعات الجديدة اللازمة %1، لكن المتاح من أرقام المجموعات %2 فقط من أصل %3</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - فاصل: %3 ث بين التكرارات</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - فاصل: %3 ث + %4 × طول الآية بين التكرارات</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>، فاصل %1 ث</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>، تراكمي</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (مجموعة: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>اخترت أكثر من 80 دقيقة من الصوت.
لا تتسع أقراص CD-R عادةً لأكثر من 80 دقيقة.
يرجى إزالة آيات حتى تقل المدة عن 80 دقيقة!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>اخترت أكثر من 99 مسارًا.
لا يتسع قرص CD لأكثر من 99 مسارًا.
يرجى جمع الآيات في مجموعات أو إزالة بعضها!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>فشل نسخ قرص CD للقرآن: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>تعذّر إنشاء بعض المسارات، فلم يُنسخ شيء</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>فشل تجهيز قرص CD للقرآن: تعذّر إنشاء بعض المسارات</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>فشل تجهيز قرص CD للقرآن: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>اكتمل تجهيز قرص CD للقرآن: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>جارٍ نسخ قرص CD للقرآن ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>جارٍ نسخ المسار: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>تعذّرت الكتابة على القرص ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>أُلغي النسخ بعد كتابة %1 من المسارات من أصل %2؛ والقرص على الأرجح غير صالح للاستخدام.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>اكتمل نسخ قرص CD للقرآن!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>تعذّر تشغيل cdrdao: فهو غير مثبت (ثبّت حزمة cdrdao) أو غير موجود في مسار البحث</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>تعذّرت الكتابة على القرص!
تأكد أن القرص من نوع CD-R أو CD-RW
وإن كان CD-RW، فتأكد من مسحه أولًا!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>لا يوجد قرص في المحرك، أو أن درجه مفتوح. أدخل قرص CD-R أو CD-RW فارغًا، وأغلق الدرج ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>القرص الموجود في المحرك ليس فارغًا، ولا يمكن مسح غير أقراص CD-RW. أدخل قرص CD-R فارغًا، أو امسح قرص CD-RW أولًا.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>المسارات أطول مما يتسع له القرص. أزل بعض الآيات أو قلّل تكراراتها، أو استخدم قرصًا فارغًا سعته 80 دقيقة.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>ليس مسموحًا لك باستخدام ناسخ CD. أضف نفسك إلى مجموعة المستخدمين cdrom ثم سجّل الدخول من جديد.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>يستخدم برنامج آخر المحرك. أغلقه، أو انتظر حتى ينتهي، ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>لا يستطيع هذا المحرك كتابة CD-TEXT، وهي عناوين المسارات التي يضعها Norvane على كل قرص. استخدم ناسخ CD آخر.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>فشل نسخ القرص. جرّب سرعة أقل، وقرصًا فارغًا جديدًا إن فشل مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>تعذّرت إعادة تسمية %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>جارٍ مسح CD-RW ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>جارٍ بدء مسح CD-RW...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>أُلغي المسح؛ والقرص على الأرجح غير صالح للاستخدام.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>فشل مسح قرص CD</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>اكتمل مسح القرص!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>فشل مسح قرص CD: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>أكبر من %1 MB، فلا يمكن أن يكون تسجيلًا</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>عدد مرات إعادة التوجيه أكثر من %1 (آخرها إلى %2)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>إعادة توجيه إلى %1، وهو ليس عنوان ويب</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>إعادة توجيه من عنوان آمن إلى عنوان غير آمن (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>لم تصل بيانات منذ %1 ث</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>غير موجود على الخادم (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>ردّ الخادم بالرمز %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>رفض الخادم استئناف التنزيل</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>استأنف الخادم التنزيل من موضع خاطئ</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>تعذّرت كتابة %1</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>لم يُعطِ الخادم ردًّا نهائيًّا (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (عدد المحاولات: %2)</translation>
    </message>
</context>
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>ترجمة</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>الحصول على تلاوة</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>الخادم:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>عنوان مجلد البيانات على الخادم، أو عنوان نسخة مطابقة منه</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>تحديث القائمة</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>التلاوات المتاحة على الخادم</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>كل السور الـ114، أو مثلًا 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>السور:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>التسجيلات ملك لقرّائها وناشريها، وهي للاستخدام الشخصي. إذا توقف التنزيل يمكن بدؤه من جديد: فيُكمل من حيث توقف.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>القائمة المرفقة مع Norvane</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>جارٍ قراءة قائمة الخادم …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>قائمة الخادم</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 آية، %2. يبلغ حجم التلاوة الكاملة نحو 0.8 GB بمعدل 64 kbit/s، ومن 2.5 إلى 2.8 GB بمعدل 128 kbit/s.</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>اختر تلاوة أولًا.</translation>
    </message>
</context>
<context>
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>يتكوّن المسار من أكثر من %1 قطعة، وهذا أكثر مما يمكن دمجه</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>سيكون المسار أطول مما يتسع له ملف WAV</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>تعذّرت كتابة %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>المجلد المؤقت &quot;%1&quot; ليس مسارًا مطلقًا (انظر TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>المجلد المؤقت &quot;%1&quot; غير موجود (انظر TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>المجلد المؤقت &quot;%1&quot; ليس مجلدًا (انظر TMPDIR)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>تعذّر إنشاء مجلد العمل للمهمة: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>تعذّر إنشاء مجلد العمل للمهمة &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>تعذّر إنشاء مجلد العمل للمهمة في &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>تعذّرت تهيئة مفكك ترميز MP3</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>ليس صوت MP3</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>ناقص: مدته %1 ث من أصل %2 ث</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;اللغة</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>قائمة تشغيل Norvane</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>تشغيل الآية</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>الآية المحددة بتكراراتها وفواصلها، كما سيتم إنتاجها</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>تشغيل المسار</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>المسار (المجموعة) الذي يضم الآية المحددة كاملًا، كما سيتم إنتاجه</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>رقم المجموعة: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>تكرار: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>فاصل بعد كل مرة (ثانية): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>تراكمي</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>تشغيل الآية 1، ثم الآيات 1-2، ثم 1-3، ...، وتُكرَّر كل مرحلة بعدد تكرار المجموعة</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>السور</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>التلاوة:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>بصوت %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>تكرار الآية: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>فاصل الآية (ثانية): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>كل صفحة مجموعة</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>يُضاف إلى كل فاصل طولُ الآية نفسها مضروبًا في هذا العدد</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× طول الآية</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>الآية المحددة كما سُجِّلت، بالسرعة المختارة (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>البسملة قبل الآية 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>مرة واحدة في كل مسار، قبل أول سماع للآية 1 من أي سورة (عدا السورتين 1 و 9)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>سرعة التلاوة؛ وتبقى طبقة صوت القارئ كما هي</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>الترجمة بعد كل آية</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>تُشغَّل مرة واحدة بعد تكرارات كل آية، ويليها فاصل الآية</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>إعدادات ناسخ CD</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>محرك CD: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>إعدادات MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>الحفظ في: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>ترقيم الملفات حسب ترتيب التشغيل</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>معدل البت الحالي: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>سرعة النسخ على CD: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>اختر مجلدًا لحفظ ملفات MP3</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>اختر الآيات حسب السورة، أو حسب الجزء أو الحزب أو الربع أو الصفحة في المصحف ذي 604 صفحات</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>لم يُعثر على أي محرك CD!
يرجى تثبيت cdrdao، والتأكد من أنه مسموح لك باستخدام ناسخ CD:
في معظم الأنظمة، يجب أن تكون عضوًا في مجموعة المستخدمين التي تملكه (غالبًا &quot;cdrom&quot;).
لن يعمل إنشاء أقراص CD الصوتية.
لكن لا يزال بإمكانك إنشاء ملفات MP3.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>لم يُعثر على ناسخ CD: ثبّت cdrdao، وكن عضوًا في مجموعة المستخدمين المسموح لها باستخدام الناسخ (غالبًا &quot;cdrom&quot;). ملفات MP3 تعمل من دونه.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>فشل مسح قرص CD</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>إذا انفتح درج محرك CD، فقد اخترت محرك CD!
لكن تأكد من أنه قادر على نسخ الأقراص!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>اختر مجلدًا يحوي تسجيلات الآيات (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>عدد حزم السور المستوردة: %1.</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>أُلغي الاستيراد.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>فشل الاستيراد.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… وعدد الأسطر الأخرى في السجل: %1.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>استيراد تلاوة</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>إضافة هذه الآية</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>إزالة الآية</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>حفظ قائمة التشغيل</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>فتح قائمة تشغيل</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>إنشاء قرص CD للقرآن</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>قائمة التشغيل</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>آيات السورة</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>السورة</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>التلاوة</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>مدة قرص CD</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>محرك CD</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>رقم المجموعة</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>معدل بت MP3</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>سرعة النسخ على CD</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>ستظهر واجهة Norvane باللغة %1 بدءًا من تشغيله التالي.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>الإيقاف الآن يجعل القرص غير صالح للاستخدام. هل تريد الإيقاف رغم ذلك؟</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>خطأ في Norvane</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>تعذّر تشغيل الأمر</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>الحزم المثبتة</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (ترجمة)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>الحصول على تلاوة</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>الآية %1 موجودة في قائمة التشغيل.&lt;br&gt;إذا أردت تغيير التكرار أو الفاصل، فأزلها من قائمة التشغيل ثم أضفها من جديد.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>أُضيفت الآية</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;لم تُضَف أي آية.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>تمت إضافة السورة</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>تمت إضافة %1</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>لم تُحدَّد أي آية لحذفها!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>لم تُحدَّد أي سورة لحذفها!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>اختر اسمًا لحفظ قائمة التشغيل</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>تعذّر حفظ قائمة التشغيل في %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>تم حفظ قائمة التشغيل</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>اختر قائمة تشغيل لفتحها</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>تعذّرت قراءة قائمة التشغيل %1:&lt;br&gt;%2&lt;br&gt;بقيت قائمة التشغيل الحالية كما هي.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>تم فتح قائمة التشغيل</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>تعذّر التشغيل: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>تعذّر تشغيل %1:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>جارٍ تشغيل %1</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>انتهى التشغيل</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>انقطع التشغيل: %1</translation>
    </message>
    <message>
        <source>CD Length: </source>
        <translation>مدة القرص: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

لإضافة تلاوة موجودة لديك (ملف MP3 لكل آية، باسم SSSAAA.mp3)، اختر ملف &gt; استيراد تلاوة…</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;الحصول على تلاوة…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>ا&amp;ستيراد تلاوة…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول Norvane</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>إزالة السورة</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>تعيين</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>يبدو أنه لا توجد لديك أي حزم سور مثبتة!
يرجى زيارة %1 وتنزيل بعضها!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>يجعل زر «إضافة كل الآيات» آيات كل صفحة من المصحف مجموعة مستقلة، تُشغَّل كما في مربع «المجموعات»</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>إضافة كل الآيات</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>اختبار محرك CD</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>مسح CD-RW</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;جودة أعلى&lt;br&gt;ملف أكبر&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;جودة أقل&lt;br&gt;ملف أصغر&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> إنشاء MP3</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>مرحبًا بك في Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;برنامج مجاني&lt;/font&gt;&lt;/b&gt;&lt;br&gt;كُتب هذا البرنامج ليعيننا جميعًا على حفظ القرآن بسهولة. يمكنك الحفظ بالاستماع إلى مشغّل الأقراص في سيارتك، أو نظام الصوت في بيتك، أو مشغّل MP3. &lt;br&gt;&lt;br&gt;نرجو أن تتذكر إخواننا وأخواتنا المسلمين الذين يعانون في العالم، وأن تدعو لهم.&lt;br&gt;&lt;br&gt;إن كانت لديك أسئلة أو ملاحظات، أو أخطاء تريد الإبلاغ عنها، فراسلنا على &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;زُر %4 للاطلاع على الأخبار وحزم السور!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>قائمة تشغيل آيات القرآن (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>الحزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>الربع</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>الجزء %1</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>الحزب %1</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>الربع %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>الآيات المتوفرة: %1 من %2.</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>تعذّرت كتابة &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>اسم المدخل &quot;%1&quot; أطول من 255 حرفًا</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>اسم المدخل &quot;%1&quot; يحوي بايتًا صفريًّا</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>حجم المدخل &quot;%1&quot; لا يطابق بياناته</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>تعذّرت قراءة &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>تعذّرت قراءة &quot;%1&quot;: حجمه أكبر من 2 GiB</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>تعذّر الفتح: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>ليس أرشيف حزمة</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>الترويسة ناقصة</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>عدد المدخلات %1 يتجاوز ما تتسع له الحزمة</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>الفهرس ناقص عند المدخل %1</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>اسم مدخل الفهرس %1 لا ينتهي ببايت صفري</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>عدد المدخلات كبير جدًّا</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>تعذّرت كتابة &quot;%1&quot;: سيتجاوز حجم الأرشيف 4 GiB</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>تعذّرت قراءة الحزمة %1 (%2): شغّل norvane-pack verify</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>التسجيل %1 غير موجود في الحزم المثبتة</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; ليس اسم ملف بسيطًا</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>التسجيل %1 فارغ في حزمته</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>التسجيل %1 تالف في حزمته %2: شغّل norvane-pack verify</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>ليس صوت MP3 قابلًا للتشغيل</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>لا يوجد مجلد مؤقت</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>تعذّرت كتابة ملف WAV مؤقت لتسجيل الصمت: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>تعذّر إنشاء silence.mp3: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>لم يُنشئ lame الملف silence.mp3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; ليس مجلدًا</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>أُلغي الاستيراد</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>لا يحوي &quot;%1&quot; أي تسجيلات آيات باسم SSSAAA.mp3</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>اسمه ليس بصيغة SSSAAA.mp3</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>لا توجد سورة رقمها %1</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>ليس في السورة %1 آية رقمها %2</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>لم يُفحص أي تسجيل للآيات</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>تعذّر إنشاء المجلد &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>لا يوجد في هذا الحاسوب مخرج صوت للتشغيل عليه</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>لا يستطيع مخرج الصوت %1 تشغيل صوت CD</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>تعطّل مخرج الصوت %1</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 و%2 غيرها</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>الملف أكبر من أن يكون قائمة تشغيل.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>عدد أسطر قائمة التشغيل التي تعذّرت قراءتها فتم تخطيها: %1، وهي: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>عدد الأسطر التي فيها تكرارات أو فواصل خارج الحدود: %1، وقد ضُبطت على أقرب قيمة مسموحة، وهي: %2.</translation>
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
        <translation>لم ينتهِ %1</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>توقف %1 عن الاستجابة</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>انتهى %1 بالحالة %2</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>انتهى %1 بالحالة %2 (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>تعذّر بدء تشغيل %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>جارٍ الإلغاء ...</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>عدد المدخلات أكثر من %1: تم تخطي الباقي</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>قائمة التلاوات أكبر من الحجم المسموح لها</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>قائمة التلاوات ليست كائن JSON: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>لا تذكر قائمة التلاوات أي مجلد صالح للاستخدام</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; ليس مجلدًا على الخادم: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>إنه فارغ</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>عدد حروفه أكثر من %1</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>يحوي حرفًا غير الحروف والأرقام و&quot;_&quot; و&quot;-&quot; و&quot;.&quot; و&quot; &quot; و&quot;/&quot;</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>يبدأ أو ينتهي بـ&quot;/&quot; أو يحوي &quot;//&quot;</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>يخرج من مجلد البيانات على الخادم</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>يبدأ أحد أجزائه أو ينتهي بمسافة</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>الحجم غير معروف</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>نحو %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>نحو %1 MB</translation>
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
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>أكبر من الحد المسموح</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>تعذّر تجهيز %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; ليس عنوان http:// أو https:// لمجلد</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>لا توجد سورة رقمها %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; ليس قائمة سور: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>اكتبها بهذا الشكل 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>أرقام السور من 1 إلى %1، من الأصغر إلى الأكبر</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>الآيات المطلوب تنزيلها: %1 من %2، من %3 (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>جارٍ تنزيل الآيات (%1) ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>عدد الملفات في قائمة المجاميع الاختبارية على الخادم: %1.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>لا توجد على الخادم قائمة مجاميع اختبارية (%1)؛ لذا يُكتفى بفحص الملفات على أنها صوت MP3.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>توقف التنزيل بعد تعذّر تنزيل ملفات متتالية عددها %1 (آخرها: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>تعذّرت قراءة ما تم تنزيله: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>ليس صوت MP3 قابلًا للتشغيل (أرسل الخادم شيئًا آخر)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>المجموع الاختباري غير مطابق: ليس هذا الملف الذي تذكره قائمة الخادم</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>كُتبت الحزمة %1 (عدد الآيات: %2)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>ليست في حزمة بعد</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>الآيات المطلوبة غير المتوفرة: %1 من %2</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>الملفات: %1 من %2، %3 MB، %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>الملفات: %1 من %2، %3 MB، %4، يتبقى نحو %5</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>غير متوفرة %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>الآيات المطلوبة المتوفرة في %3: %1 من %2 (عدد الملفات المنزّلة الآن %4، بحجم %5 MB).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>أُلغي التنزيل: كُتبت الحزم المذكورة أعلاه؛ وإذا شغّلت التنزيل مرة أخرى فسيُكمل من حيث توقف.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>التسجيلات ملك لقرّائها وناشريها، وهي للاستخدام الشخصي.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>جارٍ قراءة التسجيلات ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>جارٍ كتابة حزم السور (%1) ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>كُتبت الحزمة %1</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>فشل الاستيراد.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: الآيات %2 من %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: الآيات %2 من %3، الناقصة: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>تم تجاهل %1: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>أُلغي الاستيراد: كُتبت الحزم المذكورة أعلاه؛ ولم تتغير أي حزمة أخرى.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>توقف الاستيراد: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>أكبر من الحجم المسموح لملف البيان</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>ليس ملف بيان (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>لا يصلح &quot;%1&quot; اسمًا لتلاوة: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>إنه فارغ</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>عدد حروفه أكثر من %1</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>هذا الاسم محجوز للحزم الموجودة مباشرة في مجلد الحزم</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>يبدأ بنقطة، أو يبدأ أو ينتهي بمسافة</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>يحوي حرفًا لا يجوز في اسم مجلد</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>مساحة التخزين ممتلئة</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>تعذّر تنزيل قائمة التلاوات %1: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>تعذّرت قراءة قائمة التلاوات: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>طوله %1 بايت، وهذا أكثر من الحد الذي يقرؤه cdrdao (%2 بايت)</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>يحوي علامة تنصيص مزدوجة</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>يحوي محرف تحكم</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>يحوي شرطة مائلة عكسية يليها رقم</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>تعذّرت كتابة عنوان المسار &quot;%1&quot; في جدول المحتويات: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>تعذّرت كتابة ملف المسار &quot;%1&quot; في جدول المحتويات: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>لم يترك %1 أي صوت في %2</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>ترك %1 الملف %2 ناقصًا</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>لم يترك %1 أي ملف MP3 في %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 تالف: مدته %2 ث، لا %3 ث</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>يتكوّن المسار من أكثر من %1 قطعة، وهذا أكثر مما يمكن تشغيله</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: فشل فك الترميز</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>لم تُختر أي ترجمة</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>مفتاح السورة &quot;%1&quot; ليس من ثلاثة أرقام</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>مفتاح الآية &quot;%1&quot; ليس من ثلاثة أرقام</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>لا توجد سورة رقمها %1</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>ليس للسورة %1 عنوان</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>و%1 غيرها</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>تعذّر تشغيل الترجمة بعد كل آية: %1. يرجى تثبيتها، أو اختيار «بدون» في «الترجمة بعد كل آية».</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ليس للترجمة &quot;%1&quot; تسجيل للآية %2. يرجى تثبيت الحزم التي تحويه، أو اختيار «بدون» في «الترجمة بعد كل آية».</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ليس للترجمة &quot;%1&quot; تسجيلات للآيات %2. يرجى تثبيت الحزم التي تحويها، أو اختيار «بدون» في «الترجمة بعد كل آية».</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>تُشغَّل البسملة من الآية 1 من السورة 1 (الفاتحة)، ولا تحويها أي حزمة مثبتة. يرجى تثبيت حزمة الفاتحة، أو إلغاء تفعيل «البسملة قبل الآية 1».</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>يرجى اختيار مجلد صالح لحفظ مسارات MP3!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>جارٍ إنشاء مسارات MP3 ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>جارٍ إنشاء المسارات ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>تجهيز المسارات</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>اكتمل إنشاء مسارات MP3!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>فشل: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>تعذّر إنشاء %1 من المسارات من أصل %2: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>أُلغي بعد %1 من المسارات من أصل %2.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>يرجى إضافة سور أو آيات لتحفظها!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>فشل فك الترميز</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>فشل تغيير السرعة: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>يحتاج الفاصل إلى تسجيل الصمت، وقد تعذّر إنشاؤه: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>تحتاج البسملة إلى تسجيلها، وقد تعذّر إنشاؤه: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>فشل الدمج: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>المسار ليس صوت CD (44.1 kHz، 16-bit، ستيريو)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>تعذّرت إطالة المسار إلى أدنى طول يقبله CD: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>فشل الترميز: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>جارٍ ترميز المجموعة %1 إلى MP3 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>جارٍ ترميز MP3: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>جارٍ إنشاء المسار: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (الترجمة %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>لا توجد ترجمة مثبتة باسم &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>التلاوة &quot;%1&quot; ليست ترجمة</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>ليس ملف WAV بصيغة PCM</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>عيّناته ليست في آخر الملف</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>سيصبح الملف بعد الإطالة كبيرًا جدًّا</translation>
    </message>
</context>
</TS>
