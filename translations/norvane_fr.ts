<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AyaBatch</name>
    <message>
        <source>%1 new groups are needed, but only %2 of the %3 group numbers are free</source>
        <translation>%1 nouveaux groupes sont nécessaires, mais seuls %2 des %3 numéros de groupe sont libres</translation>
    </message>
</context>
<context>
    <name>BurnList</name>
    <message>
        <source>%1 x %2 - pause: %3 secs b/w reps</source>
        <translation>%1 x %2 - pause&#xa0;: %3 s entre les répétitions</translation>
    </message>
    <message>
        <source>%1 x %2 - pause: %3 secs + %4 × aya b/w reps</source>
        <extracomment>%4 is how many times the aya&apos;s own length the pause grows by.</extracomment>
        <translation>%1 x %2 - pause&#xa0;: %3 s + %4 × durée verset entre les répétitions</translation>
    </message>
    <message>
        <source>, pause %1 secs</source>
        <translation>, pause %1 s</translation>
    </message>
    <message>
        <source>, build-up</source>
        <translation>, progressif</translation>
    </message>
    <message>
        <source>%1 (GRP: %2 x %3%4)</source>
        <extracomment>An entry&apos;s text, then its group: number, repetitions and how it plays.</extracomment>
        <translation>%1 (groupe %2 x %3%4)</translation>
    </message>
</context>
<context>
    <name>CdBurner</name>
    <message>
        <source>You have selected more than 80 minutes of audio.
Usually CDRs can only handle 80 minutes or lower.
Please remove ayas till you are under 80 minutes!</source>
        <translation>Vous avez sélectionné plus de 80 minutes d&apos;audio.
La plupart des CD-R ne contiennent que 80 minutes au plus.
Retirez des versets jusqu&apos;à passer sous les 80 minutes&#xa0;!</translation>
    </message>
    <message>
        <source>You have selected more than 99 tracks.
A CD can hold at most 99 tracks.
Please put ayas into groups or remove some ayas!</source>
        <translation>Vous avez sélectionné plus de 99 pistes.
Un CD contient au plus 99 pistes.
Réunissez des versets en groupes ou retirez-en quelques-uns&#xa0;!</translation>
    </message>
    <message>
        <source>Burning Quran CD failed: %1</source>
        <translation>La gravure du CD du Coran a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>not every track could be made, so nothing was written</source>
        <translation>certaines pistes n&apos;ont pas pu être créées, rien n&apos;a donc été gravé</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: not every track could be made</source>
        <translation>La préparation du CD du Coran a échoué&#xa0;: certaines pistes n&apos;ont pas pu être créées</translation>
    </message>
    <message>
        <source>Preparing the Quran CD failed: %1</source>
        <translation>La préparation du CD du Coran a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>All done preparing Quran CD: %1</source>
        <translation>CD du Coran préparé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Burning Quran CD ...</source>
        <translation>Gravure du CD du Coran ...</translation>
    </message>
    <message>
        <source>Burning track: %1. %2</source>
        <translation>Gravure de la piste %1. %2</translation>
    </message>
    <message>
        <source>Cannot write to media ... </source>
        <translation>Impossible d&apos;écrire sur le disque ... </translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks were written; the disc is probably unusable.</source>
        <translation>Annulé après la gravure de %1 pistes sur %2&#xa0;; le disque est probablement inutilisable.</translation>
    </message>
    <message>
        <source>All done burning Quran CD!</source>
        <translation>Gravure du CD du Coran terminée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Cdrdao</name>
    <message>
        <source>cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path</source>
        <translation>impossible d&apos;exécuter cdrdao&#xa0;: il n&apos;est pas installé (installez le paquet cdrdao) ou ne se trouve pas dans le chemin de recherche</translation>
    </message>
    <message>
        <source>Cannot write to media!
Make sure media is a CDR or CD-RW
If it is a CD-RW, make sure you erase it first!</source>
        <translation>Impossible d&apos;écrire sur le disque&#xa0;!
Vérifiez que le disque est un CD-R ou un CD-RW
S&apos;il s&apos;agit d&apos;un CD-RW, effacez-le d&apos;abord&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CdrdaoAdvice</name>
    <message>
        <source>There is no disc in the drive, or its tray is open. Insert a blank CD-R or CD-RW, close the tray and try again.</source>
        <translation>Il n&apos;y a pas de disque dans le lecteur, ou son tiroir est ouvert. Insérez un CD-R ou un CD-RW vierge, fermez le tiroir et réessayez.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank, and only a CD-RW can be erased. Insert a blank CD-R, or erase the CD-RW first.</source>
        <translation>Le disque présent dans le lecteur n&apos;est pas vierge, et seul un CD-RW peut être effacé. Insérez un CD-R vierge, ou effacez d&apos;abord le CD-RW.</translation>
    </message>
    <message>
        <source>The tracks are longer than the disc holds. Remove some ayas or lower their repetitions, or use an 80-minute blank.</source>
        <translation>Les pistes sont plus longues que ce que le disque peut contenir. Retirez des versets ou réduisez leurs répétitions, ou utilisez un disque vierge de 80 minutes.</translation>
    </message>
    <message>
        <source>You may not use the CD writer. Add yourself to the cdrom group and log in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser le graveur de CD. Ajoutez-vous au groupe cdrom, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another program uses the drive. Close it, or wait until it has finished, and try again.</source>
        <translation>Un autre programme utilise le lecteur. Fermez-le, ou attendez qu&apos;il ait terminé, puis réessayez.</translation>
    </message>
    <message>
        <source>This drive cannot write CD-TEXT, the track titles Norvane puts on every disc. Use another CD writer.</source>
        <translation>Ce lecteur ne sait pas écrire le CD-TEXT, les titres de pistes que Norvane met sur chaque disque. Utilisez un autre graveur de CD.</translation>
    </message>
    <message>
        <source>Writing the disc failed. Try a lower speed, and a new blank if it fails again.</source>
        <translation>La gravure du disque a échoué. Essayez une vitesse plus basse, puis un nouveau disque vierge si elle échoue encore.</translation>
    </message>
