#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QIcon;
class QMenu;

namespace velmora {

// One icon in the system tray while the program sits there, with the product hint over it.
// A right click opens the given popup menu at the pointer (the desktop's tray delivers it), a
// double click comes out as doubleClicked, a single click does nothing. Hidden at start.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    // The tray keeps at most this many characters of a hint.
    static constexpr int kMaxHintLength = 63;

    explicit TrayIcon(QObject* parent = nullptr);

    // Adds the icon to the tray or removes it; setting the current value again does nothing.
    void setVisible(bool visible);
    bool isVisible() const { return icon_.isVisible(); }
    void setHint(const QString& hint);
    // With the hint switched off the icon has an empty tip.
    void setShowHint(bool show);
    void setIcon(const QIcon& icon) { icon_.setIcon(icon); }
    void setPopupMenu(QMenu* menu) { icon_.setContextMenu(menu); }
    // What the tray shows as the tip.
    QString toolTip() const { return icon_.toolTip(); }

    // The desktop's side of the icon: its clicks arrive through it.
    QSystemTrayIcon& systemIcon() { return icon_; }

signals:
    void doubleClicked();

private:
    void updateToolTip();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon icon_;
    QString hint_;
    bool showHint_ = true;
};

}  // namespace velmora
