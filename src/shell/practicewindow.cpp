#include "shell/practicewindow.h"
#include "ui_practicewindow.h"

#include "numerology/numerology.h"
#include "platform/datetext.h"
#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "practice/cards.h"
#include "practice/feedback.h"
#include "practice/scheduler.h"
#include "practice/sitting.h"
#include "shell/clipboardguard.h"
#include "shell/progresschart.h"
#include "shell/windowlook.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace corvella {

using practice::AnswerKind;
using practice::CardId;
using practice::CardKind;
using practice::PracticeSitting;

namespace {

// How soon after an answer the progress goes to disk: answers in quick succession share one
// write, and a crash loses at most the last moment's.
constexpr int SaveDelayMs = 1500;

// The verdicts carry a mark and a word besides their colour.
const QString RightMark = QStringLiteral("\u2713");
const QString WrongMark = QStringLiteral("\u2717");
constexpr QRgb RightOnPurple = qRgb(150, 240, 150);
constexpr QRgb RightOnPink = qRgb(0, 100, 0);
constexpr QRgb WrongOnPink = qRgb(170, 0, 0);

// "Card 3 of 12, a new card": where the card on show comes from.
QString cardCountText(const PracticeSitting& sitting)
{
    const int n = sitting.position() + 1;
    const int of = int(sitting.offered().size());
    if (sitting.currentMissedInTest())
        return PracticeWindow::tr("Card %1 of %2, missed in your last test").arg(n).arg(of);
    switch (sitting.currentKind()) {
    case AnswerKind::New:
        break;
    case AnswerKind::Review:
        return PracticeWindow::tr("Card %1 of %2, due again").arg(n).arg(of);
    case AnswerKind::Relearning:
        return PracticeWindow::tr("Card %1 of %2, again until you have it right").arg(n).arg(of);
    case AnswerKind::Cramming:
        return PracticeWindow::tr("Card %1 of %2, practised before it is due").arg(n).arg(of);
    }
    return PracticeWindow::tr("Card %1 of %2, a new card").arg(n).arg(of);
}

void setTextColour(QWidget* widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(palette);
}

void appendParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format,
                     bool first = false)
{
    if (!first)
        cursor.insertBlock();
    cursor.insertText(text, format);
}

ContentTables loadedContent()
{
    ContentTables tables;
    loadContent(tables);
    return tables;
}

// A screen reader speaks the description of the control that has the keyboard: each control
// the keyboard lands on carries what has just changed around it. Qt sends the change.
void describeFor(QWidget* focused, const QString& words)
{
    if (focused->accessibleDescription() != words)
        focused->setAccessibleDescription(words);
}

} // namespace

practice::PractisedTest practisedTest(bool bySignificance, const TestReport& report,
                                      const TestState& test, const ContentTables& content,
                                      const QDate& day)
{
    practice::PractisedTest finished;
    finished.test = {day, bySignificance, report.score, report.questionCount()};
    for (int q = 0; q < report.questionCount(); ++q) {
        const ReportBlock& block = report.blocks[q];
        const CardId card =
            bySignificance
                ? practice::cardOfSignificanceQuestion(test.SignificanceOrder[size_t(q)])
                : practice::cardOfInterpretationEntry(content, test.InterpretationQuestions[q]);
        finished.questions.append({block.heading, block.choice, block.correct, card});
    }
    return finished;
}

