#pragma once

#include <QRect>

class QWidget;

namespace velmora {

class ImageBtn;
class SkinForm;
class SkinLabel;
class SkinPanel;
class UiTexts;

// The washing machine on the main window, each part at its place: the skin under everything,
// the four captions, the drum animation, the four image buttons and, over the drum, the
// see-through drum panel that takes clicks and dropped files.
struct MainSkin {
    // The drum, when given, becomes the window's drum animation (GIFImage).
    MainSkin(QWidget& window, QWidget* drum);

    // Captions and hints from the language texts.
    void applyTexts(const UiTexts& texts);

    static constexpr QRect kDrumArea{41, 120, 111, 111};

    SkinForm* skin;
    SkinLabel* productLabel;  // "Velmora"; a click opens the About box
    SkinLabel* hideCaption;
    SkinLabel* extractCaption;
    SkinLabel* exitCaption;
    ImageBtn* minimizeBtn;
    ImageBtn* hideBtn;
    ImageBtn* extractBtn;
    ImageBtn* exitBtn;
    SkinPanel* drumPanel;
};

}  // namespace velmora
