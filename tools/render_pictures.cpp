// Renders the program's SVG artwork to PNG pictures at their natural size, at
// build time, so the program loads ready pictures instead of laying out the
// artwork's text when a window opens.
//
//   render_pictures OUTPUT_FOLDER INPUT.svg...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_pictures OUTPUT_FOLDER INPUT.svg...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    for (int i = 2; i < argc; ++i) {
        const QString input = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(input);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "not an SVG picture: %s\n", argv[i]);
            return 1;
        }
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            renderer.render(&painter);
        }
        const QString output = out.filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".png"));
        if (!image.save(output)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}