PracticeWindow::PracticeWindow(const Services& services, const QString& progressFile,
                               const QString& notice, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPractice>()), m_services(services),
      m_content(loadedContent()), m_draw(*services.random, *services.clock),
      m_sitting(m_content, m_draw, *services.clock, progressFile),
      m_clipboardGuard(std::make_unique<ClipboardGuard>(*services.clipboard))
{
    ui->setupUi(this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    m_lessonOrder = practice::allCards(m_content);
    m_clipboardGuard->watch(ui->RTBOptions);
    m_clipboardGuard->watch(ui->RTBFeedback);
    m_clipboardGuard->watch(ui->RTBMissed);
    buildLook();

    for (int i = 0; i < AnswerBoxCount; ++i) {
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        key->setObjectName(QStringLiteral("keyChoice%1").arg(i + 1));
        connect(key, &QShortcut::activated, this, [this, i] { chooseAnswer(i); });
        m_choiceKeys << key;
    }
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    undoKey->setObjectName(QStringLiteral("keyUndo"));
    connect(undoKey, &QShortcut::activated, this, &PracticeWindow::cmdUndo_Click);
    connect(ui->RTBOptions, &RichTextPane::mousePressed, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint position) {
                RTBOptions_MouseDown(buttons, position);
            });
    connect(ui->cmdCheck, &QPushButton::clicked, this, &PracticeWindow::cmdCheck_Click);
    connect(ui->cmdNextCard, &QPushButton::clicked, this, &PracticeWindow::cmdNextCard_Click);
    connect(ui->cmdUndo, &QPushButton::clicked, this, &PracticeWindow::cmdUndo_Click);
    connect(ui->cmdMoreNewCards, &QPushButton::clicked, this,
            &PracticeWindow::cmdMoreNewCards_Click);
    connect(ui->cmdPractiseMissed, &QPushButton::clicked, this,
            &PracticeWindow::cmdPractiseMissed_Click);
    connect(ui->chkRememberedPerson, &QCheckBox::toggled, this,
            &PracticeWindow::chkRememberedPerson_Toggled);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->tabPractice, &QTabWidget::currentChanged, this, [this] {
        if (ui->tabPractice->currentWidget() == ui->pageProgress && m_pictureStale)
            drawPicture();
    });
    connect(ui->txtSumAnswer, &QLineEdit::textEdited, this, [this] {
        ui->lblSumProblem->clear();
        describeFor(ui->txtSumAnswer, ui->lblQuestion->text());
    });
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &PracticeWindow::saveNow);

    const QString read = m_sitting.open();
    QStringList notices;
    for (const QString& text : {notice, read}) {
        if (!text.isEmpty() && !notices.contains(text))
            notices << text;
    }
    tell(notices.join(QLatin1Char(' ')));

    ui->spnNewCards->setRange(0, practice::MaximumNewCardsPerDay);
    ui->spnNewCards->setValue(m_sitting.progress().settings.newCardsPerDay);
    connect(ui->spnNewCards, &QSpinBox::valueChanged, this,
            &PracticeWindow::spnNewCards_ValueChanged);
    ui->spnRetention->setRange(qRound(practice::MinimumRetention * 100),
                               qRound(practice::MaximumRetention * 100));
    ui->spnRetention->setValue(qRound(m_sitting.progress().settings.desiredRetention * 100));
    connect(ui->spnRetention, &QSpinBox::valueChanged, this,
            &PracticeWindow::spnRetention_ValueChanged);
    ui->chkRememberedPerson->setVisible(loadRememberedPerson().has_value());
    drawMissed();
    drawPicture();
    showCard();
}

PracticeWindow::~PracticeWindow()
{
    saveNow();
}

void PracticeWindow::done(int result)
{
    saveNow();
    QDialog::done(result);
}

void PracticeWindow::buildLook()
{
    placeSecondaryWindow(this, parentWidget(),
                         {QStringLiteral("practice"),
                          QSize(640, 520),
                          {ui->lblQuestion, ui->lblVerdict, ui->lblScore, ui->lblDone},
                          {ui->lblCardCount, ui->lblKeys, ui->lblSumAnswer},
                          {ui->lblNotice, ui->lblSumProblem},
                          {ui->RTBOptions, ui->RTBFeedback, ui->RTBMissed}});
    ui->lblNotice->hide();
}

void PracticeWindow::tell(const QString& notice)
{
    ui->lblNotice->setText(notice);
    ui->lblNotice->setVisible(!notice.isEmpty());
}

void PracticeWindow::practise(QList<CardId> cards)
{
    m_sitting.practise(std::move(cards));
    showCard();
}

std::optional<practice::Person> PracticeWindow::rememberedPerson() const
{
    if (ui->chkRememberedPerson->isHidden() || !ui->chkRememberedPerson->isChecked())
        return std::nullopt;
    const auto remembered = loadRememberedPerson();
    if (!remembered)
        return std::nullopt;
    return practice::Person{remembered->name, numerology::readDate(remembered->birth), {}};
}

void PracticeWindow::drawDue()
{
    const practice::DueSummary due = m_sitting.due();
    ui->lblDue->setText(
        tr("%n card(s) due now, %1 of them overdue.", nullptr, due.due).arg(due.overdue) +
        QLatin1Char(' ') +
        tr("Next: %1 tomorrow, %2 this week.").arg(due.tomorrow).arg(due.thisWeek));
}

