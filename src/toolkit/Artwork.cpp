#include "Artwork.h"

#include <QDirIterator>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Violet(0x5b, 0x3f, 0xa8);
const QColor LightViolet(0x9b, 0x86, 0xe0);
const QColor Stem(0x3c, 0x7a, 0x3c);
const QColor Case(0x3a, 0x3f, 0x4a);
const QColor Screen(0xb8, 0xd8, 0xa8);

// A spike of small flowers along a stem, from bottom to top.
void paintLarkspur(QPainter& painter, QPointF base, qreal height, qreal flower)
{
    painter.setPen(QPen(Stem, std::max<qreal>(1, flower / 4)));
    painter.drawLine(base, base - QPointF(0, height));
    painter.setPen(Qt::NoPen);
    const int count = 7;
    for (int i = 0; i < count; ++i) {
        const qreal along = height * (0.25 + 0.75 * i / count);
        const qreal size = flower * (1.0 - 0.5 * i / count);
        const qreal side = (i % 2 == 0 ? -1 : 1) * size * 0.55;
        const QPointF centre = base - QPointF(-side, along);
        painter.setBrush(i % 3 == 0 ? LightViolet : Violet);
        for (int petal = 0; petal < 5; ++petal) {
            painter.save();
            painter.translate(centre);
            painter.rotate(72 * petal);
            painter.drawEllipse(QRectF(-size * 0.18, -size * 0.5, size * 0.36, size * 0.5));
            painter.restore();
        }
        painter.setBrush(QColor(0xf4, 0xe0, 0x6a));
        painter.drawEllipse(centre, size * 0.12, size * 0.12);
    }
}

// An icon drawn in 16 x 16 units by `paint`, scaled to whatever it is drawn at, so that a
// screen of a higher pixel ratio gets more pixels rather than bigger ones.
class PaintedIcon : public QIconEngine {
public:
    explicit PaintedIcon(void (*paint)(QPainter&))
        : m_paint(paint)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        painter->setRenderHint(QPainter::Antialiasing);
        m_paint(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIcon(m_paint); }

private:
    void (*m_paint)(QPainter&);
};

void paintDocumentWindowIcon(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    painter.setPen(QPen(Case, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setPen(QPen(Violet, 1));
    for (int y = 6; y <= 12; y += 3)
        painter.drawLine(QPointF(5, y), QPointF(11, y));
}

} // namespace

QPixmap splashPicture(qreal ratio)
{
    const QRect area(0, 0, 207, 254);
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 254);
    sky.setColorAt(0, QColor(0xe8, 0xe4, 0xf8));
    sky.setColorAt(1, QColor(0xfb, 0xfa, 0xff));
    painter.fillRect(area, sky);

    // The handheld: a case, a screen with a few lines of code, and keys.
    const QRectF body(18, 70, 110, 170);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Case);
    painter.drawRoundedRect(body, 14, 14);
    const QRectF screen(30, 84, 86, 70);
    painter.setBrush(Screen);
    painter.drawRoundedRect(screen, 4, 4);
    painter.setPen(QPen(QColor(0x2e, 0x4a, 0x2e), 2));
    const qreal lines[] = {52, 38, 60, 30, 46};
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(38 + (i % 2) * 6, 95 + i * 11),
                         QPointF(38 + (i % 2) * 6 + lines[i], 95 + i * 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0xd4, 0xdc));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.drawRoundedRect(QRectF(32 + column * 21, 170 + row * 20, 15, 12), 3, 3);
    }

    paintLarkspur(painter, QPointF(165, 246), 215, 26);
    return picture;
}

QIcon mainWindowIcon()
{
    QIcon icon;
    for (QDirIterator file(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                           QDirIterator::Subdirectories);
         file.hasNext();)
        icon.addFile(file.next());
    return icon;
}

QIcon documentWindowIcon()
{
    return QIcon(new PaintedIcon(paintDocumentWindowIcon));
}
