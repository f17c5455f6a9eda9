#include "app/TFormMain.h"
#include "setup/Language.h"
#include "setup/Settings.h"
#include "setup/TFormInputSetName.h"
#include "setup/TFormSettingGame.h"
#include "support/InProgramFolder.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QGroupBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

const QString kCommittedTs = QStringLiteral(TESSELLA_SOURCE_DIR "/translations/tessella_en.ts");
const QRegularExpression kJapanese(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF5E}]"));

QStringList TranslatedFolders()
{
    QStringList folders;
    for (const QString& folder : QStringLiteral(TESSELLA_TRANSLATED_FOLDERS).split(QLatin1Char(',')))
        folders << QStringLiteral(TESSELLA_SOURCE_DIR "/") + folder;
    return folders;
}

struct Entry {
    QString translation;
    QString type;
};

// Every message of a .ts file by context and source text.
std::map<QString, Entry> ReadTs(const QString& path)
{
    std::map<QString, Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            Entry entry;
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entries[context + QLatin1Char('|') + source] = entry;
        }
    }
    return entries;
}

// lupdate over the sources into a copy of the committed file finds every text the code shows now.
TEST(Translations, EnglishCoversEveryTextExactly)
{
    UiApp();
    const std::map<QString, Entry> committed = ReadTs(kCommittedTs);
    ASSERT_FALSE(committed.empty());
    TempDir dir;
    const QString updated = QString::fromStdString((dir.Path() / "tessella_en.ts").string());
    ASSERT_TRUE(QFile::copy(kCommittedTs, updated));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-no-obsolete")};
    arguments << TranslatedFolders() << QStringLiteral("-ts") << updated;
    QProcess lupdate;
    lupdate.start(QStringLiteral(TESSELLA_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const auto& [key, entry] : ReadTs(updated)) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(committed.count(key), 1u) << "not in the committed .ts: run update_translations";
        EXPECT_TRUE(entry.type.isEmpty()) << entry.type.toStdString();
        EXPECT_FALSE(entry.translation.isEmpty());
        EXPECT_FALSE(entry.translation.contains(kJapanese)) << entry.translation.toStdString();
    }
    for (const auto& [key, entry] : committed)
        EXPECT_EQ(ReadTs(updated).count(key), 1u) << "no longer in the code: " << key.toStdString();
}

