#include "setup/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Language {

std::optional<Code> ParseOption(std::string_view text)
{
    if (text == "ja")
        return Code::Japanese;
    if (text == "en")
        return Code::English;
    return std::nullopt;
}

Code Choose(std::optional<Code> option, std::string_view setting, const QString& localeName)
{
    if (option)
        return *option;
    if (setting == kJapanese)
        return Code::Japanese;
    if (setting == kEnglish)
        return Code::English;
    return localeName.startsWith(QLatin1String("ja"), Qt::CaseInsensitive) ? Code::Japanese : Code::English;
}

Translators::Translators() = default;
Translators::~Translators() = default;
Translators::Translators(Translators&&) noexcept = default;
Translators& Translators::operator=(Translators&&) noexcept = default;

Translators Install(Code code)
{
    Translators result;
    const QString name = code == Code::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
    if (code == Code::English) {
        result.program_ = std::make_unique<QTranslator>();
        result.loaded_ = result.program_->load(QStringLiteral(":/i18n/tessella_en.qm"))
                         && QCoreApplication::installTranslator(result.program_.get());
    }
    result.qt_ = std::make_unique<QTranslator>();
    if (result.qt_->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(result.qt_.get());
    return result;
}

}  // namespace Language
