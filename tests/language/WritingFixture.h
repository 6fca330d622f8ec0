#pragma once
// A stage with the writing windows registered over a small data folder: writing lessons in
// 输入法.ini, lesson words in 课程.ini, and a user data folder of its own. The handwriting
// model is the real one unless a case asks for a missing one.

#include "DataFixture.h"
#include "StageFixture.h"

#include <QTemporaryDir>
#include <QTest>

class HandwritingPad;
class Timer;

struct WritingFixture {
    // Lessons of 输入法.ini: one value per line, key 1, 2, ...
    explicit WritingFixture(QStringList lessons = {QStringLiteral("一二三"),
                                                   QStringLiteral("人大")},
                            QSize screen = QSize(1024, 768), bool withModel = true);
    ~WritingFixture();

    QTemporaryDir userHome;
    DataFixture data;
    StageFixture fx;

    template <class T> T* open(const char* window)
    {
        return fx.windows.open<T>(QString::fromLatin1(window));
    }
    QWindow* screen() { return fx.stage.windowHandle(); }

    // Types text, character by character, into the stage's focused widget as the keyboard
    // does.
    void type(const QString& text);
    // Waits until the pad has its model (the model loads on a worker thread).
    static void waitUntilReady(HandwritingPad& pad);
    // Writes strokes (in pixels of the 321 x 321 design box, scaled to the square) on the
    // pad with the mouse, through the stage's window.
    void writeOnPad(HandwritingPad& pad, const QList<QList<QPoint>>& strokes);
    // The user data folder of this fixture's "data" files.
    QString userData(const QString& file) const;

private:
    QByteArray savedHome_;
    QByteArray savedModel_;
};

// The strokes of a demo stroke file, or none when the demo data is not built.
QList<QList<QPoint>> demoStrokes(const QString& character);
// A path where no model is.
QString missingModel();
