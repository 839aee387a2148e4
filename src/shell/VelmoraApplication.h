#pragma once

#include <QApplication>

namespace velmora {

class Desktop;

// The application object: an error that reaches the event loop is shown in the error box,
// and the program goes on with the next event.
class VelmoraApplication : public QApplication {
public:
    VelmoraApplication(int& argc, char** argv);
    void setDesktop(Desktop* desktop) { desktop_ = desktop; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Desktop* desktop_ = nullptr;
};

}  // namespace velmora
