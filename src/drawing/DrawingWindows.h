#pragma once
// Registers the windows of the drawing board under their window names.

class WindowRegistry;

void registerDrawingWindows(WindowRegistry& windows);
