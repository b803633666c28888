#include "call.h"

#include <cstring>

namespace corv {

void printCallFailure(const char* text, const GError* error) {
    const char* hole = std::strstr(text, "%s");
    if (!hole) {
        g_printerr("%s", text);
        return;
    }
    g_printerr("%.*s%s%s", static_cast<int>(hole - text), text, error ? error->message : "",
               hole + 2);
}

void refuseInvalidString(const char* failText) {
    GError* error = g_error_new_literal(DBUS_GERROR, DBUS_GERROR_INVALID_ARGS,
                                        "a string argument is null or not valid UTF-8");
    printCallFailure(failText, error);
    g_error_free(error);
}

}  // namespace corv
