#include "shell/practicewindow.h"
#include "ui_practicewindow.h"

#include "numerology/numerology.h"
#include "platform/datetext.h"
#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "practice/cards.h"
#include "practice/scheduler.h"
#include "shell/clipboardguard.h"
#include "shell/progresschart.h"
#include "shell/windowlook.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace corvella {

using practice::CardId;
using practice::CardKind;

namespace {

// How soon after an answer the progress goes to disk: answers in quick succession share one
// write, and a crash loses at most the last moment's.
constexpr int SaveDelayMs = 1500;

// The verdicts carry a mark and a word besides their colour.
const QString RightMark = QStringLiteral("\u2713");
const QString WrongMark = QStringLiteral("\u2717");
constexpr QRgb RightOnPurple = qRgb(150, 240, 150);
constexpr QRgb RightOnPink = qRgb(0, 110, 0);
constexpr QRgb WrongOnPink = qRgb(170, 0, 0);

const QString KeysForAnswers =
    QStringLiteral("Keys 1 to 5 choose an answer; Enter goes on to the next card.");

const char* const Ordinals[] = {"first", "second", "third", "fourth"};

QString valuesText(const QList<int>& values)
{
    QStringList parts;
    for (int v : values)
        parts << QString::number(v);
    return parts.join(QLatin1String(", "));
}

QString whereFrom(const practice::Progress& progress, const CardId& card)
{
    const auto found = progress.cards.constFind(practice::cardKey(card));
    if (found == progress.cards.constEnd() || found->isNew())
        return QStringLiteral("new card");
    if (found->missedInTest)
        return QStringLiteral("missed in your last test");
    return QStringLiteral("due again, from box %1").arg(practice::levelOf(*found));
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

} // namespace

PractisedTest practisedTest(bool bySignificance, const TestReport& report, const TestState& test,
                            const ContentTables& content, const QDate& day)
{
    PractisedTest finished;
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

QString keepPractisedTest(const QString& progressFile, const PractisedTest& finished)
{
    practice::ProgressRead read = practice::loadProgress(progressFile);
    using Status = practice::ProgressRead::Status;
    if (read.status == Status::NewerFormat || read.status == Status::Unusable)
        return read.message;
    practice::recordFinishedTest(read.progress, finished.test, finished.questions);
    if (!practice::saveProgress(progressFile, read.progress))
        return QStringLiteral("Your last test could not be kept for practice: %1 cannot be "
                              "written.")
            .arg(QFileInfo(progressFile).absolutePath());
    return read.message;
}

PracticeWindow::PracticeWindow(const Services& services, const QString& progressFile,
                               const QString& notice, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPractice>()), m_services(services),
      m_draw(*services.random, *services.clock), m_progressFile(progressFile),
      m_clipboardGuard(std::make_unique<ClipboardGuard>(*services.clipboard))
{
    QFont windowFont(windowFontFamily());
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    ui->setupUi(this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    loadContent(m_content);
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
    connect(ui->RTBOptions, &RichTextPane::mousePressed, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint position) {
                RTBOptions_MouseDown(buttons, position);
            });
    connect(ui->cmdCheck, &QPushButton::clicked, this, &PracticeWindow::cmdCheck_Click);
    connect(ui->cmdNextCard, &QPushButton::clicked, this, &PracticeWindow::cmdNextCard_Click);
    connect(ui->cmdPractiseMissed, &QPushButton::clicked, this,
            &PracticeWindow::cmdPractiseMissed_Click);
    connect(ui->chkRememberedPerson, &QCheckBox::toggled, this,
            &PracticeWindow::chkRememberedPerson_Toggled);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->tabPractice, &QTabWidget::currentChanged, this, [this] {
        if (ui->tabPractice->currentWidget() == ui->pageProgress && m_pictureStale)
            drawPicture();
    });
    connect(ui->txtSumAnswer, &QLineEdit::textEdited, ui->lblSumProblem, &QLabel::clear);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &PracticeWindow::saveNow);

    const practice::ProgressRead read = practice::loadProgress(m_progressFile);
    m_progress = read.progress;
    using Status = practice::ProgressRead::Status;
    // A file of a newer format, or one that cannot be read, is left as it is; practice goes on
    // for this window only.
    m_canSave = read.status != Status::NewerFormat && read.status != Status::Unusable;
    QStringList notices;
    for (const QString& text : {notice, read.message}) {
        if (!text.isEmpty() && !notices.contains(text))
            notices << text;
    }
    tell(notices.join(QLatin1Char(' ')));

    ui->chkRememberedPerson->setVisible(loadRememberedPerson().has_value());
    drawMissed();
    drawPicture();
    practise(practice::cardsToOffer(m_progress, m_lessonOrder, m_services.clock->today()));

