#include "resources/ProgramResources.h"

#include "base/Exceptions.h"

#include <QFile>

namespace {

QString ResourcePath(const std::string& name) { return QStringLiteral(":/kedoozle/") + QString::fromStdString(name); }

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
    QImage image;
    if (!image.loadFromData(LoadProgramResource(name)))
        RaiseRes<EResNotFound>(Str::ResNotFound, name.c_str());
    return image;
}
