#pragma once
// The sums of the course, one a key ("1", "2", ...) of the section 加法 (or 减法), each read
// when it is its turn, and from the first one again after the last. A line that is not a
// sum of two numbers with the window's sign is passed over with one warning, so that it
// can never show a wrong sum or judge an answer right by mistake.

#include <QSet>
#include <QString>
#include <cstdint>

class ActivityForm;

class SumList {
public:
    // sign: '+' or '-'; the section is 加法 or 减法.
    SumList(ActivityForm& form, const QString& section, QChar sign);

    int16_t ProblemNumber = 1;
    QString ProblemText;      // the line read last
    int16_t FirstNumber = 0;  // a of a+b
    int16_t SecondNumber = 0; // b of a+b

    // Reads problem ProblemNumber, or the first one when the list has ended. Without any
    // sum to ask, it says "请设置加法题目!" and returns false.
    bool NextProblem();

    // a + b, or a - b.
    int result() const;

private:
    bool split(const QString& text);

    ActivityForm& form_;
    QString section_;
    QChar sign_;
    QSet<int> warned_; // the problem numbers already reported as not a sum
};
