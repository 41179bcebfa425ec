#include "familycontent/FamilySettings.h"

#include "app/ProgramPaths.h"
#include "base/IniFile.h"
#include "familycontent/ContentError.h"
#include "familycontent/PackPicture.h"
#include "familycontent/PackSound.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr const char* SettingsFileTitle = "Kedoozle.ini";

using TResources = std::map<std::string, std::vector<std::byte>>;

std::string Upper(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

TResources ReadResources(const fs::path& module)
{
    TResources resources;
    for (TPEResource& resource : KeptResources(module, {}))
        if (resource.Name.IsName())
            resources.emplace(Upper(resource.Name.Name), std::move(resource.Data));
    return resources;
}

// A key's content as `ini` and the modules give it.
TFamilyKey ReadKey(const TIniFile& ini, const std::array<TResources, ContentKindCount>& modules, int entry)
{
    const std::string section = std::to_string(entry);
    TFamilyKey key;
    key.Caption = ini.ReadString(section, "KeyName", "");
    key.Shape = ini.ReadInteger(section, "Shape", 0);
    key.ShapeColorIndex = ini.ReadInteger(section, "ShapeColorIndex", 0);
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        const TContentKindInfo& info = ContentKind(kind);
        TKeyPart& part = key.Parts[std::size_t(kind)];
        const auto found = modules[std::size_t(kind)].find(info.Prefix + section);
        if (found != modules[std::size_t(kind)].end())
            part.Data = found->second;
        part.File = ini.ReadString(section, info.FileKey, "");
        if (info.TypeKey)
            part.TypeCode = ini.ReadInteger(section, info.TypeKey, 0);
    }
    return key;
}

bool SameContent(const TKeyPart& a, const TKeyPart& b)
{
    return a.Data == b.Data && a.TypeCode == b.TypeCode && a.File == b.File;
}

} // namespace

TFamilyPaths TFamilySettings::PathsForThisUser()
{
    TFamilyPaths paths;
    paths.ProgramFolder = DataFolder();
    paths.SettingsFile = SettingsFilePath();
    paths.ModulesFolder = paths.SettingsFile.parent_path();
    // Portable, the settings live in the program's folder, beside its own modules.
    paths.ModulePrefix = IsPortable() ? "My" : "";
    return paths;
}

TFamilySettings::TFamilySettings(TFamilyPaths paths)
    : m_paths(std::move(paths))
{
}

TFamilySettings::~TFamilySettings() = default;

void TFamilySettings::Load()
{
    const TPackBase base(m_paths.ProgramFolder);
    const fs::path programIni = base.ProgramSettingsFile(
        TContentText::tr("cannot read the program's own content").toStdString());
    TIniFile builtInIni(programIni.string());
    std::error_code error;
    const bool own = fs::exists(m_paths.SettingsFile, error);
    auto ini = std::make_unique<TIniFile>(own ? m_paths.SettingsFile.string() : programIni.string());

    std::array<TResources, ContentKindCount> builtInModules;
    std::array<TResources, ContentKindCount> currentModules;
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        const TContentKindInfo& info = ContentKind(kind);
        const fs::path builtIn = base.BuiltInModule(info.Module,
            TContentText::tr("cannot read the program's own content").toStdString());
        const fs::path current =
            base.CurrentModule(ini.get(), m_paths.ModulesFolder, info.ModulesKey, (m_paths.ModulePrefix + info.Module).c_str());
        builtInModules[std::size_t(kind)] = ReadResources(builtIn);
        currentModules[std::size_t(kind)] =
            fs::equivalent(builtIn, current, error) ? builtInModules[std::size_t(kind)] : ReadResources(current);
    }
    for (int entry = 1; entry <= 88; ++entry) {
        const TFamilyKey builtIn = ReadKey(builtInIni, builtInModules, entry);
        TFamilyKey key = ReadKey(*ini, currentModules, entry);
        key.CaptionBuiltIn = key.Caption == builtIn.Caption;
        const bool spoken = !ini->ReadString(std::to_string(entry), EntryVoiceKey, "").empty();
        for (int kind = 0; kind < ContentKindCount; ++kind) {
            TKeyPart& part = key.Parts[std::size_t(kind)];
            if (SameContent(part, builtIn.Parts[std::size_t(kind)]))
                part.Origin = TContentOrigin::BuiltIn;
            else
                part.Origin = kind == KindSpoken && spoken ? TContentOrigin::Voice : TContentOrigin::Family;
        }
        m_builtIn[std::size_t(entry - 1)] = builtIn;
        m_loaded[std::size_t(entry - 1)] = key;
    }
    m_keys = m_loaded;
    m_changes = {};
    m_settingChanges.clear();
    m_ini = std::move(ini);
}

