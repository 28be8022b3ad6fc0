#pragma once

// The window program's entry in its module (window_main.cpp), which main.cpp loads from the
// Modules folder beside the executable; the build names the file (BANDOLIN_WINDOW_MODULE).
#define BANDOLIN_WINDOW_ENTRY __attribute__((visibility("default")))
inline constexpr char kWindowEntryName[] = "bandolin_window_main";
using WindowEntry = int (*)(int argc, char *argv[]);
