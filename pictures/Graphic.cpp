#include "pictures/Graphic.h"

#include "base/Exceptions.h"
#include "base/Stream.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

namespace {

struct TFileFormat {
    std::string Extension; // lower case
    std::string Description;
    TGraphicFactory Factory;
};

std::vector<TFileFormat>& FileFormats()
{
    static std::vector<TFileFormat> formats;
    return formats;
}

std::map<int, TGraphicFactory>& TypeCodes()
{
    static std::map<int, TGraphicFactory> codes;
    return codes;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

QImage TGraphic::ToImage()
{
    RaiseRes<EConvertError>(Str::AssignError, ClassName(), "TBitmap");
}

void TGraphic::LoadFromFile(const std::string& path)
{
    TFileStream stream(path);
    LoadFromStream(stream);
}

int TPicture::Width() const { return m_graphic ? m_graphic->Width() : 0; }
int TPicture::Height() const { return m_graphic ? m_graphic->Height() : 0; }

void TPicture::Assign(const TGraphic& graphic) { m_graphic = graphic.Clone(); }

void TPicture::LoadFromFile(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty() && extension.front() == '.')
        extension.erase(0, 1);
    TGraphicFactory factory = FactoryForExtension(extension);
    if (!factory)
        RaiseRes<EInvalidGraphic>(Str::UnknownExtension, extension.c_str());
    std::unique_ptr<TGraphic> graphic = factory();
    graphic->LoadFromFile(path);
    m_graphic = std::move(graphic);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicFactory factory)
{
    auto& formats = FileFormats();
    const std::string key = Lower(extension);
    // A later registration of the same extension wins, as the framework's list does.
    formats.erase(std::remove_if(formats.begin(), formats.end(), [&](const TFileFormat& f) { return f.Extension == key; }),
                  formats.end());
    formats.push_back({ key, description, std::move(factory) });
}

void TPicture::UnregisterFileFormats() { FileFormats().clear(); }

TGraphicFactory TPicture::FactoryForExtension(const std::string& extension)
{
    const std::string key = Lower(extension);
    for (const TFileFormat& format : FileFormats()) {
        if (format.Extension == key)
            return format.Factory;
    }
    return {};
}

void TPicture::RegisterTypeCode(int typeCode, TGraphicFactory factory) { TypeCodes()[typeCode] = std::move(factory); }

TGraphicFactory TPicture::FactoryForTypeCode(int typeCode)
{
    const auto it = TypeCodes().find(typeCode);
    return it != TypeCodes().end() ? it->second : TGraphicFactory {};
}
