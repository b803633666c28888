#include "state/state_file.h"

#include <glib.h>

namespace btserver {

bool readStateFile(const std::string& path, std::string& text, std::string& error) {
    gchar* contents = nullptr;
    gsize length = 0;
    GError* failure = nullptr;
    if (g_file_get_contents(path.c_str(), &contents, &length, &failure)) {
        text.assign(contents, length);
        g_free(contents);
        return true;
    }
    bool missing = g_error_matches(failure, G_FILE_ERROR, G_FILE_ERROR_NOENT);
    if (missing)
        text.clear();
    else
        error = failure->message;
    g_error_free(failure);
    return missing;
}

bool replaceStateFile(const std::string& path, const std::string& text, int mode,
                      std::string& error) {
    GError* failure = nullptr;
    if (g_file_set_contents_full(path.c_str(), text.data(), static_cast<gssize>(text.size()),
                                 G_FILE_SET_CONTENTS_CONSISTENT, mode, &failure))
        return true;
    error = failure->message;
    g_error_free(failure);
    return false;
}

}  // namespace btserver
