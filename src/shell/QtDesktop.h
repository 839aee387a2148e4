#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/Desktop.h"

namespace velmora {

class HelpViewer;

// The real desktop: Qt message boxes, file dialogs, the beep, the help viewer and the tray.
class QtDesktop : public Desktop {
public:
    QtDesktop() = default;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;
    ~QtDesktop() override;

    // Dialogs are parented to the given window so they stay above it.
    void setParentWindow(QWidget* window) { parent_ = window; }
    void setHelpFile(const QString& path) { helpFile_ = path; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> chooseOpenPicture() override;
    std::optional<QString> chooseSavePicture() override;
    int runModal(QDialog& dialog) override;
    bool hasSystemTray() override;
    void beep() override;
    void openHelp(const QString& topic) override;
    std::optional<QString> chooseTextFileToOpen() override;
    std::optional<QString> chooseTextFileToSave() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;

private:
    QPointer<QWidget> parent_;
    QString helpFile_;
    // Made at the first help; owned by the window it stands over, or by this desktop.
    QPointer<HelpViewer> viewer_;
};

}  // namespace velmora
