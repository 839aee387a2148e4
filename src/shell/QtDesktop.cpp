#include "shell/QtDesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QSystemTrayIcon>

#include "dialogs/HelpViewer.h"
#include "widgets/BreakableText.h"

namespace velmora {

namespace {
const QString kBitmapFilter = QStringLiteral("Bitmap files (*.bmp)");

// Messages are centred on the screen, above the always-on-top main window. Their text is
// plain, whatever a file name in it looks like, and a long path in it wraps, so the box stays
// inside the screen.
void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), breakableText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

std::optional<QString> chooseSaveName(QWidget* parent, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
}  // namespace

void QtDesktop::showMessage(const QString& text) { showBox(QMessageBox::NoIcon, text); }

void QtDesktop::showError(const QString& text) { showBox(QMessageBox::Critical, errorBoxText(text)); }

std::optional<QString> QtDesktop::chooseOpenPicture() {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), QString(), kBitmapFilter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtDesktop::chooseSavePicture() { return chooseSaveName(parent_, kBitmapFilter, QStringLiteral("bmp")); }

bool QtDesktop::hasSystemTray() { return QSystemTrayIcon::isSystemTrayAvailable(); }

std::optional<QString> QtDesktop::chooseTextFileToOpen() {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), QString(),
                                                      QStringLiteral("Text files (*.txt);;All files (*)"));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtDesktop::chooseTextFileToSave() {
    return chooseSaveName(parent_, QStringLiteral("Text files (*.txt)"), QStringLiteral("txt"));
}

QString QtDesktop::clipboardText() { return QGuiApplication::clipboard()->text(); }

void QtDesktop::setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtDesktop::beep() { QApplication::beep(); }

QtDesktop::~QtDesktop() { delete viewer_; }

int QtDesktop::runModal(QDialog& dialog) { return dialog.exec(); }

// The viewer stands over the modal dialog that asked for help, if any, so that dialog does
// not block it; otherwise over the main window.
void QtDesktop::openHelp(const QString& topic) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = parent_;
    if (!viewer_) viewer_ = new HelpViewer(owner);
    else if (viewer_->parentWidget() != owner) viewer_->setParent(owner, viewer_->windowFlags());
    viewer_->showTopic(helpFile_, topic);
}

}  // namespace velmora
