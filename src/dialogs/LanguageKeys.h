#pragma once

#include <QLatin1String>

// The keys under which a language pack gives each text of the program (section Velmora of a
// .lng file), named for what the text is for. The strings are the packs' own and never change.
namespace velmora::keys {

// Messages.
inline constexpr QLatin1String kCannotOpenFile{"ItemA2"};  // followed by the file name
inline constexpr QLatin1String kTextTooLarge{"ItemA4"};
inline constexpr QLatin1String kHiddenSuccessfully{"ItemA5"};  // followed by the file name
inline constexpr QLatin1String kPasswordIncorrect{"ItemA6"};   // an extract's password does not match
inline constexpr QLatin1String kExtractNoPassword{"ItemB1"};   // the extract dialog's password box is empty
inline constexpr QLatin1String kPasswordNotConfirmed{"ItemC1"};  // the hide dialog's two boxes are empty or differ
inline constexpr QLatin1String kNoTextEntered{"ItemC2"};

// What a numbered output name puts between the source name and its number (cat_New_1.bmp).
inline constexpr QLatin1String kNumberedNameInfix{"ItemA3"};

// The first-run tips; kDropTip is the drum's hint too.
inline constexpr QLatin1String kMenuTip{"ItemA71"};
inline constexpr QLatin1String kDropTip{"ItemA7"};
inline constexpr QLatin1String kNeverShowAgain{"ItemA72"};

// The menu items; most are the hints of the machine's buttons as well.
inline constexpr QLatin1String kOpenPicture{"ItemA14"};
inline constexpr QLatin1String kHideInformation{"ItemA12"};     // the hide dialog's title too
inline constexpr QLatin1String kExtractInformation{"ItemA11"};  // the extract dialog's title too
inline constexpr QLatin1String kClosePicture{"ItemA9"};
inline constexpr QLatin1String kLanguage{"ItemA13"};
inline constexpr QLatin1String kMinimize{"ItemA19"};
inline constexpr QLatin1String kOptions{"ItemA15"};  // the Options dialog's title too
inline constexpr QLatin1String kHelp{"ItemB4"};      // the extract dialog's Help button too
inline constexpr QLatin1String kAbout{"ItemA8"};
inline constexpr QLatin1String kExit{"ItemA10"};

// The captions over the machine's buttons.
inline constexpr QLatin1String kHideCaption{"ItemA16"};
inline constexpr QLatin1String kExtractCaption{"ItemA17"};
inline constexpr QLatin1String kPowerCaption{"ItemA18"};

// The hide dialog.
inline constexpr QLatin1String kHidePasswordLabel{"ItemD1"};
inline constexpr QLatin1String kConfirmPasswordLabel{"ItemD2"};
inline constexpr QLatin1String kStepLabel{"ItemD3"};
inline constexpr QLatin1String kBaseColorLabel{"ItemD4"};
inline constexpr QLatin1String kOpenTextFile{"ItemD5"};
inline constexpr QLatin1String kPasteFromClipboard{"ItemD6"};
inline constexpr QLatin1String kHideGoButton{"ItemD9"};
inline constexpr QLatin1String kHideHelp{"ItemD7"};  // the first-run tips' Help button too
inline constexpr QLatin1String kHideCancel{"ItemD8"};
// The room in the title: "%1 of %2 bytes" (the message's bytes, the picture's room), and the
// words added when the message does not fit.
inline constexpr QLatin1String kHideRoom{"ItemD10"};
inline constexpr QLatin1String kHideRoomTooLarge{"ItemD11"};

// The extract dialog. Its Go! button reads kExtractFirstPhaseButton as each extract begins and
// kExtractGoButton when a language is chosen.
inline constexpr QLatin1String kExtractPasswordLabel{"ItemB3"};
inline constexpr QLatin1String kSaveTextFile{"ItemB7"};
inline constexpr QLatin1String kCopyToClipboard{"ItemB8"};
inline constexpr QLatin1String kExtractFirstPhaseButton{"ItemA1"};
inline constexpr QLatin1String kExtractGoButton{"ItemB6"};
inline constexpr QLatin1String kCancel{"ItemB5"};  // the Options dialog's Cancel too

// The Options dialog: its heading and the three output policies.
inline constexpr QLatin1String kOutputHeading{"ItemE1"};
inline constexpr QLatin1String kOverSourceChoice{"ItemE2"};
inline constexpr QLatin1String kNumberedNameChoice{"ItemE3"};
inline constexpr QLatin1String kAskForNameChoice{"ItemE4"};

// The hint at a password box that has refused a letter the code page cannot store.
inline constexpr QLatin1String kLetterNotStorable{"ItemF1"};

// The picture's file changed while it was open: neither a wrong password nor a damaged file.
inline constexpr QLatin1String kFileChanged{"ItemA61"};

}  // namespace velmora::keys
