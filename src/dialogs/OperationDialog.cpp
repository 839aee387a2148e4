#include "dialogs/OperationDialog.h"

#include <QEventLoop>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <exception>

#include "dialogs/DialogLook.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/FlatButton.h"
#include "dialogs/HelpKey.h"
#include "dialogs/LanguageKeys.h"
#include "widgets/DialogFont.h"
#include "widgets/ScreenPlacement.h"

namespace velmora {

namespace {

// The frame round every control; the client area keeps as much room below and right of it as
// above and left of it.
constexpr QRect kControls{8, 8, 393, 385};
// The text box gives up height to a screen too low for the dialog, down to a few rows.
constexpr int kMinTextBoxHeight = 60;

// Says the dialog is working for as long as it lives, so that every way out of an operation,
// an error included, gives the main window its commands back.
class WorkingScope {
public:
    explicit WorkingScope(OperationDialog& dialog) : dialog_(dialog) { emit dialog_.working(true); }
    ~WorkingScope() { emit dialog_.working(false); }
    WorkingScope(const WorkingScope&) = delete;
    WorkingScope& operator=(const WorkingScope&) = delete;

private:
    OperationDialog& dialog_;
};

struct RowButton {
    const char* name;
    QRect place;
    const char* picture;  // none: the dialog's own text-button picture
};
constexpr std::array<RowButton, 5> kButtonRow = {{
    {"OpentextButton", {16, 320, 185, 25}, nullptr},
    {"PasteButton", {208, 320, 185, 25}, nullptr},
    {"OKButton", {16, 360, 121, 25}, "button_ok.png"},
    {"HelpButton", {144, 360, 121, 25}, "button_help.png"},
    {"CancelButton", {272, 360, 121, 25}, "button_cancel.png"},
}};
}  // namespace

OperationDialog::OperationDialog(DialogDesktop& desktop, TextLookup texts, const QString& helpTopic,
                                 const TextButtonPictures& pictures, QWidget* parent)
    : QDialog(parent), desktop_(desktop), texts_(std::move(texts)) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    fixDialogSize(*this, clientSizeAround(kControls));
    setFont(dialogFont());
    addTiledBackground(*this);
    addFrameLine(kControls);
    const QString textPictures[] = {pictures.openText, pictures.paste};
    for (std::size_t i = 0; i < kButtonRow.size(); ++i) {
        const RowButton& row = kButtonRow[i];
        new FlatButton(QLatin1String(row.name), row.picture ? QLatin1String(row.picture) : textPictures[i], row.place,
                       this);
    }
    connect(button("HelpButton"), &QPushButton::clicked, this, [this, helpTopic] { desktop_.openHelp(helpTopic); });
    addHelpKey(*this, *button("HelpButton"));
    connect(button("CancelButton"), &QPushButton::clicked, this, &QDialog::reject);
    // The flat buttons never take the focus: Ctrl+Enter presses OK from anywhere in the dialog
    // (Escape cancels, as in any dialog).
    for (const QKeyCombination keys : {QKeyCombination(Qt::ControlModifier, Qt::Key_Return),
                                       QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)}) {
        auto* pressOk = new QShortcut(QKeySequence(keys), this);
        connect(pressOk, &QShortcut::activated, button("OKButton"), &QPushButton::click);
    }
}

QPushButton* OperationDialog::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

void OperationDialog::applyButtonTexts(const std::array<QLatin1String, 5>& captionKeys) {
    for (std::size_t i = 0; i < captionKeys.size(); ++i) button(kButtonRow[i].name)->setText(texts_(captionKeys[i]));
}

PasswordRefusal OperationDialog::passwordRefusal() {
    return {beeper(), [this] { return texts_(keys::kLetterNotStorable); }};
}

void OperationDialog::addFrameLine(QRect place) {
    addEtchedBorder(*this, place, place.height() > 2 ? EtchedBorder::Shape::Box : EtchedBorder::Shape::Separator);
}

void OperationDialog::fitScreenWithTextBox(QWidget& textBox) {
    ScreenPlacement::of(*this).setFit([this, &textBox](QSize room) { fitTextBoxInto(textBox, room); });
}

void OperationDialog::fitTextBoxInto(QWidget& textBox, QSize room) {
    const int full = clientSizeAround(kControls).height();
    const int spare = textBox.height() + shrunkBy_ - kMinTextBoxHeight;
    const int shrinkBy = std::clamp(full - room.height(), 0, spare);
    const int change = shrinkBy - shrunkBy_;
    if (change == 0) return;
    // What lies under the text box moves up with its bottom; what spans it (the frame round
    // every control) gets shorter with it.
    const int textTop = textBox.y();
    const int textBottom = textBox.y() + textBox.height();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        if (place.top() >= textBottom) child->move(place.x(), place.y() - change);
        else if (place.top() <= textTop && place.bottom() >= textBottom - 1)
            child->resize(place.width(), place.height() - change);
    }
    shrunkBy_ = shrinkBy;
    fixDialogSize(*this, {width(), full - shrunkBy_});
}

void OperationDialog::runModal(const QWidget& mainWindow) {
    placeOnScreen(*this, [main = mainWindow.frameGeometry()](QSize outer) {
        return placeOverMainWindow(main.topLeft(), main.size(), outer);
    });
    setWindowModality(Qt::ApplicationModal);
    // A loop of our own instead of exec(): hiding the dialog for an operation must not end it.
    QEventLoop loop;
    const auto connection = connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    setResult(0);
    show();
    loop.exec();
    disconnect(connection);
}

bool OperationDialog::reportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        desktop_.showError(QString::fromStdString(e.what()));
        return false;
    }
}

bool OperationDialog::runHidden(const std::function<void()>& operation) {
    hide();
    return reportingErrors([&] {
        try {
            const WorkingScope busy(*this);
            operation();
        } catch (...) {
            done(QDialog::Rejected);
            throw;
        }
    });
}

void OperationDialog::runHiddenThenClose(const std::function<void()>& operation) {
    if (runHidden(operation)) done(QDialog::Accepted);
}

}  // namespace velmora
