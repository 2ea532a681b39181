#pragma once

class CTembrelDlg;
class ISettings;

// With "Show"/"Preview" set to 1, a sound plays as soon as the user selects it with the arrow
// keys or a click, stopping whatever sounded before. The setting is read at each move, so the
// options sheet's box takes effect at once.
void installBrowsePreview(CTembrelDlg& window, const ISettings& settings);
