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
</TS>
