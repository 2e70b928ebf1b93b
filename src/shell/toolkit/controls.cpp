#include "shell/toolkit/controls.h"

#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/stackedfractions.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace shell {
namespace {

// Controls handle their own mouse moves: a move over a control is never a move over the bare
// background of its screen.
void setUpControl(QWidget* widget, const QString& name)
{
    widget->setObjectName(name);
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}

} // namespace

// A width in pixels for borders and offsets designed one pixel wide, never thinner than a pixel.
int scaledPixels(int designPixels, double scale)
{
    return std::max(1, static_cast<int>(std::lround(designPixels * scale)));
}

QFont makeFont(const FontSpec& fontSpec, double scale)
{
    QFont font(QString::fromLatin1(fontSpec.family));
    font.setPixelSize(static_cast<int>(std::lround(fontSpec.points * 96.0 / 72.0 * scale)));
    font.setBold(fontSpec.bold);
    font.setUnderline(fontSpec.underline);
    return font;
}

TextMetrics designMetrics(const QFont& font)
{
    static QHash<QString, TextMetrics> cache;
    const QString key = font.key();
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    const QFontMetrics metrics(font);
    TextMetrics result{metrics.ascent(), metrics.descent()};
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() >= 78 && head.size() >= 20) {
        const auto word = [](const QByteArray& table, int offset) {
            return qFromBigEndian<quint16>(table.constData() + offset);
        };
        const double unitsPerEm = word(head, 18);
        if (unitsPerEm > 0) {
            const double pixels = font.pixelSize() > 0 ? font.pixelSize() : metrics.height();
            result.ascent = static_cast<int>(std::lround(word(os2, 74) * pixels / unitsPerEm));
            result.descent = static_cast<int>(std::lround(word(os2, 76) * pixels / unitsPerEm));
        }
    }
    cache.insert(key, result);
    return result;
}

void fire(const Handler& handler)
{
    if (!handler)
        return;
    const Handler copy = handler;
    runGuarded(copy);
}

// --- TwipGeometry -------------------------------------------------------------------------

TwipGeometry::TwipGeometry(QWidget* widget)
    : m_widget(widget)
{
}

void TwipGeometry::setLeftTwips(double left)
{
    m_left = left;
    applyGeometry();
}

void TwipGeometry::setTopTwips(double top)
{
    m_top = top;
    applyGeometry();
}

void TwipGeometry::setWidthTwips(double width)
{
    m_width = width;
    applyGeometry();
}

void TwipGeometry::setHeightTwips(double height)
{
    m_height = height;
    applyGeometry();
}

void TwipGeometry::moveTwips(double left, double top)
{
    m_left = left;
    m_top = top;
    applyGeometry();
}

void TwipGeometry::setTwipGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void TwipGeometry::applyGeometry()
{
    const double s = scale();
    if (s == 1) {
        m_widget->setGeometry(toPixels(m_left, s), toPixels(m_top, s), std::max(0, toPixels(m_width, s)),
                              std::max(0, toPixels(m_height, s)));
        return;
    }
    // Scaled, edges are rounded to pixels where they stand on the screen, not within their
    // container, so that a control ending where its frame or the screen ends does so on the
    // display too.
    double originLeft = 0;
    double originTop = 0;
    for (const QWidget* w = m_widget->parentWidget(); w; w = w->parentWidget()) {
        const auto* container = dynamic_cast<const TwipGeometry*>(w);
        if (!container)
            break;
        originLeft += container->m_left;
        originTop += container->m_top;
    }
    const auto edge = [s](double origin, double twips) {
        return toPixels(origin + twips, s) - toPixels(origin, s);
    };
    const int left = edge(originLeft, m_left);
    const int top = edge(originTop, m_top);
    m_widget->setGeometry(left, top, std::max(0, edge(originLeft, m_left + m_width) - left),
                          std::max(0, edge(originTop, m_top + m_height) - top));
}

// --- Label --------------------------------------------------------------------------------

