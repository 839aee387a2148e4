#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/CarrierLayout.h"
#include "engine/CarrierPicture.h"
#include "dialogs/OutputPolicy.h"
#include "shell/TimedWait.h"
#include "shell/UiTexts.h"

namespace velmora {

class Desktop;
class DrumAnimator;

// The values the settings file keeps between runs.
struct Settings {
    OutputPolicy outputPolicy = OutputPolicy::NumberedName;  // k
    std::int32_t step = 20;
    ColorValue baseColor = 0;
    bool minimized = false;
    bool firstOpen = true;
    QString lang = QStringLiteral("&Russian");
};

// The logic of the main window: the carrier picture and its two states (empty, loaded), the
// commands, the drum animation of each moment, the hide and extract operations around the
// engine, the output file policy and the settings file.
class MainController : public QObject {
    Q_OBJECT

public:
    // programFolder ends with "/"; the animations 1.gif ... 4.gif are read from there.
    MainController(Desktop& desktop, DrumAnimator& drum, QString programFolder, QString settingsFile,
                   TickSource ticks = tickCount, QObject* parent = nullptr);

    // The main window's show step: drum at rest, settings read.
    void start();
    // The close step: settings written; raises SettingsWriteError when the file cannot be written.
    void finish();

    void openPicture(const QString& fileName);
    void closePicture();
    // Each file in turn, with the message of each one that cannot be opened.
    void filesDropped(const QStringList& fileNames);
    // The same for the files named on the command line, with one message for all.
    void openStartFiles(const QStringList& fileNames);
    void openCommand();
    void drumClicked();
    void gifImageStop();
    void waitMs(std::int32_t ms);

    // How many message bytes (password and packed text) the open picture holds at a step.
    std::int32_t messageRoom(std::int32_t step) const;
    // Hides password and lines (8-bit strings) with the remembered step and base colour, saves
    // by the output file policy, and closes the carrier.
    void hideInfo(const std::string& password, const std::vector<std::string>& lines);
    // The message lines when the password matches; nothing (after the message) when not.
    std::optional<std::vector<std::string>> extractInfo(const std::string& password);
    // The end of an extract: the done animation, half a second, the carrier closed.
    void finishExtract();

    bool loaded() const { return !sourceFileName_.isEmpty(); }
    const QString& sourceFileName() const { return sourceFileName_; }
    const QString& outputFileName() const { return outputFileName_; }
    const Settings& settings() const { return settings_; }
    const UiTexts& texts() const { return texts_; }
    // The folder the program reads its fixed files from, ending with "/".
    const QString& programFolder() const { return programFolder_; }
    // The step and base colour of the hide that is starting, remembered for the next one.
    void rememberStepAndColor(std::int32_t step, ColorValue baseColor);
    void setOutputPolicy(OutputPolicy k) { settings_.outputPolicy = k; }
    // Whether the first-run tips show at the next start.
    void setFirstOpen(bool show) { settings_.firstOpen = show; }
    // The chosen language pack: "&" followed by the pack's name.
    void setLang(const QString& lang) { settings_.lang = lang; }
    // Whether the program sits in the tray, as the next start will find it.
    void setMinimized(bool inTray) { settings_.minimized = inTray; }
    // One language text, replacing the built-in one.
    void setText(const QString& key, const QString& text);
    // A whole pack's texts at once, every earlier text replaced; the windows follow.
    void applyLanguage(UiTexts texts);
    // How extracted lines are laid out as display rows; none keeps each line whole.
    void setRewrap(RewrapPiece rewrap) { rewrap_ = std::move(rewrap); }

signals:
    // The menu and the buttons follow: Open in the empty state; Hide, Extract, Close when loaded.
    void loadedChanged(bool loaded);
    // The language texts changed: every window shows them anew.
    void textsChanged();

private:
    void setMenuLoaded(bool loaded);
    // Opens the picture or closes it again, passing what went wrong to report.
    void openPicture(const QString& fileName, const std::function<void(const QString&)>& report);
    void loadDrum(const QString& gif);
    void loadDrumOrGoOn(const QString& gif);
    void saveResult();
    void playDone();
    void reportFileChanged();

    Desktop& desktop_;
    DrumAnimator& drum_;
    QString programFolder_;
    QString settingsFile_;
    TickSource ticks_;
    CarrierPicture picture_;
    QString sourceFileName_;
    QString outputFileName_;
    Settings settings_;
    UiTexts texts_;
    RewrapPiece rewrap_;
    bool menuLoaded_ = false;
};

}  // namespace velmora