</context>
<context>
    <name>DiscFolder</name>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>impossible de renommer %1 en %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>EraseJob</name>
    <message>
        <source>Erasing CD-RW ...</source>
        <translation>Effacement du CD-RW ...</translation>
    </message>
    <message>
        <source>Starting erase of CD-RW...</source>
        <translation>Début de l&apos;effacement du CD-RW...</translation>
    </message>
    <message>
        <source>Erasing cancelled; the disc is probably unusable.</source>
        <translation>Effacement annulé&#xa0;; le disque est probablement inutilisable.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>L&apos;effacement du CD a échoué</translation>
    </message>
    <message>
        <source>All done erasing CD!</source>
        <translation>Effacement du CD terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Erasing CD Failed: %1</source>
        <translation>L&apos;effacement du CD a échoué&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileFetch</name>
    <message>
        <source>larger than %1 MB, so no recording</source>
        <translation>plus de %1 Mo, ce n&apos;est donc pas un enregistrement</translation>
    </message>
    <message>
        <source>more than %1 redirects (the last to %2)</source>
        <translation>plus de %1 redirections (la dernière vers %2)</translation>
    </message>
    <message>
        <source>a redirect to %1, which is no web address</source>
        <translation>une redirection vers %1, qui n&apos;est pas une adresse web</translation>
    </message>
    <message>
        <source>a redirect from a secure address to an insecure one (%1)</source>
        <translation>une redirection d&apos;une adresse sécurisée vers une adresse non sécurisée (%1)</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>aucune donnée depuis %1 s</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not on the server (%1)</source>
        <translation>absent du serveur (%1)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>the server refused to resume</source>
        <translation>le serveur a refusé de reprendre</translation>
    </message>
    <message>
        <source>the server resumed at the wrong place</source>
        <translation>le serveur a repris au mauvais endroit</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>the server gave no final answer (%1)</source>
        <translation>le serveur n&apos;a pas donné de réponse finale (%1)</translation>
    </message>
    <message>
        <source>%1 (after %2 tries)</source>
        <translation>%1 (après %2 tentatives)</translation>
    </message>
</context>
<context>
    <name>GetRecitationDialog</name>
    <message>
        <source>translation</source>
        <translation>traduction</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Obtenir une récitation</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>The address of the server&apos;s data folder, or of a mirror of it</source>
        <translation>L&apos;adresse du dossier de données du serveur, ou d&apos;un miroir de celui-ci</translation>
    </message>
    <message>
        <source>Refresh list</source>
        <translation>Actualiser la liste</translation>
    </message>
    <message>
        <source>Recitations on the server</source>
        <translation>Récitations sur le serveur</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>les 114, ou par exemple 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>Sourates&#xa0;:</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>Les enregistrements appartiennent à leurs récitateurs et à leurs éditeurs et sont réservés à un usage personnel. Un téléchargement interrompu peut être relancé&#xa0;: il reprend là où il s&apos;était arrêté.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>the list that comes with Norvane</source>
        <translation>la liste fournie avec Norvane</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading the server&apos;s list …</source>
        <translation>Lecture de la liste du serveur …</translation>
    </message>
    <message>
        <source>the server&apos;s list</source>
        <translation>la liste du serveur</translation>
    </message>
    <message>
        <source>%1 ayas, %2. A whole recitation is about 0.8 GB at 64 kbit/s and 2.5 to 2.8 GB at 128 kbit/s.</source>
        <translation>%1 versets, %2. Une récitation complète occupe environ 0,8 Go à 64 kbit/s et de 2,5 à 2,8 Go à 128 kbit/s.</translation>
    </message>
    <message>
        <source>Choose a recitation first.</source>
        <translation>Choisissez d&apos;abord une récitation.</translation>
    </message>
</context>
<context>
    <name>JoinList</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to join</source>
        <translation>la piste est faite de plus de %1 morceaux, trop pour les assembler</translation>
    </message>
    <message>
        <source>the track would play longer than a WAV file can hold</source>
        <translation>la piste durerait plus longtemps que ce qu&apos;un fichier WAV peut contenir</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>the temporary folder &quot;%1&quot; is not an absolute path (see TMPDIR)</source>
        <translation>le dossier temporaire «&#xa0;%1&#xa0;» n&apos;est pas un chemin absolu (voir TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; does not exist (see TMPDIR)</source>
        <translation>le dossier temporaire «&#xa0;%1&#xa0;» n&apos;existe pas (voir TMPDIR)</translation>
    </message>
    <message>
        <source>the temporary folder &quot;%1&quot; is not a folder (see TMPDIR)</source>
        <translation>le dossier temporaire «&#xa0;%1&#xa0;» n&apos;est pas un dossier (voir TMPDIR)</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder: %1</source>
        <translation>Impossible de créer le dossier de travail de la tâche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier de travail de la tâche «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot make the job&apos;s working folder in &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le dossier de travail de la tâche dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Decoder</name>
    <message>
        <source>the MP3 decoder could not be set up</source>
        <translation>le décodeur MP3 n&apos;a pas pu être initialisé</translation>
    </message>
    <message>
        <source>not MP3 audio</source>
        <translation>ce n&apos;est pas de l&apos;audio MP3</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Probe</name>
    <message>
        <source>cut short: plays %1 s of %2 s</source>
        <translation>tronqué&#xa0;: dure %1 s sur %2 s</translation>
    </message>
