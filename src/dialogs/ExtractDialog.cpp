#include "dialogs/ExtractDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/LanguageKeys.h"
#include "widgets/PasswordBox.h"
#include "dialogs/TextFiles.h"
#include "dialogs/TextRows.h"
#include "widgets/EnterKey.h"
#include "text/CodePageText.h"
#include "skin/SkinLabel.h"

namespace velmora {

namespace {
const QString kSecondPhase = QStringLiteral("OK");
}

ExtractDialog::ExtractDialog(DialogDesktop& desktop, TextLookup texts, Operation operation, QWidget* parent)
    : OperationDialog(desktop, std::move(texts), QStringLiteral("ID_03"),
                      {QStringLiteral("button_save_text.png"), QStringLiteral("button_copy.png")}, parent),
      operation_(std::move(operation)) {
    setObjectName(QStringLiteral("ExtractForm"));
    addFrameLine({8, 64, 393, 2});
    addFrameLine({8, 352, 393, 2});
    passwordLabel_ = new SkinLabel(this);
    passwordLabel_->setObjectName(QStringLiteral("SkinLabel1"));
    passwordLabel_->move(168, 16);
    passwordBox_ = makePasswordBox("PwdEdit", {120, 32, 177, 21}, passwordRefusal(), this);
    passwordBox_->installEventFilter(this);
    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("Memo"));
    textBox_->setGeometry(16, 72, 377, 241);
    textBox_->setReadOnly(true);
    setUpTextBox(*textBox_);
    fitScreenWithTextBox(*textBox_);
    setTabOrder(passwordBox_, textBox_);

    connect(button("OpentextButton"), &QPushButton::clicked, this, &ExtractDialog::saveTextClicked);
    connect(button("PasteButton"), &QPushButton::clicked, this, &ExtractDialog::copyClicked);
    okButton_ = button("OKButton");
    connect(okButton_, &QPushButton::clicked, this, &ExtractDialog::okClicked);
    applyTexts();
}

void ExtractDialog::applyTexts() {
    setWindowTitle(texts_(keys::kExtractInformation));
    passwordLabel_->setCaption(texts_(keys::kExtractPasswordLabel));
    // The second phase's "OK" is the phase itself: a language chosen meanwhile keeps it.
    const bool secondPhase = okButton_->text() == kSecondPhase;
    applyButtonTexts({keys::kSaveTextFile, keys::kCopyToClipboard, keys::kExtractGoButton, keys::kHelp, keys::kCancel});
    if (secondPhase) okButton_->setText(kSecondPhase);
}

void ExtractDialog::run(const QWidget& mainWindow) {
    passwordBox_->clear();
    textBox_->clear();
    okButton_->setText(texts_(keys::kExtractFirstPhaseButton));
    runModal(mainWindow);
}

void ExtractDialog::showEvent(QShowEvent* event) {
    OperationDialog::showEvent(event);
    if (okButton_->text() != kSecondPhase) passwordBox_->setFocus();
}

bool ExtractDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == passwordBox_ && isEnterPress(event)) {
        okClicked();
        return true;
    }
    return OperationDialog::eventFilter(watched, event);
}

void ExtractDialog::okClicked() {
    if (passwordBox_->text().isEmpty()) {
        desktop_.showMessage(texts_(keys::kExtractNoPassword));
        return;
    }
    if (okButton_->text() == kSecondPhase) {
        runHiddenThenClose(operation_.finish);
        return;
    }
    const bool extracted = runHidden([this] {
        if (const auto lines = operation_.extract(toCodePage(passwordBox_->text())))
            for (const std::string& line : *lines) textBox_->appendPlainText(fromCodePage(line));
    });
    if (!extracted) return;
    show();
    okButton_->setText(kSecondPhase);
    textBox_->setFocus();
}

void ExtractDialog::saveTextClicked() {
    if (const auto name = desktop_.chooseTextFileToSave())
        reportingErrors([&] { writeTextFile(*name, textLines(*textBox_)); });
}

void ExtractDialog::copyClicked() {
    QString selected = textBox_->textCursor().selectedText();
    if (selected.isEmpty()) return;
    desktop_.setClipboardText(selected.replace(QChar::ParagraphSeparator, u'\n'));
}

}  // namespace velmora
