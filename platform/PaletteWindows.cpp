#include "platform/PaletteWindows.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <QWindow>

// Xlib names an event type Expose; the toolkit's is taken before that name is defined.
constexpr QEvent::Type ToolkitExpose = QEvent::Expose;

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// The colour-map cells the windows draw with, and for every colour the nearest of them. Colours
// are looked up by the top 6 bits of red, green and blue: the palette's colours lie at least 25
// apart in every channel, so each keeps a look-up entry of its own and shows exactly.
class TCellMap {
public:
    void Add(unsigned long pixel, const XColor& shown)
    {
        m_cells.push_back({ shown.red >> 8, shown.green >> 8, shown.blue >> 8, std::uint8_t(pixel) });
    }
    bool Empty() const { return m_cells.empty(); }

    std::uint8_t CellOf(QRgb colour)
    {
        const int key = ((qRed(colour) >> 2) << 12) | ((qGreen(colour) >> 2) << 6) | (qBlue(colour) >> 2);
        std::int16_t& cell = m_lookup[std::size_t(key)];
        if (cell < 0)
            cell = Nearest(((qRed(colour) >> 2) << 2) | 2, ((qGreen(colour) >> 2) << 2) | 2, ((qBlue(colour) >> 2) << 2) | 2);
        return std::uint8_t(cell);
    }

private:
    struct TCell {
        int Red;
        int Green;
        int Blue;
        std::uint8_t Pixel;
    };

    std::int16_t Nearest(int red, int green, int blue) const
    {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (const TCell& cell : m_cells) {
            const int dr = cell.Red - red, dg = cell.Green - green, db = cell.Blue - blue;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = cell.Pixel;
            }
        }
        return std::int16_t(best);
    }

    std::vector<TCell> m_cells;
    std::vector<std::int16_t> m_lookup = std::vector<std::int16_t>(std::size_t(1) << 18, std::int16_t(-1));
};

// Inside the toolkit's own repaint of a window: its painters on its own paint device fail, and
// say so, at every new window; what they would have painted is rendered by the presenter.
int ToolkitRepaints = 0;

// Draws the program's top-level windows on a colour-map screen. The toolkit still decides what
// to repaint and when: its repaints (update requests and exposures) run as usual, but the paint
// events they send are only noted; then the noted part of the window is rendered into the
// window's own image and put on the screen as cells.
class TPalettePresenter : public QObject {
public:
    TPalettePresenter(Display* display, TCellMap cells)
        : m_display(display)
        , m_cells(std::move(cells))
    {
        m_gc = XCreateGC(m_display, DefaultRootWindow(m_display), 0, nullptr);
    }
    // Goes with the application object, after its connection to the display has closed: the
    // graphics context went with the connection, only the images' own memory is left to free.
    ~TPalettePresenter() override
    {
        for (auto& [window, image] : m_windows)
            ReleaseXImage(image);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TWindowImage {
        QImage Colours;
        QImage Cells;
        XImage* Image { nullptr };
        QRegion Noted;
    };

    QWidget* WidgetOf(QObject* watched) const;
    bool RunAndPresent(QWidget* window, QObject* watched, QEvent* event, bool wholeWindow);
    void Note(QWidget* widget, const QRegion& region);
    void Present(QWidget* window, bool wholeWindow);
    TWindowImage& ImageOf(QWidget* window);
    void ReleaseXImage(TWindowImage& image);
    void Convert(TWindowImage& image, const QRegion& region);
    void Put(QWidget* window, TWindowImage& image, const QRegion& region);

    Display* m_display;
    TCellMap m_cells;
    GC m_gc;
    std::unordered_map<QWidget*, TWindowImage> m_windows;
    // Inside the toolkit's own repaint: its paint events are noted and presented at its end.
    int m_repaintDepth { 0 };
    // Inside a render into a window's image: paint events go to the widgets.
    bool m_rendering { false };
    // The repaint or exposure being delivered on its usual way.
    QEvent* m_forwarded { nullptr };
};

QWidget* TPalettePresenter::WidgetOf(QObject* watched) const
{
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window)
        return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

bool TPalettePresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_rendering || event == m_forwarded)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        // Paint events of the toolkit's own repaint would paint on its own paint device,
        // which paints nothing: the part is rendered once the repaint is over. Any other
        // render (a grab) paints as usual.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || m_repaintDepth == 0)
            return false;
        Note(widget, static_cast<QPaintEvent*>(event)->region());
        return true;
    }
    case QEvent::UpdateRequest: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;
        return RunAndPresent(widget, watched, event, false);
    }
    case ToolkitExpose: {
        QWidget* widget = WidgetOf(watched);
        if (!widget)
            return false;
        // What the screen lost comes back from the window's image.
        return RunAndPresent(widget, watched, event, static_cast<QWindow*>(watched)->isExposed());
    }
    default:
        return false;
    }
}

bool TPalettePresenter::RunAndPresent(QWidget* window, QObject* watched, QEvent* event, bool wholeWindow)
{
    QPointer<QWidget> guard(window);
    // The event goes its usual way, past the other filters too (the title window watches the
    // main window's exposure); the window is presented once the toolkit has repainted it.
    QEvent* outer = std::exchange(m_forwarded, event);
    ++m_repaintDepth;
    ++ToolkitRepaints;
    QCoreApplication::instance()->notify(watched, event);
    --ToolkitRepaints;
    --m_repaintDepth;
    m_forwarded = outer;
    if (guard)
        Present(guard, wholeWindow);
    return true;
}

void TPalettePresenter::Note(QWidget* widget, const QRegion& region)
{
    QWidget* window = widget->window();
    ImageOf(window).Noted += region.translated(widget->mapTo(window, QPoint()));
}

