<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Serveur :</translation>
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
        <translation>Nom :</translation>
    </message>
    <message>
        <source>all 114, or for example 1-2,78-114</source>
        <translation>les 114, ou par exemple 1-2,78-114</translation>
    </message>
    <message>
        <source>Suras:</source>
        <translation>Sourates :</translation>
    </message>
    <message>
        <source>The recordings belong to their reciters and publishers and are for personal use. A download that stops can be started again: it goes on where it stopped.</source>
        <translation>Les enregistrements appartiennent à leurs récitateurs et à leurs éditeurs et sont réservés à un usage personnel. Un téléchargement interrompu peut être relancé : il reprend là où il s&apos;était arrêté.</translation>
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
        <translation>Impossible de lire %1 : %2</translation>
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
        <translation>groupe : </translation>
    </message>
    <message>
        <source>rep: </source>
        <translation>rép. : </translation>
    </message>
    <message>
        <source>pause after each pass (sec): </source>
        <translation>pause par passage (s) : </translation>
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
        <translation>Récitation :</translation>
    </message>
    <message>
        <source>Recited by %1</source>
        <translation>Récité par %1</translation>
    </message>
    <message>
        <source>aya rep: </source>
        <translation>rép. verset : </translation>
    </message>
    <message>
        <source>aya pause (sec): </source>
        <translation>pause verset (s) : </translation>
    </message>
    <message>
        <source>group by page</source>
        <translation>grouper par page</translation>
    </message>
    <message>
        <source>Add all ayas makes the ayas of each page of the mushaf a group of their own, played as the Groups row says</source>
        <translation>« Ajouter tous les versets » fait des versets de chaque page du mushaf un groupe à part, joué comme l&apos;indique la ligne Groupes</translation>
    </message>
    <message>
        <source>Each pause grows by this many times the aya&apos;s own length</source>
        <translation>Chaque pause s&apos;allonge de ce multiple de la durée du verset</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× durée verset</translation>
    </message>
    <message>
        <source>The selected aya as recorded, at the chosen speed (Space)</source>
        <translation>Le verset sélectionné tel qu&apos;il a été enregistré, à la vitesse choisie (Space)</translation>
    </message>
    <message>
        <source>Basmala before aya 1</source>
        <translation>Basmala avant le verset 1</translation>
    </message>
    <message>
        <source>Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard</source>
        <translation>Une fois par piste, avant que le verset 1 d&apos;une sourate (sauf les sourates 1 et 9) soit entendu pour la première fois</translation>
    </message>
    <message>
        <source>speed:</source>
        <translation>vitesse :</translation>
    </message>
    <message>
        <source>Recitation speed; the reciter&apos;s pitch stays</source>
        <translation>Vitesse de récitation ; la hauteur de voix du récitateur ne change pas</translation>
    </message>
    <message>
        <source>Translation after each aya</source>
        <translation>Traduction après chaque verset</translation>
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
        <translation>Lecteur CD : </translation>
    </message>
    <message>
        <source>MP3 Config</source>
        <translation>Réglages MP3</translation>
    </message>
    <message>
        <source>Save to: </source>
        <translation>Dossier : </translation>
    </message>
    <message>
        <source>Number files in playing order</source>
        <translation>Numéroter dans l&apos;ordre de lecture</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Débit actuel : %1 kbit</translation>
    </message>
    <message>
        <source>CD Writing Speed: %1x</source>
        <translation>Vitesse de gravure : %1x</translation>
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
        <translation>Aucun graveur de CD n&apos;a été trouvé !
Veuillez installer cdrdao et vérifier que vous avez le droit d&apos;utiliser le graveur :
sur la plupart des systèmes, il faut être membre du groupe qui le possède (souvent « cdrom »).
La création de CD audio ne fonctionnera pas.
Vous pouvez toutefois créer des MP3.</translation>
    </message>
    <message>
        <source>No CD writer found: install cdrdao, and be in the group that may use the writer (often &quot;cdrom&quot;). MP3s work without one.</source>
        <translation>Aucun graveur de CD : installez cdrdao et soyez membre du groupe qui peut s&apos;en servir (souvent « cdrom »). Les MP3 s&apos;en passent.</translation>
    </message>
    <message>
        <source>Erasing CD Failed</source>
        <translation>L&apos;effacement du CD a échoué</translation>
    </message>
    <message>
        <source>If your CD drive&apos;s door opened, you chose a CD drive!
 but make sure it can record CDs!</source>
        <translation>Si le tiroir de votre lecteur s&apos;est ouvert, vous avez bien choisi un lecteur de CD !
Mais vérifiez qu&apos;il peut graver des CD !</translation>
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
        <translation>Ajouter ce verset</translation>
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
        <source>Make MP3</source>
        <translation>Créer les MP3</translation>
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
        <translation>Langue de Norvane au prochain démarrage : %1.</translation>
    </message>
    <message>
        <source>Stopping now leaves the disc unusable. Stop anyway?</source>
        <translation>Arrêter maintenant rendra le disque inutilisable. Arrêter quand même ?</translation>
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
        <translation>Ajout terminé : %1</translation>
    </message>
    <message>
        <source>No aya selected to delete!</source>
        <translation>Aucun verset sélectionné à retirer !</translation>
    </message>
    <message>
        <source>No sura selected to delete!</source>
        <translation>Aucune sourate sélectionnée à retirer !</translation>
    </message>
    <message>
        <source>Choose a playlist name to save</source>
        <translation>Choisissez un nom pour enregistrer la liste de lecture</translation>
    </message>
    <message>
        <source>The playlist could not be saved to %1:&lt;br&gt;%2</source>
        <translation>Impossible d&apos;enregistrer la liste de lecture dans %1 :&lt;br&gt;%2</translation>
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
        <translation>Impossible de lire la liste de lecture %1 :&lt;br&gt;%2&lt;br&gt;La liste actuelle a été conservée.</translation>
    </message>
    <message>
        <source>Finished Loading Playlist</source>
        <translation>Liste de lecture chargée</translation>
    </message>
    <message>
        <source>Cannot play: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>Cannot play %1:&lt;br&gt;%2</source>
        <translation>Impossible de lire %1 :&lt;br&gt;%2</translation>
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
        <translation>Lecture interrompue : %1</translation>
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
</TS>
