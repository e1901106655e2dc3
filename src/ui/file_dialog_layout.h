#pragma once
// The open and save dialogs are laid out for long program names and file sizes: the name
// column takes the spare width and the size, type and date columns are as wide as their text.

class QFileDialog;

namespace vormak {

void FitFileDialogColumns(QFileDialog& dialog);

}  // namespace vormak
