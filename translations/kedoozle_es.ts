<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>Imagen GIF</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>Error JPEG n.º %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Archivo de imagen JPEG</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Archivo: %s<byte value="xd"/>Modo:    %-15s Carpeta: %s<byte value="xd"/>Tecla:   %-15s Ruta: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Recurso: %s<byte value="xd"/>Modo:    %-15s Carpeta: %s<byte value="xd"/>Tecla:   %-15s Ruta: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>¿Quiere salir de Kedoozle?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Acerca de Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Versión 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 Desarrolladores de Kedoozle</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Soporte técnico por correo electrónico:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>La imagen del icono no es válida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>El metarchivo no es válido</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Extensión de archivo de imagen desconocida (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>No se encontró el recurso %s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>No se puede abrir el archivo %s</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>No se puede asignar un %s a un %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>No se puede escribir en %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Código de tipo de imagen desconocido %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>La imagen %s está vacía</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Índice de pestaña fuera de los límites</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Índice de lista fuera de los límites (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Teclas no bloqueadas: este escritorio no permite que Kedoozle retenga sus atajos. Super, Alt+Tab y los demás atajos del escritorio siguen funcionando.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>Las teclas ya no están bloqueadas: el escritorio recuperó sus atajos. Super, Alt+Tab y los demás atajos del escritorio vuelven a funcionar.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>Las teclas vuelven a estar bloqueadas.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Haga clic aquí para cambiar al modo de juego ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Haga clic aquí para cambiar al modo de juego PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Haga clic aquí para cambiar al modo de juego ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Haga clic aquí para cambiar al modo de juego PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Haga clic aquí para cambiar al modo de juego KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>Sonido activado.<byte value="xd"/>Haga clic aquí para<byte value="xd"/>desactivarlo.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>Sonido desactivado.<byte value="xd"/>Haga clic aquí para<byte value="xd"/>activarlo.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Haga clic aquí para ver más información sobre Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Haga clic aquí para<byte value="xd"/>salir de Kedoozle.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>¡Hola, peque! ¡A jugar!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>teclas no bloqueadas</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Firma GIF no válida</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Fin prematuro de los datos</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Tipo de extensión desconocido</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introductor de extensión no válido</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Error interno: la instancia de extensión no coincide con la etiqueta de extensión</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Tamaño de bloque de extensión de aplicación no admitido</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Datos GIF no válidos</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Entrada circular en la tabla del decodificador</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>No se pudo asignar memoria para el DIB del GIF</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>La imagen está vacía</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>La tabla de colores está vacía</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>No hay ninguna tabla de colores global ni local definida</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Tipo de bloque GIF desconocido</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>La imagen supera el tamaño de la pantalla lógica</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Subdesbordamiento del búfer de bits del decodificador</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Final de imagen no válido</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Índice de color no válido</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Libre de usar, copiar, modificar y compartir.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Teclas no bloqueadas: el escritorio no permitió a Kedoozle retener sus atajos. Para permitirlo: Configuración de GNOME, Aplicaciones, Kedoozle, Inhibir atajos.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>Puede que las teclas no estén bloqueadas: Kedoozle funciona aquí en XWayland, donde el escritorio decide si sus atajos, como Super y Alt+Tab, siguen funcionando.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>Las teclas no están bloqueadas mientras otra ventana tenga el teclado: Super, Alt+Tab y los demás atajos del escritorio funcionan. Haga clic en Kedoozle para bloquearlas de nuevo.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Sonido activado.<byte value="xd"/>Un adulto lo ha<byte value="xd"/>dejado así.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>Sonido desactivado.<byte value="xd"/>Un adulto lo ha<byte value="xd"/>dejado así.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>El modo de juego lo elige un adulto.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>no se puede guardar: %1 es de solo lectura; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>no se puede guardar: la carpeta %1 es de solo lectura; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>no se puede guardar en %1: %2; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>no se puede escribir %1: %2; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>no se puede sustituir %1: %2; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>no se puede restaurar el contenido propio del programa</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>no se puede crear la carpeta %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>no se puede escribir %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>no se puede leer el contenido propio del programa</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>no se puede usar %1: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>no se puede usar la grabación: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 no existe</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: no se ha encontrado la carpeta del programa; indíquela con --program CARPETA (la carpeta del programa y de su Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>no se puede crear %1 como copia de la configuración del programa</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>no se puede crear %1 a partir de %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, que nombra [Modules], no existe)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>no se puede conservar el contenido de las teclas no empaquetadas%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>no se puede leer %1: no existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 no es un módulo de recursos (no es una biblioteca PE con recursos)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>no se ha podido leer esta foto. Guárdela como JPEG y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>esta foto es demasiado grande (%1 x %2 píxeles). Guarde una copia más pequeña como JPEG y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>no se ha podido leer esta imagen. Guárdela como JPEG o PNG y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>esta imagen está dañada o cortada. Cópiela de nuevo desde el teléfono o la cámara y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>esta imagen es demasiado grande (%1 x %2 píxeles). Guarde una copia más pequeña y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>no se ha podido abrir este archivo. Compruebe que se puede leer y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>este archivo es demasiado grande para una imagen. Guarde una copia más pequeña como JPEG y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>este archivo está vacío. Copie la imagen de nuevo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>esta animación es demasiado larga. Acórtela, o guarde una sola imagen de ella como PNG, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>un PNG animado: solo se empaqueta su primer fotograma. Guárdelo como GIF animado para que siga moviéndose.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>no se ha podido leer este sonido. Guárdelo como MP3 o WAV y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>este sonido es de un tipo que no se puede reproducir aquí. Guárdelo como MP3 o WAV y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>este sonido está dañado o cortado. Cópielo de nuevo desde el teléfono o la grabadora, o guárdelo como MP3 o WAV, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>este sonido está en silencio. Grábelo de nuevo, más cerca del micrófono, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>este vídeo no tiene sonido. Elija un clip con sonido, o una grabación, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>los nombres hablados necesitan espeak-ng, que no está instalado</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng no tiene la voz «%1» (vea espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>no se puede crear una carpeta temporal: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>Kedoozle es libre: cualquiera puede usarlo, copiarlo, modificarlo y compartirlo,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>para cualquier fin y gratis, siempre que la licencia acompañe a cada copia.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Se entrega tal cual, sin ninguna garantía: vea la página Acuerdo de licencia.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Imagen:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>&amp;Sonido:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>&amp;Nombre hablado:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Nombre hablado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>propio</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>hablado por el ordenador</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>de serie</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Sonidos (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Etiqueta:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Restaurar lo de serie en esta tecla</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Desde un archivo...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>De serie</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>Las imágenes se enderezan y nunca son más grandes de lo que el juego muestra; los sonidos se recortan, se igualan y se limitan a cinco segundos. No se escribe nada hasta que guarde.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Configuración de Kedoozle</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 para la tecla %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>La grabación no se puede usar: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>G&amp;rabar...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Gr&amp;abar...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Grabar un sonido</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Pulse Grabar y hable cerca del micrófono. La grabación se detiene sola al cabo de %1 segundos; el silencio de antes y de después se quita.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Nivel de sonido</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s de %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>No se ha podido abrir ningún micrófono. Compruebe que hay uno conectado y activado en la configuración de sonido del sistema y vuelva a pulsar Grabar.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>El sistema de sonido ha dejado de responder. Lo grabado hasta entonces se conserva.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>El sistema de sonido no responde. Inténtelo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>El micrófono se ha desconectado durante la grabación. Lo grabado hasta entonces se conserva.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(El sistema dice: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Esta grabación no se puede reproducir: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Configuración de Kedoozle</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>No se puede leer la configuración: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: una figura al azar en colores al azar</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: el patrón de la tecla dentro de una figura al azar</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: la forma propia de la tecla en su color</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: la imagen de la tecla</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: la etiqueta de la tecla en un tipo de letra al azar, y su nombre hablado</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>Los cambios se quedan aquí hasta que los guarde; el juego los usa desde su próximo inicio.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Modo de juego al empezar</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Durante el juego</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>&amp;Sonido activado al empezar</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>El niño puede activar y desactivar el s&amp;onido</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>El niño puede cambiar el &amp;modo de juego</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>J&amp;uego con el ratón: un clic o un arrastre sobre la superficie también dibuja</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>&amp;Dibujos antes de que la superficie se borre:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>Desca&amp;nso tras</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tiempo de juego:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Cuando se acaba el tiempo de juego, la superficie muestra una imagen tranquila de descanso y las teclas y los clics ya no dibujan ni suenan; la puerta de salida sigue funcionando.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Nombres de teclas hablados</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>La del programa (inglés)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>Deci&amp;r los nombres de las teclas con esta voz</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>No hay voces de ordenador instaladas (el paquete espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Elija una tecla: haga clic en ella o púlsela en el teclado. Una foto o un archivo de sonido que se suelte sobre una tecla va a esa tecla.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Restaurar lo de serie en todas las teclas</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>No se ha guardado nada: %1

Sus cambios siguen aquí.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Guardado. El juego usa la nueva configuración desde su próximo inicio.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Diciendo los nombres de las teclas...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Los nombres de las teclas se dicen con la nueva voz; sus propias grabaciones se quedan.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>¿Devolver a cada tecla su imagen, patrón, sonido, nombre hablado y etiqueta de serie?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>¿Guardar los cambios antes de cerrar?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Nombres de teclas que no se han podido decir: %1. Esas teclas conservan lo que tenían.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>Kedoozle no inicia el juego mientras esta ventana esté abierta: ciérrela y vuelva a iniciar Kedoozle.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>«%1» no es TIPO:NOMBRE=ARCHIVO (falta &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>«%1» no es TIPO:NOMBRE=ARCHIVO (falta &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>«%1» no nombra ningún archivo</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>no se puede leer el manifiesto %1: es una carpeta</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>no se puede leer el manifiesto %1: no existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>no se puede leer el manifiesto %1: error de lectura</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build necesita un archivo de salida: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>opción desconocida %1 para build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argumento %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build necesita al menos un TYPE:NAME=FILE o --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>el manifiesto no lista ningún recurso</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind debe ser patterns o pictures, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>opción desconocida &apos;%1&apos; para check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check toma un solo módulo, no &apos;%1&apos; y &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check necesita MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>ninguna imagen</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>no es un archivo WAVE</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>bloque de formato demasiado corto</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>no son muestras PCM (formato %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>formato no reproducible (%1 canales, %2 Hz, %3 bits)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>no hay bloque de formato antes de las muestras</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>no hay muestras</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>no hay bloque de formato</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>no se puede leer %1: no existe el archivo</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: no es una imagen (sin firma de mapa de bits, GIF, JPEG o metarchivo)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (código de tipo %1, pero los datos son %2, código de tipo %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: no hay recursos de imagen RCDATA ni de sonido WAVE</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sonido</numerusform>
            <numerusform>%n sonidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n fallo</numerusform>
            <numerusform>%n fallos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract toma MODULE.dll TYPE NAME OUT, o MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>recurso %1:%2 no encontrado en %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version no admite argumentos</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>el número %1 está fuera de rango (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>el número 0 no es un identificador de recurso válido</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>tipo de recurso vacío</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>nombre de recurso vacío</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>el tipo de recurso «%1» empieza por # pero no es un número</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>el nombre de recurso «%1» empieza por # pero no es un número</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>no se puede leer %1: es una carpeta</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>no se puede leer %1: error de lectura</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>no se puede sustituir el archivo</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>no se puede leer %1: no existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 no es un módulo de recursos (no es una biblioteca PE con recursos)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list toma un solo módulo: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help lista los comandos)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>no se ha dado ningún comando (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: opción desconocida %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack necesita FOLDER y OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>nombre de tecla desconocido «%1»</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>la tecla %1 ya tiene %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak necesita espeak-ng, que no está instalado</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>espeak-ng no tiene la voz «%1» (vea espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>tecla %1 hablada</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 no es la carpeta del programa: no tiene Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Empaquetado: %1 imágenes, %2 patrones, %3 sonidos, %4 nombres hablados</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Archivos omitidos: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Módulos:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>ninguno escrito: nada que empaquetar</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 empaquetados, %4 conservados de %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>no se puede leer la carpeta a empaquetar %1: no es una carpeta</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Configuración creada como copia de %1 y actualizada: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Configuración actualizada: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Configuración sin cambios (sin --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Hecho en %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>el código de tipo &apos;%1&apos; no es un número (0 mapa de bits, 1 GIF, 2 JPEG, 3 metarchivo, 4 icono)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>no se puede codificar %1 como PNG</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>la imagen %1 es demasiado grande para dibujarla: %2 x %3 píxeles (como mucho %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render necesita FILE OUT.png, o MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>un mapa de bits</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>un GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>un JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>un metarchivo</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>un icono</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>patrón</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>nombre hablado</translation>
    </message>
</context>
</TS>
