#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>

#include "dialogs/AboutDialog.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/FirstOpenDialog.h"
#include "dialogs/HideDialog.h"
#include "dialogs/TextRows.h"
#include "shell/Desktop.h"
#include "shell/LanguagePacks.h"
#include "settings/IniStore.h"
#include "shell/MainController.h"
#include "shell/TrayIcon.h"
#include "shell/TrayMinimizer.h"
#include "dialogs/OptionsDialog.h"
#include "anim/GifAnimator.h"
#include "skin/FileDropTarget.h"
#include "skin/ImageBtn.h"
#include "skin/Look.h"
#include "skin/SkinLabel.h"
#include "skin/SkinPanel.h"
#include "widgets/DialogFont.h"

namespace velmora {

MainWindow::MainWindow(MainController& controller, Desktop& desktop, GifAnimator* drum, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), controller_(controller),
      desktop_(desktop), menu_(new QMenu(this)), skin_(*this, drum) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(dialogFont());
    setFixedSize(223, 299);
    move(232, 155);

    addItem(QStringLiteral("OpenFile_Menu"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openCommand);
    addItem(QStringLiteral("HideInfo_Menu"), QKeySequence(Qt::CTRL | Qt::Key_H), &MainWindow::hideCommand);
    addItem(QStringLiteral("ExtractInfo_Menu"), QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::extractCommand);
    addItem(QStringLiteral("CloseFile_Menu"), QKeySequence(Qt::ALT | Qt::Key_C), &MainWindow::closeCommand);
    menu_->addSeparator();
    QMenu* languages = menu_->addMenu(QString());
    languages->menuAction()->setObjectName(QStringLiteral("Language_Menu"));
    items_.insert(QStringLiteral("Language_Menu"), languages->menuAction());
    languages_ = new LanguagePacks(controller_, *languages);
    for (int i = 1; i <= LanguagePacks::kItemCount; ++i) items_.insert(QStringLiteral("Lang%1").arg(i), languages_->item(i));
    addItem(QStringLiteral("Minimize_Menu"), {}, &MainWindow::minimizeCommand);
    addItem(QStringLiteral("Options_Menu"), QKeySequence(Qt::ALT | Qt::Key_O), &MainWindow::optionsCommand);
    addItem(QStringLiteral("Help_Menu"), QKeySequence(Qt::Key_F1), &MainWindow::helpCommand);
    addItem(QStringLiteral("About_Menu"), {}, &MainWindow::aboutCommand);
    menu_->addSeparator();
    addItem(QStringLiteral("Exit_Menu"), QKeySequence(Qt::ALT | Qt::Key_X), &MainWindow::exitCommand);
    setMenuPictures();

    // The dialogs exist, hidden, from the start, so the language texts reach them at once.
    const TextLookup texts = [this](const QString& key) { return controller_.texts().text(key); };
    hide_ = new HideDialog(desktop_, texts,
                           {[this](std::int32_t step, ColorValue base) { controller_.rememberStepAndColor(step, base); },
                            [this](const std::string& password, const std::vector<std::string>& lines) {
                                controller_.hideInfo(password, lines);
                            }},
                           this);
    extract_ = new ExtractDialog(desktop_, texts,
                                 {[this](const std::string& password) { return controller_.extractInfo(password); },
                                  [this] { controller_.finishExtract(); }},
                                 this);
    options_ = new OptionsDialog(texts, Settings{}.outputPolicy, this);
    tips_ = new FirstOpenDialog(desktop_, this);
    about_ = new AboutDialog(desktop_, this);
    trayIcon_ = new TrayIcon(this);
    trayIcon_->setHint(QStringLiteral("Velmora v1.0"));
    trayIcon_->setIcon(QApplication::windowIcon());
    trayIcon_->setPopupMenu(menu_);
    trayMinimizer_ = new TrayMinimizer(*this, *trayIcon_, controller_, desktop_, this);
    connect(trayIcon_, &TrayIcon::doubleClicked, trayMinimizer_, &TrayMinimizer::restoreFromTray);
    connect(hide_, &OperationDialog::working, this, &MainWindow::blockCommands);
    connect(extract_, &OperationDialog::working, this, &MainWindow::blockCommands);
    controller_.setRewrap(textBoxRewrap(font()));
    applyTexts();
    connect(&controller_, &MainController::textsChanged, this, &MainWindow::applyTexts);
    showLoadedState(false);
    connect(&controller_, &MainController::loadedChanged, this, &MainWindow::showLoadedState);

    connect(skin_.productLabel, &SkinLabel::clicked, this, &MainWindow::productLabelClicked);
    connect(skin_.minimizeBtn, &ImageBtn::clicked, this, &MainWindow::minimizeButtonClicked);
    connect(skin_.hideBtn, &ImageBtn::clicked, this, &MainWindow::hideButtonClicked);
    connect(skin_.extractBtn, &ImageBtn::clicked, this, &MainWindow::extractButtonClicked);
    connect(skin_.exitBtn, &ImageBtn::clicked, this, &MainWindow::exitButtonClicked);
    connect(skin_.drumPanel, &SkinPanel::clicked, this, &MainWindow::drumClicked);
    connect(skin_.drumPanel, &SkinPanel::doubleClicked, this, &MainWindow::drumClicked);
}

QAction* MainWindow::addItem(const QString& name, const QKeySequence& shortcut, void (MainWindow::*command)()) {
    QAction* action = menu_->addAction(QString());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);  // the shortcut works while the menu is closed
    connect(action, &QAction::triggered, this, command);
    items_.insert(name, action);
    return action;
}

