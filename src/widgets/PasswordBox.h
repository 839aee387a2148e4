#pragma once

#include <QLineEdit>

#include <functional>

namespace velmora {

// A one-line box for a password: at most kMaxPasswordBytes characters, each shown as "*". It
// holds only what the 8-bit code page can store: a character it cannot hold is refused with
// beep(), typed or pasted, so no password turns to "?". A paste holding one is refused whole;
// like any paste, it is first cut to the room left in the box.
QLineEdit* makePasswordBox(const char* name, QRect place, std::function<void()> beep, QWidget* parent);

}  // namespace velmora
