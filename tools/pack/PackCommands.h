#pragma once
// The commands of mindlark-pack that build and read single files. Each returns the exit
// status and prints its own errors on stderr.

#include <QString>

int packCourse(const QString& iniPath, const QString& carrierPath);
int unpackCourse(const QString& carrierPath);
int splitPhoto(const QString& photoPath, const QString& firstPath, const QString& secondPath);
int printItems(const QString& dataDir, const QString& course, const QString& section,
               const QString& key);

// Whole-file reading and writing with an error line on failure.
bool readFile(const QString& path, QByteArray& bytes);
bool writeFile(const QString& path, const QByteArray& bytes);
void printLine(const QString& line);
void printError(const QString& line);
