#include "activities/math/Frmpaixu_yd.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Speed = 50;    // pixels per step, both ways
constexpr double BarInset = 30; // design pixels from the bar's left and top edge
constexpr int StepMs = 400;

// count distinct random places 1..range, from a random order of at most N - 1 places. A
// range beyond what the order holds is drawn at the order's size and stretched over the
// whole range; a range smaller than count repeats places; no range at all gives 0.
template <std::size_t N>
std::vector<double> startPlaces(AppContext& app, void (*makeOrder)(AppContext&, int),
                                const std::array<int16_t, N>& order, double range, int count)
{
    std::vector<double> places(count, 0);
    const int drawn = std::clamp(int(range), 0, int(N) - 1);
    if (drawn < 1) return places;
    makeOrder(app, drawn);
    const double stretch = std::floor(range) / drawn;
    for (int i = 0; i < count; ++i)
        places[i] = std::floor(order[i % drawn + 1] * stretch);
    return places;
}

} // namespace

Frmpaixu_yd::Frmpaixu_yd(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , levels(*this, QStringLiteral("gif"))
    , cycle(*this,
            {.sound = RoundCycle::Sound::RightOrError,
             .reward = RoundCycle::Reward::AtAnswer,
             .rightSound = "win"},
            Feedback::Pause{*Timer2, 2000}, {.nextRound = [this] {
                Picture1.UnloadAllButFirst();
                Image1.UnloadAllButFirst();
                Image1[0].clearPicture();
                Zairu();
            }})
{
    Shape1 = make<Shape>(QStringLiteral("Shape1"));
    Shape1->Move(0, 616, 1033, 153);
    Shape1->setFill(QColor(120, 180, 90));
    Shape1->setNoBorder();
    repeatsInstruction(*Shape1);

    auto* place = make<Image>(QStringLiteral("Image1"));
    place->Move(0, 0, 97, 97);
    place->setStretch(true);
    place->hide();
    Image1.setDesigned(place);

    auto* number = make<PictureBox>(QStringLiteral("Picture1"));
    number->Move(368, 392, 129, 129);
    number->setBackColor(Qt::white);
    number->setHandCursor();
    number->hide();
    Picture1.setDesigned(number);
    Picture1.onClick([this](int index) { Picture1_Click(index); });
    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
}

void Frmpaixu_yd::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    levels.level = 1;
    Zairu();
}

// A level: its numbers at random places above the bar, their boxes on the bar still empty.
void Frmpaixu_yd::Zairu()
{
    CaughtCount = 0;
    if (!levels.read()) return;
    const int n = levels.count();
    for (int i = 1; i < n; ++i) {
        Image1.Load(i);
        Picture1.Load(i);
    }
    const double box = Picture1[0].Width();
    const std::vector<double> tops =
        startPlaces(app(), MakeRandomOrder2, app().RandomOrder2,
                    ScaleHeight() - Shape1->Height() - Picture1[0].Height(), n);
    const std::vector<double> lefts =
        startPlaces(app(), MakeRandomOrder3, app().RandomOrder3, ScaleWidth() - box, n);
    velocity_.assign(n, QPointF(Speed, Speed));
    for (int i = 0; i < n; ++i) {
        PictureBox& number = Picture1[i];
        number.Cls();
        number.PaintPicture(levels.picture(i + 1), 0, 0, number.width(), number.height());
        number.show();
        setCatchable(number, false);
        number.Move(lefts[i], tops[i]);
        Image& place = Image1[i];
        place.Move(Shape1->Left() + i * place.Width() + BarInset * app().ScaleX,
                   Shape1->Top() + BarInset * app().ScaleY);
        place.show();
        place.raise();
    }
    Timer1->start(StepMs);
}

QRectF Frmpaixu_yd::bounce(const QRectF& box, QPointF& velocity, QSizeF area)
{
    const double x = box.left();
    const double y = box.top();
    if (x + velocity.x() + box.width() >= area.width() || x + velocity.x() <= 0)
        velocity.setX(-velocity.x());
    if (y + velocity.y() + box.height() >= area.height() || y + velocity.y() < 1)
        velocity.setY(-velocity.y());
    return box.translated(velocity);
}

// One step of every number; the hidden ones go on unseen.
void Frmpaixu_yd::Timer1_Timer()
{
    if (!Picture1.at(0)) return;
    setCatchable(Picture1[0], true);
    const QSizeF area(ScaleWidth(), ScaleHeight() - Shape1->Height());
    const int n = std::min(int(velocity_.size()), Picture1.count());
    for (int i = 0; i < n; ++i) {
        PictureBox& number = Picture1[i];
        const QRectF to =
            bounce(QRectF(number.Left(), number.Top(), number.Width(), number.Height()),
                   velocity_[i], area);
        number.Move(to.left(), to.top());
    }
}

// The next number is caught and drops into its box on the bar.
void Frmpaixu_yd::Picture1_Click(int index)
{
    PictureBox& number = Picture1[index];
    if (!number.Enabled() || !number.Visible()) return;
    PlayWave(app(), QStringLiteral("pingturight"));
    Image1[index].setPicture(number.image());
    Image1[index].raise();
    number.Cls();
    number.hide();
    setCatchable(number, false);
    if (++CaughtCount == levels.count()) {
        CaughtCount = 0;
        ++levels.level;
        cycle.answer(true);
    }
    if (PictureBox* next = Picture1.at(CaughtCount)) setCatchable(*next, true);
}

// Only the next number takes a click; a click on any other passes through it, so the next
// one can be caught even where another floats over it.
void Frmpaixu_yd::setCatchable(PictureBox& number, bool catchable)
{
    number.setEnabled(catchable);
    number.setAttribute(Qt::WA_TransparentForMouseEvents, !catchable);
}
