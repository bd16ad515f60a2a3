#pragma once

#include <QtGlobal>

// What the JPEG decoder warns about while one picture is read. Qt's JPEG reader reports a
// file that ends early, and a decoder that ran out of its memory cap, only as warnings in
// its logging category; the read itself still "succeeds" with grey filling. Only the
// reader uses this (compose/picturereader.cpp).
//
// One message handler, installed once at start-up (installDecoderWarningHandler), hands
// the decoder's messages to the DecoderWarnings of the thread they come from while that
// thread reads a picture; every other message, from any thread, goes on to the handler
// that was installed before, unchanged. Reads on several threads at once each see their
// own decoder's warnings only.
namespace DecoderWarnings {

// Installs the handler. Only the first call does anything; later calls are no-ops.
void installHandler();
bool handlerInstalled();

// Listens to the JPEG decoder's warnings on the calling thread for its lifetime. Without
// the handler installed it hears nothing. A scope opened inside another on the same thread
// hears them until it ends.
class Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    // The data ended early or lost its place: part of the picture is grey filling.
    bool damaged() const { return m_damaged; }
    // The decoder's working memory ran past its cap.
    bool tooLarge() const { return m_tooLarge; }

    // Called by the handler with each decoder message of this thread.
    void note(const QString& text);

private:
    Scope* m_outer = nullptr;
    bool m_damaged = false;
    bool m_tooLarge = false;
};

} // namespace DecoderWarnings
