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

    // Runs `fail`, an operation that ends in an error, before each way of ending the program
    // (Alt+X, the menu's Exit, closing the window): none may be held back after it.
    void expectEachWayOutWorksAfter(const std::function<void()>& fail) {
        const struct {
            const char* how;
            std::function<void()> end;
        } waysOut[] = {
            {"Alt+X",
             [this] {
                 window.activateWindow();  // the user's click gives the window the keyboard back
                 ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
                 QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
             }},
            {"the menu's Exit", [this] { window.exitAction()->trigger(); }},
            {"closing the window", [this] { window.close(); }},
        };
        for (const auto& wayOut : waysOut) {
            SCOPED_TRACE(wayOut.how);
            window.show();
            fail();
            wayOut.end();
            EXPECT_FALSE(window.isVisible());
        }
    }

    HideDialog& hide() { return *window.hideDialog(); }
    ExtractDialog& extract() { return *window.extractDialog(); }

    MainWindow window;
};

}  // namespace velmora::test
