#include "dialogs/HideDialog.h"

#include <QKeyEvent>
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
    : OperationDialog(desktop, std::move(texts), 425, QStringLiteral("ID_02"),
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
    applyTexts();
}

void HideDialog::applyTexts() {
    setWindowTitle(texts_(keys::kHideInformation));
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

void HideDialog::okClicked() {
    const QString password = passwordBox_->text();
    const QStringList lines = displayedLines(*textBox_);
    if (password.isEmpty() || confirmBox_->text().isEmpty() || password != confirmBox_->text()) {
        desktop_.showMessage(texts_(keys::kPasswordNotConfirmed));
        return;
    }
    if (lines.isEmpty()) {
        desktop_.showMessage(texts_(keys::kNoTextEntered));
        return;
    }
    std::vector<std::string> stored;
    for (const QString& line : lines) stored.push_back(toCodePage(line));
    runHiddenThenClose([&] {
        operation_.remember(stepBox_->value(), colorBox_->selectedColor());
        operation_.hide(toCodePage(password), stored);
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
