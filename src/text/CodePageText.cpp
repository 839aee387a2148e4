#include "text/CodePageText.h"

#include <optional>

#include "engine/CodePage.h"

namespace velmora {

namespace {
std::optional<std::string>& chosenPage() {
    static std::optional<std::string> page;
    return page;
}
}  // namespace

const std::string& programCodePage() {
    std::optional<std::string>& page = chosenPage();
    if (!page) page = systemCodePage();
    return *page;
}

void chooseCodePage(std::string codePage) { chosenPage() = std::move(codePage); }

QString fromCodePage(const std::string& bytes) {
    return QString::fromStdString(decodeFromCodePage(bytes, programCodePage()));
}

std::string toCodePage(const QString& text) { return encodeToCodePage(text.toStdString(), programCodePage()); }

}  // namespace velmora
