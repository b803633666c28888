// A data file built into a program: its file name and its whole text.
#pragma once

struct EmbeddedText {
    const char* name;
    const char* text;
};
