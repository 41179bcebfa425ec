#include "play/KeyPictures.h"

#include "base/Exceptions.h"
#include "base/StringTable.h"
#include "pictures/Graphic.h"
#include "play/KeyData.h"

#include <QCoreApplication>

#include <filesystem>
#include <memory>

namespace {

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return text;
}

std::string CurrentDirectory()
{
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

std::string TraceText(int stringId, const std::string& what, std::uint8_t mode, std::uint16_t key)
{
    const std::string programPath = QCoreApplication::applicationFilePath().toStdString();
    return Format(LoadStr(stringId).c_str(), what.c_str(), PlayModeName(mode).c_str(),
                  UpperAscii(CurrentDirectory()).c_str(), KeyTable->GetKeyName(key).c_str(), programPath.c_str());
}

} // namespace

void LoadResPicture(TModuleHandle module, std::uint8_t typeCode, const std::string& name, TPicture& picture)
{
    const TGraphicFactory factory = TPicture::FactoryForTypeCode(typeCode);
    if (!factory)
        RaiseRes<EInvalidGraphic>(Str::UnknownTypeCode, int(typeCode));
    std::unique_ptr<TGraphic> graphic = factory();
    TResourceStream stream(module, name, TResourceType::Numeric(RT_RCDATA));
    graphic->LoadFromStream(stream);
    picture.Assign(*graphic);
}

bool LoadKeyPicture(std::uint16_t key, bool pattern, const TPlayState& state, TPicture& picture, std::string& trace)
{
    const bool useRes = pattern ? KeyTable->UsePatternRes(key) : KeyTable->UsePictureRes(key);
    const std::string name = useRes ? (pattern ? KeyTable->GetPatternResName(key) : KeyTable->GetPictureResName(key))
                                    : (pattern ? KeyTable->GetPatternFile(key) : KeyTable->GetPictureFile(key));
    const int traceId = useRes ? Str::ResTrace : Str::FileTrace;
    const std::string traceName = useRes ? name : UpperAscii(name);
    try {
        if (useRes) {
            LoadResPicture(pattern ? state.Modules.Patterns : state.Modules.Pictures,
                           pattern ? KeyTable->GetPatternResType(key) : KeyTable->GetPictureResType(key), name, picture);
        } else {
            picture.LoadFromFile(name);
        }
    } catch (const EFOpenError&) {
        trace = TraceText(traceId, traceName, state.PlayMode(), key);
        return false;
    } catch (const EResNotFound&) {
        trace = TraceText(traceId, traceName, state.PlayMode(), key);
        return false;
    }
    // A picture without width or height cannot be scaled or tiled: report it like a
    // picture that was not there.
    if (picture.Width() <= 0 || picture.Height() <= 0) {
        trace = TraceText(traceId, traceName + " (empty picture)", state.PlayMode(), key);
        return false;
    }
    return true;
}