void PracticeWindow::showCard()
{
    ui->cmdNextCard->setEnabled(false);
    ui->cmdNextCard->setDefault(false);
    ui->cmdNextCard->setAccessibleDescription(QString());
    ui->cmdUndo->setEnabled(false);
    ui->cmdCheck->setDefault(false);
    ui->lblSumProblem->clear();
    ui->txtSumAnswer->clear();
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(false);
    drawDue();
    if (m_sitting.state() == Phase::Finished) {
        ui->lblCardCount->setText(QString());
        ui->lblQuestion->setText(tr("No more cards for now"));
        const int answered = m_sitting.answered();
        ui->lblDone->setText(
            answered == 0
                ? tr("Nothing is due today and today's new cards are done. Come back tomorrow, "
                     "or finish a test in the main window: what you miss there comes here "
                     "first.")
                : tr("Well done: %n card(s) answered, %1 of them right. The cards come back as "
                     "they fall due; the Progress tab shows how far you have come.",
                     nullptr, answered)
                      .arg(m_sitting.answeredRight()));
        const bool more = m_sitting.moreNewCardsLeft();
        ui->cmdMoreNewCards->setVisible(more);
        ui->stkCard->setCurrentWidget(ui->pageDone);
        if (more)
            ui->cmdMoreNewCards->setFocus();
        return;
    }
    const CardId card = m_sitting.currentCard();
    ui->lblCardCount->setText(cardCountText(m_sitting));
    if (card.kind == CardKind::Sum) {
        const practice::Person& person = m_sitting.currentPerson();
        const auto subject = static_cast<numerology::Subject>(card.subject);
        const int count = practice::valueCountOf(subject);
        ui->lblQuestion->setText(tr("%1\nFor %2, born %3, looking at %4.")
                                     .arg(practice::cardQuestion(card, m_content), person.name,
                                          dateToText(person.birth), dateToText(person.lookAt)));
        const QString example = practice::sumInputExample(subject);
        ui->txtSumAnswer->setPlaceholderText(
            count == 1 ? tr("one number, for example %1").arg(example)
                       : tr("all %n values in order, for example %1", nullptr, count).arg(example));
        ui->cmdCheck->setDefault(true);
        ui->lblKeys->setText(tr("Enter checks your answer, and then goes on to the next card."));
        ui->stkCard->setCurrentWidget(ui->pageSum);
        describeFor(ui->txtSumAnswer, ui->lblQuestion->text());
        ui->txtSumAnswer->setFocus();
        return;
    }
    ui->lblQuestion->setText(practice::cardQuestion(card, m_content));
    ui->lblKeys->setText(tr("Keys 1 to 5 choose an answer; Enter goes on to the next card."));
    drawOptions();
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(true);
    ui->stkCard->setCurrentWidget(ui->pageOptions);
    describeFor(ui->RTBOptions, ui->lblQuestion->text());
    ui->RTBOptions->setFocus();
}

// One paragraph per answer, so that a click finds its answer by the paragraph under it. A pane
// lays its text out once; a list of wrapped items would lay each out again at every paint.
void PracticeWindow::drawOptions()
{
    const AnswerOptions& options = m_sitting.currentOptions();
    QTextCharFormat plain;
    QTextCharFormat number;
    number.setFontWeight(QFont::Bold);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(QFontMetrics(ui->RTBOptions->font()).height() / 2.0);
    ui->RTBOptions->setWholeText(QString());
    QTextCursor cursor = ui->RTBOptions->textCursor();
    cursor.beginEditBlock();
    for (int i = 0; i < AnswerBoxCount; ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.setBlockFormat(spaced);
        cursor.insertText(QStringLiteral("%1.  ").arg(i + 1), number);
        cursor.insertText(options.texts[static_cast<size_t>(i)], plain);
    }
    cursor.endEditBlock();
    ui->RTBOptions->scrollToTop();
}

// The answer is written when the learner goes on (or closes the window), so that Undo can take
// it back until then.
void PracticeWindow::cardAnswered()
{
    m_pictureStale = true;
    showVerdict();
}

