// Pictures of dialogs as a person sees them, for looking at by eye.
#pragma once

class QWidget;

namespace pktest {

// Saves the widget as pk-<name>.png in the folder PROFILEKIT_SHOTS_DIR names; does
// nothing when it is not set.
void saveShot(QWidget* widget, const char* name);

}  // namespace pktest
