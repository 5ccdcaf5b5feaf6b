#include "ThemeIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace orvanta {

namespace {

// An icon drawn as it is, and at DisabledIconOpacity when disabled: the style's own disabled
// look only greys an icon a little, and not every icon at that. Each picture is made when it is
// first asked for, at the size and density asked.
class FadedWhenDisabled : public QIconEngine
{
public:
    explicit FadedWhenDisabled(QIcon icon)
        : m_icon(std::move(icon))
    {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Disabled)
            return m_icon.pixmap(size, 1.0, mode, state);
        const QPixmap normal = m_icon.pixmap(size, 1.0, QIcon::Normal, state);
        QPixmap faded(normal.size());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(DisabledIconOpacity);
        painter.drawPixmap(0, 0, normal);
        return faded;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap(rect.size() * scale, mode, state);
        picture.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), picture);
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State state) override
    {
        return m_icon.actualSize(size, QIcon::Normal, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State state) override
    {
        return m_icon.availableSizes(QIcon::Normal, state);
    }
    QIconEngine *clone() const override { return new FadedWhenDisabled(m_icon); }

private:
    QIcon m_icon;
};

} // namespace

QIcon ThemeIcon(const QString &name)
{
    const QIcon themed = QIcon::hasThemeIcon(name)
                             ? QIcon::fromTheme(name)
                             : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
    return themed.isNull() ? themed : QIcon(new FadedWhenDisabled(themed));
}

} // namespace orvanta
