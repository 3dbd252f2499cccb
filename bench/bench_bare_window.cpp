// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks for the program's start-up, started by bench_startup as
// processes of their own. Without options: a bare Qt window and nothing else.
// "--size WxH" gives it the size of the program's window, so that all paint the
// same area; "--label" adds one line of text, the least any real window shows,
// to tell what the first text on screen costs by itself; "--stock-page" fills
// it with stock Qt widgets laid out like the program's first page, and none of
// the program's code, to tell what showing those controls costs by itself.
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A grid, a straight curve and its eleven point values: about what the curve
// picture draws in the first frame.
class PlainCurvePicture : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        const QRectF area = QRectF(rect()).adjusted(30, 10, -10, -10);
        painter.setPen(Qt::lightGray);
        for (int column = 0; column <= 10; ++column) {
            const double x = area.left() + area.width() * column / 10;
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
        painter.setPen(Qt::black);
        painter.drawLine(area.bottomLeft(), area.topRight());
        for (int column = 0; column <= 10; ++column) {
            const QPointF point(area.left() + area.width() * column / 10,
                                area.bottom() - area.height() * column / 10);
            painter.drawEllipse(point, 2.5, 2.5);
            painter.drawText(point + QPointF(-24, -6), QString::number(column * 20 - 100));
        }
    }
};

QWidget* stockFirstPage() {
    auto* page = new QWidget;
    auto* curve = new QVBoxLayout;
    curve->addWidget(new QLabel(QStringLiteral("Pitch Curve, Hover")));
    auto* readOuts = new QHBoxLayout;
    readOuts->addWidget(new QLabel(QStringLiteral("Curve:  -100")));
    readOuts->addWidget(new QLabel(QStringLiteral("Cursor:")));
    auto* tools = new QToolButton;
    tools->setText(QStringLiteral("Curve tools"));
    tools->setPopupMode(QToolButton::InstantPopup);
    tools->setMenu(new QMenu(tools));
    readOuts->addWidget(tools);
    curve->addLayout(readOuts);
    auto* picture = new PlainCurvePicture;
    picture->setMinimumSize(400, 290);
    curve->addWidget(picture, 1);
    auto* points = new QHBoxLayout;
    for (int column = 0; column <= 10; ++column) {
        points->addWidget(new QLineEdit(QString::number(column * 20 - 100)));
    }
    curve->addLayout(points);
    curve->addWidget(new QLabel(QStringLiteral("<--   Transmitter Stick Travel   -->")));

    auto* selection = new QGroupBox(QStringLiteral("Curve selection"));
    auto* curves = new QGridLayout(selection);
    const char* const names[] = {"Pitch Curve", "Cyclic Pitch Curve", "Tail Curve", "Roll Curve",
                                 "Throttle Curve"};
    for (int index = 0; index < 5; ++index) {
        curves->addWidget(new QRadioButton(QLatin1String(names[index])), index / 2, index % 2);
    }
    auto* phase = new QGroupBox(QStringLiteral("Flight Phase"));
    auto* phases = new QGridLayout(phase);
    phases->addWidget(new QRadioButton(QStringLiteral("Hover")), 0, 0);
    phases->addWidget(new QRadioButton(QStringLiteral("Acro")), 0, 1);
    phases->addWidget(new QLabel(QStringLiteral("Switch Times:")), 1, 0);
    phases->addWidget(new QLabel(QStringLiteral("Hover -> Acro      0.5 sec.")), 2, 0, 1, 2);
    phases->addWidget(new QLabel(QStringLiteral("Acro -> Hover      0.5 sec.")), 3, 0, 1, 2);
    auto* switchTime = new QSlider(Qt::Horizontal);
    switchTime->setTickPosition(QSlider::TicksBelow);
    phases->addWidget(switchTime, 4, 0, 1, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(selection);
    right->addWidget(phase);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(curve, 3);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Comments: (max. 1000 characters)")));
    layout->addWidget(new QPlainTextEdit(QStringLiteral(
        "Neutral starting setup: linear curves, mid-range gains, 1500 rpm, lights off.")));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QPushButton(QStringLiteral("Send data to Rotavionix")));
    buttons->addWidget(new QPushButton(QStringLiteral("Save data in Rotavionix")));
    layout->addLayout(buttons);
    return page;
}

void fillLikeTheProgram(QMainWindow& window) {
    for (const char* title : {"File", "Edit", "Options", "Help"}) {
        window.menuBar()->addMenu(QLatin1String(title));
    }
    auto* tabs = new QTabWidget;
    tabs->addTab(stockFirstPage(), QStringLiteral("General Setup Values"));
    for (const char* title :
         {"Rotavionix Configuration", "Channel Allocation", "Controller Setup Values"}) {
        tabs->addTab(new QWidget, QLatin1String(title));
    }
    window.setCentralWidget(tabs);
    window.statusBar();
}

} // namespace

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
    } else if (arguments.contains(QStringLiteral("--stock-page"))) {
        fillLikeTheProgram(window);
    }
    window.show();
    return QApplication::exec();
}