Label::Label(QWidget* container, const QString& name)
    : QLabel(container)
    , TwipGeometry(this)
{
    setUpControl(this, name);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAlign(Align::Left);
    setWrap(true);
    setFontSpec(m_fontSpec);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToText();
}

void Label::setForeColor(Rgb colour)
{
    setPaletteColour(this, QPalette::WindowText, colour);
}

void Label::setBackColor(Rgb colour)
{
    setPaletteColour(this, QPalette::Window, colour);
}

void Label::setOpaque(bool opaque)
{
    if (opaque == autoFillBackground())
        return;
    setAutoFillBackground(opaque);
    update();
}

void Label::setAlign(Align align)
{
    m_align = align;
    const Qt::Alignment horizontal = align == Align::Centre  ? Qt::AlignHCenter
                                     : align == Align::Right ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::setFontSpec(const FontSpec& fontSpec)
{
    m_fontSpec = fontSpec;
    const QFont font = makeFont(fontSpec, scale());
    setFont(font);
    // Text starts where the design metrics put it, not higher.
    const TextMetrics design = designMetrics(font);
    setContentsMargins(0, std::max(0, design.ascent - QFontMetrics(font).ascent()), 0, 0);
    fitToText();
}

void Label::setFontPoints(double points)
{
    FontSpec resized = m_fontSpec;
    resized.points = points;
    setFontSpec(resized);
}

void Label::applyScale()
{
    setFontSpec(m_fontSpec);
    applyGeometry();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void Label::setWrap(bool wrap)
{
    m_wrap = wrap;
    fitToText();
}

void Label::setStackedFractions(bool stacked)
{
    m_stackedFractions = stacked;
    fitToText();
    update();
}

bool Label::drawsStackedFractions() const
{
    return m_stackedFractions && hasFraction(text());
}

StackedFractionText Label::stackedText() const
{
    return StackedFractionText(text(), font(), contentsRect().width(), wordWrap());
}

void Label::fitToText()
{
    // Without sizing to the text a label always wraps within its width.
    setWordWrap(m_wrap || !m_autoSize);
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    const TextMetrics design = designMetrics(font());
    // The design line height, plus whatever Qt's own layout of further lines adds.
    const int lineHeight = design.ascent + design.descent;
    const auto heightFor = [&](int qtHeight) {
        return lineHeight + std::max(0, qtHeight - metrics.height());
    };
    const double s = scale();
    if (drawsStackedFractions()) {
        const QSizeF size = stackedText().size();
        const int height = heightFor(static_cast<int>(std::ceil(size.height())));
        if (m_wrap)
            setHeightTwips(toTwips(height, s));
        else
            setTwipGeometry(leftTwips(), topTwips(), toTwips(static_cast<int>(std::ceil(size.width())), s),
                            toTwips(height, s));
        return;
    }
    if (m_wrap) {
        const QRect bounds =
            metrics.boundingRect(QRect(0, 0, std::max(1, toPixels(widthTwips(), s)), 1 << 20),
                                 Qt::TextWordWrap | alignment(), text());
        setHeightTwips(toTwips(heightFor(bounds.height()), s));
    } else {
        const QSize size = metrics.size(0, text());
        setTwipGeometry(leftTwips(), topTwips(), toTwips(size.width(), s),
                        toTwips(heightFor(size.height()), s));
    }
}

Label* Label::copyHidden(const QString& name) const
{
    auto* copy = new Label(parentWidget(), name);
    copy->setVisible(false);
    copy->setPalette(palette());
    copy->setAutoFillBackground(autoFillBackground());
    copy->setAlign(m_align);
    copy->m_autoSize = m_autoSize;
    copy->setWrap(m_wrap);
    copy->m_stackedFractions = m_stackedFractions;
    copy->setFontSpec(m_fontSpec);
    copy->setEnabled(isEnabled());
    copy->setTwipGeometry(leftTwips(), topTwips(), widthTwips(), heightTwips());
    copy->setCaption(text());
    return copy;
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        press();
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    fire(onMouseMove);
}

void Label::setOnClick(Handler handler, ClickKind kind)
{
    m_onClick = std::move(handler);
    m_clickKind = kind;
    if (kind == ClickKind::Link)
        setCursor(Qt::PointingHandCursor);
    updateFocusPolicy();
}

void Label::press()
{
    fire(m_onClick);
}

void Label::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    updateFocusPolicy();
}

void Label::updateFocusPolicy()
{
    setFocusPolicy(isClickable() && m_tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (!isClickable()) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            press();
        event->accept();
        break;
    default:
        // The arrow keys go on to the screen, which moves the focus.
        QLabel::keyPressEvent(event);
    }
}

void Label::paintEvent(QPaintEvent* event)
{
    // The focus mark: the label's background, whether or not the mouse has highlighted it, and
    // an outline in its text colour, which shows on labels that are always opaque.
    const bool focusMark = hasFocus();
    if (focusMark)
        QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
    if (drawsStackedFractions()) {
        QPainter painter(this);
        stackedText().draw(painter, contentsRect().topLeft(), palette().color(QPalette::WindowText), alignment());
    } else {
        QLabel::paintEvent(event);
    }
    if (focusMark) {
        // Three pixels wide, to be seen on a projector across the room.
        constexpr double penPixels = 3;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), penPixels));
        const double inset = penPixels / 2;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