std::string TFamilySettings::Setting(const std::string& key, const std::string& defaultValue) const
{
    for (const auto& [changed, value] : m_settingChanges)
        if (Upper(changed) == Upper(key))
            return value;
    return m_ini ? m_ini->ReadString("Settings", key, defaultValue) : defaultValue;
}

void TFamilySettings::SetSetting(const std::string& key, const std::string& value)
{
    std::erase_if(m_settingChanges, [&](const auto& item) { return Upper(item.first) == Upper(key); });
    // A value set back to what the file holds is no change: the line stays as it is written.
    if (!m_ini || !m_ini->ValueExists("Settings", key) || m_ini->ReadString("Settings", key, "") != value)
        m_settingChanges[key] = value;
}

int TFamilySettings::IntSetting(const std::string& key, int defaultValue) const
{
    int value = defaultValue;
    return TryStrToInt(Setting(key, ""), value) ? value : defaultValue;
}

void TFamilySettings::SetIntSetting(const std::string& key, int value)
{
    // "01" or "$1" in the file already mean 1: left as the parent wrote them.
    int current = 0;
    const std::string written = m_ini ? m_ini->ReadString("Settings", key, "") : "";
    if (m_ini && m_ini->ValueExists("Settings", key) && TryStrToInt(written, current) && current == value) {
        SetSetting(key, written);
        return;
    }
    SetSetting(key, std::to_string(value));
}

bool TFamilySettings::BoolSetting(const std::string& key, bool defaultValue) const
{
    return IntSetting(key, defaultValue ? 1 : 0) != 0;
}

const TFamilyKey& TFamilySettings::Key(int entry) const { return m_keys.at(std::size_t(entry - 1)); }

const TFamilyKey& TFamilySettings::BuiltInKey(int entry) const { return m_builtIn.at(std::size_t(entry - 1)); }

TKeyPart& TFamilySettings::Part(int entry, TContentKind kind)
{
    if (entry < 1 || entry > 88 || kind < 0 || kind >= ContentKindCount)
        throw std::out_of_range("no key entry " + std::to_string(entry));
    return m_keys[std::size_t(entry - 1)].Parts[std::size_t(kind)];
}

void TFamilySettings::Replace(int entry, TContentKind kind, std::vector<std::byte> data, int typeCode,
                              TContentOrigin origin)
{
    TKeyPart& part = Part(entry, kind);
    part.Data = std::move(data);
    part.TypeCode = ContentKind(kind).TypeKey ? typeCode : -1;
    part.File.clear();
    part.Origin = origin;
    m_changes[std::size_t(entry - 1)][std::size_t(kind)] = TChange::Replace;
}

void TFamilySettings::AssignFile(int entry, TContentKind kind, const fs::path& file)
{
    Part(entry, kind); // the entry is checked before the file is read
    try {
        if (ContentKind(kind).Picture) {
            TPackedPicture picture =
                PackPicture(file, kind == KindPatterns ? TPictureUse::Pattern : TPictureUse::Picture, false);
            Replace(entry, kind, std::move(picture.Data), picture.TypeCode, TContentOrigin::Family);
        } else {
            TPackedSound sound = PackSound(file);
            Replace(entry, kind, std::move(sound.Wave), -1, TContentOrigin::Family);
        }
    } catch (const TContentError&) {
        throw;
    } catch (const std::exception& e) {
        throw TContentError(FillText(TContentText::tr("cannot use %1: %2"), file.string(), e.what()));
    }
}

void TFamilySettings::AssignSamples(int entry, TContentKind kind, std::vector<float> samples, int sampleRate)
{
    if (ContentKind(kind).Picture)
        throw std::invalid_argument("samples are a sound, not a picture");
    Part(entry, kind);
    try {
        TPackedSound sound = PackSamples(std::move(samples), sampleRate);
        Replace(entry, kind, std::move(sound.Wave), -1, TContentOrigin::Family);
    } catch (const std::exception& e) {
        throw TContentError(FillText(TContentText::tr("cannot use the recording: %1"), e.what()));
    }
}

