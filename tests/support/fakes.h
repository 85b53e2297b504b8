#pragma once

#include "platform/services.h"

#include <QList>
#include <QStringList>
#include <QTextDocument>

#include <random>
#include <utility>

namespace corvella::testing {

// The fakes keep only their latest entries, so that a long run (the soak) does not grow with
// every action and a real leak can show; each also counts every entry it was ever given.
constexpr qsizetype kKeptHistory = 8;

template <typename T> void keepLatest(QList<T>& history, T entry)
{
    if (history.size() >= kKeptHistory)
        history.removeFirst();
    history.append(std::move(entry));
}

// Records the latest boxes it is asked to show and answers yes/no questions from a script.
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString kind; // "error", "information" or "yesno"
        QString text;
    };

    void error(const QString& text) override { record({QStringLiteral("error"), text}); }
    void information(const QString& text) override
    {
        record({QStringLiteral("information"), text});
    }
    bool askYesNo(const QString& text) override
    {
        record({QStringLiteral("yesno"), text});
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown& s : shown)
            result << s.text;
        return result;
    }

    QList<Shown> shown; // the latest kKeptHistory
    qint64 shownCount = 0;
    QList<bool> answers;

private:
    void record(Shown box)
    {
        keepLatest(shown, std::move(box));
        ++shownCount;
    }
};

class FakeClock : public Clock
{
public:
    QDate today() const override { return date; }
    qint64 timeOfDayMs() const override { return ms; }

    QDate date = QDate(2026, 12, 7);
    qint64 ms = 0;
};

// Deterministic uniform source: either a scripted list of values (then wrapping around)
// or a seeded Mersenne Twister. Re-seeding is recorded but does not disturb the sequence.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(quint32 seed = 1) : m_engine(seed) {}
    explicit ScriptedRandom(QList<double> values) : script(std::move(values)) {}

    void reseed(quint64) override { ++reseeds; }
    double next() override
    {
        ++draws;
        if (!script.isEmpty()) {
            const double value = script.at(m_position % script.size());
            ++m_position;
            return value;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
    }

    QList<double> script;
    int reseeds = 0;
    int draws = 0;

private:
    std::mt19937 m_engine;
    int m_position = 0;
};

class FakeClipboard : public Clipboard
{
public:
    bool ownsClipboard() const override { return ownClipboard && hasClipboard; }
    bool ownsSelection() const override { return ownSelection && hasSelection; }
    void clearClipboard() override
    {
        ++clipboardClears;
        hasClipboard = false;
    }
    void clearSelection() override
    {
        ++selectionClears;
        hasSelection = false;
    }

    // Content present, and whether this program put it there.
    bool hasClipboard = false;
    bool ownClipboard = false;
    bool hasSelection = false;
    bool ownSelection = false;
    int clipboardClears = 0;
    int selectionClears = 0;
};

class FakeWebLauncher : public WebLauncher
{
public:
    void open(const QUrl& url) override
    {
        keepLatest(opened, url);
        ++openedCount;
    }
    QList<QUrl> opened; // the latest kKeptHistory
    qint64 openedCount = 0;
};

// Records the plain text of the documents handed over, by way of the call.
class FakePrinter : public Printer
{
public:
    void print(const QTextDocument& document, QWidget* parent) override
    {
        keepLatest(jobs, document.toPlainText());
        keepLatest(parents, parent);
        ++jobCount;
    }
    // Records the document and the window the dialog would be shown over; no dialog appears.
    void printWithDialog(const QTextDocument& document, QWidget* parent) override
    {
        keepLatest(dialogJobs, document.toPlainText());
        keepLatest(dialogParents, parent);
        ++dialogCount;
    }
    QStringList jobs; // the latest kKeptHistory, and so on
    QList<QWidget*> parents;
    qint64 jobCount = 0;
    QStringList dialogJobs;
    QList<QWidget*> dialogParents;
    qint64 dialogCount = 0;
};

// One of each fake, wired into a Services value.
struct FakeServices
{
    FakeMessageBoxes messages;
    FakeClock clock;
    ScriptedRandom random;
    FakeClipboard clipboard;
    FakeWebLauncher web;
    FakePrinter printer;

    Services services()
    {
        Services s;
        s.messages = &messages;
        s.clock = &clock;
        s.random = &random;
        s.clipboard = &clipboard;
        s.web = &web;
        s.printer = &printer;
        return s;
    }
};

} // namespace corvella::testing
