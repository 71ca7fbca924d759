<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1টি নতুন গ্রুপ দরকার, কিন্তু %3টি গ্রুপ নম্বরের মধ্যে মাত্র %2টি খালি আছে</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - বিরতি: পুনরাবৃত্তির মাঝে %3 সেকেন্ড</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - বিরতি: পুনরাবৃত্তির মাঝে %3 সেকেন্ড + %4 × আয়াতের দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>, বিরতি %1 সেকেন্ড</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>, ধাপে ধাপে</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (গ্রুপ: %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>আপনি 80 মিনিটের বেশি অডিও বেছে নিয়েছেন।
সাধারণত একটি CD-R-এ 80 মিনিট বা তার কম ধরে।
অনুগ্রহ করে 80 মিনিটের নিচে না আসা পর্যন্ত আয়াত সরান!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>আপনি 99টির বেশি ট্র্যাক বেছে নিয়েছেন।
একটি CD-তে সর্বোচ্চ 99টি ট্র্যাক ধরে।
অনুগ্রহ করে আয়াতগুলো গ্রুপে দিন বা কিছু আয়াত সরান!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>কুরআন CD লেখা ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>সব ট্র্যাক তৈরি করা যায়নি, তাই কিছুই লেখা হয়নি</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>কুরআন CD প্রস্তুত করা ব্যর্থ হয়েছে: সব ট্র্যাক তৈরি করা যায়নি</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>কুরআন CD প্রস্তুত করা ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>কুরআন CD প্রস্তুত করা সম্পন্ন: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>কুরআন CD লেখা হচ্ছে ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>ট্র্যাক লেখা হচ্ছে: %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>ডিস্কে লেখা যাচ্ছে না ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>%2টির মধ্যে %1টি ট্র্যাক লেখার পর বাতিল করা হয়েছে; ডিস্কটি সম্ভবত ব্যবহারের অযোগ্য।</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>কুরআন CD লেখা সম্পন্ন হয়েছে!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>cdrdao চালানো যাচ্ছে না: এটি ইনস্টল করা নেই (cdrdao প্যাকেজটি ইনস্টল করুন) অথবা সার্চ পাথে নেই</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>ডিস্কে লেখা যাচ্ছে না!
নিশ্চিত করুন যে ডিস্কটি CD-R বা CD-RW
এটি CD-RW হলে আগে অবশ্যই মুছে নিন!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>ড্রাইভে কোনো ডিস্ক নেই, অথবা এর ট্রে খোলা। একটি ফাঁকা CD-R বা CD-RW ঢোকান, ট্রে বন্ধ করুন এবং আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>ড্রাইভের ডিস্কটি ফাঁকা নয়, আর শুধু CD-RW-ই মোছা যায়। একটি ফাঁকা CD-R ঢোকান, অথবা আগে CD-RW মুছে নিন।</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>ট্র্যাকগুলো ডিস্কের ধারণক্ষমতার চেয়ে লম্বা। কিছু আয়াত সরান বা সেগুলোর পুনরাবৃত্তি কমান, অথবা 80 মিনিটের ফাঁকা ডিস্ক ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>আপনার CD রাইটার ব্যবহারের অনুমতি নেই। নিজেকে &quot;cdrom&quot; ইউজার-গ্রুপে যোগ করুন এবং আবার লগ-ইন করুন।</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>অন্য একটি প্রোগ্রাম ড্রাইভটি ব্যবহার করছে। সেটি বন্ধ করুন, অথবা শেষ হওয়া পর্যন্ত অপেক্ষা করুন, তারপর আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>এই ড্রাইভ CD-TEXT লিখতে পারে না, অর্থাৎ ট্র্যাকের সেই শিরোনামগুলো, যা Norvane প্রতিটি ডিস্কে লেখে। অন্য একটি CD রাইটার ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>ডিস্ক লেখা ব্যর্থ হয়েছে। কম গতিতে চেষ্টা করুন, আবারও ব্যর্থ হলে নতুন একটি ফাঁকা ডিস্কে।</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1-এর নাম বদলে %2 করা যায়নি: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>ফোল্ডার %1 তৈরি করা যায়নি</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>CD-RW মোছা হচ্ছে ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>CD-RW মোছা শুরু হচ্ছে...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>মোছা বাতিল করা হয়েছে; ডিস্কটি সম্ভবত ব্যবহারের অযোগ্য।</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD মোছা ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>CD মোছা সম্পন্ন হয়েছে!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>CD মোছা ব্যর্থ হয়েছে: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>ফাইলটি %1 MB-এর চেয়ে বড়, তাই এটি রেকর্ডিং হতে পারে না</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>%1টির বেশি রিডাইরেক্ট (শেষটি %2-এ)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>%1-এ রিডাইরেক্ট, যা কোনো ওয়েব ঠিকানা নয়</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>নিরাপদ ঠিকানা থেকে অনিরাপদ ঠিকানায় রিডাইরেক্ট (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 সেকেন্ড ধরে কোনো ডেটা আসেনি</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>বাতিল করা হয়েছে</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>সার্ভারে নেই (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>সার্ভারের উত্তর: %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>সার্ভার থেমে যাওয়া জায়গা থেকে আবার শুরু করতে রাজি হয়নি</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>সার্ভার ভুল জায়গা থেকে আবার শুরু করেছে</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1-এ লেখা যায়নি</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>সার্ভার কোনো চূড়ান্ত উত্তর দেয়নি (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (%2 বার চেষ্টার পর)</translation>
    </message>
</context>
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>অনুবাদ</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>তিলাওয়াত সংগ্রহ করুন</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>সার্ভার:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>সার্ভারের ডেটা ফোল্ডারের ঠিকানা, অথবা তার কোনো মিররের ঠিকানা</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>তালিকা হালনাগাদ করুন</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>সার্ভারে থাকা তিলাওয়াত</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>নাম:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>সব 114টি, অথবা যেমন 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>সূরা:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>রেকর্ডিংগুলোর স্বত্ব তাদের ক্বারী ও প্রকাশকদের, এবং এগুলো শুধু ব্যক্তিগত ব্যবহারের জন্য। কোনো ডাউনলোড থেমে গেলে আবার শুরু করা যায়: যেখানে থেমেছিল সেখান থেকেই চলবে।</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ডাউনলোড</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>Norvane-এর সঙ্গে আসা তালিকা</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>সার্ভারের তালিকা পড়া হচ্ছে …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>সার্ভারের তালিকা</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1টি আয়াত, %2। পুরো একটি তিলাওয়াত 64 kbit/s-এ প্রায় 0.8 GB এবং 128 kbit/s-এ 2.5 থেকে 2.8 GB।</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>আগে একটি তিলাওয়াত বেছে নিন।</translation>
    </message>
</context>
<context>
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>ট্র্যাকটি %1টির বেশি অংশ দিয়ে তৈরি, জোড়া লাগানোর জন্য যা অনেক বেশি</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>ট্র্যাকটি একটি WAV ফাইলের ধারণক্ষমতার চেয়ে বেশি সময় বাজবে</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1-এ লেখা যায়নি</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>অস্থায়ী ফোল্ডার &quot;%1&quot; পূর্ণ (absolute) পাথ নয় (TMPDIR দেখুন)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>অস্থায়ী ফোল্ডার &quot;%1&quot; নেই (TMPDIR দেখুন)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>অস্থায়ী ফোল্ডার &quot;%1&quot; কোনো ফোল্ডার নয় (TMPDIR দেখুন)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>কাজের ফোল্ডার তৈরি করা যায়নি: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>কাজের ফোল্ডার &quot;%1&quot; তৈরি করা যায়নি</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;-এ কাজের ফোল্ডার তৈরি করা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>MP3 ডিকোডার চালু করা যায়নি</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>MP3 অডিও নয়</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>অসম্পূর্ণ: %2 সেকেন্ডের মধ্যে মাত্র %1 সেকেন্ড বাজে</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Norvane প্লেলিস্ট</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>আয়াত চালান</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>নির্বাচিত আয়াত, তার পুনরাবৃত্তি ও বিরতিসহ, ঠিক যেভাবে তৈরি হবে</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>ট্র্যাক চালান</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>নির্বাচিত আয়াতের পুরো ট্র্যাক (গ্রুপ), ঠিক যেভাবে তৈরি হবে</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>বাজানো থামান</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>গ্রুপ</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>গ্রুপ নং: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>কতবার: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>প্রতিবারের পর বিরতি (সে.): </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>ধাপে ধাপে</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>প্রথমে আয়াত 1, তারপর আয়াত 1-2, তারপর 1-3, ..., প্রতিটি ধাপ গ্রুপের পুনরাবৃত্তির সংখ্যার সমান বার</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>সূরা</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>তিলাওয়াত:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>ক্বারী: %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>আয়াত কতবার: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>আয়াত বিরতি (সে.): </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>পৃষ্ঠাভিত্তিক গ্রুপ</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>প্রতিটি বিরতি আয়াতের নিজের দৈর্ঘ্যের এত গুণ বাড়ে</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× আয়াতের দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>নির্বাচিত আয়াত, যেভাবে রেকর্ড করা হয়েছে, বেছে নেওয়া গতিতে (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>আয়াত 1-এর আগে বিসমিল্লাহ</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>প্রতি ট্র্যাকে একবার, কোনো সূরার আয়াত 1 প্রথমবার শোনানোর আগে (সূরা 1 ও 9 ছাড়া)</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>গতি:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>তিলাওয়াতের গতি; ক্বারীর কণ্ঠের সুর একই থাকে</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>প্রতি আয়াতের পর অনুবাদ</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>প্রতিটি আয়াতের পুনরাবৃত্তির পর একবার বাজে, তারপর আয়াতের বিরতি</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>CD রাইটার সেটিং</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>CD ড্রাইভ: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>MP3 সেটিং</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>সংরক্ষণের ফোল্ডার: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>বাজানোর ক্রমে ফাইলে নম্বর দিন</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>বর্তমান বিটরেট: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>CD লেখার গতি: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>আপনার MP3 ফাইল রাখার জন্য একটি ফোল্ডার বেছে নিন</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>সূরা অনুযায়ী, অথবা 604 পৃষ্ঠার কুরআন শরীফের পারা, হিযব, রুবু বা পৃষ্ঠা অনুযায়ী আয়াত বেছে নিন</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>কোনো CD রাইটার পাওয়া যায়নি!
অনুগ্রহ করে cdrdao ইনস্টল করুন, এবং নিশ্চিত করুন যে আপনি CD রাইটার ব্যবহার করতে পারেন:
বেশিরভাগ সিস্টেমে এর জন্য রাইটারটির মালিক ইউজার-গ্রুপের সদস্য হতে হয় (প্রায়ই &quot;cdrom&quot;)।
অডিও CD তৈরি করা যাবে না।
তবে আপনি এখনও MP3 তৈরি করতে পারবেন।</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>কোনো CD রাইটার পাওয়া যায়নি: cdrdao ইনস্টল করুন, এবং যে ইউজার-গ্রুপ রাইটার ব্যবহার করতে পারে তার সদস্য হোন (প্রায়ই &quot;cdrom&quot;)। MP3 তৈরি করতে রাইটার লাগে না।</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>CD মোছা ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>আপনার CD ড্রাইভের ট্রে খুলে গেলে, আপনি একটি CD ড্রাইভই বেছে নিয়েছেন!
তবে নিশ্চিত হোন যে এটি CD রেকর্ড করতে পারে!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>আয়াতের রেকর্ডিংয়ের একটি ফোল্ডার বেছে নিন (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1টি সূরা প্যাক ইমপোর্ট করা হয়েছে।</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>ইমপোর্ট বাতিল করা হয়েছে।</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>ইমপোর্ট ব্যর্থ হয়েছে।</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… এবং লগে আরও %1টি লাইন।</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>তিলাওয়াত ইমপোর্ট করুন</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>এই আয়াত যোগ করুন</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>আয়াত সরান</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>প্লেলিস্ট সংরক্ষণ</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>প্লেলিস্ট খুলুন</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>কুরআন CD তৈরি করুন</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>প্লেলিস্ট</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>সূরার আয়াতসমূহ</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>সূরা</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>তিলাওয়াত</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>CD-র দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>CD ড্রাইভ</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>গ্রুপ নম্বর</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>MP3 বিটরেট</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>CD লেখার গতি</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>অগ্রগতি</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>সিস্টেমের ভাষা</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>পরেরবার চালু হওয়া থেকে Norvane-এর ভাষা হবে %1।</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>এখন থামালে ডিস্কটি ব্যবহারের অযোগ্য হয়ে যাবে। তবুও থামাবেন?</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Norvane ত্রুটি</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>কমান্ড চালানো যাচ্ছে না</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>ইনস্টল করা প্যাক</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (অনুবাদ)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>কোনোটি নয়</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>তিলাওয়াত সংগ্রহ করুন</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 আগে থেকেই প্লেলিস্টে আছে।&lt;br&gt;পুনরাবৃত্তি বা বিরতি বদলাতে চাইলে প্লেলিস্ট থেকে সরিয়ে আবার যোগ করুন।</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>আয়াত যোগ হয়েছে</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1।&lt;br&gt;কোনো আয়াত যোগ করা হয়নি।</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>সূরা যোগ করা হয়েছে</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>%1 যোগ করা হয়েছে</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>সরানোর জন্য কোনো আয়াত বাছাই করা হয়নি!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>সরানোর জন্য কোনো সূরা বাছাই করা হয়নি!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>সংরক্ষণের জন্য প্লেলিস্টের একটি নাম দিন</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>প্লেলিস্ট %1-এ সংরক্ষণ করা যায়নি:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>প্লেলিস্ট সংরক্ষণ সম্পন্ন</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>খোলার জন্য একটি প্লেলিস্ট বেছে নিন</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>প্লেলিস্ট %1 পড়া যায়নি:&lt;br&gt;%2&lt;br&gt;বর্তমান প্লেলিস্ট অপরিবর্তিত রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>প্লেলিস্ট খোলা সম্পন্ন</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>চালানো যাচ্ছে না: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>%1 চালানো যাচ্ছে না:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 চলছে</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>বাজানো শেষ হয়েছে</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>বাজানো মাঝপথে থেমে গেছে: %1</translation>
    </message>
    <message>
        <source>CD Length: </source>
        <translation>CD-র দৈর্ঘ্য: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

আপনার কাছে আগে থেকে থাকা কোনো তিলাওয়াত (প্রতি আয়াতে একটি MP3 ফাইল, নাম SSSAAA.mp3) যোগ করতে ফাইল &gt; তিলাওয়াত ইমপোর্ট করুন… বেছে নিন।</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>তিলাওয়াত সংগ্রহ করুন (&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>তিলাওয়াত ইমপোর্ট করুন (&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>সূরা সরান</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>সব মুছুন</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>গ্রুপে দিন</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>মনে হচ্ছে আপনার কোনো সূরা প্যাক ইনস্টল করা নেই!
অনুগ্রহ করে %1-এ গিয়ে কিছু ডাউনলোড করুন!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>&quot;সব আয়াত যোগ করুন&quot; কুরআন শরীফের প্রতিটি পৃষ্ঠার আয়াতগুলো দিয়ে আলাদা একটি গ্রুপ বানায়, যা &quot;গ্রুপ&quot; অংশের নিয়ম অনুযায়ী বাজে</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>সব আয়াত যোগ করুন</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>চালান</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>CD ড্রাইভ পরীক্ষা</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>CD-RW মুছুন</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;কম মান&lt;br&gt;ছোট ফাইল&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;ভালো মান&lt;br&gt;বড় ফাইল&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>খুঁজুন...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> MP3 তৈরি করুন</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Norvane-এ স্বাগতম!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;বিনামূল্যের সফটওয়্যার&lt;/font&gt;&lt;/b&gt;&lt;br&gt;আমরা সবাই যেন সহজে কুরআন মুখস্থ করতে পারি, সে জন্য এই প্রোগ্রামটি লেখা হয়েছে। আপনি আপনার গাড়ির CD প্লেয়ার, বাড়ির মিউজিক সিস্টেম বা MP3 প্লেয়ার দিয়ে মুখস্থ করতে পারেন। &lt;br&gt;&lt;br&gt;অনুগ্রহ করে বিশ্বের নানা প্রান্তে কষ্টে থাকা আমাদের মুসলিম ভাই-বোনদের স্মরণ করুন এবং তাঁদের জন্য দোয়া করুন।&lt;br&gt;&lt;br&gt;কোনো প্রশ্ন, মতামত বা ত্রুটির খবর জানাতে চাইলে অনুগ্রহ করে &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;-এ যোগাযোগ করুন&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;খবর ও সূরা প্যাকের জন্য %4 দেখুন!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>কুরআনের আয়াতের প্লেলিস্ট (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>পারা</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>হিযব</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>রুবু</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>পারা %1</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>হিযব %1</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>রুবু %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>পৃষ্ঠা %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%2টি আয়াতের মধ্যে %1টি আছে।</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;-এ লেখা যায়নি: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>এন্ট্রির নাম &quot;%1&quot; 255 অক্ষরের চেয়ে লম্বা</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>এন্ট্রির নাম &quot;%1&quot;-এ একটি শূন্য বাইট আছে</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>এন্ট্রি &quot;%1&quot;-এর আকার তার ডেটার সঙ্গে মেলে না</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>&quot;%1&quot; পড়া যায়নি: 2 GiB-এর চেয়ে বড়</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>খোলা যায়নি: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>প্যাক ফাইল নয়</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>হেডার অসম্পূর্ণ</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>এন্ট্রির সংখ্যা %1, যা একটি প্যাকের ধারণক্ষমতার বেশি</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>সূচি এন্ট্রি %1-এ এসে অসম্পূর্ণ</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>সূচি এন্ট্রি %1-এর নামের শেষে শূন্য বাইট নেই</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>এন্ট্রি অনেক বেশি</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>&quot;%1&quot;-এ লেখা যায়নি: প্যাক ফাইলটি 4 GiB ছাড়িয়ে যাবে</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>প্যাক %1 পড়া যাচ্ছে না (%2): norvane-pack verify চালান</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>রেকর্ডিং %1 ইনস্টল করা প্যাকগুলোতে নেই</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>&quot;%1&quot; কোনো সাধারণ ফাইলের নাম নয়</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>রেকর্ডিং %1 তার প্যাকে ফাঁকা</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>রেকর্ডিং %1 তার প্যাক %2-এ ক্ষতিগ্রস্ত: norvane-pack verify চালান</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>বাজানোর উপযোগী MP3 অডিও নয়</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>কোনো অস্থায়ী ফোল্ডার নেই</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>নীরবতার রেকর্ডিংয়ের জন্য অস্থায়ী WAV ফাইল লেখা যায়নি: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>silence.mp3 তৈরি করা যায়নি: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame কোনো silence.mp3 তৈরি করেনি</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; কোনো ফোল্ডার নয়</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>ইমপোর্ট বাতিল করা হয়েছে</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>&quot;%1&quot;-এ SSSAAA.mp3 নামের কোনো আয়াতের রেকর্ডিং নেই</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>নাম SSSAAA.mp3 ধাঁচের নয়</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 নম্বরের কোনো সূরা নেই</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>সূরা %1-এ আয়াত %2 নেই</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>কোনো আয়াতের রেকর্ডিং পড়া হয়নি</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>ফোল্ডার &quot;%1&quot; তৈরি করা যায়নি</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>এই কম্পিউটারে বাজানোর মতো কোনো অডিও আউটপুট নেই</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>অডিও আউটপুট %1 CD অডিও বাজাতে পারে না</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>অডিও আউটপুট %1 ব্যর্থ হয়েছে</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 এবং আরও %2টি</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>ফাইলটি প্লেলিস্ট হওয়ার জন্য অনেক বড়।</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>প্লেলিস্টের %1টি লাইন পড়া যায়নি এবং বাদ দেওয়া হয়েছে: %2।</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>%1টি লাইনে পুনরাবৃত্তি বা বিরতি সীমার বাইরে ছিল; সেগুলোকে নিকটতম অনুমোদিত মানে বসানো হয়েছে: %2।</translation>
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
        <translation>%1 শেষ হয়নি</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 সাড়া দেওয়া বন্ধ করেছে</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 স্ট্যাটাস %2 দিয়ে শেষ হয়েছে</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 স্ট্যাটাস %2 দিয়ে শেষ হয়েছে (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 চালু করা যায়নি</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>বাতিল করা হচ্ছে ...</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>%1টির বেশি এন্ট্রি: বাকিগুলো বাদ দেওয়া হয়েছে</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>তালিকাটি একটি তালিকার সর্বোচ্চ আকারের চেয়ে বড়</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>তালিকাটি কোনো JSON অবজেক্ট নয়: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>তালিকায় ব্যবহারযোগ্য কোনো ফোল্ডারের নাম নেই</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>&quot;%1&quot; সার্ভারের ফোল্ডার হতে পারে না: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>এটি ফাঁকা</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>এটি %1 অক্ষরের চেয়ে লম্বা</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>এতে অক্ষর, অঙ্ক, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; ও &quot;/&quot; ছাড়া অন্য কোনো চিহ্ন আছে</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>এটি &quot;/&quot; দিয়ে শুরু বা শেষ হয়, অথবা এতে &quot;//&quot; আছে</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>এটি সার্ভারের ডেটা ফোল্ডারের বাইরে চলে যায়</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>এর কোনো অংশ ফাঁকা জায়গা (স্পেস) দিয়ে শুরু বা শেষ হয়</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>আকার অজানা</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>প্রায় %1 GB</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>প্রায় %1 MB</translation>
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
        <translation>%1 ঘণ্টা %2 মিনিট</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 মিনিট</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 সেকেন্ড</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>অনেক বড়</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>%1 অস্থায়ী ফোল্ডারে রাখা যায়নি</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>&quot;%1&quot; কোনো ফোল্ডারের http:// বা https:// ঠিকানা নয়</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 নম্বরের কোনো সূরা নেই</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>&quot;%1&quot; সূরার কোনো তালিকা নয়: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>এভাবে লিখুন: 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>সূরা 1 থেকে %1 পর্যন্ত, ছোট থেকে বড় ক্রমে</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%2টির মধ্যে %1টি আয়াত %3 থেকে আনতে হবে (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>ফোল্ডার %1 তৈরি করা যায়নি</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>%1টি আয়াত আনা হচ্ছে ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>সার্ভারের চেকসাম তালিকায় %1টি ফাইলের নাম আছে।</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>সার্ভারে কোনো চেকসাম তালিকা নেই (%1); ফাইলগুলো শুধু MP3 অডিও হিসেবে পরীক্ষা করা হচ্ছে।</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>পরপর %1টি ফাইল আনা যায়নি, তাই থামানো হয়েছে (শেষটি: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>যা আনা হয়েছে তা পড়া যায়নি: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>বাজানোর উপযোগী MP3 অডিও নয় (সার্ভার অন্য কিছু পাঠিয়েছে)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>চেকসাম মেলেনি: সার্ভারের চেকসাম তালিকায় যে ফাইলের কথা আছে, এটি সেটি নয়</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 পড়া যায়নি: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>%1 লেখা হয়েছে (%2টি আয়াত)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>এখনও কোনো প্যাকে নেই</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>চাওয়া %2টি আয়াতের মধ্যে %1টি নেই</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%2টির মধ্যে %1টি ফাইল, %3 MB, %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%2টির মধ্যে %1টি ফাইল, %3 MB, %4, আর প্রায় %5 বাকি</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>%1 নেই: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>চাওয়া %2টি আয়াতের মধ্যে %1টি %3-এ আছে (এবার %4টি ফাইল, %5 MB আনা হয়েছে)।</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>ডাউনলোড বাতিল: ওপরে তালিকাভুক্ত প্যাকগুলো লেখা হয়েছে; আবার চালালে বাকিটা চলবে।</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>রেকর্ডিংগুলোর স্বত্ব তাদের ক্বারী ও প্রকাশকদের; এগুলো ব্যক্তিগত ব্যবহারের জন্য।</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>রেকর্ডিংগুলো পড়া হচ্ছে ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>%1টি সূরা প্যাক লেখা হচ্ছে ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>%1 লেখা হয়েছে</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>ইমপোর্ট ব্যর্থ হয়েছে।</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1: %3টির মধ্যে %2টি আয়াত</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1: %3টির মধ্যে %2টি আয়াত, নেই: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 বাদ দেওয়া হয়েছে: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>ইমপোর্ট বাতিল: ওপরে তালিকাভুক্ত প্যাকগুলো লেখা হয়েছে; অন্য কোনো প্যাক বদলানো হয়নি।</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>ইমপোর্ট থেমে গেছে: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>বিবরণ ফাইলের সর্বোচ্চ আকারের চেয়ে বড়</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>বিবরণ ফাইল নয় (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>ফোল্ডার %1 তৈরি করা যায়নি</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>&quot;%1&quot; কোনো তিলাওয়াতের নাম হতে পারে না: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>এটি ফাঁকা</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>এটি %1 অক্ষরের চেয়ে লম্বা</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>এই নামটি সরাসরি প্যাক ফোল্ডারে থাকা প্যাকগুলোর জন্য সংরক্ষিত</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>এটি বিন্দু দিয়ে শুরু হয়, অথবা ফাঁকা জায়গা দিয়ে শুরু বা শেষ হয়</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>এতে এমন একটি চিহ্ন আছে, যা ফোল্ডারের নামে থাকতে পারে না</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>ডিস্ক ভরে গেছে</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>তালিকা %1 আনা যায়নি: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>তালিকা পড়া যায়নি: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>এটি %1 বাইট লম্বা, অথচ cdrdao সর্বোচ্চ %2 বাইট পড়ে</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>এতে ডাবল কোট (&quot;) আছে</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>এতে একটি কন্ট্রোল ক্যারেক্টার আছে</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>এতে ব্যাকস্ল্যাশ (\)-এর পরে একটি অঙ্ক আছে</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>ট্র্যাকের শিরোনাম &quot;%1&quot; সূচিপত্রে (TOC) লেখা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>ট্র্যাক ফাইল &quot;%1&quot; সূচিপত্রে (TOC) লেখা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1-এ লেখা যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1 %2-এ কোনো অডিও রাখেনি</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 %2 অসম্পূর্ণ রেখেছে</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 %2-এ কোনো MP3 ফাইল রাখেনি</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 ক্ষতিগ্রস্ত: এটি %3 সেকেন্ডের বদলে %2 সেকেন্ড বাজে</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>ট্র্যাকটি %1টির বেশি অংশ দিয়ে তৈরি, বাজানোর জন্য যা অনেক বেশি</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1: ডিকোড করা ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>কোনো অনুবাদ বেছে নেওয়া হয়নি</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>সূরা নম্বর &quot;%1&quot; তিন অঙ্কের নয়</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>আয়াত নম্বর &quot;%1&quot; তিন অঙ্কের নয়</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>%1 নম্বরের কোনো সূরা নেই</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>সূরা %1-এর কোনো নাম নেই</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>এবং আরও %1টি</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>প্রতি আয়াতের পর অনুবাদ বাজানো যাচ্ছে না: %1। অনুগ্রহ করে সেটি ইনস্টল করুন, অথবা &quot;প্রতি আয়াতের পর অনুবাদ&quot;-এ &quot;কোনোটি নয়&quot; বেছে নিন।</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>অনুবাদ &quot;%1&quot;-এ আয়াত %2-এর রেকর্ডিং নেই। অনুগ্রহ করে যে প্যাকে এটি আছে সেটি ইনস্টল করুন, অথবা &quot;প্রতি আয়াতের পর অনুবাদ&quot;-এ &quot;কোনোটি নয়&quot; বেছে নিন।</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>অনুবাদ &quot;%1&quot;-এ এই আয়াতগুলোর রেকর্ডিং নেই: %2। অনুগ্রহ করে যেসব প্যাকে এগুলো আছে সেগুলো ইনস্টল করুন, অথবা &quot;প্রতি আয়াতের পর অনুবাদ&quot;-এ &quot;কোনোটি নয়&quot; বেছে নিন।</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>বিসমিল্লাহ বাজানো হয় সূরা 1 (আল-ফাতিহা)-এর আয়াত 1 থেকে, যা কোনো ইনস্টল করা প্যাকে নেই। অনুগ্রহ করে আল-ফাতিহার প্যাক ইনস্টল করুন, অথবা &quot;আয়াত 1-এর আগে বিসমিল্লাহ&quot; বন্ধ করুন।</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>অনুগ্রহ করে আপনার MP3 ট্র্যাকগুলোর জন্য একটি সঠিক ফোল্ডার বেছে নিন!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>MP3 ট্র্যাক তৈরি হচ্ছে ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>ট্র্যাক তৈরি হচ্ছে ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>ট্র্যাক প্রস্তুত করা হচ্ছে</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>MP3 ট্র্যাক তৈরি সম্পন্ন হয়েছে!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>ব্যর্থ: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>%2টির মধ্যে %1টি ট্র্যাক তৈরি করা যায়নি: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>%2টির মধ্যে %1টি ট্র্যাকের পর বাতিল করা হয়েছে।</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>অনুগ্রহ করে মুখস্থ করার জন্য কিছু সূরা বা আয়াত যোগ করুন!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>ডিকোড করা ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>গতি বদলানো ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>বিরতির জন্য নীরবতার রেকর্ডিং দরকার, যা তৈরি করা যায়নি: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>বিসমিল্লাহর জন্য তার রেকর্ডিং দরকার, যা তৈরি করা যায়নি: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>জোড়া লাগানো ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>ট্র্যাকটি CD অডিও নয় (44.1 kHz, 16-bit, স্টেরিও)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>ট্র্যাকটিকে CD-র ন্যূনতম দৈর্ঘ্য পর্যন্ত বাড়ানো যায়নি: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>এনকোড করা ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>MP3 গ্রুপ এনকোড হচ্ছে: %1 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>MP3 এনকোড হচ্ছে: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>ট্র্যাক তৈরি হচ্ছে: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (অনুবাদ %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>অনুবাদ &quot;%1&quot; ইনস্টল করা নেই</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>তিলাওয়াত &quot;%1&quot; কোনো অনুবাদ নয়</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>এটি PCM WAV ফাইল নয়</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>ফাইলটি তার অডিও স্যাম্পলে শেষ হয় না</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>বাড়ানো ফাইলটি অনেক বড় হয়ে যাবে</translation>
    </message>
</context>
</TS>
