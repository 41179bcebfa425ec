#include "app/Languages.h"

#include "app/ProgramPaths.h"
#include "base/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

const QString FilePrefix = QStringLiteral("kedoozle_");

std::unique_ptr<QTranslator>& CurrentTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::string TranslateTableText(const char* english)
{
    return QCoreApplication::translate("StringTable", english).toStdString();
}

// The file for `name` ("pt_BR"), or an empty text when no folder has it.
QString TranslationFile(const std::string& name)
{
    for (const std::string& folder : TranslationFolders()) {
        const QString path = QString::fromStdString(folder) + FilePrefix + QString::fromStdString(name) + ".qm";
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// The shipped language that serves `wanted` ("de-AT" -> "de", "pt-PT" -> "pt_BR"), "en" for
// English, or an empty text.
std::string ShippedFor(const QString& wanted)
{
    const QLocale locale(wanted);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return "en";
    const std::vector<std::string> shipped = ShippedLanguages();
    const auto has = [&shipped](const std::string& name) {
        return std::find(shipped.begin(), shipped.end(), name) != shipped.end();
    };
    // QLocale("de") is de_DE: the full name first only when a region was asked for.
    const std::string full = locale.name().toStdString();
    const std::string language = full.substr(0, full.find('_'));
    if (wanted.contains(QLatin1Char('-')) || wanted.contains(QLatin1Char('_'))) {
        if (has(full))
            return full;
    }
    if (has(language))
        return language;
    if (locale.language() == QLocale::Portuguese && has("pt_BR"))
        return "pt_BR";
    return {};
}

void UseEnglish()
{
    if (CurrentTranslator())
        QCoreApplication::removeTranslator(CurrentTranslator().get());
    CurrentTranslator().reset();
    SetStringTranslator(nullptr);
}

} // namespace

std::vector<std::string> TranslationFolders()
{
    // Installed, the program lives in <prefix>/lib/kedoozle/ or <prefix>/bin/, its
    // architecture-independent files in <prefix>/share/kedoozle/.
    const std::string program = ProgramFolder();
    return { program + "translations/", program + "../../share/kedoozle/translations/",
             program + "../share/kedoozle/translations/" };
}

std::vector<std::string> ShippedLanguages()
{
    std::vector<std::string> names;
    for (const std::string& folder : TranslationFolders()) {
        const QStringList files = QDir(QString::fromStdString(folder)).entryList({ FilePrefix + "*.qm" }, QDir::Files);
        for (const QString& file : files) {
            const std::string name = file.mid(FilePrefix.size(), file.size() - FilePrefix.size() - 3).toStdString();
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string UseLanguage(const QStringList& languages)
{
    for (const QString& wanted : languages) {
        const std::string name = ShippedFor(wanted);
        if (name.empty())
            continue;
        if (name == "en")
            break;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(TranslationFile(name)))
            continue;
        UseEnglish();
        QCoreApplication::installTranslator(translator.get());
        CurrentTranslator() = std::move(translator);
        SetStringTranslator(TranslateTableText);
        return name;
    }
    UseEnglish();
    return "en";
}

std::string UseDesktopLanguage() { return UseLanguage(QLocale::system().uiLanguages()); }
