#include "corvctl_run.h"

#include <gtest/gtest.h>
#include <glib.h>
#include <sys/wait.h>

namespace corvtest {

Outcome corvctl(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(CORVCTL_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Outcome run;
    gchar* out = nullptr;
    gchar* err = nullptr;
    GError* error = nullptr;
    if (!g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err,
                      &run.status, &error)) {
        ADD_FAILURE() << error->message;
        g_error_free(error);
        return run;
    }
    run.out = out;
    run.err = err;
    g_free(out);
    g_free(err);
    return run;
}

Outcome shell(const std::string& line) {
    std::string command = line;
    const std::string path = CORVCTL_PATH;
    for (size_t at = command.find("corvctl "); at != std::string::npos;
         at = command.find("corvctl ", at + path.size())) {
        command.replace(at, 7, path);
    }
    Outcome run;
    gchar* out = nullptr;
    gchar* err = nullptr;
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    if (g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr,
                     &out, &err, &run.status, nullptr)) {
        run.out = out;
        run.err = err;
    }
    g_free(out);
    g_free(err);
    return run;
}

int exitCode(const Outcome& run) { return WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1; }

}  // namespace corvtest