Label* makeLabel(QWidget* container, const QString& name, const TwipRect& place, const LabelStyle& style,
                 const QString& caption)
{
    auto* label = new Label(container, name);
    label->setTwipGeometry(place);
    label->setFontSpec(style.font);
    label->setForeColor(style.colour);
    label->setAlign(style.align);
    if (style.autoSize) {
        label->setAutoSize(true);
        label->setWrap(false);
    }
    label->setCaption(caption);
    return label;
}

void setFocusOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

// --- LabelArray ---------------------------------------------------------------------------

LabelArray::LabelArray(QWidget* container, const QString& name)
    : m_container(container)
    , m_name(name)
{
}

QString LabelArray::elementName(int index) const
{
    return QStringLiteral("%1(%2)").arg(m_name).arg(index);
}

Label* LabelArray::add(int index)
{
    return add(index, m_container);
}

Label* LabelArray::add(int index, QWidget* container)
{
    auto* label = new Label(container, elementName(index));
    connect(index, label);
    return label;
}

Label* LabelArray::load(int index)
{
    Label* label = (*this)[0]->copyHidden(elementName(index));
    connect(index, label);
    return label;
}

Label* LabelArray::operator[](int index) const
{
    const auto it = m_elements.find(index);
    return it == m_elements.end() ? nullptr : it->second;
}

QList<QWidget*> LabelArray::elements() const
{
    QList<QWidget*> elements;
    for (const auto& [index, label] : m_elements)
        elements << label;
    return elements;
}

void LabelArray::setOnClick(IndexHandler handler, ClickKind kind)
{
    m_onClick = std::move(handler);
    m_clickKind = kind;
    for (const auto& [index, label] : m_elements)
        connect(index, label);
}

void LabelArray::connect(int index, Label* label)
{
    m_elements[index] = label;
    if (m_onClick)
        label->setOnClick([this, index] { m_onClick(index); }, m_clickKind);
    label->onMouseMove = [this, index] {
        if (onMouseMove)
            onMouseMove(index);
    };
}

// --- Frame --------------------------------------------------------------------------------

Frame::Frame(QWidget* container, const QString& name)
    : QWidget(container)
    , TwipGeometry(this)
{
    setUpControl(this, name);
    setMouseTracking(true);
    setFontSpec({});
}

void Frame::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void Frame::setBackColor(Rgb colour)
{
    m_backColor = colour;
    update();
}

void Frame::setForeColor(Rgb colour)
{
    m_foreColor = colour;
    update();
}

void Frame::setFontSpec(const FontSpec& fontSpec)
{
    m_fontSpec = fontSpec;
    setFont(makeFont(fontSpec, scale()));
    update();
}

