#include "program_run.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace corvtest {

ProgramRun runProgram(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ProgramRun run;
    gchar *out = nullptr, *err = nullptr;
    gint status = 0;
    GError* error = nullptr;
    if (!g_spawn_sync(nullptr, args.data(), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err,
                      &status, &error)) {
        ADD_FAILURE() << "cannot run " << argv[0] << ": " << error->message;
        g_error_free(error);
        return run;
    }
    run.out = out;
    run.err = err;
    g_free(out);
    g_free(err);
    if (WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace corvtest