</context>
<context>
    <name>Norvane</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Norvane Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Play aya</source>
        <translation>Lire verset</translation>
    </message>
    <message>
        <source>The selected aya with its repetitions and pauses, as it will be made</source>
        <translation>Le verset sélectionné avec ses répétitions et ses pauses, tel qu&apos;il sera produit</translation>
    </message>
    <message>
        <source>Play track</source>
        <translation>Lire piste</translation>
    </message>
    <message>
        <source>The whole track (group) of the selected aya, as it will be made</source>
        <translation>Toute la piste (le groupe) du verset sélectionné, telle qu&apos;elle sera produite</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>group number: </source>
        <translation>groupe&#xa0;: </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>rép.&#xa0;: </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>pause par passage (s)&#xa0;: </translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>progressif</translation>
    </message>
    <message>
        <source>Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group&apos;s rep</source>
        <translation>Lit le verset 1, puis les versets 1-2, puis 1-3, ..., chaque étape autant de fois que le nombre de répétitions du groupe</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sourates</translation>
    </message>
    <message>
        <source>Recitation:</source>
        <translation>Récitation&#xa0;:</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>Récité par %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>rép. verset&#xa0;: </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>pause (s)&#xa0;: </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>grouper par page</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>Chaque pause s&apos;allonge de ce multiple de la durée du verset</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× sa durée</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>Le verset sélectionné tel qu&apos;il a été enregistré, à la vitesse choisie (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>Basmala avant verset 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>Une fois par piste, avant que le verset 1 d&apos;une sourate (sauf les sourates 1 et 9) soit entendu pour la première fois</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>Vitesse de récitation&#xa0;; la hauteur de voix du récitateur ne change pas</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>Traduction après le verset</translation>
    </message>
    <message>
        <source>Played once after each aya&apos;s repetitions, followed by the aya&apos;s pause</source>
        <translation>Lue une fois après les répétitions de chaque verset, suivie de la pause du verset</translation>
    </message>
    <message>
        <source>CD Writer Config</source>
        <translation>Réglages du graveur</translation>
    </message>
    <message>
        <source>CD Drive: </source>
        <translation>Lecteur CD&#xa0;: </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>Réglages MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>Dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>Numéroter les MP3 par ordre de lecture</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Débit actuel&#xa0;: %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>Vitesse de gravure&#xa0;: %1x</translation>
    </message>
    <message>
        <source>Choose a directory to place your MP3s</source>
        <translation>Choisissez le dossier où placer vos MP3</translation>
    </message>
    <message>
        <source>Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf</source>
        <translation>Choisir les versets par sourate, ou par juz&apos;, hizb, quart ou page du mushaf de 604 pages</translation>
    </message>
    <message>
        <source>No CD drivers were found!
Please install cdrdao, and make sure you may use the CD writer:
on most systems, be a member of the group that owns it (often &quot;cdrom&quot;).
Creating Audio CDs will not work.
You can, however, still create MP3s.</source>
        <translation>Aucun graveur de CD n&apos;a été trouvé&#xa0;!
