// Language packs: the scan, the Language submenu, a click, and the texts a pack gives every
// window, hidden or open.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "DialogFixture.h"
#include "ProgramFixture.h"
#include "ScopedCodePage.h"
#include "ShownTexts.h"
#include "dialogs/FirstOpenDialog.h"
#include "dialogs/LanguageKeys.h"
#include "shell/LanguagePackFile.h"
#include "shell/LanguagePacks.h"
#include "skin/SkinLabel.h"

namespace velmora::test {
namespace {

// A pack giving every key of the table the text key + suffix.
std::string markedPack(const std::string& suffix) {
    std::string text = "[Velmora]\r\n";
    for (const QString& key : UiTexts::keys()) text += key.toStdString() + '=' + key.toStdString() + suffix + "\r\n";
    return text;
}

class LanguagePacksTest : public ProgramFixture {
protected:
    // The shown language items, in menu order.
    QStringList offered() const {
        QStringList names;
        for (QAction* lang : window->languagePacks()->items())
            if (lang->isVisible()) names << lang->text();
        return names;
    }
    QStringList checked() const {
        QStringList names;
        for (QAction* lang : window->languagePacks()->items())
            if (lang->isChecked()) names << lang->text();
        return names;
    }
    // Every text the key table names, as the controller holds it, equal to the built-in one.
    void expectBuiltInTexts(const std::string& why) const {
        for (const QString& key : UiTexts::keys())
            EXPECT_EQ(controller->texts().text(key), UiTexts::builtIn(key)) << why << ' ' << key.toStdString();
    }
    // The pack names in the order the folder lists its entries.
    QStringList listingOrder() const {
        QStringList names;
        for (const auto& entry : std::filesystem::directory_iterator(folder("Language").toStdString())) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".lng")) names << QString::fromStdString(name.substr(0, name.size() - 4));
        }
        return names;
    }
};

TEST_F(LanguagePacksTest, TheScanListsEveryLngEntryInTheFolderListingOrder) {
    EXPECT_EQ(LanguagePacks::scanLanguages(folder("")), QStringList()) << "no Language folder";
    QDir().mkpath(folder("Language"));
    for (const char* name : {"English.lng", "Russian.lng", ".Hidden.lng", "README.md", "x.lngx", "Upper.LNG"})
        writeText(QStringLiteral("Language/") + name, "[Velmora]\n");
    QDir().mkpath(folder("Language/Folder.lng"));

    const QStringList names = LanguagePacks::scanLanguages(folder(""));
    EXPECT_EQ(names, listingOrder());
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(sorted, (QStringList{".Hidden", "English", "Folder", "Russian"}));
}

TEST_F(LanguagePacksTest, TheMenuOffersEachPackChecksTheChosenOneAndShowsItsPicture) {
    writePack("English", "[Velmora]\r\n" + packEntry(keys::kLanguage, "Language (EN)") + "\r\n");
    writePack("Russian", "[Velmora]\r\n" + packEntry(keys::kLanguage, "Yazyk") + "\r\n");
    writeFile(folder("Language/English.bmp"), buildBmp({.width = 16, .rows = 16}));
    writeText("Language/Russian.bmp", "not a picture");  // the item keeps its caption
    writeSettings("Lang=&English\n");
    startProgram();

    EXPECT_EQ(offered(), listingOrder());
    EXPECT_EQ(checked(), QStringList{"English"});
    EXPECT_FALSE(languageItem("English")->icon().isNull());
    EXPECT_TRUE(languageItem("Russian")->icon().isNull());
    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Language (EN)"));
    EXPECT_EQ(desktop.dialogs, QStringList{"FirstOpenForm"}) << "the show step went on to its end";
}

