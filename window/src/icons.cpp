#include "zav/window/icons.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

namespace zav::window {
namespace {

// One of our SVG icons, drawn straight from the program's resources. The
// file is read and parsed the first time a pixmap of it is wanted, and the
// parsed drawing is kept for every further size and mode. (A QIcon made
// from the file name goes through Qt's SVG icon plugin instead: a plugin
// search and load and a parse of each file as the icon is made, all before
// the main window can show, and another parse for every pixmap.) The
// pixmaps are those the plugin draws: the drawing scaled to fit the size,
// and the style's look for the disabled, active and selected modes.
class SvgIconEngine final : public QIconEngine {
  public:
    explicit SvgIconEngine(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QSize size = rect.size();
        if (painter->device()) size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return fitted(size); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const Key key{size, mode, state};
        if (const auto cached = pixmaps_.constFind(key); cached != pixmaps_.cend()) {
            return *cached;
        }
        const QSize drawn = fitted(size);
        if (drawn.isEmpty()) return {};
        QImage image(drawn, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing().render(&painter);
        painter.end();
        QPixmap result = QPixmap::fromImage(image);
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap styled =
                QApplication::style()->generatedIconPixmap(mode, result, &option);
            if (!styled.isNull()) result = styled;
        }
        pixmaps_.insert(key, result);
        return result;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(file_); }

    // Whether there is a drawing at all, without reading it: the window icon
    // is asked as it is set, long before anything draws it.
    bool isNull() override { return !QFile::exists(file_); }

  private:
    struct Key {
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.size.width(), key.size.height(), int(key.mode), int(key.state));
    }

    QSvgRenderer& drawing() {
        if (!drawing_) drawing_ = std::make_unique<QSvgRenderer>(file_);
        return *drawing_;
    }

    // The drawing's own size scaled to fit `size`; empty when it cannot be
    // drawn.
    QSize fitted(const QSize& size) {
        if (!drawing().isValid()) return {};
        QSize result = drawing().defaultSize();
        if (!result.isNull()) result.scale(size, Qt::KeepAspectRatio);
        return result;
    }

    QString file_;
    std::unique_ptr<QSvgRenderer> drawing_;
    QHash<Key, QPixmap> pixmaps_;
};

QIcon ownIcon(const QString& file) {
    return QIcon(new SvgIconEngine(file));
}

// The theme's icon when it has one; our own is only read when it has not.
QIcon themeIconOr(const QString& themeName, const QString& ownFile) {
    return QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName) : ownIcon(ownFile);
}

}  // namespace

QIcon programIcon() {
    return ownIcon(QStringLiteral(":/icons/zav-diagnostics.svg"));
}

QIcon diagnosticsIcon() {
    return themeIconOr(QStringLiteral("utilities-system-monitor"),
                       QStringLiteral(":/icons/diagnostics.svg"));
}

QIcon controlsIcon() {
    return themeIconOr(QStringLiteral("preferences-system"),
                       QStringLiteral(":/icons/controls.svg"));
}

}  // namespace zav::window
