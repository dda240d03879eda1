// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <cmath>
#include <optional>
#include <vector>

namespace {

// What a control is at 100 %, kept beside it for as long as it lives.
struct ActualSize {
    std::optional<QRect> geometry;
    std::optional<qreal> points; // a font of its own, in points
    std::optional<int> pixels;   // or in pixels
    int margin = 0;              // a label's
    std::optional<QSize> size;   // the content view's
};
QHash<const QWidget*, ActualSize> g_actual;

ActualSize& actualOf(const QWidget* widget)
{
    auto it = g_actual.find(widget);
    if (it == g_actual.end()) {
        QObject::connect(widget, &QObject::destroyed, [widget] { g_actual.remove(widget); });
        it = g_actual.insert(widget, {});
    }
    return *it;
}

const ActualSize* knownOf(const QWidget* widget)
{
    const auto it = g_actual.constFind(widget);
    return it == g_actual.cend() ? nullptr : &*it;
}

std::optional<QRect> geometryKept(const QWidget* widget)
{
    const ActualSize* actual = knownOf(widget);
    return actual ? actual->geometry : std::nullopt;
}

int g_zoom = 100;

// A column of `width` pixels let into the content view at `x` (zoomed) so that a text is not
// cut: a control that starts at or right of `x` moves right, one that reaches `x` widens.
struct Strip {
    int x;
    int width;
};
std::vector<Strip> g_strips;

int scaled(int length)
{
    return static_cast<int>(std::lround(length * g_zoom / 100.0));
}

// Edge by edge, so that controls that meet at 100 % still meet.
QRect zoomedRect(const QRect& r)
{
    const int left = scaled(r.x()), top = scaled(r.y());
    return {left, top, scaled(r.x() + r.width()) - left, scaled(r.y() + r.height()) - top};
}

QRect shownRect(const QRect& atActualSize)
{
    QRect r = zoomedRect(atActualSize);
    for (const Strip& strip : g_strips) {
        const int left = r.x() >= strip.x ? r.x() + strip.width : r.x();
        const int right = r.x() + r.width() >= strip.x ? r.x() + r.width() + strip.width : r.x() + r.width();
        r = QRect(left, r.y(), right - left, r.height());
    }
    return r;
}

// Where the parent of `widget` is shown in the content view: a control that lies on another
// (a cell on the board's panel) is reckoned in the content view all the same.
QPoint parentOffset(const QWidget* widget)
{
    QPoint offset;
    for (const QWidget* p = widget->parentWidget(); p && !p->isWindow() && !qobject_cast<const QMainWindow*>(p->parentWidget());
         p = p->parentWidget())
        offset += p->pos();
    return offset;
}

void place(QWidget* widget, const QRect& atActualSize)
{
    widget->setGeometry(shownRect(atActualSize).translated(-parentOffset(widget)));
}

// `font` at the size `widget` keeps for 100 %, zoomed.
QFont scaledFont(QFont font, const QWidget* widget)
{
    const ActualSize* actual = knownOf(widget);
    if (actual && actual->points)
        font.setPointSizeF(*actual->points * g_zoom / 100.0);
    else
        font.setPixelSize(std::max(1, scaled(actual ? actual->pixels.value_or(0) : 0)));
    return font;
}

void scaleFont(QWidget* widget)
{
    if (const ActualSize* actual = knownOf(widget); actual && (actual->points || actual->pixels))
        widget->setFont(scaledFont(widget->font(), widget));
}

// Takes a control as it stands to be at 100 %: its rectangle, the size of a font of its own
// (one it inherits follows the window's) and a label's margin.
void adopt(QWidget* widget)
{
    ActualSize& actual = actualOf(widget);
    if (actual.geometry)
        return;
    actual.geometry = widget->geometry();
    if (widget->testAttribute(Qt::WA_SetFont) && !actual.pixels && !actual.points) {
        const QFont font = widget->font();
        if (font.pointSizeF() > 0)
            actual.points = font.pointSizeF();
        else
            actual.pixels = font.pixelSize();
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        actual.margin = label->margin();
}

// The window's own font at the zoom: the menu bar, its menus and every control without a font of
// its own inherit it. At 100 % the window inherits the desktop's font again, exactly as before.
void zoomWindowFont(QMainWindow* window)
{
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>())
        menu->setAttribute(Qt::WA_WindowPropagation);
    if (g_zoom == 100) {
        window->setFont(QFont());
        return;
    }
    const QFont desktop = QApplication::font();
    QFont font;
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF() * g_zoom / 100.0);
    else
        font.setPixelSize(scaled(desktop.pixelSize()));
    window->setFont(font);
}

