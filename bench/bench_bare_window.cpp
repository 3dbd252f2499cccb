// The yardstick for the program's start-up: a bare Qt window and nothing else,
// started by bench_startup as a process of its own. "--size WxH" gives it the
// size of the program's window, so that both paint the same area; "--label"
// adds one line of text, the least any real window shows, to tell what the
// first text on screen costs by itself.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    const QStringList arguments = QApplication::arguments();
    const qsizetype sizeAt = arguments.indexOf(QStringLiteral("--size"));
    if (sizeAt >= 0 && sizeAt + 1 < arguments.size()) {
        const QStringList size = arguments.at(sizeAt + 1).split(QLatin1Char('x'));
        if (size.size() == 2) {
            window.resize(size.at(0).toInt(), size.at(1).toInt());
        }
    }
    if (arguments.contains(QStringLiteral("--label"))) {
        window.setCentralWidget(new QLabel(QStringLiteral("Send data to Rotavionix")));
    }
    window.show();
    return QApplication::exec();
}
