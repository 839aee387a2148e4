#pragma once

#include <QDialog>

#include "anim/WindowEffectHook.h"
#include "dialogs/DialogDesktop.h"

class QPushButton;

namespace velmora {

class GifAnimator;

// The About box: the product's emblem, name and version, OK and Help. No language pack
// changes it. It appears and vanishes with a window effect.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(DialogDesktop& desktop, QWidget* parent = nullptr);

    QPushButton* button(const char* name) const;
    GifAnimator* emblem() const { return emblem_; }

private:
    DialogDesktop& desktop_;
    GifAnimator* emblem_;
    WindowEffectHook effectHook_{*this};
};

}  // namespace velmora