TPalettePresenter::TWindowImage& TPalettePresenter::ImageOf(QWidget* window)
{
    auto [it, inserted] = m_windows.try_emplace(window);
    if (inserted) {
        connect(window, &QObject::destroyed, this, [this, window] {
            auto found = m_windows.find(window);
            if (found == m_windows.end())
                return;
            ReleaseXImage(found->second);
            m_windows.erase(found);
        });
    }
    return it->second;
}

void TPalettePresenter::ReleaseXImage(TWindowImage& image)
{
    if (!image.Image)
        return;
    // The pixels belong to the cell image, not to the X image.
    image.Image->data = nullptr;
    XDestroyImage(image.Image);
    image.Image = nullptr;
}

void TPalettePresenter::Present(QWidget* window, bool wholeWindow)
{
    TWindowImage& image = ImageOf(window);
    const QRect all(QPoint(), window->size());
    if (all.isEmpty() || !window->isVisible())
        return;
    if (image.Colours.size() != all.size()) {
        ReleaseXImage(image);
        image.Colours = QImage(all.size(), QImage::Format_RGB32);
        image.Colours.fill(Qt::black);
        image.Cells = QImage(all.size(), QImage::Format_Grayscale8);
        image.Image = XCreateImage(m_display, DefaultVisual(m_display, DefaultScreen(m_display)), 8, ZPixmap, 0,
                                   reinterpret_cast<char*>(image.Cells.bits()), unsigned(all.width()),
                                   unsigned(all.height()), 32, int(image.Cells.bytesPerLine()));
        image.Noted = all;
        wholeWindow = true;
    }
    const QRegion toRender = image.Noted & all;
    image.Noted = QRegion();
    if (!toRender.isEmpty()) {
        m_rendering = true;
        window->render(&image.Colours, toRender.boundingRect().topLeft(), toRender,
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
        m_rendering = false;
        Convert(image, toRender);
    }
    Put(window, image, wholeWindow ? QRegion(all) : toRender);
}

void TPalettePresenter::Convert(TWindowImage& image, const QRegion& region)
{
    for (const QRect& rect : region) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(image.Colours.constScanLine(y));
            std::uint8_t* to = image.Cells.scanLine(y);
            for (int x = rect.left(); x <= rect.right(); ++x)
                to[x] = m_cells.CellOf(from[x]);
        }
    }
}

void TPalettePresenter::Put(QWidget* window, TWindowImage& image, const QRegion& region)
{
    QWindow* handle = window->windowHandle();
    if (!image.Image || !handle || region.isEmpty())
        return;
    const auto id = ::Window(handle->winId());
    for (const QRect& rect : region) {
        XPutImage(m_display, id, m_gc, image.Image, rect.x(), rect.y(), rect.x(), rect.y(), unsigned(rect.width()),
                  unsigned(rect.height()));
    }
    XFlush(m_display);
}

// The cells the windows may draw with. On a screen whose map programs fill, the colours wanted
// are allocated, in order; when the map is full (a window manager may hold half of it), the
// cells of the whole map are the choice. A fixed map offers every cell it has.
TCellMap ChooseCells(Display* display, const Visual* visual, std::span<const QRgb> wanted)
{
    TCellMap cells;
    const Colormap map = DefaultColormap(display, DefaultScreen(display));
    if (visual->c_class == PseudoColor || visual->c_class == DirectColor) {
        bool full = false;
        for (const QRgb colour : wanted) {
            XColor cell {};
            cell.red = std::uint16_t(qRed(colour) * 257);
            cell.green = std::uint16_t(qGreen(colour) * 257);
            cell.blue = std::uint16_t(qBlue(colour) * 257);
            cell.flags = DoRed | DoGreen | DoBlue;
            if (XAllocColor(display, map, &cell))
                cells.Add(cell.pixel, cell);
            else
                full = true;
        }
        if (!full)
            return cells;
        cells = TCellMap();
    }
    const int count = std::clamp(visual->map_entries, 0, 256);
    std::vector<XColor> all(std::size_t(count), XColor {});
    for (int i = 0; i < count; ++i)
        all[std::size_t(i)].pixel = static_cast<unsigned long>(i);
    XQueryColors(display, map, all.data(), count);
    for (const XColor& cell : all)
        cells.Add(cell.pixel, cell);
    return cells;
}

bool PaletteDrawing = false;

QtMessageHandler PreviousHandler = nullptr;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (ToolkitRepaints > 0 && type == QtWarningMsg &&
        (message.startsWith(QLatin1String("QPainter::begin: Paint device returned engine == 0")) ||
         message.startsWith(QLatin1String("QPainter::setCompositionMode: Painter not active"))))
        return;
    if (PreviousHandler)
        PreviousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

} // namespace

bool DrawWindowsThroughPalette(std::span<const QRgb> first, std::span<const QRgb> palette)
{
    if (PaletteDrawing || !qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return PaletteDrawing;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    const Visual* visual = DefaultVisual(display, screen);
    // The toolkit paints 8-bit grey screens itself, and every deeper screen.
    if (!visual || DefaultDepth(display, screen) != 8 || visual->c_class == GrayScale)
        return false;
    std::vector<QRgb> wanted(first.begin(), first.end());
    wanted.insert(wanted.end(), palette.begin(), palette.end());
    auto* presenter = new TPalettePresenter(display, ChooseCells(display, visual, wanted));
    presenter->setParent(qApp);
    qApp->installEventFilter(presenter);
    PreviousHandler = qInstallMessageHandler(OnMessage);
    PaletteDrawing = true;
    return true;
}
