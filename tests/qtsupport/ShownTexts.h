#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include <vector>

#include "dialogs/AboutDialog.h"
#include "shell/MainWindow.h"
#include "skin/SkinLabel.h"

namespace velmora::test {

struct ShownText {
    QString where;  // object names, window first
    QString text;
};

// Every text the program's windows show: window titles, hints, and the captions of buttons,
// labels and menu items. Left out: the language items (their captions are pack names) and
// the About box, which no pack changes.
inline std::vector<ShownText> shownTexts(const MainWindow& window) {
    std::vector<ShownText> texts;
    const auto add = [&](const QWidget& owner, const QString& what, const QString& text) {
        if (!text.isEmpty()) texts.push_back({owner.window()->objectName() + '/' + owner.objectName() + ' ' + what, text});
    };
    const QWidget* about = window.aboutDialog();
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<MainWindow*>(&window));
    for (const QWidget* w : widgets) {
        if (w == about || about->isAncestorOf(w)) continue;
        if (w->isWindow()) add(*w, QStringLiteral("title"), w->windowTitle());
        add(*w, QStringLiteral("hint"), w->toolTip());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) add(*w, QStringLiteral("caption"), button->text());
        if (const auto* label = qobject_cast<const QLabel*>(w)) add(*w, QStringLiteral("caption"), label->text());
        if (const auto* label = qobject_cast<const SkinLabel*>(w)) add(*w, QStringLiteral("caption"), label->caption());
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            static const QRegularExpression languageItem(QStringLiteral("^Lang\\d+$"));
            for (const QAction* action : menu->actions())
                if (!action->isSeparator() && !languageItem.match(action->objectName()).hasMatch())
                    texts.push_back({QStringLiteral("menu/") + action->objectName(), action->text()});
        }
    }
    return texts;
}

}  // namespace velmora::test