Veuillez installer cdrdao et vérifier que vous avez le droit d&apos;utiliser le graveur&#xa0;:
sur la plupart des systèmes, il faut être membre du groupe qui le possède (souvent «&#xa0;cdrom&#xa0;»).
La création de CD audio ne fonctionnera pas.
Vous pouvez toutefois créer des MP3.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>Aucun graveur de CD&#xa0;: installez cdrdao et soyez membre du groupe qui peut s&apos;en servir (souvent «&#xa0;cdrom&#xa0;»). Les MP3 s&apos;en passent.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>L&apos;effacement du CD a échoué</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>Si le tiroir de votre lecteur s&apos;est ouvert, vous avez bien choisi un lecteur CD&#xa0;!
Mais vérifiez qu&apos;il peut graver des CD&#xa0;!</translation>
    </message>
    <message>
        <source>Choose a folder of aya recordings (SSSAAA.mp3)</source>
        <translation>Choisissez un dossier d&apos;enregistrements de versets (SSSAAA.mp3)</translation>
    </message>
    <message>
        <source>Imported %1 sura pack(s).</source>
        <translation>%1 paquet(s) de sourate importé(s).</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>
… and %1 more lines in the log.</source>
        <translation>
… et %1 lignes de plus dans le journal.</translation>
    </message>
    <message>
        <source>Import Recitation</source>
        <translation>Importer une récitation</translation>
    </message>
    <message>
        <source>Add this aya</source>
        <translation>Ajouter verset</translation>
    </message>
    <message>
        <source>Remove aya</source>
        <translation>Retirer verset</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Charger une liste</translation>
    </message>
    <message>
        <source>Make Quran CD</source>
        <translation>Graver le CD</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Ayas of the sura</source>
        <translation>Versets de la sourate</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sourate</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Récitation</translation>
    </message>
    <message>
        <source>CD length</source>
        <translation>Durée du CD</translation>
    </message>
    <message>
        <source>CD drive</source>
        <translation>Lecteur CD</translation>
    </message>
    <message>
        <source>Group number</source>
        <translation>Numéro de groupe</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>Débit MP3</translation>
    </message>
    <message>
        <source>CD writing speed</source>
        <translation>Vitesse de gravure</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Norvane speaks %1 from its next start.</source>
        <translation>Langue de Norvane au prochain démarrage&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>Arrêter maintenant rendra le disque inutilisable. Arrêter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Norvane Error</source>
        <translation>Erreur de Norvane</translation>
    </message>
    <message>
        <source>cannot run command</source>
        <translation>impossible d&apos;exécuter la commande</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>%1 (translation)</source>
        <translation>%1 (traduction)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Get Recitation</source>
        <translation>Obtenir une récitation</translation>
    </message>
    <message>
        <source>%1 already in playlist.&lt;br&gt;Remove from playlist if you wish to update time or pause and then re-add.</source>
        <translation>%1 est déjà dans la liste de lecture.&lt;br&gt;Pour changer le nombre de répétitions ou la pause, retirez-le de la liste puis ajoutez-le de nouveau.</translation>
    </message>
    <message>
        <source>Added aya</source>
        <translation>Verset ajouté</translation>
    </message>
    <message>
        <source>%1.&lt;br&gt;No aya was added.</source>
        <translation>%1.&lt;br&gt;Aucun verset n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Done adding sura</source>
        <translation>Sourate ajoutée</translation>
    </message>
    <message>
        <source>Done adding %1</source>
        <translation>Ajout terminé&#xa0;: %1</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>Aucun verset sélectionné à retirer&#xa0;!</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>Aucune sourate sélectionnée à retirer&#xa0;!</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>Choisissez un nom pour enregistrer la liste de lecture</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>Impossible d&apos;enregistrer la liste de lecture dans %1&#xa0;:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Finished Saving Playlist</source>
        <translation>Liste de lecture enregistrée</translation>
    </message>
    <message>
        <source>Choose a playlist to open</source>
        <translation>Choisissez une liste de lecture à ouvrir</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read:&lt;br&gt;%2&lt;br&gt;The current playlist was kept.</source>
        <translation>Impossible de lire la liste de lecture %1&#xa0;:&lt;br&gt;%2&lt;br&gt;La liste actuelle a été conservée.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>Liste de lecture chargée</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>Impossible de lire %1&#xa0;:&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Finished playing</source>
        <translation>Lecture terminée</translation>
    </message>
    <message>
        <source>Playing broke off: %1</source>
        <translation>Lecture interrompue&#xa0;: %1</translation>
    </message>
    <message>
        <source>CD Length: </source>
        <translation>Durée du CD&#xa0;: </translation>
    </message>
    <message>
        <source>

To add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), choose File &gt; Import Recitation…</source>
        <translation>

Pour ajouter une récitation que vous avez déjà (un fichier MP3 par verset, nommé SSSAAA.mp3), choisissez Fichier &gt; Importer une récitation…</translation>
    </message>
    <message>
        <source>&amp;Get Recitation…</source>
        <translation>&amp;Obtenir une récitation…</translation>
    </message>
    <message>
        <source>&amp;Import Recitation…</source>
        <translation>&amp;Importer une récitation…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Remove sura</source>
        <translation>Retirer sourate</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout vider</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>It seems like you do not have any sura packs installed!
Please go to %1 and download some!</source>
        <translation>Il semble qu&apos;aucun paquet de sourate ne soit installé&#xa0;!
Rendez-vous sur %1 pour en télécharger&#xa0;!</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups box says</source>
        <translation>«&#xa0;Tout ajouter&#xa0;» fait des versets de chaque page du mushaf un groupe à part, joué comme l&apos;indique la zone Groupes</translation>
    </message>
    <message>
        <source>Add all ayas</source>
        <translation>Tout ajouter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Test CD Drive</source>
        <translation>Tester le lecteur</translation>
    </message>
    <message>
        <source>Erase CD-RW</source>
        <translation>Effacer le CD-RW</translation>
    </message>
    <message>
        <source>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;low quality&lt;br&gt;smaller file&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;good quality&lt;br&gt;larger file&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=250&gt;&lt;tr&gt;&lt;td&gt;&lt;p align=&quot;left&quot;&gt;qualité faible&lt;br&gt;fichier plus petit&lt;/p&gt;&lt;/td&gt;&lt;td&gt;&lt;p align=&quot;right&quot;&gt;bonne qualité&lt;br&gt;fichier plus gros&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source> Make MP3</source>
        <translation> Créer les MP3</translation>
    </message>
    <message>
        <source>Welcome to Norvane!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Freeware&lt;/font&gt;&lt;/b&gt;&lt;br&gt;This program was written to help us all memorize the Quran easily. You can memorize using your car&apos;s CD player, home entertainment system, or MP3 player. &lt;br&gt;&lt;br&gt;Please remember and make dua for our muslim brothers and sisters that are suffering in the world.&lt;br&gt;&lt;br&gt;If you have any questions, comments, or bugs to report, please contact &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visit %4 for news and sura packs!&lt;/a&gt;</source>
        <translation>Bienvenue dans Norvane&#xa0;!&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;v%1&lt;/font&gt;&lt;/b&gt;&lt;br&gt;&lt;font size=&quot;8&quot;&gt;&lt;b&gt;Logiciel gratuit&lt;/font&gt;&lt;/b&gt;&lt;br&gt;Ce programme a été écrit pour nous aider tous à mémoriser le Coran facilement. Vous pouvez mémoriser avec le lecteur CD de votre voiture, votre chaîne hi-fi ou votre baladeur MP3. &lt;br&gt;&lt;br&gt;Souvenez-vous, dans vos douas, de nos frères et sœurs musulmans qui souffrent dans le monde.&lt;br&gt;&lt;br&gt;Pour toute question, remarque ou erreur à signaler, écrivez à &lt;a href=&quot;mailto:%2&quot;&gt;%2&lt;/a&gt;&lt;br&gt;&lt;br&gt;&lt;a href=&quot;%3&quot;&gt;Visitez %4 pour les nouvelles et les paquets de sourates&#xa0;!&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quran Aya Playlist (*.qap)</source>
        <translation>Liste de lecture de versets du Coran (*.qap)</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz&apos;</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Juz %1</source>
        <translation>Juz&apos; %1</translation>
    </message>
    <message>
        <source>Hizb %1</source>
        <translation>Hizb %1</translation>
    </message>
    <message>
        <source>Quarter %1</source>
        <translation>Quart %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%1 of %2 ayas held.</source>
        <translation>%1 versets présents sur %2.</translation>
    </message>
