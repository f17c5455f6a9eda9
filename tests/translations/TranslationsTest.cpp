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
#include <QDirIterator>
#include <QGroupBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

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

// Every finished message of a .ts file by context and source text; an unfinished or vanished one reads empty.
std::map<QString, QString> ReadTs(const QString& path)
{
    std::map<QString, QString> entries;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            entries[context + QLatin1Char('|') + source] =
                xml.attributes().hasAttribute(QLatin1String("type")) ? QString() : xml.readElementText();
    }
    return entries;
}

// lupdate over the sources into a copy of the committed file finds every text the code shows now.
TEST(Translations, EnglishCoversEveryTextExactly)
{
    const std::map<QString, QString> committed = ReadTs(kCommittedTs);
    TempDir dir;
    const QString updated = QString::fromStdString((dir.Path() / "tessella_en.ts").string());
    ASSERT_TRUE(QFile::copy(kCommittedTs, updated));
    const QStringList arguments = QStringLiteral("-silent -locations none -no-obsolete").split(QLatin1Char(' '))
                                  + TranslatedFolders() + QStringList{QStringLiteral("-ts"), updated};
    QProcess lupdate;
    lupdate.start(QStringLiteral(TESSELLA_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::map<QString, QString> found = ReadTs(updated);
    for (const auto& [key, translation] : found) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(committed.count(key), 1u) << "not in the committed .ts: run update_translations";
        EXPECT_FALSE(translation.isEmpty()) << "unfinished";
        EXPECT_FALSE(translation.contains(kJapanese)) << translation.toStdString();
    }
    EXPECT_EQ(found.size(), committed.size()) << "the committed .ts holds texts no longer in the code";
}

// lupdate sees only wrapped texts: a Japanese literal outside tr() and its kin would stay Japanese in English.
TEST(Translations, EveryJapaneseLiteralIsWrapped)
{
    const QRegularExpression literal(QStringLiteral(R"("(?:[^"\\]|\\.)*")"));
    const QRegularExpression wrapped(QStringLiteral(R"(\btr\(|translate\(|QT_TRANSLATE_NOOP|QT_TR_NOOP)"));
    // The code before a line comment, skipping a "//" inside a literal.
    const QRegularExpression live(QStringLiteral(R"(^(?:[^"/]|"(?:[^"\\]|\\.)*"|/(?!/))*)"));
    QStringList unwrapped;
    for (const QString& folder : TranslatedFolders()) {
        QDirIterator files(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (qsizetype number = 0; number < lines.size(); ++number) {
                // A line starting with a literal continues the call of the line before it.
                const QString code = lines[number].trimmed();
                if (code.startsWith(QLatin1String("//")) || code.startsWith(QLatin1Char('"')) || code.contains(wrapped))
                    continue;
                // The language's own name in the language choice is Japanese in every interface.
                for (auto it = literal.globalMatch(live.match(code).captured()); it.hasNext();) {
                    const QString text = it.next().captured();
                    if (text.contains(kJapanese) && text != QStringLiteral("\"日本語\""))
                        unwrapped << QStringLiteral("%1:%2").arg(file.fileName()).arg(number + 1);
                }
            }
        }
    }
    EXPECT_TRUE(unwrapped.isEmpty()) << unwrapped.join(QLatin1Char('\n')).toStdString();
}

// The option ("en" or "ja", anything else counts as none), then the setting, then the locale.
TEST(Translations, LanguageFollowsOptionThenSettingThenLocale)
{
    using Language::Code;
    const std::tuple<const char*, const char*, const char*, Code> cases[] = {
        {"", "Auto", "ja_JP", Code::Japanese},      {"", "Auto", "de_DE", Code::English},
        {"", "", "ja", Code::Japanese},             {"", "English", "ja_JP", Code::English},
        {"", "Japanese", "en_US", Code::Japanese},  {"", "english", "ja_JP", Code::Japanese},
        {"en", "Japanese", "ja_JP", Code::English}, {"ja", "English", "en_US", Code::Japanese},
        {"fr", "English", "ja_JP", Code::English},
    };
    for (const auto& [option, setting, locale, expected] : cases)
        EXPECT_EQ(Language::Choose(Language::ParseOption(option), setting, QString::fromLatin1(locale)), expected)
            << option << " " << setting << " " << locale;
}

// The main window and Qt's own texts speak the language installed.
TEST(Translations, MainWindowAndQtTextsSpeakTheChosenLanguage)
{
    UiApp();
    // Language, then the texts of Pass, the first side's box and Qt's Cancel.
    const std::tuple<Language::Code, const char*, const char*, const char*> cases[] = {
        {Language::Code::English, "Pass", "[First player]", "Cancel"},
        {Language::Code::Japanese, "パス", "[先手]", "キャンセル"},
    };
    for (const auto& [language, pass, firstSide, cancel] : cases) {
        const Language::Translators translators = Language::Install(language);
        TFormMain window;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(cancel));
        EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("MenuPass"))->text(), QString::fromUtf8(pass));
        EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("GroupBox1stPlayer"))->title(), QString::fromUtf8(firstSide));
    }
}

class LanguageSetting : public InProgramFolder {};

// The settings window shows the stored choice and writes the one picked; an unknown value shows as Auto.
TEST_F(LanguageSetting, RoundTripsThroughTheSettingsWindow)
{
    UiApp();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"English", "English", "Japanese"}, {"Japanese", "Japanese", "Auto"}, {"Klingon", "Auto", "English"}};
    for (const auto& [stored, shown, picked] : cases) {
        WindowsIni settings = Settings::Open();
        Settings::SetText(settings, Settings::kKeyLanguage, stored);
        ASSERT_EQ(Settings::Save(settings), 0);
        TFormInputSetName inputSetName;
        TFormSettingGame window(inputSetName);
        window.FormShow();
        auto* box = window.findChild<QComboBox*>(QStringLiteral("ComboBoxLanguage"));
        EXPECT_EQ(box->currentData().toString(), QString::fromLatin1(shown));
        box->setCurrentIndex(box->findData(QString::fromLatin1(picked)));
        window.findChild<QPushButton*>(QStringLiteral("BitBtnOk"))->click();
        EXPECT_EQ(Settings::Text(Settings::Open(), Settings::kKeyLanguage), picked);
    }
}

}  // namespace
