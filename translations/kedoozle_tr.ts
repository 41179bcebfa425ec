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
</TS>
