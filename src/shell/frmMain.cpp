#include "shell/frmMain.h"
#include "ui_frmMain.h"
#include "version.h"

#include "learn/learnviews.h"
#include "platform/richtextpane.h"
#include "platform/weblauncher.h"
#include "quiz/printcopy.h"
#include "quiz/resultreport.h"
#include "shell/clipboardguard.h"
#include "shell/fittext.h"
#include "shell/frmAbout.h"
#include "shell/practicewindow.h"
#include "shell/translations.h"
#include "shell/windowlook.h"
#include "shell/yournumbers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace corvella {

namespace {

// Labels whose width follows their text. A label anchored on the right grows to the left, so
// that a longer counter stays inside its screen.
void setGrowingCaption(QLabel* label, const QString& caption, bool anchorRight = false)
{
    label->ensurePolished();
    const QRect before = label->geometry();
    label->setText(caption);
    label->setAccessibleName(caption);
    const int width = label->sizeHint().width();
    if (anchorRight)
        label->setGeometry(before.right() + 1 - width, before.y(), width, before.height());
    else
        label->setGeometry(before.x(), before.y(), width, before.height());
}

} // namespace

int coBrandNumber(double r)
{
    const float value = 6.0f * static_cast<float>(r) + 1.0f;
    return static_cast<int>(std::nearbyint(value));
}

QPoint centredTopLeft(const QSize& outerSize, const QRect& available)
{
    const int x = available.x() + (available.width() - outerSize.width()) / 2;
    const int y = available.y() + (available.height() - outerSize.height()) / 2;
    return {std::max(x, available.x()), std::max(y, available.y())};
}

