#include "shell/LanguagePacks.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QPixmap>

#include <algorithm>

#include "shell/LanguagePackFile.h"
#include "shell/MainController.h"

namespace velmora {

namespace {
const QString kMarker = QStringLiteral("&");
const QString kPackExtension = QStringLiteral(".lng");
}  // namespace

LanguagePacks::LanguagePacks(MainController& controller, QMenu& submenu)
    : QObject(&submenu), controller_(controller) {
    for (int i = 0; i < kItemCount; ++i) {
        QAction* action = submenu.addAction(QString());
        action->setObjectName(QStringLiteral("Lang%1").arg(i + 1));
        action->setCheckable(true);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, action] { itemClicked(action); });
        items_[static_cast<std::size_t>(i)] = action;
    }
}

QString LanguagePacks::languageFolder() const { return controller_.programFolder() + QStringLiteral("Language/"); }

QStringList LanguagePacks::scanLanguages(const QString& programFolder) {
    // Letter case counts in the pattern, as it does when the pack file is opened by name.
    const QDir folder(programFolder + QStringLiteral("Language"), QLatin1Char('*') + kPackExtension, QDir::Unsorted,
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::CaseSensitive);
    QStringList names;
    for (const QString& entry : folder.entryList()) names << entry.chopped(kPackExtension.size());
    return names;
}

void LanguagePacks::buildLanguageMenu() {
    for (QAction* action : items_) {
        action->setVisible(false);
        action->setChecked(false);
        action->setText(QString());
        action->setIcon(QIcon());
        action->setData(QString());
    }
    const QStringList names = scanLanguages(controller_.programFolder());
    const auto offered = std::min<qsizetype>(names.size(), kItemCount);
    for (qsizetype i = 0; i < offered; ++i) {
        QAction* action = items_[static_cast<std::size_t>(i)];
        const QString& name = names[i];
        action->setText(name);
        action->setData(name);  // the name itself: the menu may read an access letter into the caption
        action->setChecked(kMarker + name == controller_.settings().lang);
        action->setVisible(true);
        // A picture that cannot be read leaves the item with its caption only.
        const QString picture = languageFolder() + name + QStringLiteral(".bmp");
        if (QFileInfo::exists(picture)) action->setIcon(QIcon(QPixmap(picture)));
    }
}

void LanguagePacks::itemClicked(QAction* clicked) {
    for (QAction* action : items_) action->setChecked(false);
    controller_.setLang(kMarker + clicked->data().toString());
    clicked->setChecked(true);
    loadLanguage();
}

void LanguagePacks::loadLanguage() {
    controller_.applyLanguage(readLanguagePack(languageFolder() + controller_.settings().lang.mid(1) + kPackExtension));
}

}  // namespace velmora