// A menu picture is a file beside the program: a FIFO used to keep the window from ever
// showing, and a header may claim any size. Such a picture leaves the item with its caption.
TEST_F(LanguagePacksTest, AMenuPictureThatIsNoSmallRegularFileIsLeftOut) {
    for (const char* name : {"Fifo", "Huge", "Large", "Fine"}) writePack(name, "[Velmora]\r\n");
    ASSERT_EQ(::mkfifo(folder("Language/Fifo.bmp").toLocal8Bit().constData(), 0600), 0);
    writeFile(folder("Language/Huge.bmp"), buildBmp({.width = 16, .rows = 16}));
    {
        Bytes huge = readFile(folder("Language/Huge.bmp").toStdString());
        huge[18] = huge[22] = 0x30, huge[19] = huge[23] = 0x75;  // 30000 x 30000
        writeFile(folder("Language/Huge.bmp"), huge);
    }
    writeFile(folder("Language/Large.bmp"), buildBmp({.width = 16, .rows = 16}));
    std::filesystem::resize_file(folder("Language/Large.bmp").toStdString(), (std::uintmax_t{1} << 20) + 1);
    writeFile(folder("Language/Fine.bmp"), buildBmp({.width = 16, .rows = 16}));
    startProgram();
    for (const char* name : {"Fifo", "Huge", "Large"}) EXPECT_TRUE(languageItem(name)->icon().isNull()) << name;
    EXPECT_FALSE(languageItem("Fine")->icon().isNull());
}

TEST_F(LanguagePacksTest, AClickMovesTheCheckAppliesThePackAtOnceAndSurvivesARestart) {
    writePack("English", "[Velmora]\r\n" + packEntry(keys::kLanguage, "Language (EN)") + "\r\n");
    writePack("Russian", "[Velmora]\r\n" + packEntry(keys::kLanguage, "Yazyk") + "\r\n" +
                             packEntry(keys::kPasswordIncorrect, "Nevernyi parol") + "\r\n");
    writeSettings("Lang=&English\n");
    startProgram();

    languageItem("Russian")->trigger();
    EXPECT_EQ(checked(), QStringList{"Russian"});
    EXPECT_EQ(controller->settings().lang, QStringLiteral("&Russian"));
    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Yazyk"));
    EXPECT_EQ(controller->texts().text(keys::kPasswordIncorrect), QStringLiteral("Nevernyi parol"))
        << "the next message uses it";

    restartProgram();
    EXPECT_EQ(checked(), QStringList{"Russian"});
    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Yazyk"));
}

TEST_F(LanguagePacksTest, AnyPackNameStaysChosenAcrossARestartAndKeepsTheFileWhole) {
    const ScopedCodePage westernDesktop("windows-1252");
    const struct {
        QString name;
        std::string settingsLine;  // the Lang line written
    } cases[] = {
        {QStringLiteral("Caf\u00E9"), "Lang=&Caf\xE9"},  // the 8-bit form where it holds the name
        {QStringLiteral("\u0401\u043B\u043A\u0430"), "Lang=%%26%D0%81%D0%BB%D0%BA%D0%B0"},
        {QStringLiteral("two\nlines"), "Lang=%%26two%0Alines"},
        {QStringLiteral("%41 odd"), "Lang=&%41 odd"},
        {QStringLiteral("trail "), "Lang=%%26trail%20"},  // the file's syntax would drop the space
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        std::filesystem::remove_all(folder("Language").toStdString());
        writePack(c.name, "[Velmora]\r\n" + packEntry(keys::kLanguage, "chosen") + "\r\n");
        writeSettings("");
        startProgram();
        languageItem(c.name)->trigger();
        restartProgram();
        EXPECT_EQ(checked(), QStringList{c.name});
        EXPECT_EQ(window->languageAction()->text(), QStringLiteral("chosen"));
        window->close();
        const Bytes file = readFile(folder("velmora.ini").toStdString());
        const std::string written(file.begin(), file.end());
        EXPECT_NE(written.find(c.settingsLine + "\n"), std::string::npos) << written;
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 7) << written;
    }
}

TEST_F(LanguagePacksTest, APackWithOneKeyChangesThatTextOnly) {
    writePack("Solo", "[Velmora]\r\n" + packEntry(keys::kOpenPicture, "Open picture") + "\r\n");
    writeSettings("Lang=&Solo\n");
    startProgram();
    EXPECT_EQ(window->openAction()->text(), QStringLiteral("Open picture"));
    controller->setText(keys::kOpenPicture, UiTexts::builtIn(keys::kOpenPicture));
    expectBuiltInTexts("one key");
    EXPECT_EQ(window->hideDialog()->windowTitle(), QStringLiteral("Hide information"));
    EXPECT_EQ(window->firstOpenDialog()->button("HelpButton")->text(), QString()) << "no Help caption in the pack";
}

