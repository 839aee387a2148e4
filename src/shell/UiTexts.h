#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace velmora {

// The texts language packs may replace, by key, with their built-in English texts.
class UiTexts {
public:
    // Every key with its built-in text; the tips' Help caption empty.
    UiTexts();

    // Every key of the table, in the table's order.
    static const QStringList& keys();
    static QString builtIn(const QString& key);

    // The text of a key: the pack's when set, otherwise the built-in one.
    QString text(const QString& key) const { return texts_.value(key); }
    void set(const QString& key, const QString& text) { texts_.insert(key, text); }

    // The first-run tips' Help caption: the pack's keys::kHideHelp as it stands, with no built-in
    // text behind it, so it is empty while no pack gives one.
    const QString& tipsHelpCaption() const { return tipsHelpCaption_; }
    void setTipsHelpCaption(const QString& caption) { tipsHelpCaption_ = caption; }

private:
    QHash<QString, QString> texts_;
    QString tipsHelpCaption_;
};

}  // namespace velmora
