#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class frmAbout;
}

namespace corvella {

class WebLauncher;

// The About window: name, version, a short description and two links to the maker's site.
// It holds no state; every showing builds a fresh one.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(WebLauncher& web, QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    void applyFonts();
    void sizeToText();
    void nameForAccessibility();
    void centreOnScreen();

    QScopedPointer<Ui::frmAbout> m_ui;
    WebLauncher& m_web;
};

// Builds the About window, shows it modal over parent and returns once it has closed; the
// window is gone by then.
void showAboutWindow(WebLauncher& web, QWidget* parent);

} // namespace corvella
