#include "shell/TrayIcon.h"

#include <QIcon>
#include <QMenu>

namespace velmora {

namespace {

// The first characters of text that fit the tray's tip, never splitting a surrogate pair.
QString cutToTipLength(const QString& text) {
    if (text.size() <= TrayIcon::kMaxHintLength) return text;
    int length = TrayIcon::kMaxHintLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}

}  // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
}

void TrayIcon::setVisible(bool visible) {
    if (visible != icon_.isVisible()) icon_.setVisible(visible);
}

void TrayIcon::setHint(const QString& hint) {
    hint_ = hint;
    updateToolTip();
}

void TrayIcon::setShowHint(bool show) {
    showHint_ = show;
    updateToolTip();
}

void TrayIcon::updateToolTip() { icon_.setToolTip(showHint_ ? cutToTipLength(hint_) : QString()); }

// A press gives Trigger and the second press of a double click gives DoubleClick only, so a
// double click is one click and one double click. The right button's menu is the tray's own
// doing (the context menu), shown at the pointer.
void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) emit doubleClicked();
}

}  // namespace velmora