    placeBeside(parent);
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
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(colours::Purple));
    look.setColor(QPalette::WindowText, QColor(colours::CaptionBlue));
    look.setColor(QPalette::Base, QColor(colours::Pink));
    look.setColor(QPalette::Text, QColor(colours::Black));
    setPalette(look);
    // The tab pages in the window's purple, as the main window's screens are.
    for (QWidget* page : {ui->pageCards, ui->pageMissed, ui->pageProgress}) {
        page->setAutoFillBackground(true);
        page->setPalette(look);
    }

    const QString family = font().family();
    QFont labelFont(family);
    labelFont.setPointSizeF(9);
    labelFont.setBold(true);
    for (QLabel* label : {ui->lblQuestion, ui->lblVerdict, ui->lblScore, ui->lblDone})
        label->setFont(labelFont);
    for (QLabel* label : {ui->lblCardCount, ui->lblKeys, ui->lblSumAnswer})
        setTextColour(label, colours::InstructionBlue);
    setTextColour(ui->lblNotice, colours::Orange);
    setTextColour(ui->lblSumProblem, colours::Orange);
    QFont buttonFont(family);
    buttonFont.setPointSizeF(8.25);
    buttonFont.setBold(true);
    for (QPushButton* button : {ui->cmdCheck, ui->cmdNextCard, ui->cmdPractiseMissed, ui->cmdClose})
        button->setFont(buttonFont);
    QFont paneFont(family);
    paneFont.setPointSizeF(8.25);
    setPaneLook(ui->RTBOptions, paneFont, colours::Pink, colours::Black);
    setPaneLook(ui->RTBFeedback, paneFont, colours::Pink, colours::Black);
    setPaneLook(ui->RTBMissed, paneFont, colours::Pink, colours::Black);
    ui->lblNotice->hide();
}

// Centred on the window it was opened from, no larger than the screen's room for windows, and
// kept on that screen.
void PracticeWindow::placeBeside(QWidget* parent)
{
    const QWidget* anchor = parent ? parent->window() : nullptr;
    const QScreen* screen = anchor ? anchor->screen() : this->screen();
    QSize wanted(640, 520);
    QRect room;
    if (screen) {
        room = screen->availableGeometry();
        wanted = wanted.boundedTo(room.size());
    }
    resize(wanted.expandedTo(minimumSizeHint()).boundedTo(room.isValid() ? room.size() : wanted));
    QRect placed(QPoint(), size());
    placed.moveCenter(anchor ? anchor->frameGeometry().center() : room.center());
    if (room.isValid()) {
        placed.moveLeft(qBound(room.left(), placed.left(), room.right() + 1 - placed.width()));
        placed.moveTop(qBound(room.top(), placed.top(), room.bottom() + 1 - placed.height()));
    }
    move(placed.topLeft());
}

void PracticeWindow::tell(const QString& notice)
{
    ui->lblNotice->setText(notice);
    ui->lblNotice->setVisible(!notice.isEmpty());
}

CardId PracticeWindow::currentCard() const
{
    if (m_position < 0 || m_position >= m_queue.size())
        return {};
    return m_queue[m_position];
}

void PracticeWindow::practise(QList<CardId> cards)
{
    m_queue = std::move(cards);
    m_position = 0;
    showCard();
}

practice::Person PracticeWindow::personForSums()
{
    const QDate today = m_services.clock->today();
    if (ui->chkRememberedPerson->isVisible() && ui->chkRememberedPerson->isChecked()) {
        if (const auto remembered = loadRememberedPerson()) {
            const QDate birth = numerology::readDate(remembered->birth);
            if (birth.isValid() && birth <= today)
                return {remembered->name, birth, today};
        }
    }
    return practice::inventPerson(m_draw, today);
}

