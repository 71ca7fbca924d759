<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
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
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>يجعل زر «إضافة كل الآيات» آيات كل صفحة من المصحف مجموعة مستقلة، تُشغَّل كما هو محدد في صف «المجموعات»</translation>
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
        <translation>إذا انفتح درج محرك CD، فقد اخترت محرك أقراص!
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
        <source>Make MP3</source>
        <translation>إنشاء MP3</translation>
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
</TS>
