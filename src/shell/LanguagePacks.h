#pragma once

#include <QObject>
#include <QStringList>

#include <array>

class QAction;
class QMenu;

namespace velmora {

class MainController;

// The Language submenu: the packs found beside the program as the items Lang1 ... Lang20,
// the chosen one checked; a click chooses a pack and applies its texts at once.
class LanguagePacks : public QObject {
    Q_OBJECT

public:
    static constexpr int kItemCount = 20;

    // Adds the twenty items, hidden, to the submenu.
    LanguagePacks(MainController& controller, QMenu& submenu);

    // The names of the packs in the Language folder of programFolder: the entries of every
    // kind whose names end in ".lng", without those four characters, in the order the
    // folder lists them. No folder, no names.
    static QStringList scanLanguages(const QString& programFolder);

    // One item for each of the first twenty packs, with the pack's picture when it has one;
    // the item of the chosen pack (Lang) checked.
    void buildLanguageMenu();
    // Reads the pack Lang names (Lang without its first character) and hands its texts to
    // the controller; a missing pack gives the built-in texts.
    void loadLanguage();

    // The twenty items, Lang1 first.
    const std::array<QAction*, kItemCount>& items() const { return items_; }

private:
    void itemClicked(QAction* clicked);
    QString languageFolder() const;

    MainController& controller_;
    std::array<QAction*, kItemCount> items_{};
};

}  // namespace velmora
