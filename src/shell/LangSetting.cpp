#include "shell/LangSetting.h"

#include <QByteArray>

#include <algorithm>

#include "text/CodePageText.h"

namespace velmora {

namespace {

constexpr char kEncoded = '%';

bool keepsAsWritten(const QString& lang, const std::string& bytes) {
    if (lang.isEmpty()) return true;
    if (lang.startsWith(QLatin1Char(kEncoded)) || lang.front().isSpace() || lang.back().isSpace()) return false;
    if (lang.front() == u'"' || lang.front() == u'\'') return false;
    const bool hasControl = std::any_of(lang.begin(), lang.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    return !hasControl && fromCodePage(bytes) == lang;
}

}  // namespace

std::string langToSetting(const QString& lang) {
    std::string bytes = toCodePage(lang);
    if (keepsAsWritten(lang, bytes)) return bytes;
    return kEncoded + lang.toUtf8().toPercentEncoding().toStdString();
}

QString langFromSetting(const std::string& value) {
    if (value.empty() || value.front() != kEncoded) return fromCodePage(value);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(value.substr(1))));
}

}  // namespace velmora
