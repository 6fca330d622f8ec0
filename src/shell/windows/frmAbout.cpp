#include "shell/windows/frmAbout.h"

#include "shell/windows/Product.h"
#include "ui/Artwork.h"

frmAbout::frmAbout(AppContext& app, const QString& name)
    : DialogForm(app, name, 6600, 4200)
{
    setCaption(QStringLiteral("About ") + Product::Name);

    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(300, 660, 1200, 1200);
    Image1->setPicture(Artwork::star());

    Label1 = makeText(QStringLiteral("Label1"), Product::Name + QStringLiteral(" 看图学习"), 660,
                      15.75, true);
    Label4 = makeText(QStringLiteral("Label4"), QString(), 1200, 10.5, false);
    Label2 = makeText(QStringLiteral("Label2"),
                      QStringLiteral("为三到七岁的孩子准备的看图练习：数学、语言、认知、"
                                     "填色、手眼协调和记忆力训练。"),
                      1680, 10.5, false);
    Label3 =
        makeText(QStringLiteral("Label3"),
                 QStringLiteral("本程序是自由软件，欢迎复制、学习和改进。"), 2580, 10.5, false);

    cmdTechSupport = make<Button>(QStringLiteral("cmdTechSupport"), QStringLiteral("了解更多..."));
    cmdTechSupport->Move(2700, 3420, 1680, 495);
    cmdOK = make<Button>(QStringLiteral("cmdOK"), QStringLiteral("确   定"));
    cmdOK->Move(4620, 3420, 1680, 495);
    for (Button* button : {cmdTechSupport, cmdOK})
        button->setFont(QStringLiteral("宋体"), 10.5, false);
    connect(cmdTechSupport, &Control::Click, this, [this] { OpenInBrowser(this->app(), WebSite); });
    connect(cmdOK, &Control::Click, this, [this] { Unload(); });
}

Label* frmAbout::makeText(const QString& name, const QString& text, double top, double points,
                          bool bold)
{
    auto* label = make<Label>(name, text);
    label->setFont(QStringLiteral("宋体"), points, bold);
    label->setTransparent(true);
    label->Move(1740, top, 4560, 840);
    return label;
}

void frmAbout::Form_Load()
{
    scaleAndCentre();
    setCaption(QStringLiteral("About ") + Product::Name);
    Label4->setCaption(QStringLiteral("版本 ") + Product::versionText());
    WebSite = Product::WebAddress;
}
