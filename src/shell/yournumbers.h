#pragma once

#include "content/modLearnNumerology.h"
#include "numerology/numerology.h"
#include "platform/rememberedperson.h"
#include "platform/services.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextDocument;

namespace corvella {

class ClipboardGuard;
class RichTextPane;

// Writes a chart into a pane: for each number its name and values in bold, the working, when
// each value runs, the other methods' values, then what each value means, and under the Personal
// Year the year ahead. Letters read as plain ones and hyphenated parts are named first.
void writeChart(const numerology::Chart& chart, const QString& heading,
                const numerology::NameReading& name, const ContentTables& content,
                RichTextPane& pane);

// The printed copy of a chart: the attribution line, the chart as it is on screen with its
// headings in bold, the attribution line again; in a 10 pt font.
void composeFormattedCopy(RichTextPane& copy, const QTextDocument& chart);

// A line on what a Personal Year or Personal Month of this value asks of you.
QString shortMeaningOfCycle(int value);

// What the interpretation texts say of this value of this subject; empty when none does.
QString meaningOf(const ContentTables& content, int subject, int value);

// The learner's own numbers: a name and two dates in, the fifteen numbers with their working
// and meanings out. A window of its own beside the main window, not modal.
class YourNumbers : public QDialog
{
    Q_OBJECT

public:
    explicit YourNumbers(const Services& services, QWidget* parent = nullptr);
    ~YourNumbers() override;

    void cmdCalculate_Click();
    void cmdPrint_Click();
    void cmdForget_Click();

private:
    QLineEdit* dateField(const QString& objectName, const QString& accessibleName);
    void offerCalendar(QLineEdit* field);
    void buildLook();
    void refuse(const QString& message, QWidget* field);
    void showRemembered();

    Services m_services;
    ContentTables m_content;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_birth = nullptr;
    QLineEdit* m_lookAt = nullptr;
    QPushButton* m_calculate = nullptr;
    RichTextPane* m_chart = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_forget = nullptr;
    QPushButton* m_close = nullptr;
    QList<QLabel*> m_labels;
    // Composes the printed copy; never shown.
    RichTextPane* m_printCopy = nullptr;
    std::unique_ptr<ClipboardGuard> m_clipboardGuard;
    // The name and dates of the last chart, written off the window's thread.
    PersonKeeper m_keeper;
};

} // namespace corvella
