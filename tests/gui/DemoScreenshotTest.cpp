#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

#include "GuiFixture.h"

// The README's run command without a display: the demo writes a picture of its window.
class DemoScreenshotTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Without a font package Qt still renders, but every glyph is an empty box; without the
    // semi-condensed face the widget asks for, Qt squeezes the normal one.
    void textHasTheCondensedFace() {
        xkr::test::GuiFixture f;
        const QFont font = f.find<QWidget>(QStringLiteral("txtContact_0"))->font();
        QVERIFY(QFontMetrics(font).inFont(QLatin1Char('N')));
        const QRawFont face = QRawFont::fromFont(font);
        QVERIFY2(face.styleName().contains(QStringLiteral("Condensed")),
                 qPrintable(QStringLiteral("the text is drawn in '%1 %2', not a condensed face: "
                                           "is fonts-dejavu-extra installed?")
                                .arg(face.familyName(), face.styleName())));
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
