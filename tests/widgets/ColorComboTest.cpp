// The colour picker driven by keys and the mouse: its rows, typing, the list, and the colour it
// hands back to the hide dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <functional>

#include "engine/NamedColors.h"
#include "widgets/ColorCombo.h"
#include "widgets/ColorList.h"

namespace velmora::test {
namespace {

ColorValue standard(std::string_view name) { return *standardColorNamed(name); }

int rowOfStandard(std::string_view name) {
    for (int row = 0; row < int(kStandardColors.size()); ++row)
        if (kStandardColors[row].name == name) return row;
    return -1;
}

class ColorComboTest : public ::testing::Test {
protected:
    ColorComboTest() {
        // A slim host, so the open list hangs below it and the pointer over a row meets the list.
        host.setGeometry(40, 40, 260, 41);
        combo = new ColorCombo(&host);
        combo->setGeometry(10, 10, 145, 21);
        outside = new QPushButton(QStringLiteral("Outside"), &host);
        outside->setGeometry(165, 8, 80, 25);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        combo->setFocus();
    }

    QLineEdit* edit() const { return combo->lineEdit(); }
    ColorList* list() const { return combo->list(); }
    void type(const QString& keys) const { QTest::keyClicks(edit(), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const { QTest::keyClick(edit(), k, modifiers); }
    QPoint rowCentre(int row) const { return list()->visualItemRect(list()->item(row)).center(); }
    void clickRow(int row) const { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    // Two steps, so the pointer really moves even if it rests on the row already.
    void hoverRow(int row) const {
        QTest::mouseMove(list()->viewport(), rowCentre(row) + QPoint(1, 0));
        QTest::mouseMove(list()->viewport(), rowCentre(row));
    }
    void expectShown(std::string_view name) const {
        EXPECT_EQ(combo->selectedColor(), standard(name));
        EXPECT_EQ(edit()->text(), QLatin1String(name));
        EXPECT_EQ(list()->currentRow(), rowOfStandard(name));
    }
    void expectNoColour() const {
        EXPECT_EQ(combo->selectedColor(), kNoColorSelected);
        EXPECT_EQ(list()->currentRow(), -1);
    }

    QWidget host;
    ColorCombo* combo;
    QPushButton* outside;
};

TEST_F(ColorComboTest, ListsTheTwentyStandardColoursInTableOrderAndStartsWithNoColour) {
    ASSERT_EQ(list()->count(), int(kStandardColors.size()));
    for (int row = 0; row < list()->count(); ++row) {
        EXPECT_EQ(list()->nameAt(row), QLatin1String(kStandardColors[row].name)) << row;
        EXPECT_EQ(list()->colorAt(row), kStandardColors[row].value) << row;
    }
    EXPECT_EQ(list()->nameAt(1), "Maroon");
    EXPECT_EQ(list()->colorAt(17), 15780518);  // SkyBlue
    expectNoColour();
    EXPECT_TRUE(edit()->text().isEmpty());
}

TEST_F(ColorComboTest, ASetColourShowsItsNameAndReadsBack) {
    for (const NamedColor& c : kStandardColors) {
        combo->setSelectedColor(c.value);
        expectShown(c.name);
    }
    combo->setSelectedColor(0);
    EXPECT_EQ(edit()->text(), "Black");
    combo->setSelectedColor(255);
    EXPECT_EQ(edit()->text(), "Red");
    combo->setSelectedColor(268435455);
    expectNoColour();
    EXPECT_TRUE(edit()->text().isEmpty());
    EXPECT_EQ(list()->count(), int(kStandardColors.size()));
}

TEST_F(ColorComboTest, AColourOutsideTheTableGetsAnRgbRowThatStays) {
    struct Case {
        ColorValue value;
        const char* name;
    };
    const Case cases[] = {
        {12345, "RGB: 57, 48, 0"},
        {0x00ABCDEF, "RGB: 239, 205, 171"},
        {kColorNone, "RGB: 255, 255, 255"},
        {static_cast<ColorValue>(0x80000005u), "RGB: 5, 0, 0"},
        {0x01003039, "RGB: 57, 48, 0"},  // same bytes as 12345 under a different top byte: a row of its own
    };
    int rows = list()->count();
    for (const Case& c : cases) {
        combo->setSelectedColor(c.value);
        ASSERT_EQ(list()->count(), ++rows) << c.name;
        EXPECT_EQ(list()->nameAt(rows - 1), c.name);
        EXPECT_EQ(list()->currentRow(), rows - 1);
        EXPECT_EQ(edit()->text(), c.name);
        EXPECT_EQ(combo->selectedColor(), c.value);
    }
    combo->setSelectedColor(12345);
    EXPECT_EQ(list()->currentRow(), 20);
    combo->setSelectedColor(255);
    combo->setSelectedColor(12345);
    EXPECT_EQ(list()->count(), rows);
    EXPECT_EQ(list()->currentRow(), 20);
    EXPECT_EQ(combo->selectedColor(), 12345);
}

TEST_F(ColorComboTest, TypingCompletesToTheFirstMatchingNameWithTheRestSelected) {
    struct Case {
        ColorValue start;
        const char* keys;
        const char* text;
        const char* tail;
        ColorValue expected;
    };
    const Case cases[] = {
        {standard("Black"), "b", "Black", "lack", standard("Black")},
        {standard("Black"), "bl", "Black", "ack", standard("Black")},
        {standard("Black"), "blu", "Blue", "e", standard("Blue")},
        {standard("Black"), "BLU", "Blue", "e", standard("Blue")},
        {standard("Black"), "x", "Black", "Black", standard("Black")},  // no name begins with x
        {standard("Black"), "bx", "Black", "lack", standard("Black")},
        {standard("Gray"), "g", "Gray", "ray", standard("Gray")},       // the search starts at the current row
        {standard("White"), "g", "Green", "reen", standard("Green")},   // and wraps round the list
        {kNoColorSelected, "m", "Maroon", "aroon", standard("Maroon")},
        {standard("Red"), "moneygreen", "MoneyGreen", "", standard("MoneyGreen")},
        {12345, "rgb: 5", "RGB: 57, 48, 0", "7, 48, 0", 12345},
    };
    for (const Case& c : cases) {
        combo->setSelectedColor(c.start);
        type(QLatin1String(c.keys));
        EXPECT_EQ(edit()->text(), c.text) << c.keys;
        EXPECT_EQ(edit()->selectedText(), c.tail) << c.keys;
        EXPECT_EQ(combo->selectedColor(), c.expected) << c.keys;
        EXPECT_EQ(list()->colorAt(list()->currentRow()), c.expected) << c.keys;
    }
}

TEST_F(ColorComboTest, TypingDoesNotMoveWhereTheNextSearchStarts) {
    combo->setSelectedColor(standard("Black"));
    type("t");
    expectShown("Teal");
    key(Qt::Key_A, Qt::ControlModifier);
    type("g");
    expectShown("Green");  // searched from Black again; from Teal it would have been Gray
    key(Qt::Key_Down);
    key(Qt::Key_A, Qt::ControlModifier);
    type("g");
    expectShown("Gray");  // the arrow key moved the start to Olive
}

TEST_F(ColorComboTest, BackspaceAndDeleteHandTypedCharactersBackToTheTail) {
    for (Qt::Key eraser : {Qt::Key_Backspace, Qt::Key_Delete}) {
        combo->setSelectedColor(standard("Black"));
        type("bl");
        key(eraser);
        EXPECT_EQ(edit()->text(), "Black");
        EXPECT_EQ(edit()->selectedText(), "lack");
        key(eraser);
        key(eraser);  // nothing typed is left: nothing changes
        EXPECT_EQ(edit()->selectedText(), "Black");
        expectShown("Black");
        type("gr");
        expectShown("Green");
    }
}

TEST_F(ColorComboTest, PastingChoosesTheRowNamedByTheWholeText) {
    struct Case {
        const char* typedFirst;
        const char* clipboard;
        const char* text;
        ColorValue expected;
    };
    const Case cases[] = {
        {"", "navy", "Navy", standard("Navy")},
        {"", " Teal\n", "Teal", standard("Teal")},
        {"bl", "ue", "Blue", standard("Blue")},  // pasted over the selected tail
        {"", "Nav", "Nav", kNoColorSelected},
        {"", "Black and white", "Black and white", kNoColorSelected},
    };
    const std::pair<Qt::Key, Qt::KeyboardModifiers> pasteKeys[] = {{Qt::Key_V, Qt::ControlModifier},
                                                                    {Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& [pasteKey, modifiers] : pasteKeys) {
        for (const Case& c : cases) {
            combo->setSelectedColor(standard("Black"));
            type(QLatin1String(c.typedFirst));
            QGuiApplication::clipboard()->setText(QLatin1String(c.clipboard));
            key(pasteKey, modifiers);
            EXPECT_EQ(edit()->text(), c.text) << c.clipboard;
            EXPECT_EQ(combo->selectedColor(), c.expected) << c.clipboard;
        }
    }
}

TEST_F(ColorComboTest, TheContextMenuPastesByNameAndCanEmptyTheBox) {
    auto runMenuItem = [this](Qt::Key mnemonic) {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), edit()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit(), &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, mnemonic);
    };
    combo->setSelectedColor(standard("Black"));
    QGuiApplication::clipboard()->setText(QStringLiteral("fuchsia"));
    runMenuItem(Qt::Key_P);
    expectShown("Fuchsia");
    QGuiApplication::clipboard()->setText(QStringLiteral("Fuchs"));
    runMenuItem(Qt::Key_P);
    EXPECT_EQ(edit()->text(), "Fuchs");
    expectNoColour();
    runMenuItem(Qt::Key_U);  // undoing the paste brings back the name, and with it the colour
    expectShown("Fuchsia");
    edit()->selectAll();
    runMenuItem(Qt::Key_D);
    EXPECT_TRUE(edit()->text().isEmpty());
    expectNoColour();
}

TEST_F(ColorComboTest, CuttingTheWholeTextLeavesNoColourAndCuttingPartChangesOnlyTheText) {
    combo->setSelectedColor(standard("Red"));
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(edit()->text().isEmpty());
    expectNoColour();

    combo->setSelectedColor(standard("Red"));
    type("r");
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), "R");
    EXPECT_EQ(combo->selectedColor(), standard("Red"));
    combo->setSelectedColor(standard("Red"));  // showing the held colour again restores its name
    expectShown("Red");
}

TEST_F(ColorComboTest, KeysWithTheListClosedMoveTheChoiceWithoutOpeningIt) {
    struct Case {
        ColorValue start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string_view shown;
    };
    const Case cases[] = {
        {standard("Black"), Qt::Key_Down, Qt::NoModifier, "Maroon"},
        {standard("Maroon"), Qt::Key_Up, Qt::NoModifier, "Black"},
        {standard("Black"), Qt::Key_Up, Qt::NoModifier, "Black"},
        {standard("MedGray"), Qt::Key_Down, Qt::NoModifier, "MedGray"},
        {kNoColorSelected, Qt::Key_Down, Qt::NoModifier, "Black"},
        {standard("Black"), Qt::Key_PageDown, Qt::NoModifier, "Gray"},
        {standard("White"), Qt::Key_PageDown, Qt::NoModifier, "MedGray"},
        {standard("Gray"), Qt::Key_PageUp, Qt::NoModifier, "Black"},
        {standard("Red"), Qt::Key_Down, Qt::ShiftModifier, "Red"},
        {standard("Red"), Qt::Key_Home, Qt::NoModifier, "Red"},  // Home and End stay in the edit box
        {standard("Red"), Qt::Key_End, Qt::NoModifier, "Red"},
        {standard("Red"), Qt::Key_Return, Qt::NoModifier, "Red"},
    };
    for (const Case& c : cases) {
        combo->setSelectedColor(c.start);
        key(c.key, c.modifiers);
        expectShown(c.shown);
        EXPECT_FALSE(combo->isListOpen()) << c.shown;
    }
}

TEST_F(ColorComboTest, EachOpenerOpensTheListAndClosesItAcceptingTheHighlightedRow) {
    const std::pair<const char*, std::function<void()>> openers[] = {
        {"F4", [this] { key(Qt::Key_F4); }},
        {"Alt+Down", [this] { key(Qt::Key_Down, Qt::AltModifier); }},
        {"Alt+Up", [this] { key(Qt::Key_Up, Qt::AltModifier); }},
        {"button", [this] { QTest::mouseClick(combo->dropButton(), Qt::LeftButton); }},
        {"edit box", [this] { QTest::mouseClick(edit(), Qt::LeftButton); }},
    };
    for (const auto& [name, open] : openers) {
        combo->setSelectedColor(standard("Black"));
        open();
        ASSERT_TRUE(combo->isListOpen()) << name;
        EXPECT_EQ(list()->currentRow(), 0) << name;
        hoverRow(rowOfStandard("Purple"));
        EXPECT_EQ(list()->currentRow(), rowOfStandard("Purple")) << name;
        EXPECT_EQ(combo->selectedColor(), standard("Black")) << name;  // hovering alone chooses nothing
        open();
        EXPECT_FALSE(combo->isListOpen()) << name;
        expectShown("Purple");
    }
}

TEST_F(ColorComboTest, KeysWithTheListOpenMoveTheChoiceAndEnterClosesIt) {
    combo->setSelectedColor(standard("Black"));
    key(Qt::Key_F4);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    expectShown("Green");
    key(Qt::Key_End);
    expectShown("MedGray");
    key(Qt::Key_Home);
    expectShown("Black");
    key(Qt::Key_PageDown);
    expectShown("Gray");
    type("blu");
    EXPECT_EQ(edit()->selectedText(), "e");
    expectShown("Blue");
    EXPECT_TRUE(combo->isListOpen());
    key(Qt::Key_Return);
    EXPECT_FALSE(combo->isListOpen());
    expectShown("Blue");
}

TEST_F(ColorComboTest, ClickingARowChoosesItEvenIfItIsTheRowTheListOpenedWith) {
    combo->setSelectedColor(standard("Black"));
    QTest::mouseClick(combo->dropButton(), Qt::LeftButton);
    clickRow(rowOfStandard("Navy"));
    EXPECT_FALSE(combo->isListOpen());
    expectShown("Navy");

    QTest::mouseClick(combo->dropButton(), Qt::LeftButton);
    key(Qt::Key_Down);
    expectShown("Purple");
    clickRow(rowOfStandard("Navy"));
    expectShown("Navy");
}

TEST_F(ColorComboTest, EscapeAPressOutsideOrLeavingTheBoxRestoresWhatTheListOpenedWith) {
    int outsideClicks = 0;
    QObject::connect(outside, &QPushButton::clicked, [&outsideClicks] { ++outsideClicks; });
    const std::pair<const char*, std::function<void()>> closers[] = {
        {"Escape", [this] { key(Qt::Key_Escape); }},
        {"press on the background", [this] { QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(252, 38)); }},
        {"press on another control", [this] { QTest::mouseClick(outside, Qt::LeftButton); }},
        {"Tab", [this] { key(Qt::Key_Tab); }},
    };
    for (const auto& [name, close] : closers) {
        for (const ColorValue start : {standard("Black"), kNoColorSelected}) {
            combo->setFocus();
            combo->setSelectedColor(start);
            const QString text = edit()->text();
            QTest::mouseClick(combo->dropButton(), Qt::LeftButton);
            key(Qt::Key_Down);
            type("blu");
            ASSERT_EQ(combo->selectedColor(), standard("Blue")) << name;
            close();
            EXPECT_FALSE(combo->isListOpen()) << name;
            EXPECT_EQ(combo->selectedColor(), start) << name;
            EXPECT_EQ(edit()->text(), text) << name;
            EXPECT_EQ(list()->currentRow(), list()->rowOf(start)) << name;
        }
    }
    EXPECT_EQ(outsideClicks, 2);  // the press outside still reaches what it was aimed at
}

TEST_F(ColorComboTest, EnterAndEscapeReachTheDialogOnlyWhileTheListIsClosed) {
    QDialog dialog;
    auto* picker = new ColorCombo(&dialog);
    picker->setGeometry(10, 10, 145, 21);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(10, 40, 80, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    picker->setSelectedColor(standard("Lime"));
    for (const auto& [closeKey, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        dialog.setResult(-1);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        picker->setFocus();
        QTest::keyClick(picker->lineEdit(), Qt::Key_F4);
        QTest::keyClick(picker->lineEdit(), closeKey);
        EXPECT_FALSE(picker->isListOpen());
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(picker->lineEdit(), closeKey);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), result);
        EXPECT_EQ(picker->selectedColor(), standard("Lime"));
    }
}

TEST_F(ColorComboTest, TheListShowsEightWholeRowsBelowTheComboOrAboveItAtTheScreenEdges) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int frame = list()->frameWidth();
    struct Case {
        const char* where;
        QPoint hostPos;
        bool above;
        bool pastRightEdge;
    };
    const Case cases[] = {
        {"top left", screen.topLeft() + QPoint(20, 20), false, false},
        {"bottom edge", QPoint(screen.left() + 20, screen.bottom() - 40), true, false},
        {"right edge", QPoint(screen.right() - 100, screen.top() + 20), false, true},
        {"bottom right corner", QPoint(screen.right() - 100, screen.bottom() - 40), true, true},
    };
    for (const Case& c : cases) {
        host.move(c.hostPos);
        QTest::mouseClick(combo->dropButton(), Qt::LeftButton);
        ASSERT_TRUE(combo->isListOpen()) << c.where;
        const QRect shown = list()->geometry();
        const QRect box(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        ASSERT_EQ(box.right() > screen.right(), c.pastRightEdge) << c.where;
        EXPECT_EQ(shown.size(), QSize(combo->width(), 8 * 16 + 2 * frame)) << c.where;
        EXPECT_EQ(list()->viewport()->height(), 8 * 16) << c.where;
        EXPECT_TRUE(screen.contains(shown)) << c.where;
        if (c.above)
            EXPECT_EQ(shown.bottom(), box.top() - 1) << c.where;
        else
            EXPECT_EQ(shown.top(), box.bottom() + 1) << c.where;
        EXPECT_EQ(shown.left(), c.pastRightEdge ? screen.right() - shown.width() + 1 : box.left()) << c.where;
        key(Qt::Key_Escape);
    }
}

TEST_F(ColorComboTest, RowsShowAFramedSwatchAndTheHighlightKeepsItsNameReadable) {
    QPalette palette = list()->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    struct Case {
        QColor highlight;
        QColor highlightedName;
    };
    for (const Case& c : {Case{QColor(0, 0, 128), Qt::white}, Case{QColor(255, 255, 0), Qt::black}}) {
        palette.setColor(QPalette::Highlight, c.highlight);
        list()->setPalette(palette);
        combo->setSelectedColor(standard("Green"));
        key(Qt::Key_F4);
        const QImage image = list()->grab().toImage();
        const int frame = list()->frameWidth();
        for (int row = 0; row < 8; ++row) {
            const int middle = frame + row * 16 + 8;
            const bool selected = row == rowOfStandard("Green");
            EXPECT_EQ(QColor(image.pixel(frame + 1, middle)), selected ? c.highlight : palette.color(QPalette::Base)) << row;
            EXPECT_EQ(QColor(image.pixel(frame + 2, middle)), QColor(Qt::black)) << row;
            EXPECT_EQ(QColor(image.pixel(frame + 8, middle)).rgb() & 0xFFFFFF,
                      QColor(redOf(kStandardColors[row].value), greenOf(kStandardColors[row].value),
                             blueOf(kStandardColors[row].value)).rgb() & 0xFFFFFF)
                << row;
        }
        // Smoothed glyph edges blend with the highlight, so count the pixels near the name colour.
        auto nearNameColour = [&c](QColor pixel) {
            return std::abs(pixel.red() - c.highlightedName.red()) + std::abs(pixel.green() - c.highlightedName.green()) +
                       std::abs(pixel.blue() - c.highlightedName.blue()) < 120;
        };
        int namePixels = 0;
        for (int x = frame + 16; x < frame + 60; ++x)
            for (int y = frame + 2 * 16; y < frame + 3 * 16; ++y) namePixels += nearNameColour(image.pixel(x, y));
        EXPECT_GT(namePixels, 0) << c.highlight.name().toStdString();
        key(Qt::Key_Escape);
    }
}

TEST_F(ColorComboTest, TheBoxShowsTheChosenColoursSwatchOnlyWhileAColourIsChosen) {
    auto redPixels = [this] {
        const QImage image = combo->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += QColor(image.pixel(x, y)) == QColor(Qt::red);
        return count;
    };
    combo->setSelectedColor(standard("Red"));
    EXPECT_GE(redPixels(), 10 * 10);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(redPixels(), 0);
}

}  // namespace
}  // namespace velmora::test
