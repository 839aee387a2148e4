// The 16 x 16 pictures of the popup menu's items and of the dialogs' flat buttons, as
// pictures with alpha; at scale 2 the same pictures drawn sharper on 32 x 32.
#pragma once

#include "render.h"

#include <string>
#include <vector>

struct NamedIcon {
    std::string name;
    CoverPicture picture;
};

// menu_open, menu_hide, menu_extract, menu_close, menu_language, menu_minimize,
// menu_options, menu_help, menu_about, menu_exit.
std::vector<NamedIcon> drawMenuPictures(int scale);

// button_ok, button_cancel, button_help, button_open_text, button_paste, button_save_text,
// button_copy.
std::vector<NamedIcon> drawButtonPictures(int scale);