// A text that lies on another control (the board's panel) is fitted by that control's owner,
// which places it; widening the panel would leave its cells behind.
bool liesOnAnother(const QWidget* widget, const QList<QWidget*>& children)
{
    for (const QWidget* other : children) {
        if (other != widget && !qobject_cast<const QLabel*>(other) && other->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

// The font, `font` or smaller, for a wrapped text that lies on another control (the outcome and
// the daily line on the board's panel), which has only its own corner there: one longer than the
// corner holds (a longer language) is set smaller, down to three quarters of its size, rather
// than cut. English fits as it is.
QFont fittedToCorner(const QLabel* label, QFont font)
{
    if (!label->wordWrap() || label->text().isEmpty())
        return font;
    const QRect room = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    const auto tall = [&](const QFont& f) { return QFontMetrics(f).boundingRect(room, Qt::TextWordWrap, label->text()).height() > room.height(); };
    const bool inPoints = font.pointSizeF() > 0;
    const qreal full = inPoints ? font.pointSizeF() : font.pixelSize();
    for (qreal size = full; tall(font) && size - 0.5 >= full * 0.75;) {
        size -= 0.5;
        inPoints ? font.setPointSizeF(size) : font.setPixelSize(int(size));
    }
    return font;
}

// How much wider `widget` must be to show its text whole; 0 when it does, or has no text to cut.
int shortfall(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if ((!label || label->wordWrap() || label->text().isEmpty()) && !qobject_cast<const QAbstractButton*>(widget))
        return 0;
    return std::max(0, widget->sizeHint().width() - widget->width());
}

// Lets a strip into the content view for each control whose text would be cut, left to right,
// so that a strip moves the controls right of it before they are measured.
int widenForText(const QList<QWidget*>& children)
{
    QList<QWidget*> texts;
    for (QWidget* child : children) {
        if (shortfall(child) > 0 && !liesOnAnother(child, children))
            texts << child;
    }
    std::sort(texts.begin(), texts.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    int widened = 0;
    for (QWidget* text : texts) {
        const int width = shortfall(text);
        if (width == 0)
            continue;
        g_strips.push_back({text->x() + text->width(), width});
        widened += width;
        for (QWidget* child : children)
            child->setGeometry(shownRect(*geometryKept(child)));
    }
    return widened;
}

// Zooms the controls of `window`'s content view; those on it before the window first shows are
// taken as laid out at 100 %, one added after is left as its code placed it.
void zoomControls(QMainWindow* window)
{
    const bool adoptsNew = !window->isVisible();
    QWidget* content = window->centralWidget();
    g_strips.clear();
    zoomWindowFont(window);
    QList<QWidget*> zoomed;
    for (QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (adoptsNew)
            adopt(child);
        const std::optional<QRect> geometry = geometryKept(child);
        if (!geometry)
            continue;
        zoomed << child;
        child->setGeometry(shownRect(*geometry));
        if (auto* label = qobject_cast<QLabel*>(child))
            label->setMargin(scaled(knownOf(label)->margin));
    }
    // Once each, and only where they stand: a font set and then set back would ask for another
    // refit, and that one for the next, without end.
    for (QWidget* child : zoomed) {
        const auto* label = qobject_cast<const QLabel*>(child);
        const ActualSize* actual = knownOf(child);
        if (label && actual->points && liesOnAnother(child, zoomed))
            child->setFont(fittedToCorner(label, scaledFont(child->font(), child)));
        else
            scaleFont(child);
    }
    const QSize size = actualOf(content).size.value_or(QSize());
    const int widened = widenForText(zoomed);
    // Then what was placed on them, where they now are.
    for (const QWidget* child : zoomed) {
        for (QWidget* inner : child->findChildren<QWidget*>()) {
            if (const std::optional<QRect> geometry = geometryKept(inner)) {
                place(inner, *geometry);
                scaleFont(inner);
            }
        }
    }
    content->setFixedSize(scaled(size.width()) + widened, scaled(size.height()));
    if (QLayout* layout = window->layout())
        layout->activate();
    const QSize whole = window->sizeHint();
    if (window->minimumSize() != whole || window->maximumSize() != whole)
        window->setFixedSize(whole);
}

// Zooms the window again when a control's text changes, since the new text may need room, and
// when the desktop's font does.
class Refitter : public QObject {
public:
    explicit Refitter(QMainWindow* window)
        : QObject(window->centralWidget())
        , m_window(window)
    {
        parent()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool relaid = event->type() == QEvent::LayoutRequest || event->type() == QEvent::ApplicationFontChange;
        if (watched == parent() && relaid && m_window)
            zoomControls(m_window);
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QMainWindow> m_window;
};

} // namespace

int windowZoom()
{
    return g_zoom;
}

qreal zoomed(qreal atActualSize)
{
    return atActualSize * g_zoom / 100.0;
}

void placeZoomed(QWidget* widget, const QRect& atActualSize)
{
    actualOf(widget).geometry = atActualSize;
    place(widget, atActualSize);
}

QRect geometryAt100(const QWidget* widget)
{
    return geometryKept(widget).value_or(widget->geometry());
}

// Set once, at its size: the console is given its font with every message.
void setZoomedFont(QWidget* widget, const QFont& atActualSize)
{
    const bool inPoints = atActualSize.pointSizeF() > 0;
    ActualSize& actual = actualOf(widget);
    actual.points = inPoints ? std::optional(atActualSize.pointSizeF()) : std::nullopt;
    actual.pixels = inPoints ? std::nullopt : std::optional(atActualSize.pixelSize());
    widget->setFont(scaledFont(atActualSize, widget));
}

void zoomWindow(QMainWindow* window, int percent)
{
    QWidget* content = window ? window->centralWidget() : nullptr;
    if (!content)
        return;
    g_zoom = percent;
    if (ActualSize& actual = actualOf(content); !actual.size) {
        actual.size = content->minimumSize();
        new Refitter(window);
    }
    zoomControls(window);
}
