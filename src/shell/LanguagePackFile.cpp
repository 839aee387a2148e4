#include "shell/LanguagePackFile.h"

#include <QFile>

#include "dialogs/LanguageKeys.h"
#include "engine/CodePage.h"
#include "settings/IniStore.h"
#include "text/CodePageText.h"

namespace velmora {

namespace {

const char* const kSection = "Velmora";

// A pack may name the code page it was written in, so that it reads the same under every
// locale (most Linux desktops run UTF-8 locales, which would read a Cyrillic pack as
// windows-1252). Without a usable name it is read in the program's code page.
std::string packCodePage(const IniStore& pack) {
    const std::string named = pack.readString(kSection, "CodePage", "");
    return isEightBitCodePage(named) ? named : programCodePage();
}

}  // namespace

UiTexts readLanguagePack(const QString& fileName) {
    const IniStore pack(QFile::encodeName(fileName).toStdString());
    const std::string codePage = packCodePage(pack);
    const auto read = [&](const QString& key, const std::string& fallback) {
        return QString::fromStdString(decodeFromCodePage(pack.readString(kSection, key.toStdString(), fallback), codePage));
    };
    UiTexts texts;
    // The built-in texts are plain ASCII, the same bytes in every code page.
    for (const QString& key : UiTexts::keys()) texts.set(key, read(key, UiTexts::builtIn(key).toStdString()));
    texts.setTipsHelpCaption(read(keys::kHideHelp, ""));
    return texts;
}

}  // namespace velmora
