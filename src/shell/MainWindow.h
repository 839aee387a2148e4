#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

#include "shell/MainSkin.h"

class QAction;
class QMenu;

namespace velmora {

class AboutDialog;
class Desktop;
class ExtractDialog;
class FirstOpenDialog;
class GifAnimator;
class HideDialog;
class LanguagePacks;
class MainController;
class OptionsDialog;
class TrayIcon;
class TrayMinimizer;

// The borderless, always-on-top main window: the washing-machine skin with its buttons,
// captions and drum, the popup menu on right-click, and the commands behind them.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The drum's animator, when given, becomes the window's drum (GIFImage) over the drum area.
    MainWindow(MainController& controller, Desktop& desktop, GifAnimator* drum = nullptr, QWidget* parent = nullptr);

    QMenu* popupMenu() const { return menu_; }
    // The menu's items, in menu order; the Language item opens the submenu of languagePacks().
    QAction* openAction() const { return openAction_; }
    QAction* hideAction() const { return hideAction_; }
    QAction* extractAction() const { return extractAction_; }
    QAction* closeAction() const { return closeAction_; }
    QAction* languageAction() const { return languageAction_; }
    QAction* minimizeAction() const { return minimizeAction_; }
    QAction* optionsAction() const { return optionsAction_; }
    QAction* helpAction() const { return helpAction_; }
    QAction* aboutAction() const { return aboutAction_; }
    QAction* exitAction() const { return exitAction_; }
    LanguagePacks* languagePacks() const { return languages_; }
    HideDialog* hideDialog() const { return hide_; }
    ExtractDialog* extractDialog() const { return extract_; }
    OptionsDialog* optionsDialog() const { return options_; }
    FirstOpenDialog* firstOpenDialog() const { return tips_; }
    AboutDialog* aboutDialog() const { return about_; }
    const MainSkin& skin() const { return skin_; }

    TrayIcon* trayIcon() const { return trayIcon_; }

    void optionsCommand();
    void hideCommand();
    void extractCommand();
    void aboutCommand();

    // The window's own commands, for its image buttons and the product-name label: Minimize
    // goes to the tray; Hide and Extract run their menu items while the menu offers them and
    // beep otherwise; Exit and the label run Exit and About.
    void minimizeButtonClicked();
    void hideButtonClicked();
    void extractButtonClicked();
    void exitButtonClicked();
    void productLabelClicked();

    // Files named on the command line (a file manager's "Open with"), opened after the show
    // step like files dropped on the drum; the window stays on the screen for them.
    void openStartFiles(const QStringList& fileNames);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* addItem(const char* name, const QKeySequence& shortcut, void (MainWindow::*command)());
    std::array<QAction*, 10> menuActions() const;
    void applyTexts();
    void showLoadedState(bool loaded);
    // While a dialog is hidden for its operation, no command may start.
    void blockCommands(bool blocked);
    void setMenuPictures();
    void drumClicked();
    void openCommand();
    void closeCommand();
    void helpCommand();
    void minimizeCommand();
    void exitCommand();
    void runItemOrBeep(QAction* item);

    MainController& controller_;
    Desktop& desktop_;

    QMenu* menu_;
    QAction* openAction_;
    QAction* hideAction_;
    QAction* extractAction_;
    QAction* closeAction_;
    QAction* languageAction_;
    QAction* minimizeAction_;
    QAction* optionsAction_;
    QAction* helpAction_;
    QAction* aboutAction_;
    QAction* exitAction_;
    MainSkin skin_;
    HideDialog* hide_;
    ExtractDialog* extract_;
    OptionsDialog* options_;
    FirstOpenDialog* tips_;
    AboutDialog* about_;
    LanguagePacks* languages_;
    TrayIcon* trayIcon_;
    TrayMinimizer* trayMinimizer_;
    bool shown_ = false;
    bool blocked_ = false;
};

}  // namespace velmora
