// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon: a contact card with the lines taken out of it. Writes cardisto.png
// (the window icon), the PNG sizes of the desktop icon under icons/hicolor and windows/cardisto.ico (the
// Windows programs' and setup program's icon); icons/*.svg holds the same shapes for the scalable one. Build and run by hand, in this folder, when the icon should change:
//   g++ -std=c++20 -fPIC draw_icon.cpp -o draw_icon $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen ./draw_icon
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
static QImage drawIcon(int s)
{
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s / 256.0, s / 256.0); // the shapes are laid out on 256 x 256
    // the card
    QRectF card(16, 40, 224, 176);
    p.setPen(QPen(QColor(0x14, 0x4e, 0x63), 6));
    QLinearGradient g(card.topLeft(), card.bottomLeft());
    g.setColorAt(0, QColor(0x2b, 0x8c, 0xae));
    g.setColorAt(1, QColor(0x1d, 0x6a, 0x86));
    p.setBrush(g);
    p.drawRoundedRect(card, 22, 22);
    // the contact's portrait
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(82, 104), 26, 26);
    QPainterPath shoulders;
    shoulders.moveTo(36, 184);
    shoulders.cubicTo(36, 140, 128, 140, 128, 184);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    // the lines taken out of it
    p.setBrush(QColor(0xff, 0xb3, 0x3b));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(146, 86 + i * 34, i == 2 ? 54 : 76, 16), 8, 8);
    p.end();
    return img;
}

// One image of an .ico file: up to 128 pixels a 32-bit bitmap with its (unused) AND mask, which every
// reader of icons takes; 256 pixels a PNG, as Windows stores its large icons.
static QByteArray iconImage(const QImage& image)
{
    const int s = image.width();
    QByteArray bytes;
    if (s == 256) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows
    out << quint32(40) << qint32(s) << qint32(2 * s) << quint16(1) << quint16(32) << quint32(0)
        << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = s - 1; y >= 0; --y) // bottom row first
        out.writeRawData(reinterpret_cast<const char*>(argb.constScanLine(y)), s * 4);
    const int maskRow = ((s + 31) / 32) * 4;
    bytes.append(QByteArray(maskRow * s, '\0'));
    return bytes;
}

static void writeIco(const QString& path, const QList<int>& sizes)
{
    QList<QByteArray> images;
    for (int s : sizes)
        images.append(iconImage(drawIcon(s)));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size()); // ICONDIR: an icon of n images
    quint32 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] == 256 ? 0 : sizes[i]); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size())
            << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.writeRawData(image.constData(), int(image.size()));
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    drawIcon(256).save("cardisto.png");
    for (int s : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(s);
        QDir().mkpath(folder);
        drawIcon(s).save(folder + QStringLiteral("/com.corvane.Cardisto.png"));
    }
    writeIco(QStringLiteral("windows/cardisto.ico"), {16, 24, 32, 48, 64, 128, 256});
}