void Frame::applyScale()
{
    setFontSpec(m_fontSpec);
    applyGeometry();
}

void Frame::setBorder(bool border)
{
    m_border = border;
    update();
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (!m_border)
        return;
    // An etched outline whose top runs through the middle of the caption: a grey line and a white
    // one beside it, each a design pixel wide.
    const double s = scale();
    const int line = scaledPixels(1, s);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect outline(0, top, width() - 2 * line, height() - top - 2 * line);
    const auto edge = [&](const QRect& r, const QColor& colour) {
        painter.fillRect(r.x(), r.y(), r.width(), line, colour);
        painter.fillRect(r.x(), r.y(), line, r.height(), colour);
        painter.fillRect(r.x(), r.bottom() + 1 - line, r.width(), line, colour);
        painter.fillRect(r.right() + 1 - line, r.y(), line, r.height(), colour);
    };
    edge(outline.adjusted(0, 0, line, line), QColor(128, 128, 128));
    edge(outline.adjusted(line, line, 2 * line, 2 * line), Qt::white);
    if (m_caption.isEmpty())
        return;
    const int captionLeft = scaledPixels(7, s);
    const QRect captionRect(captionLeft, 0, metrics.horizontalAdvance(m_caption) + scaledPixels(4, s),
                            metrics.height());
    painter.fillRect(captionRect, toQColor(m_backColor));
    painter.setPen(toQColor(m_foreColor));
    painter.drawText(captionRect, Qt::AlignCenter, m_caption);
}

void Frame::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

Frame* makeFrame(QWidget* container, const QString& name, const TwipRect& place, const FontSpec& font,
                 Rgb captionColour, const QString& caption)
{
    auto* frame = new Frame(container, name);
    frame->setTwipGeometry(place);
    frame->setFontSpec(font);
    frame->setForeColor(captionColour);
    frame->setCaption(caption);
    return frame;
}

// --- OptionButton -------------------------------------------------------------------------

OptionButton::OptionButton(QWidget* container, const QString& name, const QString& caption)
    : QRadioButton(caption, container)
    , TwipGeometry(this)
{
    setUpControl(this, name);
    setAutoFillBackground(true);
    setFontSpec({});
    // Qt's own exclusion also reaches option buttons inside frames within the container, and then
    // a click on the chosen option can leave none chosen; one group per container keeps it to
    // this container's own options.
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr)
        group = new QButtonGroup(container);
    group->addButton(this);
    QObject::connect(this, &QRadioButton::clicked, this, [this] { fire(onClick); });
}

void OptionButton::setForeColor(Rgb colour)
{
    setPaletteColour(this, QPalette::WindowText, colour);
}

void OptionButton::setBackColor(Rgb colour)
{
    // Buttons fill their background with the Button role.
    setPaletteColour(this, QPalette::Window, colour);
    setPaletteColour(this, QPalette::Button, colour);
}

void OptionButton::setFontSpec(const FontSpec& fontSpec)
{
    m_fontSpec = fontSpec;
    setFont(makeFont(fontSpec, scale()));
}

void OptionButton::applyScale()
{
    setFontSpec(m_fontSpec);
    applyGeometry();
}

void OptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().color(backgroundRole()));

    // The caption may use the control's whole height, on as many lines as it needs.
    QRect text = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    text.setTop(0);
    text.setBottom(height() - 1);
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);

    // The style's circle and the gap after it are in design pixels: scaled, still centred.
    if (const double s = scale(); s != 1) {
        const auto scaled = [s](int designPixels) { return static_cast<int>(std::lround(designPixels * s)); };
        const QSize size(scaled(indicator.width()), scaled(indicator.height()));
        indicator = QRect(QPoint(scaled(indicator.left()), (height() - size.height()) / 2), size);
        text.setLeft(scaled(text.left()));
    }
    option.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, this->text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            painter.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, this->text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// --- CommandButton ------------------------------------------------------------------------

