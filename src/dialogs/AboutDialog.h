#pragma once

#include <QDialog>

#include "dialogs/DialogDesktop.h"

class QPushButton;

namespace velmora {

class GifAnimator;

// The About box: the product's emblem, name and version, OK and Help. No language pack
// changes it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(DialogDesktop& desktop, QWidget* parent = nullptr);

    QPushButton* button(const char* name) const;
    GifAnimator* emblem() const { return emblem_; }

private:
    DialogDesktop& desktop_;
    GifAnimator* emblem_;
};

}  // namespace velmora
