// Paints the program's icon, drawn in belvane.svg, into the PNG sizes desktop menus ask for.
// It reads only what that drawing uses — rectangles with rounded corners and paths of absolute
// M, H, V, L, C and Z commands, filled with a plain colour — so the icon needs no SVG library.
//
//   belvane_icon_render <drawing.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/apps/belvane.png for every size.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamReader>

#include <cstdio>
#include <vector>

namespace {

struct Shape {
    QPainterPath path;
    QColor colour;
};

QPainterPath pathFromData(const QString& data)
{
    QPainterPath path;
    std::vector<double> numbers;
    QChar command;
    QPointF at;
    const auto flush = [&]() {
        const auto n = numbers.size();
        if (command == u'M' && n >= 2)
            path.moveTo(at = QPointF(numbers[0], numbers[1]));
        else if (command == u'L' && n >= 2)
            path.lineTo(at = QPointF(numbers[0], numbers[1]));
        else if (command == u'H' && n >= 1)
            path.lineTo(at = QPointF(numbers[0], at.y()));
        else if (command == u'V' && n >= 1)
            path.lineTo(at = QPointF(at.x(), numbers[0]));
        else if (command == u'C' && n >= 6)
            path.cubicTo(QPointF(numbers[0], numbers[1]), QPointF(numbers[2], numbers[3]), at = QPointF(numbers[4], numbers[5]));
        else if (command == u'Z')
            path.closeSubpath();
        numbers.clear();
    };
    QString number;
    for (const QChar c : data + u' ') {
        if (c.isDigit() || c == u'.' || c == u'-') {
            number += c;
            continue;
        }
        if (!number.isEmpty())
            numbers.push_back(number.toDouble());
        number.clear();
        if (c.isLetter()) {
            flush();
            command = c.toUpper();
        }
    }
    flush();
    return path;
}

std::vector<Shape> readDrawing(const QString& file)
{
    QFile in(file);
    std::vector<Shape> shapes;
    if (!in.open(QIODevice::ReadOnly))
        return shapes;
    QXmlStreamReader xml(&in);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        Shape shape;
        shape.colour = QColor(a.value(QLatin1String("fill")).toString());
        if (xml.name() == QLatin1String("rect")) {
            shape.path.addRoundedRect(number("x"), number("y"), number("width"), number("height"), number("rx"), number("rx"));
        } else if (xml.name() == QLatin1String("path")) {
            shape.path = pathFromData(a.value(QLatin1String("d")).toString());
            if (a.value(QLatin1String("fill-rule")) == QLatin1String("evenodd"))
                shape.path.setFillRule(Qt::OddEvenFill);
        } else {
            continue;
        }
        shapes.push_back(shape);
    }
    return shapes;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "uso: belvane_icon_render <desenho.svg> <pasta> <tamanho>...\n");
        return 2;
    }
    const std::vector<Shape> shapes = readDrawing(args[1]);
    if (shapes.empty()) {
        std::fprintf(stderr, "desenho vazio ou ilegível: %s\n", qPrintable(args[1]));
        return 1;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 256.0, size / 256.0);
        for (const Shape& shape : shapes)
            painter.fillPath(shape.path, shape.colour);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/belvane.png"))) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
