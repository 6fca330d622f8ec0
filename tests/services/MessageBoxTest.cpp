// The program's message boxes speak its language, whatever the system's.

#include "shell/core/MessageBoxes.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

TEST(MessageBox, ButtonsReadChineseAndStandForTheirAnswers)
{
    const struct {
        MessageButtons buttons;
        QStringList captions;
        QList<MessageAnswer> answers;
    } cases[] = {
        {MessageButtons::Ok, {"确定"}, {MessageAnswer::Ok}},
        {MessageButtons::YesNo, {"是", "否"}, {MessageAnswer::Yes, MessageAnswer::No}},
        {MessageButtons::OkCancel, {"确定", "取消"}, {MessageAnswer::Ok, MessageAnswer::Cancel}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.captions.join(' ').toStdString());
        const auto box = MakeMessageBox(nullptr, QStringLiteral("文件 a.zic 没有找到!"),
                                        MessageIcon::Exclamation, c.buttons);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Mindlark"));
        EXPECT_EQ(box->text(), QStringLiteral("文件 a.zic 没有找到!"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        const QList<QAbstractButton*> buttons = box->buttons();
        ASSERT_EQ(buttons.size(), c.captions.size());
        for (int i = 0; i < c.captions.size(); ++i) {
            // The order of the list is the platform's; find each caption's button.
            QAbstractButton* button = nullptr;
            for (QAbstractButton* b : buttons)
                if (b->text() == c.captions[i]) button = b;
            ASSERT_NE(button, nullptr) << c.captions[i].toStdString();
            EXPECT_EQ(AnswerOf(box->standardButton(button)), c.answers[i]);
        }
    }
}

} // namespace
