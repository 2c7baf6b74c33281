#include "tests/support/FakeToolkit.hpp"

#include <algorithm>

namespace tintgrab {

namespace fake {

namespace {

bool inClient(const Window* window, Point p)
{
    const Point origin = clientOrigin(window);
    return p.x >= origin.x && p.y >= origin.y && p.x < origin.x + window->clientWidth
        && p.y < origin.y + window->clientHeight;
}

Point clampToConfinement(Point p)
{
    const ScreenRect& r = state().confinement;
    p.x = std::clamp(p.x, r.left, std::max(r.left, r.right - 1));
    p.y = std::clamp(p.y, r.top, std::max(r.top, r.bottom - 1));
    return p;
}

Window* newWindow()
{
    state().windows.push_back(std::make_unique<Window>());
    return state().windows.back().get();
}

Image blankSurface(std::int32_t width, std::int32_t height)
{
    Image surface(width, height, PixelFormat::rgba32);
    for (std::int32_t y = 0; y < surface.height(); ++y)
        std::fill(surface.row(y), surface.row(y) + surface.width(), 0u);
    return surface;
}

// A new window, shown and active, with nothing drawn on it yet.
Window* openWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                   std::int32_t clientHeight, Window* owner)
{
    Window* window = newWindow();
    window->title = std::string(title);
    window->x = x;
    window->y = y;
    window->clientWidth = clientWidth;
    window->clientHeight = clientHeight;
    window->owner = owner;
    window->surface = blankSurface(clientWidth, clientHeight);
    state().active = window;
    return window;
}

Control* newControl(Window* parent, FakeControlKind kind, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    if (!parent) return nullptr;
    auto control = std::make_unique<Control>();
    control->kind = kind;
    control->parent = parent;
    control->x = x;
    control->y = y;
    control->width = w;
    control->height = h;
    control->order = state().controlsMade++;
    parent->controls.push_back(std::move(control));
    return parent->controls.back().get();
}

Event eventFor(EventKind kind)
{
    Event event;
    event.kind = kind;
    event.window = state().active ? state().active : dialog();
    return event;
}

} // namespace

State& state()
{
    static State theState;
    return theState;
}

void reset()
{
    state() = State{};
    state().screen.monitors = {MonitorRect{0, 0, 1280, 1024}};
    state().screen.monitorPixels = {Image(1280, 1024, PixelFormat::rgb24)};
}

void queue(Step step) { state().script.push_back(ScriptStep{std::move(step), false}); }

void samePass()
{
    if (!state().script.empty()) state().script.back().samePass = true;
}

void queueEvent(Event event)
{
    queue([event]() mutable {
        if (!event.window) event.window = state().active ? state().active : dialog();
        return event;
    });
}

void atStep(std::function<void()> f)
{
    queue([f = std::move(f)] {
        f();
        return Event{};
    });
}

void moveOnScreen(std::int32_t x, std::int32_t y)
{
    queue([x, y] {
        state().pointer = clampToConfinement(Point{x, y});
        return eventFor(EventKind::pointerMoved);
    });
}

namespace {
void pointerStep(std::int32_t x, std::int32_t y, EventKind kind)
{
    queue([x, y, kind] {
        const Point origin = clientOrigin(dialog());
        state().pointer = clampToConfinement(Point{origin.x + x, origin.y + y});
        return eventFor(kind);
    });
}
} // namespace

void moveTo(std::int32_t x, std::int32_t y) { pointerStep(x, y, EventKind::pointerMoved); }
void press(std::int32_t x, std::int32_t y) { pointerStep(x, y, EventKind::leftPressed); }
void release(std::int32_t x, std::int32_t y) { pointerStep(x, y, EventKind::leftReleased); }
void repaint() { queue([] { return eventFor(EventKind::repaint); }); }
void closeRequest() { queue([] { return eventFor(EventKind::closeRequest); }); }

void clickButtonAt(std::int32_t x, std::int32_t y)
{
    queue([x, y] {
        Event event = eventFor(EventKind::controlEvent);
        event.control = controlAt(x, y);
        event.controlEvent = ControlEventKind::click;
        return event;
    });
}

void typeInto(std::int32_t x, std::int32_t y, std::string text)
{
    queue([x, y, text = std::move(text)] {
        Control* field = controlAt(x, y);
        Event event = eventFor(EventKind::controlEvent);
        if (field) {
            field->text = text;
            state().focus = field;
        }
        event.control = field;
        event.controlEvent = ControlEventKind::textChanged;
        return event;
    });
}

void pickListItem(std::int32_t index)
{
    queue([index] {
        Event event = eventFor(EventKind::controlEvent);
        for (const auto& control : dialog()->controls)
            if (control->kind == FakeControlKind::imageList) {
                control->selection = index;
                event.control = control.get();
            }
        event.controlEvent = ControlEventKind::selectionChanged;
        return event;
    });
}

void pressEscape()
{
    queue([] {
        Event event = eventFor(EventKind::none);
        Window* active = state().active;
        if (active && active->open && !active->escapeShortcuts.empty()) {
            event.kind = EventKind::shortcut;
            event.window = active;
            event.shortcutId = active->escapeShortcuts.front();
        }
        return event;
    });
}

void clickScreen()
{
    queue([] {
        Event event = eventFor(EventKind::controlEvent);
        event.controlEvent = ControlEventKind::click;
        for (const auto& window : state().windows)
            if (window->open && window->visible && !window->dialog && inClient(window.get(), state().pointer))
                for (const auto& control : window->controls)
                    if (control->kind == FakeControlKind::imageView) {
                        event.control = control.get();
                        event.window = window.get();
                    }
        // Where no picture of ours covers the screen, the click goes to another program.
        return event.control ? event : Event{};
    });
}

Window* dialog()
{
    for (auto it = state().windows.rbegin(); it != state().windows.rend(); ++it)
        if ((*it)->dialog) return it->get();
    return nullptr;
}

Control* controlAt(std::int32_t x, std::int32_t y)
{
    Window* window = dialog();
    if (!window) return nullptr;
    for (const auto& control : window->controls)
        if (control->x == x && control->y == y) return control.get();
    return nullptr;
}

std::vector<Window*> openWindows()
{
    std::vector<Window*> result;
    for (const auto& window : state().windows)
        if (window->open) result.push_back(window.get());
    return result;
}

std::int32_t openWindowCount() { return static_cast<std::int32_t>(openWindows().size()); }

Point clientOrigin(const Window* window)
{
    if (!window) return {};
    if (window->dialog) return {window->x + frameLeft, window->y + frameTop};
    return {window->x, window->y};
}

} // namespace fake

