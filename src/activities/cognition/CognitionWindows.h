#pragma once
// Registers the windows of finding the same, classification, colours, sequences, jigsaw, missing
// piece and colouring under their window names.

class WindowRegistry;

void registerCognitionWindows(WindowRegistry& windows);
