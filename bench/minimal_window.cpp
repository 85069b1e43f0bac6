// SPDX-License-Identifier: MIT
// The yardstick for the desktop program's start-up and memory: a plain Qt Widgets window with
// the same controls (13 fields, 21 labels, 3 buttons, 2 option buttons in a frame, 3 menus with
// 9 items and their shortcuts) at the same places, and nothing behind them.
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Twips to pixels at 96 dots per inch.
QRect pixels(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("minimal window");

    struct MenuEntry {
        const char *menu;
        const char *item;
        const char *shortcut;
    };
    const MenuEntry entries[] = {
        {"C&alculators", "&Diameter of Plunger(s)", "Ctrl+D"},
        {"C&alculators", "&Flow Rate", "Ctrl+F"},
        {"C&alculators", "&Load on Plunger(s)", "Ctrl+L"},
        {"C&alculators", "&Plunger Displacement", "Ctrl+P"},
        {"C&alculators", "&Static Pressure", "Ctrl+S"},
        {"C&alculators", "&Up Speed/Rated Load", "Ctrl+U"},
        {"&Units", "&Imperial", "Ctrl+I"},
        {"&Units", "&Metric", "Ctrl+M"},
        {"&Help", "&Conversions", "Ctrl+C"},
    };
    QMenu *menu = nullptr;
    for (const auto &entry : entries) {
        if (!menu || menu->title() != entry.menu)
            menu = window.menuBar()->addMenu(entry.menu);
        menu->addAction(entry.item)->setShortcut(QKeySequence(entry.shortcut));
    }

    auto *client = new QWidget;
    client->setFixedSize(9375 / 15, 7515 / 15);
    const int fieldTops[] = {1200, 1935, 2670, 3390, 4905, 5640, 1200,
                             2670, 3390, 4905, 5640, 4140, 4140};
    for (int i = 0; i < 13; ++i) {
        auto *field = new QLineEdit(client);
        field->setGeometry(pixels(i < 6 || i == 11 ? 3540 : 6540, fieldTops[i], 1815, 495));
    }
    for (int i = 0; i < 21; ++i) {
        auto *label = new QLabel(QString("Label %1:").arg(i), client);
        label->setGeometry(pixels(240 + (i % 3) * 2800, 1320 + (i / 3) * 735, 3255, 375));
        label->setToolTip("tooltip");
    }
    const char *buttons[] = {"&Calculate", "C&lear All", "E&xit"};
    for (int i = 0; i < 3; ++i)
        (new QPushButton(buttons[i], client))
            ->setGeometry(pixels(3000 + i * 2040, 6660, 1695, 495));
    auto *frame = new QGroupBox(client);
    frame->setGeometry(pixels(3540, 660, 4815, 495));
    (new QRadioButton("&Imperial", frame))->setGeometry(pixels(360, 120, 1515, 375));
    (new QRadioButton("&Metric", frame))->setGeometry(pixels(3420, 120, 975, 375));

    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
