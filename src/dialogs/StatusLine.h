#pragma once

#include <QLabel>
#include <QPainter>

namespace orvanta {

// One line of text that keeps its place and height whatever it says, and while it says nothing:
// the list below it never moves under the mouse. A longer text ends in "…", whole in the tooltip.
class StatusLine : public QLabel
{
public:
    StatusLine()
    {
        QSizePolicy policy = sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        setSizePolicy(policy);
    }
    void say(const QString &text)
    {
        setText(text);
        setToolTip(text);
        setVisible(!text.isEmpty());
    }
    QSize sizeHint() const override { return {0, fontMetrics().height()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

} // namespace orvanta
