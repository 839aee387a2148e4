#include "text/CodePageText.h"

#include "engine/CodePage.h"

namespace velmora {

namespace {
const std::string& codePage() {
    static const std::string page = systemCodePage();
    return page;
}
}  // namespace

QString fromCodePage(const std::string& bytes) {
    return QString::fromStdString(decodeFromCodePage(bytes, codePage()));
}

std::string toCodePage(const QString& text) { return encodeToCodePage(text.toStdString(), codePage()); }

}  // namespace velmora
