#pragma once

// The boxes of the scheme features.
namespace schemetext {
inline constexpr const char* kRegistryNotAccessible =
    "Registry error. Registry value is not accessible";
inline constexpr const char* kCannotChangeValue = "Registry error. Cannot change value";
inline constexpr const char* kNoThemesPath =
    "You must install Microsoft Plus! first.\nRegistred Themes path not found.";
inline constexpr const char* kCannotCreateDirectory = "Cannot create directory";
inline constexpr const char* kCannotCreateThemeFile = "Cannot create theme file";
inline constexpr const char* kCannotCreateScript = "Cannot create registry script";
inline constexpr const char* kLineBreakInPath =
    "The name of this sound holds a line break, which a registry script cannot hold:\n%1";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kCannotCopy = "Cannot copy file. Press 'OK' to continue.";
inline constexpr const char* kCopyErrorCaption = "Copy Error";
inline constexpr const char* kSoundsNotCopied =
    "%1 of its sounds could not be copied, so no theme was made. Nothing was changed.";
inline constexpr const char* kThemeDone =
    "New Theme (sounds only) was successfully created.\nTo see Theme preview press 'OK'.";
inline constexpr const char* kThemeDoneCaption = "Sound Scheme Preview";
inline constexpr const char* kReplaceFile =
    "The file \"%1\" was not written by this program.\nDo you want to replace it?";
inline constexpr const char* kReplaceFileCaption = "Confirm to replace file";
inline constexpr const char* kDesktopThemeFailed =
    "The desktop sound theme \"%1\" could not be written.";
} // namespace schemetext