// lupdate sees only wrapped texts: a Japanese literal outside tr() and its kin would stay Japanese in English.
TEST(Translations, EveryJapaneseLiteralIsWrapped)
{
    const QRegularExpression literal(QStringLiteral(R"("(?:[^"\\]|\\.)*")"));
    const QRegularExpression wrapped(QStringLiteral(R"(\btr\(|translate\(|QT_TRANSLATE_NOOP|QT_TR_NOOP)"));
    // The language's own name in the language choice is Japanese in every interface.
    const QString ownName = QStringLiteral("\"日本語\"");
    QStringList unwrapped;
    for (const QString& folder : TranslatedFolders()) {
        QDirIterator files(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
            int number = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine());
                ++number;
                // A line starting with a literal continues the call of the line before it.
                const QString code = line.trimmed();
                if (code.startsWith(QLatin1String("//")) || code.startsWith(QLatin1Char('"')) || line.contains(wrapped))
                    continue;
                QString masked = line;
                for (auto it = literal.globalMatch(line); it.hasNext();) {
                    const QRegularExpressionMatch match = it.next();
                    masked.replace(match.capturedStart(), match.capturedLength(), QString(match.capturedLength(), QLatin1Char('x')));
                }
                const qsizetype comment = masked.indexOf(QLatin1String("//"));
                for (auto it = literal.globalMatch(line); it.hasNext();) {
                    const QRegularExpressionMatch match = it.next();
                    if ((comment < 0 || match.capturedStart() < comment) && match.captured().contains(kJapanese)
                        && match.captured() != ownName)
                        unwrapped << QStringLiteral("%1:%2").arg(file.fileName()).arg(number);
                }
            }
        }
    }
    EXPECT_TRUE(unwrapped.isEmpty()) << unwrapped.join(QLatin1Char('\n')).toStdString();
}

TEST(Translations, LanguageFollowsOptionThenSettingThenLocale)
{
    using Language::Code;
    struct Case {
        std::optional<Code> option;
        const char* setting;
        const char* locale;
        Code expected;
    };
    const Case cases[] = {
        {std::nullopt, "Auto", "ja_JP", Code::Japanese}, {std::nullopt, "Auto", "de_DE", Code::English},
        {std::nullopt, "Auto", "C", Code::English},      {std::nullopt, "", "ja", Code::Japanese},
        {std::nullopt, "English", "ja_JP", Code::English}, {std::nullopt, "Japanese", "en_US", Code::Japanese},
        {std::nullopt, "english", "ja_JP", Code::Japanese}, {Code::English, "Japanese", "ja_JP", Code::English},
        {Code::Japanese, "English", "en_US", Code::Japanese},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Language::Choose(c.option, c.setting, QString::fromLatin1(c.locale)), c.expected)
            << c.setting << " " << c.locale;
    EXPECT_EQ(Language::ParseOption("en"), Code::English);
    EXPECT_EQ(Language::ParseOption("ja"), Code::Japanese);
    EXPECT_EQ(Language::ParseOption("fr"), std::nullopt);
}

TEST(Translations, QtOwnTextsFollowTheLanguage)
{
    UiApp();
    {
        const Language::Translators translators = Language::Install(Language::Code::English);
        EXPECT_TRUE(translators.Loaded());
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
    const Language::Translators translators = Language::Install(Language::Code::Japanese);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}

// The main window as a start with --lang en and one in a Japanese locale show it.
TEST(Translations, MainWindowSpeaksTheChosenLanguage)
{
    UiApp();
    struct Case {
        std::optional<Language::Code> option;
        const char* locale;
        const char* pass;
        const char* firstSide;
    };
    const Case cases[] = {
        {Language::Code::English, "ja_JP", "Pass", "[First player]"},
        {std::nullopt, "ja_JP", "パス", "[先手]"},
        {std::nullopt, "en_US", "Pass", "[First player]"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const Language::Translators translators =
            Language::Install(Language::Choose(c.option, Language::kAuto, QString::fromLatin1(c.locale)));
        TFormMain window;
        EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("MenuPass"))->text(), QString::fromUtf8(c.pass));
        EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("GroupBox1stPlayer"))->title(),
                  QString::fromUtf8(c.firstSide));
    }
}

class LanguageSetting : public InProgramFolder {};

// The settings window shows the stored choice and writes the one picked; an unknown value shows as Auto.
TEST_F(LanguageSetting, RoundTripsThroughTheSettingsWindow)
{
    UiApp();
    const std::pair<const char*, const char*> cases[] = {
        {"English", "Japanese"}, {"Japanese", "Auto"}, {"Auto", "English"}, {"Klingon", "English"}};
    for (const auto& [stored, picked] : cases) {
        WindowsIni settings = Settings::Open();
        Settings::SetText(settings, Settings::kKeyLanguage, stored);
        ASSERT_EQ(Settings::Save(settings), 0);
        TFormInputSetName inputSetName;
        TFormSettingGame window(inputSetName);
        window.FormShow();
        auto* box = window.findChild<QComboBox*>(QStringLiteral("ComboBoxLanguage"));
        const std::string shown = std::string(stored) == "Klingon" ? "Auto" : stored;
        EXPECT_EQ(box->currentData().toString().toStdString(), shown);
        box->setCurrentIndex(box->findData(QString::fromLatin1(picked)));
        window.findChild<QPushButton*>(QStringLiteral("BitBtnOk"))->click();
        EXPECT_EQ(Settings::Text(Settings::Open(), Settings::kKeyLanguage), picked);
    }
}

}  // namespace
