#include "tools/kdmodule/Render.h"

#include "base/Exceptions.h"
#include "paint/Canvas.h"
#include "pictures/Graphic.h"
#include "pictures/PictureFormats.h"
#include "play/KeyPictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace {

int ParseTypeCode(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end)
        throw TUsageError(
            FillText(TToolText::tr("type code '%1' is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)"), text));
    return value;
}

void WritePng(const QImage& image, const std::filesystem::path& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw TInputError(FillText(TToolText::tr("cannot encode %1 as PNG"), path.string()));
    const auto* first = reinterpret_cast<const std::byte*>(png.constData());
    WriteOutputFile(path, std::vector<std::byte>(first, first + png.size()));
}

// Qt's notes about the environment (no runtime folder, font fallbacks) are not about the
// picture and would bury the one line of output that is; only its fatal messages pass.
QtMessageHandler PreviousHandler = nullptr;

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    if (PreviousHandler) {
        PreviousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

TPictureSession::TPictureSession()
{
    RegisterPictureFormats();
    // A session inside another (main's) leaves the application and the messages to that one.
    if (QCoreApplication::instance())
        return;
    PreviousHandler = qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application keeps references to these for its whole life.
    static int argc = 1;
    static char name[] = "kdmodule";
    static char* argv[] = { name, nullptr };
    m_application = std::make_unique<QGuiApplication>(argc, argv);
}

TPictureSession::~TPictureSession()
{
    if (!m_application)
        return;
    m_application.reset();
    qInstallMessageHandler(PreviousHandler);
}

void LoadModulePicture(TModuleHandle module, int typeCode, const std::string& name, TPicture& picture)
{
    // The settings file stores the code in one byte; anything the byte cannot hold is
    // refused here rather than wrapped round onto another kind.
    if (typeCode < 0 || typeCode > 255 || !TPicture::FactoryForTypeCode(typeCode))
        RaiseRes<EInvalidGraphic>(Str::UnknownTypeCode, typeCode);
    LoadResPicture(module, std::uint8_t(typeCode), name, picture);
}

QImage RenderPicture(TGraphic& graphic, const std::string& what)
{
    const int width = graphic.Width();
    const int height = graphic.Height();
    if (graphic.Empty() || width <= 0 || height <= 0)
        RaiseRes<EInvalidGraphic>(Str::EmptyPicture, what.c_str());
    if (std::int64_t(width) * height > MaxRenderPixels)
        throw TInputError(FillText(TToolText::tr("picture %1 is too large to render: %2 x %3 pixels (at most %4)"), what,
                                   std::to_string(width), std::to_string(height), std::to_string(MaxRenderPixels)));
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        RaiseRes<EOutOfMemory>(Str::OutOfMemory);
    image.fill(Qt::transparent);
    {
        TCanvas canvas(&image);
        canvas.StretchDraw(Rect(0, 0, width, height), graphic);
    }
    return image;
}

int RunRender(const TArgs& args)
{
    if (args.size() != 2 && args.size() != 4)
        throw TUsageError(FillText(TToolText::tr("render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png")));
    const TPictureSession session;
    TPicture picture;
    std::string what;
    if (args.size() == 2) {
        what = args[0];
        picture.LoadFromFile(args[0]);
    } else {
        const int typeCode = ParseTypeCode(args[2]);
        const TModuleHandle module = OpenModule(args[0]);
        // The module stays open until the picture has been drawn: nothing of it is needed
        // after loading, but a failure on the way must not leak it either.
        struct TModuleGuard {
            TModuleHandle Module;
            ~TModuleGuard() { FreeLibrary(Module); }
        } guard { module };
        what = args[1];
        LoadModulePicture(module, typeCode, args[1], picture);
    }
    if (!picture.Graphic())
        RaiseRes<EInvalidGraphic>(Str::EmptyPicture, what.c_str());
    const QImage image = RenderPicture(*picture.Graphic(), what);
    WritePng(image, args.back());
    return ExitOk;
}
