#include "dialogs/ExtractDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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
    : OperationDialog(desktop, std::move(texts), 426, QStringLiteral("ID_03"), parent),
      operation_(std::move(operation)) {
    setObjectName(QStringLiteral("ExtractForm"));
    addFrameLine({8, 64, 393, 2});
    addFrameLine({8, 352, 393, 2});
    label_ = new SkinLabel(this);
    label_->setObjectName(QStringLiteral("SkinLabel1"));
    label_->move(168, 16);
    pwdEdit_ = makePasswordBox("PwdEdit", {120, 32, 177, 21}, beeper(), this);
    pwdEdit_->installEventFilter(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setGeometry(16, 72, 377, 241);
    memo_->setReadOnly(true);
    setUpTextBox(*memo_);
    setTabOrder(pwdEdit_, memo_);

    connect(button("OpentextButton"), &QPushButton::clicked, this, &ExtractDialog::saveTextClicked);
    connect(button("PasteButton"), &QPushButton::clicked, this, &ExtractDialog::copyClicked);
    ok_ = button("OKButton");
    connect(ok_, &QPushButton::clicked, this, &ExtractDialog::okClicked);
    applyTexts();
}

void ExtractDialog::applyTexts() {
    setWindowTitle(texts_(QStringLiteral("ItemA11")));
    label_->setCaption(texts_(QStringLiteral("ItemB3")));
    applyButtonTexts({"ItemB7", "ItemB8", "ItemB6", "ItemB4", "ItemB5"});
}

void ExtractDialog::run(const QWidget& mainWindow) {
    pwdEdit_->clear();
    memo_->clear();
    ok_->setText(texts_(QStringLiteral("ItemA1")));
    runModal(mainWindow);
}

void ExtractDialog::showEvent(QShowEvent* event) {
    OperationDialog::showEvent(event);
    if (ok_->text() != kSecondPhase) pwdEdit_->setFocus();
}

bool ExtractDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pwdEdit_ && isEnterPress(event)) {
        okClicked();
        return true;
    }
    return OperationDialog::eventFilter(watched, event);
}

void ExtractDialog::okClicked() {
    if (pwdEdit_->text().isEmpty()) {
        desktop_.showMessage(texts_(QStringLiteral("ItemB1")));
        return;
    }
    if (ok_->text() == kSecondPhase) {
        runHiddenThenClose(operation_.finish);
        return;
    }
    runHidden([this] {
        if (const auto lines = operation_.extract(toCodePage(pwdEdit_->text())))
            for (const std::string& line : *lines) memo_->appendPlainText(fromCodePage(line));
    });
    show();
    ok_->setText(kSecondPhase);
    memo_->setFocus();
}

void ExtractDialog::saveTextClicked() {
    if (const auto name = desktop_.chooseTextFileToSave()) writeTextFile(*name, textLines(*memo_));
}

void ExtractDialog::copyClicked() {
    QString selected = memo_->textCursor().selectedText();
    if (selected.isEmpty()) return;
    desktop_.setClipboardText(selected.replace(QChar::ParagraphSeparator, u'\n'));
}

}  // namespace velmora
