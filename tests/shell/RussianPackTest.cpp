// The shipped Russian pack: it has every key of the table, and after a switch to it no text of
// the program stays English.
#include "ProgramFixture.h"
#include "ScopedCodePage.h"
#include "ShippedPacks.h"
#include "ShownTexts.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HideDialog.h"
#include "engine/CodePage.h"
#include "settings/IniStore.h"

namespace velmora::test {
namespace {

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

class RussianPackTest : public ProgramFixture {
protected:
    RussianPackTest() { copyShippedLanguageFolder(folder("")); }
    // The pack names its code page, so it reads right under a locale that is not Cyrillic, as
    // most UTF-8 locales are not.
    ScopedCodePage western{"windows-1252"};
};

TEST_F(RussianPackTest, HasEveryKeyOfTheTable) {
    const IniStore pack(folder("Language/Russian.lng").toStdString());
    for (const QString& key : UiTexts::keys()) {
        const std::string text = pack.readString("Velmora", key.toStdString(), "");
        EXPECT_FALSE(text.empty()) << key.toStdString();
        EXPECT_NE(QString::fromStdString(decodeFromCodePage(text, "windows-1251")), UiTexts::builtIn(key))
            << key.toStdString();
    }
}

TEST_F(RussianPackTest, AfterTheSwitchNoTextStaysEnglish) {
    writeSettings("Lang=&English\n");
    startProgram();
    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Language"));

    QAction* russian = languageItem(QStringLiteral("Russian"));
    ASSERT_NE(russian, nullptr);
    russian->trigger();

    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Язык"));
    EXPECT_EQ(window->hideDialog()->windowTitle(), QStringLiteral("Скрыть информацию"));
    for (const QString& key : UiTexts::keys())
        EXPECT_NE(controller->texts().text(key), UiTexts::builtIn(key)) << "stored " << key.toStdString();
    EXPECT_TRUE(hasCyrillic(controller->texts().tipsHelpCaption()));

    const QStringList fixed = {"OK", "Velmora"};
    const std::vector<ShownText> shown = shownTexts(*window);
    for (const char* where : {"menu/", "HideForm/", "ExtractForm/", "OptionsForm/", "FirstOpenForm/"}) {
        const bool looked = std::any_of(shown.begin(), shown.end(), [&](const ShownText& t) { return t.where.startsWith(where); });
        EXPECT_TRUE(looked) << where;
    }
    for (const ShownText& text : shown)
        if (!fixed.contains(text.text)) {
            EXPECT_TRUE(hasCyrillic(text.text)) << text.where.toStdString() << ": " << text.text.toStdString();
        }
    EXPECT_EQ(window->aboutDialog()->windowTitle(), QStringLiteral("About")) << "no pack changes the About box";
}

}  // namespace
}  // namespace velmora::test
