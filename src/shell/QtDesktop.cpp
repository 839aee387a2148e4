#include "shell/QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace velmora {

namespace {
const QString kBitmapFilter = QStringLiteral("Bitmap files (*.bmp)");

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}
}  // namespace

void QtDesktop::showMessage(const QString& text) { showBox(parent_, QMessageBox::NoIcon, text); }

void QtDesktop::showError(const QString& text) { showBox(parent_, QMessageBox::Critical, errorBoxText(text)); }

std::optional<QString> QtDesktop::chooseOpenPicture() {
    const QString name = QFileDialog::getOpenFileName(parent_, QString(), QString(), kBitmapFilter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtDesktop::chooseSavePicture() {
    QFileDialog dialog(parent_, QString(), QString(), kBitmapFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDesktop::beep() { QApplication::beep(); }

void QtDesktop::openHelp(const QString& topic) {
    QUrl url = QUrl::fromLocalFile(helpFile_);
    url.setFragment(topic);
    QDesktopServices::openUrl(url);
}

}  // namespace velmora
