#include "activities/language/FrmdiangTuDuo.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

FrmdiangTuDuo::FrmdiangTuDuo(AppContext& app, const QString& name)
    : ActivityForm(app, name)
{
    setBackColor(Qt::white);
    moveRewardStrip(QPointF(16, 704), QPointF(80, 696));

    Shape1 = make<Shape>(QStringLiteral("Shape1"));
    Shape1->Move(0, 664, 1033, 105);
    Shape1->setFill(QColor(96, 176, 72));
    Shape1->setNoBorder();

    auto* picture = make<PictureBox>(QStringLiteral("Picture1"));
    picture->Move(192, -120, 129, 129);
    picture->setBorder(true);
    picture->setBackColor(Qt::white);
    picture->setHandCursor();
    picture->hide(); // shown by the set-up, when the lesson has pictures to move
    Picture1.setDesigned(picture);
    // A moving picture is hit when it is pressed: by the release it may have moved on.
    Picture1.onMouseDown([this](int index, Qt::MouseButton button, double, double) {
        if (button == Qt::LeftButton) Picture1_Click(index);
    });

    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
    Timer1->setInterval(0);
}

void FrmdiangTuDuo::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    Zairu();
    Shape1->lower();
}

// One picture per item, above the window at different heights and in different columns,
// each falling at a speed of its own. A lesson of one item has nothing to shoot at.
void FrmdiangTuDuo::Zairu()
{
    // The photos the launcher read.
    const int n = std::clamp(int(app().ItemCount), 0, int(app().ItemPictures.size()) - 1);
    if (n <= 1) return;
    const double h = Picture1[0].Height();
    game_ = ShootingGame(int(std::lround(h)), int(std::lround(ScaleHeight() - Shape1->Height())));
    items_.assign(size_t(n), 0);
    for (int i = 1; i < n; ++i)
        Picture1.Load(i);
    for (int i = 1; i <= n; ++i)
        showItem(i - 1, i);
    const int heights = int(std::lround(2 * h));
    MakeRandomOrder2(app(), heights);
    MakeRandomOrder3(app(), columns());
    std::vector<ShootingGame::Picture> start(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        PictureBox& p = Picture1[i - 1];
        p.show();
        p.Move(PlaceOf(app().RandomOrder3, columns(), i), -PlaceOf(app().RandomOrder2, heights, i));
        start[size_t(i - 1)] = {p.Left(), int(std::lround(p.Top())), 0};
    }
    app().services.reseedRandom();
    for (auto& picture : start) {
        picture.step = int(std::floor(app().services.nextUniform() * 4)) + 2;
        game_.add(picture);
    }
    Timer1->start(50);
}

void FrmdiangTuDuo::Timer1_Timer()
{
    game_.tick();
    for (int i = 0; i < game_.count(); ++i) {
        const ShootingGame::Picture& p = game_.pictures()[size_t(i)];
        Picture1[i].Move(p.left, p.top);
    }
}

// A hit: the picture starts again just above the window, in a new column, with a new photo.
void FrmdiangTuDuo::Picture1_Click(int index)
{
    if (index >= game_.count()) return;
    const int n = game_.count();
    MakeRandomOrder(app(), n);
    MakeRandomOrder3(app(), columns());
    RewardRight(*this);
    PlayWave(app(), QStringLiteral("pingturight"));
    game_.restart(index, PlaceOf(app().RandomOrder3, columns(), index + 1));
    const ShootingGame::Picture& p = game_.pictures()[size_t(index)];
    Picture1[index].Move(p.left, p.top);
    showItem(index, app().RandomOrder[1]);
}

void FrmdiangTuDuo::Form_Click()
{
    PlayWave(app(), QStringLiteral("clickform"));
    RewardWrong(*this);
}

// A plain copy of the item's photo stretched over the box.
void FrmdiangTuDuo::showItem(int i, int item)
{
    items_[size_t(i)] = item;
    PictureBox& box = Picture1[i];
    box.Cls();
    const QImage& image = box.image();
    box.PaintPicture(app().ItemPictures[size_t(item)], 0, 0, image.width(), image.height());
}

int FrmdiangTuDuo::columns() const
{
    return int(std::lround(ScaleWidth() - Picture1[0].Width()));
}
