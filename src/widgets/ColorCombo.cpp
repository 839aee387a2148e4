#include "widgets/ColorCombo.h"

#include "widgets/EnterKey.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>
#include <optional>

#include "widgets/ColorList.h"

namespace velmora {

// The picker's edit box, with the chosen colour's swatch in front of its name.
class ColorEdit : public QLineEdit {
public:
    static constexpr int kGap = 2;

    using QLineEdit::QLineEdit;

    void setSwatch(std::optional<ColorValue> color) {
        swatch_ = color;
        QMargins margins = textMargins();
        margins.setLeft(color ? kGap + ColorList::kSwatchSize + kGap : 0);
        setTextMargins(margins);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (!swatch_) return;
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect text = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        const int side = std::min(ColorList::kSwatchSize, text.height());
        QPainter painter(this);
        paintSwatch(painter, QRect(text.left() + kGap, text.top() + (text.height() - side) / 2, side, side), *swatch_);
    }

private:
    std::optional<ColorValue> swatch_;
};

ColorCombo::ColorCombo(QWidget* parent)
    : QWidget(parent), edit_(new ColorEdit(this)), dropButton_(new QToolButton(this)), list_(new ColorList(this)) {
    setFocusPolicy(edit_->focusPolicy());
    setFocusProxy(edit_);
    edit_->installEventFilter(this);
    // Every character has to arrive as a key press to be checked against the names.
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->setAcceptDrops(false);
    // However the box was emptied, an empty box holds no colour.
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty()) setRow(-1);
    });

    dropButton_->setArrowType(Qt::DownArrow);
    dropButton_->setFocusPolicy(Qt::NoFocus);
    edit_->setTextMargins(0, 0, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), 0);
    connect(dropButton_, &QToolButton::pressed, this, [this] {
        edit_->setFocus(Qt::MouseFocusReason);
        toggleList();
    });

    connect(list_, &ColorList::rowPicked, this, &ColorCombo::acceptList);
    connect(list_, &ColorList::dismissed, this, &ColorCombo::cancelList);
}

QLineEdit* ColorCombo::lineEdit() const { return edit_; }

bool ColorCombo::isListOpen() const { return list_->isVisible(); }

QSize ColorCombo::sizeHint() const { return edit_->sizeHint(); }

QSize ColorCombo::minimumSizeHint() const { return edit_->minimumSizeHint(); }

ColorValue ColorCombo::selectedColor() const { return row_ < 0 ? kNoColorSelected : list_->colorAt(row_); }

// The box is brought in line even when the colour is already held: the dialog sets the colour each
// time it is shown, and a half-cut name left over from the last showing should not greet the user.
void ColorCombo::setSelectedColor(ColorValue color) {
    chooseRow(color == kNoColorSelected ? -1 : list_->ensureRow(color));
}

void ColorCombo::resizeEvent(QResizeEvent*) {
    edit_->setGeometry(rect());
    // The button sits inside the edit box's frame, over the margin kept free for it.
    const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
    const int buttonWidth = edit_->textMargins().right();
    dropButton_->setGeometry(width() - frame - buttonWidth, frame, buttonWidth, height() - 2 * frame);
}

void ColorCombo::hideEvent(QHideEvent*) {
    if (isListOpen()) cancelList();
}

void ColorCombo::setRow(int row) {
    row_ = row;
    list_->setCurrentRow(row);
    edit_->setSwatch(row < 0 ? std::nullopt : std::optional<ColorValue>(list_->colorAt(row)));
}

void ColorCombo::chooseRow(int row) {
    anchor_ = row;
    setRow(row);
    edit_->setText(row < 0 ? QString() : list_->nameAt(row));
    edit_->selectAll();
}

// The typed part of the box is what comes before the selected tail (or before the cursor).
int ColorCombo::typedLength() const {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

// A character replaces the selection; the name it leads to is shown with the rest selected.
void ColorCombo::typeText(const QString& typed) {
    const QString text = edit_->text();
    const int start = typedLength();
    const int end = edit_->hasSelectedText() ? edit_->selectionEnd() : start;
    const QString candidate = text.left(start) + typed + text.mid(end);
    const int row = list_->rowStartingWith(candidate, std::max(anchor_, 0));
    if (row < 0) return;  // only names can be typed
    setRow(row);
    const QString name = list_->nameAt(row);
    edit_->setText(name);
    edit_->setSelection(int(candidate.size()), int(name.size() - candidate.size()));
}

// Backspace and Delete never delete: they give one typed character back to the selected tail.
void ColorCombo::moveTailStart() {
    const int typed = typedLength();
    if (typed > 0) edit_->setSelection(typed - 1, int(edit_->text().size()) - (typed - 1));
}

// Pasted (or undone) text chooses a colour only by naming it whole.
void ColorCombo::editThenMatch(void (QLineEdit::*command)()) {
    (edit_->*command)();
    matchWholeText();
}

void ColorCombo::matchWholeText() {
    const int row = list_->rowNamed(edit_->text().trimmed());
    if (row >= 0) {
        chooseRow(row);
    } else {
        anchor_ = -1;
        setRow(-1);
    }
}

bool ColorCombo::eventFilter(QObject* watched, QEvent* event) {
    return watched == edit_ ? handleEditEvent(event) : QWidget::eventFilter(watched, event);
}

bool ColorCombo::handleEditEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        if (!isListOpen()) edit_->selectAll();
        toggleList();
        return true;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // The press already opened or closed the list; no word selection or drag selection follows.
        return static_cast<QMouseEvent*>(event)->buttons().testFlag(Qt::LeftButton);
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::FocusOut:
        if (isListOpen() && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) cancelList();
        return false;
    default:
        return false;
    }
}

