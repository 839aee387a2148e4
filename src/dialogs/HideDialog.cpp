#include "dialogs/HideDialog.h"

#include <QKeyEvent>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/LanguageKeys.h"
#include "widgets/NumberBox.h"
#include "widgets/PasswordBox.h"
#include "dialogs/TextFiles.h"
#include "dialogs/TextRows.h"
#include "engine/HideCore.h"
#include "text/CodePageFilter.h"
#include "text/CodePageText.h"
#include "widgets/ColorCombo.h"
#include "widgets/EnterKey.h"
#include "skin/SkinLabel.h"

namespace velmora {

HideDialog::HideDialog(DialogDesktop& desktop, TextLookup texts, Operation operation, QWidget* parent)
    : OperationDialog(desktop, std::move(texts), QStringLiteral("ID_02"),
                      {QStringLiteral("button_open_text.png"), QStringLiteral("button_paste.png")}, parent),
      operation_(std::move(operation)) {
    setObjectName(QStringLiteral("HideForm"));
    addFrameLine({8, 112, 393, 2});
    addFrameLine({8, 352, 393, 2});

    const std::pair<const char*, QPoint> labels[] = {
        {"SkinLabel1", {24, 16}}, {"SkinLabel2", {24, 64}}, {"SkinLabel3", {216, 16}}, {"SkinLabel4", {216, 64}}};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new SkinLabel(this);
        labels_[i]->setObjectName(QLatin1String(labels[i].first));
        labels_[i]->move(labels[i].second);
    }
    passwordBox_ = makePasswordBox("PwdEdit1", {24, 32, 177, 21}, passwordRefusal(), this);
    confirmBox_ = makePasswordBox("PwdEdit2", {24, 80, 177, 21}, passwordRefusal(), this);
    textBox_ = new CodePageTextEdit(this);
    textBox_->setObjectName(QStringLiteral("Memo"));
    textBox_->setGeometry(16, 120, 377, 193);
    setUpTextBox(*textBox_);
    fitScreenWithTextBox(*textBox_);
    colorBox_ = new ColorCombo(this);
    colorBox_->setObjectName(QStringLiteral("ColorCombo"));
    colorBox_->setGeometry(216, 80, 177, 21);
    stepBox_ = new NumberBox(kMinStep, kMaxStep, beeper(), this);
    stepBox_->setObjectName(QStringLiteral("SpinEdit"));
    stepBox_->setGeometry(216, 32, 177, 22);
    setTabOrder(passwordBox_, confirmBox_);
    setTabOrder(confirmBox_, textBox_);
    setTabOrder(textBox_, colorBox_);
    setTabOrder(colorBox_, stepBox_);
    passwordBox_->installEventFilter(this);
    confirmBox_->installEventFilter(this);

    connect(button("OpentextButton"), &QPushButton::clicked, this, &HideDialog::openTextClicked);
    connect(button("PasteButton"), &QPushButton::clicked, this, &HideDialog::pasteClicked);
    connect(button("OKButton"), &QPushButton::clicked, this, &HideDialog::okClicked);
    for (QLineEdit* box : {passwordBox_, confirmBox_}) connect(box, &QLineEdit::textChanged, this, &HideDialog::showRoom);
    connect(textBox_, &QPlainTextEdit::textChanged, this, &HideDialog::showRoom);
    connect(stepBox_, &NumberBox::textChanged, this, &HideDialog::showRoom);
    applyTexts();
}

void HideDialog::applyTexts() {
    showRoom();
    const QLatin1String labelKeys[] = {keys::kHidePasswordLabel, keys::kConfirmPasswordLabel, keys::kStepLabel,
                                       keys::kBaseColorLabel};
    for (int i = 0; i < 4; ++i) labels_[i]->setCaption(texts_(labelKeys[i]));
    applyButtonTexts(
        {keys::kOpenTextFile, keys::kPasteFromClipboard, keys::kHideGoButton, keys::kHideHelp, keys::kHideCancel});
}

void HideDialog::run(std::int32_t step, ColorValue baseColor, const QWidget& mainWindow) {
    passwordBox_->clear();
    confirmBox_->clear();
    stepBox_->setValue(step);
    colorBox_->setSelectedColor(baseColor);
    textBox_->clear();
    runModal(mainWindow);
}

void HideDialog::showEvent(QShowEvent* event) {
    OperationDialog::showEvent(event);
    passwordBox_->setFocus();
    showRoom();
}

bool HideDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!isEnterPress(event)) return OperationDialog::eventFilter(watched, event);
    if (watched == passwordBox_) {
        confirmBox_->setFocus();
    } else if (!passwordBox_->text().isEmpty() && passwordBox_->text() == confirmBox_->text()) {
        textBox_->setFocus();
    } else {
        desktop_.showMessage(texts_(keys::kPasswordNotConfirmed));
    }
    return true;  // Enter never presses a button here
}

std::size_t HideDialog::Message::bytes() const { return password.size() + packMessageText(lines).size(); }

HideDialog::Message HideDialog::message() const {
    Message m{toCodePage(passwordBox_->text()), {}};
    for (const QString& line : displayedLines(*textBox_)) m.lines.push_back(toCodePage(line));
    return m;
}

void HideDialog::showRoom() {
    const QString name = texts_(keys::kHideInformation);
    if (!isVisible()) {
        setWindowTitle(name);
        return;
    }
    const std::size_t used = message().bytes();
    const std::int32_t room = operation_.room(stepBox_->value());
    const QLocale locale;
    const QString usedText = locale.toString(qulonglong{used});
    const QString roomText = locale.toString(room);
    const QString words = texts_(keys::kHideRoom);
    // A pack's text that lacks a number's place still shows both numbers.
    const bool placesBoth = words.contains(QLatin1String("%1")) && words.contains(QLatin1String("%2"));
    QString title = name + QStringLiteral(" \u2014 ") +
                    (placesBoth ? words.arg(usedText, roomText) : usedText + QStringLiteral(" / ") + roomText);
    if (used > static_cast<std::size_t>(room)) title += QStringLiteral(" \u2014 ") + texts_(keys::kHideRoomTooLarge);
    setWindowTitle(title);
}

void HideDialog::okClicked() {
    const QString password = passwordBox_->text();
    if (password.isEmpty() || confirmBox_->text().isEmpty() || password != confirmBox_->text()) {
        desktop_.showMessage(texts_(keys::kPasswordNotConfirmed));
        return;
    }
    const Message stored = message();
    if (stored.lines.empty()) {
        desktop_.showMessage(texts_(keys::kNoTextEntered));
        return;
    }
    // Refused here, with everything the user typed still in the boxes, rather than after the
    // picture is closed.
    if (stored.bytes() > static_cast<std::size_t>(operation_.room(stepBox_->value()))) {
        desktop_.showMessage(texts_(keys::kTextTooLarge));
        return;
    }
    runHiddenThenClose([&] {
        operation_.remember(stepBox_->value(), colorBox_->selectedColor());
        operation_.hide(stored.password, stored.lines);
    });
}

void HideDialog::openTextClicked() {
    if (const auto name = desktop_.chooseTextFileToOpen())
        reportingErrors([&] { textBox_->setPlainText(storableText(readTextFile(*name))); });
}

void HideDialog::pasteClicked() {
    QString text = desktop_.clipboardText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textBox_->insertPlainText(storableText(text));
}

}  // namespace velmora