TEST_F(LanguagePacksTest, APackIsReadInTheCodePageItNamesElseInTheProgramsOwn) {
    const ScopedCodePage western("windows-1252");
    struct Case {
        const char* codePageLine;
        QString languageMenu;
    };
    const std::vector<Case> cases = {
        {"CodePage=windows-1251\r\n", QStringLiteral("Язык")},
        {"codepage = windows-1251\r\n", QStringLiteral("Язык")},  // keys are INI keys
        {"", QStringLiteral("ßçûê")},
        {"CodePage=UTF-8\r\n", QStringLiteral("ßçûê")},  // not an 8-bit page
        {"CodePage=Klingon\r\n", QStringLiteral("ßçûê")},
        {"CodePage=windows-1251//TRANSLIT\r\n", QStringLiteral("ßçûê")},  // iconv's orders are no page
        {"CodePage=windows-1251//IGNORE\r\n", QStringLiteral("ßçûê")},
    };
    for (const Case& c : cases) {
        const std::string languageLine = packEntry(keys::kLanguage, "\xDF\xE7\xFB\xEA") + "\r\n";
        writePack("Pack", std::string("[Velmora]\r\n") + c.codePageLine + languageLine);
        const UiTexts texts = readLanguagePack(folder("Language/Pack.lng"));
        EXPECT_EQ(texts.text(keys::kLanguage), c.languageMenu) << c.codePageLine;
        EXPECT_EQ(texts.text(keys::kOpenPicture), UiTexts::builtIn(keys::kOpenPicture)) << c.codePageLine;
    }
}

TEST_F(LanguagePacksTest, LangPicksThePackByAllButItsFirstCharacter) {
    struct Case {
        const char* lang;
        QString languageMenu;
        QStringList checked;
    };
    const std::vector<Case> cases = {
        {"&English", "Language (EN)", {"English"}},
        {"&Klingon", "Language", {}},      // no such pack
        {"English", "Language", {}},       // no marker: Language/nglish.lng is read
        {"#English", "Language (EN)", {}}, // any marker reads the pack; only "&" checks its item
    };
    writePack("English", "[Velmora]\r\n" + packEntry(keys::kLanguage, "Language (EN)") + "\r\n");
    for (const Case& c : cases) {
        writeSettings(std::string("Lang=") + c.lang + "\n");
        controller = newController();
        startProgram();
        EXPECT_EQ(window->languageAction()->text(), c.languageMenu) << c.lang;
        EXPECT_EQ(checked(), c.checked) << c.lang;
        window.reset();
    }
}

TEST_F(LanguagePacksTest, SectionAndKeysAreFoundWhateverTheirLetterCase) {
    writePack("Upper", "[VELMORA]\n" + QString(keys::kLanguage).toUpper().toStdString() + "=Sprache\n");
    writeSettings("Lang=&Upper\n");
    startProgram();
    EXPECT_EQ(window->languageAction()->text(), QStringLiteral("Sprache"));
}

TEST_F(LanguagePacksTest, ALongValueIsCutAfter2047Characters) {
    writePack("Long", "[Velmora]\n" + packEntry(keys::kTextTooLarge, std::string(3000, 'x')) + "\n");
    writeSettings("Lang=&Long\n");
    startProgram();
    EXPECT_EQ(controller->texts().text(keys::kTextTooLarge), QString(2047, u'x'));
}

TEST_F(LanguagePacksTest, OnlyTheFirstTwentyPacksAreOfferedYetAnyChosenOneIsRead) {
    for (int i = 0; i < 25; ++i) {
        const std::string name = "Pack" + std::to_string(i);
        writePack(QString::fromStdString(name), "[Velmora]\n" + packEntry(keys::kLanguage, name) + "\n");
    }
    const QStringList all = listingOrder();
    writeSettings("Lang=&" + all[22].toStdString() + "\n");
    startProgram();
    EXPECT_EQ(offered(), all.mid(0, 20));
    EXPECT_EQ(checked(), QStringList());
    EXPECT_EQ(window->languageAction()->text(), all[22]);
}

