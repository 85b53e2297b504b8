#pragma once

#include "practice/sitting.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the Practice window shows once a card is answered, as data: the window draws it.

namespace corvella::practice {

struct AnswerFeedback
{
    bool right = false;
    QString verdict;   // one line: "Right", "Wrong: the answer was 3", "Right by another method: 7"
    QStringList lines; // paragraphs; one ending in a colon names what follows it
    QString lastLine;  // a closing line to stand out: the slip, or what Enter does
};

// The feedback on the sitting's last answer, to the card on show.
AnswerFeedback describeLastAnswer(const PracticeSitting& sitting);

// "3, 7, 1, 11"
QString valuesText(const QList<int>& values);

} // namespace corvella::practice
