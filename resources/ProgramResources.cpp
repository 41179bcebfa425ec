#include "resources/ProgramResources.h"

#include "base/Exceptions.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

QString ResourcePath(const std::string& name) { return QStringLiteral(":/kedoozle/") + QString::fromStdString(name); }

// The format of a picture by its first bytes, or empty.
QByteArray PictureFormat(const QByteArray& data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return "PNG";
    if (data.startsWith("BM"))
        return "BMP";
    return {};
}

} // namespace

bool ProgramResourceExists(const std::string& name) { return QFile::exists(ResourcePath(name)); }

QByteArray LoadProgramResource(const std::string& name)
{
    QFile file(ResourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        RaiseRes<EResNotFound>(Str::ResNotFound, name.c_str());
    return file.readAll();
}

QImage LoadProgramBitmap(const std::string& name)
{
    QByteArray data = LoadProgramResource(name);
    QBuffer buffer(&data);
    const QByteArray format = PictureFormat(data);
    QImageReader reader(&buffer, format);
    // A picture of a known format goes to the toolkit's own reader at once; left to guess,
    // the toolkit would load every picture plug-in on the system (and the libraries they
    // need, a megabyte or more) only to ask each whether it knows the picture.
    reader.setAutoDetectImageFormat(format.isEmpty());
    QImage image;
    if (!reader.read(&image))
        RaiseRes<EResNotFound>(Str::ResNotFound, name.c_str());
    return image;
}
