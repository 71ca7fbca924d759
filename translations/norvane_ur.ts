<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1 نئے گروپ درکار ہیں، لیکن %3 گروپ نمبروں میں سے صرف %2 خالی ہیں</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - وقفہ: ہر تکرار کے بیچ %3 سیکنڈ</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - وقفہ: ہر تکرار کے بیچ %3 سیکنڈ + %4 × آیت کا دورانیہ</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>، وقفہ %1 سیکنڈ</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>، تدریجی</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (گروپ: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>آپ نے 80 منٹ سے زیادہ آڈیو منتخب کی ہے۔
عام طور پر CD-R میں 80 منٹ یا اس سے کم ہی آتا ہے۔
براہ کرم آیات ہٹائیں، یہاں تک کہ کل دورانیہ 80 منٹ سے کم ہو جائے!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>آپ نے 99 سے زیادہ ٹریک منتخب کیے ہیں۔
ایک CD میں زیادہ سے زیادہ 99 ٹریک آ سکتے ہیں۔
براہ کرم آیات کو گروپوں میں ڈالیں یا کچھ آیات ہٹائیں!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>قرآن CD لکھنا ناکام رہا: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>تمام ٹریک نہیں بن سکے، اس لیے کچھ نہیں لکھا گیا</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>قرآن CD کی تیاری ناکام رہی: تمام ٹریک نہیں بن سکے</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>قرآن CD کی تیاری ناکام رہی: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>قرآن CD کی تیاری مکمل ہو گئی: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>قرآن CD لکھی جا رہی ہے ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>ٹریک لکھا جا رہا ہے: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>ڈسک پر لکھا نہیں جا سکتا ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>%2 میں سے %1 ٹریک لکھے جانے کے بعد منسوخ کر دیا گیا؛ ڈسک غالباً ناقابلِ استعمال ہے۔</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>قرآن CD لکھنا مکمل ہو گیا!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao نہیں چلایا جا سکتا: یہ انسٹال نہیں ہے (پیکیج cdrdao انسٹال کریں) یا سرچ پاتھ میں نہیں ہے</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>ڈسک پر لکھا نہیں جا سکتا!
یقینی بنائیں کہ ڈسک CD-R یا CD-RW ہے
اگر یہ CD-RW ہے تو پہلے اسے مٹا لیں!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>ڈرائیو میں کوئی ڈسک نہیں، یا اس کی ٹرے کھلی ہے۔ خالی CD-R یا CD-RW ڈالیں، ٹرے بند کریں اور دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>ڈرائیو میں موجود ڈسک خالی نہیں، اور صرف CD-RW ہی مٹائی جا سکتی ہے۔ خالی CD-R ڈالیں، یا پہلے CD-RW مٹائیں۔</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>ٹریک ڈسک کی گنجائش سے لمبے ہیں۔ کچھ آیات ہٹائیں یا ان کی تکرار کم کریں، یا 80 منٹ والی خالی ڈسک استعمال کریں۔</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>آپ کو CD رائٹر استعمال کرنے کی اجازت نہیں۔ خود کو صارف گروپ &quot;cdrom&quot; میں شامل کریں اور دوبارہ لاگ اِن کریں۔</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>کوئی اور پروگرام ڈرائیو استعمال کر رہا ہے۔ اسے بند کریں، یا اس کے ختم ہونے کا انتظار کریں، اور دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>یہ ڈرائیو CD-TEXT نہیں لکھ سکتی، یعنی ٹریکوں کے وہ نام جو Norvane ہر ڈسک پر لکھتا ہے۔ کوئی اور CD رائٹر استعمال کریں۔</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>ڈسک لکھنا ناکام رہا۔ کم رفتار آزمائیں، اور اگر پھر بھی ناکام ہو تو نئی خالی ڈسک۔</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1 کا نام بدل کر %2 نہیں کیا جا سکا: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>فولڈر %1 نہیں بنایا جا سکا</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>CD-RW مٹائی جا رہی ہے ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>CD-RW مٹانا شروع ہو رہا ہے...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>مٹانا منسوخ کر دیا گیا؛ ڈسک غالباً ناقابلِ استعمال ہے۔</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD مٹانا ناکام رہا</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>CD مٹانا مکمل ہو گیا!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>CD مٹانا ناکام رہا: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>فائل %1 MB سے بڑی ہے، اس لیے یہ ریکارڈنگ نہیں ہو سکتی</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>%1 سے زیادہ ری ڈائریکٹ (آخری %2 کی طرف)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>%1 کی طرف ری ڈائریکٹ، جو ویب پتا نہیں ہے</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>محفوظ پتے سے غیر محفوظ پتے کی طرف ری ڈائریکٹ (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 سیکنڈ تک کوئی ڈیٹا نہیں آیا</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>منسوخ کر دیا گیا</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>سرور پر موجود نہیں (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>سرور کا جواب: %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>سرور نے ڈاؤن لوڈ وہیں سے جاری رکھنے سے انکار کیا</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>سرور نے غلط جگہ سے ڈاؤن لوڈ جاری کیا</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 میں لکھا نہیں جا سکا</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>سرور نے کوئی حتمی جواب نہیں دیا (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (%2 کوششوں کے بعد)</translation>
    </message>
</context>
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
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>ٹریک %1 سے زیادہ ٹکڑوں سے بنا ہے، جو جوڑنے کے لیے بہت زیادہ ہیں</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>ٹریک اس سے زیادہ دیر چلے گا جتنا ایک WAV فائل میں آ سکتا ہے</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 میں لکھا نہیں جا سکا</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>عارضی فولڈر &quot;%1&quot; مکمل (absolute) پاتھ نہیں ہے (TMPDIR دیکھیں)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>عارضی فولڈر &quot;%1&quot; موجود نہیں (TMPDIR دیکھیں)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>عارضی فولڈر &quot;%1&quot; فولڈر نہیں ہے (TMPDIR دیکھیں)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>کام کا فولڈر نہیں بنایا جا سکا: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>کام کا فولڈر &quot;%1&quot; نہیں بنایا جا سکا</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; میں کام کا فولڈر نہیں بنایا جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>MP3 ڈیکوڈر تیار نہیں ہو سکا</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>MP3 آڈیو نہیں</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>ادھوری: %2 سیکنڈ میں سے صرف %1 سیکنڈ چلتی ہے</translation>
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
        <translation>محفوظ کرنے کی جگہ: </translation>
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
        <translation>CD رائٹر نہیں ملا: cdrdao انسٹال کریں، صارف گروپ &quot;cdrom&quot; میں شامل ہوں۔ MP3 پھر بھی بنیں گی۔</translation>
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
        <translation>آیت شامل کریں</translation>
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
    <message>
        <source>CD Length: </source>
        <translation>‏CD کا دورانیہ: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

جو تلاوت پہلے سے آپ کے پاس ہے (ہر آیت کی ایک MP3 فائل، نام SSSAAA.mp3)، اسے شامل کرنے کے لیے فائل &gt; تلاوت درآمد کریں… منتخب کریں۔</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>تلاوت &amp;حاصل کریں…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>تلاوت &amp;درآمد کریں…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;باہر نکلیں</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;تعارف</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>سورت ہٹائیں</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>سب صاف کریں</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>گروپ میں ڈالیں</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>لگتا ہے آپ کے پاس کوئی سورت پیک انسٹال نہیں ہے!
براہ کرم %1 پر جا کر کچھ ڈاؤن لوڈ کریں!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>&quot;سب آیات شامل کریں&quot; مصحف کے ہر صفحے کی آیات کا الگ گروپ بناتا ہے، جو &quot;گروپ&quot; حصے کی ترتیب کے مطابق چلتا ہے</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>سب آیات شامل کریں</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>چلائیں</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>CD ڈرائیو آزمائیں</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>CD-RW مٹائیں</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;اچھا معیار&lt;br&gt;بڑی فائل&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;کم معیار&lt;br&gt;چھوٹی فائل&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>تلاش کریں...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> MP3 بنائیں</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Norvane میں خوش آمدید!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;مفت سافٹ ویئر&lt;/font&gt;&lt;/b&gt;&lt;br&gt;یہ پروگرام اس لیے لکھا گیا ہے کہ ہم سب آسانی سے قرآن حفظ کر سکیں۔ آپ اپنی گاڑی کے CD پلیئر، گھر کے میوزک سسٹم یا MP3 پلیئر کے ذریعے حفظ کر سکتے ہیں۔ &lt;br&gt;&lt;br&gt;براہ کرم دنیا بھر میں مصیبت جھیلنے والے ہمارے مسلمان بھائیوں اور بہنوں کو یاد رکھیں اور ان کے لیے دعا کریں۔&lt;br&gt;&lt;br&gt;اگر آپ کا کوئی سوال یا رائے ہو، یا کسی خرابی کی اطلاع دینی ہو، تو براہ کرم &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt; سے رابطہ کریں&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;خبروں اور سورت پیک کے لیے %4 دیکھیں!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>قرآنی آیات کی پلے لسٹ (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>پارہ</translation>
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
        <translation>صفحہ</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>پارہ %1</translation>
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
        <translation>صفحہ %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%2 میں سے %1 آیات موجود ہیں۔</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; میں لکھا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>اندراج کا نام &quot;%1&quot; 255 حروف سے لمبا ہے</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>اندراج کے نام &quot;%1&quot; میں صفر بائٹ ہے</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>اندراج &quot;%1&quot; کا سائز اس کے ڈیٹا سے مطابقت نہیں رکھتا</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>&quot;%1&quot; پڑھی نہیں جا سکی: 2 GiB سے بڑی ہے</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>کھولی نہیں جا سکی: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>پیک فائل نہیں</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>ہیڈر ادھورا ہے</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>اندراجات کی تعداد %1 ایک پیک کی گنجائش سے زیادہ ہے</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>فہرستِ اندراجات اندراج %1 پر ادھوری رہ گئی</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>فہرست کے اندراج %1 کے نام کے آخر میں صفر بائٹ نہیں</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>اندراجات بہت زیادہ ہیں</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>&quot;%1&quot; میں لکھا نہیں جا سکا: پیک فائل 4 GiB سے بڑی ہو جائے گی</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>پیک %1 پڑھا نہیں جا سکتا (%2): norvane-pack verify چلائیں</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>ریکارڈنگ %1 انسٹال شدہ پیک میں موجود نہیں</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; سادہ فائل نام نہیں ہے</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>ریکارڈنگ %1 اپنے پیک میں خالی ہے</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>ریکارڈنگ %1 اپنے پیک %2 میں خراب ہے: norvane-pack verify چلائیں</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>چلنے کے قابل MP3 آڈیو نہیں</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>کوئی عارضی فولڈر نہیں</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>خاموشی کی ریکارڈنگ کے لیے عارضی WAV فائل نہیں لکھی جا سکی: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>silence.mp3 نہیں بن سکی: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame نے silence.mp3 نہیں بنائی</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; فولڈر نہیں ہے</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>درآمد منسوخ کر دی گئی</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot; میں SSSAAA.mp3 نام کی کوئی آیت ریکارڈنگ نہیں</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>نام SSSAAA.mp3 کی طرز پر نہیں</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورت نمبر %1 موجود نہیں</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>سورت %1 میں آیت %2 نہیں ہے</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>کوئی آیت ریکارڈنگ پڑھی نہیں گئی</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>فولڈر &quot;%1&quot; نہیں بنایا جا سکا</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>اس کمپیوٹر میں چلانے کے لیے کوئی آڈیو آؤٹ پٹ نہیں</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>آڈیو آؤٹ پٹ %1 پر CD آڈیو نہیں چل سکتی</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>آڈیو آؤٹ پٹ %1 ناکام ہو گیا</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 اور %2 مزید</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>یہ فائل پلے لسٹ ہونے کے لیے بہت بڑی ہے۔</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>پلے لسٹ کی %1 سطر(یں) پڑھی نہ جا سکیں اور چھوڑ دی گئیں: %2۔</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>%1 سطر(وں) میں تکرار یا وقفہ حد سے باہر تھا؛ انہیں قریب ترین جائز قدر پر کر دیا گیا: %2۔</translation>
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
        <translation>%1 مکمل نہیں ہوا</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 نے جواب دینا بند کر دیا</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 اسٹیٹس %2 کے ساتھ ختم ہوا</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 اسٹیٹس %2 کے ساتھ ختم ہوا (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 شروع نہیں ہو سکا</translation>
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
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>%1 سے زیادہ اندراجات: باقی چھوڑ دیے گئے</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>فہرست اپنی زیادہ سے زیادہ حد سے بڑی ہے</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>فہرست JSON آبجیکٹ نہیں ہے: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>فہرست میں کوئی قابلِ استعمال فولڈر درج نہیں</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; سرور کا فولڈر نہیں ہو سکتا: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>یہ خالی ہے</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>یہ %1 حروف سے لمبا ہے</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>اس میں حروف، ہندسوں، &quot;_&quot;، &quot;-&quot;، &quot;.&quot;، &quot; &quot; اور &quot;/&quot; کے علاوہ کوئی علامت ہے</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>یہ &quot;/&quot; سے شروع یا ختم ہوتا ہے، یا اس میں &quot;//&quot; ہے</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>یہ سرور کے ڈیٹا فولڈر سے باہر جاتا ہے</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>اس کا کوئی حصہ خالی جگہ (اسپیس) سے شروع یا ختم ہوتا ہے</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>سائز معلوم نہیں</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>تقریباً %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>تقریباً %1 MB</translation>
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
        <translation>%1 گھنٹے %2 منٹ</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 منٹ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 سیکنڈ</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>بہت بڑی ہے</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>%1 عارضی فولڈر میں نہیں رکھی جا سکی</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; کسی فولڈر کا http:// یا https:// پتا نہیں ہے</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورت نمبر %1 موجود نہیں</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; سورتوں کی فہرست نہیں ہے: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>اسے اس طرح لکھیں: 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>سورتیں 1 سے %1 تک ہیں، چھوٹے نمبر سے بڑے کی طرف</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%2 میں سے %1 آیات %3 سے ڈاؤن لوڈ کرنی ہیں (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>فولڈر %1 نہیں بنایا جا سکا</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>%1 آیات ڈاؤن لوڈ ہو رہی ہیں ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>سرور کی چیک سم فہرست میں %1 فائلیں درج ہیں۔</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>سرور پر چیک سم فہرست نہیں ہے (%1)؛ فائلیں صرف MP3 آڈیو کے طور پر جانچی جاتی ہیں۔</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>لگاتار %1 فائلیں ڈاؤن لوڈ نہ ہو سکیں، اس لیے روک دیا گیا (آخری: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>ڈاؤن لوڈ شدہ فائل پڑھی نہیں جا سکی: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>چلنے کے قابل MP3 آڈیو نہیں (سرور نے کچھ اور بھیجا)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>چیک سم نہیں ملا: یہ وہ فائل نہیں جو سرور کی چیک سم فہرست میں درج ہے</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 پڑھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>%1 لکھا گیا (%2 آیات)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>ابھی کسی پیک میں نہیں</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>مطلوبہ %2 آیات میں سے %1 موجود نہیں</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%2 میں سے %1 فائلیں، %3 MB، %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%2 میں سے %1 فائلیں، %3 MB، %4، تقریباً %5 باقی</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>%1 موجود نہیں: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>مطلوبہ %2 آیات میں سے %1 آیات %3 میں موجود ہیں (اس بار %4 فائلیں، %5 MB ڈاؤن لوڈ ہوئیں)۔</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>ڈاؤن لوڈ منسوخ: اوپر درج پیک لکھے جا چکے ہیں؛ دوبارہ چلانے پر کام وہیں سے آگے بڑھے گا۔</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>یہ ریکارڈنگز اپنے قاریوں اور ناشرین کی ملکیت ہیں؛ یہ ذاتی استعمال کے لیے ہیں۔</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>ریکارڈنگز پڑھی جا رہی ہیں ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>%1 سورت پیک لکھے جا رہے ہیں ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>%1 لکھا گیا</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>درآمد ناکام رہی۔</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %3 میں سے %2 آیات</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %3 میں سے %2 آیات، غائب: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 نظر انداز کی گئی: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>درآمد منسوخ: اوپر درج پیک لکھے جا چکے ہیں؛ کوئی اور پیک نہیں بدلا گیا۔</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>درآمد رک گئی: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>تفصیل فائل کی زیادہ سے زیادہ حد سے بڑی ہے</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>تفصیل فائل نہیں (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>فولڈر %1 نہیں بنایا جا سکا</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; کسی تلاوت کا نام نہیں ہو سکتا: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>یہ خالی ہے</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>یہ %1 حروف سے لمبا ہے</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>یہ نام اُن پیک کے لیے مخصوص ہے جو براہِ راست پیک فولڈر میں ہیں</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>یہ نقطے سے شروع ہوتا ہے، یا خالی جگہ سے شروع یا ختم ہوتا ہے</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>اس میں ایسی علامت ہے جو فولڈر کے نام میں نہیں آ سکتی</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>ڈسک بھر گئی ہے</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>فہرست %1 حاصل نہیں کی جا سکی: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>فہرست پڑھی نہیں جا سکی: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>یہ %1 بائٹ لمبا ہے، جبکہ cdrdao صرف %2 بائٹ تک پڑھتا ہے</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>اس میں ڈبل کوٹ (&quot;) ہے</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>اس میں کنٹرول کیریکٹر ہے</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>اس میں بیک سلیش (\) کے بعد ہندسہ ہے</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>ٹریک کا نام &quot;%1&quot; فہرستِ مضامین (TOC) میں نہیں لکھا جا سکتا: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>ٹریک فائل &quot;%1&quot; فہرستِ مضامین (TOC) میں نہیں لکھی جا سکتی: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 میں لکھا نہیں جا سکا: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1 نے %2 میں کوئی آڈیو نہیں چھوڑی</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 نے %2 ادھوری چھوڑی</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 نے %2 پر کوئی MP3 فائل نہیں چھوڑی</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 خراب ہے: یہ %3 سیکنڈ کے بجائے %2 سیکنڈ چلتی ہے</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>ٹریک %1 سے زیادہ ٹکڑوں سے بنا ہے، جو چلانے کے لیے بہت زیادہ ہیں</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: ڈیکوڈنگ ناکام رہی</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>کوئی ترجمہ منتخب نہیں کیا گیا</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>سورت نمبر &quot;%1&quot; تین ہندسوں کا نہیں</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>آیت نمبر &quot;%1&quot; تین ہندسوں کا نہیں</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>سورت نمبر %1 موجود نہیں</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>سورت %1 کا کوئی نام نہیں</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>اور %1 مزید</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ہر آیت کے بعد ترجمہ نہیں چلایا جا سکتا: %1۔ براہ کرم اسے انسٹال کریں، یا &quot;ہر آیت کے بعد ترجمہ&quot; میں &quot;کوئی نہیں&quot; منتخب کریں۔</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ترجمہ &quot;%1&quot; میں آیت %2 کی ریکارڈنگ نہیں ہے۔ براہ کرم وہ پیک انسٹال کریں جن میں یہ ریکارڈنگ ہے، یا &quot;ہر آیت کے بعد ترجمہ&quot; میں &quot;کوئی نہیں&quot; منتخب کریں۔</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>ترجمہ &quot;%1&quot; میں ان آیات کی ریکارڈنگز نہیں ہیں: %2۔ براہ کرم وہ پیک انسٹال کریں جن میں یہ ریکارڈنگز ہیں، یا &quot;ہر آیت کے بعد ترجمہ&quot; میں &quot;کوئی نہیں&quot; منتخب کریں۔</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>بسم اللہ سورت 1 (سورہ فاتحہ) کی آیت 1 سے چلائی جاتی ہے، جو کسی انسٹال شدہ پیک میں موجود نہیں۔ براہ کرم سورہ فاتحہ کا پیک انسٹال کریں، یا &quot;آیت 1 سے پہلے بسم اللہ&quot; بند کر دیں۔</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>براہ کرم اپنے MP3 ٹریکوں کے لیے کوئی درست فولڈر منتخب کریں!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>MP3 ٹریک بنائے جا رہے ہیں ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>ٹریک بنائے جا رہے ہیں ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>ٹریکوں کی تیاری</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>MP3 ٹریک بن گئے!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>ناکام: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>%2 میں سے %1 ٹریک نہیں بن سکے: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>%2 میں سے %1 ٹریک بننے کے بعد منسوخ کر دیا گیا۔</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>براہ کرم حفظ کرنے کے لیے کچھ سورتیں یا آیات شامل کریں!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>ڈیکوڈنگ ناکام رہی</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>رفتار بدلنا ناکام رہا: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>وقفے کے لیے خاموشی کی ریکارڈنگ درکار ہے، جو نہیں بن سکی: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>بسم اللہ کے لیے اس کی ریکارڈنگ درکار ہے، جو نہیں بن سکی: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>جوڑنا ناکام رہا: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>ٹریک CD آڈیو نہیں ہے (44.1 kHz، 16-bit، سٹیریو)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>ٹریک کو CD کے کم از کم دورانیے تک نہیں بڑھایا جا سکا: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>انکوڈنگ ناکام رہی: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>MP3 گروپ %1 انکوڈ ہو رہا ہے ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>MP3 انکوڈ ہو رہی ہے: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>ٹریک بن رہا ہے: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (ترجمہ %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>ترجمہ &quot;%1&quot; انسٹال نہیں ہے</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>تلاوت &quot;%1&quot; ترجمہ نہیں ہے</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>یہ PCM WAV فائل نہیں ہے</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>فائل اس کے آڈیو نمونوں پر ختم نہیں ہوتی</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>بڑھائی گئی فائل بہت بڑی ہو جائے گی</translation>
    </message>
</context>
</TS>
