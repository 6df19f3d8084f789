#pragma once
// The toolkit window behind a View: a scroll area whose viewport shows the view's
// surface and passes pointer, keyboard, timer and scroll-bar events to it.
// Only the platform layer includes this header.
#include <QAbstractScrollArea>

namespace velk {

class View;

class ViewHost : public QAbstractScrollArea {
public:
    explicit ViewHost(View* view, QWidget* parent = nullptr);
    ~ViewHost() override;

    View* view() const { return m_view; }
    void detachView() { m_view = nullptr; }

    void requestPaint();
    void showSurface();
    int startHostTimer(int periodMs);
    void stopHostTimer(int hostTimer);
    void updateScrollBars();
    void applyCursor();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void onBarAction(bool vertical, int action);
    void onBarReleased(bool vertical);
    View* m_view;
    bool m_paintPosted = false;
    bool m_syncingBars = false;
};

}  // namespace velk
