// CheckShareFolder: the start-up check of a folder a server shares (the file-transfer
// share, the object-push inbox and outbox), kept in a 260-byte buffer. A folder that
// exists or can be made (with its parents) is kept. Otherwise, when the environment
// variable "USERNAME" is set and "user" starts within the first seven characters of the
// folder, those four characters become its value; when that folder exists or can be
// made it replaces the buffer's folder and the result is true, which tells the plug-in
// to write it back to its settings. The file-transfer plug-in looks for "user" without
// regard to case, the object-push plug-in with it: the case rule is the caller's.
#pragma once

#include <Qt>

#include "profilekit_api.h"

constexpr int kShareFolderSize = 260;

PROFILEKIT_EXPORT bool CheckShareFolder(char* folder, Qt::CaseSensitivity userCase);
