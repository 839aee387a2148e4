#pragma once

#include <QListWidget>

#include "engine/ColorValue.h"

class QPainter;

namespace velmora {

// Draws a colour sample framed in black, the way both the list rows and the closed picker
// show a colour.
void paintSwatch(QPainter& painter, const QRect& area, ColorValue color);

// The drop-down list of the colour picker: one 16-pixel row per colour, a swatch and a name.
// It never takes the focus; the picker (its owner) passes keys to it and listens for picks, and
// while it is shown it reports a press on anything that is not part of the picker.
class ColorList : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 16;
    static constexpr int kSwatchSize = kRowHeight - 4;
    static constexpr int kMaxVisibleRows = 8;

    // Starts with the standard colours, in their table order.
    explicit ColorList(QWidget* owner);

    QString nameAt(int row) const;
    ColorValue colorAt(int row) const;
    int rowOf(ColorValue color) const;  // -1 when no row holds it
    // The row holding the colour, appending an "RGB: r, g, b" row for a colour not listed yet.
    int ensureRow(ColorValue color);
    int rowNamed(QStringView name) const;  // letter case ignored; -1 when none
    // Cycling once from row `from`, the first row whose name begins with the prefix (letter case
    // ignored); -1 when none does.
    int rowStartingWith(QStringView prefix, int from) const;

    // The row the highlight goes to for Up, Down, Page Up, Page Down, Home or End.
    int rowForKey(int key) const;
    // Whole rows only: at most eight, plus the frame.
    int popupHeight() const;

signals:
    void rowPicked(int row);
    // A press outside the picker, or the picker's window moving away from under the list.
    void dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void addRow(const QString& name, ColorValue color);
    int visibleRows() const;
    void highlightRowAt(const QPoint& pos);
    bool belongsToOwner(const QObject* object) const;
};

}  // namespace velmora
