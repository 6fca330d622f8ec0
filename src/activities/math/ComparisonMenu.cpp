#include "activities/math/ComparisonMenu.h"

#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"

const QColor ComparisonMenu::Highlighted(0, 255, 255);
const QColor ComparisonMenu::Plain(192, 255, 255);

ComparisonMenu::ComparisonMenu(AppContext& app, const ComparisonRow& row)
    : ActivityForm(app, QString::fromUtf8(row.menu), ScaleUnit::Pixels, Strip::WithoutRewards)
    , row_(row)
{
    // The light captions stand on a deep blue ground.
    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(0, 0, DesignWidth, DesignHeight);
    Picture1->setBackColor(QColor(28, 58, 110));
    Picture1->lower();
    connect(Picture1, &Control::MouseMove, this, [this] { Picture1_MouseMove(); });

    auto* entry = make<Label>(QStringLiteral("Label1"));
    entry->Move(113, 72, 175, 56);
    entry->setFont(QStringLiteral("黑体"), 24, true);
    entry->setForeColor(Plain);
    entry->setTransparent(true);
    entry->setWordWrap(false);
    entry->setHandCursor();
    Label1.setDesigned(entry);
    Label1.onClick([this](int k) { Label1_Click(k); });
    Label1.onMouseMove([this](int k, Qt::MouseButtons, double, double) { Label1_MouseMove(k); });
}

void ComparisonMenu::Form_Load()
{
    ScaleForm(app(), *this);
    maximize();
    ImgHelp->hide();
    LoadCourseItems(app(), *Txtini, QStringLiteral("项目"), QStringLiteral("项目"),
                    QStringLiteral("数学课程"));
    const QStringList entries = ItemsJustRead(app(), *Txtini);
    const int count = int(entries.size());
    for (int i = 1; i < count; ++i) {
        Label& entry = Label1.Load(i);
        entry.ZOrder();
        entry.setTop(Label1[0].Top() + i * (app().ScaleX * 100));
        entry.show();
    }
    for (int i = 0; i < count; ++i)
        Label1[i].setCaption(entries[i]);
}

// Opens the comparison of the chosen entry over the menu.
void ComparisonMenu::Label1_Click(int k)
{
    app().ComparisonEntry = Label1[k].Caption();
    if (app().windows) app().windows->open(QString::fromUtf8(row_.name));
}

// Lights up the entry under the pointer.
void ComparisonMenu::Label1_MouseMove(int k)
{
    Label1[k].setForeColor(Highlighted);
}

// Back on the ground, every entry is plain again.
void ComparisonMenu::Picture1_MouseMove()
{
    Label1.forEach([](int, Label& entry) { entry.setForeColor(Plain); });
}
