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
</TS>