void PracticeWindow::showCard()
{
    const bool asking = m_position >= 0 && m_position < m_queue.size();
    m_phase = asking ? Phase::Asking : Phase::Finished;
    ui->cmdNextCard->setEnabled(false);
    ui->cmdNextCard->setDefault(false);
    ui->cmdCheck->setDefault(false);
    ui->lblSumProblem->clear();
    ui->txtSumAnswer->clear();
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(false);
    if (!asking) {
        ui->lblCardCount->setText(QString());
        ui->lblQuestion->setText(QStringLiteral("No more cards for now"));
        ui->lblDone->setText(
            m_answered == 0
                ? QStringLiteral("Nothing is due today and today's new cards are done. Come back "
                                 "tomorrow, or finish a test in the main window: what you miss "
                                 "there comes here first.")
                : QStringLiteral("Well done: %1 cards answered, %2 of them right. The cards come "
                                 "back as they fall due; the Progress tab shows how far you "
                                 "have come.")
                      .arg(m_answered)
                      .arg(m_answeredRight));
        ui->stkCard->setCurrentWidget(ui->pageDone);
        return;
    }
    const CardId card = m_queue[m_position];
    ui->lblCardCount->setText(QStringLiteral("Card %1 of %2, %3")
                                  .arg(m_position + 1)
                                  .arg(m_queue.size())
                                  .arg(whereFrom(m_progress, card)));
    if (card.kind == CardKind::Sum) {
        m_person = personForSums();
        const auto subject = static_cast<numerology::Subject>(card.subject);
        const int count = practice::valueCountOf(subject);
        ui->lblQuestion->setText(QStringLiteral("%1\nFor %2, born %3, looking at %4.")
                                     .arg(practice::cardQuestion(card, m_content), m_person.name,
                                          numerology::spelledDate(m_person.birth),
                                          numerology::spelledDate(m_person.lookAt)));
        ui->txtSumAnswer->setPlaceholderText(
            count == 1
                ? QStringLiteral("one number, for example 7")
                : QStringLiteral("all %1 values in order, for example %2")
                      .arg(count)
                      .arg(count == 4 ? QStringLiteral("3, 7, 1, 11") : QStringLiteral("3, 7, 1")));
        ui->cmdCheck->setDefault(true);
        ui->lblKeys->setText(QStringLiteral("Enter checks your answer, and then goes on to the "
                                            "next card."));
        ui->stkCard->setCurrentWidget(ui->pageSum);
        ui->txtSumAnswer->setFocus();
        return;
    }
    ui->lblQuestion->setText(practice::cardQuestion(card, m_content));
    ui->lblKeys->setText(KeysForAnswers);
    m_options = practice::drawCardOptions(card, m_content, m_draw);
    // One paragraph per answer, so that a click finds its answer by the paragraph under it. A
    // pane lays its text out once; a list of wrapped items would lay each out again at every
    // paint.
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
        cursor.insertText(m_options.texts[static_cast<size_t>(i)], plain);
    }
    cursor.endEditBlock();
    ui->RTBOptions->scrollToTop();
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(true);
    ui->stkCard->setCurrentWidget(ui->pageOptions);
    ui->RTBOptions->setFocus();
}

void PracticeWindow::cardAnswered(bool right)
{
    practice::recordCardAnswer(m_progress, currentCard(), right, m_services.clock->today());
    ++m_answered;
    if (right)
        ++m_answeredRight;
    m_unsaved = true;
    m_pictureStale = true;
    m_saveTimer.start();
}

void PracticeWindow::showVerdict(bool right, const QString& verdict, const QStringList& lines,
                                 const QString& lastLine)
{
    m_phase = Phase::Answered;
    for (QShortcut* key : m_choiceKeys)
        key->setEnabled(false);
    ui->lblVerdict->setText((right ? RightMark : WrongMark) + QLatin1String("  ") + verdict);
    setTextColour(ui->lblVerdict, right ? RightOnPurple : colours::Orange);
    ui->lblVerdict->setAccessibleDescription(ui->lblVerdict->text());

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

    ui->stkCard->setCurrentWidget(ui->pageFeedback);
    ui->cmdNextCard->setEnabled(true);
    ui->cmdNextCard->setDefault(true);
    ui->cmdCheck->setDefault(false);
    ui->cmdNextCard->setFocus();
}

void PracticeWindow::chooseAnswer(int box)
{
    if (m_phase != Phase::Asking || currentCard().kind == CardKind::Sum || box < 0 ||
        box >= AnswerBoxCount)
        return;
    const QString& chosen = m_options.texts[static_cast<size_t>(box)];
    const QString& correct = m_options.texts[static_cast<size_t>(m_options.correctBox)];
    // Scored by text, as the main window's tests are.
    const bool right = chosen == correct;
    cardAnswered(right);
    QStringList lines;
    if (!right)
        lines << QStringLiteral("Your choice (%1):").arg(box + 1) << chosen << QString();
    lines << QStringLiteral("The correct answer (%1):").arg(m_options.correctBox + 1) << correct;
    showVerdict(right,
                right ? QStringLiteral("Right")
                      : QStringLiteral("Wrong: the answer was %1").arg(m_options.correctBox + 1),
                lines, QStringLiteral("Press Enter for the next card."));
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
    const CardId card = currentCard();
    if (m_phase != Phase::Asking || card.kind != CardKind::Sum)
        return;
    const auto subject = static_cast<numerology::Subject>(card.subject);
    const practice::SumInput input = practice::readSumInput(ui->txtSumAnswer->text(), subject);
    if (!input.problem.isEmpty()) {
        // Bad input costs nothing: the card stays, unanswered.
        ui->lblSumProblem->setText(input.problem);
        ui->txtSumAnswer->setFocus();
        ui->txtSumAnswer->selectAll();
        return;
    }
    const practice::SumVerdict verdict = practice::checkSum(m_person, subject, input.values);
    cardAnswered(verdict.right);
    QStringList lines;
    lines << QStringLiteral("The working:") << verdict.working;
    QString verdictLine;
    if (verdict.right) {
        verdictLine = QStringLiteral("Right: %1").arg(valuesText(verdict.expected));
    } else {
        verdictLine = QStringLiteral("Not this time: you wrote %1, the answer is %2")
                          .arg(valuesText(input.values), valuesText(verdict.expected));
        if (input.values.size() > 1) {
            QStringList off;
            for (int k = 0; k < input.values.size() && k < verdict.expected.size(); ++k) {
                if (input.values[k] != verdict.expected[k])
                    off << QLatin1String(Ordinals[std::min(k, 3)]);
            }
            if (!off.isEmpty() && off.size() < input.values.size())
                lines << QString()
                      << QStringLiteral("Check the %1.").arg(off.join(QLatin1String(", ")));
        }
    }
    showVerdict(verdict.right, verdictLine, lines,
                verdict.slip.isEmpty() ? QString() : verdict.slip);
}

