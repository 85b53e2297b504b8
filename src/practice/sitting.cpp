#include "practice/sitting.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace corvella::practice {

namespace {

QString folderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

} // namespace

TestKept keepTestInFile(const QString& progressFile, const PractisedTest& finished)
{
    ProgressRead read = loadProgress(progressFile);
    using Status = ProgressRead::Status;
    if (read.status == Status::NoFile)
        return {};
    if (read.status == Status::NewerFormat || read.status == Status::Unusable)
        return {false, read.message};
    recordFinishedTest(read.progress, finished.test, finished.questions);
    if (!saveProgress(progressFile, read.progress))
        return {false, PracticeSitting::tr("Your last test could not be kept for practice: %1 "
                                           "cannot be written.")
                           .arg(folderOf(progressFile))};
    return {true, read.message};
}

PracticeSitting::PracticeSitting(const ContentTables& content, RandomDraw& draw, const Clock& clock,
                                 QString progressFile)
    : m_content(content), m_draw(draw), m_clock(clock), m_file(std::move(progressFile)),
      m_order(practiceOrder(content))
{}

QDate PracticeSitting::today() const
{
    return m_clock.today();
}

QString PracticeSitting::open()
{
    ProgressRead read = loadProgress(m_file);
    m_progress = std::move(read.progress);
    using Status = ProgressRead::Status;
    // A file of a newer format, or one that cannot be read, is left as it is; practice goes on
    // in memory.
    m_canSave = read.status != Status::NewerFormat && read.status != Status::Unusable;
    m_fileThere = m_canSave && read.status != Status::NoFile;
    // A clock once set far ahead leaves no card parked in the future.
    if (bringBackFarAheadDates(m_progress, today()))
        m_unsaved = true;
    offerDue();
    return read.message;
}

void PracticeSitting::takeUnkeptTest(const PractisedTest& finished)
{
    recordFinishedTest(m_progress, finished.test, finished.questions);
    m_unsaved = true;
    offerDue();
}

bool PracticeSitting::takeFinishedTest(const PractisedTest& finished)
{
    recordFinishedTest(m_progress, finished.test, finished.questions);
    m_unsaved = true;
    const bool written = save();
    if (m_state == State::Answered) {
        // The card whose verdict is on show stays until Next; the missed questions follow it.
        m_queue = m_queue.mid(m_position, 1) + cardsToOffer(m_progress, eligibleOrder(), today());
        m_position = 0;
        m_undo.reset();
    } else {
        offerDue();
    }
    return written;
}

bool PracticeSitting::meaningsLearnt(int subject) const
{
    for (int e = m_content.FirstInterpretation[subject]; e <= m_content.LastInterpretation[subject];
         ++e) {
        const auto found = m_progress.cards.constFind(
            cardKey(CardId{CardKind::Meaning, subject, m_content.InterpretationValue[e]}));
        // Learnt: answered right, and remembered a couple of days at least.
        if (found == m_progress.cards.cend() || found->relearning || found->missedInTest ||
            levelOf(*found) < 2)
            return false;
    }
    return true;
}

QList<CardId> PracticeSitting::eligibleOrder() const
{
    QList<CardId> order;
    order.reserve(m_order.size());
    int learntFor = -1;
    bool learnt = false;
    for (const CardId& card : m_order) {
        // A number's WhichNumber cards join once its own meaning cards are learnt; one already
        // seen stays.
        if (card.kind == CardKind::WhichNumber && !m_progress.cards.contains(cardKey(card))) {
            if (learntFor != card.subject) {
                learntFor = card.subject;
                learnt = meaningsLearnt(card.subject);
            }
            if (!learnt)
                continue;
        }
        order.append(card);
    }
    return order;
}

void PracticeSitting::offerDue()
{
    practise(cardsToOffer(m_progress, eligibleOrder(), today()));
}

void PracticeSitting::practise(QList<CardId> cards)
{
    m_queue = std::move(cards);
    m_position = 0;
    showCard();
}

void PracticeSitting::moreNewCards()
{
    allowMoreNewCards(m_progress, today());
    m_unsaved = true;
    m_practised = true;
    offerDue();
}

bool PracticeSitting::moreNewCardsLeft() const
{
    const QList<CardId> order = eligibleOrder();
    return std::any_of(order.cbegin(), order.cend(), [this](const CardId& card) {
        const auto found = m_progress.cards.constFind(cardKey(card));
        return found == m_progress.cards.cend() || found->isNew();
    });
}

bool PracticeSitting::changeSettings(const SchedulerSettings& wanted)
{
    const SchedulerSettings settings = boundedSettings(wanted);
    if (settings == m_progress.settings)
        return false;
    m_progress.settings = settings;
    m_unsaved = true;
    m_practised = true;
    return true;
}

void PracticeSitting::setDesiredRetention(double retention)
{
    SchedulerSettings settings = m_progress.settings;
    settings.desiredRetention = retention;
    changeSettings(settings);
}

void PracticeSitting::setNewCardsPerDay(int count)
{
    SchedulerSettings settings = m_progress.settings;
    settings.newCardsPerDay = count;
    if (!changeSettings(settings))
        return;
    if (m_state == State::Finished) {
        offerDue();
        return;
    }
    // The card on show stays; what follows it is offered anew under the new limit.
    const CardId current = currentCard();
    QList<CardId> rest = cardsToOffer(m_progress, eligibleOrder(), today());
    rest.removeAll(current);
    m_queue = m_queue.mid(0, m_position + 1) + rest;
}

