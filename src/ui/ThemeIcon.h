#pragma once
// Icons of the platform's icon theme, looked up when first drawn instead of
// when made: the theme search costs the program's start several
// milliseconds, before any window shows.
#include <QIcon>
#include <QString>
#include <functional>

namespace dudode {

// The theme's icon of that name, or fallback() where the theme has none.
QIcon ThemeIcon(const QString& name, std::function<QIcon()> fallback);

}  // namespace dudode
