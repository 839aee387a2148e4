#include "widgets/BreakableText.h"

namespace velmora {

namespace {
constexpr QChar kZeroWidthSpace(0x200B);
}

QString breakableText(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 8);
    int run = 0;  // characters since the last chance to break
    for (const QChar c : text) {
        if (run == kLongestRun && !c.isSpace() && !c.isLowSurrogate()) {
            result += kZeroWidthSpace;
            run = 0;
        }
        result += c;
        ++run;
        if (c.isSpace()) {
            run = 0;
        } else if (c == u'/') {
            result += kZeroWidthSpace;
            run = 0;
        }
    }
    return result;
}

}  // namespace velmora
