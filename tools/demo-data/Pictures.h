#pragma once
// The pictures of things: split lesson photos, counting, colour and sequence pictures,
// and the pictures of numbers (numerals and apples).

class DataFolder;
struct DemoContent;

void writeItemPictures(const DemoContent& content, const DataFolder& out);
void writeNumberPictures(const DataFolder& out);
