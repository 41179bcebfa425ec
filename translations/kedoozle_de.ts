<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>JPEG-Fehler Nr. %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>JPEG-Bilddatei</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Datei: %s<byte value="xd"/>Modus: %-15s Ordner: %s<byte value="xd"/>Taste: %-15s Pfad: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Ress.: %s<byte value="xd"/>Modus: %-15s Ordner: %s<byte value="xd"/>Taste: %-15s Pfad: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Möchten Sie Kedoozle beenden?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Über Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Version 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 Die Kedoozle-Entwickler</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Technische Hilfe per E-Mail an:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Das Symbolbild ist ungültig</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Die Metadatei ist ungültig</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Unbekannte Endung einer Bilddatei (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Ressource %s nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Datei %s kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Ein %s kann keinem %s zugewiesen werden</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>%s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Unbekannter Bildtyp-Code %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>Bild %s ist leer</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Registerindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Tasten nicht gesperrt: Diese Arbeitsumgebung lässt Kedoozle ihre Tastenkürzel nicht zurückhalten. Super, Alt+Tab und die anderen Tastenkürzel funktionieren weiter.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Tasten nicht mehr gesperrt: Die Arbeitsumgebung hat ihre Tastenkürzel zurückgenommen. Super, Alt+Tab und die anderen Tastenkürzel funktionieren wieder.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Tasten sind wieder gesperrt.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Hier klicken für den Spielmodus ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Hier klicken für den Spielmodus PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Hier klicken für den Spielmodus ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Hier klicken für den Spielmodus PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Hier klicken für den Spielmodus KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Ton ist an.<byte value="xd"/>Hier klicken zum<byte value="xd"/>Ausschalten.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Ton ist aus.<byte value="xd"/>Hier klicken zum<byte value="xd"/>Einschalten.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Hier klicken für mehr Informationen über Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Hier klicken, um<byte value="xd"/>Kedoozle zu beenden.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Hallo, Kleines! Lass uns spielen!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>Tasten sind nicht gesperrt</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Ungültige GIF-Signatur</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Vorzeitiges Ende der Daten</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Unbekannter Erweiterungstyp</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Ungültige Einleitung einer Erweiterung</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Interner Fehler: Erweiterungsinstanz passt nicht zur Erweiterungskennung</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Nicht unterstützte Blockgröße der Anwendungserweiterung</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Ungültige GIF-Daten</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Zirkulärer Eintrag in der Decodertabelle</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Speicher für das GIF-DIB konnte nicht reserviert werden</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>Die Farbtabelle ist leer</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Keine globale oder lokale Farbtabelle definiert</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Unbekannter GIF-Blocktyp</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>Das Bild ist größer als der logische Bildschirm</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Unterlauf im Bitpuffer des Decoders</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Ungültiger Bildabschluss</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Ungültiger Farbindex</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Frei zu nutzen, ändern, weitergeben.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Tasten nicht gesperrt: Der Desktop erlaubt Kedoozle seine Tastenkürzel nicht. Dauerhaft erlauben: GNOME-Einstellungen, Apps, Kedoozle, Systemkürzel unterbinden.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Tasten sind vielleicht nicht gesperrt: Kedoozle läuft hier unter XWayland, wo der Desktop entscheidet, ob seine Tastenkürzel wie Super und Alt+Tab noch wirken.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Tasten sind nicht gesperrt, solange ein anderes Fenster die Tastatur hat: Super, Alt+Tab und die anderen Tastenkürzel des Desktops wirken. Klicken Sie auf Kedoozle, um sie wieder zu sperren.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Ton ist an.<byte value="xd"/>Ein Erwachsener hat<byte value="xd"/>es so eingestellt.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Ton ist aus.<byte value="xd"/>Ein Erwachsener hat<byte value="xd"/>es so eingestellt.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>Den Spielmodus legt ein Erwachsener fest.</translation>
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
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle ist frei: Jeder darf es nutzen, kopieren, ändern und weitergeben, für jeden Zweck</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>und kostenlos, solange der Lizenzhinweis jeder Kopie beiliegt.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Es kommt, wie es ist, ohne jedes Versprechen: siehe die Seite Lizenzvereinbarung.</translation>
    </message>
</context>
</TS>
