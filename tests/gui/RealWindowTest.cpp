// What is on screen in a real X window: the offscreen platform repaints whole windows and hides
// a view that repaints too little, so this test reads back the screen itself.
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <cstdlib>
#include <functional>

#include "GuiFixture.h"
#include "control/VendorPayTo.h"
#include "view/UserActions.h"

using xkr::test::GuiFixture;

class RealWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // After each of the user's and the host's steps, exactly the entry shown in the panel is
    // painted selected, or none when nothing is selected.
    void onlyTheShownEntryIsPaintedSelected() {
        GuiFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.widget()));
        f.load();
        auto* list = f.find<QTreeView>("lstContacts");
        const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
        const auto paintedSelected = [&] {
            // The top-level window only: asking a child for its window id would make it native,
            // and native children repaint differently.
            QWidget* window = list->window();
            const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
            QStringList rows;
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                const QRect cell = list->visualRect(list->model()->index(row, 2));
                const QPoint at =
                    list->viewport()->mapTo(window, cell.center()) * screen.devicePixelRatio();
                const QColor painted(screen.pixel(at));
                // The style shades the highlight a little.
                if (std::abs(painted.red() - highlight.red()) +
                        std::abs(painted.green() - highlight.green()) +
                        std::abs(painted.blue() - highlight.blue()) <
                    24)
                    rows << list->model()->index(row, 1).data().toString();
            }
            return rows;
        };
        const auto shown = [&] {
            const QString name = f.text("txtContact_0");
            return name.isEmpty() ? QStringList() : QStringList{name};
        };
        // Input goes through the X server, as a person's does: QTest's own events take another
        // path to the widgets.
        const auto xdotool = [](const QStringList& arguments) {
            QVERIFY(QProcess::execute(QStringLiteral("xdotool"), arguments) == 0);
        };
        const auto clickRow = [&](int row) {
            const QRect cell = list->visualRect(list->model()->index(row, 1));
            const QPoint at = list->viewport()->mapToGlobal(cell.center());
            xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        };
        const auto key = [&](const char* name) { xdotool({"key", name}); };
        const std::vector<std::pair<const char*, std::function<void()>>> steps{
            // The demo's start-up: the host shows the first entry as a click on it would.
            {"host's selection",
             [&] { xkr::user::clickEntry(f.widget().control().form().lstContacts, 0); }},
            {"click", [&] { clickRow(1); }},
            {"another click", [&] { clickRow(2); }},
            {"Up", [&] { key("Up"); }},
            {"Up again", [&] { key("Up"); }},
            {"End", [&] { key("End"); }},
            {"Home", [&] { key("Home"); }},
            {"Page Down", [&] { key("Next"); }},
            {"header", [&] { f.clickHeader(1); }},
            {"Down", [&] { key("Down"); }},
            {"edit and cancel",
             [&] {
                 f.click(f.find<QPushButton>("cmdEdit"));
                 f.click(f.find<QPushButton>("cmdEdit"));
             }},
            {"host load", [&] { f.load(); }},
            {"click after load", [&] { clickRow(1); }},
        };
        for (const auto& [name, step] : steps) {
            step();
            QTest::qWait(150);  // the X server's events, and the repaint they ask for
            QVERIFY2(paintedSelected() == shown(), name);
        }
    }
};

QTEST_MAIN(RealWindowTest)
#include "RealWindowTest.moc"
