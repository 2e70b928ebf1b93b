// makepictures: draws every JPEG picture that Chalkface shows (the activity button faces,
// the logo, the menu background, the title picture and the two mapping arrows), so that
// the run-time data in data/ can be remade from source. All geometry is in 1x pixels;
// --scale draws the same pictures at a higher pixel density for high-density displays.
//
// Usage: makepictures [--scale N] OUTPUT_FOLDER
// writes OUTPUT_FOLDER/Images/*.jpg and OUTPUT_FOLDER/opening/*.jpg; at a scale other than 1
// each name gets the suffix the program looks for ("Images/next@2x.jpg" at scale 2).

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

// Qt writes 4:2:0 JPEGs only; at full quality the flat blues stay within one step of the
// screen blue (the nearest colour a YCbCr JPEG can hold) and edges do not ring.
constexpr int kJpegQuality = 100;

// Colours of the screens the pictures sit on.
const QColor kScreenBlue(49, 135, 215);
const QColor kPanelBlue(49, 135, 214);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

// Chalk lines on the menu background: white at low opacity reads as a lighter blue.
const QColor kFaintChalk(255, 255, 255, 22);
const QColor kChalkSymbol(255, 255, 255, 30);

// Every screen's client area, in pixels.
constexpr QSize kScreenSize(792, 566);

// The main menu shows the logo at Left 480, Top 5760 twips over the background picture.
constexpr QPoint kLogoPosition(32, 384);
constexpr QSize kLogoSize(100, 139);

constexpr QSize kButtonSize(110, 33);
constexpr QSize kTitleSize(320, 240);
constexpr QSize kRuleArrowSize(115, 50);
constexpr QSize kDiagramArrowsSize(160, 216);

// Centres of the five value rows of the mapping diagram, measured from the top of
// mapping3.jpg, and of the x-height of the large "x " beside mapping4.jpg.
constexpr std::array<int, 5> kDiagramRowCentres{8, 58, 109, 159, 208};
constexpr int kRuleArrowCentre = 22;
constexpr qreal kDiagramArrowLeft = 8;
constexpr qreal kDiagramArrowRight = 152;
constexpr qreal kRuleArrowLeft = 10;
constexpr qreal kRuleArrowRight = 104;

QString g_fontFamily;
// Wine's Tahoma Bold is hardly heavier than its regular face; captions drawn with it get a
// thin outline in their own colour so that they read as bold. In 1x pixels.
qreal g_boldOutline = 0;

void chooseFontFamily()
{
    constexpr qreal kWineBoldOutline = 0.8;
    const QStringList tahomaFiles{"/usr/share/wine/fonts/tahoma.ttf",
                                  "/usr/share/wine/fonts/tahomabd.ttf"};
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        for (const QString& file : tahomaFiles) {
            if (QFileInfo::exists(file) && QFontDatabase::addApplicationFont(file) >= 0)
                g_boldOutline = kWineBoldOutline;
        }
    }
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Tahoma", "DejaVu Sans", "Liberation Sans"}) {
        if (families.contains(QString::fromLatin1(family))) {
            g_fontFamily = QString::fromLatin1(family);
            if (g_fontFamily != QLatin1String("Tahoma"))
                g_boldOutline = 0;
            return;
        }
    }
    g_fontFamily = QStringLiteral("Sans Serif");
}

