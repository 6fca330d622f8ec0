#pragma once
// Registers the shell's windows (main menu, catalogue, activity chooser, help, About).

class WindowRegistry;

void registerShellWindows(WindowRegistry& windows);
