#include "widgets/ColorList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include "engine/AsciiCase.h"
#include "engine/NamedColors.h"
#include "text/Utf16View.h"
#include "widgets/DialogFont.h"

namespace velmora {
namespace {

// Colour names are plain ASCII, so only A-Z fold; nothing typed outside that range can match.
bool startsWithIgnoringCase(QStringView text, QStringView prefix) {
    return prefix.size() <= text.size() && equalIgnoringAsciiCase(utf16View(text.first(prefix.size())), utf16View(prefix));
}

QColor toQColor(ColorValue color) {
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

class SwatchRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect row = option.rect;
        QColor textColor = option.palette.color(QPalette::Text);
        if (option.state.testFlag(QStyle::State_Selected)) {
            const QColor highlight = option.palette.color(QPalette::Highlight);
            painter->fillRect(row, highlight);
            // Light highlight colours keep the ordinary dark text so the name stays readable.
            if (std::max({highlight.red(), highlight.green(), highlight.blue()}) <= 128)
                textColor = option.palette.color(QPalette::HighlightedText);
        }
        constexpr int kGap = 2;
        const QRect swatch(row.left() + kGap, row.top() + (row.height() - ColorList::kSwatchSize) / 2,
                           ColorList::kSwatchSize, ColorList::kSwatchSize);
        paintSwatch(*painter, swatch, index.data(Qt::UserRole).toInt());
        painter->setFont(option.font);
        painter->setPen(textColor);
        painter->drawText(row.adjusted(swatch.right() + 1 + kGap - row.left(), 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), ColorList::kRowHeight};
    }
};

}  // namespace

void paintSwatch(QPainter& painter, const QRect& area, ColorValue color) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(color));
    painter.drawRect(area.adjusted(0, 0, -1, -1));  // the outline takes the outermost pixels
    painter.restore();
}

ColorList::ColorList(QWidget* owner) : QListWidget(owner) {
    // A window of its own so it can reach past the dialog's edge, shown without taking the focus:
    // the picker's edit box keeps receiving the keys while the list is open.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setUniformItemSizes(true);
    setSelectionMode(SingleSelection);
    setItemDelegate(new SwatchRowDelegate(this));
    viewport()->setMouseTracking(true);
    setFont(dialogFont());
    for (const NamedColor& c : kStandardColors)
        addRow(QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size())), c.value);
}

void ColorList::addRow(const QString& name, ColorValue color) {
    auto* row = new QListWidgetItem(name, this);
    row->setData(Qt::UserRole, color);
}

QString ColorList::nameAt(int row) const { return item(row)->text(); }

ColorValue ColorList::colorAt(int row) const { return item(row)->data(Qt::UserRole).toInt(); }

int ColorList::rowOf(ColorValue color) const {
    for (int row = 0; row < count(); ++row)
        if (colorAt(row) == color) return row;
    return -1;
}

int ColorList::ensureRow(ColorValue color) {
    if (const int row = rowOf(color); row >= 0) return row;
    const auto c = static_cast<std::uint32_t>(color);
    addRow(QStringLiteral("RGB: %1, %2, %3").arg(int(redOf(c))).arg(int(greenOf(c))).arg(int(blueOf(c))), color);
    return count() - 1;
}

int ColorList::rowNamed(QStringView name) const {
    for (int row = 0; row < count(); ++row) {
        const QString rowName = nameAt(row);
        if (rowName.size() == name.size() && startsWithIgnoringCase(rowName, name)) return row;
    }
    return -1;
}

int ColorList::rowStartingWith(QStringView prefix, int from) const {
    for (int step = 0; step < count(); ++step) {
        const int row = (from + step) % count();
        if (startsWithIgnoringCase(nameAt(row), prefix)) return row;
    }
    return -1;
}

int ColorList::visibleRows() const { return std::min(count(), kMaxVisibleRows); }

int ColorList::popupHeight() const { return kRowHeight * visibleRows() + 2 * frameWidth(); }

int ColorList::rowForKey(int key) const {
    const int current = currentRow();
    const int last = count() - 1;
    // A page keeps one row of the old view in sight.
    const int page = std::max(1, visibleRows() - 1);
    if (key == Qt::Key_End) return last;
    if (current < 0 || key == Qt::Key_Home) return 0;
    switch (key) {
    case Qt::Key_Up: return std::max(0, current - 1);
    case Qt::Key_Down: return std::min(last, current + 1);
    case Qt::Key_PageUp: return std::max(0, current - page);
    case Qt::Key_PageDown: return std::min(last, current + page);
    default: return current;
    }
}

// Watching the whole application only while shown: a press anywhere else closes the list.
void ColorList::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    qApp->installEventFilter(this);
}

void ColorList::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QListWidget::hideEvent(event);
}

bool ColorList::belongsToOwner(const QObject* object) const {
    for (const QObject* o = object; o; o = o->parent())
        if (o == parent()) return true;
    return false;
}

bool ColorList::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress;
    if ((press && watched->isWidgetType() && !belongsToOwner(watched)) ||
        (type == QEvent::Move && watched == parentWidget()->window()))
        emit dismissed();
    return false;  // the press still goes where it was aimed
}

void ColorList::highlightRowAt(const QPoint& pos) {
    if (const int row = indexAt(pos).row(); row >= 0 && row != currentRow()) setCurrentRow(row);
}

// The list's own press and drag handling is left out: a press or a drag only moves the highlight,
// and releasing the left button over a row picks it.
void ColorList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) highlightRowAt(event->position().toPoint());
}

void ColorList::mouseMoveEvent(QMouseEvent* event) { highlightRowAt(event->position().toPoint()); }

void ColorList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const int row = indexAt(event->position().toPoint()).row(); row >= 0) emit rowPicked(row);
}

}  // namespace velmora
