#pragma once

#include <gtest/gtest.h>

#include <QMap>
#include <QWidget>

#include "DialogDriving.h"
#include "RecordingDialogDesktop.h"
#include "dialogs/LanguageKeys.h"
#include "support/BmpBuilder.h"

namespace velmora::test {

// What a dialog needs around it: a recording desktop, a window to be placed over (the main
// window's size and first place), the built-in texts, and a folder for files.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() { mainWindow.setGeometry(232, 155, 223, 299); }

    // The built-in texts the tests read back; any other key reads as itself.
    QString text(const QString& key) const { return texts.value(key, key); }
    QString file(const std::string& name) const { return QString::fromStdString(dir.path(name)); }

    QMap<QString, QString> texts = {
        {keys::kExtractFirstPhaseButton, "Go!"},
        {keys::kExtractNoPassword, "Enter the password"},
        {keys::kExtractGoButton, "Go!"},
        {keys::kPasswordNotConfirmed, "The password is incorrect"},
        {keys::kNoTextEntered, "The information is not entered"},
    };
    RecordingDialogDesktop<> desktop;
    QWidget mainWindow;
    TempDir dir;
};

}  // namespace velmora::test
