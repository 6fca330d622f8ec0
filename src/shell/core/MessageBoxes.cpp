#include "shell/core/MessageBoxes.h"

#include <QAbstractButton>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                            MessageButtons buttons, const QString& title)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title.isEmpty() ? QStringLiteral("Mindlark") : title);
    box->setText(text);
    box->setIcon(boxIcon(icon));
    box->setStandardButtons(boxButtons(buttons));
    // Set here rather than through Qt's translations: the children read Chinese on any
    // system, with or without Qt's language packs.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "确定"},
        {QMessageBox::Cancel, "取消"},
        {QMessageBox::Yes, "是"},
        {QMessageBox::No, "否"},
    };
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* shown = box->button(button))
            shown->setText(QString::fromUtf8(caption));
    return box;
}

MessageAnswer AnswerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}
