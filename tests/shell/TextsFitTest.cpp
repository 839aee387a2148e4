// Every caption of the program's windows and menus fits the room its control gives it, with
// each shipped language pack, measured in the control's own font. The desktop's font here is
// larger than the dialogs' own, as on many desktops: a window that took it instead of the
// dialog font would not fit its boxes.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionMenuItem>

#include <algorithm>

#include "ProgramFixture.h"
#include "ShippedPacks.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/FirstOpenDialog.h"
#include "dialogs/HideDialog.h"
#include "dialogs/LanguageKeys.h"
#include "dialogs/OptionsDialog.h"
#include "shell/LanguagePackFile.h"
#include "skin/SkinLabel.h"

namespace velmora::test {
namespace {

// A caption and its room, in pixels.
struct Fit {
    QString where;
    QString caption;
    int needed;
    int room;
};

QString placeOf(const QWidget& control) { return control.window()->objectName() + '/' + control.objectName(); }

// The caption's width as the control draws it: in its font, without the "&" markers, the
// widest of its lines.
int captionWidth(const QFont& font, const QString& caption) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : caption.split(QStringLiteral("\r\n")))
        width = std::max(width, metrics.horizontalAdvance(SkinLabel::shownText(line).text));
    return width;
}

QStyleOptionButton buttonOption(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return option;
}

// A push button's contents as the style lays them out, less its picture and the 4 pixels Qt
// puts between picture and caption.
int captionRoom(const QPushButton& button) {
    QStyleOptionButton option = buttonOption(button);
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (button.isFlat()) option.features |= QStyleOptionButton::Flat;
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    int room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    if (!button.icon().isNull()) room -= button.iconSize().width() + 4;
    return room;
}

// A check box's or radio button's width less its indicator and the spacing after it.
int captionRoom(const QAbstractButton& button, QStyle::SubElement contents) {
    const QStyleOptionButton option = buttonOption(button);
    return button.style()->subElementRect(contents, &option, &button).width();
}

// What a caption must not run into: the controls that show or take text.
bool holdsText(const QWidget& control) {
    if (const auto* label = qobject_cast<const SkinLabel*>(&control)) return !label->caption().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return !button->text().isEmpty();
    return qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QAbstractSpinBox*>(&control) ||
           qobject_cast<const QComboBox*>(&control) || qobject_cast<const QAbstractScrollArea*>(&control);
}

// A see-through label takes the size of its caption, so its room is what lies free to its
// right on its rows: up to the next control that holds text, the window's edge, or the end of
// the window's shape (the washing machine's outline).
int captionRoom(const SkinLabel& label) {
    const QWidget& window = *label.window();
    const QRect place = label.geometry();
    int right = window.width();
    for (const QWidget* other : window.findChildren<QWidget*>()) {
        const QRect o = other->geometry();
        if (other == &label || other->parentWidget() != &window || !other->isVisibleTo(&window) || !holdsText(*other))
            continue;
        if (o.top() <= place.bottom() && place.top() <= o.bottom() && o.left() > place.left())
            right = std::min(right, o.left());
    }
    const QRegion shape = window.mask();
    if (!shape.isEmpty())
        for (int y = place.top(); y <= place.bottom(); ++y) {
            int x = place.left();
            while (x < right && shape.contains(QPoint(x, y))) ++x;
            right = x;
        }
    return right - place.left();
}

// Qt tells the style about a menu item through the menu's own protected helper.
struct MenuItemOption : QMenu {
    static QStyleOptionMenuItem of(const QMenu& menu, const QAction* action) {
        QStyleOptionMenuItem option;
        (menu.*(&MenuItemOption::initStyleOption))(&option, action);
        return option;
    }
};