</context>
<context>
    <name>PackArchive</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; is longer than 255 characters</source>
        <translation>le nom d&apos;entrée «&#xa0;%1&#xa0;» dépasse 255 caractères</translation>
    </message>
    <message>
        <source>entry name &quot;%1&quot; contains a zero byte</source>
        <translation>le nom d&apos;entrée «&#xa0;%1&#xa0;» contient un octet nul</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; has a size that does not match its data</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» a une taille qui ne correspond pas à ses données</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: larger than 2 GiB</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»&#xa0;: plus de 2 Gio</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a pack archive</source>
        <translation>ce n&apos;est pas une archive de paquet</translation>
    </message>
    <message>
        <source>header cut short</source>
        <translation>en-tête tronqué</translation>
    </message>
    <message>
        <source>entry count %1 beyond what a pack holds</source>
        <translation>nombre d&apos;entrées (%1) supérieur à ce qu&apos;un paquet peut contenir</translation>
    </message>
    <message>
        <source>index cut short at entry %1</source>
        <translation>index tronqué à l&apos;entrée %1</translation>
    </message>
    <message>
        <source>name of index entry %1 has no terminating zero byte</source>
        <translation>le nom de l&apos;entrée d&apos;index %1 n&apos;a pas d&apos;octet nul final</translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation>trop d&apos;entrées</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: archive would exceed 4 GiB</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: l&apos;archive dépasserait 4 Gio</translation>
    </message>
