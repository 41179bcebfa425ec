<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>Image GIF</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>Erreur JPEG n° %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Fichier image JPEG</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Fichier: %s<byte value="xd"/>Mode:    %-15s Dossier: %s<byte value="xd"/>Touche:  %-15s Chemin: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Ress.:   %s<byte value="xd"/>Mode:    %-15s Dossier: %s<byte value="xd"/>Touche:  %-15s Chemin: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Voulez-vous quitter Kedoozle&#xa0;?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>À propos de Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Version 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 L&apos;équipe de Kedoozle</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Assistance technique par e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>L&apos;image d&apos;icône n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Le métafichier n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Extension de fichier image inconnue (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Ressource %s introuvable</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Impossible d&apos;ouvrir le fichier %s</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Impossible d&apos;affecter un %s à un %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Impossible d&apos;écrire dans %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Code de type d&apos;image inconnu %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>L&apos;image %s est vide</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Index d&apos;onglet hors limites</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Index de liste hors limites (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Touches non verrouillées&#xa0;: ce bureau ne laisse pas Kedoozle retenir ses raccourcis. Super, Alt+Tab et les autres raccourcis du bureau fonctionnent toujours.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Touches déverrouillées&#xa0;: le bureau a repris ses raccourcis. Super, Alt+Tab et les autres raccourcis du bureau fonctionnent de nouveau.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Les touches sont de nouveau verrouillées.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Cliquez ici pour passer au mode de jeu ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Cliquez ici pour passer au mode de jeu PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Cliquez ici pour passer au mode de jeu ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Cliquez ici pour passer au mode de jeu PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Cliquez ici pour passer au mode de jeu KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Le son est activé.<byte value="xd"/>Cliquez ici pour<byte value="xd"/>couper le son.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Le son est coupé.<byte value="xd"/>Cliquez ici pour<byte value="xd"/>remettre le son.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Cliquez ici pour en savoir plus sur Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Cliquez ici pour<byte value="xd"/>quitter Kedoozle.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Coucou, petit bout&#xa0;! On joue&#xa0;!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>touches non verrouillées</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Signature GIF non valide</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Fin prématurée des données</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Type d&apos;extension inconnu</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introducteur d&apos;extension non valide</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Erreur interne&#xa0;: l&apos;instance d&apos;extension ne correspond pas à l&apos;étiquette d&apos;extension</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Taille de bloc d&apos;extension d&apos;application non prise en charge</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Données GIF non valides</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Entrée circulaire dans la table du décodeur</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Impossible d&apos;allouer la mémoire pour le DIB GIF</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>L&apos;image est vide</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>La table des couleurs est vide</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Aucune table des couleurs globale ou locale définie</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Type de bloc GIF inconnu</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>L&apos;image dépasse la taille de l&apos;écran logique</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Sous-alimentation du tampon de bits du décodeur</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Fin d&apos;image non valide</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Index de couleur non valide</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Libre d&apos;utiliser, copier, modifier et partager.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Touches non verrouillées : le bureau refuse à Kedoozle ses raccourcis. Pour l&apos;autoriser : Paramètres GNOME, Applications, Kedoozle, Bloquer les raccourcis système.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Les touches ne sont peut-être pas verrouillées : Kedoozle tourne ici sous XWayland, où le bureau décide si ses raccourcis, comme Super et Alt+Tab, marchent encore.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Les touches ne sont pas verrouillées tant qu&apos;une autre fenêtre a le clavier : Super, Alt+Tab et les autres raccourcis du bureau marchent. Cliquez sur Kedoozle pour les verrouiller à nouveau.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Le son est activé.<byte value="xd"/>Un adulte l&apos;a<byte value="xd"/>réglé ainsi.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Le son est coupé.<byte value="xd"/>Un adulte l&apos;a<byte value="xd"/>réglé ainsi.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>Le mode de jeu est choisi par un adulte.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>impossible d&apos;enregistrer : %1 est en lecture seule ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>impossible d&apos;enregistrer : le dossier %1 est en lecture seule ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>impossible d&apos;enregistrer dans %1 : %2 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>impossible d&apos;écrire %1 : %2 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>impossible de remplacer %1 : %2 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>impossible de rétablir le contenu propre du programme</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>impossible de créer le dossier %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>impossible d&apos;écrire %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>impossible de lire le contenu propre du programme</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossible d&apos;utiliser %1 : %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>impossible d&apos;utiliser l&apos;enregistrement : %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1 : %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1 : le dossier du programme est introuvable ; indiquez-le avec --program DOSSIER (le dossier du programme et de son Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>impossible de créer %1 comme copie des réglages du programme</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>impossible de créer %1 à partir de %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, que nomme [Modules], n&apos;existe pas)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>impossible de garder le contenu des touches non empaquetées%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>impossible de lire %1 : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 n&apos;est pas un module de ressources (pas une bibliothèque PE avec des ressources)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>cette photo n&apos;a pas pu être lue. Enregistrez-la en JPEG et réessayez.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>cette photo est trop grande (%1 x %2 pixels). Enregistrez-en une copie plus petite en JPEG et réessayez.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>cette image n&apos;a pas pu être lue. Enregistrez-la en JPEG ou PNG et réessayez.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>cette image est abîmée ou incomplète. Copiez-la à nouveau depuis le téléphone ou l&apos;appareil photo, et réessayez.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>cette image est trop grande (%1 x %2 pixels). Enregistrez-en une copie plus petite et réessayez.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>ce fichier n&apos;a pas pu être ouvert. Vérifiez qu&apos;il peut être lu, et réessayez.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>ce fichier est trop gros pour une image. Enregistrez-en une copie plus petite en JPEG et réessayez.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>ce fichier est vide. Copiez l&apos;image à nouveau et réessayez.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>cette animation est trop longue. Raccourcissez-la, ou enregistrez-en une seule image en PNG, et réessayez.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>un PNG animé : seule sa première image est empaquetée. Enregistrez-le en GIF animé pour qu&apos;il reste animé.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>ce son n&apos;a pas pu être lu. Enregistrez-le en MP3 ou WAV et réessayez.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>ce son est d&apos;un type qui ne peut pas être joué ici. Enregistrez-le en MP3 ou WAV et réessayez.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>ce son est abîmé ou incomplet. Copiez-le à nouveau depuis le téléphone ou l&apos;enregistreur, ou enregistrez-le en MP3 ou WAV, et réessayez.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>ce son est muet. Enregistrez-le à nouveau, plus près du micro, et réessayez.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>cette vidéo n&apos;a pas de son. Choisissez un clip avec du son, ou un enregistrement, et réessayez.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>les noms prononcés demandent espeak-ng, qui n&apos;est pas installé</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng n&apos;a pas de voix « %1 » (voir espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>impossible de créer un dossier temporaire : %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle est libre : chacun peut l&apos;utiliser, le copier, le modifier et le partager,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>pour tout usage et gratuitement, si la licence accompagne chaque copie.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Il est fourni tel quel, sans aucune garantie : voir la page Contrat de licence.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Image :</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Motif :</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Son :</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>Nom &amp;prononcé :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Nom prononcé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>le vôtre</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>prononcé par l&apos;ordinateur</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>d&apos;origine</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Sons (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Légende :</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Rétablir l&apos;origine pour cette touche</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Depuis un fichier...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>D&apos;origine</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Les images sont redressées et jamais plus grandes que le jeu ne les montre ; les sons sont coupés, égalisés et limités à cinq secondes. Rien n&apos;est écrit avant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Réglages de Kedoozle</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 pour la touche %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>L&apos;enregistrement ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>En&amp;registrer...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Enregistrer un son</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Appuyez sur Enregistrer et parlez près du microphone. L&apos;enregistrement s&apos;arrête tout seul après %1 secondes ; le silence avant et après est retiré.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Réécouter</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Niveau sonore</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s sur %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Aucun microphone n&apos;a pu être ouvert. Vérifiez qu&apos;un microphone est branché et activé dans les paramètres de son du système, puis appuyez de nouveau sur Enregistrer.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>Le système de son a cessé de répondre. Ce qui a été enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>Le système de son ne répond pas. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>Le microphone a été débranché pendant l&apos;enregistrement. Ce qui a été enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Le système indique : %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Cet enregistrement ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Réglages de Kedoozle</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Les réglages ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1 : une figure au hasard aux couleurs au hasard</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1 : le motif de la touche dans une figure au hasard</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1 : la forme propre de la touche, dans sa couleur</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1 : l&apos;image de la touche</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1 : la légende de la touche dans une police au hasard, et son nom prononcé</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Les changements restent ici jusqu&apos;à ce que vous les enregistriez ; le jeu les utilise dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Mode de jeu au démarrage</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Pendant le jeu</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>Son activé au &amp;démarrage</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>L&apos;enfant peut &amp;couper et remettre le son</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>L&apos;enfant peut changer le &amp;mode de jeu</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>Jeu à la s&amp;ouris : un clic ou un glisser sur la surface dessine aussi</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>De&amp;ssins avant que la surface s&apos;efface :</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Repos après</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Temps de jeu :</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Quand le temps de jeu est écoulé, la surface montre une image calme de repos, et touches et clics ne dessinent ni ne sonnent plus ; la porte de sortie marche toujours.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Noms des touches prononcés</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Celle du programme (anglais)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Prononcer les noms des touc&amp;hes avec cette voix</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Aucune voix d&apos;ordinateur n&apos;est installée (le paquet espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Choisissez une touche : cliquez dessus, ou appuyez dessus au clavier. Une photo ou un fichier son déposé sur une touche va à cette touche.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Rétablir l&apos;origine pour toutes les touches</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement en cours...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Rien n&apos;a été enregistré : %1

