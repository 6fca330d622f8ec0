#include "activities/language/Mdlpicwenzhi.h"

#include "activities/language/Characters.h"
#include "ui/Form.h"

namespace {

// One row per name length: the short names in one line of 72 points, shifted towards the
// middle by half-width blanks; longer ones smaller; from 8 characters on in two lines. The
// sizes keep a line within about 384 pixels of the 393-pixel box.
struct Row {
    int upTo; // longest length of the row
    double topMargin;
    double textSize;
    int lines;
};
constexpr Row Rows[] = {
    {4, 100, 72, 1},  {5, 110, 57, 1},  {6, 120, 48, 1},
    {7, 130, 40, 1},  {8, 80, 72, 2},   {11, 95, 48, 2},
    {15, 113, 36, 2}, {19, 120, 30, 2}, {MaxCaptionCharacters, 120, 24, 2},
};

const Row& rowFor(int length)
{
    for (const Row& row : Rows)
        if (length <= row.upTo) return row;
    return Rows[std::size(Rows) - 1];
}

} // namespace

CaptionLayout captionLayout(const QString& item)
{
    const QStringList characters = charactersOf(item);
    const int length = int(characters.size());
    if (length == 0) return {};
    const Row& row = rowFor(length);
    CaptionLayout layout{row.topMargin, row.textSize, {}};
    if (row.lines == 1) {
        layout.lines << QString(std::max(0, 4 - length), QLatin1Char(' ')) + item;
    } else {
        // The first line takes the odd character.
        const int first = length - length / 2;
        layout.lines << characters.mid(0, first).join(QString())
                     << characters.mid(first).join(QString());
    }
    return layout;
}

PictureBox* makeCaptionTemplate(Form& form)
{
    auto* box = form.make<PictureBox>(QStringLiteral("PicWenzhi"));
    box->Move(0, 0, form.twips(5895), form.twips(5895));
    box->setBackColor(Qt::white);
    box->setForeColor(Qt::black);
    box->hide();
    return box;
}

void RenderCaptions(AppContext& app, ControlArray<PictureBox>& PicWenzhi, const QStringList& items)
{
    const QString heiti = QStringLiteral("黑体");
    for (int i = 1; i <= items.size(); ++i) {
        // A caption always starts on a fresh picture.
        PicWenzhi.Unload(i);
        PictureBox& box = PicWenzhi.Load(i);
        const QString& item = items[i - 1];
        if (charactersOf(item).size() > MaxCaptionCharacters)
            app.services.message(QStringLiteral("文件名或句子太长，最多只能显示24个字！"),
                                 MessageIcon::None, MessageButtons::Ok);
        const CaptionLayout layout = captionLayout(item);
        if (layout.lines.isEmpty()) continue;
        box.setFont(heiti, app.ScaleX * layout.topMargin, true);
        box.Print();
        box.setFontSize(app.ScaleX * layout.textSize);
        for (const QString& line : layout.lines)
            box.Print(line);
    }
}

QPixmap captionOf(const ControlArray<PictureBox>& PicWenzhi, int i)
{
    return PicWenzhi.exists(i) ? QPixmap::fromImage(PicWenzhi[i].image()) : QPixmap();
}
