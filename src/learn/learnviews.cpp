#include "learn/learnviews.h"

#include "platform/richtextpane.h"

namespace corvella::learn {

namespace {
const QString CrLf = QStringLiteral("\r\n");
constexpr int LastSubject = SubjectCount - 1;
} // namespace

QString SignificanceRecordText(const ContentTables& content, int subject)
{
    return QStringLiteral("Significance") + CrLf + content.SubjectSignificance[subject] + CrLf +
           CrLf + QStringLiteral("Calculation") + CrLf + content.SubjectCalculation[subject];
}

QString ShowSignificanceRecord(ContentTables& content, const NavigationState& nav,
                               RichTextPane& pane)
{
    LoadContent(content);
    const int s = nav.CurrentRecord;
    pane.setWholeText(QString());
    pane.beginEditBlock();
    pane.insertAtCaret(QStringLiteral("Significance") + CrLf);
    pane.insertAtCaret(content.SubjectSignificance[s] + CrLf + CrLf);
    pane.insertAtCaret(QStringLiteral("Calculation") + CrLf);
    pane.insertAtCaret(content.SubjectCalculation[s]);
    pane.endEditBlock();
    return content.SubjectName[s];
}

QString ShowInterpretationRecord(ContentTables& content, const NavigationState& nav,
                                 RichTextPane& pane)
{
    LoadContent(content);
    const int s = nav.CurrentRecord;
    pane.setWholeText(QString());
    pane.beginEditBlock();
    for (int i = content.FirstInterpretation[s]; i <= content.LastInterpretation[s]; ++i) {
        pane.insertAtCaret(content.SubjectName[s] + QLatin1Char(' ') +
                           QString::number(content.InterpretationValue[i]) + CrLf);
        pane.insertAtCaret(content.InterpretationText[i] + CrLf + CrLf);
    }
    pane.endEditBlock();
    return content.SubjectName[s];
}

bool MoveToNextRecord(NavigationState& nav)
{
    if (nav.BySignificance) {
        if (nav.CurrentRecord >= LastSubject)
            return false;
        ++nav.CurrentRecord;
        return true;
    }
    for (int i = nav.CurrentRecord + 1; i <= LastSubject; ++i) {
        if (nav.SubjectTicked[i]) {
            nav.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

bool MoveToPreviousRecord(NavigationState& nav)
{
    if (nav.BySignificance) {
        if (nav.CurrentRecord <= 0)
            return false;
        --nav.CurrentRecord;
        return true;
    }
    for (int i = nav.CurrentRecord - 1; i >= 0; --i) {
        if (nav.SubjectTicked[i]) {
            nav.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

} // namespace corvella::learn
