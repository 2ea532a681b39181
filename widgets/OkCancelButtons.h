#pragma once

class CIconButton;
class QDialog;
class QDialogButtonBox;
class QHBoxLayout;

// The OK and Cancel buttons of the small dialogs that ask for a name: their pictures, OK the
// default button, both of one width.
void setUpOkCancel(CIconButton& ok, CIconButton& cancel);

// The two buttons side by side at the right of a new row.
QHBoxLayout* okCancelRow(CIconButton& ok, CIconButton& cancel);

// The standard OK and Cancel of a dialog, named with their keys, accepting and rejecting it.
QDialogButtonBox* okCancelBox(QDialog& dialog);
