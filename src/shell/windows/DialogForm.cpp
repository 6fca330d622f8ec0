#include "shell/windows/DialogForm.h"

#include "shell/core/Mdlmain.h"
#include "ui/Stage.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

DialogForm::DialogForm(AppContext& app, const QString& name, double width, double height)
    : Form(*app.stage, name, ScaleUnit::Twips)
    , designWidth_(width)
    , app_(app)
{
    setBackColor(QColor(240, 240, 240));
    Move(0, 0, width, height);
}

void DialogForm::scaleAndCentre()
{
    ScaleForm(app_, *this);
    const double stageWidth = fromPixels(stage().screenSize().width(), unit());
    const double stageHeight = fromPixels(stage().screenSize().height(), unit());
    Move((stageWidth - Width()) / 2, (stageHeight - Height()) / 2, Width(), Height());
}

void DialogForm::paintEvent(QPaintEvent* e)
{
    Form::paintEvent(e);
    QPainter p(this);
    // The title bar grows with the window, whether or not the screen rescaled it.
    const double scale = Width() / designWidth_;
    const QRect bar(0, 0, width(), toPixels(TitleHeight * scale, unit()));
    p.fillRect(bar, QColor(0, 84, 166));
    p.setPen(Qt::white);
    p.setFont(makeFont(QStringLiteral("宋体"), 10.5 * scale, true));
    p.drawText(bar.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, Caption());
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OpenInBrowser(AppContext& app, const QString& address)
{
    // A local document is handed over as a file URL, never pasted into a command line, so
    // folders with blanks in their names open like any other.
    const bool local = QDir::isAbsolutePath(address);
    if (local && !QFileInfo::exists(address)) {
        app.services.message(QStringLiteral("找不到文件 ") + address, MessageIcon::Exclamation,
                             MessageButtons::Ok);
        return;
    }
    const QUrl url = local ? QUrl::fromLocalFile(address) : QUrl(address, QUrl::StrictMode);
    app.services.log(QStringLiteral("browse ") + url.toString());
    if (!url.isValid() || !app.services.openUrl(url))
        app.services.message(QStringLiteral("无法打开 ") + address +
                                 QStringLiteral("，请检查系统是否装有浏览器。"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
}