void clearOption(QRadioButton* button)
{
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

// The question screen as the quiz engine sees it.
class frmMain::QuestionWidgets : public QuestionScreen
{
public:
    explicit QuestionWidgets(frmMain& window) : m_window(window) {}

    void setAnswerText(int box, const QString& answer) override
    {
        RichTextPane* pane = m_window.txtOption[box];
        pane->setWholeText(answer);
        pane->scrollToTop();
        // Most answers are longer than the box's two lines; the pointer resting on the box
        // shows all of the answer, in lines as long as the box's. An empty box has no tip.
        pane->setToolTip(answer.isEmpty()
                             ? QString()
                             : RichTextPane::wrappingToolTip(answer, pane->contentsRect().width()));
        // Without a description of its own, a screen reader would read the tip's markup.
        pane->setAccessibleDescription(pane->toPlainText());
        // The option button is what a keyboard user stands on, so it speaks its answer:
        // "Choice 2: ...", its designed name first.
        QRadioButton* option = m_window.optChoice[box];
        QString& designed = m_choiceNames.at(box);
        if (designed.isNull())
            designed = option->accessibleName();
        option->setAccessibleName(
            answer.isEmpty() ? designed : designed + QStringLiteral(": ") + pane->toPlainText());
    }
    QString answerText(int box) const override { return m_window.txtOption[box]->wholeText(); }
    void setSubjectName(const QString& caption) override
    {
        setGrowingCaption(m_window.ui->lblSubjectName, caption);
        // The heading stands below the answers; each option names the question it answers.
        for (QRadioButton* option : m_window.optChoice)
            option->setAccessibleDescription(caption);
    }
    void setQuestionNo(const QString& caption) override
    {
        setGrowingCaption(m_window.ui->lblQuestionNo, caption, true);
    }
    int selectedChoice() const override
    {
        for (int i = 0; i < 5; ++i) {
            if (m_window.optChoice[i]->isChecked())
                return i;
        }
        return -1;
    }
    void clearChoices() override
    {
        for (QRadioButton* option : m_window.optChoice)
            clearOption(option);
    }

private:
    frmMain& m_window;
    // The option buttons' names as designed, "Choice 1" to "Choice 5".
    std::array<QString, 5> m_choiceNames;
};

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()), m_services(services),
      m_draw(*services.random, *services.clock), m_engine(m_session, m_content, m_draw),
      m_questionWidgets(std::make_unique<QuestionWidgets>(*this)),
      m_clipboardGuard(std::make_unique<ClipboardGuard>(*services.clipboard))
{
    // The window font is set before the controls exist, so that they are created with it
    // rather than all told of a new font afterwards.
    QFont windowFont(windowFontFamily());
    windowFont.setPointSizeF(FixedWindowPointSize);
    setFont(windowFont);
    ui->setupUi(this);
    setWindowTitle(versionedTitle());
    applyWindowLook(*ui);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    fraOption = {ui->fraOption0, ui->fraOption1, ui->fraOption2,
                 ui->fraOption3, ui->fraOption4, ui->fraOption5};
    chkSubject = {ui->chkSubject0,  ui->chkSubject1,  ui->chkSubject2,  ui->chkSubject3,
                  ui->chkSubject4,  ui->chkSubject5,  ui->chkSubject6,  ui->chkSubject7,
                  ui->chkSubject8,  ui->chkSubject9,  ui->chkSubject10, ui->chkSubject11,
                  ui->chkSubject12, ui->chkSubject13, ui->chkSubject14};
    optChoice = {ui->optChoice0, ui->optChoice1, ui->optChoice2, ui->optChoice3, ui->optChoice4};
    txtOption = {ui->txtOption0, ui->txtOption1, ui->txtOption2, ui->txtOption3, ui->txtOption4};

    // The hidden print buffer is never shown; it only composes the printed copy.
    ui->RTB1->hide();

    m_clipboardGuard->watch(ui->RTBLearn);
    m_clipboardGuard->watch(ui->RTBTestResult);
    for (RichTextPane* box : txtOption)
        m_clipboardGuard->watch(box);

    // The client area is fixed; the window cannot be resized or maximized.
    setFixedSize(sizeHint());
    connectHandlers();
    Form_Load();
    fitTranslatedTexts();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers()
{
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(ui->cmdBack2, &QPushButton::clicked, this, &frmMain::cmdBack2_Click);
    connect(ui->cmdNext2, &QPushButton::clicked, this, &frmMain::cmdNext2_Click);
    connect(ui->cmdBack3, &QPushButton::clicked, this, &frmMain::cmdBack3_Click);
    connect(ui->cmdNext3, &QPushButton::clicked, this, &frmMain::cmdNext3_Click);
    connect(ui->cmdBackToMain, &QPushButton::clicked, this, &frmMain::cmdBackToMain_Click);
    connect(ui->cmdGoToMain, &QPushButton::clicked, this, &frmMain::cmdGoToMain_Click);
    connect(ui->cmdNextLearn, &QPushButton::clicked, this, &frmMain::cmdNextLearn_Click);
    connect(ui->cmdBackLearn, &QPushButton::clicked, this, &frmMain::cmdBackLearn_Click);
    connect(ui->cmdNextQuestion, &QPushButton::clicked, this, &frmMain::cmdNextQuestion_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmMain::cmdPrint_Click);
    for (int i = 0; i < 5; ++i) {
        connect(txtOption[i], &RichTextPane::mousePressed, this,
                [this, i] { txtOption_MouseDown(i); });
        // Keys 1 to 5 choose the answer in that row, as quiz programs commonly offer.
        auto* key = new QShortcut(QKeySequence(Qt::Key_1 + i), ui->fraOption4);
        connect(key, &QShortcut::activated, this, [this, i] {
            if (currentScreen() == QuestionScreenIndex) {
                optChoice[i]->setChecked(true);
                optChoice[i]->setFocus(Qt::ShortcutFocusReason);
            }
        });
    }

    connect(ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->mnuOnline, &QAction::triggered, this, [this] { openPage(WebPage::HelpWebPage); });
    connect(ui->mnuVisit, &QAction::triggered, this, [this] { openPage(WebPage::HomePage); });
    connect(ui->mnuUpdate, &QAction::triggered, this,
            [this] { openPage(WebPage::DownloadWebPage); });
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ui->mnuYourNumbers, &QAction::triggered, this, &frmMain::mnuYourNumbers_Click);
    connect(ui->mnuPractise, &QAction::triggered, this, &frmMain::mnuPractise_Click);
    connect(ui->mnuMakeMoney, &QAction::triggered, this,
            [this] { openPage(WebPage::FullyBranded); });
    connect(ui->Label14, &LinkLabel::clicked, this, [this] { openPage(WebPage::HomePage); });
    connect(ui->lblFullBrand, &LinkLabel::clicked, this,
            [this] { openPage(WebPage::FullyBranded); });
    connect(ui->lblCobrand, &LinkLabel::clicked, this, [this] { openPage(WebPage::CoBrand); });
}

