#include "ui/kit/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#ifdef ONDISCALE_HAS_XCB
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>
#endif

namespace ondiscale {
namespace {

bool canPlaceWindows() { return !QGuiApplication::platformName().startsWith(u"wayland"); }

QMargins knownFrame(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

#ifdef ONDISCALE_HAS_XCB

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* raw) {
    return {raw, &std::free};
}

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    const auto cookie = xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_generic_error_t* error = nullptr;
    const auto answer = reply(xcb_intern_atom_reply(x, cookie, &error));
    std::free(error);
    return answer ? answer->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Empty when the window is gone (a window manager that has quit): the error
// is ours, not for Qt to report.
std::vector<std::uint32_t> property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type) {
    const auto cookie = xcb_get_property(x, 0, window, name, type, 0, 1024);
    xcb_generic_error_t* error = nullptr;
    const auto answer = reply(xcb_get_property_reply(x, cookie, &error));
    std::free(error);
    if (!answer || answer->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(answer.get()));
    return {values, values + xcb_get_property_value_length(answer.get()) / 4};
}

// A window manager runs (its check window names itself) and answers
// requests for frame extents.
bool announcesFrames(xcb_connection_t* x, xcb_window_t root, xcb_atom_t request) {
    const xcb_atom_t check = atom(x, "_NET_SUPPORTING_WM_CHECK");
    const auto wm = property(x, root, check, XCB_ATOM_WINDOW);
    if (wm.empty() || property(x, wm.front(), check, XCB_ATOM_WINDOW) != wm) {
        return false;
    }
    const auto supported = property(x, root, atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), request) != supported.end();
}

// Asks the window manager the frame it will give the window, not yet shown.
std::optional<QMargins> announcedFrame(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* x = x11 != nullptr ? x11->connection() : nullptr;
    if (x == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t request = atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    if (!announcesFrames(x, root, request)) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t extents = atom(x, "_NET_FRAME_EXTENTS");
    if (property(x, id, extents, XCB_ATOM_CARDINAL).size() != 4) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = request;
        xcb_send_event(x, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(x);
    }
    // The answer is a property of the window: a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    do {
        const auto sides = property(x, id, extents, XCB_ATOM_CARDINAL);  // left, right, top, bottom
        if (sides.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            const auto scaled = [ratio](std::uint32_t side) {
                return static_cast<int>(std::lround(side / ratio));
            };
            return QMargins(scaled(sides[0]), scaled(sides[2]), scaled(sides[1]), scaled(sides[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

#endif

}  // namespace

QMargins frameOf(QWidget& window) {
    if (window.isVisible()) {
        return knownFrame(window);
    }
#ifdef ONDISCALE_HAS_XCB
    if (QGuiApplication::platformName() == u"xcb") {
        if (const auto announced = announcedFrame(window)) {
            return *announced;
        }
    }
#endif
    return knownFrame(window);  // from an earlier showing, or none
}

QRect workArea(const QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

FramePlacement::FramePlacement(QWidget& window, Rule rule)
    : QObject(&window), window_(window), rule_(std::move(rule)) {
    window.installEventFilter(this);
}

void FramePlacement::place() {
    if (canPlaceWindows()) {
        placeWith(frameOf(window_));
    }
}

void FramePlacement::placeWith(const QMargins& frame) {
    placedWith_ = frame;
    const QSize outer = window_.size().grownBy(frame);
    const QPoint corner = rule_(outer, workArea(window_));
    window_.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window_.size()));
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && canPlaceWindows() && window_.isVisible() &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move ||
         event->type() == QEvent::Resize)) {
        const QMargins frame = knownFrame(window_);
        if (!frame.isNull() && frame != placedWith_) {
            placeWith(frame);
        }
    }
    return false;
}

}  // namespace ondiscale
