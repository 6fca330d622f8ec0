#pragma once
// The exercise pictures that are drawings rather than things: colouring outlines and
// the mazes of the hand-eye game.

class DataFolder;
struct DemoContent;

void writeOutlinePictures(const DemoContent& content, const DataFolder& out);
void writeMazePictures(const DataFolder& out);
