#pragma once

#include <QTextBrowser>

namespace velmora {

// The help window: the help file (HTML with named anchors as topics) shown at a topic. A
// file that cannot be read, or a topic it lacks, is said on the viewer's own page; nothing
// else is disturbed. Escape closes it. It reads nothing but the help file itself. It opens
// centred on the screen of the window that asked, within the screen's available area.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Loads the help file afresh and scrolls to the topic's anchor.
    void showTopic(const QString& helpFile, const QString& topic);

    static bool hasAnchor(const QTextDocument& document, const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void placeOnOwnersScreen();
};

}  // namespace velmora
