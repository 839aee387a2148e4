#include "dialogs/OperationDialog.h"

#include <QEventLoop>
#include <QFrame>
#include <QPushButton>

#include "dialogs/DialogPlacement.h"
#include "widgets/DialogFont.h"

namespace velmora {

namespace {
constexpr int kWidth = 415;
constexpr int kMaxHeight = 458;
}  // namespace

namespace {
constexpr std::array<std::pair<const char*, QRect>, 5> kButtonRow = {{
    {"OpentextButton", {16, 320, 185, 25}},
    {"PasteButton", {208, 320, 185, 25}},
    {"OKButton", {16, 360, 121, 25}},
    {"HelpButton", {144, 360, 121, 25}},
    {"CancelButton", {272, 360, 121, 25}},
}};
}  // namespace

OperationDialog::OperationDialog(DialogDesktop& desktop, TextLookup texts, int height, const QString& helpTopic,
                                 QWidget* parent)
    : QDialog(parent), desktop_(desktop), texts_(std::move(texts)) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(kWidth, height);
    setMinimumSize(kWidth, height);
    setMaximumSize(kWidth, kMaxHeight);
    setFont(dialogFont());
    addFrameLine({8, 8, 393, 385});
    for (const auto& [name, place] : kButtonRow) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(button("HelpButton"), &QPushButton::clicked, this, [this, helpTopic] { desktop_.openHelp(helpTopic); });
    connect(button("CancelButton"), &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* OperationDialog::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

void OperationDialog::applyButtonTexts(const std::array<const char*, 5>& keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) button(kButtonRow[i].first)->setText(texts_(QLatin1String(keys[i])));
}

void OperationDialog::addFrameLine(QRect place) {
    auto* frame = new QFrame(this);
    frame->setFrameShape(place.height() > 2 ? QFrame::Box : QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    frame->lower();
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
    emit working(true);
    try {
        operation();
    } catch (...) {
        emit working(false);
        done(QDialog::Rejected);
        throw;
    }
    emit working(false);
}

void OperationDialog::runHiddenThenClose(const std::function<void()>& operation) {
    runHidden(operation);
    done(QDialog::Accepted);
}

}  // namespace velmora
