<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>Obraz GIF</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>Błąd JPEG nr %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Plik obrazu JPEG</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Plik:    %s<byte value="xd"/>Tryb:    %-15s Folder: %s<byte value="xd"/>Klawisz: %-15s Ścieżka: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Zasób:   %s<byte value="xd"/>Tryb:    %-15s Folder: %s<byte value="xd"/>Klawisz: %-15s Ścieżka: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Czy chcesz zamknąć Kedoozle?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>O programie Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Wersja 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 Twórcy programu Kedoozle</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Pomoc techniczna – napisz na adres:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz bitmapy jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Obraz ikony jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Metaplik jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Nieznane rozszerzenie pliku obrazu (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Nie znaleziono zasobu %s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Nie można otworzyć pliku %s</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Nie można przypisać %s do %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Nie można zapisać do %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Nieznany kod typu obrazu %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>Obraz %s jest pusty</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Indeks karty poza zakresem</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Indeks listy poza zakresem (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Klawisze nie są zablokowane: to środowisko nie pozwala Kedoozle wstrzymać swoich skrótów. Super, Alt+Tab i inne skróty pulpitu nadal działają.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Klawisze nie są już zablokowane: środowisko odebrało swoje skróty. Super, Alt+Tab i inne skróty pulpitu znów działają.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Klawisze są znowu zablokowane.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Kliknij tutaj, aby przełączyć na tryb zabawy ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Kliknij tutaj, aby przełączyć na tryb zabawy PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Kliknij tutaj, aby przełączyć na tryb zabawy ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Kliknij tutaj, aby przełączyć na tryb zabawy PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Kliknij tutaj, aby przełączyć na tryb zabawy KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Dźwięk jest włączony.<byte value="xd"/>Kliknij tutaj, aby<byte value="xd"/>go wyłączyć.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Dźwięk jest wyłączony.<byte value="xd"/>Kliknij tutaj, aby<byte value="xd"/>go włączyć.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Kliknij tutaj, aby dowiedzieć się więcej o Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Kliknij tutaj, aby<byte value="xd"/>zamknąć Kedoozle.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Cześć, maluchu! Pobawmy się!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>klawisze nie są zablokowane</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Nieprawidłowa sygnatura GIF</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Przedwczesny koniec danych</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Nieznany typ rozszerzenia</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Nieprawidłowy znacznik rozszerzenia</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Błąd wewnętrzny: instancja rozszerzenia nie pasuje do etykiety rozszerzenia</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Nieobsługiwany rozmiar bloku rozszerzenia aplikacji</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Nieprawidłowe dane GIF</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Cykliczny wpis w tablicy dekodera</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Nie udało się przydzielić pamięci dla DIB GIF</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Obraz jest pusty</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>Tablica kolorów jest pusta</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Nie zdefiniowano globalnej ani lokalnej tablicy kolorów</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Nieznany typ bloku GIF</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>Obraz przekracza rozmiar ekranu logicznego</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Niedobór danych w buforze bitów dekodera</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Nieprawidłowe zakończenie obrazu</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Nieprawidłowy indeks koloru</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Wolno używać, zmieniać i przekazywać.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Klawisze niezablokowane: pulpit nie pozwolił Kedoozle zatrzymać skrótów. Aby zezwolić: Ustawienia GNOME, Aplikacje, Kedoozle, Blokowanie skrótów systemowych.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Klawisze mogą nie być zablokowane: Kedoozle działa tu pod XWayland, gdzie pulpit decyduje, czy jego skróty, takie jak Super i Alt+Tab, nadal działają.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Klawisze nie są zablokowane, dopóki inne okno ma klawiaturę: Super, Alt+Tab i inne skróty pulpitu działają. Kliknij Kedoozle, aby znów je zablokować.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Dźwięk jest włączony.<byte value="xd"/>Tak ustawił<byte value="xd"/>dorosły.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Dźwięk jest wyłączony.<byte value="xd"/>Tak ustawił<byte value="xd"/>dorosły.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>Tryb zabawy wybiera dorosły.</translation>
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
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle jest wolny: każdy może go używać, kopiować, zmieniać i przekazywać,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>w dowolnym celu i za darmo, jeśli do każdej kopii dołączona jest licencja.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Jest dostarczany taki, jaki jest, bez żadnej gwarancji: zob. stronę Umowa licencyjna.</translation>
    </message>
</context>
</TS>
