#pragma once
// The field dialogs the engine asks for (TRadius, TAngle2, TKey_In, TRotate_CAD, TAnalyze ...):
// one window class per dialog name, built from the request's captions and fields.

#include <functional>

#include "nctext/form_dialog.h"

class QWidget;

namespace vormak {

// Shows the dialog modally over `parent` and fills in the answers; false when cancelled.
bool RunFormDialog(FormRequest& form, QWidget* parent);

// Answers the field dialogs in place of the user (tests): fills in the form and gives
// whether it was accepted.
using FormScript = std::function<bool(FormRequest& form)>;

}  // namespace vormak
