// Text boxes: the hidden ones only hold course values; an editable one takes typing and text
// that an input method (or the handwriting pad) commits, and tells of every change.

#include "ui/TextBox.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Box {
    Box()
    {
        stage.resize(1024, 768);
        stage.showForm(&form);
        box->Move(10, 10, 200, 40);
        box->show();
    }
    void key(Qt::Key k, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods, text);
        QCoreApplication::sendEvent(box, &press);
    }
    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(box, &event);
    }
    Stage stage;
    Form form{stage, QStringLiteral("FrmBox"), ScaleUnit::Pixels};
    TextBox* box = form.make<TextBox>(QStringLiteral("Text1"));
};

TEST(TextBox, AnEditableBoxTakesTypingAndCommittedTextAndTellsOfEachChange)
{
    Box b;
    b.box->setEditable(true);
    QSignalSpy changes(b.box, &TextBox::Change);
    b.key(Qt::Key_A, QStringLiteral("a"));
    b.commit(QStringLiteral("大"));
    b.key(Qt::Key_unknown, QString::fromUtf8("𠀀"));
    EXPECT_EQ(b.box->Text(), QString::fromUtf8("a大𠀀"));
    b.key(Qt::Key_Backspace);
    EXPECT_EQ(b.box->Text(), QStringLiteral("a大"))
        << "a character beyond the basic plane goes whole";
    b.key(Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier);
    b.key(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(b.box->Text(), QStringLiteral("a大"))
        << "shortcuts and control characters type nothing";
    EXPECT_EQ(changes.count(), 4);
    b.box->setText(QStringLiteral("a大"));
    EXPECT_EQ(changes.count(), 4) << "the same text is no change";
    b.box->setText(QString());
    EXPECT_EQ(changes.count(), 5) << "the program's own changes count too";
}

TEST(TextBox, AClickGivesAnEditableBoxTheKeyboardAndALockedOneNothing)
{
    Box b;
    auto* locked = b.form.make<TextBox>(QStringLiteral("Txtini"));
    locked->Move(10, 100, 200, 40);
    locked->show();
    QTest::mouseClick(locked, Qt::LeftButton);
    b.key(Qt::Key_A, QStringLiteral("a"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(locked, &press);
    EXPECT_EQ(locked->Text(), QString());
    EXPECT_EQ(b.box->Text(), QString());

    b.box->setEditable(true);
    QTest::mouseClick(b.box, Qt::LeftButton);
    EXPECT_EQ(b.stage.focusWidget(), b.box);
    auto* copy = static_cast<TextBox*>(b.box->cloneControl());
    EXPECT_TRUE(copy->editable());
    delete copy;
}

} // namespace