void frmMain::fitTranslatedTexts()
{
    if (translationInstalled())
        fitTextsToControls(this);
}

void frmMain::openPage(WebPage page)
{
    openWebPage(*m_services.web, page);
}

void frmMain::showEvent(QShowEvent* event)
{
    // The first showing places the window: its native window exists by now, so the frame
    // that the platform draws around it counts, but it is not on the screen yet.
    if (!m_placed) {
        m_placed = true;
        centreOnScreen();
    }
    QMainWindow::showEvent(event);
}

void frmMain::centreOnScreen()
{
    const QScreen* where = screen();
    if (!where)
        return;
    // The position given is that of the frame's top left corner. A window manager that
    // draws the frame only once the window is mapped (as on X11) is not asked for its size
    // beforehand; the window then lies lower by half its title bar.
    move(centredTopLeft(frameGeometry().size(), where->availableGeometry()));
}

void frmMain::Form_Load()
{
    clearOption(ui->optMain0);
    clearOption(ui->optMain1);
    showScreen(StartScreen);
}

void frmMain::showScreen(Screen screen)
{
    const int index = screen;
    for (int i = 0; i < static_cast<int>(fraOption.size()); ++i)
        fraOption[i]->setVisible(i == index);
    fraOption[index]->raise();
    // Keyboard users continue on the screen in front.
    static const char* const firstControl[] = {"optMain0",    "optOption0", "RTBLearn",
                                               "chkSubject0", "optChoice0", "RTBTestResult"};
    if (auto* first =
            fraOption[index]->findChild<QWidget*>(QString::fromLatin1(firstControl[index])))
        first->setFocus(Qt::OtherFocusReason);
}

frmMain::Screen frmMain::currentScreen() const
{
    for (int i = 0; i < static_cast<int>(fraOption.size()); ++i) {
        if (!fraOption[i]->isHidden())
            return static_cast<Screen>(i);
    }
    // Only before the constructor has shown the first screen.
    return StartScreen;
}

void frmMain::coBrandRandomize(double r)
{
    m_coBrandRandomNumber = coBrandNumber(r);
    switch (m_coBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        ui->lblCobrand->raise();
        break;
    case 2:
    case 4:
    case 6:
        ui->lblFullBrand->raise();
        break;
    default:
        break;
    }
}

void frmMain::cmdNext_Click()
{
    m_session.LearnSelected = false;
    if (ui->optMain0->isChecked()) {
        m_session.LearnSelected = true;
        ui->optOption0->setText(tr("Learn By Significance of Numbers"));
        ui->optOption1->setText(tr("Learn By Interpretation of Numbers"));
        ui->fraOption1->setTitle(tr("Learn Options"));
        showScreen(MethodScreen);
    } else if (ui->optMain1->isChecked()) {
        ui->optOption0->setText(tr("Test By Significance of Numbers"));
        ui->optOption1->setText(tr("Test By Interpretation of Numbers"));
        ui->fraOption1->setTitle(tr("Test Options"));
        showScreen(MethodScreen);
    } else {
        m_services.messages->error(tr("Please select an option"));
    }
    ui->optOption0->setAccessibleName(ui->optOption0->text());
    ui->optOption1->setAccessibleName(ui->optOption1->text());
    fitTranslatedTexts();
}

