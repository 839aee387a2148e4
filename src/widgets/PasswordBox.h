#pragma once

#include <QLineEdit>

#include <functional>

namespace velmora {

// What a password box does with a character the 8-bit code page cannot store: the beep, and a
// balloon hint at the box in the words hint() gives at that moment (the language may change).
struct PasswordRefusal {
    std::function<void()> beep;
    std::function<QString()> hint;
};

// A one-line box for a password: at most kMaxPasswordBytes characters, each shown as "*". It
// holds only what the 8-bit code page can store: a character it cannot hold is refused as
// PasswordRefusal says, typed or pasted, so no password turns to "?". A paste holding one is
// refused whole; like any paste, it is first cut to the room left in the box.
QLineEdit* makePasswordBox(const char* name, QRect place, PasswordRefusal refusal, QWidget* parent);

}  // namespace velmora
