#pragma once
// The program's own pictures and sounds: main-menu areas, step thumbnails, animations,
// sound effects and the spoken comparison words.

class DataFolder;
struct DemoContent;

void writeMenuPictures(const DemoContent& content, const DataFolder& out);
void writeAnimations(const DataFolder& out);
void writeSounds(const DemoContent& content, const DataFolder& out);
