#pragma once
// The data folder being written: every file goes through here, so folders are made on
// demand and a failed write stops the generator.

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

class DataFolder {
public:
    explicit DataFolder(const QString& root);

    void write(const QString& relativePath, const QByteArray& bytes) const;
    void writeImage(const QString& relativePath, const QImage& image) const; // by suffix
    QByteArray jpeg(const QImage& image) const;
    QString path(const QString& relativePath) const;

private:
    QDir m_root;
};
