#pragma once

// Registers the picture classes with the picture holder: file extensions (bmp, dib, gif,
// jpg, jpeg, emf, wmf) and the type codes of content modules (0 bitmap, 1 GIF, 2 JPEG,
// 3 metafile).
void RegisterPictureFormats();
