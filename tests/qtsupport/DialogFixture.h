#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ControllerFixture.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/HideDialog.h"
#include "shell/MainWindow.h"

namespace velmora::test {

// The main window with its dialogs over a recording desktop, and a way to act inside a
// modal dialog while it runs.
class DialogFixture : public ControllerFixture {
protected:
    DialogFixture() : window(*controller, desktop) {
        window.show();
        controller->start();
        drum.commands.clear();
    }

    // Runs the command that opens a modal dialog; the actions run once it is up.
    static void whileOpen(const std::function<void()>& openDialog, const std::function<void()>& actions) {
        QTimer::singleShot(0, actions);
        openDialog();
    }
    HideDialog& hide() { return *window.hideDialog(); }
    ExtractDialog& extract() { return *window.extractDialog(); }
    static void type(QWidget* box, const QString& text) { QTest::keyClicks(box, text); }
    static void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    MainWindow window;
};

}  // namespace velmora::test
