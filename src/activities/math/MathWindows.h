#pragma once
// Registers the mathematics windows under their window names.

class WindowRegistry;

void registerMathWindows(WindowRegistry& windows);
