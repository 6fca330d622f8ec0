#include "shell/windows/FrmHelp.h"

#include "shell/core/WindowRegistry.h"
#include "shell/windows/Product.h"
#include "ui/Artwork.h"

namespace {

const QColor LinkHover(255, 0, 0);

QColor buttonText()
{
    return QPalette().color(QPalette::ButtonText);
}

} // namespace

FrmHelp::FrmHelp(AppContext& app, const QString& name)
    : DialogForm(app, name, 5400, 4320)
{
    setCaption(QStringLiteral("Help"));

    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(300, 660, 1200, 1200);
    Image1->setPicture(Artwork::good());

    Label5.setDesigned(makeLink(QStringLiteral("Label5"), QStringLiteral("使用手册"), 1920, 660));
    Label5.setDesigned(
        1, makeLink(QStringLiteral("Label5"), QStringLiteral("关于") + Product::Name, 1920, 1110));
    Label4 = makeLink(QStringLiteral("Label4"), QStringLiteral("在线升级"), 1920, 1560);
    Label3 = makeLink(QStringLiteral("Label3"), QStringLiteral("了解更多信息..."), 300, 2460);
    Label2 = makeLink(QStringLiteral("Label2"), Product::WebAddress, 300, 2880);
    Label2->setFont(QStringLiteral("宋体"), 9, false);
    Label2->setForeColor(buttonText());
    Lblclose = makeLink(QStringLiteral("Lblclose"), QStringLiteral("<<关闭窗口>>"), 3600, 3780);
    // Children come no further than this window; the record is for their parents.
    LblRecord = makeLink(QStringLiteral("LblRecord"), QStringLiteral("学习记录"), 300, 3780);

    // Two double rules: under the links and above the closing link.
    const double rules[4] = {2220, 2250, 3480, 3510};
    for (int i = 0; i < 4; ++i) {
        auto* line = make<Line>(QStringLiteral("Line3"));
        line->setEnds(300, rules[i], 5100, rules[i]);
        line->setLineColor(i % 2 == 0 ? QColor(128, 128, 128) : Qt::white);
        Line3.setDesigned(i, line);
    }

    Label5.onMouseMove(
        [this](int i, Qt::MouseButtons, double, double) { Label5[i].setForeColor(LinkHover); });
    Label5.onClick([this](int i) { Label5_Click(i); });
    for (Label* web : {Label2, Label3}) {
        connect(web, &Control::MouseMove, this, [this] { Label2->setForeColor(LinkHover); });
        connect(web, &Control::Click, this, [this] { openWebPage(); });
    }
    connect(Label4, &Control::MouseMove, this, [this] { Label4->setForeColor(LinkHover); });
    connect(Label4, &Control::Click, this, [this] { Label4_Click(); });
    connect(LblRecord, &Control::MouseMove, this, [this] { LblRecord->setForeColor(LinkHover); });
    connect(LblRecord, &Control::Click, this,
            [this] { this->app().windows->open(QStringLiteral("FrmRecord")); });
    connect(Lblclose, &Control::Click, this, [this] { Unload(); });
}

Label* FrmHelp::makeLink(const QString& name, const QString& caption, double left, double top)
{
    auto* label = make<Label>(name, caption);
    label->setFont(QStringLiteral("宋体"), 10.5, true);
    label->setTransparent(true);
    label->setForeColor(buttonText());
    label->Move(left, top, 0, 0);
    label->setAutoSize(true);
    label->setHandCursor();
    return label;
}

void FrmHelp::Form_Load()
{
    scaleAndCentre();
    // Lines are left alone by the rescaling, so the window stretches them itself.
    const double sx = app().ScaleX;
    Line3.forEach([sx](int, Line& line) {
        line.setEnds(line.X1() * sx, line.Y1() * sx, line.X2() * sx, line.Y2() * sx);
    });
}

void FrmHelp::Form_MouseMove(Qt::MouseButtons, double, double)
{
    for (Label* link : {Label2, Label3, Label4, &Label5[0], &Label5[1], LblRecord})
        link->setForeColor(buttonText());
}

void FrmHelp::Label5_Click(int index)
{
    if (index == 0) {
        WebSite = app().AppPath + QLatin1Char('/') + Product::Handbook;
        OpenInBrowser(app(), WebSite);
    } else {
        app().windows->open(QStringLiteral("frmAbout"));
    }
}

void FrmHelp::openWebPage()
{
    WebSite = Product::WebAddress;
    OpenInBrowser(app(), WebSite);
}

// Updates come with the system's packages, not from a program of our own.
void FrmHelp::Label4_Click()
{
    app().services.message(Product::Name +
                               QStringLiteral(" 随系统的软件包一起更新。\n"
                                              "请用系统的软件包管理器（软件更新）升级到新版本。"),
                           MessageIcon::Information, MessageButtons::Ok);
}