void frmMain::cmdBack2_Click()
{
    clearOption(ui->optMain0);
    clearOption(ui->optMain1);
    clearOption(ui->optOption0);
    clearOption(ui->optOption1);
    showScreen(StartScreen);
}

void frmMain::cmdNext2_Click()
{
    m_session.BySignificance = false;
    const bool first = ui->optOption0->isChecked();
    const bool second = ui->optOption1->isChecked();
    if (m_session.LearnSelected && first) {
        m_session.BySignificance = true;
        m_session.CurrentRecord = 0;
        m_session.startActivity();
        ui->fraOption2->setTitle(tr("Learn By Significance"));
        showScreen(LearnScreen);
        showSignificanceRecord();
    } else if (m_session.LearnSelected && second) {
        m_session.CurrentRecord = 0;
        ui->lblCaption5->setText(tr("Select the options which you would like to memorize."));
        ui->fraOption3->setTitle(tr("Learn By Interpretation"));
        showScreen(SubjectScreen);
    } else if (!m_session.LearnSelected && first) {
        m_session.BySignificance = true;
        m_session.startActivity();
        setGrowingCaption(ui->lblCaption6, tr("Select one option from the given choices below."));
        ui->fraOption4->setTitle(tr("Test By Significance"));
        // Filled before it comes to the front, so that the focus lands on the new answers.
        showSignificanceQuestion();
        showScreen(QuestionScreenIndex);
    } else if (!m_session.LearnSelected && second) {
        setGrowingCaption(ui->lblCaption6, tr("Select the correct interpretation for the number "
                                              "displayed at the bottom."));
        ui->lblCaption5->setText(
            tr("Select the options which you would like to take the test in."));
        ui->fraOption3->setTitle(tr("Test By Interpretation"));
        showScreen(SubjectScreen);
    } else {
        m_services.messages->error(tr("Please select an option"));
    }
    ui->lblCaption5->setAccessibleName(ui->lblCaption5->text());
    fitTranslatedTexts();
}

void frmMain::cmdBack3_Click()
{
    showScreen(MethodScreen);
}

void frmMain::cmdNext3_Click()
{
    const bool anyTicked = std::any_of(chkSubject.begin(), chkSubject.end(),
                                       [](const QCheckBox* box) { return box->isChecked(); });
    if (!anyTicked) {
        m_services.messages->error(tr("Please select at least one option"));
        return;
    }
    for (int i = 0; i < SubjectCount; ++i)
        m_session.SubjectTicked[i] = chkSubject[i]->isChecked();
    for (QCheckBox* box : chkSubject)
        box->setChecked(false);
    m_session.CurrentRecord = 0;
    m_session.startActivity();

    if (m_session.LearnSelected) {
        for (int i = 0; i < SubjectCount; ++i) {
            if (m_session.SubjectTicked[i]) {
                m_session.CurrentRecord = static_cast<qint16>(i);
                break;
            }
        }
        showInterpretationRecord();
        ui->fraOption2->setTitle(tr("Learn By Interpretation"));
        showScreen(LearnScreen);
    } else {
        showInterpretationQuestion();
        ui->fraOption4->setTitle(tr("Test By Interpretation"));
        showScreen(QuestionScreenIndex);
    }
}

void frmMain::cmdBackToMain_Click()
{
    m_session.returnToChoosing();
    showScreen(StartScreen);
}

void frmMain::cmdGoToMain_Click()
{
    m_session.returnToChoosing();
    showScreen(StartScreen);
}

void frmMain::showSignificanceRecord()
{
    setGrowingCaption(ui->lblLearnSubject,
                      learn::showSignificanceRecord(m_content, m_session, *ui->RTBLearn));
    ui->RTBLearn->scrollToTop();
}

void frmMain::showInterpretationRecord()
{
    setGrowingCaption(ui->lblLearnSubject,
                      learn::showInterpretationRecord(m_content, m_session, *ui->RTBLearn));
    ui->RTBLearn->scrollToTop();
}

