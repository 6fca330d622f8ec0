#pragma once
// The course carriers in pic/fmpic (GBK ini text scrambled behind a small bitmap) and
// the marker file that tells the program its data folder is present.

class DataFolder;
struct DemoContent;

void writeCourseFiles(const DemoContent& content, const DataFolder& out);
