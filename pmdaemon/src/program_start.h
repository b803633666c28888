// The start shared by pmdaemon and pmdaemon_setup: they take no arguments but --help,
// and the tests' builds of them set their seams before anything runs.
#pragma once

// A step of the tests' builds before the program runs; false ends it with status 1.
using ProgramConfigure = bool (*)();

// -1 when the program goes on to run. Otherwise the exit status, after the usage was
// printed: 0 for --help (or -h) on standard output, 2 for anything else on standard
// error after naming the argument refused; 1 when configure failed. configure, when
// given, runs once the arguments are accepted; the installed programs give none.
int start_program(int argc, char** argv, const char* program, const char* usage,
                  ProgramConfigure configure);
