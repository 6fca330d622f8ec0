#pragma once
// A tiny data folder in a temporary directory, written with the packer's own code: course
// carriers with GBK text, photos split in two halves, any other file. The marker
// kc/课程.mdb is there from the start. The folder is removed with the fixture.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

class DataFixture {
public:
    DataFixture();

    const QString& root() const { return root_; }
    // The absolute path of a file below the root ("kc/课程.mdb").
    QString path(const QString& relPath) const;

    // pic/fmpic/<course>.bmp carrying the ini text, encoded as GBK.
    void addCourse(const QString& course, const QString& iniText);
    // The same for ini bytes that are already GBK (or deliberately broken).
    void addCourseBytes(const QString& course, const QByteArray& gbk);
    // pic/kcpic/<item>.zic and pic/wzpic/<item>.zic: the JPEG of image, cut in two.
    void addPhoto(const QString& item, const QImage& image);
    void addFile(const QString& relPath, const QByteArray& bytes);
    void removeFile(const QString& relPath);

    // A small solid picture, enough for a photo that decodes.
    static QImage picture(QColor color = Qt::darkGreen);
    static QByteArray jpeg(const QImage& image);
    static QByteArray bmp(const QImage& image); // as the maze pictures are stored

private:
    static QByteArray encode(const QImage& image, const char* format);

    QTemporaryDir dir_;
    QString root_;
};
