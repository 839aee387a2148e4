// What a keystroke costs in a full hide dialog: the time to type one letter at the end of a
// 32,000-byte text, the box's own work and the room in the title included, against the same
// keystroke with the title's count left out.
//   hide_keystroke [keystrokes]
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <chrono>
#include <cstdio>
#include <string>

#include "dialogs/DialogDesktop.h"
#include "dialogs/HideDialog.h"

namespace {

class QuietDesktop : public velmora::DialogDesktop {
public:
    void showMessage(const QString&) override {}
    void showError(const QString&) override {}
    void beep() override {}
    void openHelp(const QString&) override {}
    std::optional<QString> chooseTextFileToOpen() override { return std::nullopt; }
    std::optional<QString> chooseTextFileToSave() override { return std::nullopt; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
};

// Milliseconds per keystroke, typing `count` letters at the end of the box.
double typeAtEnd(QPlainTextEdit& box, int count) {
    QTextCursor end = box.textCursor();
    end.movePosition(QTextCursor::End);
    box.setTextCursor(end);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&box, &release);
    }
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / count;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::stoi(argv[1]) : 200;
    QuietDesktop desktop;
    velmora::HideDialog dialog(desktop, [](const QString& key) { return key; },
                               {[](std::int32_t, velmora::ColorValue) {},
                                [](const std::string&, const std::vector<std::string>&) {},
                                [](std::int32_t) { return 32000 - 4; }});
    dialog.show();
    QApplication::processEvents();
    QString text;
    while (text.size() < 32000 - 80) text += QString(79, u'a') + u'\n';
    dialog.textBox()->setPlainText(text);
    QApplication::processEvents();

    const double withRoom = typeAtEnd(*dialog.textBox(), count);
    QObject::disconnect(dialog.textBox(), &QPlainTextEdit::textChanged, &dialog, nullptr);
    const double withoutRoom = typeAtEnd(*dialog.textBox(), count);
    std::printf("keystroke in a full box: %.2f ms with the room in the title, %.2f ms without (aim: under 5 ms)\n",
                withRoom, withoutRoom);
    std::printf("title: %s\n", dialog.windowTitle().toStdString().c_str());
    return 0;
}
