#include "activities/math/SumList.h"

#include "frame/ActivityForm.h"
#include "shell/core/CourseStore.h"

namespace {

// A number of a sum as the course writes it: decimal digits, small enough to add up.
bool parseNumber(QStringView text, int16_t& number)
{
    if (text.isEmpty() || text.size() > 3) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    number = int16_t(text.toInt());
    return true;
}

} // namespace

SumList::SumList(ActivityForm& form, const QString& section, QChar sign)
    : form_(form)
    , section_(section)
    , sign_(sign)
{
}

bool SumList::NextProblem()
{
    AppContext& app = form_.app();
    bool startedOver = false;
    for (;;) {
        LoadCourseItems(app, *form_.Txtini, section_, QString::number(ProblemNumber),
                        QStringLiteral("数学课程"));
        ProblemText = form_.Txtini->Text();
        if (ProblemText.isEmpty()) {
            // Past the last problem: from the first again, once; a list without a single
            // sum has nothing to ask.
            if (ProblemNumber != 1 && !startedOver) {
                ProblemNumber = 1;
                startedOver = true;
                continue;
            }
            app.services.message(QStringLiteral("请设置加法题目!"), MessageIcon::None,
                                 MessageButtons::Ok);
            return false;
        }
        if (split(ProblemText)) return true;
        if (!warned_.contains(ProblemNumber)) {
            warned_.insert(ProblemNumber);
            const QString example = QStringLiteral("3") + sign_ + QStringLiteral("2");
            app.services.warn(
                QStringLiteral("数学课程 [%1] %2=%3 is not a sum like %4: passed over")
                    .arg(section_, QString::number(ProblemNumber), ProblemText, example));
        }
        ++ProblemNumber;
    }
}

bool SumList::split(const QString& text)
{
    const qsizetype at = text.indexOf(sign_);
    if (at < 0) return false;
    int16_t a = 0, b = 0;
    if (!parseNumber(QStringView(text).left(at).trimmed(), a) ||
        !parseNumber(QStringView(text).mid(at + 1).trimmed(), b))
        return false;
    FirstNumber = a;
    SecondNumber = b;
    return true;
}

int SumList::result() const
{
    return sign_ == QLatin1Char('-') ? FirstNumber - SecondNumber : FirstNumber + SecondNumber;
}
