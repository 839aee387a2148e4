#pragma once

#include <QDialog>
#include <QFileInfo>
#include <QStringList>

#include <deque>
#include <stdexcept>

#include "RecordingDialogDesktop.h"
#include "shell/Desktop.h"
#include "shell/DrumAnimator.h"
#include "shell/VelmoraApplication.h"

namespace velmora::test {

// The desktop as a record of what the program showed, with answers queued for its dialogs:
// the dialogs' recorder and the shell's own part.
class RecordingDesktop : public RecordingDialogDesktop<Desktop> {
public:
    // Answers of the picture dialogs in turn; a null QString cancels.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    int openDialogs = 0;
    // The dialogs the program ran by itself, by name; onDialog runs each (none: each is
    // rejected at once without showing).
    QStringList dialogs;
    std::function<int(QDialog&)> onDialog;
    bool systemTray = true;  // whether the desktop offers a tray

    std::optional<QString> chooseOpenPicture() override {
        ++openDialogs;
        return next(openAnswers);
    }
    std::optional<QString> chooseSavePicture() override { return next(saveAnswers); }
    int runModal(QDialog& dialog) override {
        dialogs << dialog.objectName();
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    bool hasSystemTray() override { return systemTray; }
};

// While it lives, the errors that reach the event loop go to the recorder's error box.
class RecordedErrorBox {
public:
    explicit RecordedErrorBox(RecordingDesktop& desktop) { application().setDesktop(&desktop); }
    ~RecordedErrorBox() { application().setDesktop(nullptr); }
    RecordedErrorBox(const RecordedErrorBox&) = delete;
    RecordedErrorBox& operator=(const RecordedErrorBox&) = delete;

private:
    static VelmoraApplication& application() { return static_cast<VelmoraApplication&>(*QCoreApplication::instance()); }
};

// The drum as a list of the commands it was given ("load 2.gif", "Loop 0", "Animate 1",
// "FrameIndex 3"); a file that does not exist fails to load.
class RecordingDrum : public DrumAnimator {
public:
    QStringList commands;

    void load(const QString& fileName) override {
        if (!QFileInfo::exists(fileName)) throw std::runtime_error("Cannot open file " + fileName.toStdString());
        commands << QStringLiteral("load ") + QFileInfo(fileName).fileName();
    }
    void setLoop(bool loop) override { commands << QStringLiteral("Loop %1").arg(loop); }
    void setAnimate(bool animate) override {
        commands << QStringLiteral("Animate %1").arg(animate);
        if (animating_ && !animate) notifyStopped();
        animating_ = animate;
    }
    void setFrameIndex(int index) override { commands << QStringLiteral("FrameIndex %1").arg(index); }
    // A single play comes to its end.
    void finishPlay() {
        animating_ = false;
        notifyStopped();
    }

private:
    bool animating_ = false;
};

}  // namespace velmora::test
