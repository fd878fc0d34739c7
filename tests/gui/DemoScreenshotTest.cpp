#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "GuiFixture.h"

// The README's run command without a display: the demo writes a picture of its window.
class DemoScreenshotTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Without a font package Qt still renders, but every glyph is an empty box.
    void textHasARealFont() {
        xkr::test::GuiFixture f;
        const QFont font = f.find<QWidget>(QStringLiteral("txtContact_0"))->font();
        QVERIFY(!QFontInfo(font).family().isEmpty());
        QVERIFY(QFontMetrics(font).inFont(QLatin1Char('N')));
    }

    void headlessDemoWritesScreenshot() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("demo.png"));
        QProcess demo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        demo.setProcessEnvironment(env);
        demo.start(QStringLiteral(XKR_DEMO_EXECUTABLE), {path});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(demo.readAllStandardOutput()).trimmed(), path);

        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 480 && image.height() > 480);
        // A filled panel and a listed entry put dark text pixels into the picture.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                if (qGray(image.pixel(x, y)) < 80)
                    ++dark;
            }
        }
        QVERIFY2(dark > 500, qPrintable(QString::number(dark)));
    }
};

QTEST_MAIN(DemoScreenshotTest)
#include "DemoScreenshotTest.moc"
