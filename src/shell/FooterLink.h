#pragma once

#include <QLabel>

namespace orvanta {

// The window's footer: the maker's web address, opened in the browser by a click.
class FooterLink : public QLabel
{
    Q_OBJECT
public:
    explicit FooterLink(QWidget *parent = nullptr);
    // Opens the address shown.
    void Panel59Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace orvanta
