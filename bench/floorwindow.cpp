// The floor for the program's start-up and memory: a bare Qt Widgets program that shows a main
// window of the same outer size as Corvella's (a 641 x 393 client area below a menu bar) with a
// text edit in it, and nothing else. bench/run.sh starts it alternately with the real program.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));

    auto* edit = new QTextEdit;
    edit->setFixedSize(641, 393);
    edit->setPlainText(QStringLiteral("Floor window"));
    window.setCentralWidget(edit);
    window.setFixedSize(window.sizeHint());
    window.show();

    return app.exec();
}
