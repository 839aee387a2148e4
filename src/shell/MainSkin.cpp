#include "shell/MainSkin.h"

#include <QFont>
#include <QWidget>

#include "dialogs/LanguageKeys.h"
#include "shell/UiTexts.h"
#include "skin/ImageBtn.h"
#include "skin/Look.h"
#include "skin/SkinForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinPanel.h"

namespace velmora {

namespace {

// The captions on the machine: Arial metrics, 9 pixels high.
SkinLabel* label(QWidget& window, const char* name, QPoint place) {
    auto* label = new SkinLabel(&window);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    label->setFont(font);
    label->move(place);
    return label;
}

ImageBtn* button(QWidget& window, const char* name, QRect place, const QString& normal, const QString& pressed) {
    auto* button = new ImageBtn(&window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFaces(scaledLookPicture(normal), scaledLookPicture(pressed));
    return button;
}

}  // namespace

// Made in stacking order: the skin and the captions lie beneath the drum, the buttons and the
// drum panel above them (so a caption never takes a press from its button).
MainSkin::MainSkin(QWidget& window, QWidget* drum)
    : skin(new SkinForm(&window)), productLabel(label(window, "SkinLabel1", {15, 42})),
      hideCaption(label(window, "SkinLabel2", {75, 36})), extractCaption(label(window, "SkinLabel3", {122, 36})),
      exitCaption(label(window, "SkinLabel4", {160, 37})) {
    skin->setPicture(scaledLookPicture(QStringLiteral("skin.bmp")));
    productLabel->setCaption(QStringLiteral("Velmora"));
    if (drum) {
        drum->setParent(&window);
        drum->setObjectName(QStringLiteral("GIFImage"));
        drum->setGeometry(kDrumArea);
        drum->show();
    }
    // The minimise button's face stays the same when pressed; only its glyph moves.
    const QString minimizeFace = QStringLiteral("minimize_up.bmp");
    minimizeBtn = button(window, "MinimizeBtn", {16, 56, 45, 16}, minimizeFace, minimizeFace);
    minimizeBtn->setGlyph(scaledLookPicture(QStringLiteral("minimize_glyph.bmp")));
    hideBtn = button(window, "HideBtn", {78, 46, 29, 29}, QStringLiteral("hide_up.bmp"), QStringLiteral("hide_down.bmp"));
    extractBtn = button(window, "ExtractBtn", {121, 47, 29, 29}, QStringLiteral("extract_up.bmp"),
                        QStringLiteral("extract_down.bmp"));
    exitBtn = button(window, "ExitBtn", {162, 50, 22, 22}, QStringLiteral("exit_up.bmp"), QStringLiteral("exit_down.bmp"));
    drumPanel = new SkinPanel(&window);
    drumPanel->setObjectName(QStringLiteral("DrumPanel"));
    drumPanel->setGeometry(kDrumArea);
}

void MainSkin::applyTexts(const UiTexts& texts) {
    const auto text = [&texts](QLatin1String key) { return texts.text(key); };
    hideCaption->setCaption(text(keys::kHideCaption));
    extractCaption->setCaption(text(keys::kExtractCaption));
    exitCaption->setCaption(text(keys::kPowerCaption));
    productLabel->setToolTip(text(keys::kAbout));
    drumPanel->setToolTip(text(keys::kDropTip));
    minimizeBtn->setToolTip(text(keys::kMinimize));
    hideBtn->setToolTip(text(keys::kHideInformation));
    extractBtn->setToolTip(text(keys::kExtractInformation));
    exitBtn->setToolTip(text(keys::kExit));
}

}  // namespace velmora
