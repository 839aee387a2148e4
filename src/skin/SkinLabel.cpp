#include "skin/SkinLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace velmora {

SkinLabel::SkinLabel(QWidget* parent) : QWidget(parent) {
    // Paint nothing but the text: whatever lies beneath shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    fitToText();
}

SkinLabel::ShownText SkinLabel::shownText(const QString& line) {
    ShownText shown;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'&' && i + 1 < line.size()) {
            ++i;  // "&x" underlines x; "&&" is one "&"
            if (line[i] != u'&' && shown.underlined < 0) shown.underlined = shown.text.size();
        }
        shown.text += line[i];
    }
    return shown;
}

QStringList SkinLabel::lines() const {
    return caption_.isEmpty() ? QStringList() : caption_.split(QStringLiteral("\r\n"));
}

QSize SkinLabel::measure() const {
    const QFontMetrics metrics(font());
    const QStringList all = lines();
    int width = 0;
    for (const QString& line : all) width = std::max(width, metrics.horizontalAdvance(shownText(line).text));
    const auto count = static_cast<int>(all.size());
    const int height = count == 0 ? 0 : count * metrics.height() + (count - 1) * kLineSpacing;
    return {width, height};
}

void SkinLabel::fitToText() {
    const QSize size = measure();
    const int right = geometry().right();
    resize(size);
    if (alignment_ == Align::Right) move(right - size.width() + 1, y());
    update();
}

void SkinLabel::setCaption(const QString& caption) {
    caption_ = caption;
    fitToText();
}

void SkinLabel::setAlignment(Align alignment) {
    alignment_ = alignment;
    update();
}

void SkinLabel::setStyle(Style style) {
    style_ = style;
    update();
}

// A new font, set here or inherited from the form, re-measures the text.
void SkinLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToText();
}

void SkinLabel::drawLines(QPainter& painter, QPoint offset, const QColor& colour) const {
    const QFontMetrics metrics(font());
    int top = offset.y();
    for (const QString& line : lines()) {
        const ShownText shown = shownText(line);
        const int width = metrics.horizontalAdvance(shown.text);
        int left = offset.x();
        if (alignment_ == Align::Center) left += (this->width() - width) / 2;
        if (alignment_ == Align::Right) left += this->width() - width;
        const int baseline = top + metrics.ascent();
        painter.setPen(colour);
        painter.drawText(left, baseline, shown.text);
        if (shown.underlined >= 0) {
            const int x = left + metrics.horizontalAdvance(shown.text.left(shown.underlined));
            const int w = metrics.horizontalAdvance(shown.text.at(shown.underlined));
            painter.drawLine(x, baseline + metrics.underlinePos(), x + w - 1, baseline + metrics.underlinePos());
        }
        top += metrics.height() + kLineSpacing;
    }
}

void SkinLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    // Raised text: a light copy up-left and a dark copy down-right under the text itself.
    if (style_ == Style::Raised) {
        drawLines(painter, {-1, -1}, palette().color(QPalette::Light));
        drawLines(painter, {1, 1}, palette().color(QPalette::Dark));
    }
    drawLines(painter, {0, 0}, text);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace velmora
