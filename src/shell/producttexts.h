// The product's own wording: its title, credits and publisher.
#pragma once

#include <QString>

namespace shell::product {

inline const QString title = QStringLiteral("Chalkface");
inline const QString titleScreenTitle = QStringLiteral("Chalkface\nClassroom Maths");
inline const QString credits = QStringLiteral("Written by\nthe Chalkface developers");
inline const QString publisher = QStringLiteral("The Chalkface Project");
inline const QString notice = QStringLiteral("\u00A9 2026 The Chalkface Project");

} // namespace shell::product
