#pragma once

#include <QString>
#include <QWidget>

#include "engine/ColorValue.h"

class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace velmora {

class ColorEdit;
class ColorList;

// The base-colour picker of the hide dialog: an edit box that completes colour names as they are
// typed, and a button that drops down the list of colour swatches. It holds one listed colour,
// or kNoColorSelected while its box is empty or names no colour. It never opens a colour dialog.
class ColorCombo : public QWidget {
    Q_OBJECT

public:
    explicit ColorCombo(QWidget* parent = nullptr);

    ColorValue selectedColor() const;
    // Shows the colour. One not listed yet gets an "RGB: r, g, b" row at the end of the list,
    // kept for the rest of the run; kNoColorSelected empties the box.
    void setSelectedColor(ColorValue color);

    QLineEdit* lineEdit() const;
    QToolButton* dropButton() const { return dropButton_; }
    ColorList* list() const { return list_; }
    bool isListOpen() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What Escape or a press outside brings back.
    struct Snapshot {
        int row = -1;
        int anchor = -1;
        QString text;
    };

    bool handleKey(QKeyEvent* event);
    bool handleEditEvent(QEvent* event);
    void showContextMenu(const QPoint& globalPos);

    void setRow(int row);
    void chooseRow(int row);
    int typedLength() const;
    void typeText(const QString& typed);
    void moveTailStart();
    void editThenMatch(void (QLineEdit::*command)());
    void matchWholeText();

    void openList();
    void closeList();
    void acceptList();
    void cancelList();
    void toggleList();
    QRect listGeometry() const;

    ColorEdit* edit_;
    QToolButton* dropButton_;
    ColorList* list_;
    int row_ = -1;     // the row shown in the box, -1 for none
    int anchor_ = -1;  // where typed names are looked for first: the row last chosen other than by typing
    Snapshot atOpen_;
};

}  // namespace velmora
