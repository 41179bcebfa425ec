<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>GIF resmi</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>JPEG hatası #%d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>JPEG resim dosyası</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Dosya:  %s<byte value="xd"/>Mod:    %-15s Klasör: %s<byte value="xd"/>Tuş:    %-15s Yol: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Kaynak: %s<byte value="xd"/>Mod:    %-15s Klasör: %s<byte value="xd"/>Tuş:    %-15s Yol: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Kedoozle&apos;dan çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Kedoozle hakkında</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Telif hakkı</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lisans sözleşmesi</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Sürüm 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Telif hakkı © 2026 Kedoozle geliştiricileri</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Teknik destek için e-posta adresi:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap resmi geçersiz</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Simge resmi geçersiz</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Meta dosyası geçersiz</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Bilinmeyen resim dosyası uzantısı (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>%s kaynağı bulunamadı</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>%s dosyası açılamıyor</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>%s, %s öğesine atanamaz</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>%s dosyasına yazılamıyor</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Bilinmeyen resim türü kodu %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>%s resmi boş</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Sekme dizini sınırların dışında</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Liste dizini sınırların dışında (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Tuşlar kilitli değil: bu masaüstü, Kedoozle&apos;ın kısayollarını engellemesine izin vermiyor. Super, Alt+Tab ve masaüstünün diğer kısayolları hâlâ çalışıyor.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Tuşlar artık kilitli değil: masaüstü kısayollarını geri aldı. Super, Alt+Tab ve masaüstünün diğer kısayolları yeniden çalışıyor.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Tuşlar yeniden kilitlendi.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>ClassicType oyun moduna geçmek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>PatternType oyun moduna geçmek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>ShapeType oyun moduna geçmek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>PictureType oyun moduna geçmek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>KeyType oyun moduna geçmek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Ses açık.<byte value="xd"/>Sesi kapatmak için<byte value="xd"/>buraya tıklayın.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Ses kapalı.<byte value="xd"/>Sesi açmak için<byte value="xd"/>buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Kedoozle hakkında daha fazla bilgi için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Kedoozle&apos;dan çıkmak<byte value="xd"/>için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Merhaba minik! Hadi oynayalım!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>tuşlar kilitli değil</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Geçersiz GIF imzası</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Veri beklenenden önce bitti</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Bilinmeyen uzantı türü</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Geçersiz uzantı başlangıcı</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>İç hata: uzantı örneği uzantı etiketiyle eşleşmiyor</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Desteklenmeyen uygulama uzantısı blok boyutu</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Geçersiz GIF verisi</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Kod çözücü tablosunda döngüsel girdi</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>GIF DIB için bellek ayrılamadı</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Resim boş</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>Renk tablosu boş</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Genel veya yerel renk tablosu tanımlanmamış</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Bilinmeyen GIF blok türü</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>Resim mantıksal ekran boyutunu aşıyor</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Kod çözücü bit arabelleği boşaldı</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Geçersiz resim sonu</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Geçersiz renk dizini</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Serbestçe kullanılır ve paylaşılır.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Tuşlar kilitli değil: masaüstü Kedoozle&apos;a kısayolları vermedi. İzin için: GNOME Ayarları, Uygulamalar, Kedoozle, Sistem kısayollarını engelle.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Tuşlar kilitli olmayabilir: Kedoozle burada XWayland altında çalışıyor; Super ve Alt+Tab gibi kısayolların çalışıp çalışmayacağına masaüstü karar verir.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Başka bir pencere klavyeyi tuttuğu sürece tuşlar kilitli değil: Super, Alt+Tab ve masaüstünün diğer kısayolları çalışır. Yeniden kilitlemek için Kedoozle&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Ses açık.<byte value="xd"/>Bunu bir yetişkin<byte value="xd"/>ayarladı.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Ses kapalı.<byte value="xd"/>Bunu bir yetişkin<byte value="xd"/>ayarladı.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>Oyun modunu bir yetişkin seçer.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>kaydedilemiyor: %1 salt okunur; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>kaydedilemiyor: %1 klasörü salt okunur; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>%1 içine kaydedilemiyor: %2; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>%1 yazılamıyor: %2; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>%1 değiştirilemiyor: %2; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>programın kendi içeriği geri yüklenemiyor</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>%1 klasörü oluşturulamıyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>%1 yazılamıyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>programın kendi içeriği okunamıyor</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 kullanılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>kayıt kullanılamıyor: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 yok</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: programın klasörü bulunamadı; --program KLASÖR ile belirtin (programın ve Kedoozle.ini dosyasının klasörü)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>%1, programın ayarlarının kopyası olarak oluşturulamıyor</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>%1, %2 dosyasından oluşturulamıyor</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, [Modules] bölümünde adı geçen, yok)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>paketlenmeyen tuşların içeriği korunamıyor%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>%1 okunamıyor: Böyle bir dosya ya da dizin yok</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 bir kaynak modülü değil (kaynak içeren bir PE kitaplığı değil)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>bu fotoğraf okunamadı. JPEG olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>bu fotoğraf çok büyük (%1 x %2 piksel). Daha küçük bir kopyasını JPEG olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>bu resim okunamadı. JPEG ya da PNG olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>bu resim bozuk ya da yarım. Telefondan ya da fotoğraf makinesinden yeniden kopyalayıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>bu resim çok büyük (%1 x %2 piksel). Daha küçük bir kopyasını kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>bu dosya açılamadı. Okunabildiğini denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>bu dosya bir resim için çok büyük. Daha küçük bir kopyasını JPEG olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>bu dosya boş. Resmi yeniden kopyalayıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>bu animasyon çok uzun. Kısaltın ya da bir karesini PNG olarak kaydedin ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>animasyonlu bir PNG: yalnızca ilk karesi paketlendi. Hareketli kalması için animasyonlu GIF olarak kaydedin.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>bu ses okunamadı. MP3 ya da WAV olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>bu ses burada çalınamayan bir türde. MP3 ya da WAV olarak kaydedip yeniden deneyin.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>bu ses bozuk ya da yarım. Telefondan ya da ses kaydedicisinden yeniden kopyalayın ya da MP3 veya WAV olarak kaydedin ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>bu ses sessiz. Mikrofona daha yakın yeniden kaydedip tekrar deneyin.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>bu videonun sesi yok. Sesli bir klip ya da bir kayıt seçip yeniden deneyin.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>söylenen adlar için espeak-ng gerekir, ama kurulu değil</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng&apos;de &quot;%1&quot; sesi yok (bkz. espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>geçici klasör oluşturulamıyor: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle özgürdür: herkes onu her amaçla ve ücretsiz kullanabilir, kopyalayabilir,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>değiştirebilir ve paylaşabilir; yeter ki lisans notu her kopyayla birlikte gitsin.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Olduğu gibi, hiçbir garanti olmadan gelir: Lisans sözleşmesi sayfasına bakın.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Resim:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Desen:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Ses:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>Söylenen &amp;ad:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Desen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Söylenen ad</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>sizin</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>bilgisayarın söylediği</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>yerleşik</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Resimler (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Sesler (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Etiket:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Bu tuşu yerleşik haline döndür</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Dinle</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Dosyadan...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Yerleşik</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Resimler düzeltilir ve oyunun gösterdiğinden büyük yapılmaz; sesler kırpılır, dengelenir ve beş saniyeyle sınırlanır. Siz kaydedene kadar hiçbir şey yazılmaz.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>%1 tuşu</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle Ayarları</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%2 tuşu için %1</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>Kayıt kullanılamıyor: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>Kayıt &amp;yap...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Kayıt ya&amp;p...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Ses kaydı yap</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Kayıt yap düğmesine basın ve mikrofona yakın konuşun. Kayıt %1 saniye sonra kendiliğinden durur; önceki ve sonraki sessizlik atılır.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Kayıt yap</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Dinle</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>D&amp;urdur</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 sn / %2 sn</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Hiçbir mikrofon açılamadı. Bir mikrofonun takılı olduğunu ve sistemin ses ayarlarında açık olduğunu denetleyin, sonra Kayıt yap düğmesine yeniden basın.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>Ses sistemi yanıt vermeyi kesti. O ana kadar kaydedilenler saklanır.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>Ses sistemi yanıt vermiyor. Biraz sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>Mikrofonun bağlantısı kayıt sırasında kesildi. O ana kadar kaydedilenler saklanır.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(Sistemin söylediği: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Bu kayıt çalınamıyor: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Kedoozle Ayarları</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Ayarlar okunamıyor: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: rastgele renklerde rastgele bir şekil</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: rastgele bir şeklin içinde tuşun deseni</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: tuşun kendi şekli, tuşun renginde</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: tuşun resmi</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: rastgele bir yazı tipinde tuşun etiketi ve söylenen adı</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tuşlar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Değişiklikler siz kaydedene kadar burada kalır; oyun onları bir sonraki açılışından itibaren kullanır.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Başlangıçtaki oyun modu</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Oyun sırasında</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>Başla&amp;ngıçta ses açık</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>Ço&amp;cuk sesi açıp kapatabilir</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>Çocuk oyun &amp;modunu değiştirebilir</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>&amp;Fare ile oyun: yüzeye tıklamak ya da sürüklemek de çizer</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>Yüzey temizlenmeden önceki çi&amp;zim sayısı:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>&amp;Dinlenme:</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> dakika sonra</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Oyun süresi:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Oyun süresi bitince yüzey sakin bir dinlenme resmi gösterir; tuşlar ve tıklamalar artık çizmez ve ses çıkarmaz. Çıkış kapısı yine çalışır.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Söylenen tuş adları</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>Programın kendi sesi (İngilizce)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Tuş adlarını bu sesle sö&amp;ylet</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Ses:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Hiç bilgisayar sesi kurulu değil (espeak-ng paketi).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Bir tuş seçin: üzerine tıklayın ya da klavyede basın. Bir tuşun üzerine bırakılan fotoğraf ya da ses dosyası o tuşa gider.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Tüm tuşları yerleşik haline döndür</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Kaydediliyor...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Hiçbir şey kaydedilmedi: %1

