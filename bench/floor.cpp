// The floor the calculator's start-up is measured against: the least a Qt
// Widgets program of its size does before its first frame. About 100 push
// buttons, a line edit and a menu bar, nothing else.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Startup floor"));
    for (const char* title : {"&Edit", "View", "Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("First"));
        menu->addAction(QStringLiteral("Second"));
    }
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    grid->addWidget(new QLineEdit(central), 0, 0, 1, 10);
    for (int i = 0; i < 100; ++i)
        grid->addWidget(new QPushButton(QString::number(i), central), 1 + i / 10, i % 10);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