void PracticeSitting::setRememberedPerson(const std::optional<Person>& person)
{
    m_remembered = person;
    if (m_state == State::Asking && currentCard().kind == CardKind::Sum)
        showCard();
}

CardId PracticeSitting::currentCard() const
{
    if (m_position < 0 || m_position >= m_queue.size())
        return {};
    return m_queue[m_position];
}

AnswerKind PracticeSitting::currentKind() const
{
    const auto found = m_progress.cards.constFind(cardKey(currentCard()));
    return found == m_progress.cards.cend() ? AnswerKind::New : answerKindOf(*found, today());
}

bool PracticeSitting::currentMissedInTest() const
{
    const auto found = m_progress.cards.constFind(cardKey(currentCard()));
    return found != m_progress.cards.cend() && found->missedInTest;
}

void PracticeSitting::showCard()
{
    m_undo.reset();
    m_options = {};
    if (m_position < 0 || m_position >= m_queue.size()) {
        m_state = State::Finished;
        return;
    }
    m_state = State::Asking;
    const CardId card = m_queue[m_position];
    if (card.kind == CardKind::Sum) {
        const QDate day = today();
        if (m_remembered && m_remembered->birth.isValid() && m_remembered->birth <= day)
            m_person = {m_remembered->name, m_remembered->birth, day};
        else
            m_person = inventPerson(m_draw, day);
    } else {
        m_options = drawCardOptions(card, m_content, m_draw);
    }
}

void PracticeSitting::recordAnswer(bool right)
{
    const CardId card = currentCard();
    m_undo = Before{m_progress, m_queue, m_answered, m_answeredRight, m_practised, m_unsaved};
    m_answer.kind = currentKind();
    m_answer.right = right;
    recordCardAnswer(m_progress, card, right, today());
    ++m_answered;
    if (right)
        ++m_answeredRight;
    m_unsaved = true;
    m_practised = true;
    m_state = State::Answered;
    if (!right) {
        // Relearning: asked again after a few other cards, not twice in the cards that follow.
        for (int i = m_queue.size() - 1; i > m_position; --i) {
            if (m_queue[i] == card)
                m_queue.removeAt(i);
        }
        m_queue.insert(std::min<qsizetype>(m_position + 1 + RelearnGap, m_queue.size()), card);
    }
}

bool PracticeSitting::chooseAnswer(int box)
{
    if (m_state != State::Asking || currentCard().kind == CardKind::Sum || box < 0 ||
        box >= AnswerBoxCount)
        return false;
    const QString& chosen = m_options.texts[static_cast<size_t>(box)];
    // Scored by text, as the main window's tests are.
    const bool right = chosen == m_options.texts[static_cast<size_t>(m_options.correctBox)];
    m_answer = {};
    m_answer.chosenBox = box;
    recordAnswer(right);
    return true;
}

QString PracticeSitting::answerSum(const QString& typed)
{
    const CardId card = currentCard();
    if (m_state != State::Asking || card.kind != CardKind::Sum)
        return {};
    const auto subject = static_cast<numerology::Subject>(card.subject);
    const SumInput input = readSumInput(typed, subject);
    if (!input.problem.isEmpty())
        return input.problem;
    m_answer = {};
    m_answer.typed = input.values;
    m_answer.sum = checkSum(m_person, subject, input.values);
    recordAnswer(m_answer.sum.right);
    return {};
}

bool PracticeSitting::undo()
{
    if (!canUndo())
        return false;
    Before before = std::move(*m_undo);
    m_undo.reset();
    m_progress = std::move(before.progress);
    m_queue = std::move(before.queue);
    m_answered = before.answered;
    m_answeredRight = before.answeredRight;
    m_practised = before.practised;
    m_unsaved = before.unsaved;
    m_answer = {};
    // The same card, with the same options or person, as it was asked.
    m_state = State::Asking;
    return true;
}

void PracticeSitting::next()
{
    if (m_state != State::Answered)
        return;
    ++m_position;
    showCard();
}

DueSummary PracticeSitting::due() const
{
    return dueSummary(m_progress, today(), eligibleOrder());
}

bool PracticeSitting::save(QString* notice)
{
    if (!m_unsaved)
        return true;
    // A file that could not be read, or of a newer format, is never written over.
    if (!m_canSave)
        return false;
    // A finished test alone leaves no file behind; the first answer does.
    if (!m_fileThere && !m_practised)
        return false;
    Progress merged;
    if (saveProgress(m_file, m_progress, &merged)) {
        m_progress = std::move(merged);
        m_unsaved = false;
        m_fileThere = true;
        // The file holds the answer now, and keeps the newest review of each card: it can no
        // longer be taken back.
        m_undo.reset();
        return true;
    }
    if (!m_saveFailureTold && notice) {
        m_saveFailureTold = true;
        *notice = tr("Your progress could not be saved in %1. It is kept while this window is "
                     "open, and saving is tried again after each answer.")
                      .arg(folderOf(m_file));
    }
    return false;
}

} // namespace corvella::practice