Değişiklikleriniz hâlâ burada.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Kaydedildi. Oyun yeni ayarları bir sonraki açılışından itibaren kullanır.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Tuş adları söyletiliyor...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Tuş adları yeni sesle söyleniyor; kendi kayıtlarınız kalıyor.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Her tuşa yerleşik resmi, deseni, sesi, söylenen adı ve etiketi geri verilsin mi?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Kapatmadan önce değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Söylenemeyen tuş adları: %1. Bu tuşlar eskisi gibi kalır.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Bu pencere açıkken Kedoozle oyunu başlatmaz: pencereyi kapatın, sonra Kedoozle&apos;ı yeniden başlatın.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>&quot;%1&quot; TÜR:AD=DOSYA biçiminde değil (&apos;:&apos; yok)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>&quot;%1&quot; TÜR:AD=DOSYA biçiminde değil (&apos;=&apos; yok)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>&quot;%1&quot; hiçbir dosya belirtmiyor</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>%1 bildirimi okunamıyor: bir klasör</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>%1 bildirimi okunamıyor: Böyle bir dosya ya da dizin yok</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>%1 bildirimi okunamıyor: okuma hatası</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build bir çıktı dosyası ister: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest bir dosya adı ister</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>build için bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>%1. argüman</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build en az bir TYPE:NAME=FILE ya da --manifest FILE ister</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>bildirim hiçbir kaynak listelemiyor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 bir değer ister</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind patterns ya da pictures olmalı, &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>check için bilinmeyen seçenek &apos;%1&apos;</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check tek bir modül alır, &apos;%1&apos; ve &apos;%2&apos; değil</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check şunu ister: MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>resim yok</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>WAVE dosyası değil</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>biçim öbeği çok kısa</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>PCM örnekleri değil (biçim %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>çalınamayan biçim (%1 kanal, %2 Hz, %3 bit)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>örneklerden önce biçim öbeği yok</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>örnek yok</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>biçim öbeği yok</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>%1 okunamıyor: Böyle bir dosya yok</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: resim değil (bitmap, GIF, JPEG ya da meta dosya imzası yok)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (tür kodu %1, ama veri %2, tür kodu %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: RCDATA resim ya da WAVE ses kaynağı yok</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n resim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n ses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n hata</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract şunu alır: MODULE.dll TYPE NAME OUT ya da MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>%1:%2 kaynağı %3 içinde bulunamadı</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version argüman almaz</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>%1 sayısı aralığın dışında (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>0 sayısı geçerli bir kaynak kimliği değil</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>boş kaynak türü</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>boş kaynak adı</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>&quot;%1&quot; kaynak türü # ile başlıyor ama bir sayı değil</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>&quot;%1&quot; kaynak adı # ile başlıyor ama bir sayı değil</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>%1 okunamıyor: bir klasör</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>%1 okunamıyor: okuma hatası</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>dosya değiştirilemiyor</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>%1 okunamıyor: Böyle bir dosya ya da dizin yok</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 bir kaynak modülü değil (kaynak içeren bir PE kitaplığı değil)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list tek bir modül alır: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help komutları listeler)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>komut verilmedi (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>bilinmeyen seçenek &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>bilinmeyen komut &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack, FOLDER ve OUTDIR ister</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>dosya değil</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>bilinmeyen tuş adı &quot;%1&quot;</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>%1 tuşunda zaten %2 var</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak için espeak-ng gerekir, ama kurulu değil</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng&apos;de &quot;%1&quot; sesi yok (bkz. espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>%1 tuşu söylendi</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 programın klasörü değil: içinde Kedoozle.ini yok</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Paketlendi: %1 resim, %2 desen, %3 ses, %4 söylenen ad</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Atlanan dosyalar: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Modüller:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>hiçbiri yazılmadı: paketlenecek bir şey yok</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 paketlendi, %4 şuradan korundu: %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>%1 paket klasörü okunamıyor: klasör değil</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Ayarlar %1 kopyası olarak başlatıldı ve güncellendi: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Ayarlar güncellendi: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Ayarlar değişmedi (--ini yok).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>%1 sn&apos;de bitti.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>&apos;%1&apos; tür kodu bir sayı değil (0 bitmap, 1 GIF, 2 JPEG, 3 meta dosya, 4 simge)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>%1, PNG olarak kodlanamıyor</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>%1 resmi çizmek için çok büyük: %2 x %3 piksel (en çok %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render şunu ister: FILE OUT.png ya da MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>bir bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>bir GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>bir JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>bir meta dosya</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>bir simge</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>resim</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>desen</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>ses</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>söylenen ad</translation>
    </message>
</context>
</TS>
