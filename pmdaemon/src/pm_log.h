// Progress lines go to standard output, failures to standard error. Each line is flushed
// at once, so that a journal or a pipe sees it when it happens.
#pragma once

void pm_print(const char* line);  // the line and a newline
void pm_error(const char* format, ...) __attribute__((format(printf, 1, 2)));
