#include "compose/decoderwarnings.h"

#include <QString>

#include <atomic>
#include <cstring>
#include <mutex>

namespace DecoderWarnings {

namespace {

// Qt's JPEG reader logs libjpeg's warnings in this category.
constexpr const char* JpegCategory = "qt.gui.imageio.jpeg";

// The handler installed before ours; set once, before ours can run.
std::atomic<QtMessageHandler> g_next{nullptr};
std::atomic<bool> g_installed{false};
std::once_flag g_installOnce;

// The scope listening on this thread, if any.
thread_local Scope* t_scope = nullptr;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (Scope* scope = t_scope;
        scope && context.category && std::strcmp(context.category, JpegCategory) == 0) {
        scope->note(text);
        return;
    }
    if (const QtMessageHandler next = g_next.load(std::memory_order_acquire))
        next(type, context, text);
}

} // namespace

void installHandler() {
    std::call_once(g_installOnce, [] {
        // Ours goes in first, then the earlier one is recorded: a message arriving in
        // between finds no successor yet and is lost, which is why this runs at start-up,
        // before other threads log.
        const QtMessageHandler previous = qInstallMessageHandler(&handle);
        g_next.store(previous, std::memory_order_release);
        g_installed.store(true, std::memory_order_release);
    });
}

bool handlerInstalled() {
    return g_installed.load(std::memory_order_acquire);
}

Scope::Scope()
    : m_outer(t_scope) {
    t_scope = this;
}

Scope::~Scope() {
    t_scope = m_outer;
}

void Scope::note(const QString& text) {
    // libjpeg's words for data that ends early or loses its place; other warnings (stray
    // bytes between markers) are common in good files.
    if (text.contains(QLatin1String("remature end"), Qt::CaseInsensitive) ||
        text.contains(QLatin1String("instead of RST")))
        m_damaged = true;
    if (text.contains(QLatin1String("Backing store not supported")) ||
        text.contains(QLatin1String("Insufficient memory")))
        m_tooLarge = true;
}

} // namespace DecoderWarnings
