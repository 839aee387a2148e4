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
#include "shell/KeyboardReturn.h"
#include "shell/LanguagePacks.h"
#include "settings/IniStore.h"
#include "shell/MainController.h"
#include "shell/TrayIcon.h"
#include "shell/TrayMinimizer.h"
#include "dialogs/OptionsDialog.h"
#include "anim/GifAnimator.h"
#include "dialogs/LanguageKeys.h"
#include "skin/FileDropTarget.h"
#include "skin/ImageBtn.h"
#include "skin/Look.h"
#include "skin/SkinLabel.h"
#include "skin/SkinPanel.h"
#include "widgets/DialogFont.h"
#include "widgets/ScreenPlacement.h"

namespace velmora {

MainWindow::MainWindow(MainController& controller, Desktop& desktop, GifAnimator* drum, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), controller_(controller),
      desktop_(desktop), menu_(new QMenu(this)), skin_(*this, drum) {
    setObjectName(QStringLiteral("MainForm"));
    setFont(dialogFont());
    setFixedSize(223, 299);
    placeOnScreen(*this, {232, 155});

    openAction_ = addItem("OpenFile_Menu", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openCommand);
    hideAction_ = addItem("HideInfo_Menu", QKeySequence(Qt::CTRL | Qt::Key_H), &MainWindow::hideCommand);
    extractAction_ = addItem("ExtractInfo_Menu", QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::extractCommand);
    closeAction_ = addItem("CloseFile_Menu", QKeySequence(Qt::ALT | Qt::Key_C), &MainWindow::closeCommand);
    menu_->addSeparator();
    QMenu* languages = menu_->addMenu(QString());
    languageAction_ = languages->menuAction();
    languageAction_->setObjectName(QStringLiteral("Language_Menu"));
    languages_ = new LanguagePacks(controller_, *languages);
    minimizeAction_ = addItem("Minimize_Menu", {}, &MainWindow::minimizeCommand);
    optionsAction_ = addItem("Options_Menu", QKeySequence(Qt::ALT | Qt::Key_O), &MainWindow::optionsCommand);
    helpAction_ = addItem("Help_Menu", QKeySequence(Qt::Key_F1), &MainWindow::helpCommand);
    aboutAction_ = addItem("About_Menu", {}, &MainWindow::aboutCommand);
    menu_->addSeparator();
    exitAction_ = addItem("Exit_Menu", QKeySequence(Qt::ALT | Qt::Key_X), &MainWindow::exitCommand);
    setMenuPictures();

    // The dialogs exist, hidden, from the start, so the language texts reach them at once.
    const TextLookup texts = [this](const QString& key) { return controller_.texts().text(key); };
    hide_ = new HideDialog(desktop_, texts,
                           {[this](std::int32_t step, ColorValue base) { controller_.rememberStepAndColor(step, base); },
                            [this](const std::string& password, const std::vector<std::string>& lines) {
                                controller_.hideInfo(password, lines);
                            },
                            [this](std::int32_t step) { return controller_.messageRoom(step); }},
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
    new KeyboardReturn(*this);
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

QAction* MainWindow::addItem(const char* name, const QKeySequence& shortcut, void (MainWindow::*command)()) {
    QAction* action = menu_->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);  // the shortcut works while the menu is closed
    connect(action, &QAction::triggered, this, command);
    return action;
}

std::array<QAction*, 10> MainWindow::menuActions() const {
    return {openAction_,     hideAction_,    extractAction_, closeAction_, languageAction_,
            minimizeAction_, optionsAction_, helpAction_,    aboutAction_, exitAction_};
}

void MainWindow::setMenuPictures() {
    const std::pair<QAction*, const char*> pictures[] = {
        {openAction_, "open"},        {hideAction_, "hide"},         {extractAction_, "extract"},
        {closeAction_, "close"},      {languageAction_, "language"}, {minimizeAction_, "minimize"},
        {optionsAction_, "options"},  {helpAction_, "help"},         {aboutAction_, "about"},
        {exitAction_, "exit"},
    };
    for (const auto& [item, picture] : pictures) item->setIcon(menuPicture(QLatin1String(picture)));
}

void MainWindow::applyTexts() {
    const UiTexts& texts = controller_.texts();
    const std::pair<QAction*, QLatin1String> captions[] = {
        {openAction_, keys::kOpenPicture},   {hideAction_, keys::kHideInformation},
        {extractAction_, keys::kExtractInformation}, {closeAction_, keys::kClosePicture},
        {languageAction_, keys::kLanguage},  {minimizeAction_, keys::kMinimize},
        {optionsAction_, keys::kOptions},    {helpAction_, keys::kHelp},
        {aboutAction_, keys::kAbout},        {exitAction_, keys::kExit},
    };
    for (const auto& [item, key] : captions) item->setText(texts.text(key));
    hide_->applyTexts();
    extract_->applyTexts();
    options_->applyTexts();
    tips_->setTexts(texts.text(keys::kMenuTip), texts.text(keys::kDropTip), texts.text(keys::kNeverShowAgain),
                    texts.tipsHelpCaption());
    skin_.applyTexts(texts);
    setToolTip(QString());
}

void MainWindow::showLoadedState(bool loaded) {
    openAction_->setVisible(!loaded);
    for (QAction* item : {hideAction_, extractAction_, closeAction_}) item->setVisible(loaded);
}

// Disabling the window itself would disable the message boxes and file dialogs that the
// operation opens as its children, so the commands are held back one by one instead.
void MainWindow::blockCommands(bool blocked) {
    blocked_ = blocked;
    menu_->setEnabled(!blocked);
    for (QAction* item : menuActions()) item->setEnabled(!blocked);
    for (QAction* item : languages_->items()) item->setEnabled(!blocked);
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

void MainWindow::minimizeButtonClicked() {
    if (!blocked_) trayMinimizer_->minimizeToTray();  // the operation's messages need the window
}
void MainWindow::hideButtonClicked() { runItemOrBeep(hideAction_); }
void MainWindow::extractButtonClicked() { runItemOrBeep(extractAction_); }
void MainWindow::exitButtonClicked() { exitAction_->trigger(); }
void MainWindow::productLabelClicked() { aboutAction_->trigger(); }

void MainWindow::runItemOrBeep(QAction* item) {
    if (item->isVisible()) item->trigger();
    else desktop_.beep();
}

void MainWindow::openStartFiles(const QStringList& fileNames) {
    trayMinimizer_->stayOnScreen();
    controller_.openStartFiles(fileNames);
}

void MainWindow::optionsCommand() {
    if (const auto k = options_->choosePolicy(controller_.settings().outputPolicy, *this))
        controller_.setOutputPolicy(*k);
}

}  // namespace velmora
