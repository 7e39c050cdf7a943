#pragma once
#include "platform/basic/RuntimeError.h"

// The number of the run-time error a call raises, 0 when it raises none.
template <typename Call>
int ErrorNumberOf(Call call) {
    try {
        call();
    } catch (const basic::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}
