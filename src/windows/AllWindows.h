#pragma once
// Registers every window of the program: the shell's and those of each area.

class WindowRegistry;

void registerAllWindows(WindowRegistry& windows);