bool ColorCombo::handleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool open = isListOpen();
    const bool upDown = key == Qt::Key_Up || key == Qt::Key_Down;
    if ((key == Qt::Key_F4 && modifiers == Qt::NoModifier) || (upDown && modifiers == Qt::AltModifier)) {
        toggleList();
        return true;
    }
    if (open && isEnterKey(key)) {
        acceptList();
        return true;
    }
    if (open && key == Qt::Key_Escape) {
        cancelList();
        return true;
    }
    const bool listKey = upDown || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                         (open && (key == Qt::Key_Home || key == Qt::Key_End));
    if (listKey && !modifiers.testFlag(Qt::ShiftModifier)) {
        chooseRow(list_->rowForKey(key));
        return true;
    }
    for (const auto& [keys, command] : {std::pair{QKeySequence::Paste, &QLineEdit::paste},
                                        std::pair{QKeySequence::Undo, &QLineEdit::undo},
                                        std::pair{QKeySequence::Redo, &QLineEdit::redo}}) {
        if (event->matches(keys)) {
            editThenMatch(command);
            return true;
        }
    }
    // The edit box itself copies, cuts, selects, moves its cursor and passes the focus on.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::SelectAll))
        return false;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        moveTailStart();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString typed = event->text();
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !typed.isEmpty() &&
        typed.front().isPrint()) {
        typeText(typed);
        return true;
    }
    // No other key edits the text; Enter and Escape go on to the dialog.
    event->ignore();
    return true;
}

// The edit box's usual commands, with pasted or undone text choosing a colour only by naming it.
void ColorCombo::showContextMenu(const QPoint& globalPos) {
    auto* menu = new QMenu(edit_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selection = edit_->hasSelectedText();
    auto add = [this, menu](const QString& text, const QKeySequence& keys, bool enabled, auto run) {
        QAction* action = menu->addAction(keys.isEmpty() ? text : text + u'\t' + keys.toString(QKeySequence::NativeText));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, run);
    };
    add(tr("&Undo"), QKeySequence::Undo, edit_->isUndoAvailable(), [this] { editThenMatch(&QLineEdit::undo); });
    add(tr("&Redo"), QKeySequence::Redo, edit_->isRedoAvailable(), [this] { editThenMatch(&QLineEdit::redo); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, selection, [this] { edit_->cut(); });
    add(tr("&Copy"), QKeySequence::Copy, selection, [this] { edit_->copy(); });
    add(tr("&Paste"), QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { editThenMatch(&QLineEdit::paste); });
    add(tr("&Delete"), QKeySequence(), selection, [this] { edit_->del(); });
    menu->addSeparator();
    add(tr("Select &All"), QKeySequence::SelectAll, !edit_->text().isEmpty(), [this] { edit_->selectAll(); });
    menu->popup(globalPos);
}

void ColorCombo::openList() {
    atOpen_ = {row_, anchor_, edit_->text()};
    list_->setGeometry(listGeometry());
    list_->show();
    if (row_ >= 0)
        list_->scrollToItem(list_->item(row_));
    else
        list_->scrollToTop();
}

void ColorCombo::closeList() { list_->hide(); }

void ColorCombo::acceptList() {
    const int row = list_->currentRow();
    closeList();
    if (row >= 0) chooseRow(row);
}

void ColorCombo::cancelList() {
    closeList();
    anchor_ = atOpen_.anchor;
    setRow(atOpen_.row);
    edit_->setText(atOpen_.text);
    edit_->selectAll();
}

void ColorCombo::toggleList() {
    if (isListOpen())
        acceptList();
    else
        openList();
}

// Below the picker, above it when the screen ends first, and never past the screen's sides.
QRect ColorCombo::listGeometry() const {
    const QRect screenArea = screen()->availableGeometry();
    const QRect combo(mapToGlobal(QPoint(0, 0)), size());
    QRect area(combo.left(), combo.bottom() + 1, width(), list_->popupHeight());
    if (area.bottom() > screenArea.bottom()) area.moveBottom(combo.top() - 1);
    if (area.right() > screenArea.right()) area.moveRight(screenArea.right());
    if (area.left() < screenArea.left()) area.moveLeft(screenArea.left());
    return area;
}

}  // namespace velmora