</context>
<context>
    <name>PackEntry</name>
    <message>
        <source>the pack %1 cannot be read (%2): run norvane-pack verify</source>
        <translation>le paquet %1 est illisible (%2)&#xa0;: lancez norvane-pack verify</translation>
    </message>
    <message>
        <source>the recording %1 is not in the installed packs</source>
        <translation>l&apos;enregistrement %1 ne se trouve dans aucun paquet installé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>the recording %1 is empty in its pack</source>
        <translation>l&apos;enregistrement %1 est vide dans son paquet</translation>
    </message>
    <message>
        <source>the recording %1 is damaged in its pack %2: run norvane-pack verify</source>
        <translation>l&apos;enregistrement %1 est endommagé dans son paquet %2&#xa0;: lancez norvane-pack verify</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PackImport</name>
    <message>
        <source>not playable MP3 audio</source>
        <translation>ce n&apos;est pas de l&apos;audio MP3 lisible</translation>
    </message>
    <message>
        <source>no temporary folder</source>
        <translation>aucun dossier temporaire</translation>
    </message>
    <message>
        <source>cannot write a temporary WAV file for the silence recording: %1</source>
        <translation>impossible d&apos;écrire un fichier WAV temporaire pour l&apos;enregistrement du silence&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot make silence.mp3: %1</source>
        <translation>impossible de créer silence.mp3&#xa0;: %1</translation>
    </message>
    <message>
        <source>lame made no silence.mp3</source>
        <translation>lame n&apos;a pas créé silence.mp3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>l&apos;importation a été annulée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no aya recordings named SSSAAA.mp3</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucun enregistrement de verset nommé SSSAAA.mp3</translation>
    </message>
    <message>
        <source>not named SSSAAA.mp3</source>
        <translation>pas nommé SSSAAA.mp3</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>il n&apos;y a pas de sourate %1</translation>
    </message>
    <message>
        <source>sura %1 has no aya %2</source>
        <translation>la sourate %1 n&apos;a pas de verset %2</translation>
    </message>
    <message>
        <source>no aya recordings were scanned</source>
        <translation>aucun enregistrement de verset n&apos;a été analysé</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>this computer has no audio output to play on</source>
        <translation>cet ordinateur n&apos;a aucune sortie audio pour la lecture</translation>
    </message>
    <message>
        <source>the audio output %1 cannot play CD audio</source>
        <translation>la sortie audio %1 ne peut pas lire l&apos;audio de CD</translation>
    </message>
    <message>
        <source>the audio output %1 failed</source>
        <translation>la sortie audio %1 a échoué</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>The file is too large to be a playlist.</source>
        <translation>Le fichier est trop gros pour être une liste de lecture.</translation>
    </message>
    <message>
        <source>%1 line(s) of the playlist could not be read and were skipped: %2.</source>
        <translation>%1 ligne(s) illisible(s) de la liste de lecture ignorée(s)&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 line(s) had repetitions or pauses out of range; they were set to the nearest allowed value: %2.</source>
        <translation>Répétitions ou pauses hors limites sur %1 ligne(s), ramenées à la valeur autorisée la plus proche&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a problem happened to, then the problem: &quot;002.mat: the file is cut short&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProcessWrap</name>
    <message>
        <source>%1 did not finish</source>
        <translation>%1 ne s&apos;est pas terminé</translation>
    </message>
    <message>
        <source>%1 stopped responding</source>
        <translation>%1 ne répond plus</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 s&apos;est terminé avec le code %2</translation>
    </message>
    <message>
        <source>%1 ended with status %2 (%3)</source>
        <extracomment>%3 is the program&apos;s last output line.</extracomment>
        <translation>%1 s&apos;est terminé avec le code %2 (%3)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>impossible de lancer %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling ...</source>
        <translation>Annulation ...</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecitationCatalogue</name>
    <message>
        <source>more than %1 entries: the rest is skipped</source>
        <translation>plus de %1 entrées&#xa0;: le reste est ignoré</translation>
    </message>
    <message>
        <source>the catalogue is larger than a catalogue can be</source>
        <translation>le catalogue est plus gros que ne peut l&apos;être un catalogue</translation>
    </message>
    <message>
        <source>the catalogue is no JSON object: %1</source>
        <translation>le catalogue n&apos;est pas un objet JSON&#xa0;: %1</translation>
    </message>
    <message>
        <source>the catalogue names no usable folder</source>
        <translation>le catalogue n&apos;indique aucun dossier utilisable</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no server folder: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier du serveur&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>il dépasse %1 caractères</translation>
    </message>
    <message>
        <source>it holds a character other than letters, digits, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; and &quot;/&quot;</source>
        <translation>il contient un caractère autre que lettres, chiffres, &quot;_&quot;, &quot;-&quot;, &quot;.&quot;, &quot; &quot; et &quot;/&quot;</translation>
    </message>
    <message>
        <source>it starts or ends with &quot;/&quot; or holds &quot;//&quot;</source>
        <translation>il commence ou finit par &quot;/&quot; ou contient &quot;//&quot;</translation>
    </message>
    <message>
        <source>it climbs out of the server&apos;s data folder</source>
        <translation>il sort du dossier de données du serveur</translation>
    </message>
    <message>
        <source>a part starts or ends with a blank</source>
        <translation>une partie commence ou finit par une espace</translation>
    </message>
    <message>
        <source>size unknown</source>
        <translation>taille inconnue</translation>
    </message>
    <message>
        <source>about %1 GB</source>
        <translation>environ %1 Go</translation>
    </message>
    <message>
        <source>about %1 MB</source>
        <translation>environ %1 Mo</translation>
    </message>
