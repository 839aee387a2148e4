#pragma once

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace velmora::test {

// Runs whatever opens a modal dialog; the actions run once it is up.
inline void whileOpen(const std::function<void()>& openDialog, const std::function<void()>& actions) {
    QTimer::singleShot(0, actions);
    openDialog();
}

inline void type(QWidget* box, const QString& text) { QTest::keyClicks(box, text); }

inline void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace velmora::test
