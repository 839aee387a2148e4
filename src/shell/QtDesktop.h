#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/Desktop.h"

namespace velmora {

// The real desktop: Qt message boxes, file dialogs, the beep, the help viewer and the tray.
class QtDesktop : public Desktop {
public:
    // Dialogs are parented to the given window so they stay above it.
    void setParentWindow(QWidget* window) { parent_ = window; }
    void setHelpFile(const QString& path) { helpFile_ = path; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> chooseOpenPicture() override;
    std::optional<QString> chooseSavePicture() override;
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
};

}  // namespace velmora