// A menu takes the width its widest item asks for, so an item's caption is cut only where the
// menu is narrower than what the style asks for the caption, its picture, its check and its
// shortcut; and the menu itself must fit on the screen.
void addMenuFits(const QMenu& menu, std::vector<Fit>& fits) {
    const QString where = QStringLiteral("menu/") + menu.objectName() + '/';
    for (QAction* action : menu.actions()) {
        if (!action->isVisible() || action->isSeparator()) continue;
        QStyleOptionMenuItem option = MenuItemOption::of(menu, action);
        const QString caption = action->text().section(u'\t', 0, 0);
        const QSize captionSize(captionWidth(option.font, caption), QFontMetrics(option.font).height());
        const int needed = menu.style()->sizeFromContents(QStyle::CT_MenuItem, &option, captionSize, &menu).width() +
                           option.reservedShortcutWidth;
        fits.push_back({where + action->objectName(), caption, needed, menu.actionGeometry(action).width()});
        if (action->menu()) addMenuFits(*action->menu(), fits);
    }
    fits.push_back({where, QStringLiteral("(the whole menu)"), menu.sizeHint().width(),
                    menu.screen()->availableGeometry().width()});
}

std::vector<Fit> fitsOf(const MainWindow& main) {
    std::vector<Fit> fits;
    const QList<const QWidget*> windows = {&main,
                                           main.hideDialog(),
                                           main.extractDialog(),
                                           main.optionsDialog(),
                                           main.firstOpenDialog(),
                                           main.aboutDialog()};
    for (const QWidget* window : windows)
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window || !control->isVisibleTo(window)) continue;
            const auto add = [&](const QString& caption, int room) {
                if (!caption.isEmpty())
                    fits.push_back({placeOf(*control), caption, captionWidth(control->font(), caption), room});
            };
            if (const auto* label = qobject_cast<const SkinLabel*>(control)) add(label->caption(), captionRoom(*label));
            else if (const auto* radio = qobject_cast<const QRadioButton*>(control))
                add(radio->text(), captionRoom(*radio, QStyle::SE_RadioButtonContents));
            else if (const auto* check = qobject_cast<const QCheckBox*>(control))
                add(check->text(), captionRoom(*check, QStyle::SE_CheckBoxContents));
            else if (const auto* button = qobject_cast<const QPushButton*>(control))
                add(button->text(), captionRoom(*button));
        }
    addMenuFits(*main.popupMenu(), fits);
    return fits;
}

class TextsFitTest : public ProgramFixture, public ::testing::WithParamInterface<const char*> {
protected:
    TextsFitTest() {
        copyShippedLanguageFolder(folder(""));
        QFont desktopFont(QStringLiteral("DejaVu Sans"));
        desktopFont.setPointSize(10);
        QApplication::setFont(desktopFont);
    }
    ~TextsFitTest() override { QApplication::setFont(before_); }

private:
    const QFont before_ = QApplication::font();
};

TEST_P(TextsFitTest, EveryCaptionFitsItsControl) {
    const QString pack = QString::fromLatin1(GetParam());
    writeSettings("Lang=&" + pack.toStdString() + "\n");
    startProgram();
    const UiTexts packTexts = readLanguagePack(folder("Language/" + pack + ".lng"));
    ASSERT_EQ(window->optionsDialog()->choice(OutputPolicy::AskForName)->text(), packTexts.text(keys::kAskForNameChoice))
        << "the pack is on screen";

    const std::vector<Fit> fits = fitsOf(*window);
    for (const char* place : {"MainForm/SkinLabel2", "HideForm/SkinLabel2", "HideForm/PasteButton", "ExtractForm/OKButton",
                              "OptionsForm/Rb3", "OptionsForm/SkinLabel1", "FirstOpenForm/SkinLabel2",
                              "FirstOpenForm/CheckBox", "AboutBox/HelpButton", "menu//OpenFile_Menu",
                              "menu//Language_Menu", "menu//Lang1"}) {
        const bool measured = std::any_of(fits.begin(), fits.end(), [&](const Fit& fit) { return fit.where.endsWith(QLatin1String(place)); });
        EXPECT_TRUE(measured) << place << " was not measured";
    }
    for (const Fit& fit : fits)
        EXPECT_LE(fit.needed, fit.room) << fit.where.toStdString() << " \"" << fit.caption.toStdString() << "\" needs "
                                        << fit.needed << " px, has " << fit.room;
}

INSTANTIATE_TEST_SUITE_P(ShippedPacks, TextsFitTest, ::testing::Values("English", "Russian"));

}  // namespace
}  // namespace velmora::test