void PracticeWindow::showVerdict()
{
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(false);

    const practice::AnswerFeedback feedback = practice::describeLastAnswer(m_sitting);
    const bool right = feedback.right;
    const QStringList& lines = feedback.lines;
    const QString& lastLine = feedback.lastLine;
    ui->lblVerdict->setText((right ? RightMark : WrongMark) + QLatin1String("  ") +
                            feedback.verdict);
    setTextColour(ui->lblVerdict, right ? RightOnPurple : colours::Orange);

    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    ui->RTBFeedback->setWholeText(QString());
    QTextCursor cursor = ui->RTBFeedback->textCursor();
    cursor.beginEditBlock();
    bool first = true;
    for (const QString& line : lines) {
        // A line ending in a colon names what follows it.
        appendParagraph(cursor, line, line.endsWith(QLatin1Char(':')) ? bold : plain, first);
        first = false;
    }
    if (!lastLine.isEmpty())
        appendParagraph(cursor, lastLine, bold, first);
    cursor.endEditBlock();
    ui->RTBFeedback->scrollToTop();

    ui->lblKeys->setText(tr("Enter goes on to the next card; Ctrl+Z takes the answer back."));
    ui->stkCard->setCurrentWidget(ui->pageFeedback);
    ui->cmdUndo->setEnabled(m_sitting.canUndo());
    ui->cmdNextCard->setEnabled(true);
    ui->cmdNextCard->setDefault(true);
    ui->cmdCheck->setDefault(false);
    // The keyboard moves on to Next Card, and a screen reader hears the verdict with it.
    describeFor(ui->cmdNextCard,
                ui->lblVerdict->text() + QLatin1Char('\n') + ui->RTBFeedback->wholeText());
    ui->cmdNextCard->setFocus();
    drawDue();
}

void PracticeWindow::chooseAnswer(int box)
{
    if (m_sitting.chooseAnswer(box))
        cardAnswered();
}

void PracticeWindow::RTBOptions_MouseDown(Qt::MouseButtons buttons, const QPoint& position)
{
    if (!(buttons & Qt::LeftButton))
        return;
    const QTextBlock block = ui->RTBOptions->cursorForPosition(position).block();
    const QRectF area = ui->RTBOptions->document()->documentLayout()->blockBoundingRect(block);
    const QPointF inDocument = position + QPointF(ui->RTBOptions->horizontalScrollBar()->value(),
                                                  ui->RTBOptions->verticalScrollBar()->value());
    // Below the last answer is no answer.
    if (area.contains(inDocument))
        chooseAnswer(block.blockNumber());
}

void PracticeWindow::cmdCheck_Click()
{
    if (m_sitting.state() != Phase::Asking || m_sitting.currentCard().kind != CardKind::Sum)
        return;
    const QString problem = m_sitting.answerSum(ui->txtSumAnswer->text());
    if (!problem.isEmpty()) {
        // Bad input costs nothing: the card stays, unanswered. The answer box keeps the
        // keyboard, and carries the problem for a screen reader.
        ui->lblSumProblem->setText(problem);
        describeFor(ui->txtSumAnswer, problem);
        ui->txtSumAnswer->setFocus();
        ui->txtSumAnswer->selectAll();
        return;
    }
    cardAnswered();
}

void PracticeWindow::cmdNextCard_Click()
{
    if (m_sitting.state() != Phase::Answered)
        return;
    m_sitting.next();
    m_saveTimer.start();
    showCard();
}

void PracticeWindow::cmdUndo_Click()
{
    if (!m_sitting.undo())
        return;
    m_pictureStale = true;
    // The same card as it was asked: the same answers in the same boxes, or the same person.
    const QString typed = ui->txtSumAnswer->text();
    showCard();
    if (m_sitting.currentCard().kind == CardKind::Sum)
        ui->txtSumAnswer->setText(typed);
}

void PracticeWindow::cmdMoreNewCards_Click()
{
    m_sitting.moreNewCards();
    m_saveTimer.start();
    showCard();
}

void PracticeWindow::spnNewCards_ValueChanged(int count)
{
    const bool finished = m_sitting.state() == Phase::Finished;
    m_sitting.setNewCardsPerDay(count);
    m_saveTimer.start();
    if (finished)
        showCard();
    else
        ui->lblCardCount->setText(cardCountText(m_sitting));
}

// Each card's next date is worked out from this at its next answer.
void PracticeWindow::spnRetention_ValueChanged(int percent)
{
    m_sitting.setDesiredRetention(percent / 100.0);
    m_saveTimer.start();
}

void PracticeWindow::cmdPractiseMissed_Click()
{
    QList<CardId> missed;
    for (const practice::TestQuestion& q : m_sitting.progress().lastTest) {
        if (q.chosen != q.correct && !missed.contains(q.card))
            missed << q.card;
    }
    if (missed.isEmpty())
        return;
    ui->tabPractice->setCurrentWidget(ui->pageCards);
    practise(missed);
}

