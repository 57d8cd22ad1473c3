// The program's own icons: each draws, at every size and in every mode, the
// very pixels Qt's SVG icon engine draws from the same file, so the window
// icon and the toolbar buttons look as they always have.
#include "zav/window/icons.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <functional>

namespace {

struct OwnIcon {
    const char* name;
    std::function<QIcon()> make;
    const char* file;
    const char* themeName;  // the theme's icon comes first when it has one
};

const OwnIcon kIcons[] = {
    {"program", zav::window::programIcon, ":/icons/zav-diagnostics.svg", nullptr},
    {"diagnostics", zav::window::diagnosticsIcon, ":/icons/diagnostics.svg",
     "utilities-system-monitor"},
    {"controls", zav::window::controlsIcon, ":/icons/controls.svg", "preferences-system"},
};

QImage imageOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool hasOpaquePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) return true;
        }
    }
    return false;
}

}  // namespace

class IconsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachIconDrawsAsQtsSvgEngineDoes_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        const QSize sizes[] = {{16, 16}, {22, 22}, {32, 32}, {48, 48}, {128, 128}, {64, 32}};
        const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Disabled, QIcon::Active,
                                     QIcon::Selected};
        for (int i = 0; i < int(std::size(kIcons)); ++i) {
            for (const QSize& size : sizes) {
                for (QIcon::Mode mode : modes) {
                    QTest::addRow("%s %dx%d mode %d", kIcons[i].name, size.width(), size.height(),
                                  int(mode))
                        << i << size << int(mode);
                }
            }
        }
    }
    void eachIconDrawsAsQtsSvgEngineDoes() {
        QFETCH(int, icon);
        QFETCH(QSize, size);
        QFETCH(int, mode);
        const OwnIcon& own = kIcons[icon];
        if (own.themeName && QIcon::hasThemeIcon(QLatin1String(own.themeName))) {
            QSKIP("the desktop theme has this icon");
        }
        const QIcon ours = own.make();
        const QIcon qts(QLatin1String(own.file));
        QVERIFY(!ours.isNull());
        QVERIFY2(!qts.isNull(), "Qt's SVG icon engine draws nothing here");
        const auto iconMode = static_cast<QIcon::Mode>(mode);
        const QPixmap drawn = ours.pixmap(size, 1.0, iconMode);
        const QPixmap expected = qts.pixmap(size, 1.0, iconMode);
        QCOMPARE(drawn.size(), expected.size());
        QCOMPARE(ours.actualSize(size, iconMode), qts.actualSize(size, iconMode));
        QCOMPARE(imageOf(drawn), imageOf(expected));
        QVERIFY(hasOpaquePixel(imageOf(drawn)));
    }

    void aDisabledIconLooksDisabled() {
        const QIcon icon = zav::window::programIcon();
        const QImage normal = imageOf(icon.pixmap(QSize(32, 32), 1.0, QIcon::Normal));
        const QImage disabled = imageOf(icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled));
        QCOMPARE(disabled.size(), normal.size());
        QVERIFY(disabled != normal);
    }

    void aPixmapDrawnTwiceIsTheSame() {
        const QIcon icon = zav::window::diagnosticsIcon();
        const QPixmap first = icon.pixmap(QSize(32, 32));
        const QPixmap second = icon.pixmap(QSize(32, 32));
        QCOMPARE(imageOf(second), imageOf(first));
        QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
    }

    void aHighResolutionPixmapHasTheDevicePixels() {
        const QIcon icon = zav::window::controlsIcon();
        const QPixmap pixmap = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    }

    void paintingAnIconDrawsItsPixmap() {
        const QIcon icon = zav::window::programIcon();
        QImage canvas(QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        icon.paint(&painter, QRect(4, 4, 32, 32));
        painter.end();
        QCOMPARE(canvas.copy(4, 4, 32, 32), imageOf(icon.pixmap(QSize(32, 32))));
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
