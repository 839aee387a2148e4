#pragma once

#include <QLineEdit>

namespace velmora {

// A one-line box for a password: at most kMaxPasswordBytes characters, each shown as "*", holding only what
// the 8-bit code page can store.
QLineEdit* makePasswordBox(const char* name, QRect place, QWidget* parent);

}  // namespace velmora
