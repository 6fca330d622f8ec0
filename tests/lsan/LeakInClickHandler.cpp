// A form whose click handler leaks on purpose: the proof that LeakSanitizer, with the
// project's suppressions in force, still reports a leak made inside an event handler.
// expect_leak_report.sh runs it and wants the report.

#include "StageFixture.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <QApplication>
#include <cstdio>

namespace {

class FrmLeak : public Form {
public:
    explicit FrmLeak(Stage& stage)
        : Form(stage, QStringLiteral("FrmLeak"), ScaleUnit::Pixels)
    {
        Label1.Move(100, 100, 200, 60);
        Label1.show();
        connect(&Label1, &Control::Click, this, &FrmLeak::Label1_Click);
    }

    Label& Label1 = *make<Label>(QStringLiteral("Label1"), QStringLiteral("leak"));

    // Forgets a buffer: the leak the report must name.
    void Label1_Click()
    {
        int* volatile buffer = new int[100];
        buffer[0] = 1;
        buffer = nullptr;
        std::fputs("Label1_Click ran\n", stderr); // unbuffered: LSan ends the process
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    StageFixture fixture;
    fixture.stage.show();
    auto* form = new FrmLeak(fixture.stage);
    fixture.stage.showForm(form);
    fixture.click(&form->Label1);
    fixture.stage.unloadAll();
    StageFixture::settle();
    return 0;
}
