// Draws the application icon, cardisto.png: a contact card with the lines taken out of it.
// Build and run by hand when the icon should change:
//   g++ -std=c++20 -fPIC draw_icon.cpp -o draw_icon $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen ./draw_icon
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int s = 256;
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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
    img.save("cardisto.png");
}
