// Renders the program's icon into a hicolor icon theme folder at the sizes desktops ask for:
//
//   make_icons SOURCE.svg ICON_NAME THEME_DIR
//
// writes THEME_DIR/<N>x<N>/apps/ICON_NAME.png for each size and copies the SVG to
// THEME_DIR/scalable/apps/ICON_NAME.svg.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

static bool renderSize(QSvgRenderer& svg, int size, const QString& folder, const QString& name) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    return QDir().mkpath(dir) && image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

static bool copyScalable(const QString& source, const QString& folder, const QString& name) {
    const QString dir = folder + QStringLiteral("/scalable/apps");
    const QString target = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    QFile::remove(target);
    return QDir().mkpath(dir) && QFile::copy(source, target);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icons SOURCE.svg ICON_NAME THEME_DIR\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString folder = QString::fromLocal8Bit(argv[3]);
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        std::fprintf(stderr, "make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!renderSize(svg, size, folder, name)) {
            std::fprintf(stderr, "make_icons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    if (!copyScalable(source, folder, name)) {
        std::fprintf(stderr, "make_icons: cannot copy the scalable icon\n");
        return 1;
    }
    return 0;
}
