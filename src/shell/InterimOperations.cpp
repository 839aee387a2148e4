#include "shell/InterimOperations.h"

#include <QInputDialog>
#include <QLineEdit>

#include "engine/HideCore.h"
#include "shell/CodePageText.h"
#include "shell/Desktop.h"
#include "shell/MainController.h"

namespace velmora {

namespace {
std::optional<std::string> askPassword(QWidget* parent, const QString& title) {
    bool ok = false;
    const QString password =
        QInputDialog::getText(parent, title, QStringLiteral("Password:"), QLineEdit::Password, QString(), &ok);
    if (!ok || password.isEmpty()) return std::nullopt;
    return toCodePage(password.left(20));
}
}  // namespace

void runInterimHide(MainController& controller, QWidget* parent) {
    const QString title = controller.texts().text(QStringLiteral("ItemA12"));
    const auto password = askPassword(parent, title);
    if (!password) return;
    bool ok = false;
    const QString text = QInputDialog::getMultiLineText(parent, title, QStringLiteral("Text:"), QString(), &ok);
    if (!ok || text.isEmpty()) return;
    std::vector<std::string> lines;
    for (const QString& line : text.split(u'\n')) lines.push_back(toCodePage(line));
    controller.settings().step = std::clamp(controller.settings().step, kMinStep, kMaxStep);
    controller.hideInfo(*password, lines);
}

void runInterimExtract(MainController& controller, Desktop& desktop, QWidget* parent) {
    const auto password = askPassword(parent, controller.texts().text(QStringLiteral("ItemA11")));
    if (!password) return;
    const auto lines = controller.extractInfo(*password);
    if (!lines) return;
    QStringList shown;
    for (const auto& line : *lines) shown << fromCodePage(line);
    desktop.showMessage(shown.join(u'\n'));
    controller.closePicture();
}

}  // namespace velmora