void frmMain::drawLearnRecord()
{
    if (m_session.activityBySignificance())
        showSignificanceRecord();
    else
        showInterpretationRecord();
}

void frmMain::cmdNextLearn_Click()
{
    if (learn::moveToNextRecord(m_session))
        drawLearnRecord();
    else
        m_services.messages->error(tr("You are at the last record"));
}

void frmMain::cmdBackLearn_Click()
{
    if (learn::moveToPreviousRecord(m_session))
        drawLearnRecord();
    else
        m_services.messages->error(tr("You are at the first record"));
}

void frmMain::showSignificanceQuestion()
{
    m_engine.showSignificanceQuestion(*m_questionWidgets);
}

void frmMain::showInterpretationQuestion()
{
    m_engine.showInterpretationQuestion(*m_questionWidgets);
}

void frmMain::txtOption_MouseDown(int index)
{
    optChoice[index]->setChecked(true);
}

void frmMain::cmdNextQuestion_Click()
{
    switch (m_engine.takeAnswer(*m_questionWidgets)) {
    case QuizEngine::AnswerResult::NothingSelected:
        m_services.messages->error(tr("Please select an option"));
        break;
    case QuizEngine::AnswerResult::NextQuestionShown:
        // The keyboard stands on the options again, so that the new answers are read out.
        optChoice[0]->setFocus(Qt::OtherFocusReason);
        break;
    case QuizEngine::AnswerResult::TestFinished:
        showTestResult();
        break;
    }
}

void frmMain::showTestResult()
{
    showScreen(ResultScreen);
    const bool bySignificance = m_session.activityBySignificance();
    ui->fraOption5->setTitle(resultFrameCaption(bySignificance));
    const TestReport report = makeTestReport(bySignificance, m_session.test, m_content);
    drawTestReport(report, *ui->RTBTestResult);
    // The practice keeps the test, and offers the questions missed in it first. Only a
    // progress file that is there already is written; otherwise the test is kept for this run.
    const practice::PractisedTest finished =
        practisedTest(bySignificance, report, m_session.test, m_content, m_services.clock->today());
    bool written = false;
    if (m_practice) {
        written = m_practice->takeFinishedTest(finished);
    } else {
        const practice::TestKept kept = practice::keepTestInFile(progressFile(), finished);
        written = kept.written;
        if (!kept.message.isEmpty())
            m_progressNotice = kept.message;
    }
    if (written)
        m_unkeptTest.reset();
    else
        m_unkeptTest = finished;
    m_session.finishTest();
    ui->RTBTestResult->scrollToTop();
    Q_EMIT testFinished();
}

void frmMain::cmdPrint_Click()
{
    composePrintedCopy(*ui->RTB1, ui->RTBTestResult->wholeText());
    // Returns at once; with no default printer the print dialog is offered. A failed job is
    // not reported.
    m_services.printer->print(*ui->RTB1->document(), this);
}

void frmMain::mnuAbout_Click()
{
    showAboutWindow(*m_services.web, this);
}

QString frmMain::progressFile() const
{
    return m_progressFile.isEmpty() ? practice::progressFilePath() : m_progressFile;
}

void frmMain::mnuPractise_Click()
{
    if (!m_practice) {
        m_practice = new PracticeWindow(m_services, progressFile(), m_progressNotice, this);
        m_progressNotice.clear();
        if (m_unkeptTest)
            m_practice->takeUnkeptTest(*m_unkeptTest);
        // Once the file is written it holds the test.
        connect(m_practice, &PracticeWindow::progressSaved, this, [this] { m_unkeptTest.reset(); });
    }
    m_practice->show();
    m_practice->raise();
    m_practice->activateWindow();
}

void frmMain::mnuYourNumbers_Click()
{
    if (!m_yourNumbers)
        m_yourNumbers = new YourNumbers(m_services, this);
    m_yourNumbers->show();
    m_yourNumbers->raise();
    m_yourNumbers->activateWindow();
}

} // namespace corvella
