#include "shell/frmAbout.h"
#include "ui_frmAbout.h"
#include "version.h"

#include "platform/weblauncher.h"
#include "shell/fittext.h"
#include "shell/translations.h"
#include "shell/windowlook.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace corvella {

namespace {

// The window font is Verdana 8.25 pt and the heading 14.25 pt; a .ui file holds whole
// point sizes only, so the quarter points are set here.
constexpr qreal kWindowPointSize = FixedWindowPointSize;
constexpr qreal kHeadingPointSize = 14.25;

} // namespace

frmAbout::frmAbout(WebLauncher& web, QWidget* parent)
    : QDialog(parent), m_ui(new Ui::frmAbout), m_web(web)
{
    m_ui->setupUi(this);
    setWindowTitle(versionedTitle());
    m_ui->Label2->setText(versionedTitle());
    // A fixed dialog border with a close box only. As a window with a parent it gets no
    // task bar entry of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    applyFonts();
    sizeToText();
    if (translationInstalled())
        fitTextsToControls(this);
    nameForAccessibility();

    // OK is both the default and the cancel button: Enter reaches it as the default
    // button, and Escape rejects the dialog, which closes it just the same.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this,
            [this] { openWebPage(m_web, WebPage::HomePage); });
    // The full-branding offer that Label3 describes, not the co-branding page.
    connect(m_ui->lblCoBrand, &LinkLabel::clicked, this,
            [this] { openWebPage(m_web, WebPage::FullyBranded); });

    m_ui->cmdOK->setFocus();
    centreOnScreen();
}

frmAbout::~frmAbout() = default;

void frmAbout::applyFonts()
{
    QFont windowFont = font();
    windowFont.setPointSizeF(kWindowPointSize);
    setFont(windowFont);

    QFont heading = m_ui->Label2->font();
    heading.setPointSizeF(kHeadingPointSize);
    m_ui->Label2->setFont(heading);
}

void frmAbout::sizeToText()
{
    // These labels keep their designed top left corner and take the size of their text,
    // which depends on the font the system substitutes for Verdana.
    for (QLabel* label : {m_ui->Label2, static_cast<QLabel*>(m_ui->lblHomePage),
                          static_cast<QLabel*>(m_ui->lblCoBrand)})
        label->resize(label->sizeHint());
}

void frmAbout::nameForAccessibility()
{
    for (QLabel* label : {m_ui->Label2, m_ui->Label1, static_cast<QLabel*>(m_ui->lblHomePage),
                          m_ui->Label3, static_cast<QLabel*>(m_ui->lblCoBrand)})
        label->setAccessibleName(label->text());
    m_ui->cmdOK->setAccessibleName(m_ui->cmdOK->text());
}

void frmAbout::centreOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Moving the window here also keeps QDialog from placing it over its parent instead.
    QRect placed = geometry();
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
}

void showAboutWindow(WebLauncher& web, QWidget* parent)
{
    frmAbout about(web, parent);
    about.exec();
}

} // namespace corvella
