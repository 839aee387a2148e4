#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include "ControllerFixture.h"
#include "DialogDriving.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/HideDialog.h"
#include "shell/MainWindow.h"

namespace velmora::test {

// The main window with its dialogs over a recording desktop; whileOpen() acts inside a modal
// dialog while it runs.
class DialogFixture : public ControllerFixture {
protected:
    DialogFixture() : window(*controller, desktop) {
        window.show();
        controller->start();
        drum.commands.clear();
    }

    HideDialog& hide() { return *window.hideDialog(); }
    ExtractDialog& extract() { return *window.extractDialog(); }

    MainWindow window;
};

}  // namespace velmora::test
