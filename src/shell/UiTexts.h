#pragma once

#include <QHash>
#include <QString>

namespace velmora {

// The texts language packs may replace, by key, with their built-in English texts.
class UiTexts {
public:
    UiTexts();

    // The text of a key: the pack's when set, otherwise the built-in one.
    QString text(const QString& key) const { return texts_.value(key); }
    void set(const QString& key, const QString& text) { texts_.insert(key, text); }
    // Back to the built-in texts.
    void reset();

private:
    QHash<QString, QString> texts_;
};

}  // namespace velmora
