#include "shell/MainController.h"

#include <QFile>
#include <QFileInfo>

#include "dialogs/LanguageKeys.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "engine/OperationMessages.h"
#include "shell/Desktop.h"
#include "shell/DrumAnimator.h"
#include "shell/LangSetting.h"
#include "settings/IniStore.h"
#include "shell/FileNames.h"

namespace velmora {

namespace {

const QString kDropOnlyBmp = QStringLiteral("You can drop only *.bmp files!");
const char* const kSection = "Main";

std::string fileSystemName(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

MainController::MainController(Desktop& desktop, DrumAnimator& drum, QString programFolder, QString settingsFile,
                               TickSource ticks, QObject* parent)
    : QObject(parent), desktop_(desktop), drum_(drum), programFolder_(std::move(programFolder)),
      settingsFile_(std::move(settingsFile)), ticks_(std::move(ticks)) {
    drum_.setStopHandler([this] { gifImageStop(); });
}

void MainController::start() {
    sourceFileName_.clear();
    outputFileName_.clear();
    loadDrumOrGoOn(QStringLiteral("1.gif"));
    drum_.setLoop(true);

    IniStore store(fileSystemName(settingsFile_));
    const Settings defaults;
    settings_.outputPolicy = static_cast<OutputPolicy>(
        store.readInteger(kSection, "k", static_cast<std::int32_t>(defaults.outputPolicy)));
    settings_.step = store.readInteger(kSection, "Step", defaults.step);
    settings_.baseColor = store.readInteger(kSection, "BaseColor", defaults.baseColor);
    settings_.minimized = store.readBoolean(kSection, "Minimized", defaults.minimized);
    settings_.firstOpen = store.readBoolean(kSection, "FirstOpen", defaults.firstOpen);
    settings_.lang = langFromSetting(store.readString(kSection, "Lang", langToSetting(defaults.lang)));
}

void MainController::finish() {
    IniStore store(fileSystemName(settingsFile_));
    store.writeInteger(kSection, "k", static_cast<std::int32_t>(settings_.outputPolicy));
    store.writeInteger(kSection, "Step", settings_.step);
    store.writeInteger(kSection, "BaseColor", settings_.baseColor);
    store.writeBoolean(kSection, "Minimized", settings_.minimized);
    store.writeString(kSection, "Lang", langToSetting(settings_.lang));
    store.writeBoolean(kSection, "FirstOpen", settings_.firstOpen);
    store.release();
}

void MainController::rememberStepAndColor(std::int32_t step, ColorValue baseColor) {
    settings_.step = step;
    settings_.baseColor = baseColor;
}

void MainController::setText(const QString& key, const QString& text) {
    texts_.set(key, text);
    emit textsChanged();
}

void MainController::applyLanguage(UiTexts texts) {
    texts_ = std::move(texts);
    emit textsChanged();
}

void MainController::setMenuLoaded(bool loaded) {
    if (menuLoaded_ == loaded) return;
    menuLoaded_ = loaded;
    emit loadedChanged(loaded);
}

void MainController::loadDrum(const QString& gif) { drum_.load(programFolder_ + gif); }

// The program keeps running when an animation file is missing or bad; the drum just stays as
// it was. The working and done animations go this way too: a missing one must never hide what
// the operation did.
void MainController::loadDrumOrGoOn(const QString& gif) {
    try {
        loadDrum(gif);
    } catch (const std::exception&) {
    }
}

void MainController::openPicture(const QString& fileName) {
    openPicture(fileName, [this](const QString& problem) { desktop_.showMessage(problem); });
}

void MainController::openPicture(const QString& fileName, const std::function<void(const QString&)>& report) {
    setMenuLoaded(true);
    try {
        picture_.load(fileSystemName(fileName));
        sourceFileName_ = fileName;
        if (!isCarrierSize(picture_.width(), picture_.height())) {
            report(QString::fromLatin1(messages::kBitmapTooSmall) + sourceFileName_);
            closePicture();
            return;
        }
        drum_.setLoop(false);
        drum_.setFrameIndex(1);
        loadDrum(QStringLiteral("2.gif"));
        drum_.setAnimate(true);
    } catch (const std::exception&) {
        report(texts_.text(keys::kCannotOpenFile) + ' ' + fileName);
        closePicture();
    }
}

void MainController::closePicture() {
    picture_.release();  // an empty-state program holds no picture file open
    sourceFileName_.clear();
    outputFileName_.clear();
    setMenuLoaded(false);
    loadDrumOrGoOn(QStringLiteral("1.gif"));
}

void MainController::filesDropped(const QStringList& fileNames) {
    for (const QString& name : fileNames) {
        if (hasBmpExtension(name)) openPicture(name);
        else desktop_.showMessage(kDropOnlyBmp);
    }
}

// A file manager may pass a thousand names: what went wrong comes in one message, each
// problem once, the list cut short where it would outgrow the screen.
void MainController::openStartFiles(const QStringList& fileNames) {
    QStringList problems;
    const auto note = [&](const QString& problem) {
        if (!problems.contains(problem)) problems << problem;
    };
    for (const QString& name : fileNames) {
        if (hasBmpExtension(name)) openPicture(name, note);
        else note(kDropOnlyBmp);
    }
    if (problems.isEmpty()) return;
    constexpr qsizetype kListed = 10;
    if (problems.size() > kListed) {
        const qsizetype more = problems.size() - kListed;
        problems.resize(kListed);
        problems << QStringLiteral("\u2026 +%1").arg(more);
    }
    desktop_.showMessage(problems.join(u'\n'));
}

void MainController::openCommand() {
    if (const auto name = desktop_.chooseOpenPicture()) openPicture(*name);
}

void MainController::drumClicked() {
    if (!loaded()) openCommand();
}

void MainController::gifImageStop() { drum_.setFrameIndex(3); }

void MainController::waitMs(std::int32_t ms) { velmora::waitMs(ms, ticks_); }

std::int32_t MainController::messageRoom(std::int32_t step) const {
    return messageCapacity(picture_.width(), picture_.height(), step);
}

void MainController::hideInfo(const std::string& password, const std::vector<std::string>& lines) {
    drum_.setLoop(true);
    drum_.setAnimate(true);
    loadDrumOrGoOn(QStringLiteral("3.gif"));

    const HideRequest request{settings_.step, settings_.baseColor, password, packMessageText(lines)};
    try {
        switch (hideMessage(picture_, request)) {
        case HideOutcome::TooLarge:
            desktop_.showMessage(texts_.text(keys::kTextTooLarge));
            closePicture();
            return;
        case HideOutcome::NotPreserved:
            desktop_.showMessage(QString::fromLatin1(messages::kMessageNotPreserved));
            closePicture();
            return;
        case HideOutcome::Written: break;
        }
        waitMs(2000);
        saveResult();
    } catch (const FileChangedError&) {
        reportFileChanged();
        return;
    } catch (...) {
        // The error goes on to the error box; the user goes on from the empty state.
        closePicture();
        throw;
    }
    closePicture();
}

// Saves by the output file policy, plays the done animation and reports where the picture
// went. A save dialog the user cancels saves nothing and reports nothing.
void MainController::saveResult() {
    switch (settings_.outputPolicy) {
    case OutputPolicy::OverSource: outputFileName_ = sourceFileName_; break;
    case OutputPolicy::NumberedName:
        outputFileName_ = numberedOutputName(sourceFileName_, texts_.text(keys::kNumberedNameInfix),
                                             [](const QString& name) { return QFileInfo::exists(name); });
        break;
    case OutputPolicy::AskForName: {
        const auto chosen = desktop_.chooseSavePicture();
        if (!chosen) return;
        outputFileName_ = *chosen;
        break;
    }
    default: outputFileName_.clear(); break;  // a hand-edited policy: the save below reports it
    }
    picture_.save(fileSystemName(outputFileName_));
    playDone();
    desktop_.showMessage(texts_.text(keys::kHiddenSuccessfully) + ' ' + outputFileName_);
}

void MainController::playDone() {
    drum_.setLoop(false);
    drum_.setAnimate(true);
    loadDrumOrGoOn(QStringLiteral("4.gif"));
    waitMs(500);
}

void MainController::finishExtract() {
    playDone();
    closePicture();
}

// The carrier in memory no longer matches its file: it is closed, and nothing is saved.
void MainController::reportFileChanged() {
    desktop_.showMessage(texts_.text(keys::kFileChanged));
    closePicture();
}

std::optional<std::vector<std::string>> MainController::extractInfo(const std::string& password) {
    ExtractResult result;
    try {
        result = extractMessage(picture_, password);
    } catch (const FileChangedError&) {
        reportFileChanged();
        return std::nullopt;
    }
    if (result.step) settings_.step = *result.step;
    if (result.baseColor) settings_.baseColor = *result.baseColor;
    if (!result.succeeded()) {
        desktop_.showMessage(texts_.text(keys::kPasswordIncorrect));
        if (result.closesCarrier()) closePicture();
        return std::nullopt;
    }
    drum_.setLoop(true);
    drum_.setAnimate(true);
    loadDrumOrGoOn(QStringLiteral("3.gif"));
    waitMs(2000);
    drum_.setAnimate(false);
    return unpackMessageText(result.storedText, rewrap_);
}

}  // namespace velmora