void TFamilySettings::SetCaption(int entry, const std::string& caption)
{
    Part(entry, KindPictures);
    TFamilyKey& key = m_keys[std::size_t(entry - 1)];
    key.Caption = caption;
    key.CaptionBuiltIn = caption == m_builtIn[std::size_t(entry - 1)].Caption;
}

void TFamilySettings::RestoreBuiltIn(int entry, TContentKind kind)
{
    TKeyPart& part = Part(entry, kind);
    const TKeyPart& loaded = m_loaded[std::size_t(entry - 1)].Parts[std::size_t(kind)];
    TChange& change = m_changes[std::size_t(entry - 1)][std::size_t(kind)];
    // A key that had its own content when loaded goes back in the files; one that had not
    // just forgets the change.
    if (loaded.Origin == TContentOrigin::BuiltIn) {
        part = loaded;
        change = TChange::None;
    } else {
        part = m_builtIn[std::size_t(entry - 1)].Parts[std::size_t(kind)];
        part.Origin = TContentOrigin::BuiltIn;
        change = TChange::Restore;
    }
}

void TFamilySettings::RestoreBuiltIn(int entry)
{
    for (int kind = 0; kind < ContentKindCount; ++kind)
        RestoreBuiltIn(entry, TContentKind(kind));
    SetCaption(entry, m_builtIn[std::size_t(entry - 1)].Caption);
}

void TFamilySettings::RestoreAllBuiltIn()
{
    for (int entry = 1; entry <= 88; ++entry)
        RestoreBuiltIn(entry);
    if (!Voice().empty())
        SetSetting(VoiceKey, "");
}

void TFamilySettings::SpeakNames(const std::string& voice, std::map<int, std::string>& failures)
{
    std::map<int, std::string> captions;
    for (int entry = 1; entry <= 88; ++entry)
        if (Key(entry).Parts[KindSpoken].Origin != TContentOrigin::Family)
            captions[entry] = Key(entry).Caption;
    for (auto& [entry, name] : SpeakCaptions(voice, captions, failures))
        Replace(entry, KindSpoken, std::move(name.Wave), -1, TContentOrigin::Voice);
    SetSetting(VoiceKey, voice);
}

bool TFamilySettings::Modified() const
{
    if (!m_settingChanges.empty())
        return true;
    for (std::size_t i = 0; i < 88; ++i) {
        if (m_keys[i].Caption != m_loaded[i].Caption)
            return true;
        for (const TChange change : m_changes[i])
            if (change != TChange::None)
                return true;
    }
    return false;
}

TContentWritten TFamilySettings::Save()
{
    if (!Modified())
        return {}; // not even a settings file started
    TContentChanges changes;
    for (int entry = 1; entry <= 88; ++entry) {
        const std::size_t i = std::size_t(entry - 1);
        const std::string section = std::to_string(entry);
        for (int kind = 0; kind < ContentKindCount; ++kind) {
            const TKeyPart& part = m_keys[i].Parts[std::size_t(kind)];
            switch (m_changes[i][std::size_t(kind)]) {
            case TChange::None:
                continue;
            case TChange::Replace:
                changes.Replaced[std::size_t(kind)][entry] = { part.Data, part.TypeCode };
                break;
            case TChange::Restore:
                changes.Restored[std::size_t(kind)].insert(entry);
                break;
            }
            // which spoken names espeak-ng made, so a new voice leaves the recordings alone
            const bool made = part.Origin == TContentOrigin::Voice;
            if (kind == KindSpoken && (made || m_ini->ValueExists(section, EntryVoiceKey)))
                changes.EntryValues[entry][EntryVoiceKey] = made ? Setting(VoiceKey, "") : "";
        }
        if (m_keys[i].Caption != m_loaded[i].Caption)
            changes.Captions[entry] = m_keys[i].Caption;
    }
    changes.Settings = m_settingChanges;
    TContentTarget target;
    target.SettingsFile = m_paths.SettingsFile;
    target.ModulesFolder = m_paths.ModulesFolder;
    target.ModulePrefix = m_paths.ModulePrefix;
    const TContentWritten written = WriteContent(TPackBase(m_paths.ProgramFolder), target, changes);
    Load();
    return written;
}
