#include "core/widgets/Rahmen_erfragen.h"

#include "core/Fenster_Lage.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QList>
#include <QThread>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename T>
using Antwort = std::unique_ptr<T, decltype(&std::free)>;

// Errors come back here rather than as events into Qt's queue, which would
// log them: a window manager that died leaves its check window's id behind.
template <typename T>
Antwort<T> ohne_Fehler(T *Wert, xcb_generic_error_t *Fehler)
{
    std::free(Fehler);
    return Antwort<T>(Wert, &std::free);
}

xcb_atom_t Atom(xcb_connection_t *X, const char *Name)
{
    xcb_generic_error_t *Fehler = nullptr;
    const auto A =
        ohne_Fehler(xcb_intern_atom_reply(X, xcb_intern_atom(X, false, std::strlen(Name), Name), &Fehler), Fehler);
    return A ? A->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The property's 32-bit values; empty where the window or the property is missing.
QList<quint32> Werte(xcb_connection_t *X, xcb_window_t Fenster, xcb_atom_t Name, xcb_atom_t Typ)
{
    xcb_generic_error_t *Fehler = nullptr;
    const auto A = ohne_Fehler(
        xcb_get_property_reply(X, xcb_get_property(X, false, Fenster, Name, Typ, 0, 1024), &Fehler), Fehler);
    if (!A || A->format != 32)
        return {};
    const auto *Anfang = static_cast<const quint32 *>(xcb_get_property_value(A.get()));
    return QList<quint32>(Anfang, Anfang + xcb_get_property_value_length(A.get()) / 4);
}

// A window manager runs (its check window names itself) and answers the request.
bool Anfrage_verstanden(xcb_connection_t *X, xcb_window_t Wurzel, xcb_atom_t Anfrage)
{
    const xcb_atom_t Pruefung = Atom(X, "_NET_SUPPORTING_WM_CHECK");
    const QList<quint32> WM = Werte(X, Wurzel, Pruefung, XCB_ATOM_WINDOW);
    return WM.size() == 1 && Werte(X, WM.front(), Pruefung, XCB_ATOM_WINDOW) == WM
        && Werte(X, Wurzel, Atom(X, "_NET_SUPPORTED"), XCB_ATOM_ATOM).contains(Anfrage);
}

} // namespace
#endif

std::optional<QMargins> Rahmen_erfragen(QWindow *Fenster)
{
#if QT_CONFIG(xcb)
    // Only xcb windows are X windows: the offscreen platform may hold an X
    // connection of its own for OpenGL.
    const auto *X11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !X11 || !X11->connection() || !Fenster->handle())
        return {};
    xcb_connection_t *X = X11->connection();
    const auto Id = static_cast<xcb_window_t>(Fenster->winId());
    xcb_generic_error_t *Fehler = nullptr;
    const auto Baum = ohne_Fehler(xcb_query_tree_reply(X, xcb_query_tree(X, Id), &Fehler), Fehler);
    const xcb_atom_t Anfrage = Atom(X, "_NET_REQUEST_FRAME_EXTENTS");
    if (!Baum || !Anfrage_verstanden(X, Baum->root, Anfrage))
        return {};
    const xcb_atom_t Ausdehnung = Atom(X, "_NET_FRAME_EXTENTS");
    // The answer to an earlier showing would pass for this one's.
    xcb_delete_property(X, Id, Ausdehnung);
    xcb_client_message_event_t Nachricht{};
    Nachricht.response_type = XCB_CLIENT_MESSAGE;
    Nachricht.format = 32;
    Nachricht.window = Id;
    Nachricht.type = Anfrage;
    xcb_send_event(X, false, Baum->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&Nachricht));
    xcb_flush(X);
    // The window manager answers at once; the window is mapped only after.
    const QDeadlineTimer Frist(200);
    do {
        const QList<quint32> R = Werte(X, Id, Ausdehnung, XCB_ATOM_CARDINAL);
        if (R.size() == 4)
            return Rahmen_aus_Ausdehnung({R[0], R[1], R[2], R[3]}, Fenster->devicePixelRatio());
        QThread::msleep(1);
    } while (!Frist.hasExpired());
#else
    Q_UNUSED(Fenster);
#endif
    return {};
}