void PracticeWindow::cmdNextCard_Click()
{
    if (m_phase != Phase::Answered)
        return;
    ++m_position;
    showCard();
}

void PracticeWindow::cmdPractiseMissed_Click()
{
    QList<CardId> missed;
    for (const practice::TestQuestion& q : m_progress.lastTest) {
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
    // A sum card not yet answered is asked again about the person now chosen.
    if (m_phase == Phase::Asking && currentCard().kind == CardKind::Sum)
        showCard();
}

void PracticeWindow::takeFinishedTest(const PractisedTest& finished)
{
    practice::recordFinishedTest(m_progress, finished.test, finished.questions);
    m_unsaved = true;
    saveNow();
    drawMissed();
    drawPicture();
    // The missed questions come first now; a card whose answer is on show stays until Enter.
    const QList<CardId> cards =
        practice::cardsToOffer(m_progress, m_lessonOrder, m_services.clock->today());
    if (m_phase == Phase::Answered) {
        m_queue = cards;
        m_position = -1;
    } else {
        practise(cards);
    }
}

bool PracticeWindow::saveNow()
{
    m_saveTimer.stop();
    if (!m_unsaved)
        return true;
    // A file that could not be read, or of a newer format, is never written over.
    if (!m_canSave)
        return false;
    if (practice::saveProgress(m_progressFile, m_progress)) {
        m_unsaved = false;
        return true;
    }
    if (!m_saveFailureTold) {
        m_saveFailureTold = true;
        tell(QStringLiteral("Your progress could not be saved in %1. It is kept while this "
                            "window is open, and saving is tried again after each answer.")
                 .arg(QFileInfo(m_progressFile).absolutePath()));
    }
    return false;
}

void PracticeWindow::drawMissed()
{
    const QList<practice::TestQuestion>& questions = m_progress.lastTest;
    int wrong = 0;
    for (const practice::TestQuestion& q : questions)
        wrong += q.chosen != q.correct ? 1 : 0;
    ui->cmdPractiseMissed->setEnabled(wrong > 0);
    if (questions.isEmpty() || m_progress.tests.isEmpty()) {
        ui->lblScore->setText(QStringLiteral("No test finished yet. When you finish a test in "
                                             "the main window, its questions show here, marked, "
                                             "and the ones you missed come first among the "
                                             "cards."));
        ui->RTBMissed->setWholeText(QString());
        return;
    }
    const practice::FinishedTest& test = m_progress.tests.constLast();
    ui->lblScore->setText(QStringLiteral("Your last test, by %1, on %2: %3 Correct out of %4 "
                                         "Questions (%5 missed)")
                              .arg(test.bySignificance ? QStringLiteral("Significance")
                                                       : QStringLiteral("Interpretation"),
                                   dateToText(test.date))
                              .arg(test.score)
                              .arg(test.outOf)
                              .arg(wrong));

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
                        QStringLiteral("%1 %2  %3. %4")
                            .arg(right ? RightMark : WrongMark,
                                 right ? QStringLiteral("Right") : QStringLiteral("Wrong"))
                            .arg(i + 1)
                            .arg(q.asked),
                        heading, first);
        first = false;
        appendParagraph(cursor, QStringLiteral("Your choice: "), label);
        cursor.insertText(q.chosen, plain);
        if (!right) {
            appendParagraph(cursor, QStringLiteral("Correct choice: "), label);
            cursor.insertText(q.correct, plain);
        }
        appendParagraph(cursor, QString(), plain);
    }
    cursor.endEditBlock();
    ui->RTBMissed->scrollToTop();
}

void PracticeWindow::drawPicture()
{
    ui->chtProgress->setPicture(makeProgressPicture(m_progress, m_lessonOrder, m_content));
    m_pictureStale = false;
}

} // namespace corvella
