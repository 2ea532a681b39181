#pragma once

class CTembrelDlg;

// Registers "As Text File", "As HTML File" and "As WEB Page" of the "Save File List" menu.
void installListCommands(CTembrelDlg& window);
