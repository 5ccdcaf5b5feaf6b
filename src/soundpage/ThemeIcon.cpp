#include "ThemeIcon.h"

#include <QPainter>
#include <QPixmap>

namespace orvanta {

QIcon ThemeIcon(const QString &name)
{
    const QIcon themed = QIcon::hasThemeIcon(name)
                             ? QIcon::fromTheme(name)
                             : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
    if (themed.isNull())
        return themed;
    // The style's own disabled look only greys an icon a little, and not every icon at that.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48}) {
        const QPixmap normal = themed.pixmap(size, size);
        QPixmap faded(normal.size());
        faded.setDevicePixelRatio(normal.devicePixelRatio()); // as sharp on a dense screen
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(DisabledIconOpacity);
        painter.drawPixmap(0, 0, normal);
        painter.end();
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(faded, QIcon::Disabled);
    }
    return icon;
}

} // namespace orvanta
