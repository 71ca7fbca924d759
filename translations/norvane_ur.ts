<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>ترجمہ</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>تلاوت حاصل کریں</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>سرور:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>سرور کے ڈیٹا فولڈر کا پتا، یا اس کی کسی نقل (مرر) کا</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>فہرست تازہ کریں</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>سرور پر موجود تلاوتیں</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>تمام 114، یا مثلاً 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>سورتیں:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>یہ ریکارڈنگز اپنے قاریوں اور ناشرین کی ملکیت ہیں اور صرف ذاتی استعمال کے لیے ہیں۔ رکا ہوا ڈاؤن لوڈ دوبارہ شروع کیا جا سکتا ہے: وہ وہیں سے آگے چلے گا جہاں رکا تھا۔</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ڈاؤن لوڈ</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>Norvane کے ساتھ آنے والی فہرست</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>سرور کی فہرست پڑھی جا رہی ہے …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>سرور کی فہرست</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 آیات، %2۔ پوری تلاوت 64 kbit/s پر تقریباً 0.8 GB اور 128 kbit/s پر 2.5 سے 2.8 GB کی ہوتی ہے۔</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>پہلے کوئی تلاوت منتخب کریں۔</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مدد</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;زبان</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Norvane پلے لسٹ</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>آیت چلائیں</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>منتخب آیت، اپنی تکرار اور وقفوں سمیت، بالکل ویسے جیسے وہ تیار ہوگی</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>ٹریک چلائیں</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>منتخب آیت کا پورا ٹریک (گروپ)، بالکل ویسے جیسے وہ تیار ہوگا</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>چلانا بند کریں</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>گروپ</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>گروپ نمبر: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>تکرار: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>ہر دور کے بعد وقفہ (سیکنڈ): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>تدریجی</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>پہلے آیت 1، پھر آیات 1-2، پھر 1-3، ...، ہر مرحلہ اتنی بار جتنی گروپ کی تکرار ہے</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>سورتیں</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>تلاوت:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>قاری: %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>آیت تکرار: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>آیت وقفہ (سیکنڈ): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>صفحہ وار گروپ</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>“سب آیات شامل کریں” مصحف کے ہر صفحے کی آیات کا الگ گروپ بناتا ہے، جو “گروپ” والی قطار کی ترتیب کے مطابق چلتا ہے</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>ہر وقفہ آیت کے اپنے دورانیے کے اتنے گنا بڑھ جاتا ہے</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× آیت کا دورانیہ</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>منتخب آیت جیسی ریکارڈ کی گئی ہے، منتخب رفتار پر (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>آیت 1 سے پہلے بسم اللہ</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>ہر ٹریک میں ایک بار، کسی سورت کی آیت 1 پہلی بار سنائی دینے سے پہلے (سورت 1 اور 9 کے سوا)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>رفتار:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>تلاوت کی رفتار؛ قاری کی آواز کا سُر وہی رہتا ہے</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>ہر آیت کے بعد ترجمہ</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>ہر آیت کی تکرار کے بعد ایک بار چلتا ہے، پھر آیت کا وقفہ آتا ہے</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>CD رائٹر کی ترتیبات</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>CD ڈرائیو: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>MP3 ترتیبات</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>محفوظ کریں: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>فائلوں کو چلنے کی ترتیب سے نمبر دیں</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>موجودہ بٹ ریٹ: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>CD لکھنے کی رفتار: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>اپنی MP3 فائلوں کے لیے فولڈر منتخب کریں</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>آیات سورت کے حساب سے چنیں، یا 604 صفحات والے مصحف کے پارے، حزب، ربع یا صفحے کے حساب سے</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>کوئی CD رائٹر نہیں ملا!
براہ کرم cdrdao انسٹال کریں، اور یقینی بنائیں کہ آپ CD رائٹر استعمال کر سکتے ہیں:
زیادہ تر سسٹمز پر اس کے لیے اُس صارف گروپ کا رکن ہونا ضروری ہے جو رائٹر کا مالک ہے (اکثر &quot;cdrom&quot;)۔
آڈیو CD نہیں بن سکیں گی۔
تاہم آپ MP3 اب بھی بنا سکتے ہیں۔</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>CD رائٹر نہیں ملا: cdrdao انسٹال کریں، گروپ &quot;cdrom&quot; میں شامل ہوں۔ MP3 پھر بھی بنیں گی۔</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD مٹانا ناکام رہا</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>اگر آپ کی CD ڈرائیو کی ٹرے کھل گئی ہے تو آپ نے CD ڈرائیو ہی منتخب کی ہے!
لیکن یقینی بنائیں کہ وہ CD ریکارڈ کر سکتی ہے!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>آیات کی ریکارڈنگز کا فولڈر منتخب کریں (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 سورت پیک درآمد کیے گئے۔</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>درآمد منسوخ کر دی گئی۔</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>درآمد ناکام رہی۔</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… اور لاگ میں مزید %1 سطریں۔</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>تلاوت درآمد کریں</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>یہ آیت شامل کریں</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>آیت ہٹائیں</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>پلے لسٹ محفوظ کریں</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>پلے لسٹ کھولیں</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>قرآن CD بنائیں</translation>
    </message>
    <message>
        <source>Make MP3</source>
        <translation>MP3 بنائیں</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>پلے لسٹ</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>سورت کی آیات</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>سورت</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>تلاوت</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>CD کا دورانیہ</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>CD ڈرائیو</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>گروپ نمبر</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>MP3 بٹ ریٹ</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>CD لکھنے کی رفتار</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>پیش رفت</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>سسٹم کی زبان</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>اگلی بار کھلنے پر Norvane کی زبان %1 ہوگی۔</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>ابھی روکنے سے ڈسک ناقابلِ استعمال ہو جائے گی۔ پھر بھی روکیں؟</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Norvane خرابی</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>کمانڈ نہیں چلائی جا سکی</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>انسٹال شدہ پیک</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (ترجمہ)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>تلاوت حاصل کریں</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 پہلے سے پلے لسٹ میں ہے۔&lt;br&gt;اگر آپ تکرار یا وقفہ بدلنا چاہتے ہیں تو اسے پلے لسٹ سے ہٹا کر دوبارہ شامل کریں۔</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>آیت شامل ہو گئی</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1۔&lt;br&gt;کوئی آیت شامل نہیں کی گئی۔</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>سورت شامل ہو گئی</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>%1 شامل ہو گیا</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>ہٹانے کے لیے کوئی آیت منتخب نہیں کی گئی!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>ہٹانے کے لیے کوئی سورت منتخب نہیں کی گئی!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>محفوظ کرنے کے لیے پلے لسٹ کا نام چنیں</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>پلے لسٹ %1 میں محفوظ نہیں ہو سکی:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>پلے لسٹ محفوظ ہو گئی</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>کھولنے کے لیے پلے لسٹ منتخب کریں</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>پلے لسٹ %1 پڑھی نہیں جا سکی:&lt;br&gt;%2&lt;br&gt;موجودہ پلے لسٹ برقرار رکھی گئی ہے۔</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>پلے لسٹ کھل گئی</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>نہیں چل سکا: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>%1 نہیں چل سکا:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 چل رہا ہے</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>چلنا مکمل ہو گیا</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>چلنا بیچ میں رک گیا: %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>منسوخ کیا جا رہا ہے ...</translation>
    </message>
</context>
</TS>
