#include "shell/core/Mdlmain.h"

#include "shell/data/DataNames.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <cmath>
#include <numeric>
#include <vector>

void ScaleForm(AppContext& app, Form& form)
{
    app.ScaleX = app.stage ? app.stage->scaleX() : 1.0f;
    app.ScaleY = app.stage ? app.stage->scaleY() : 1.0f;
    // A screen the size of the design keeps the design. (On a stretched stage a window is
    // rescaled even when one factor is exactly 1, so that it always fills the screen.)
    if (app.ScaleX == 1.0f && app.ScaleY == 1.0f) return;
    const double sx = app.ScaleX;
    const double sy = app.ScaleY;
    form.Move(form.Left() * sx, form.Top() * sy, form.Width() * sx, form.Height() * sy);
    // Copy the list: a control's own handlers never run here, but keep the walk safe.
    const std::vector<Control*> controls = form.controls();
    for (Control* c : controls) {
        if (!c->scalesWithForm()) continue;
        c->Move(c->Left() * sx, c->Top() * sy, c->Width() * sx, c->Height() * sy);
        if (c->scalesFont()) c->setFontSize(c->FontSize() * sx);
    }
}

namespace {

// Fills out(1..n) with a permutation of 1..n; out(0) and positions above n keep their
// contents. The random source is reseeded on every call.
template <std::size_t N> void makeOrder(AppContext& app, std::array<int16_t, N>& out, int n)
{
    n = std::min(n, int(N) - 1);
    if (n <= 0) return;
    std::vector<int16_t> work(n + 1);
    std::iota(work.begin(), work.end(), int16_t(0));
    app.services.reseedRandom();
    for (int k = n; k >= 1; --k) {
        const double u = app.services.nextUniform();
        const int r = std::clamp(int(std::floor(k * u)) + 1, 1, k);
        out[n - k + 1] = work[r];
        work[r] = work[k];
    }
}

} // namespace

void MakeRandomOrder(AppContext& app, int n)
{
    makeOrder(app, app.RandomOrder, n);
}
void MakeRandomOrder2(AppContext& app, int n)
{
    makeOrder(app, app.RandomOrder2, n);
}
void MakeRandomOrder3(AppContext& app, int n)
{
    makeOrder(app, app.RandomOrder3, n);
}

void PlayWave(AppContext& app, const QString& name)
{
    app.services.log(QStringLiteral("sound ") + name);
    // Sound names come from course data too (the comparison words).
    if (!isSafeDataName(name)) {
        app.services.warn(QStringLiteral("not a sound name: ") + name);
        return;
    }
    app.services.playSound(app.dataPath(QStringLiteral("sheng/") + name + QStringLiteral(".wav")));
}

void SpeakText(AppContext& app, const QString& text)
{
    app.services.log(QStringLiteral("speak ") + text);
    app.services.speak(text);
}
