#pragma once
// Registers the windows of picture captions, recognition, pairing, word and sentence building, writing, picture learning and games under their window names.

class WindowRegistry;

void registerLanguageWindows(WindowRegistry& windows);
