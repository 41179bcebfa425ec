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
</TS>
