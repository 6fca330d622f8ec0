#pragma once
// Registers the windows of memory games and the hand-eye maze under their window names.

class WindowRegistry;

void registerMemoryWindows(WindowRegistry& windows);
