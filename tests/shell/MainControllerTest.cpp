// The main controller: opening, dropping, hiding by each output policy, extracting.
#include <QSignalSpy>

#include <filesystem>
#include <functional>

#include "ControllerFixture.h"
#include "dialogs/LanguageKeys.h"
#include "engine/CarrierLayout.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/OperationMessages.h"
#include "support/FileChanges.h"

namespace velmora::test {
namespace {

using Controller = ControllerFixture;

const QString kOpened = QStringLiteral("Loop 0|FrameIndex 1|load 2.gif|Animate 1");

TEST_F(Controller, OpeningGoodAndBadFiles) {
    struct Case {
        const char* name;
        QString file;
        QString message;  // empty: opens
    };
    writeFile(folder("text.bmp"), {'h', 'e', 'l', 'l', 'o'});
    const std::vector<Case> cases = {
        {"32 x 32", picture("ok.bmp"), ""},
        {"31 x 200", picture("narrow.bmp", {.width = 31, .rows = 200}), "Bitmap is too small " + folder("narrow.bmp")},
        {"text in a .bmp", folder("text.bmp"), "Can't open file " + folder("text.bmp")},
        {"missing", folder("none.bmp"), "Can't open file " + folder("none.bmp")},
        {"unknown kind", folder("a.png"), "Can't open file " + folder("a.png")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        controller->closePicture();
        desktop.messages.clear();
        drum.commands.clear();
        QSignalSpy states(controller.get(), &MainController::loadedChanged);
        controller->openPicture(c.file);
        EXPECT_EQ(controller->loaded(), c.message.isEmpty());
        EXPECT_EQ(desktop.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(drum.commands.join('|'), c.message.isEmpty() ? kOpened : QStringLiteral("load 1.gif"));
        // The menu shows the loaded state before the file is read, and the empty state after a failure.
        ASSERT_GE(states.size(), 1);
        EXPECT_TRUE(states.first().first().toBool());
        EXPECT_EQ(controller->outputFileName(), QString());
    }
}

TEST_F(Controller, AMissingLoadedAnimationIsAnOpenFailure) {
    QFile::remove(folder("2.gif"));
    controller->openPicture(picture("ok.bmp"));
    EXPECT_FALSE(controller->loaded());
    EXPECT_EQ(desktop.messages, QStringList{"Can't open file " + folder("ok.bmp")});
}

TEST_F(Controller, DroppedFilesOpenInOrderAndOthersAreRefused) {
    const QStringList drop = {picture("a.bmp"), folder("b.txt"), picture("c.BMP"), folder("d.bmp.txt"), folder("e")};
    controller->filesDropped(drop);
    const QString refused = QStringLiteral("You can drop only *.bmp files!");
    EXPECT_EQ(desktop.messages, (QStringList{refused, refused, refused}));
    EXPECT_EQ(controller->sourceFileName(), folder("c.BMP"));
    EXPECT_EQ(drum.commands.join('|'), kOpened + '|' + kOpened);
}

TEST_F(Controller, FilesNamedAtStartReportWhatFailsInOneMessage) {
    QStringList names = {folder("notes.txt")};
    for (int i = 0; i < 1000; ++i) names << folder(QStringLiteral("gone%1.bmp").arg(i));
    names << picture("last.bmp") << folder("more.txt");
    controller->openStartFiles(names);
    ASSERT_EQ(desktop.messages.size(), 1);
    const QStringList lines = desktop.messages.first().split(u'\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("You can drop only *.bmp files!"));
    EXPECT_EQ(lines[1], "Can't open file " + folder("gone0.bmp"));
    EXPECT_EQ(lines[10], QStringLiteral("\u2026 +991"));
    EXPECT_EQ(controller->sourceFileName(), folder("last.bmp"));
}

TEST_F(Controller, TheDrumOpensOnlyInTheEmptyStateAndShowsFrameThreeWhenAPlayEnds) {
    desktop.openAnswers = {QString(), picture("p.bmp")};
    controller->drumClicked();  // cancelled
    EXPECT_FALSE(controller->loaded());
    controller->drumClicked();
    EXPECT_TRUE(controller->loaded());
    controller->drumClicked();
    EXPECT_EQ(desktop.openDialogs, 2);
    drum.finishPlay();
    EXPECT_EQ(drum.commands.last(), QStringLiteral("FrameIndex 3"));
}

// The files of the folder that this process holds open, by their names in /proc/self/fd.
QStringList openFilesIn(const QString& folder) {
    QStringList open;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const auto target = QString::fromStdString(std::filesystem::read_symlink(entry.path(), error).string());
        if (!error && target.startsWith(folder)) open << target;
    }
    return open;
}

TEST_F(Controller, EveryWayBackToTheEmptyStateReleasesThePictureFile) {
    struct Case {
        const char* name;
        std::function<void()> close;
    };
    writeFile(folder("text.bmp"), {'h', 'e', 'l', 'l', 'o'});
    BmpRecipe black;
    black.pixelData = Bytes(96 * 32, 0);  // no step in pixel (0, 0)
    const std::vector<Case> cases = {
        {"Close", [&] { controller->closePicture(); }},
        {"a hide that saved", [&] { controller->hideInfo("pw", {"x"}); }},
        {"a hide too large", [&] {
             controller->rememberStepAndColor(500, 0);
             controller->hideInfo("pw", {"x"});
             controller->rememberStepAndColor(20, 0);
         }},
        {"the end of an extract", [&] { controller->finishExtract(); }},
        {"an extract that finds no step", [&] {
             controller->openPicture(picture("black.bmp", black));
             controller->extractInfo("pw");
             controller->rememberStepAndColor(20, 0);
         }},
        {"a failed open", [&] { controller->openPicture(folder("text.bmp")); }},
        {"a picture too small", [&] { controller->openPicture(picture("narrow.bmp", {.width = 31, .rows = 200})); }},
    };
    controller->setOutputPolicy(OutputPolicy::OverSource);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openCarrier("p.bmp");
        ASSERT_FALSE(openFilesIn(folder("")).isEmpty()) << "the check sees the open picture";
        c.close();
        EXPECT_FALSE(controller->loaded());
        EXPECT_EQ(openFilesIn(folder("")), QStringList());
    }
}

// Hides "pw" / {"first", "", "second"} and returns what the saved file gives back.
class Hiding : public ControllerFixture {
protected:
    std::vector<std::string> extractFrom(const QString& file) {
        CarrierPicture saved;
        saved.load(file.toStdString());
        const ExtractResult r = extractMessage(saved, "pw");
        EXPECT_TRUE(r.succeeded());
        return unpackMessageText(r.storedText);
    }
    void hide() { controller->hideInfo("pw", {"first", "", "second"}); }
    const std::vector<std::string> kLines = {"first", "second"};
};

TEST_F(Hiding, EachOutputPolicySavesWhereItSays) {
    struct Case {
        OutputPolicy k;
        QString source;
        std::optional<QString> dialogAnswer;
        QString expectedOutput;
    };
    const std::vector<Case> cases = {
        {OutputPolicy::OverSource, QStringLiteral("one.bmp"), std::nullopt, folder("one.bmp")},
        {OutputPolicy::NumberedName, QStringLiteral("cat.old.BMP"), std::nullopt, folder("cat.old_New_1.BMP")},
        {OutputPolicy::NumberedName, QStringLiteral("cat.old.BMP"), std::nullopt, folder("cat.old_New_2.BMP")},
        {OutputPolicy::AskForName, QStringLiteral("three.bmp"), folder("chosen.bmp"), folder("chosen.bmp")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedOutput.toStdString());
        controller->setOutputPolicy(c.k);
        controller->rememberStepAndColor(7, 0);
        if (c.dialogAnswer) desktop.saveAnswers = {*c.dialogAnswer};
        if (!QFileInfo::exists(folder(c.source))) picture(c.source);
        controller->openPicture(folder(c.source));
        drum.commands.clear();
        desktop.messages.clear();
        hide();
        EXPECT_EQ(desktop.messages,
                  QStringList{QStringLiteral("The information was succesfully hidden in the file ") + c.expectedOutput});
        EXPECT_EQ(extractFrom(c.expectedOutput), kLines);
        EXPECT_FALSE(controller->loaded());
        EXPECT_EQ(controller->outputFileName(), QString());
        EXPECT_EQ(drum.commands.join('|'),
                  QStringLiteral("Loop 1|Animate 1|load 3.gif|Loop 0|Animate 1|load 4.gif|load 1.gif"));
        EXPECT_EQ(controller->settings().step, 7);
    }
}

TEST_F(Hiding, MissingWorkingAndDoneAnimationsNeverHideTheResult) {
    QFile::remove(folder("3.gif"));
    QFile::remove(folder("4.gif"));
    controller->setOutputPolicy(OutputPolicy::OverSource);
    controller->openPicture(picture("p.bmp"));
    hide();
    EXPECT_EQ(desktop.messages, QStringList{"The information was succesfully hidden in the file " + folder("p.bmp")});
    EXPECT_EQ(desktop.errors, QStringList());
    controller->openPicture(folder("p.bmp"));
    EXPECT_EQ(controller->extractInfo("pw"), std::optional(kLines));
}

TEST_F(Hiding, NumberedNamesSkipTakenOnesAndMayHaveNoInfix) {
    controller->setOutputPolicy(OutputPolicy::NumberedName);
    controller->setText(keys::kNumberedNameInfix, QString());
    picture("cat1.bmp");
    openCarrier("cat.bmp");
    hide();
    EXPECT_EQ(desktop.messages.last(), "The information was succesfully hidden in the file " + folder("cat2.bmp"));
}

TEST_F(Hiding, RefusedHidesWriteNothingAndCloseTheCarrier) {
    struct Case {
        const char* name;
        BmpRecipe recipe;
        std::int32_t step;
        QString message;
    };
    BmpRecipe grey;
    grey.bitsPerPixel = 8;
    const std::vector<Case> cases = {
        {"too large at step 500", {}, 500, QString::fromLatin1(messages::kTextTooLarge)},
        {"a colour-table picture", grey, 7, QString::fromLatin1(messages::kMessageNotPreserved)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        controller->setOutputPolicy(OutputPolicy::NumberedName);
        controller->rememberStepAndColor(c.step, controller->settings().baseColor);
        openCarrier("p.bmp", c.recipe);
        hide();
        EXPECT_EQ(desktop.messages, QStringList{c.message});
        EXPECT_FALSE(controller->loaded());
        EXPECT_FALSE(QFileInfo::exists(folder("p_New_1.bmp")));
        EXPECT_EQ(controller->settings().step, c.step);
    }
}

TEST_F(Hiding, ACancelledSaveDialogSavesAndReportsNothing) {
    controller->setOutputPolicy(OutputPolicy::AskForName);
    openCarrier("p.bmp");
    const Bytes before = readFile(folder("p.bmp").toStdString());
    hide();
    EXPECT_EQ(desktop.messages, QStringList());
    EXPECT_FALSE(controller->loaded());
    EXPECT_EQ(readFile(folder("p.bmp").toStdString()), before);
}

TEST_F(Hiding, AFailedSaveReachesTheErrorBoxAndEndsInTheEmptyState) {
    controller->setOutputPolicy(static_cast<OutputPolicy>(7));  // a hand-edited settings file
    openCarrier("p.bmp");
    try {
        hide();
        ADD_FAILURE() << "the save did not fail";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file ");
    }
    EXPECT_FALSE(controller->loaded());
    EXPECT_EQ(drum.commands.last(), QStringLiteral("load 1.gif"));
}

TEST_F(Hiding, ExtractReadsBackAndRemembersStepAndBaseColour) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    controller->rememberStepAndColor(37, 0x00FF00);
    openCarrier("p.bmp", {.width = 64, .rows = 48});
    hide();
    controller->rememberStepAndColor(20, 0);

    controller->openPicture(folder("p.bmp"));
    desktop.messages.clear();
    drum.commands.clear();
    EXPECT_EQ(controller->extractInfo("wrong"), std::nullopt);
    EXPECT_EQ(desktop.messages, QStringList{"The password is incorrect"});
    EXPECT_TRUE(controller->loaded());
    EXPECT_EQ(controller->settings().step, 37);
    EXPECT_EQ(controller->settings().baseColor, 0x00FF00);
    EXPECT_TRUE(drum.commands.isEmpty());

    EXPECT_EQ(controller->extractInfo("pw"), kLines);
    EXPECT_TRUE(controller->loaded());
    EXPECT_EQ(drum.commands.join('|'), QStringLiteral("Loop 1|Animate 1|load 3.gif|Animate 0|FrameIndex 3"));
}

// A new permission, link or access time leaves the open picture what it was; new bytes stop
// a hide or an extract with their own message, never "The password is incorrect" nor
// "Stream read error", and close the carrier.
TEST_F(Hiding, OnlyNewBytesInTheOpenPicturesFileStopAHideOrAnExtract) {
    const QString changedMessage = QStringLiteral("The file was changed while it was open");
    for (const FileChange& change : fileChanges()) {
        SCOPED_TRACE(change.name);
        controller->setOutputPolicy(OutputPolicy::NumberedName);
        controller->rememberStepAndColor(7, 0);
        openCarrier("p.bmp");
        change.apply(folder("p.bmp").toStdString());
        hide();
        EXPECT_EQ(desktop.messages, QStringList{change.content ? changedMessage
                                                              : "The information was succesfully hidden in the file " +
                                                                    folder("p_New_1.bmp")});
        EXPECT_EQ(QFileInfo::exists(folder("p_New_1.bmp")), !change.content);
        EXPECT_FALSE(controller->loaded());

        controller->setOutputPolicy(OutputPolicy::OverSource);
        openCarrier("p.bmp");
        hide();
        controller->openPicture(folder("p.bmp"));
        change.apply(folder("p.bmp").toStdString());
        desktop.messages.clear();
        const auto lines = controller->extractInfo("pw");
        if (change.content) {
            EXPECT_EQ(lines, std::nullopt);
            EXPECT_EQ(desktop.messages, QStringList{changedMessage});
            EXPECT_FALSE(controller->loaded());
        } else {
            EXPECT_EQ(lines, kLines);
            EXPECT_TRUE(controller->loaded());
        }
        std::filesystem::remove(folder("p_New_1.bmp").toStdString());
        std::filesystem::remove(folder("p.bmp.link").toStdString());
    }
}

TEST_F(Hiding, AChangedPictureSpeaksTheLanguageOfThePack) {
    controller->setText(keys::kFileChanged, QStringLiteral("Changed!"));
    openCarrier("p.bmp");
    fileChanges().back().apply(folder("p.bmp").toStdString());
    hide();
    EXPECT_EQ(desktop.messages, QStringList{"Changed!"});
}

TEST_F(Controller, ExtractFromAPictureWithoutAStepClosesIt) {
    BmpRecipe black;
    black.pixelData = Bytes(96 * 32, 0);  // pixel (0, 0) reads 0
    openCarrier("black.bmp", black);
    controller->rememberStepAndColor(controller->settings().step, 5);
    EXPECT_EQ(controller->extractInfo("pw"), std::nullopt);
    EXPECT_EQ(desktop.messages, QStringList{"The password is incorrect"});
    EXPECT_FALSE(controller->loaded());
    EXPECT_EQ(controller->settings().step, 0);
    EXPECT_EQ(controller->settings().baseColor, 5);
}

}  // namespace
}  // namespace velmora::test
