#pragma once

#include <QDialog>

#include "anim/WindowEffectHook.h"
#include "dialogs/DialogDesktop.h"

class QCheckBox;
class QPushButton;

namespace velmora {

class SkinLabel;

// The first-run tips: right-click for the menu, drop a picture on the drum; a box to turn
// the tips off for later starts. Always on top, moved to the centre of the screen each time it
// appears, and it grows out of that centre and shrinks back into it with a window effect.
class FirstOpenDialog : public QDialog {
    Q_OBJECT

public:
    explicit FirstOpenDialog(DialogDesktop& desktop, QWidget* parent = nullptr);

    // The language pack's texts: the two tips, the box's caption, the Help caption.
    void setTexts(const QString& firstTip, const QString& secondTip, const QString& checkBox, const QString& help);
    // Whether the dialog ended with OK and its box ticked: no tips at later starts. Closing
    // it by its title bar changes nothing, whatever the box shows.
    bool turnedOff() const;

    QCheckBox* checkBox() const { return checkBox_; }
    QPushButton* button(const char* name) const;

private:
    DialogDesktop& desktop_;
    SkinLabel* firstTip_;
    SkinLabel* secondTip_;
    QCheckBox* checkBox_;
    WindowEffectHook effectHook_{*this};
};

}  // namespace velmora