using fake::state;

// ---- Event queue --------------------------------------------------------------------------------

namespace {

// Runs the steps at the front of the script until one gives an event. A waiting take runs whatever
// comes next; a non-waiting take only steps that were pending together with the one before.
Event nextScriptedEvent(bool waiting)
{
    auto& script = state().script;
    while (!script.empty() && (waiting || script.front().samePass)) {
        fake::Step step = std::move(script.front().run);
        script.pop_front();
        Event event = step();
        if (event.kind != EventKind::none) {
            ++state().eventsTaken;
            return event;
        }
    }
    return {};
}

} // namespace

Event takeEvent() { return nextScriptedEvent(false); }

Event waitEvent()
{
    Event event = nextScriptedEvent(true);
    if (event.kind != EventKind::none) return event;
    state().scriptExhausted = true;
    event.kind = EventKind::closeRequest;
    event.window = state().active ? state().active : fake::dialog();
    return event;
}

void pause(std::int32_t) { ++state().pauses; }

// ---- Windows ------------------------------------------------------------------------------------

Window* openDialogWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                         std::int32_t clientHeight, Window* owner)
{
    if (state().failDialogOpen) return nullptr;
    Window* window = fake::openWindow(title, x, y, clientWidth, clientHeight, owner);
    window->dialog = true;
    return window;
}

Point dialogOuterSize(std::int32_t clientWidth, std::int32_t clientHeight)
{
    return {clientWidth + fake::frameLeft + fake::frameRight, clientHeight + fake::frameTop + fake::frameBottom};
}

Window* openPopupWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                        std::int32_t clientHeight, Window* owner)
{
    const std::int32_t number = state().popupsOpened++;
    const auto& failing = state().failingPopups;
    if (std::find(failing.begin(), failing.end(), number) != failing.end()) return nullptr;
    return fake::openWindow(title, x, y, clientWidth, clientHeight, owner);
}

