#pragma once

class QAbstractButton;
class QWidget;

namespace velmora {

// F1 anywhere in the dialog presses its Help button, so the key leads to the dialog's own
// topic as it does to the program's in the main window.
void addHelpKey(QWidget& dialog, QAbstractButton& helpButton);

}  // namespace velmora
