#pragma once

class QWidget;

namespace velmora {

class Desktop;
class MainController;

// Plain input dialogs for the Hide and Extract commands, so the program can be used end to
// end before its own hide and extract dialogs exist.
void runInterimHide(MainController& controller, QWidget* parent);
void runInterimExtract(MainController& controller, Desktop& desktop, QWidget* parent);

}  // namespace velmora
