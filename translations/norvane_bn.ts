<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
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
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ফাইল</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;সাহায্য</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;ভাষা</translation>
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
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>“সব আয়াত যোগ করুন” কুরআন শরীফের প্রতিটি পৃষ্ঠার আয়াতগুলোকে আলাদা একটি গ্রুপ বানায়, যা “গ্রুপ” সারির সেটিং অনুযায়ী বাজে</translation>
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
        <translation>সংরক্ষণ করুন: </translation>
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
        <source>Make MP3</source>
        <translation>MP3 তৈরি করুন</translation>
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
</TS>
