#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "dialogs/DialogPlacement.h"

namespace velmora::test {

// Runs whatever opens a modal dialog; the actions run once it is up. Timers already fire while
// a window effect plays before a dialog appears, so they wait for the dialog to become the
// modal window rather than for the first turn of the event loop.
inline void whileOpen(const std::function<void()>& openDialog, const std::function<void()>& actions) {
    const QWidget* before = QApplication::activeModalWidget();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before) return;
        poll.stop();
        actions();
    });
    poll.start(0);
    openDialog();
}

// A dialog opened from the main window stands where placeOverMainWindow puts it by outer sizes,
// with whatever frame the desktop put round it.
inline void expectPlacedOver(const QWidget& mainWindow, const QWidget& dialog) {
    const QRect main = mainWindow.frameGeometry();
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              placeOverMainWindow(main.topLeft(), main.size(), dialog.frameGeometry().size()));
}

inline void type(QWidget* box, const QString& text) { QTest::keyClicks(box, text); }

inline void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace velmora::test