void PracticeWindow::chkRememberedPerson_Toggled(bool)
{
    m_sitting.setRememberedPerson(rememberedPerson());
    // A sum card not yet answered is asked again about the person now chosen.
    if (m_sitting.state() == Phase::Asking && m_sitting.currentCard().kind == CardKind::Sum)
        showCard();
}

void PracticeWindow::takeUnkeptTest(const practice::PractisedTest& finished)
{
    m_sitting.takeUnkeptTest(finished);
    drawMissed();
    drawPicture();
    showCard();
}

bool PracticeWindow::takeFinishedTest(const practice::PractisedTest& finished)
{
    const bool written = m_sitting.takeFinishedTest(finished);
    if (written)
        Q_EMIT progressSaved();
    drawMissed();
    drawPicture();
    // A card whose answer is on show stays until Enter; written now, it can no longer be undone.
    if (m_sitting.state() != Phase::Answered)
        showCard();
    ui->cmdUndo->setEnabled(m_sitting.canUndo());
    return written;
}

bool PracticeWindow::saveNow()
{
    m_saveTimer.stop();
    if (!m_sitting.hasUnsaved())
        return true;
    QString notice;
    const bool saved = m_sitting.save(&notice);
    if (saved)
        Q_EMIT progressSaved();
    else if (!notice.isEmpty())
        tell(notice);
    return saved;
}

void PracticeWindow::drawMissed()
{
    const practice::Progress& progress = m_sitting.progress();
    const QList<practice::TestQuestion>& questions = progress.lastTest;
    int wrong = 0;
    for (const practice::TestQuestion& q : questions)
        wrong += q.chosen != q.correct ? 1 : 0;
    ui->cmdPractiseMissed->setEnabled(wrong > 0);
    if (questions.isEmpty() || progress.tests.isEmpty()) {
        ui->lblScore->setText(tr("No test finished yet. When you finish a test in the main "
                                 "window, its questions show here, marked, and the ones you "
                                 "missed come first among the cards."));
        ui->RTBMissed->setWholeText(QString());
        return;
    }
    const practice::FinishedTest& test = progress.tests.constLast();
    const QString date = dateToText(test.date);
    ui->lblScore->setText(
        (test.bySignificance
             ? tr("Your last test, by Significance, on %1: %2 Correct out of %3 Questions (%n "
                  "missed)",
                  nullptr, wrong)
             : tr("Your last test, by Interpretation, on %1: %2 Correct out of %3 Questions (%n "
                  "missed)",
                  nullptr, wrong))
            .arg(date)
            .arg(test.score)
            .arg(test.outOf));

    QTextCharFormat plain;
    QTextCharFormat label;
    label.setFontWeight(QFont::Bold);
    ui->RTBMissed->setWholeText(QString());
    QTextCursor cursor = ui->RTBMissed->textCursor();
    cursor.beginEditBlock();
    bool first = true;
    for (int i = 0; i < questions.size(); ++i) {
        const practice::TestQuestion& q = questions[i];
        const bool right = q.chosen == q.correct;
        QTextCharFormat heading = label;
        heading.setForeground(QColor(right ? RightOnPink : WrongOnPink));
        appendParagraph(cursor,
                        (right ? tr("%1 Right  %2. %3") : tr("%1 Wrong  %2. %3"))
                            .arg(right ? RightMark : WrongMark)
                            .arg(i + 1)
                            .arg(q.asked),
                        heading, first);
        first = false;
        appendParagraph(cursor, tr("Your choice: "), label);
        cursor.insertText(q.chosen, plain);
        if (!right) {
            appendParagraph(cursor, tr("Correct choice: "), label);
            cursor.insertText(q.correct, plain);
        }
        appendParagraph(cursor, QString(), plain);
    }
    cursor.endEditBlock();
    ui->RTBMissed->scrollToTop();
}

void PracticeWindow::drawPicture()
{
    ui->chtProgress->setPicture(
        makeProgressPicture(m_sitting.progress(), m_lessonOrder, m_content));
    // The same in words, to be read line by line.
    ui->txtProgressWords->setPlainText(describeProgressPicture(ui->chtProgress->picture()));
    m_pictureStale = false;
}

} // namespace corvella