Vos changements sont toujours là.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Enregistré. Le jeu utilise les nouveaux réglages dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Prononciation des noms des touches...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Les noms des touches sont prononcés avec la nouvelle voix ; vos propres enregistrements restent.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Rendre à chaque touche son image, son motif, son son, son nom prononcé et sa légende d&apos;origine ?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Enregistrer vos changements avant de fermer ?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Noms de touches qui n&apos;ont pas pu être prononcés : %1. Ces touches gardent ce qu&apos;elles avaient.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Kedoozle ne lance pas le jeu tant que cette fenêtre est ouverte : fermez-la, puis relancez Kedoozle.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>« %1 » n&apos;est pas TYPE:NOM=FICHIER (pas de &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>« %1 » n&apos;est pas TYPE:NOM=FICHIER (pas de &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>« %1 » ne nomme aucun fichier</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>impossible de lire le manifeste %1 : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>impossible de lire le manifeste %1 : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>impossible de lire le manifeste %1 : erreur de lecture</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build demande un fichier de sortie : kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest demande un nom de fichier</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>option inconnue %1 pour build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argument %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build demande au moins un TYPE:NAME=FILE ou --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>le manifeste ne liste aucune ressource</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind doit valoir patterns ou pictures, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>option inconnue &apos;%1&apos; pour check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check prend un seul module, pas &apos;%1&apos; et &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check demande MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>aucune image</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>pas un fichier WAVE</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>bloc de format trop court</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>pas des échantillons PCM (format %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>format injouable (%1 canaux, %2 Hz, %3 bits)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>pas de bloc de format avant les échantillons</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>aucun échantillon</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>pas de bloc de format</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>impossible de lire %1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1 : pas une image (aucune signature bitmap, GIF, JPEG ou métafichier)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (code de type %1, mais les données sont %2, code de type %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1 : aucune ressource image RCDATA ni son WAVE</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n son</numerusform>
            <numerusform>%n sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n échec</numerusform>
            <numerusform>%n échecs</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract prend MODULE.dll TYPE NAME OUT, ou MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>ressource %1:%2 introuvable dans %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version ne prend aucun argument</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>le nombre %1 est hors limites (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>le nombre 0 n&apos;est pas un identifiant de ressource valide</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>type de ressource vide</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>nom de ressource vide</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>le type de ressource « %1 » commence par # mais n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>le nom de ressource « %1 » commence par # mais n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>impossible de lire %1 : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>impossible de lire %1 : erreur de lecture</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>impossible de remplacer le fichier</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>impossible de lire %1 : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 n&apos;est pas un module de ressources (pas une bibliothèque PE avec des ressources)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list prend un seul module : kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help liste les commandes)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>aucune commande donnée (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack : option inconnue %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack demande FOLDER et OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>nom de touche inconnu « %1 »</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>la touche %1 a déjà %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak demande espeak-ng, qui n&apos;est pas installé</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng n&apos;a pas de voix « %1 » (voir espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>touche %1 prononcée</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 n&apos;est pas le dossier du programme : il n&apos;a pas de Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Empaqueté : %1 images, %2 motifs, %3 sons, %4 noms prononcés</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Fichiers ignorés : %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Modules :</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>aucun écrit : rien à empaqueter</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2 : %3 empaquetés, %4 gardés de %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>impossible de lire le dossier à empaqueter %1 : ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Réglages créés comme copie de %1 et mis à jour : %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Réglages mis à jour : %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Réglages inchangés (pas de --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Terminé en %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>le code de type &apos;%1&apos; n&apos;est pas un nombre (0 bitmap, 1 GIF, 2 JPEG, 3 métafichier, 4 icône)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>impossible d&apos;encoder %1 en PNG</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>l&apos;image %1 est trop grande à dessiner : %2 x %3 pixels (au plus %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render demande FILE OUT.png, ou MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>un bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>un GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>un JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>un métafichier</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>une icône</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motif</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>nom prononcé</translation>
    </message>
</context>
</TS>