QFont pictureFont(qreal pixelSize, bool bold)
{
    QFont font(g_fontFamily);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

qreal captionWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// Draws text starting at `baseline`; bold text gets the outline above.
void drawTextAt(QPainter& painter, const QPointF& baseline, const QString& text, const QFont& font,
                const QColor& colour)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    painter.save();
    painter.setBrush(colour);
    if (font.bold() && g_boldOutline > 0)
        painter.setPen(QPen(colour, g_boldOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.restore();
}

// Draws a caption with its capital letters centred on `centre`, so that short words sit
// visually in the middle of a button or a board.
void drawCaption(QPainter& painter, const QPointF& centre, const QString& text, const QFont& font,
                 const QColor& colour)
{
    const QFontMetricsF metrics(font);
    drawTextAt(painter,
               QPointF(centre.x() - metrics.horizontalAdvance(text) / 2, centre.y() + metrics.capHeight() / 2),
               text, font, colour);
}

// A picture is drawn in 1x pixel coordinates; the device pixel ratio makes the image
// `scale` times as many pixels across.
QImage makeCanvas(QSize size, qreal scale, const QColor& fill)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

void beginPainting(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// "Images/next.jpg" at scale 2 is saved as "Images/next@2x.jpg".
QString scaledName(const QString& relativePath, qreal scale)
{
    if (scale == 1)
        return relativePath;
    const int dot = relativePath.lastIndexOf(QLatin1Char('.'));
    return relativePath.left(dot) + QStringLiteral("@%1x").arg(scale) + relativePath.mid(dot);
}

bool savePicture(const QImage& image, const QString& folder, const QString& relativePath)
{
    const QString path = QDir(folder).filePath(scaledName(relativePath, image.devicePixelRatio()));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        std::fprintf(stderr, "makepictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// The "maps to" sign: a right-pointing arrow with a bar across its tail. In 1x pixels.
struct ArrowShape {
    qreal thickness;
    qreal barHalfHeight;
    qreal headLength;
    qreal headHalfHeight;
};

constexpr ArrowShape kRuleArrow{4, 9, 16, 10};
constexpr ArrowShape kDiagramArrow{3.5, 6, 13, 7};
constexpr ArrowShape kChalkArrow{3, 6, 10, 7};

void drawMapsToArrow(QPainter& painter, qreal left, qreal right, qreal centreY, const ArrowShape& shape,
                     const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(left, centreY - shape.barHalfHeight, shape.thickness, 2 * shape.barHalfHeight));
    // The shaft runs one pixel into the head so that no seam shows between them.
    const qreal shaftEnd = right - shape.headLength + 1;
    painter.drawRect(QRectF(left, centreY - shape.thickness / 2, shaftEnd - left, shape.thickness));
    const QPolygonF head{QPointF(right - shape.headLength, centreY - shape.headHalfHeight),
                         QPointF(right, centreY),
                         QPointF(right - shape.headLength, centreY + shape.headHalfHeight)};
    painter.drawPolygon(head);
    painter.restore();
}

// ---------------------------------------------------------------------------------------
// Button faces: the whole face of a picture button on the blue control panel.

enum class ButtonIcon { Next, Solution, Exit };

struct ButtonFace {
    const char* file;
    const char* caption;
    ButtonIcon icon;
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
    QColor textShadow;
};

const std::array<ButtonFace, 3> kButtonFaces{{
    {"Images/next.jpg", "Next", ButtonIcon::Next, QColor(104, 186, 98), QColor(52, 132, 58),
     QColor(24, 82, 32), kWhite, QColor(20, 70, 26, 200)},
    {"Images/solution.jpg", "Solution", ButtonIcon::Solution, QColor(255, 214, 92),
     QColor(236, 164, 22), QColor(150, 96, 8), QColor(58, 36, 0), QColor(255, 240, 190, 160)},
    {"Images/exit.jpg", "Exit", ButtonIcon::Exit, QColor(214, 92, 82), QColor(164, 50, 44),
     QColor(100, 24, 20), kWhite, QColor(80, 16, 12, 200)},
}};

// Icons are drawn in a box kIconSize wide, centred on `c`.
constexpr qreal kIconSize = 14;

void drawButtonIcon(QPainter& painter, ButtonIcon icon, const QPointF& c, const QColor& colour)
{
    painter.save();
    const QPen thin(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen thick(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (icon) {
    case ButtonIcon::Next: {
        const QPolygonF triangle{QPointF(c.x() - 5, c.y() - 6.5), QPointF(c.x() + 6, c.y()),
                                 QPointF(c.x() - 5, c.y() + 6.5)};
        painter.setPen(thin);
        painter.setBrush(colour);
        painter.drawPolygon(triangle);
        break;
    }
    case ButtonIcon::Solution: {
        QPainterPath tick;
        tick.moveTo(c.x() - 6, c.y() + 0.5);
        tick.lineTo(c.x() - 1.5, c.y() + 5);
        tick.lineTo(c.x() + 6.5, c.y() - 5.5);
        painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
        break;
    }
    case ButtonIcon::Exit: {
        // A door frame on the right with an arrow leaving it to the left.
        QPainterPath door;
        door.moveTo(c.x() + 1, c.y() - 3.5);
        door.lineTo(c.x() + 1, c.y() - 6.5);
        door.lineTo(c.x() + 7, c.y() - 6.5);
        door.lineTo(c.x() + 7, c.y() + 6.5);
        door.lineTo(c.x() + 1, c.y() + 6.5);
        door.lineTo(c.x() + 1, c.y() + 3.5);
        painter.setPen(thin);
        painter.drawPath(door);
        painter.setPen(thick);
        painter.drawLine(QPointF(c.x() + 4, c.y()), QPointF(c.x() - 6, c.y()));
        painter.drawPolyline(QPolygonF{QPointF(c.x() - 2.5, c.y() - 3.5), QPointF(c.x() - 6.5, c.y()),
                                       QPointF(c.x() - 2.5, c.y() + 3.5)});
        break;
    }
    }
    painter.restore();
}

QImage drawButton(const ButtonFace& face, qreal scale)
{
    constexpr qreal kRadius = 6;
    constexpr qreal kTextPixels = 16;
    constexpr qreal kIconGap = 7;

    QImage image = makeCanvas(kButtonSize, scale, kPanelBlue);
    QPainter painter(&image);
    beginPainting(painter);

    // A soft shadow one pixel down on the panel lifts the face off it.
    const QRectF body(0.5, 0.5, kButtonSize.width() - 1, kButtonSize.height() - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 70, 120, 150));
    painter.drawRoundedRect(body.translated(0, 1), kRadius, kRadius);

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(face.border, 1));
    painter.drawRoundedRect(body, kRadius, kRadius);

    // Highlight along the upper inside edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRoundedRect(body.adjusted(1, 1, -1, -1), kRadius - 1, kRadius - 1);

    // Icon and caption are centred together as one group.
    const QFont font = pictureFont(kTextPixels, true);
    const QString caption = QString::fromUtf8(face.caption);
    const qreal groupWidth = kIconSize + kIconGap + captionWidth(caption, font);
    const qreal left = (kButtonSize.width() - groupWidth) / 2;
    const qreal middle = body.center().y();
    drawButtonIcon(painter, face.icon, QPointF(left + kIconSize / 2, middle), face.text);
    const QPointF textCentre(left + kIconSize + kIconGap + captionWidth(caption, font) / 2, middle);
    drawCaption(painter, textCentre + QPointF(0, 1), caption, font, face.textShadow);
    drawCaption(painter, textCentre, caption, font, face.text);
    return image;
}

// ---------------------------------------------------------------------------------------
// Menu background: the main menu and topic menus stand their yellow text on it, so the
// chalk marks keep clear of the title band, the side menu column and the topic labels.

void drawFaintSymbol(QPainter& painter, const QPointF& at, const QString& symbol, qreal pixels)
{
    painter.setFont(pictureFont(pixels, false));
    painter.setPen(kChalkSymbol);
    painter.drawText(at, symbol);
}

void drawGraphSketch(QPainter& painter)
{
    constexpr QRectF kArea(36, 108, 168, 216);
    constexpr qreal kCell = 24;
    painter.setPen(QPen(kFaintChalk, 1));
    for (qreal x = kArea.left(); x <= kArea.right(); x += kCell)
        painter.drawLine(QPointF(x, kArea.top()), QPointF(x, kArea.bottom()));
    for (qreal y = kArea.top(); y <= kArea.bottom(); y += kCell)
        painter.drawLine(QPointF(kArea.left(), y), QPointF(kArea.right(), y));

    // Axes through a grid point, and a parabola drawn on them.
    const QPointF origin(kArea.left() + 3 * kCell, kArea.top() + 7 * kCell);
    painter.setPen(QPen(QColor(255, 255, 255, 34), 1.5));
    painter.drawLine(QPointF(kArea.left() - 6, origin.y()), QPointF(kArea.right() + 6, origin.y()));
    painter.drawLine(QPointF(origin.x(), kArea.top() - 6), QPointF(origin.x(), kArea.bottom() + 6));
    QPainterPath curve;
    for (int i = 0; i <= 60; ++i) {
        const qreal u = -2.6 + 5.6 * i / 60.0;
        const QPointF point(origin.x() + (u + 1.2) * kCell * 1.15,
                            origin.y() - (u * u - 1.0) * kCell * 0.95);
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 40), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curve);
}

void drawProtractorSketch(QPainter& painter)
{
    constexpr QPointF kCentre(430, 512);
    constexpr qreal kRadius = 84;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1.5));
    const QRectF circle(kCentre.x() - kRadius, kCentre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    painter.drawArc(circle, 0, 180 * 16);
    painter.drawLine(QPointF(kCentre.x() - kRadius - 8, kCentre.y()),
                     QPointF(kCentre.x() + kRadius + 8, kCentre.y()));
    painter.setPen(QPen(kFaintChalk, 1));
    for (int degrees = 10; degrees < 180; degrees += 10) {
        const qreal angle = degrees * M_PI / 180;
        const qreal inner = kRadius - (degrees % 30 == 0 ? 10 : 5);
        painter.drawLine(QPointF(kCentre.x() + inner * std::cos(angle),
                                 kCentre.y() - inner * std::sin(angle)),
                         QPointF(kCentre.x() + kRadius * std::cos(angle),
                                 kCentre.y() - kRadius * std::sin(angle)));
    }
    // An angle of 50 degrees marked on the protractor.
    const qreal angle = 50 * M_PI / 180;
    painter.setPen(QPen(QColor(255, 255, 255, 36), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(kCentre, QPointF(kCentre.x() + (kRadius - 14) * std::cos(angle),
                                      kCentre.y() - (kRadius - 14) * std::sin(angle)));
    painter.drawArc(QRectF(kCentre.x() - 22, kCentre.y() - 22, 44, 44), 0, 50 * 16);
}

void paintMenuBackground(QPainter& painter)
{
    QLinearGradient wash(0, 0, 0, kScreenSize.height());
    wash.setColorAt(0, QColor(60, 147, 225));
    wash.setColorAt(0.7, kScreenBlue);
    wash.setColorAt(1, kScreenBlue);
    painter.fillRect(QRect(QPoint(0, 0), kScreenSize), wash);

    drawGraphSketch(painter);
    drawProtractorSketch(painter);

    struct Symbol {
        QPointF at;
        const char* text;
        qreal pixels;
    };
    // Baseline positions, in the free space around the graph and the protractor.
    const std::array<Symbol, 8> symbols{{
        {{232, 126}, "π", 22},
        {{560, 120}, "√x", 20},
        {{172, 372}, "÷", 22},
        {{602, 442}, "Σ", 22},
        {{110, 92}, "+", 18},
        {{556, 518}, "×", 20},
        {{184, 458}, "a² + b² = c²", 15},
        {{250, 512}, "∞", 20},
    }};
    for (const Symbol& symbol : symbols)
        drawFaintSymbol(painter, symbol.at, QString::fromUtf8(symbol.text), symbol.pixels);
}

QImage drawMenuBackground(qreal scale)
{
    QImage image = makeCanvas(kScreenSize, scale, kScreenBlue);
    QPainter painter(&image);
    beginPainting(painter);
    paintMenuBackground(painter);
    return image;
}

// ---------------------------------------------------------------------------------------
// Chalkboards, for the logo and the title picture.

const QColor kBoardGreen(38, 78, 58);
const QColor kBoardGreenLight(52, 98, 74);
const QColor kWoodLight(186, 132, 78);
const QColor kWoodDark(128, 82, 42);
const QColor kChalk(244, 244, 232);
const QColor kChalkYellow(250, 240, 150);
const QColor kChalkBlue(170, 214, 250);
const QColor kChalkPink(250, 186, 200);

void drawChalkboard(QPainter& painter, const QRectF& outer, qreal frame)
{
    painter.save();
    painter.setPen(QPen(kWoodDark, 1));
    QLinearGradient wood(outer.topLeft(), outer.bottomRight());
    wood.setColorAt(0, kWoodLight);
    wood.setColorAt(1, QColor(160, 108, 60));
    painter.setBrush(wood);
    painter.drawRoundedRect(outer, frame * 0.6, frame * 0.6);

    const QRectF board = outer.adjusted(frame, frame, -frame, -frame);
    QRadialGradient slate(board.center(), board.width() * 0.7);
    slate.setColorAt(0, kBoardGreenLight);
    slate.setColorAt(1, kBoardGreen);
    painter.setBrush(slate);
    painter.setPen(QPen(QColor(90, 56, 26), 1));
    painter.drawRect(board);
    painter.restore();
}

void drawChalkStick(QPainter& painter, const QRectF& stick)
{
    painter.save();
    painter.setPen(QPen(QColor(200, 200, 186), 1));
    painter.setBrush(kChalk);
    painter.drawRoundedRect(stick, stick.height() / 2, stick.height() / 2);
    painter.restore();
}

// Chalk leaves a grainy line: thin the drawn layer's coverage at random before laying it
// on the board. The seed is fixed so that remaking the pictures changes nothing.
// `leastCoverage` (0 to 255) is the most a pixel can lose.
void roughenChalk(QImage& layer, int leastCoverage)
{
    std::mt19937 draws(20240601);
    std::uniform_int_distribution<int> keep(leastCoverage, 255);
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int share = keep(draws);
            const QRgb pixel = line[x];
            line[x] = qRgba(qRed(pixel) * share / 255, qGreen(pixel) * share / 255,
                            qBlue(pixel) * share / 255, qAlpha(pixel) * share / 255);
        }
    }
}

// Runs `drawing` on a transparent layer the size of `image`, roughens it and lays it on.
template <typename Drawing>
void drawInChalk(QPainter& painter, const QImage& image, int leastCoverage, Drawing drawing)
{
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(image.devicePixelRatio());
    layer.fill(Qt::transparent);
    {
        QPainter chalkPainter(&layer);
        beginPainting(chalkPainter);
        drawing(chalkPainter);
    }
    roughenChalk(layer, leastCoverage);
    painter.drawImage(QPointF(0, 0), layer);
}

// ---------------------------------------------------------------------------------------
// Logo: a small chalkboard with a chalked "C" and a stick of chalk on its ledge, the name
// beneath, over the piece of menu background that lies behind it on the main menu.

QImage drawLogo(qreal scale)
{
    const QRectF kBoard(12, 20, 76, 66);
    const QRectF kLedge(8, 85, 84, 6);
    const QRectF kChalkOnLedge(54, 81, 22, 5);
    const QPointF kNameCentre(kLogoSize.width() / 2.0, 111);
    constexpr int kLightGrain = 200;

    QImage image = makeCanvas(kLogoSize, scale, kScreenBlue);
    QPainter painter(&image);
    beginPainting(painter);

    painter.save();
    painter.translate(-kLogoPosition);
    paintMenuBackground(painter);
    painter.restore();

    drawChalkboard(painter, kBoard, 6);
    drawInChalk(painter, image, kLightGrain, [&](QPainter& chalk) {
        drawCaption(chalk, QPointF(kBoard.center().x(), kBoard.center().y() - 2), QStringLiteral("C"),
                    pictureFont(44, true), kChalk);
        chalk.setPen(QPen(kChalk, 2, Qt::SolidLine, Qt::RoundCap));
        chalk.drawLine(QPointF(30, kBoard.bottom() - 13), QPointF(70, kBoard.bottom() - 13));
    });

    painter.setPen(QPen(kWoodDark, 1));
    painter.setBrush(kWoodLight);
    painter.drawRoundedRect(kLedge, 2, 2);
    drawChalkStick(painter, kChalkOnLedge);

    const QFont nameFont = pictureFont(16, true);
    drawCaption(painter, kNameCentre + QPointF(1, 1), QStringLiteral("Chalkface"), nameFont,
                QColor(20, 60, 110, 170));
    drawCaption(painter, kNameCentre, QStringLiteral("Chalkface"), nameFont, kYellow);
    return image;
}

// ---------------------------------------------------------------------------------------
// Title picture: a chalkboard with a few chalk drawings from the program's topics.

void drawMappingSketch(QPainter& painter)
{
    const QFont font = pictureFont(28, true);
    drawTextAt(painter, QPointF(28, 60), QStringLiteral("x"), font, kChalk);
    drawMapsToArrow(painter, 50, 88, 52, kChalkArrow, kChalk);
    drawTextAt(painter, QPointF(96, 60), QStringLiteral("3x + 2"), font, kChalkYellow);
}

void drawHexagonSketch(QPainter& painter)
{
    constexpr QPointF kCentre(258, 62);
    constexpr qreal kRadius = 32;
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = (60 * i) * M_PI / 180;
        hexagon << QPointF(kCentre.x() + kRadius * std::cos(angle), kCentre.y() + kRadius * std::sin(angle));
    }
    painter.setPen(QPen(kChalkBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(hexagon);

    // The interior angle at the lower left corner, between its two sides.
    const QPointF corner = hexagon[2];
    painter.setPen(QPen(kChalkBlue, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(corner.x() - 9, corner.y() - 9, 18, 18), 0, 120 * 16);
    drawCaption(painter, QPointF(kCentre.x() + 2, kCentre.y() + 4), QStringLiteral("120°"),
                pictureFont(13, true), kChalkBlue);
}

void drawParallelLinesSketch(QPainter& painter)
{
    constexpr qreal kMarkX = 50;
    const QLineF upper(QPointF(24, 132), QPointF(156, 132));
    const QLineF lower(QPointF(24, 178), QPointF(156, 178));
    const QLineF transversal(QPointF(66, 200), QPointF(124, 110));
    painter.setPen(QPen(kChalk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(upper);
    painter.drawLine(lower);
    painter.drawLine(transversal);
    // The arrow marks that say the two lines are parallel.
    for (const QLineF& line : {upper, lower}) {
        const QPointF tip(kMarkX, line.y1());
        painter.drawPolyline(QPolygonF{tip + QPointF(-5, -4), tip, tip + QPointF(-5, 4)});
    }

    // The angle above the upper line, right of the transversal.
    QPointF crossing;
    transversal.intersects(upper, &crossing);
    const qreal angle = QLineF(transversal.p1(), transversal.p2()).angle();
    painter.setPen(QPen(kChalkPink, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(crossing.x() - 13, crossing.y() - 13, 26, 26), 0, qRound(angle * 16));
    drawTextAt(painter, crossing + QPointF(15, -6), QStringLiteral("%1°").arg(qRound(angle)),
               pictureFont(14, true), kChalkPink);
}

void drawEstimateSketch(QPainter& painter)
{
    constexpr qreal kCentreX = 234;
    drawCaption(painter, QPointF(kCentreX, 136), QStringLiteral("296.8"), pictureFont(18, true), kChalk);
    drawCaption(painter, QPointF(kCentreX, 170), QString::fromUtf8("≈ 300"), pictureFont(28, true),
                kChalkYellow);
}

QImage drawTitlePicture(qreal scale)
{
    constexpr qreal kFrame = 10;
    constexpr int kBoardGrain = 150;
    QImage image = makeCanvas(kTitleSize, scale, QColor(192, 192, 192));
    QPainter painter(&image);
    beginPainting(painter);
    drawChalkboard(painter, QRectF(0.5, 0.5, kTitleSize.width() - 1, kTitleSize.height() - 1), kFrame);
    drawInChalk(painter, image, kBoardGrain, [](QPainter& chalk) {
        drawMappingSketch(chalk);
        drawHexagonSketch(chalk);
        drawParallelLinesSketch(chalk);
        drawEstimateSketch(chalk);
    });

    // A stick of chalk and a duster on the bottom of the frame.
    drawChalkStick(painter, QRectF(216, 226, 26, 6));
    painter.setPen(QPen(QColor(70, 50, 30), 1));
    painter.setBrush(QColor(96, 70, 46));
    painter.drawRoundedRect(QRectF(252, 224, 34, 9), 2, 2);
    painter.setBrush(QColor(210, 205, 190));
    painter.drawRect(QRectF(252, 230, 34, 3));
    return image;
}

// ---------------------------------------------------------------------------------------
// Mapping arrows, on the plain screen blue of the Mappings screen.

QImage drawRuleArrow(qreal scale)
{
    QImage image = makeCanvas(kRuleArrowSize, scale, kScreenBlue);
    QPainter painter(&image);
    beginPainting(painter);
    drawMapsToArrow(painter, kRuleArrowLeft, kRuleArrowRight, kRuleArrowCentre, kRuleArrow, kWhite);
    return image;
}

QImage drawDiagramArrows(qreal scale)
{
    QImage image = makeCanvas(kDiagramArrowsSize, scale, kScreenBlue);
    QPainter painter(&image);
    beginPainting(painter);
    for (int centre : kDiagramRowCentres)
        drawMapsToArrow(painter, kDiagramArrowLeft, kDiagramArrowRight, centre, kDiagramArrow, kWhite);
    return image;
}

int usage()
{
    std::fprintf(stderr, "usage: makepictures [--scale N] OUTPUT_FOLDER\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    qreal scale = 1;
    QString folder;
    const QStringList arguments = app.arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--scale") && i + 1 < arguments.size()) {
            bool ok = false;
            scale = arguments[++i].toDouble(&ok);
            if (!ok || scale <= 0 || scale > 8)
                return usage();
        } else if (folder.isEmpty() && !arguments[i].startsWith(QLatin1Char('-'))) {
            folder = arguments[i];
        } else {
            return usage();
        }
    }
    if (folder.isEmpty())
        return usage();

    chooseFontFamily();

    bool ok = true;
    for (const ButtonFace& face : kButtonFaces)
        ok &= savePicture(drawButton(face, scale), folder, QString::fromLatin1(face.file));
    ok &= savePicture(drawLogo(scale), folder, QStringLiteral("Images/logo2.jpg"));
    ok &= savePicture(drawMenuBackground(scale), folder, QStringLiteral("Images/orvanta3.jpg"));
    ok &= savePicture(drawTitlePicture(scale), folder, QStringLiteral("opening/orvan300.jpg"));
    ok &= savePicture(drawRuleArrow(scale), folder, QStringLiteral("Images/mapping4.jpg"));
    ok &= savePicture(drawDiagramArrows(scale), folder, QStringLiteral("Images/mapping3.jpg"));
    std::printf("makepictures: %s pictures at scale %g in %s (font %s)\n", ok ? "wrote" : "FAILED writing",
                scale, qPrintable(folder), qPrintable(g_fontFamily));
    return ok ? 0 : 1;
}
