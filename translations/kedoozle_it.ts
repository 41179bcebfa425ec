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
</TS>
