// The product's own wording: its title, credits, publisher and web address.
#pragma once

#include <QString>

namespace shell::product {

inline const QString title = QStringLiteral("Chalkface");
inline const QString titleScreenTitle = QStringLiteral("Chalkface\nClassroom Maths");
inline const QString credits = QStringLiteral("Written by\nthe Chalkface developers");
inline const QString publisher = QStringLiteral("The Chalkface Project");
inline const QString notice = QStringLiteral("\u00A9 2026 The Chalkface Project");
inline const QString webAddressText = QStringLiteral("chalkface.example.org");
inline const QString webAddress = QStringLiteral("https://chalkface.example.org/");

} // namespace shell::product
