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
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>nie można zapisać: %1 jest tylko do odczytu; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>nie można zapisać: folder %1 jest tylko do odczytu; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>nie można zapisać w %1: %2; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>nie można zapisać %1: %2; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>nie można zastąpić %1: %2; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>nie można przywrócić własnej zawartości programu</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>nie można utworzyć folderu %1; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>nie można zapisać %1; nic nie zostało zmienione</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>nie można odczytać własnej zawartości programu</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>nie można użyć %1: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>nie można użyć nagrania: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 nie istnieje</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: nie znaleziono folderu programu; wskaż go opcją --program FOLDER (folder programu i jego pliku Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>nie można utworzyć %1 jako kopii ustawień programu</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>nie można utworzyć %1 z %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, wskazany w [Modules], nie istnieje)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>nie można zachować zawartości niespakowanych klawiszy%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>nie można odczytać %1: nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 nie jest modułem zasobów (nie jest biblioteką PE z zasobami)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>nie udało się odczytać tego zdjęcia. Zapisz je jako JPEG i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>to zdjęcie jest za duże (%1 x %2 pikseli). Zapisz mniejszą kopię jako JPEG i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>nie udało się odczytać tego obrazu. Zapisz go jako JPEG lub PNG i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>ten obraz jest uszkodzony lub urwany. Skopiuj go ponownie z telefonu lub aparatu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>ten obraz jest za duży (%1 x %2 pikseli). Zapisz mniejszą kopię i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>nie udało się otworzyć tego pliku. Sprawdź, czy można go odczytać, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>ten plik jest za duży na obraz. Zapisz mniejszą kopię jako JPEG i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>ten plik jest pusty. Skopiuj obraz jeszcze raz i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>ta animacja jest za długa. Skróć ją albo zapisz jedną jej klatkę jako PNG i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>animowany PNG: pakowana jest tylko jego pierwsza klatka. Zapisz go jako animowany GIF, żeby dalej się ruszał.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>nie udało się odczytać tego dźwięku. Zapisz go jako MP3 lub WAV i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>ten dźwięk jest w formacie, którego nie da się tu odtworzyć. Zapisz go jako MP3 lub WAV i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>ten dźwięk jest uszkodzony lub urwany. Skopiuj go ponownie z telefonu lub dyktafonu albo zapisz jako MP3 lub WAV i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>ten dźwięk jest cichy. Nagraj go ponownie, bliżej mikrofonu, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>ten film nie ma dźwięku. Wybierz klip z dźwiękiem albo nagranie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>wypowiadane nazwy wymagają programu espeak-ng, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng nie ma głosu „%1” (zob. espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>nie można utworzyć folderu tymczasowego: %1</translation>
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
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Obraz:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Wzór:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Dźwięk:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>W&amp;ymawiana nazwa:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Wzór</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Wymawiana nazwa</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>własny</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>wymawiany przez komputer</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>wbudowany</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Obrazy (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Dźwięki (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Podpis:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Przywróć wbudowane dla tego klawisza</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Z pliku...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Wbudowany</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Obrazy są prostowane i nigdy nie większe, niż pokazuje je zabawa; dźwięki są przycinane, wyrównywane i skracane do pięciu sekund. Nic nie jest zapisywane, dopóki nie zapiszesz.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Ustawienia Kedoozle</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 dla klawisza %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>Nie można użyć nagrania: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>N&amp;agraj...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Na&amp;graj...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Nagraj dźwięk</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Naciśnij Nagraj i mów blisko mikrofonu. Nagrywanie kończy się samo po %1 sekundach; cisza przed i po zostaje pominięta.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Nagraj</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>O&amp;dtwórz</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Poziom dźwięku</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s z %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Nie udało się otworzyć żadnego mikrofonu. Sprawdź, czy jakiś jest podłączony i włączony w ustawieniach dźwięku systemu, a potem znów naciśnij Nagraj.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>System dźwięku przestał odpowiadać. To, co zostało nagrane do tej chwili, zostaje zachowane.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>System dźwięku nie odpowiada. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>Mikrofon został odłączony podczas nagrywania. To, co zostało nagrane do tej chwili, zostaje zachowane.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Komunikat systemu: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Nie można odtworzyć tego nagrania: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Ustawienia Kedoozle</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Nie można odczytać ustawień: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: losowa figura w losowych kolorach</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: wzór klawisza wewnątrz losowej figury</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: własny kształt klawisza w jego kolorze</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: obraz klawisza</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: podpis klawisza losową czcionką i jego wymówiona nazwa</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>Za&amp;bawa</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klawisze</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nuluj</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Zmiany zostają tutaj, dopóki ich nie zapiszesz; zabawa używa ich od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Tryb zabawy na starcie</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Podczas zabawy</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>Dźwięk włączony na &amp;starcie</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>&amp;Dziecko może włączać i wyłączać dźwięk</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>Dziecko może zmieniać t&amp;ryb zabawy</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>Zabawa &amp;myszą: kliknięcie lub przeciągnięcie po powierzchni też rysuje</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>R&amp;ysunki do wyczyszczenia powierzchni:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Odpoczynek po</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutach</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Czas zabawy:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Gdy czas zabawy minie, powierzchnia pokazuje spokojny obrazek odpoczynku, a klawisze i kliknięcia już nie rysują ani nie grają; drzwi wyjścia nadal działają.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Wymawiane nazwy klawiszy</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Głos programu (angielski)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Wymów nazwy klawiszy &amp;tym głosem</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Głos:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Nie zainstalowano żadnych głosów komputerowych (pakiet espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Wybierz klawisz: kliknij go albo naciśnij go na klawiaturze. Zdjęcie lub plik dźwiękowy upuszczony na klawisz trafia do tego klawisza.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Przywróć wbudowane dla wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Zapisywanie...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Nic nie zostało zapisane: %1

Twoje zmiany nadal tu są.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Zapisano. Zabawa używa nowych ustawień od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Wymawianie nazw klawiszy...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Nazwy klawiszy są wymawiane nowym głosem; Twoje własne nagrania zostają.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Przywrócić każdemu klawiszowi wbudowany obraz, wzór, dźwięk, wymawianą nazwę i podpis?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Zapisać zmiany przed zamknięciem?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Nazwy klawiszy, których nie udało się wymówić: %1. Te klawisze zachowują to, co miały.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Kedoozle nie uruchamia zabawy, dopóki to okno jest otwarte: zamknij je, a potem uruchom Kedoozle ponownie.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>„%1” to nie TYP:NAZWA=PLIK (brak &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>„%1” to nie TYP:NAZWA=PLIK (brak &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>„%1” nie wskazuje pliku</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>nie można odczytać manifestu %1: to folder</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>nie można odczytać manifestu %1: nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>nie można odczytać manifestu %1: błąd odczytu</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build wymaga pliku wyjściowego: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>nieznana opcja %1 dla build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argument %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build wymaga co najmniej jednego TYPE:NAME=FILE lub --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>manifest nie wymienia żadnych zasobów</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind musi mieć wartość patterns lub pictures, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>nieznana opcja &apos;%1&apos; dla check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check przyjmuje jeden moduł, a nie &apos;%1&apos; i &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check wymaga MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>brak obrazu</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>to nie plik WAVE</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>za krótki blok formatu</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>to nie próbki PCM (format %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>nieodtwarzalny format (%1 kanałów, %2 Hz, %3 bitów)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>brak bloku formatu przed próbkami</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>brak próbek</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>brak bloku formatu</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>nie można odczytać %1: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: to nie obraz (brak sygnatury mapy bitowej, GIF, JPEG ani metapliku)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (kod typu %1, ale dane to %2, kod typu %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: brak zasobów obrazów RCDATA i dźwięków WAVE</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n obraz</numerusform>
            <numerusform>%n obrazy</numerusform>
            <numerusform>%n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n dźwięk</numerusform>
            <numerusform>%n dźwięki</numerusform>
            <numerusform>%n dźwięków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract przyjmuje MODULE.dll TYPE NAME OUT lub MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>nie znaleziono zasobu %1:%2 w %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>liczba %1 jest poza zakresem (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>liczba 0 nie jest prawidłowym identyfikatorem zasobu</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>pusty typ zasobu</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>pusta nazwa zasobu</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>typ zasobu „%1” zaczyna się od #, ale nie jest liczbą</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>nazwa zasobu „%1” zaczyna się od #, ale nie jest liczbą</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>nie można odczytać %1: to folder</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>nie można odczytać %1: błąd odczytu</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>nie można zastąpić pliku</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>nie można odczytać %1: nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 nie jest modułem zasobów (nie jest biblioteką PE z zasobami)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list przyjmuje jeden moduł: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help wyświetla polecenia)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>nie podano polecenia (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: nieznana opcja %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack wymaga FOLDER i OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie plik</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>nieznana nazwa klawisza „%1”</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>klawisz %1 ma już %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak wymaga programu espeak-ng, który nie jest zainstalowany</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng nie ma głosu „%1” (zob. espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>klawisz %1 wymówiony</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 nie jest folderem programu: nie ma w nim Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Spakowano: obrazy %1, wzory %2, dźwięki %3, wymawiane nazwy %4</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Pominięte pliki: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Moduły:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>żaden nie zapisany: nie ma czego pakować</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: spakowano %3, zachowano %4 z %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>nie można odczytać folderu do spakowania %1: to nie folder</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Ustawienia utworzone jako kopia %1 i zaktualizowane: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Ustawienia zaktualizowane: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Ustawienia bez zmian (brak --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Gotowe w %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>kod typu &apos;%1&apos; nie jest liczbą (0 mapa bitowa, 1 GIF, 2 JPEG, 3 metaplik, 4 ikona)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>nie można zakodować %1 jako PNG</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>obraz %1 jest za duży do narysowania: %2 x %3 pikseli (najwyżej %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render wymaga FILE OUT.png lub MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>mapa bitowa</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>metaplik</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>ikona</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>obraz</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>wzór</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>dźwięk</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>wymawiana nazwa</translation>
    </message>
</context>
</TS>