void closeWindow(Window* window)
{
    if (!window || !window->open) return;
    window->open = false;
    window->visible = false;
    if (state().focus && state().focus->parent == window) state().focus = nullptr;
    if (state().capture == window) state().capture = nullptr;
    if (state().active == window) state().active = nullptr;
}

bool windowExists(Window* window)
{
    for (const auto& w : state().windows)
        if (w.get() == window) return w->open;
    return false;
}

ScreenRect windowRect(Window* window)
{
    if (!windowExists(window)) return {};
    const Point outer = window->dialog ? dialogOuterSize(window->clientWidth, window->clientHeight)
                                       : Point{window->clientWidth, window->clientHeight};
    return {window->x, window->y, window->x + outer.x, window->y + outer.y};
}

void setClientSize(Window* window, std::int32_t clientWidth, std::int32_t clientHeight)
{
    if (!windowExists(window)) return;
    window->clientWidth = clientWidth;
    window->clientHeight = clientHeight;
    window->surface = fake::blankSurface(clientWidth, clientHeight);
}

void moveWindow(Window* window, std::int32_t x, std::int32_t y)
{
    if (!windowExists(window)) return;
    window->x = x;
    window->y = y;
}

void setTopmost(Window* window)
{
    if (windowExists(window)) window->topmost = true;
}

void setBackgroundColor(Window* window, Color32 color)
{
    if (windowExists(window)) window->background = color & 0x00FFFFFFu;
}

void hideWindow(Window* window)
{
    if (!windowExists(window)) return;
    window->visible = false;
    if (state().active == window) state().active = nullptr;
}

void showWindow(Window* window)
{
    if (!windowExists(window)) return;
    window->visible = true;
    state().active = window;
}

void setWindowEnabled(Window* window, bool enabled)
{
    if (windowExists(window)) window->enabled = enabled;
}

void addEscapeShortcut(Window* window, std::int32_t id)
{
    if (windowExists(window)) window->escapeShortcuts.push_back(id);
}

// ---- Controls -----------------------------------------------------------------------------------

Control* createImageList(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t closedHeight, std::int32_t openHeight)
{
    Control* list = fake::newControl(parent, FakeControlKind::imageList, x, y, width, closedHeight);
    if (list) {
        list->closedHeight = closedHeight;
        list->openHeight = openHeight;
    }
    return list;
}

void addListItem(Control* list, std::string_view text, const Image& image)
{
    if (!list) return;
    list->itemTexts.emplace_back(text);
    list->itemImages.push_back(image);
}

std::int32_t listSelection(Control* list) { return list ? list->selection : -1; }

void setListSelection(Control* list, std::int32_t index)
{
    if (!list) return;
    list->selection = index >= 0 && index < static_cast<std::int32_t>(list->itemTexts.size()) ? index : -1;
}

Control* createNumberField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return fake::newControl(parent, FakeControlKind::numberField, x, y, width, height);
}

Control* createReadOnlyField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return fake::newControl(parent, FakeControlKind::readOnlyField, x, y, width, height);
}

Control* createLabel(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::string_view text)
{
    Control* label = fake::newControl(parent, FakeControlKind::label, x, y, width, height);
    if (label) label->text = std::string(text);
    return label;
}

Control* createImageButton(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           const Image* image)
{
    Control* button = fake::newControl(parent, FakeControlKind::imageButton, x, y, width, height);
    if (button && image) {
        button->image = *image;
        button->hasImage = true;
    }
    return button;
}

Control* createImageView(Window* parent, const Image& image)
{
    Control* view = fake::newControl(parent, FakeControlKind::imageView, 0, 0, image.width(), image.height());
    if (view) {
        view->image = image;
        view->hasImage = true;
    }
    return view;
}

std::string controlText(Control* control) { return control ? control->text : std::string(); }

void setControlText(Control* control, std::string_view text)
{
    if (control) control->text = std::string(text);
}

Control* focusedControl()
{
    Control* focus = state().focus;
    return focus && windowExists(focus->parent) ? focus : nullptr;
}

void setFocus(Control* control) { state().focus = control; }

// ---- Pointer ------------------------------------------------------------------------------------

