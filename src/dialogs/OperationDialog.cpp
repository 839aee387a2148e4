#include "dialogs/OperationDialog.h"

#include <QEventLoop>
#include <QFrame>
#include <QPushButton>

#include "dialogs/DialogDesktop.h"
#include "dialogs/DialogPlacement.h"

namespace velmora {

namespace {
constexpr int kWidth = 415;
constexpr int kMaxHeight = 458;
}  // namespace

OperationDialog::OperationDialog(DialogDesktop& desktop, int height, QWidget* parent)
    : QDialog(parent), desktop_(desktop) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(kWidth, height);
    setMinimumSize(kWidth, height);
    setMaximumSize(kWidth, kMaxHeight);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    addFrameLine({8, 8, 393, 385});
}

void OperationDialog::addFrameLine(QRect place) {
    auto* frame = new QFrame(this);
    frame->setFrameShape(place.height() > 2 ? QFrame::Box : QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    frame->lower();
}

QPushButton* OperationDialog::addButton(const char* name, QRect place) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void OperationDialog::runModal(const QWidget& mainWindow) {
    move(placeOverMainWindow(mainWindow.frameGeometry().topLeft(), mainWindow.frameGeometry().size(), size()));
    setWindowModality(Qt::ApplicationModal);
    // A loop of our own instead of exec(): hiding the dialog for an operation must not end it.
    QEventLoop loop;
    const auto connection = connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    setResult(0);
    show();
    loop.exec();
    disconnect(connection);
}

void OperationDialog::runHidden(const std::function<void()>& operation) {
    hide();
    QWidget* main = parentWidget();
    if (main) main->setEnabled(false);
    try {
        operation();
    } catch (...) {
        if (main) main->setEnabled(true);
        done(QDialog::Rejected);
        throw;
    }
    if (main) main->setEnabled(true);
}

void OperationDialog::runHiddenThenClose(const std::function<void()>& operation) {
    runHidden(operation);
    done(QDialog::Accepted);
}

}  // namespace velmora
