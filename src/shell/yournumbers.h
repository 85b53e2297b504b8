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

// The printed copy of a chart: the attribution line, the chart as it is on screen with its
// headings in bold, the attribution line again; in a 10 pt font.
void composeFormattedCopy(RichTextPane& copy, const QTextDocument& chart);

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
    QLineEdit* dateField(const QString& objectName, const QString& accessibleName,
                         const QString& calendarName);
    void offerCalendar(QLineEdit* field, const QString& name);
    void refuse(const QString& message, QWidget* field);
    void makeControls();
    void layOut();
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
