<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>Immagine GIF</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>Errore JPEG n. %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>File immagine JPEG</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>File:  %s<byte value="xd"/>Modo:  %-15s Cartella: %s<byte value="xd"/>Tasto: %-15s Percorso: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Ris.:  %s<byte value="xd"/>Modo:  %-15s Cartella: %s<byte value="xd"/>Tasto: %-15s Percorso: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Vuoi uscire da Kedoozle?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Informazioni su Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Versione 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 Gli sviluppatori di Kedoozle</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Assistenza tecnica via e-mail:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>L&apos;immagine dell&apos;icona non è valida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Il metafile non è valido</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Estensione del file immagine sconosciuta (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Risorsa %s non trovata</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Impossibile aprire il file %s</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Impossibile assegnare un %s a un %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Impossibile scrivere su %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Codice del tipo di immagine sconosciuto %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>L&apos;immagine %s è vuota</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Indice della scheda fuori dai limiti</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Indice dell&apos;elenco fuori dai limiti (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Tasti non bloccati: questo desktop non permette a Kedoozle di trattenere le sue scorciatoie. Super, Alt+Tab e le altre scorciatoie del desktop funzionano ancora.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Tasti non più bloccati: il desktop ha ripreso le sue scorciatoie. Super, Alt+Tab e le altre scorciatoie del desktop funzionano di nuovo.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>I tasti sono di nuovo bloccati.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Fai clic qui per passare alla modalità di gioco ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Fai clic qui per passare alla modalità di gioco PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Fai clic qui per passare alla modalità di gioco ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Fai clic qui per passare alla modalità di gioco PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Fai clic qui per passare alla modalità di gioco KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>L&apos;audio è attivo.<byte value="xd"/>Fai clic qui per<byte value="xd"/>disattivarlo.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>L&apos;audio è spento.<byte value="xd"/>Fai clic qui per<byte value="xd"/>attivarlo.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Fai clic qui per saperne di più su Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Fai clic qui per<byte value="xd"/>uscire da Kedoozle.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Ciao, piccolo! Giochiamo!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>tasti non bloccati</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Firma GIF non valida</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Fine prematura dei dati</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Tipo di estensione sconosciuto</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introduttore di estensione non valido</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Errore interno: l&apos;istanza dell&apos;estensione non corrisponde all&apos;etichetta dell&apos;estensione</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Dimensione del blocco di estensione applicazione non supportata</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Dati GIF non validi</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Voce circolare nella tabella del decodificatore</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Impossibile allocare memoria per il DIB GIF</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>L&apos;immagine è vuota</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>La tabella dei colori è vuota</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Nessuna tabella dei colori globale o locale definita</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Tipo di blocco GIF sconosciuto</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>L&apos;immagine supera le dimensioni dello schermo logico</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Svuotamento del buffer di bit del decodificatore</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Chiusura dell&apos;immagine non valida</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Indice del colore non valido</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Libero da usare, cambiare, condividere.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Tasti non bloccati: il desktop nega a Kedoozle le sue scorciatoie. Per permetterlo: Impostazioni di GNOME, Applicazioni, Kedoozle, Inibisci scorciatoie di sistema.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>I tasti potrebbero non essere bloccati: qui Kedoozle gira su XWayland, dove il desktop decide se le sue scorciatoie, come Super e Alt+Tab, funzionano ancora.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>I tasti non sono bloccati finché un&apos;altra finestra ha la tastiera: Super, Alt+Tab e le altre scorciatoie del desktop funzionano. Fai clic su Kedoozle per bloccarli di nuovo.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>L&apos;audio è attivo.<byte value="xd"/>Lo ha deciso<byte value="xd"/>un adulto.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>L&apos;audio è spento.<byte value="xd"/>Lo ha deciso<byte value="xd"/>un adulto.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>La modalità di gioco la sceglie un adulto.</translation>
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
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>impossibile salvare: %1 è di sola lettura; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>impossibile salvare: la cartella %1 è di sola lettura; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>impossibile salvare in %1: %2; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>impossibile scrivere %1: %2; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>impossibile sostituire %1: %2; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>impossibile ripristinare il contenuto proprio del programma</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>impossibile creare la cartella %1; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>impossibile scrivere %1; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>impossibile leggere il contenuto proprio del programma</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossibile usare %1: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>impossibile usare la registrazione: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 non esiste</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: cartella del programma non trovata; indicala con --program CARTELLA (la cartella del programma e del suo Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>impossibile creare %1 come copia delle impostazioni del programma</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>impossibile creare %1 da %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, indicato in [Modules], non esiste)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>impossibile conservare il contenuto dei tasti non impacchettati%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>impossibile leggere %1: file o directory non esistente</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 non è un modulo di risorse (non è una libreria PE con risorse)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>questa foto non si è potuta leggere. Salvala come JPEG e riprova.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>questa foto è troppo grande (%1 x %2 pixel). Salvane una copia più piccola come JPEG e riprova.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>questa immagine non si è potuta leggere. Salvala come JPEG o PNG e riprova.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>questa immagine è danneggiata o troncata. Copiala di nuovo dal telefono o dalla fotocamera e riprova.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>questa immagine è troppo grande (%1 x %2 pixel). Salvane una copia più piccola e riprova.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>questo file non si è potuto aprire. Controlla che si possa leggere e riprova.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>questo file è troppo grande per un&apos;immagine. Salvane una copia più piccola come JPEG e riprova.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>questo file è vuoto. Copia di nuovo l&apos;immagine e riprova.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>questa animazione è troppo lunga. Accorciala, o salvane una sola immagine come PNG, e riprova.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>un PNG animato: viene impacchettato solo il primo fotogramma. Salvalo come GIF animata perché resti in movimento.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>questo suono non si è potuto leggere. Salvalo come MP3 o WAV e riprova.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>questo suono è di un tipo che qui non si può riprodurre. Salvalo come MP3 o WAV e riprova.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>questo suono è danneggiato o troncato. Copialo di nuovo dal telefono o dal registratore, o salvalo come MP3 o WAV, e riprova.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>questo suono è muto. Registralo di nuovo, più vicino al microfono, e riprova.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>questo video non ha audio. Scegli una clip con l&apos;audio, o una registrazione, e riprova.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>i nomi pronunciati richiedono espeak-ng, che non è installato</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng non ha la voce «%1» (vedi espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>impossibile creare una cartella temporanea: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle è libero: chiunque può usarlo, copiarlo, modificarlo e condividerlo,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>per qualsiasi scopo e gratis, purché la licenza accompagni ogni copia.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>È fornito così com&apos;è, senza alcuna garanzia: vedi la pagina Contratto di licenza.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Immagine:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>S&amp;uono:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>Nome &amp;pronunciato:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Nome pronunciato</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>tuo</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>pronunciato dal computer</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>originale</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Suoni (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Etichetta:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Ripristina l&apos;originale per questo tasto</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Da un file...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Le immagini vengono raddrizzate e mai rese più grandi di come il gioco le mostra; i suoni vengono tagliati, livellati e limitati a cinque secondi. Nulla viene scritto finché non salvi.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Impostazioni di Kedoozle</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 per il tasto %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>La registrazione non si può usare: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Registra...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Registr&amp;a...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Registra un suono</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Premi Registra e parla vicino al microfono. La registrazione si ferma da sola dopo %1 secondi; il silenzio prima e dopo viene tolto.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registra</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>Ri&amp;ascolta</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Livello del suono</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s di %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Non è stato possibile aprire nessun microfono. Controlla che ce ne sia uno collegato e attivo nelle impostazioni audio del sistema, poi premi di nuovo Registra.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>Il sistema audio ha smesso di rispondere. Quanto registrato fino ad allora viene conservato.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>Il sistema audio non risponde. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>Il microfono si è scollegato durante la registrazione. Quanto registrato fino ad allora viene conservato.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Il sistema dice: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Questa registrazione non si può riprodurre: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Impostazioni di Kedoozle</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Le impostazioni non si possono leggere: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: una figura a caso in colori a caso</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: il motivo del tasto dentro una figura a caso</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: la forma propria del tasto nel suo colore</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: l&apos;immagine del tasto</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: l&apos;etichetta del tasto in un carattere a caso, e il suo nome pronunciato</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Le modifiche restano qui finché non le salvi; il gioco le usa dal suo prossimo avvio.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Modalità di gioco all&apos;avvio</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Durante il gioco</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>Au&amp;dio attivo all&apos;avvio</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>Il &amp;bambino può attivare e disattivare l&apos;audio</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>Il bambino può cambiare la &amp;modalità di gioco</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>Gioco col mo&amp;use: anche un clic o un trascinamento sulla superficie disegna</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>Disegni prima che la superficie si &amp;cancelli:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Riposo dopo</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minuti</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tempo di gioco:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Quando il tempo di gioco è finito, la superficie mostra un&apos;immagine tranquilla di riposo e tasti e clic non disegnano né suonano più; la porta d&apos;uscita funziona ancora.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Nomi dei tasti pronunciati</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Quella del programma (inglese)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>&amp;Fai pronunciare i nomi dei tasti a questa voce</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voce:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Non è installata nessuna voce del computer (il pacchetto espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Scegli un tasto: fai clic su di esso o premilo sulla tastiera. Una foto o un file audio trascinato su un tasto va a quel tasto.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Ripristina l&apos;originale per tutti i tasti</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Non è stato salvato nulla: %1

Le tue modifiche sono ancora qui.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Salvato. Il gioco usa le nuove impostazioni dal suo prossimo avvio.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Pronuncia dei nomi dei tasti...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>I nomi dei tasti vengono pronunciati con la nuova voce; le tue registrazioni restano.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Ridare a ogni tasto l&apos;immagine, il motivo, il suono, il nome pronunciato e l&apos;etichetta originali?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Salvare le modifiche prima di chiudere?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Nomi dei tasti che non è stato possibile pronunciare: %1. Quei tasti mantengono ciò che avevano.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Kedoozle non avvia il gioco finché questa finestra è aperta: chiudila, poi avvia di nuovo Kedoozle.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>«%1» non è TIPO:NOME=FILE (manca &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>«%1» non è TIPO:NOME=FILE (manca &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>«%1» non indica nessun file</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>impossibile leggere il manifesto %1: è una cartella</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>impossibile leggere il manifesto %1: file o directory non esistente</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>impossibile leggere il manifesto %1: errore di lettura</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build richiede un file di uscita: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest richiede un nome di file</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>opzione sconosciuta %1 per build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argomento %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build richiede almeno un TYPE:NAME=FILE o --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>il manifesto non elenca nessuna risorsa</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind deve essere patterns o pictures, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>opzione sconosciuta &apos;%1&apos; per check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check accetta un solo modulo, non &apos;%1&apos; e &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check richiede MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>nessuna immagine</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>non è un file WAVE</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>blocco di formato troppo corto</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>non sono campioni PCM (formato %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>formato non riproducibile (%1 canali, %2 Hz, %3 bit)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>nessun blocco di formato prima dei campioni</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>nessun campione</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>nessun blocco di formato</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>impossibile leggere %1: file non esistente</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: non è un&apos;immagine (nessuna firma bitmap, GIF, JPEG o metafile)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (codice di tipo %1, ma i dati sono %2, codice di tipo %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: nessuna risorsa immagine RCDATA o suono WAVE</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n immagine</numerusform>
            <numerusform>%n immagini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n suono</numerusform>
            <numerusform>%n suoni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract accetta MODULE.dll TYPE NAME OUT, o MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>risorsa %1:%2 non trovata in %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version non accetta argomenti</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>il numero %1 è fuori intervallo (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>il numero 0 non è un identificativo di risorsa valido</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>tipo di risorsa vuoto</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>nome di risorsa vuoto</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>il tipo di risorsa «%1» inizia con # ma non è un numero</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>il nome di risorsa «%1» inizia con # ma non è un numero</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>impossibile leggere %1: è una cartella</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>impossibile leggere %1: errore di lettura</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>impossibile sostituire il file</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>impossibile leggere %1: file o directory non esistente</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 non è un modulo di risorse (non è una libreria PE con risorse)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list accetta un solo modulo: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help elenca i comandi)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>nessun comando indicato (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack richiede FOLDER e OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>nome di tasto sconosciuto «%1»</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>il tasto %1 ha già %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak richiede espeak-ng, che non è installato</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng non ha la voce «%1» (vedi espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>tasto %1 pronunciato</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 non è la cartella del programma: non ha Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Impacchettati: %1 immagini, %2 motivi, %3 suoni, %4 nomi pronunciati</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>File saltati: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Moduli:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>nessuno scritto: niente da impacchettare</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 impacchettati, %4 conservati da %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>impossibile leggere la cartella da impacchettare %1: non è una cartella</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Impostazioni create come copia di %1 e aggiornate: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Impostazioni aggiornate: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Impostazioni non cambiate (nessun --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Fatto in %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>il codice di tipo &apos;%1&apos; non è un numero (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icona)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>impossibile codificare %1 come PNG</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>l&apos;immagine %1 è troppo grande da disegnare: %2 x %3 pixel (al massimo %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render richiede FILE OUT.png, o MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>una bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>una GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>un JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>un metafile</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>un&apos;icona</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motivo</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>suono</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>nome pronunciato</translation>
    </message>
</context>
</TS>
