#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string_view>

class QTranslator;

// The interface language: Japanese is the text in the code, English a translation.
namespace Language {

enum class Code { Japanese, English };

// Values of the Language key in [Tessella].
inline constexpr char kAuto[] = "Auto";
inline constexpr char kJapanese[] = "Japanese";
inline constexpr char kEnglish[] = "English";

// "ja" or "en" as given to --lang; nothing for any other text.
std::optional<Code> ParseOption(std::string_view text);
// The command line wins, then a "Japanese" or "English" setting; otherwise a
// locale name starting with "ja" gives Japanese and every other one English.
Code Choose(std::optional<Code> option, std::string_view setting, const QString& localeName);

// The installed translators of the program and of Qt itself; they leave the
// application when this is destroyed.
class Translators {
public:
    Translators();
    ~Translators();
    Translators(Translators&&) noexcept;
    Translators& operator=(Translators&&) noexcept;

    // False when the program's own English texts could not be loaded.
    bool Loaded() const { return loaded_; }

private:
    friend Translators Install(Code code);
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    bool loaded_ = true;
};

// Needs a QCoreApplication; Qt's own texts follow too when their files are installed.
Translators Install(Code code);

}  // namespace Language