CommandButton::CommandButton(QWidget* container, const QString& name, const QString& caption)
    : QPushButton(caption, container)
    , TwipGeometry(this)
{
    setUpControl(this, name);
    // Enter on a focused button presses it, as Space does.
    setAutoDefault(true);
    setFontSpec({"Tahoma", 8.25});
    QObject::connect(this, &QPushButton::clicked, this, [this] { fire(onClick); });
}

void CommandButton::setPicture(const QPixmap& picture)
{
    m_picture = pictureForScale(picture, scale());
    update();
}

void CommandButton::setBackColor(Rgb colour)
{
    setPaletteColour(this, QPalette::Button, colour);
}

void CommandButton::setFontSpec(const FontSpec& fontSpec)
{
    m_fontSpec = fontSpec;
    setFont(makeFont(fontSpec, scale()));
}

void CommandButton::applyScale()
{
    setFontSpec(m_fontSpec);
    setPicture(m_picture);
    applyGeometry();
}

void CommandButton::setTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    // The picture is the whole face; a pressed button sinks by a design pixel and darkens.
    QPainter painter(this);
    const bool down = isDown();
    const double s = scale();
    const QPixmap face = scaledPicture(m_picture, s, devicePixelRatioF());
    const QSize size = face.deviceIndependentSize().toSize();
    QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (down)
        origin += QPoint(scaledPixels(1, s), scaledPixels(1, s));
    if (!isEnabled())
        painter.setOpacity(0.5);
    painter.drawPixmap(origin, face);
    if (down)
        painter.fillRect(rect(), QColor(0, 0, 0, 60));
}

// --- PictureBox ---------------------------------------------------------------------------

PictureBox::PictureBox(QWidget* container, const QString& name, Fit fit)
    : QWidget(container)
    , TwipGeometry(this)
    , m_fit(fit)
{
    setUpControl(this, name);
    setMouseTracking(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = pictureForScale(picture, scale());
    if (m_fit == Fit::SizeToPicture && !picture.isNull()) {
        // The picture's own size is in design pixels.
        const QSize size = picture.deviceIndependentSize().toSize();
        setTwipGeometry(leftTwips(), topTwips(), toTwips(size.width(), 1), toTwips(size.height(), 1));
    }
    update();
}

void PictureBox::applyScale()
{
    setPicture(m_picture);
    applyGeometry();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_fit == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    } else {
        painter.drawPixmap(0, 0, scaledPicture(m_picture, scale(), devicePixelRatioF()));
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

// --- LineControl --------------------------------------------------------------------------

LineControl::LineControl(QWidget* container, const QString& name, PointTwips from, PointTwips to, Rgb colour,
                         int widthPixels)
    : QWidget(container)
    , m_from(from)
    , m_to(to)
    , m_colour(colour)
    , m_width(widthPixels)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setEnds(PointTwips from, PointTwips to)
{
    m_from = from;
    m_to = to;
    place();
}

void LineControl::setColour(Rgb colour)
{
    m_colour = colour;
    update();
}

void LineControl::setWidthPixels(int width)
{
    m_width = width;
    place();
}

void LineControl::place()
{
    // The widget covers the line's bounding box plus room for the pen's width and round caps.
    const double s = scaleOf(this);
    const QPointF a = toPixelPoint(m_from, s);
    const QPointF b = toPixelPoint(m_to, s);
    const int margin = static_cast<int>(std::ceil(toPixelWidth(m_width, s) / 2)) + 2;
    const QRect box = QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = scaleOf(this);
    painter.setPen(QPen(toQColor(m_colour), toPixelWidth(m_width, s), Qt::SolidLine, Qt::RoundCap));
    const QPointF offset = pos();
    painter.drawLine(toPixelPoint(m_from, s) - offset, toPixelPoint(m_to, s) - offset);
}

// --- Timer --------------------------------------------------------------------------------

Timer::Timer(QObject* owner, const QString& name, int intervalMs)
    : QObject(owner)
{
    setObjectName(name);
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { fire(onTick); });
}

void Timer::setEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace shell
