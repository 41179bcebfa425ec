#pragma once

#include "tools/kdmodule/KdModule.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

class QGuiApplication;
class TGraphic;
class TPicture;

// `kdmodule render`: draws a picture file, or a picture resource of a module, through the
// program's own picture classes and writes it as a PNG at its natural size.
int RunRender(const TArgs& args);

// Pieces shared with `kdmodule check`.

// The largest picture the tool paints, in pixels: a bigger claim is refused rather than
// allocated.
constexpr std::int64_t MaxRenderPixels = std::int64_t(64) * 1024 * 1024;

// Painting and fonts need a GUI application. Creates one (on the offscreen platform unless
// QT_QPA_PLATFORM names another) when none exists, registers the program's picture formats,
// and ends the application it made when it goes. Made where an application exists, it only
// registers the formats.
class TPictureSession {
public:
    TPictureSession();
    ~TPictureSession();
    TPictureSession(const TPictureSession&) = delete;
    TPictureSession& operator=(const TPictureSession&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_application;
};

// Fills `picture` from the module's raw-data resource `name`, read as the picture kind of
// `typeCode` the way the play surface reads it. A code that names no picture kind raises
// EInvalidGraphic "Unknown picture type code %d".
void LoadModulePicture(TModuleHandle module, int typeCode, const std::string& name, TPicture& picture);

// Draws the picture scaled to its own size onto a transparent image, so transparent GIF
// pixels stay transparent. Raises an error naming `what` when the picture has no pixels or
// is larger than MaxRenderPixels; decoding errors of the picture pass on.
QImage RenderPicture(TGraphic& graphic, const std::string& what);
