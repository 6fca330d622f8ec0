#include "activities/language/FrmShurusz.h"

#include "activities/language/StrokeBox.h"
#include "activities/language/WritingForm.h"
#include "frame/UserFiles.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"
#include "shell/data/StrokeFile.h"

namespace {

// The recorder lies in the middle of the design screen.
const QRectF Design(232, 134, 560, 500);

Button* makeButton(Form& form, const QString& name, const QString& caption, double left)
{
    auto* button = form.make<Button>(name, caption);
    button->Move(left, 420, 150, 56);
    button->setFont(QStringLiteral("黑体"), 16, true);
    return button;
}

} // namespace

bool isStrokeCharacter(const QString& text)
{
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1) return false;
    const QChar::Category category = QChar::category(char32_t(codes.first()));
    return QChar::isLetterOrNumber(char32_t(codes.first())) && category != QChar::Letter_Modifier;
}

FrmShurusz::FrmShurusz(AppContext& app, const QString& name)
    : ActivityForm(app, name, ScaleUnit::Pixels, Strip::WithoutRewards)
{
    Move(Design.left(), Design.top(), Design.width(), Design.height());
    ImgHelp->hide();
    ImgBack->hide(); // "结 束" closes the recorder

    Picture1 = StrokeBox::make(*this, 20, 40);
    connect(Picture1, &Control::MouseDown, this,
            [this](Qt::MouseButton b, double x, double y) { Picture1_MouseDown(b, x, y); });
    connect(Picture1, &Control::MouseMove, this,
            [this](Qt::MouseButtons b, double x, double y) { Picture1_MouseMove(b, x, y); });
    connect(Picture1, &Control::MouseUp, this,
            [this](Qt::MouseButton b, double, double) { Picture1_MouseUp(b); });

    Text2 = make<TextBox>(QStringLiteral("Text2"));
    Text2->Move(370, 40, 160, 110);
    Text2->setFont(QStringLiteral("宋体"), 60, false);
    Text2->setEditable(true);

    RichTextBox1 = make<Label>(QStringLiteral("RichTextBox1"));
    RichTextBox1->Move(370, 165, 160, 196);
    RichTextBox1->setFont(QStringLiteral("宋体"), 9, false);
    RichTextBox1->setBackColor(Qt::white);
    RichTextBox1->setBorder(true);
    RichTextBox1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    Command1 = makeButton(*this, QStringLiteral("Command1"), QStringLiteral("确 定"), 20);
    Command2 = makeButton(*this, QStringLiteral("Command2"), QStringLiteral("取 消"), 200);
    Command3 = makeButton(*this, QStringLiteral("Command3"), QStringLiteral("结 束"), 380);
    connect(Command1, &Control::Click, this, [this] { Command1_Click(); });
    connect(Command2, &Control::Click, this, [this] { Command2_Click(); });
    connect(Command3, &Control::Click, this, [this] { Unload(); });
}

void FrmShurusz::Form_Load()
{
    ScaleForm(app(), *this);
    StrokeBox::fitPen(*Picture1);
    Text2->setFontSize(60 * app().ScaleX);
    StrokeCount = PointCount = 0;
    Text2->setText(app().CurrentCharacter);
}

// While the recorder is in front, the writing windows' clocks stand still.
void FrmShurusz::Form_Activate()
{
    StrokeCount = PointCount = 0;
    for (const QString& window : WritingForm::WindowNames())
        if (auto* writing = app().windows->find<WritingForm>(window)) writing->Timer2->stop();
}

void FrmShurusz::Picture1_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton) return;
    ++StrokeCount;
    PointCount = 0;
    strokeStart_ = record_.size();
    record_ += StrokeFile::strokeLine(StrokeCount);
    Picture1->PSet(x, y);
    showRecord();
}

void FrmShurusz::Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y)
{
    if (!(buttons & Qt::LeftButton) || strokeStart_ < 0) return;
    Picture1->LineTo(x, y);
    ++PointCount;
    record_ += StrokeFile::pointLine(PointCount, StrokeBox::toFile(*Picture1, x, y));
    showRecord();
}

// A press that drew no line is no stroke: an empty stroke would end the replay there.
void FrmShurusz::Picture1_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || strokeStart_ < 0) return;
    if (PointCount == 0) {
        record_.truncate(strokeStart_);
        --StrokeCount;
        showRecord();
    }
    strokeStart_ = -1;
}

// "确 定": the record becomes the stroke file of the character.
void FrmShurusz::Command1_Click()
{
    const QString character = Text2->Text();
    if (record_.isEmpty() || !isStrokeCharacter(character)) {
        if (!character.isEmpty() && !isStrokeCharacter(character))
            app().services.warn(QStringLiteral("Not one character to name a stroke file: \"%1\"")
                                    .arg(character.left(20)));
        app().services.message(QStringLiteral("请输入一个汉字或书写汉字的笔顺!"), MessageIcon::None,
                               MessageButtons::Ok);
        return;
    }
    const QString saved =
        SaveUserFile(app(), QStringLiteral("data"), character + QStringLiteral(".ini"), record_);
    if (saved.isEmpty()) {
        app().services.message(QStringLiteral("笔顺没有保存，请检查文件夹能否写入。"),
                               MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    app().services.log(QStringLiteral("strokes saved ") + saved);
}

// "取 消": a clean box and record; the next stroke is stroke 1 again.
void FrmShurusz::Command2_Click()
{
    Picture1->Cls();
    record_.clear();
    StrokeCount = PointCount = 0;
    strokeStart_ = -1;
    showRecord();
}

void FrmShurusz::showRecord()
{
    // The latest lines of the record are the ones worth seeing.
    const QStringList lines = QString::fromLatin1(record_).split(QStringLiteral("\r\n"));
    RichTextBox1->setCaption(
        lines.mid(std::max<qsizetype>(0, lines.size() - 14)).join(QLatin1Char('\n')));
}

void FrmShurusz::paintEvent(QPaintEvent* e)
{
    ActivityForm::paintEvent(e);
    StrokeBox::paintWindowFrame(*this);
}
