<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rep: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group by page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
