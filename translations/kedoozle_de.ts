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
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>Speichern nicht möglich: %1 ist schreibgeschützt; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>Speichern nicht möglich: Der Ordner %1 ist schreibgeschützt; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>Speichern in %1 nicht möglich: %2; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>%1 kann nicht geschrieben werden: %2; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>%1 kann nicht ersetzt werden: %2; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>der eigene Inhalt des Programms kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>der Ordner %1 kann nicht angelegt werden; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>%1 kann nicht geschrieben werden; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>der eigene Inhalt des Programms kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>die Aufnahme ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 gibt es nicht</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: Der Ordner des Programms wurde nicht gefunden; geben Sie ihn mit --program ORDNER an (der Ordner des Programms mit seiner Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>%1 kann nicht als Kopie der Programmeinstellungen angelegt werden</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>%1 kann nicht aus %2 erstellt werden</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, das [Modules] nennt, gibt es nicht)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>der Inhalt der nicht gepackten Tasten kann nicht übernommen werden%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>%1 kann nicht gelesen werden: Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 ist kein Ressourcenmodul (keine PE-Bibliothek mit Ressourcen)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>Dieses Foto ließ sich nicht lesen. Speichern Sie es als JPEG und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>Dieses Foto ist zu groß (%1 x %2 Pixel). Speichern Sie eine kleinere Kopie als JPEG und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>Dieses Bild ließ sich nicht lesen. Speichern Sie es als JPEG oder PNG und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>Dieses Bild ist beschädigt oder unvollständig. Kopieren Sie es noch einmal vom Handy oder von der Kamera und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>Dieses Bild ist zu groß (%1 x %2 Pixel). Speichern Sie eine kleinere Kopie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>Diese Datei ließ sich nicht öffnen. Prüfen Sie, ob sie gelesen werden darf, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>Diese Datei ist zu groß für ein Bild. Speichern Sie eine kleinere Kopie als JPEG und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>Diese Datei ist leer. Kopieren Sie das Bild noch einmal und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>Diese Animation ist zu lang. Kürzen Sie sie oder speichern Sie ein Bild daraus als PNG und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>Ein animiertes PNG: Nur das erste Bild wird gepackt. Speichern Sie es als animiertes GIF, damit es sich weiter bewegt.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>Dieser Klang ließ sich nicht lesen. Speichern Sie ihn als MP3 oder WAV und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>Dieser Klang ist von einer Art, die hier nicht abgespielt werden kann. Speichern Sie ihn als MP3 oder WAV und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>Dieser Klang ist beschädigt oder unvollständig. Kopieren Sie ihn noch einmal vom Handy oder Aufnahmegerät oder speichern Sie ihn als MP3 oder WAV und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>Dieser Klang ist stumm. Nehmen Sie ihn näher am Mikrofon noch einmal auf und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>Dieses Video hat keinen Ton. Wählen Sie einen Clip mit Ton oder eine Aufnahme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>Gesprochene Namen brauchen espeak-ng, das nicht installiert ist</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng hat keine Stimme &quot;%1&quot; (siehe espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>ein temporärer Ordner kann nicht angelegt werden: %1</translation>
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
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>Bil&amp;d:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Klang:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>Gesprochener &amp;Name:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Gesprochener Name</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>eigener</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>vom Computer gesprochen</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Klänge (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>Beschr&amp;iftung:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Diese Taste zurücksetzen</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Aus Datei...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Eingebaut</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Bilder werden aufgerichtet und nicht größer gemacht, als das Spiel sie zeigt; Klänge werden zugeschnitten, ausgeglichen und auf fünf Sekunden gekürzt. Geschrieben wird erst beim Speichern.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle-Einstellungen</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 für Taste %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>Die Aufnahme ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Aufnehmen...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>A&amp;ufnehmen...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Klang aufnehmen</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Drücken Sie auf Aufnehmen und sprechen Sie nahe am Mikrofon. Die Aufnahme endet nach %1 Sekunden von selbst; die Stille davor und danach wird weggelassen.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Wiedergeben</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Aufnahmepegel</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s von %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Es ließ sich kein Mikrofon öffnen. Prüfen Sie, ob eines angeschlossen und in den Audioeinstellungen des Systems eingeschaltet ist, und drücken Sie dann erneut auf Aufnehmen.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>Das Audiosystem reagiert nicht mehr. Was bis dahin aufgenommen wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>Das Audiosystem reagiert nicht. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>Das Mikrofon wurde während der Aufnahme getrennt. Was bis dahin aufgenommen wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Das System meldet: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Diese Aufnahme lässt sich nicht abspielen: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle-Einstellungen</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Die Einstellungen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: eine zufällige Figur in zufälligen Farben</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: das Muster der Taste in einer zufälligen Figur</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: die eigene Form der Taste in ihrer Farbe</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: das Bild der Taste</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: die Beschriftung der Taste in einer zufälligen Schrift, und ihr Name gesprochen</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Änderungen bleiben hier, bis Sie sie speichern; das Spiel nutzt sie ab seinem nächsten Start.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Spielmodus beim Start</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Beim Spielen</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>T&amp;on beim Start an</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>Das &amp;Kind darf den Ton ein- und ausschalten</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>Das Kind darf den Spielmo&amp;dus wechseln</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>Ma&amp;usspiel: Ein Klick oder Ziehen auf der Fläche malt auch</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>&amp;Zeichnungen, bis die Fläche geleert wird:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Ruhe nach</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Ist die Spielzeit um, zeigt die Fläche ein ruhiges Bild, und Tasten und Klicks malen und klingen nicht mehr; die Ausgangstür funktioniert weiterhin.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Gesprochene Tastennamen</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Die des Programms (Englisch)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Tasten&amp;namen mit dieser Stimme sprechen</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>Sti&amp;mme:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Es sind keine Computerstimmen installiert (das Paket espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Wählen Sie eine Taste: Klicken Sie sie an oder drücken Sie sie auf der Tastatur. Ein Foto oder eine Klangdatei, die auf eine Taste gezogen wird, geht an diese Taste.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Alle Tasten zurücksetzen</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Wird gespeichert...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Es wurde nichts gespeichert: %1

Ihre Änderungen sind noch da.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Gespeichert. Das Spiel nutzt die neuen Einstellungen ab seinem nächsten Start.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Tastennamen werden gesprochen...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Die Tastennamen werden mit der neuen Stimme gesprochen; Ihre eigenen Aufnahmen bleiben.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Jeder Taste ihr eingebautes Bild, Muster, Klang, gesprochenen Namen und ihre Beschriftung zurückgeben?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Tastennamen, die nicht gesprochen werden konnten: %1. Diese Tasten behalten, was sie hatten.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Solange dieses Fenster offen ist, startet Kedoozle kein Spiel: Schließen Sie es und starten Sie Kedoozle dann erneut.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>&quot;%1&quot; ist nicht TYP:NAME=DATEI (kein &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>&quot;%1&quot; ist nicht TYP:NAME=DATEI (kein &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>&quot;%1&quot; nennt keine Datei</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>Manifest %1 kann nicht gelesen werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>Manifest %1 kann nicht gelesen werden: Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>Manifest %1 kann nicht gelesen werden: Lesefehler</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build braucht eine Ausgabedatei: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>unbekannte Option %1 für build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>Argument %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build braucht mindestens ein TYPE:NAME=FILE oder --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>das Manifest nennt keine Ressourcen</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind muss patterns oder pictures sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>unbekannte Option &apos;%1&apos; für check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check nimmt ein Modul, nicht &apos;%1&apos; und &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check braucht MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>eine Bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>ein GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>ein JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>ein Metafile</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>ein Symbol</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>keine WAVE-Datei</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>Format-Chunk zu kurz</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>keine PCM-Samples (Format %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>nicht abspielbares Format (%1 Kanäle, %2 Hz, %3 Bit)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>kein Format-Chunk vor den Samples</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>keine Samples</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>kein Format-Chunk</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>%1 kann nicht gelesen werden: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: kein Bild (keine Bitmap-, GIF-, JPEG- oder Metafile-Signatur)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (Typcode %1, aber die Daten sind %2, Typcode %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: keine RCDATA-Bilder oder WAVE-Klänge</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Klang</numerusform>
            <numerusform>%n Klänge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract nimmt MODULE.dll TYPE NAME OUT oder MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>Ressource %1:%2 nicht gefunden in %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version nimmt keine Argumente</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>Nummer %1 liegt außerhalb des Bereichs (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>Nummer 0 ist keine gültige Ressourcen-ID</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>leerer Ressourcentyp</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>leerer Ressourcenname</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>Ressourcentyp &quot;%1&quot; beginnt mit #, ist aber keine Zahl</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>Ressourcenname &quot;%1&quot; beginnt mit #, ist aber keine Zahl</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>%1 kann nicht gelesen werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>%1 kann nicht gelesen werden: Lesefehler</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>die Datei kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>%1 kann nicht gelesen werden: Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 ist kein Ressourcenmodul (keine PE-Bibliothek mit Ressourcen)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list nimmt ein Modul: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help zeigt die Befehle)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>kein Befehl angegeben (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>gesprochener Name</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: unbekannte Option %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack braucht FOLDER und OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>unbekannter Tastenname &quot;%1&quot;</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>Taste %1 hat schon %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak braucht espeak-ng, das nicht installiert ist</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng hat keine Stimme &quot;%1&quot; (siehe espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>Taste %1 gesprochen</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 ist nicht der Ordner des Programms: Es fehlt Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Gepackt: %1 Bilder, %2 Muster, %3 Klänge, %4 gesprochene Namen</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Übersprungene Dateien: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>keines geschrieben: nichts zu packen</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 gepackt, %4 übernommen aus %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>Pack-Ordner %1 kann nicht gelesen werden: kein Ordner</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Einstellungen als Kopie von %1 angelegt und aktualisiert: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Einstellungen aktualisiert: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Einstellungen nicht geändert (kein --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Fertig in %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>Typcode &apos;%1&apos; ist keine Zahl (0 Bitmap, 1 GIF, 2 JPEG, 3 Metafile, 4 Symbol)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>%1 kann nicht als PNG kodiert werden</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>Bild %1 ist zu groß zum Zeichnen: %2 x %3 Pixel (höchstens %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render braucht FILE OUT.png oder MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
</context>
</TS>
