#pragma once

#include <QPushButton>

namespace velmora {

// A dialog button: flat over the dialog's background, a 16 x 16 picture before its caption,
// and never the keyboard focus, so pressing it leaves the focus where it was.
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    // picture names one of the look pictures ("button_ok.png").
    FlatButton(const QString& name, const QString& picture, QRect place, QWidget* parent);
};

}  // namespace velmora
