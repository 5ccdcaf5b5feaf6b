#pragma once

#include <QIcon>
#include <QString>

namespace orvanta {

// The desktop icon theme's icon of that name, or the tool's own drawing of it when the theme has
// none. A disabled button draws it at less than half opacity, so that it is plain at a glance
// which buttons can act.
QIcon ThemeIcon(const QString &name);

// The opacity of a disabled button's icon.
constexpr double DisabledIconOpacity = 0.4;

} // namespace orvanta
