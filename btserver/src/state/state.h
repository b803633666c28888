// The state folder, the main header of state/: what the service keeps in files of its
// own. Each virtual device's folders (its file-transfer tree, its inbox and its card,
// device_folder.h), the shortcuts kept across restarts (shortcut_store.h) and the
// settings files that clients write (settings_file.h), each replaced at once when it
// changes (state_file.h). It builds on the world model and the shortcut record.
#pragma once

#include "state/device_folder.h"
#include "state/settings_file.h"
#include "state/shortcut_store.h"
