#include "learn/learnviews.h"

#include "platform/richtextpane.h"

namespace corvella::learn {

namespace {
const QString CrLf = QStringLiteral("\r\n");
constexpr int LastSubject = SubjectCount - 1;
} // namespace

QString significanceRecordText(const ContentTables& content, int subject)
{
    return QStringLiteral("Significance") + CrLf + content.SubjectSignificance[subject] + CrLf +
           CrLf + QStringLiteral("Calculation") + CrLf + content.SubjectCalculation[subject];
}

QString showSignificanceRecord(ContentTables& content, const StudySession& session,
                               RichTextPane& pane)
{
    loadContent(content);
    const int s = session.CurrentRecord;
    pane.setWholeText(QString());
    pane.beginEditBlock();
    pane.insertAtCaret(QStringLiteral("Significance") + CrLf);
    pane.insertAtCaret(content.SubjectSignificance[s] + CrLf + CrLf);
    pane.insertAtCaret(QStringLiteral("Calculation") + CrLf);
    pane.insertAtCaret(content.SubjectCalculation[s]);
    pane.endEditBlock();
    return content.SubjectName[s];
}

QString showInterpretationRecord(ContentTables& content, const StudySession& session,
                                 RichTextPane& pane)
{
    loadContent(content);
    const int s = session.CurrentRecord;
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

bool moveToNextRecord(StudySession& session)
{
    if (session.activityBySignificance()) {
        if (session.CurrentRecord >= LastSubject)
            return false;
        ++session.CurrentRecord;
        return true;
    }
    for (int i = session.CurrentRecord + 1; i <= LastSubject; ++i) {
        if (session.SubjectTicked[i]) {
            session.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

bool moveToPreviousRecord(StudySession& session)
{
    if (session.activityBySignificance()) {
        if (session.CurrentRecord <= 0)
            return false;
        --session.CurrentRecord;
        return true;
    }
    for (int i = session.CurrentRecord - 1; i >= 0; --i) {
        if (session.SubjectTicked[i]) {
            session.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

} // namespace corvella::learn