TEST_F(LanguagePacksTest, TheTipsHelpCaptionComesFromThePackOnly) {
    startProgram();  // no pack at all
    EXPECT_EQ(window->firstOpenDialog()->button("HelpButton")->text(), QString());
    EXPECT_EQ(window->hideDialog()->button("HelpButton")->text(), QStringLiteral("Help"));
    expectBuiltInTexts("no pack");

    writePack("French", "[Velmora]\n" + packEntry(keys::kHideHelp, "Aide") + "\n" +
                            packEntry(keys::kMenuTip, "Clic droit") + "\n" +
                            packEntry(keys::kDropTip, "Glissez") + "\n" +
                            packEntry(keys::kNeverShowAgain, "Plus jamais") + "\n");
    writeSettings("Lang=&French\n");
    window.reset();
    controller = newController();
    startProgram();
    FirstOpenDialog& tips = *window->firstOpenDialog();
    EXPECT_EQ(tips.button("HelpButton")->text(), QStringLiteral("Aide"));
    EXPECT_EQ(tips.findChild<SkinLabel*>("SkinLabel1")->caption(), QStringLiteral("Clic droit"));
    EXPECT_EQ(tips.findChild<SkinLabel*>("SkinLabel2")->caption(), QStringLiteral("Glissez"));
    EXPECT_EQ(tips.checkBox()->text(), QStringLiteral("Plus jamais"));
}

TEST_F(LanguagePacksTest, ASwitchWhileTheHideDialogIsOpenLeavesNoTextStale) {
    writePack("Marked", markedPack("*"));
    writePack("Partial", "[Velmora]\n" + packEntry(keys::kHidePasswordLabel, "Only this") + "\n");
    startProgram();
    openCarrier("p.bmp");
    const QStringList fixed = {"OK", "Velmora"};
    QTimer::singleShot(0, [&] {
        HideDialog& hide = *window->hideDialog();
        ASSERT_TRUE(hide.isVisible());
        languageItem("Marked")->trigger();
        for (const ShownText& shown : shownTexts(*window))
            if (!fixed.contains(shown.text) && shown.text != hide.windowTitle()) {
                EXPECT_TRUE(shown.text.endsWith('*')) << shown.where.toStdString();
            }
        // A room text without its two numbers leaves the numbers alone after the name.
        EXPECT_EQ(hide.windowTitle(), keys::kHideInformation + QStringLiteral("* \u2014 0 / 47"));

        languageItem("Partial")->trigger();  // a pack that lacks keys: theirs go back to built-in
        for (const ShownText& shown : shownTexts(*window))
            EXPECT_FALSE(shown.text.contains('*')) << shown.where.toStdString();
        EXPECT_EQ(hide.findChild<SkinLabel*>("SkinLabel1")->caption(), QStringLiteral("Only this"));
        EXPECT_EQ(hide.windowTitle(), QStringLiteral("Hide information \u2014 0 of 47 bytes"));
        EXPECT_EQ(hide.button("OKButton")->text(), QStringLiteral("Go!"));
        hide.button("CancelButton")->click();
    });
    window->hideCommand();
    EXPECT_TRUE(controller->loaded()) << "Cancel";
}

TEST_F(LanguagePacksTest, TheExtractDialogKeepsItsSecondPhaseThroughASwitch) {
    writePack("Marked", markedPack("*"));
    startProgram();
    openCarrier("p.bmp");
    QTimer::singleShot(0, [&] {
        ExtractDialog& extract = *window->extractDialog();
        QTest::keyClicks(extract.passwordBox(), "wrong");
        extract.button("OKButton")->click();
        ASSERT_EQ(extract.button("OKButton")->text(), QStringLiteral("OK"));
        languageItem("Marked")->trigger();
        EXPECT_EQ(extract.button("OKButton")->text(), QStringLiteral("OK"));
        EXPECT_EQ(extract.button("HelpButton")->text(), keys::kHelp + QStringLiteral("*"));
        extract.button("CancelButton")->click();
    });
    window->extractCommand();
}

}  // namespace
}  // namespace velmora::test