void MainWindow::setMenuPictures() {
    const std::pair<const char*, const char*> pictures[] = {
        {"OpenFile_Menu", "open"},  {"HideInfo_Menu", "hide"},         {"ExtractInfo_Menu", "extract"},
        {"CloseFile_Menu", "close"}, {"Language_Menu", "language"},    {"Minimize_Menu", "minimize"},
        {"Options_Menu", "options"}, {"Help_Menu", "help"},            {"About_Menu", "about"},
        {"Exit_Menu", "exit"},
    };
    for (const auto& [item, picture] : pictures) items_.value(QLatin1String(item))->setIcon(menuPicture(QLatin1String(picture)));
}

void MainWindow::applyTexts() {
    const UiTexts& texts = controller_.texts();
    const std::pair<const char*, const char*> captions[] = {
        {"OpenFile_Menu", "ItemA14"}, {"HideInfo_Menu", "ItemA12"}, {"ExtractInfo_Menu", "ItemA11"},
        {"CloseFile_Menu", "ItemA9"}, {"Language_Menu", "ItemA13"}, {"Minimize_Menu", "ItemA19"},
        {"Options_Menu", "ItemA15"},  {"Help_Menu", "ItemB4"},      {"About_Menu", "ItemA8"},
        {"Exit_Menu", "ItemA10"},
    };
    for (const auto& [item, key] : captions) items_.value(QLatin1String(item))->setText(texts.text(QLatin1String(key)));
    hide_->applyTexts();
    extract_->applyTexts();
    options_->applyTexts();
    tips_->setTexts(texts.text(QStringLiteral("ItemA71")), texts.text(QStringLiteral("ItemA7")),
                    texts.text(QStringLiteral("ItemA72")), texts.tipsHelpCaption());
    skin_.applyTexts(texts);
    setToolTip(QString());
}

void MainWindow::showLoadedState(bool loaded) {
    items_.value(QStringLiteral("OpenFile_Menu"))->setVisible(!loaded);
    for (const char* name : {"HideInfo_Menu", "ExtractInfo_Menu", "CloseFile_Menu"})
        items_.value(QLatin1String(name))->setVisible(loaded);
}

// Disabling the window itself would disable the message boxes and file dialogs that the
// operation opens as its children, so the commands are held back one by one instead.
void MainWindow::blockCommands(bool blocked) {
    blocked_ = blocked;
    menu_->setEnabled(!blocked);
    for (QAction* item : std::as_const(items_)) item->setEnabled(!blocked);
    skin_.drumPanel->setAcceptDrops(!blocked);
}

void MainWindow::drumClicked() {
    if (!blocked_) controller_.drumClicked();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    new FileDropTarget(skin_.drumPanel, [this](const DragDropInfo& drop) { controller_.filesDropped(drop.fileNames); });
    controller_.start();
    languages_->buildLanguageMenu();
    languages_->loadLanguage();
    if (controller_.settings().firstOpen) {
        desktop_.runModal(*tips_);
        if (tips_->turnedOff()) controller_.setFirstOpen(false);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (blocked_) {  // the platform's close request waits for the operation
        event->ignore();
        return;
    }
    // A settings file that cannot be written is reported, and the program still ends.
    try {
        controller_.finish();
    } catch (const SettingsWriteError& e) {
        desktop_.showError(QString::fromStdString(e.what()));
    }
    event->accept();
    // The program ends with its main window, also from the tray, where the window is hidden
    // and closing it would not end the event loop by itself.
    QCoreApplication::quit();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!blocked_) menu_->popup(event->globalPos());
}

void MainWindow::openCommand() { controller_.openCommand(); }
void MainWindow::closeCommand() { controller_.closePicture(); }
void MainWindow::hideCommand() { hide_->run(controller_.settings().step, controller_.settings().baseColor, *this); }
void MainWindow::extractCommand() { extract_->run(*this); }
void MainWindow::helpCommand() { desktop_.openHelp(QStringLiteral("ID_01")); }
void MainWindow::minimizeCommand() { trayMinimizer_->toggle(); }
void MainWindow::exitCommand() { close(); }
void MainWindow::aboutCommand() { about_->exec(); }

void MainWindow::minimizeButtonClicked() { trayMinimizer_->minimizeToTray(); }
void MainWindow::hideButtonClicked() { runItemOrBeep("HideInfo_Menu"); }
void MainWindow::extractButtonClicked() { runItemOrBeep("ExtractInfo_Menu"); }
void MainWindow::exitButtonClicked() { items_.value(QStringLiteral("Exit_Menu"))->trigger(); }
void MainWindow::productLabelClicked() { items_.value(QStringLiteral("About_Menu"))->trigger(); }

void MainWindow::runItemOrBeep(const char* item) {
    QAction* action = items_.value(QLatin1String(item));
    if (action->isVisible()) action->trigger();
    else desktop_.beep();
}

void MainWindow::openStartFiles(const QStringList& fileNames) {
    trayMinimizer_->stayOnScreen();
    controller_.filesDropped(fileNames);
}

void MainWindow::optionsCommand() {
    if (const auto k = options_->choosePolicy(controller_.settings().outputPolicy, *this))
        controller_.setOutputPolicy(*k);
}

}  // namespace velmora
