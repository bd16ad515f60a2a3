#pragma once

#include <QtGlobal>

#include <cstdlib>

namespace FuzzSupport {

// Drops Qt's messages: decoder warnings are expected on broken input and would only slow
// the run down.
inline void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

// A broken invariant is a finding: abort so that libFuzzer keeps the input.
inline void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace FuzzSupport
