// Every picture the screens load, by the names the screens give them.
#pragma once

#include <QStringList>

namespace testing_support {

inline const QStringList kAllPictures{
    QStringLiteral("opening\\orvan300.jpg"), QStringLiteral("Images\\logo2.jpg"),
    QStringLiteral("Images\\orvanta3.jpg"),  QStringLiteral("Images\\exit.jpg"),
    QStringLiteral("Images\\next.jpg"),      QStringLiteral("Images\\solution.jpg"),
    QStringLiteral("Images\\mapping3.jpg"),  QStringLiteral("Images\\mapping4.jpg"),
};

} // namespace testing_support
