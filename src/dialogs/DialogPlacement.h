#pragma once

#include <QPoint>
#include <QSize>

namespace velmora {

// Where a dialog opened from the main window goes: centred on it by outer sizes, with the
// difference halved toward zero and taken as a distance up and to the left.
QPoint placeOverMainWindow(QPoint mainTopLeft, QSize mainSize, QSize dialogSize);

}  // namespace velmora
