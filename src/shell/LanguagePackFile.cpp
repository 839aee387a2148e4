#include "shell/LanguagePackFile.h"

#include <QFile>

#include "settings/IniStore.h"
#include "text/CodePageText.h"

namespace velmora {

namespace {
const char* const kSection = "Velmora";
}

UiTexts readLanguagePack(const QString& fileName) {
    const IniStore pack(QFile::encodeName(fileName).toStdString());
    UiTexts texts;
    for (const QString& key : UiTexts::keys()) {
        // The built-in texts are plain ASCII, the same bytes in every code page.
        const std::string fallback = UiTexts::builtIn(key).toStdString();
        texts.set(key, fromCodePage(pack.readString(kSection, key.toStdString(), fallback)));
    }
    texts.setTipsHelpCaption(fromCodePage(pack.readString(kSection, "ItemD7", "")));
    return texts;
}

}  // namespace velmora