</context>
<context>
    <name>RecitationDownload</name>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <source>%1 kB/s</source>
        <translation>%1 ko/s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop gros</translation>
    </message>
    <message>
        <source>cannot stage %1</source>
        <translation>impossible d&apos;enregistrer provisoirement %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no http:// or https:// address of a folder</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse de dossier en http:// ou https://</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>il n&apos;y a pas de sourate %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of suras: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste de sourates&#xa0;: %2</translation>
    </message>
    <message>
        <source>write it like 1-2,78-114</source>
        <translation>écrivez-la comme 1-2,78-114</translation>
    </message>
    <message>
        <source>suras run from 1 to %1, low to high</source>
        <translation>les sourates vont de 1 à %1, dans l&apos;ordre croissant</translation>
    </message>
    <message>
        <source>%1 of %2 ayas to fetch from %3 (%4)</source>
        <translation>%1 versets sur %2 à télécharger depuis %3 (%4)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Fetching %1 ayas ...</source>
        <translation>Téléchargement de %1 versets ...</translation>
    </message>
    <message>
        <source>The server&apos;s checksum list names %1 files.</source>
        <translation>La liste de sommes de contrôle du serveur cite %1 fichiers.</translation>
    </message>
    <message>
        <source>The server has no checksum list (%1); the files are checked as MP3 audio only.</source>
        <translation>Le serveur n&apos;a pas de liste de sommes de contrôle (%1)&#xa0;; les fichiers sont seulement vérifiés comme audio MP3.</translation>
    </message>
    <message>
        <source>stopped after %1 files in a row could not be fetched (the last: %2)</source>
        <translation>arrêté après l&apos;échec de %1 fichiers d&apos;affilée (dernière erreur&#xa0;: %2)</translation>
    </message>
    <message>
        <source>cannot read what was fetched: %1</source>
        <translation>impossible de lire ce qui a été téléchargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>not playable MP3 audio (the server sent something else)</source>
        <translation>ce n&apos;est pas de l&apos;audio MP3 lisible (le serveur a envoyé autre chose)</translation>
    </message>
    <message>
        <source>checksum mismatch: not the file the server&apos;s checksum list names</source>
        <translation>somme de contrôle différente&#xa0;: ce n&apos;est pas le fichier que cite la liste de sommes de contrôle du serveur</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Written %1 (%2 ayas)</source>
        <translation>Écrit&#xa0;: %1 (%2 versets)</translation>
    </message>
    <message>
        <source>not in a pack yet</source>
        <translation>pas encore dans un paquet</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are not held</source>
        <translation>%1 des %2 versets demandés manquent</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4</source>
        <translation>%1 fichiers sur %2, %3 Mo, %4</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 MB, %4, about %5 left</source>
        <translation>%1 fichiers sur %2, %3 Mo, %4, encore environ %5</translation>
    </message>
    <message>
        <source>Not held %1: %2</source>
        <translation>Manquant(s) %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2 ayas asked for are held in %3 (%4 files, %5 MB fetched now).</source>
        <translation>%1 des %2 versets demandés sont présents dans %3 (%4 fichiers, %5 Mo téléchargés cette fois).</translation>
    </message>
    <message>
        <source>Download cancelled: the packs listed above were written; a second run continues.</source>
        <translation>Téléchargement annulé&#xa0;: les paquets listés ci-dessus ont été écrits&#xa0;; un nouveau lancement reprend la suite.</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers; they are for personal use.</source>
        <translation>Les enregistrements appartiennent à leurs récitateurs et à leurs éditeurs&#xa0;; ils sont réservés à un usage personnel.</translation>
    </message>
</context>
<context>
    <name>RecitationImport</name>
    <message>
        <source>Reading the recordings ...</source>
        <translation>Lecture des enregistrements ...</translation>
    </message>
    <message>
        <source>Writing %1 sura pack(s) ...</source>
        <translation>Écriture de %1 paquet(s) de sourate ...</translation>
    </message>
    <message>
        <source>Written %1</source>
        <translation>Écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas</source>
        <translation>%1&#xa0;: %2 versets sur %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3 ayas, missing: %4</source>
        <translation>%1&#xa0;: %2 versets sur %3, manquants&#xa0;: %4</translation>
    </message>
    <message>
        <source>Ignored %1: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import cancelled: the packs listed above were written; no other pack was changed.</source>
        <translation>Importation annulée&#xa0;: les paquets listés ci-dessus ont été écrits&#xa0;; aucun autre paquet n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Import stopped: %1</source>
        <translation>Importation arrêtée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Recitations</name>
    <message>
        <source>larger than a manifest can be</source>
        <translation>plus gros que ne peut l&apos;être un manifeste</translation>
    </message>
    <message>
        <source>not a manifest (%1)</source>
        <translation>ce n&apos;est pas un manifeste (%1)</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a recitation: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de récitation&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is longer than %1 characters</source>
        <translation>il dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the name is kept for the packs directly in the pack folder</source>
        <translation>ce nom est réservé aux paquets placés directement dans le dossier des paquets</translation>
    </message>
    <message>
        <source>it starts with a dot or starts or ends with a blank</source>
        <translation>il commence par un point, ou commence ou finit par une espace</translation>
    </message>
    <message>
        <source>it holds a character a folder name cannot hold</source>
        <translation>il contient un caractère interdit dans un nom de dossier</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
</context>
<context>
    <name>ServerCatalogueFetch</name>
    <message>
        <source>cannot fetch the catalogue %1: %2</source>
        <translation>impossible de télécharger le catalogue %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the catalogue: %1</source>
        <translation>impossible de lire le catalogue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TocWriter</name>
    <message>
        <source>it is %1 bytes long, more than the %2 that cdrdao reads</source>
        <translation>il fait %1 octets, plus que les %2 que lit cdrdao</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>il contient un guillemet double</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>il contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it holds a backslash followed by a digit</source>
        <translation>il contient une barre oblique inverse suivie d&apos;un chiffre</translation>
    </message>
    <message>
        <source>Cannot write the track title &quot;%1&quot; into the table of contents: %2</source>
        <translation>Impossible d&apos;écrire le titre de piste «&#xa0;%1&#xa0;» dans la table des matières&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the track file &quot;%1&quot; into the table of contents: %2</source>
        <translation>Impossible d&apos;écrire le fichier de piste «&#xa0;%1&#xa0;» dans la table des matières&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ToolChecks</name>
    <message>
        <source>%1 left no audio in %2</source>
        <translation>%1 n&apos;a laissé aucun son dans %2</translation>
    </message>
    <message>
        <source>%1 left a cut %2</source>
        <translation>%1 a laissé un fichier tronqué&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 left no MP3 file at %2</source>
        <translation>%1 n&apos;a laissé aucun fichier MP3 à l&apos;emplacement %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it plays %2 s, not %3 s</source>
        <translation>%1 est endommagé&#xa0;: il dure %2 s au lieu de %3 s</translation>
    </message>
</context>
<context>
    <name>TrackAudio</name>
    <message>
        <source>the track is made of more than %1 pieces, too many to play</source>
        <translation>la piste est faite de plus de %1 morceaux, trop pour être lue</translation>
    </message>
    <message>
        <source>%1: decoding failed</source>
        <translation>%1&#xa0;: échec du décodage</translation>
    </message>
    <message>
        <source>no translation is chosen</source>
        <translation>aucune traduction n&apos;est choisie</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>the sura key &quot;%1&quot; is not three digits</source>
        <translation>la clé de sourate «&#xa0;%1&#xa0;» n&apos;a pas trois chiffres</translation>
    </message>
    <message>
        <source>the aya key &quot;%1&quot; is not three digits</source>
        <translation>la clé de verset «&#xa0;%1&#xa0;» n&apos;a pas trois chiffres</translation>
    </message>
    <message>
        <source>there is no sura %1</source>
        <translation>il n&apos;y a pas de sourate %1</translation>
    </message>
    <message>
        <source>sura %1 has no title</source>
        <translation>la sourate %1 n&apos;a pas de titre</translation>
    </message>
</context>
<context>
    <name>TrackPreparer</name>
    <message>
        <source>and %1 more</source>
        <extracomment>Ends a list of names cut short: &quot;002.001, 002.002, and 5 more&quot;.</extracomment>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>The translation after each aya cannot be played: %1. Please install it, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>La traduction après chaque verset ne peut pas être lue&#xa0;: %1. Installez-la, ou choisissez «&#xa0;aucune&#xa0;» comme traduction après chaque verset.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of aya %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>La traduction «&#xa0;%1&#xa0;» n&apos;a pas d&apos;enregistrement du verset %2. Installez les paquets qui le contiennent, ou choisissez «&#xa0;aucune&#xa0;» comme traduction après chaque verset.</translation>
    </message>
    <message>
        <source>The translation &quot;%1&quot; has no recording of the ayas %2. Please install the packs that hold them, or choose &quot;none&quot; as the translation after each aya.</source>
        <translation>La traduction «&#xa0;%1&#xa0;» n&apos;a pas d&apos;enregistrement des versets %2. Installez les paquets qui les contiennent, ou choisissez «&#xa0;aucune&#xa0;» comme traduction après chaque verset.</translation>
    </message>
    <message>
        <source>The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. Please install the pack of Al-Fatiha, or turn &quot;Basmala before aya 1&quot; off.</source>
        <translation>La basmala est lue à partir du verset 1 de la sourate 1 (Al-Fatiha), qu&apos;aucun paquet installé ne contient. Installez le paquet d&apos;Al-Fatiha, ou décochez «&#xa0;Basmala avant verset 1&#xa0;».</translation>
    </message>
    <message>
        <source>Please choose a valid dir to output your mp3 tracks!</source>
        <translation>Choisissez un dossier valide où écrire vos pistes MP3&#xa0;!</translation>
    </message>
    <message>
        <source>Creating MP3 tracks ...</source>
        <translation>Création des pistes MP3 ...</translation>
    </message>
    <message>
        <source>Creating tracks ...</source>
        <translation>Création des pistes ...</translation>
    </message>
    <message>
        <source>Setting up tracks</source>
        <translation>Préparation des pistes</translation>
    </message>
    <message>
        <source>All done creating MP3 tracks!</source>
        <translation>Création des pistes MP3 terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed to make %1 of %2 tracks: %3</source>
        <translation>Échec de la création de %1 pistes sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 tracks.</source>
        <translation>Annulé après %1 pistes sur %2.</translation>
    </message>
    <message>
        <source>Please add some sura(s) or aya(s) to memorize!</source>
        <translation>Ajoutez des sourates ou des versets à mémoriser&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TrackRecipe</name>
    <message>
        <source>decoding failed</source>
        <translation>échec du décodage</translation>
    </message>
    <message>
        <source>changing the speed failed: %1</source>
        <translation>échec du changement de vitesse&#xa0;: %1</translation>
    </message>
    <message>
        <source>the pause needs the silence recording, which could not be made: %1</source>
        <translation>la pause a besoin de l&apos;enregistrement du silence, qui n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the basmala needs its recording, which could not be made: %1</source>
        <translation>la basmala a besoin de son enregistrement, qui n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>joining failed: %1</source>
        <translation>échec de l&apos;assemblage&#xa0;: %1</translation>
    </message>
    <message>
        <source>the track is not CD audio (44.1 kHz, 16-bit, stereo)</source>
        <translation>la piste n&apos;est pas de l&apos;audio de CD (44,1 kHz, 16 bits, stéréo)</translation>
    </message>
    <message>
        <source>cannot pad the track to the CD&apos;s minimum length: %1</source>
        <translation>impossible d&apos;allonger la piste jusqu&apos;à la durée minimale d&apos;une piste de CD&#xa0;: %1</translation>
    </message>
    <message>
        <source>encoding failed: %1</source>
        <translation>échec de l&apos;encodage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Encoding MP3 Group: %1 ...</source>
        <translation>Encodage MP3 du groupe %1 ...</translation>
    </message>
    <message>
        <source>Encoding MP3: %1.mp3 ...</source>
        <translation>Encodage MP3&#xa0;: %1.mp3 ...</translation>
    </message>
    <message>
        <source>Creating track: %1 ...</source>
        <translation>Création de la piste&#xa0;: %1 ...</translation>
    </message>
    <message>
        <source>%1 (translation %2)</source>
        <translation>%1 (traduction %2)</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>no translation &quot;%1&quot; is installed</source>
        <translation>aucune traduction «&#xa0;%1&#xa0;» n&apos;est installée</translation>
    </message>
    <message>
        <source>the recitation &quot;%1&quot; is not a translation</source>
        <translation>la récitation «&#xa0;%1&#xa0;» n&apos;est pas une traduction</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>it is not a PCM WAV file</source>
        <translation>ce n&apos;est pas un fichier WAV PCM</translation>
    </message>
    <message>
        <source>its samples do not end the file</source>
        <translation>ses échantillons ne s&apos;arrêtent pas à la fin du fichier</translation>
    </message>
    <message>
        <source>the padded file would be too large</source>
        <translation>le fichier allongé serait trop gros</translation>
    </message>
</context>
</TS>
