#include "platform/qtservices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTime>
#include <QWidget>

namespace corvella {

namespace {

QWidget* visibleOrNull(QWidget* window)
{
    return window && window->isVisible() ? window : nullptr;
}

QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, applicationTitle(), messageText(text), buttons, visibleOrNull(parent));
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QString messageText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void QtMessageBoxes::error(const QString& text)
{
    showBox(m_parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::information(const QString& text)
{
    showBox(m_parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const QString& text)
{
    return showBox(m_parent, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

qint64 SystemClock::timeOfDayMs() const
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

bool QtClipboard::ownsClipboard() const
{
    return QGuiApplication::clipboard()->ownsClipboard();
}

bool QtClipboard::ownsSelection() const
{
    return QGuiApplication::clipboard()->supportsSelection() &&
           QGuiApplication::clipboard()->ownsSelection();
}

void QtClipboard::clearClipboard()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void QtClipboard::clearSelection()
{
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
}

void DesktopWebLauncher::open(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

} // namespace corvella
