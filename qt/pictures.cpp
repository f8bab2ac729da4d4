#include "qt/pictures.h"

#include <QPainter>
#include <QtMath>

#include <cmath>
#include <utility>

namespace quillbat::qt {

QPixmap baseballPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal edge = size / 32.0;
    QRectF ball(edge, edge, size - 2 * edge, size - 2 * edge);
    painter.setPen(QPen(QColor(120, 120, 120), edge));
    painter.setBrush(QColor(250, 248, 240));
    painter.drawEllipse(ball);

    // The two seams curve in from the left and the right side of the ball.
    painter.setPen(QPen(QColor(200, 30, 30), edge * 1.2));
    painter.setBrush(Qt::NoBrush);
    const qreal w = ball.width();
    QRectF left(ball.left() - w * 0.55, ball.top() + w * 0.08, w * 0.8, w * 0.84);
    QRectF right(ball.right() - w * 0.25, ball.top() + w * 0.08, w * 0.8, w * 0.84);
    painter.drawArc(left, -55 * 16, 110 * 16);
    painter.drawArc(right, 125 * 16, 110 * 16);

    // Short stitches cross each seam along the radius of its arc.
    painter.setPen(QPen(QColor(200, 30, 30), edge * 0.8));
    for (const auto& [arc, from] : {std::pair{left, -50.0}, std::pair{right, 130.0}}) {
        for (int i = 0; i <= 10; ++i) {
            qreal radians = qDegreesToRadians(from + i * 10.0);
            QPointF direction(std::cos(radians), -std::sin(radians));
            QPointF onSeam = arc.center() + QPointF(direction.x() * arc.width() / 2,
                                                    direction.y() * arc.height() / 2);
            painter.drawLine(onSeam - direction * w * 0.03, onSeam + direction * w * 0.03);
        }
    }
    return picture;
}

}  // namespace quillbat::qt
