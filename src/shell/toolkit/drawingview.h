// A drawing surface over a whole screen, under its controls: it paints a Drawing given in twips
// and lets every click through to what lies beneath. It keeps the size of its container.
#pragma once

#include "shell/core/drawing.h"

#include <QWidget>

namespace shell {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    DrawingView(QWidget* container, const QString& name);

    void setDrawing(Drawing drawing);
    const Drawing& drawing() const { return m_drawing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing m_drawing;
};

} // namespace shell
