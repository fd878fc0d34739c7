#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The README's run command without a display: the demo writes a picture of its window.
class DemoScreenshotTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

        // The README shows this picture: the demo must still draw it, up to a few pixels of
        // antialiasing. A missing condensed face changes about 20,000.
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const QImage expected =
            QImage(QStringLiteral(XKR_DEMO_REFERENCE)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull() && !expected.isNull());
        QCOMPARE(image.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != expected.pixel(x, y))
                    ++differing;
            }
        }
        QVERIFY2(differing <= 200,
                 qPrintable(QStringLiteral("%1 pixels differ from %2; a missing font face (the "
                                           "package fonts-dejavu-extra) is the usual cause")
                                .arg(differing)
                                .arg(QStringLiteral(XKR_DEMO_REFERENCE))));
    }
};

QTEST_MAIN(DemoScreenshotTest)
#include "DemoScreenshotTest.moc"
