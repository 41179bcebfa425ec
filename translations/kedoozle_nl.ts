<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>GIF-afbeelding</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>JPEG-fout nr. %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>JPEG-afbeeldingsbestand</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Bestand: %s<byte value="xd"/>Modus:   %-15s Map: %s<byte value="xd"/>Toets:   %-15s Pad: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Bron:    %s<byte value="xd"/>Modus:   %-15s Map: %s<byte value="xd"/>Toets:   %-15s Pad: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Wilt u Kedoozle afsluiten?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Over Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Auteursrecht</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licentieovereenkomst</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Versie 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 De Kedoozle-ontwikkelaars</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Technische ondersteuning per e-mail:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>De bitmapafbeelding is ongeldig</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>De pictogramafbeelding is ongeldig</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Het metabestand is ongeldig</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Onbekende extensie voor afbeeldingsbestand (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Bron %s niet gevonden</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Kan bestand %s niet openen</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Kan een %s niet toewijzen aan een %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Kan niet schrijven naar %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Onbekende afbeeldingstypecode %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>Afbeelding %s is leeg</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Tabbladindex buiten bereik</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Lijstindex buiten bereik (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Toetsen niet vergrendeld: dit bureaublad laat Kedoozle zijn sneltoetsen niet tegenhouden. Super, Alt+Tab en de andere sneltoetsen van het bureaublad werken nog.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Toetsen niet meer vergrendeld: het bureaublad heeft zijn sneltoetsen teruggenomen. Super, Alt+Tab en de andere sneltoetsen werken weer.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Toetsen zijn weer vergrendeld.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Klik hier om naar de speelmodus ClassicType te gaan.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Klik hier om naar de speelmodus PatternType te gaan.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Klik hier om naar de speelmodus ShapeType te gaan.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Klik hier om naar de speelmodus PictureType te gaan.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Klik hier om naar de speelmodus KeyType te gaan.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Geluid staat aan.<byte value="xd"/>Klik hier om het<byte value="xd"/>geluid uit te zetten.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Geluid staat uit.<byte value="xd"/>Klik hier om het<byte value="xd"/>geluid aan te zetten.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Klik hier voor meer informatie over Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Klik hier om<byte value="xd"/>Kedoozle af te sluiten.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Hallo, kleintje! Kom, we gaan spelen!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>toetsen zijn niet vergrendeld</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Ongeldige GIF-handtekening</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Voortijdig einde van de gegevens</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Onbekend extensietype</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Ongeldige extensie-inleider</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Interne fout: extensie-instantie komt niet overeen met extensielabel</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Niet-ondersteunde blokgrootte van toepassingsextensie</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Ongeldige GIF-gegevens</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Circulaire invoer in decodertabel</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Kan geen geheugen toewijzen voor GIF-DIB</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>De afbeelding is leeg</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>De kleurentabel is leeg</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Geen globale of lokale kleurentabel gedefinieerd</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Onbekend GIF-bloktype</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>De afbeelding is groter dan het logische scherm</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Onderloop van de bitbuffer van de decoder</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Ongeldige afsluiting van de afbeelding</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Ongeldige kleurindex</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Vrij te gebruiken, wijzigen en delen.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Toetsen niet vergrendeld: het bureaublad weigert Kedoozle de sneltoetsen. Toestaan: GNOME-instellingen, Apps, Kedoozle, Systeemsneltoetsen blokkeren.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Toetsen zijn misschien niet vergrendeld: Kedoozle draait hier onder XWayland, waar het bureaublad beslist of zijn sneltoetsen, zoals Super en Alt+Tab, nog werken.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Toetsen zijn niet vergrendeld zolang een ander venster het toetsenbord heeft: Super, Alt+Tab en de andere sneltoetsen van het bureaublad werken. Klik op Kedoozle om ze weer te vergrendelen.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Geluid staat aan.<byte value="xd"/>Een volwassene heeft<byte value="xd"/>dat zo ingesteld.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Geluid staat uit.<byte value="xd"/>Een volwassene heeft<byte value="xd"/>dat zo ingesteld.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>De speelmodus wordt door een volwassene gekozen.</translation>
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
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>kan niet opslaan: %1 is alleen-lezen; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>kan niet opslaan: de map %1 is alleen-lezen; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>kan niet opslaan in %1: %2; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>kan %1 niet schrijven: %2; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan %1 niet lezen</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>kan %1 niet vervangen: %2; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>kan de eigen inhoud van het programma niet terugzetten</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>kan de map %1 niet maken; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>kan %1 niet schrijven; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>kan de eigen inhoud van het programma niet lezen</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>kan %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>kan de opname niet gebruiken: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 bestaat niet</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: de map van het programma is niet gevonden; geef die op met --program MAP (de map van het programma en zijn Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>kan %1 niet aanmaken als kopie van de instellingen van het programma</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>kan %1 niet maken uit %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, dat [Modules] noemt, bestaat niet)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>kan de inhoud van de niet ingepakte toetsen niet behouden%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>kan %1 niet lezen: bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 is geen bronnenmodule (geen PE-bibliotheek met bronnen)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>deze foto kon niet gelezen worden. Sla hem op als JPEG en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>deze foto is te groot (%1 x %2 pixels). Sla een kleinere kopie op als JPEG en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>deze afbeelding kon niet gelezen worden. Sla hem op als JPEG of PNG en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>deze afbeelding is beschadigd of afgebroken. Kopieer hem opnieuw van de telefoon of camera en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>deze afbeelding is te groot (%1 x %2 pixels). Sla een kleinere kopie op en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>dit bestand kon niet geopend worden. Controleer of het gelezen mag worden en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>dit bestand is te groot voor een afbeelding. Sla een kleinere kopie op als JPEG en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>dit bestand is leeg. Kopieer de afbeelding opnieuw en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>deze animatie is te lang. Maak hem korter, of sla er één beeld van op als PNG, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>een geanimeerde PNG: alleen het eerste beeld wordt ingepakt. Sla hem op als geanimeerde GIF om hem te laten bewegen.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>dit geluid kon niet gelezen worden. Sla het op als MP3 of WAV en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>dit geluid is van een soort die hier niet afgespeeld kan worden. Sla het op als MP3 of WAV en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>dit geluid is beschadigd of afgebroken. Kopieer het opnieuw van de telefoon of recorder, of sla het op als MP3 of WAV, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>dit geluid is stil. Neem het opnieuw op, dichter bij de microfoon, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>deze video heeft geen geluid. Kies een clip met geluid, of een opname, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>uitgesproken namen hebben espeak-ng nodig, dat niet geïnstalleerd is</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng heeft geen stem &quot;%1&quot; (zie espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>kan geen tijdelijke map maken: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle is vrij: iedereen mag het gebruiken, kopiëren, wijzigen en doorgeven,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>voor elk doel en gratis, zolang de licentie bij elke kopie meegaat.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Het komt zoals het is, zonder enige belofte: zie de pagina Licentieovereenkomst.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Afbeelding:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Patroon:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Geluid:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>&amp;Uitgesproken naam:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Uitgesproken naam</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>eigen</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>uitgesproken door de computer</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>ingebouwd</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Geluiden (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>Opsc&amp;hrift:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Deze toets terugzetten</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Beluisteren</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Uit een bestand...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Ingebouwd</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Afbeeldingen worden rechtgezet en nooit groter gemaakt dan het spel ze toont; geluiden worden bijgesneden, gelijkgetrokken en tot vijf seconden beperkt. Er wordt niets geschreven tot u opslaat.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Toets %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle-instellingen</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 voor toets %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>De opname kan niet gebruikt worden: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>Opn&amp;emen...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Opne&amp;men...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Geluid opnemen</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Druk op Opnemen en spreek dicht bij de microfoon. De opname stopt na %1 seconden vanzelf; de stilte ervoor en erna wordt weggelaten.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Op&amp;nemen</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Geluidsniveau</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s van %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Er kon geen microfoon worden geopend. Controleer of er een is aangesloten en aangezet in de geluidsinstellingen van het systeem en druk dan opnieuw op Opnemen.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>Het geluidssysteem reageert niet meer. Wat tot dan toe is opgenomen, blijft bewaard.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>Het geluidssysteem reageert niet. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>De microfoon is tijdens de opname losgekoppeld. Wat tot dan toe is opgenomen, blijft bewaard.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Het systeem meldt: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Deze opname kan niet worden afgespeeld: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle-instellingen</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>De instellingen kunnen niet gelezen worden: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: een willekeurige figuur in willekeurige kleuren</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: het patroon van de toets in een willekeurige figuur</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: de eigen vorm van de toets in zijn kleur</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: de afbeelding van de toets</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: het opschrift van de toets in een willekeurig lettertype, en zijn naam uitgesproken</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Toetsen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuleren</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Wijzigingen blijven hier tot u ze opslaat; het spel gebruikt ze vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Speelmodus bij de start</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Tijdens het spelen</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>&amp;Geluid aan bij de start</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>Het &amp;kind mag het geluid aan- en uitzetten</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>Het kind mag de speelmo&amp;dus wijzigen</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>M&amp;uisspel: een klik of sleep over het vlak tekent ook</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>Tekeningen tot het vlak &amp;wordt gewist:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Rust na</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minuten</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Speeltijd:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Als de speeltijd voorbij is, toont het vlak een rustig plaatje en tekenen en klinken toetsen en klikken niet meer; de uitgangsdeur werkt nog wel.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Uitgesproken toetsnamen</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Die van het programma (Engels)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Toetsnamen &amp;zeggen met deze stem</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>Ste&amp;m:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Er zijn geen computerstemmen geïnstalleerd (het pakket espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Kies een toets: klik erop, of druk hem in op het toetsenbord. Een foto of geluidsbestand dat op een toets wordt neergezet, gaat naar die toets.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Alle toetsen terugzetten</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Bezig met opslaan...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Er is niets opgeslagen: %1

Uw wijzigingen zijn er nog.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Opgeslagen. Het spel gebruikt de nieuwe instellingen vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Toetsnamen worden uitgesproken...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>De toetsnamen worden met de nieuwe stem uitgesproken; uw eigen opnamen blijven.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Elke toets zijn ingebouwde afbeelding, patroon, geluid, uitgesproken naam en opschrift teruggeven?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Wijzigingen opslaan voor het sluiten?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Toetsnamen die niet uitgesproken konden worden: %1. Die toetsen houden wat ze hadden.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Kedoozle start het spel niet zolang dit venster open is: sluit het en start Kedoozle daarna opnieuw.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>&quot;%1&quot; is geen TYPE:NAAM=BESTAND (geen &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>&quot;%1&quot; is geen TYPE:NAAM=BESTAND (geen &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>&quot;%1&quot; noemt geen bestand</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>kan manifest %1 niet lezen: het is een map</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>kan manifest %1 niet lezen: bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>kan manifest %1 niet lezen: leesfout</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build heeft een uitvoerbestand nodig: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>onbekende optie %1 voor build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argument %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build heeft minstens één TYPE:NAME=FILE of --manifest FILE nodig</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>het manifest noemt geen bronnen</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind moet patterns of pictures zijn, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>onbekende optie &apos;%1&apos; voor check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check neemt één module, niet &apos;%1&apos; en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check heeft MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures] nodig</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>geen afbeelding</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>geen WAVE-bestand</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>formaatblok te kort</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>geen PCM-samples (formaat %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>onafspeelbaar formaat (%1 kanalen, %2 Hz, %3 bits)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>geen formaatblok voor de samples</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>geen samples</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>geen formaatblok</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>kan %1 niet lezen: bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: geen afbeelding (geen bitmap-, GIF-, JPEG- of metabestand-handtekening)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (typecode %1, maar de gegevens zijn %2, typecode %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: geen RCDATA-afbeeldingen of WAVE-geluiden</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n afbeelding</numerusform>
            <numerusform>%n afbeeldingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n geluid</numerusform>
            <numerusform>%n geluiden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n fout</numerusform>
            <numerusform>%n fouten</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>kan %1 niet maken: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract neemt MODULE.dll TYPE NAME OUT, of MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>bron %1:%2 niet gevonden in %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version neemt geen argumenten</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>nummer %1 valt buiten het bereik (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>nummer 0 is geen geldige bron-id</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>leeg brontype</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>lege bronnaam</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>brontype &quot;%1&quot; begint met # maar is geen getal</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>bronnaam &quot;%1&quot; begint met # maar is geen getal</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>kan %1 niet lezen: het is een map</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>kan %1 niet lezen: leesfout</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>kan het bestand niet vervangen</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>kan %1 niet lezen: bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 is geen bronnenmodule (geen PE-bibliotheek met bronnen)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list neemt één module: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help toont de opdrachten)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>geen opdracht gegeven (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: onbekende optie %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack heeft FOLDER en OUTDIR nodig</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>geen bestand</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>onbekende toetsnaam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>toets %1 heeft al %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak heeft espeak-ng nodig, dat niet geïnstalleerd is</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng heeft geen stem &quot;%1&quot; (zie espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>toets %1 uitgesproken</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 is niet de map van het programma: er is geen Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Ingepakt: %1 afbeeldingen, %2 patronen, %3 geluiden, %4 uitgesproken namen</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Overgeslagen bestanden: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Modules:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>geen geschreven: niets om in te pakken</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 ingepakt, %4 behouden uit %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>kan inpakmap %1 niet lezen: geen map</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Instellingen aangemaakt als kopie van %1 en bijgewerkt: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Instellingen bijgewerkt: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Instellingen niet gewijzigd (geen --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Klaar in %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>typecode &apos;%1&apos; is geen getal (0 bitmap, 1 GIF, 2 JPEG, 3 metabestand, 4 pictogram)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>kan %1 niet als PNG coderen</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>afbeelding %1 is te groot om te tekenen: %2 x %3 pixels (hoogstens %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render heeft FILE OUT.png, of MODULE.dll NAME TYPECODE OUT.png nodig</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>een bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>een GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>een JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>een metabestand</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>een pictogram</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>afbeelding</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>patroon</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>geluid</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>uitgesproken naam</translation>
    </message>
</context>
</TS>
