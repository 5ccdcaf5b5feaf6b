#include "FooterLink.h"

#include "dialogs/LiveText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#ifndef ORVANTA_WEB_ADDRESS
#define ORVANTA_WEB_ADDRESS "https://orvanta.example/"
#endif

namespace orvanta {

FooterLink::FooterLink(QWidget *parent)
    : QLabel(QStringLiteral(ORVANTA_WEB_ADDRESS), parent)
{
    setObjectName(QStringLiteral("Panel59"));
    setFixedHeight(26);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    setCursor(Qt::PointingHandCursor);
    KeepTranslated(this, [this] {
        setToolTip(tr("Orvanta Config %1\nНастройка охранной панели \"Orvanta\": "
                      "связь по последовательному порту, настройки, голосовые "
                      "сообщения.\nЗапуск с параметром DEBUG — режим отладки; "
                      "orvanta-config --help — подсказка.")
                       .arg(QCoreApplication::applicationVersion()));
    });
}

void FooterLink::Panel59Click()
{
    QDesktopServices::openUrl(QUrl(text()));
}

void FooterLink::mousePressEvent(QMouseEvent *event)
{
    Panel59Click();
    QLabel::mousePressEvent(event);
}

} // namespace orvanta
