#include "app/Languages.h"

#include "app/ProgramPaths.h"
#include "base/StringTable.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <string>
#include <vector>

namespace {

const QString SourceDir = QStringLiteral(KD_SOURCE_DIR);

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The languages of translations/kedoozle_<name>.ts, sorted.
std::vector<std::string> TsLanguages()
{
    std::vector<std::string> names;
    for (const QString& file : QDir(SourceDir + "/translations").entryList({ "kedoozle_*.ts" }, QDir::Files, QDir::Name))
        names.push_back(file.mid(9, file.size() - 12).toStdString());
    return names;
}

struct TMessage {
    QString Context, Source, Translation, Type;
};

std::vector<TMessage> ReadTs(const QString& path)
{
    std::vector<TMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"source")
            messages.push_back({ context, xml.readElementText(QXmlStreamReader::IncludeChildElements), {}, {} });
        else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().Type = xml.attributes().value("type").toString();
            messages.back().Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The printf conversions of a text, in their order: "%s", "%-15s", "%zu".
QStringList Conversions(const QString& text)
{
    static const QRegularExpression conversion(QStringLiteral("%[-+#0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*[a-mo-zA-Z%]"));
    QStringList found;
    for (auto match = conversion.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    return found;
}

// Qt's placeholders of a text, sorted and each once: a translation may put "%2" before "%1",
// and a count's text says "%n" in each of its language's plural forms.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?([0-9]{1,2}|n)(?![0-9a-zA-Z])"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

class ProgramFolderOfTheBuild : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolder(KD_BINARY_DIR "/dist/"); }
    void TearDown() override
    {
        UseLanguage({});
        SetProgramFolder("");
    }
};

} // namespace

// Every shipped language translates every text the program has now, and keeps the printf
// conversions of each in their order and every %1 and %n, so a translated message formats its
// values as the English one does. lupdate, run over the sources into copies, must find nothing to change.
TEST(Translations, EveryShippedLanguageTranslatesEveryTextOfTheProgram)
{
    const std::vector<std::string> languages = TsLanguages();
    ASSERT_EQ(languages, (std::vector<std::string> { "de", "es", "fr", "it", "nl", "pl", "pt_BR", "tr" }));

    QTemporaryDir copies;
    QStringList arguments = QString(KD_LUPDATE_ARGS).split('|', Qt::SkipEmptyParts);
    arguments << "-ts";
    for (const std::string& language : languages) {
        const QString name = QString::fromStdString("kedoozle_" + language + ".ts");
        ASSERT_TRUE(QFile::copy(SourceDir + "/translations/" + name, copies.filePath(name)));
        arguments << copies.filePath(name);
    }
    QProcess lupdate;
    lupdate.setWorkingDirectory(SourceDir);
    lupdate.start(KD_LUPDATE, arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        const QString name = QString::fromStdString("kedoozle_" + language + ".ts");
        EXPECT_EQ(ReadText(copies.filePath(name)), ReadText(SourceDir + "/translations/" + name))
            << "the texts of the program changed: build the target kd_lupdate and translate what it marks";
        const std::vector<TMessage> messages = ReadTs(copies.filePath(name));
        EXPECT_GT(messages.size(), 50u);
        for (const TMessage& message : messages) {
            SCOPED_TRACE(message.Source.toStdString());
            EXPECT_TRUE(message.Type.isEmpty()) << "marked " << message.Type.toStdString();
            EXPECT_FALSE(message.Translation.trimmed().isEmpty());
            EXPECT_EQ(Conversions(message.Translation), Conversions(message.Source));
            EXPECT_EQ(Placeholders(message.Translation), Placeholders(message.Source));
        }
    }
}

// Each language is built beside the program, and the desktop's language list picks one the
// way a desktop user expects: the first wanted that is there, English ending the search.
TEST_F(ProgramFolderOfTheBuild, TheDesktopsLanguagesChooseTheTexts)
{
    EXPECT_EQ(ShippedLanguages(), TsLanguages());

    EXPECT_EQ(UseLanguage({ "de-DE", "de" }), "de");
    EXPECT_EQ(LoadStr(Str::Yes), "Ja");
    EXPECT_EQ(LoadStr(Str::ExitQuestion), "Möchten Sie Kedoozle beenden?");
    EXPECT_EQ(QCoreApplication::translate("TApplication", "Unknown error"), "Unbekannter Fehler");
    EXPECT_EQ(LoadStr(Str::AppTitle), "Kedoozle");

    EXPECT_EQ(UseLanguage({ "ja-JP", "fr-CA", "de" }), "fr");
    EXPECT_EQ(LoadStr(Str::No), "Non");
    EXPECT_EQ(UseLanguage({ "pt-PT" }), "pt_BR");
    EXPECT_EQ(LoadStr(Str::Close), "Fechar");
    EXPECT_EQ(UseLanguage({ "tr-TR" }), "tr");
    EXPECT_EQ(LoadStr(Str::No), "Hayır");

    // English first, or nothing shipped: the built-in English, also for the Qt contexts.
    EXPECT_EQ(UseLanguage({ "en-GB", "de-DE" }), "en");
    EXPECT_EQ(LoadStr(Str::Yes), "Yes");
    EXPECT_EQ(QCoreApplication::translate("TApplication", "Unknown error"), "Unknown error");
    EXPECT_EQ(UseLanguage({ "ja-JP" }), "en");
    EXPECT_EQ(UseLanguage({ "C" }), "en");
    EXPECT_EQ(LoadStr(Str::ExitQuestion), "Do you wish to Exit Kedoozle?");
}

// The menu entry and the software-centre description speak every shipped language too.
TEST(Translations, DesktopEntryAndMetainfoHaveEveryLanguage)
{
    const QString entry = ReadText(SourceDir + "/packaging/org.kedoozle.Kedoozle.desktop");
    const QString metainfo = ReadText(SourceDir + "/packaging/org.kedoozle.Kedoozle.metainfo.xml");
    ASSERT_FALSE(entry.isEmpty());
    ASSERT_FALSE(metainfo.isEmpty());
    const auto count = [](const QString& text, const QString& what) { return text.count(what); };
    const int paragraphs = count(metainfo, "<p>");
    for (const std::string& name : TsLanguages()) {
        SCOPED_TRACE(name);
        const QString language = QString::fromStdString(name);
        for (const char* key : { "GenericName", "Comment", "Keywords" })
            EXPECT_EQ(count(entry, QString("\n%1[%2]=").arg(key, language)), 1) << key;
        const QString lang = QString("xml:lang=\"%1\"").arg(language);
        EXPECT_EQ(count(metainfo, "<summary " + lang + ">"), 1);
        EXPECT_EQ(count(metainfo, "<caption " + lang + ">"), 1);
        EXPECT_EQ(count(metainfo, "<p " + lang + ">"), paragraphs);
        EXPECT_GE(count(metainfo, "<keyword " + lang + ">"), 1);
    }
}