Point pointerInClient(Window* window)
{
    if (!windowExists(window) || !window->visible || !fake::inClient(window, state().pointer)) return {-1, -1};
    const Point origin = fake::clientOrigin(window);
    return {state().pointer.x - origin.x, state().pointer.y - origin.y};
}

Point pointerOnScreen() { return state().pointer; }

Point clientToScreen(Window* window, Point point)
{
    const Point origin = fake::clientOrigin(window);
    return {origin.x + point.x, origin.y + point.y};
}

void showPointer(bool show) { state().cursorCount += show ? 1 : -1; }

ScreenRect pointerConfinement() { return state().confinement; }

void confinePointer(const ScreenRect& rect)
{
    state().confinement = rect;
    state().pointer = fake::clampToConfinement(state().pointer);
}

void capturePointer(Window* window) { state().capture = window; }
void releasePointer() { state().capture = nullptr; }

// ---- Drawing on windows -------------------------------------------------------------------------

void drawImageOnWindow(Window* window, const Image& image, std::int32_t x, std::int32_t y)
{
    if (!windowExists(window)) return;
    ++window->drawCount;
    Image& surface = window->surface;
    for (std::int32_t sy = 0; sy < image.height(); ++sy)
        for (std::int32_t sx = 0; sx < image.width(); ++sx) {
            const std::int64_t tx = std::int64_t{x} + sx, ty = std::int64_t{y} + sy;
            if (tx < 0 || ty < 0 || tx >= surface.width() || ty >= surface.height()) continue;
            const Color32 pixel = image.row(sy)[sx];
            if (image.hasAlpha() && (pixel >> 24) == 0) continue;
            surface.row(static_cast<std::int32_t>(ty))[tx] = pixel | 0xFF000000u;
        }
}

void invertBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    if (!windowExists(window)) return;
    ++window->invertCount;
    Image& surface = window->surface;
    for (std::int64_t ty = std::max(y, 0); ty < std::min<std::int64_t>(std::int64_t{y} + h, surface.height()); ++ty)
        for (std::int64_t tx = std::max(x, 0); tx < std::min<std::int64_t>(std::int64_t{x} + w, surface.width()); ++tx) {
            Color32& p = surface.row(static_cast<std::int32_t>(ty))[tx];
            if ((p >> 24) == 0) p = window->background | 0xFF000000u;
            p = (p & 0xFF000000u) | (~p & 0x00FFFFFFu);
        }
}

// ---- Screen -------------------------------------------------------------------------------------

std::vector<MonitorRect> listMonitors() { return state().screen.monitors; }

Point primaryScreenSize() { return state().screen.size; }

ScreenSource* openScreen()
{
    if (!state().screen.canOpen) return nullptr;
    ++state().screensOpen;
    return reinterpret_cast<ScreenSource*>(&state().screen);
}

Point screenSize(ScreenSource*) { return state().screen.size; }

void captureScreen(ScreenSource*, std::int32_t x, std::int32_t y, Image& into)
{
    const fake::Screen& screen = state().screen;
    for (std::int32_t j = 0; j < into.height(); ++j)
        for (std::int32_t i = 0; i < into.width(); ++i) {
            const std::int64_t px = std::int64_t{x} + i, py = std::int64_t{y} + j;
            for (std::size_t m = 0; m < screen.monitors.size() && m < screen.monitorPixels.size(); ++m) {
                const MonitorRect& r = screen.monitors[m];
                if (px >= r.x && py >= r.y && px < std::int64_t{r.x} + r.width && py < std::int64_t{r.y} + r.height) {
                    into.row(j)[i] |= screen.monitorPixels[m].pixel(static_cast<std::int32_t>(px - r.x),
                                                                    static_cast<std::int32_t>(py - r.y)) & 0x00FFFFFFu;
                    break;
                }
            }
        }
}

void closeScreen(ScreenSource* screen)
{
    if (screen) --state().screensOpen;
}

// ---- System and clipboard -----------------------------------------------------------------------

Color32 buttonFaceColor() { return state().buttonFace; }

std::string readClipboardText() { return state().clipboard; }

void writeClipboardText(std::string_view text) { state().clipboard = std::string(text); }

} // namespace tintgrab
