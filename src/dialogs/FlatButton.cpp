#include "dialogs/FlatButton.h"

#include "skin/Look.h"

namespace velmora {

FlatButton::FlatButton(const QString& name, const QString& picture, QRect place, QWidget* parent)
    : QPushButton(parent) {
    setObjectName(name);
    setGeometry(place);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setIconSize({16, 16});
    setIcon(lookIcon(picture));
}

}  // namespace velmora
